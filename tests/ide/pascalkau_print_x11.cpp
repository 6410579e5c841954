// Printing to a PDF file as a student without a printer does, under a real
// X server with xdotool's keys: a click in the editor, Ctrl+P, the print
// dialog's "print to file" with the file name it proposes (the program's
// name with .pdf, beside the program rather than in the current folder),
// Imprimir; then Ctrl+P again with a file name typed into the dialog. Each PDF must hold the program, every
// line after its number in the margin (pdftotext), and nothing else may be
// left beside it; the second is rendered to a PNG (pdftoppm). Screenshots of
// both dialogs are saved. Exits 0 when every step held, 77 without the
// poppler tools.
//   pascalkau_print_x11 SCREENSHOT_DIR
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "ide/form_editor.h"
#include "tests/ide/x11_student.h"
#include "tests/x11_person/x11_person.h"

namespace {

using namespace kau::ide::testing;
using namespace kau::testing;

const std::vector<std::string> kProgram = {"program Impresso;", "var i: integer;", "begin", "  for i := 1 to 3 do",
                                           "    writeln('Linha impressa ', i);", "end."};

std::string Output(const std::string& command) {
  const std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string out;
  char buffer[4096];
  while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) out += buffer;
  return out;
}

bool Have(const char* tool) { return std::system(("command -v " + std::string(tool) + " >/dev/null").c_str()) == 0; }

class Student : public kau::ide::testing::WindowsUser {
 public:
  Student(kau::ide::PascalKauWindows& windows, QString home, std::string shots)
      : WindowsUser(windows, shots, "pascalkau_print_x11"), home_(std::move(home)), shots_(std::move(shots)) {}

  bool PrintsToPdfFiles() {
    const QString typed = home_ + "/impressos/listagem.pdf";
    return StartsInTheEditor() && PrintsThroughTheDialog({}, home_ + "/exercicios/impresso.pdf", "default_name") &&
           PrintsThroughTheDialog(typed, typed, "typed_name") &&
           Expect(std::system(("pdftoppm -png -r 50 -singlefile '" + typed.toStdString() + "' '" + shots_ +
                               "/pascalkau_print_x11_page'")
                                  .c_str()) == 0,
                  "pdftoppm could not render the PDF");
  }

 private:
  QString OutputFileShown() {
    return OnWindowsThread([] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      auto* name = dialog ? dialog->findChild<QLineEdit*>("filename") : nullptr;
      return name ? name->text() : QString();
    });
  }
  QString MessageShown() {
    return OnWindowsThread([] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      return box ? box->text() : QString();
    });
  }

  bool StartsInTheEditor() {
    main_ = VisibleWindow("^ Pascal KAU! $");
    if (main_.empty()) return Fail("the main window did not appear");
    const bool opened = WaitUntil([&] {
      return OnWindowsThread([&] {
        auto* editor = windows_.formMain.ActiveEditorWindow();
        return editor && editor->TabTitle() == "impresso.pas";
      });
    });
    return Expect(opened, "impresso.pas is not in an editor window");
  }

  // Ctrl+P in the editor, the file name typed into the dialog (none: the
  // dialog's own, which must be `pdf`), Enter for Imprimir.
  bool PrintsThroughTheDialog(const QString& typed, const QString& pdf, const std::string& shot) {
    // A click in the editor window gives it the keys.
    if (!XDoTool("windowfocus --sync " + main_) || !XDoTool("mousemove --window " + main_ + " 400 250 click 1") ||
        !Key("ctrl+p"))
      return Fail("Ctrl+P in the editor");
    if (!WaitUntil([] { return ModalShown<QPrintDialog>(); })) return Fail("Ctrl+P opened no print dialog");
    const std::string dialog = VisibleWindow("^Imprimir$");
    if (dialog.empty() || !XDoTool("windowfocus --sync " + dialog)) return Fail("no print dialog window to type into");
    // Tab goes from the printer's name to the output file, selecting it.
    if (!typed.isEmpty() && (!Key("Tab") || !Type(typed.toStdString())))
      return Fail("typing the file name");
    if (!WaitUntil([&] { return OutputFileShown() == pdf; }))
      return Fail("the dialog's output file is " + OutputFileShown().toStdString());
    Screenshot(shot);
    if (!Key("Return") || !WaitUntil([] { return !ModalShown<QPrintDialog>(); }))
      return Fail("the print dialog stayed open");
    if (!WaitUntil([&] { return QFileInfo(pdf).size() > 0 || !MessageShown().isEmpty(); }))
      return Fail("no PDF " + pdf.toStdString());
    if (!MessageShown().isEmpty()) return Fail("the print said: " + MessageShown().toStdString());
    return HoldsTheProgram(pdf);
  }

  bool HoldsTheProgram(const QString& pdf) {
    const std::string listing = Output("pdftotext -layout '" + pdf.toStdString() + "' -");
    // The numbers end at the margin: longer ones start further left.
    std::vector<std::string> printed;
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);) printed.push_back(line.erase(0, line.find_first_not_of(' ')));
    for (std::size_t n = 1; n <= kProgram.size(); ++n) {
      const std::string expected = std::to_string(n) + ": " + kProgram[n - 1];
      if (std::find(printed.begin(), printed.end(), expected) == printed.end())
        return Fail("no line '" + expected + "' in " + pdf.toStdString() + ":\n" + listing);
    }
    const QStringList left = QFileInfo(pdf).dir().entryList({"*.pdf.*"}, QDir::Files | QDir::Hidden);
    return Expect(left.isEmpty(), "left beside the PDF: " + left.join(' ').toStdString());
  }

  QString home_;
  std::string shots_;
  std::string main_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  if (!Have("pdftotext") || !Have("pdftoppm")) {
    std::puts("pdftotext or pdftoppm (poppler-utils) is missing: the check is skipped");
    return 77;
  }
  QTemporaryDir home;
  for (const char* folder : {"programas", "exercicios", "impressos"})
    if (!home.isValid() || !QDir(home.path()).mkpath(folder)) return 2;
  qputenv("HOME", home.path().toLocal8Bit());
  QDir::setCurrent(home.filePath("programas"));
  QFile program("../exercicios/impresso.pas");
  if (!program.open(QIODevice::WriteOnly)) return 2;
  for (const std::string& line : kProgram) program.write((line + "\n").c_str());
  program.close();
  const std::string shots = argv[1];
  return kau::ide::testing::RunWithPerson(argc, argv, {"../exercicios/impresso.pas"}, [&](kau::ide::PascalKauWindows& windows) {
    return Student(windows, home.path(), shots).PrintsToPdfFiles();
  });
}
