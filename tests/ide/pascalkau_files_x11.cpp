// The program's windows under a real X server, used as a student uses them
// through xdotool's keys: a new program typed into "Untitled" and saved with
// Ctrl+S through the save dialog has LF line ends; a UTF-8 file with a
// byte-order mark and CR LF, opened with Ctrl+A, runs with F9 and is saved
// with its mark and line ends; a code page 1252 file typed into stays 1252;
// a UTF-8 file with an emoji shows "?", and after "ç" is typed Ctrl+S asks
// before replacing the emoji, Enter answers Sim, and the file is UTF-8 with
// "ç" as C3 A7. Screenshots of the "?" and of the question are saved.
// Exits 0 when every step held.
//   pascalkau_files_x11 SCREENSHOT_DIR
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "platform/console/screen_dump.h"
#include "tests/ide/x11_student.h"
#include "tests/x11_person/x11_person.h"
#include "text/code_pages.h"

namespace {

using kau::ide::testing::ModalShown;
using kau::ide::testing::OnWindowsThread;
using kau::testing::VisibleWindow;
using kau::testing::WaitUntil;
using kau::testing::XDoTool;

const std::string kBom = "\xEF\xBB\xBF";

std::string Contents(const std::string& path) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void Write(const std::string& path, const std::string& bytes) {
  QFile file(QString::fromStdString(path));
  if (file.open(QIODevice::WriteOnly)) file.write(bytes.data(), static_cast<qint64>(bytes.size()));
}

std::string Visible(const std::string& bytes) {
  std::string shown;
  for (unsigned char c : bytes) {
    char hex[8];
    std::snprintf(hex, sizeof hex, c >= 0x20 && c < 0x7F ? "%c" : "\\x%02X", c);
    shown += hex;
  }
  return shown;
}

class Student : public kau::ide::testing::WindowsUser {
 public:
  Student(kau::ide::PascalKauWindows& windows, std::string folder, std::string shots)
      : WindowsUser(windows, std::move(shots), "pascalkau_files_x11"), folder_(std::move(folder)) {}

  bool UsesTheFiles() {
    return StartsInTheEditor() && TypesANewProgramAndSavesIt() && RunsAndSavesAFileWithAMark() &&
           KeepsACodePage1252File() && TypesIntoAFileWithAnEmojiAndSavesIt();
  }

 private:
  bool ExpectBytes(const std::string& path, const std::string& expected) {
    if (WaitUntil([&] { return Contents(path) == expected; })) return true;
    return Fail(path + " holds \"" + Visible(Contents(path)) + "\", not \"" + Visible(expected) + "\"");
  }
  std::string Path(const std::string& name) const { return folder_ + "/" + name; }
  std::string Line(int line) {
    return OnWindowsThread([&] {
      auto* editor = windows_.formMain.ActiveEditorWindow();
      return editor ? editor->RichEdit1().LineText(line) : std::string();
    });
  }
  std::string ActiveFileName() {
    return OnWindowsThread([&] {
      auto* editor = windows_.formMain.ActiveEditorWindow();
      return editor ? editor->GetFileName().toStdString() : std::string();
    });
  }

  // What the file dialog's name field shows.
  std::string FileDialogName() {
    return OnWindowsThread([] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      auto* name = dialog ? dialog->findChild<QLineEdit*>("fileNameEdit") : nullptr;
      return name ? name->text().toStdString() : std::string();
    });
  }

  // The file dialog's name field has the keys: the path replaces what it
  // holds, typed again when the field does not show it once the dialog has
  // handled End after it (a slow dialog reacting to the leading "/" may lose
  // some of it; End leaves the caret where typing left it); Enter again while
  // the dialog stays once it has handled the last Enter (its completion list
  // may take the first).
  bool AnswerFileDialog(const std::string& path) {
    if (!WaitUntil([&] { return ModalShown<QFileDialog>(); })) return Fail("no file dialog");
    bool typed = false;
    for (int attempt = 0; attempt < 3 && !typed; ++attempt) {
      if (!Key("ctrl+a") || !Type(path) || !KeyHandled("End", Qt::Key_End))
        return Fail("typing into the file dialog");
      typed = FileDialogName() == path;
    }
    if (!typed) return Fail("the file dialog shows " + FileDialogName() + ", not " + path);
    for (int enter = 0; enter < 3; ++enter) {
      if (!KeyHandled("Return", Qt::Key_Return)) return Fail("Enter in the file dialog");
      if (!ModalShown<QFileDialog>()) return true;
    }
    return Fail("the file dialog stayed open");
  }

  // The file written with these bytes, then opened with Ctrl+A and the
  // open dialog.
  bool OpenWithCtrlA(const std::string& path, const std::string& bytes) {
    Write(path, bytes);
    if (!Key("ctrl+a") || !AnswerFileDialog(path)) return false;
    return WaitUntil([&] { return ActiveFileName() == path; }) || Fail(path + " did not open");
  }

  // "ç" at the caret, which is at the start of line 1, typed on the French
  // keyboard, where it has a key of its own, as a person with that keyboard
  // does; then the American one is put back. xdotool would type a letter the
  // map lacks by lending it a spare key for a moment, and a busy window may
  // read the map after it is put back and see nothing; a map set beforehand
  // stays, and the X server reports its change to the window before the key,
  // so the letter arrives once, however late.
  bool TypeCCedilla() {
    if (std::system("setxkbmap fr") != 0) return Fail("setxkbmap fr");
    const bool shown = Type("\xC3\xA7") && WaitUntil([&] { return Line(1).starts_with("\xE7"); });
    if (std::system("setxkbmap us") != 0) return Fail("setxkbmap us");
    return shown || Fail("ç did not show");
  }

  bool StartsInTheEditor() {
    const std::string main = VisibleWindow("^ Pascal KAU!$");
    if (main.empty()) return Fail("the main window did not appear");
    if (!WaitUntil([&] { return ActiveFileName() == "Untitled"; })) return Fail("no Untitled editor");
    // A click in the editor window gives it the keys.
    return Expect(XDoTool("windowfocus --sync " + main) && XDoTool("mousemove --window " + main + " 300 200 click 1"),
                  "clicking into the editor");
  }

  bool TypesANewProgramAndSavesIt() {
    Key("ctrl+t");  // the skeleton is selected and typed over
    for (const char* line : {"program novo;", "begin", "writeln('Novo');"})
      if (!Type(line) || !Key("Return")) return Fail("typing the new program");
    if (!Type("end.")) return Fail("typing the new program");
    if (!WaitUntil([&] { return Line(4) == "end."; })) return Fail("the typed program is not in the editor");
    const std::string path = Path("novo.pas");
    if (!Key("ctrl+s") || !AnswerFileDialog(path)) return false;
    if (!WaitUntil([&] { return QFile::exists(QString::fromStdString(path)); })) return Fail("novo.pas not saved");
    const std::string saved = Contents(path);
    return Expect(saved.find('\r') == std::string::npos, "CR in novo.pas: " + Visible(saved)) &&
           Expect(saved.starts_with("program novo;\nbegin\n") && saved.ends_with("\nend.\n"),
                  "novo.pas holds " + Visible(saved));
  }

  bool RunsAndSavesAFileWithAMark() {
    const std::string path = Path("marca.pas");
    const std::string text = "program marca;\r\nbegin\r\n  writeln('Ol\xC3\xA1 marca');\r\nend.\r\n";
    if (!OpenWithCtrlA(path, kBom + text)) return false;
    if (!Expect(Line(1) == "program marca;", "line 1 of marca.pas is " + Visible(Line(1)))) return false;
    Key("F9");
    if (!WaitUntil([&] { return kau::console::screenText(windows_.console.snapshot()).starts_with("Ol\xC3\xA1 marca"); }))
      return Fail("the program's output did not show:\n" + kau::console::screenText(windows_.console.snapshot()));
    // The console waits for a key after the program's end.
    const std::string console = VisibleWindow("^Console do Pascal KAU!$");
    if (console.empty() || !XDoTool("windowfocus --sync " + console) || !Key("Return"))
      return Fail("no console window to answer");
    if (!WaitUntil([&] { return !OnWindowsThread([&] { return windows_.formMain.running(); }); }))
      return Fail("the run did not end");
    // Back in the main window (Xvfb has no window manager to raise it on a
    // click), the caret to the start of the text.
    const std::string main = VisibleWindow("^ Pascal KAU!$");
    if (main.empty() || !XDoTool("windowraise " + main) || !XDoTool("windowfocus --sync " + main) ||
        !XDoTool("mousemove --window " + main + " 300 200 click 1") || !Key("ctrl+Home") || !Type("{ marca }") ||
        !Key("ctrl+s"))
      return Fail("typing into marca.pas after the run");
    return ExpectBytes(path, kBom + "{ marca }" + text);
  }

  bool KeepsACodePage1252File() {
    const std::string path = Path("cp1252.pas");
    const std::string text = "program p;\r\nbegin\r\n  writeln('Ol\xE1');\r\nend.\r\n";
    if (!OpenWithCtrlA(path, text)) return false;
    if (!Expect(Line(3) == "  writeln('Ol\xE1');", "line 3 of cp1252.pas is " + Visible(Line(3)))) return false;
    if (!TypeCCedilla() || !Key("ctrl+s")) return false;
    return ExpectBytes(path, "\xE7" + text);
  }

  bool TypesIntoAFileWithAnEmojiAndSavesIt() {
    const std::string path = Path("emoji.pas");
    const std::string original = "program p;\nbegin\n  writeln('\xF0\x9F\x98\x80');\nend.\n";
    if (!OpenWithCtrlA(path, original)) return false;
    if (!Expect(Line(3) == "  writeln('?');", "line 3 of emoji.pas is " + Visible(Line(3)))) return false;
    Screenshot("emoji");
    if (!TypeCCedilla() || !Expect(Line(1) == "\xE7program p;", "line 1 is " + Visible(Line(1)))) return false;
    if (!Key("ctrl+s") || !WaitUntil([&] { return ModalShown<QMessageBox>(); }))
      return Fail("Ctrl+S asked nothing");
    const QString question = OnWindowsThread([] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      return box ? box->text() : QString();
    });
    const QString expected = QString::fromUtf8(
        " O arquivo emoji.pas tem caracteres que o Pascal KAU! não reconhece.\n"
        " Eles aparecem como \"?\" e, ao salvar, serão substituídos por \"?\".\n"
        " Deseja salvar mesmo assim?");
    if (!Expect(question == expected, "the question is " + question.toStdString())) return false;
    if (!Expect(Contents(path) == original, "emoji.pas changed before the answer")) return false;
    Screenshot("question");
    const std::string box = VisibleWindow("^Pascal KAU!$");
    if (box.empty() || !XDoTool("windowfocus --sync " + box) || !Key("Return")) return Fail("answering the question");
    if (!ExpectBytes(path, "\xC3\xA7program p;\nbegin\n  writeln('?');\nend.\n")) return false;
    return Expect(kau::text::isValidUtf8(Contents(path)), "emoji.pas is not UTF-8");
  }

  std::string folder_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  QTemporaryDir folder;
  if (!folder.isValid()) return 2;
  const std::string shots = argv[1];
  return kau::ide::testing::RunWithPerson(argc, argv, {}, [&](kau::ide::PascalKauWindows& windows) {
    return Student(windows, folder.path().toStdString(), shots).UsesTheFiles();
  });
}
