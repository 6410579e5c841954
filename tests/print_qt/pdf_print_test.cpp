// A job to a PDF file through the Qt printer: A4 at 300 dpi without page
// margins of the device, Courier New 10 points, numbers in the margin, a
// header with the title and "Página n de m", the page number in Roman
// numerals in the footer.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

#include <sys/stat.h>

#include "editor/print/syn_edit_print.h"
#include "platform/files/replace_file.h"
#include "platform/qt/qt_printer.h"
#include "text/code_pages.h"

namespace kau::editor {
namespace {

using platform::QtPrinter;

// Standard output of a command; empty when it cannot run.
std::string RunCommand(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>/dev/null").c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string out;
  char buf[4096];
  while (std::size_t n = fread(buf, 1, sizeof buf, pipe.get())) out.append(buf, n);
  return out;
}

bool HavePoppler() { return !RunCommand("command -v pdfinfo && command -v pdftotext").empty(); }

std::string Line(int i) {
  if (i == 61) return "  Writeln('Linha sessenta e um');";
  if (i == 70) return text::cp1252("  Writeln('Atenção');");
  if (i == 1) return "program Longo;";
  return "  x := x + " + std::to_string(i) + ";  { linha " + std::to_string(i) + " }";
}

struct PdfJob {
  QTemporaryDir dir;
  QString path = dir.filePath("saida.pdf");
  QtPrinter printer;
  TSynEditPrint print;
  TSynEditStringList lines;

  PdfJob() {
    printer.SetPdfFile(path);
    print.SetPrinter(&printer);
    print.Font().SetName("Courier New");
    print.Font().SetSize(10);
    print.SetLineNumbers(true);
    print.SetLineNumbersInMargin(true);
    print.Title = "longo.pas";
    print.Header().Add("$TITLE$", nullptr, taLeftJustify, 1);
    print.Header().Add(text::cp1252("Página $PAGENUM$ de $PAGECOUNT$"), nullptr, taRightJustify, 1);
    print.Footer().Add("$PAGENUM$", nullptr, taCenter, 1);
    print.Footer().RomanNumbers = true;
    for (int i = 1; i <= 130; ++i) lines.Add(Line(i));
    print.SetLines(lines);
  }
  std::string PageText(int page) {
    return RunCommand("pdftotext -layout -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" +
               path.toStdString() + "' -");
  }
};

TEST(PdfPrint, PagesTextAndNumbersReadBack) {
  if (!HavePoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
  PdfJob job;
  EXPECT_EQ(job.printer.Geometry().PrintableWidth, job.printer.Geometry().PhysicalWidth);
  EXPECT_EQ(job.printer.Geometry().XPixelsPerInch, 300);
  EXPECT_EQ(job.print.GetPageCount(), 3);
  job.print.Print();
  ASSERT_TRUE(QFile::exists(job.path));
  EXPECT_NE(RunCommand("pdfinfo '" + job.path.toStdString() + "'").find("Pages:           3"), std::string::npos);
  const std::string two = job.PageText(2);
  for (const char* expected : {"Página 2 de 3", "longo.pas", "II", "61:", "Writeln('Linha sessenta e um');",
                               "Atenção"})
    EXPECT_NE(two.find(expected), std::string::npos) << expected << "\n" << two;
  const std::string three = job.PageText(3);
  EXPECT_NE(three.find("130:"), std::string::npos) << three;
  EXPECT_NE(three.find("III"), std::string::npos) << three;
  // Nothing but the PDF is left in the folder.
  EXPECT_EQ(QDir(job.dir.path()).entryList(QDir::Files).size(), 1);
}

struct AbortOnPage2 : TObject {
  void Status(TObject*, TSynPrintStatus status, int page, bool& abort) { abort = status == psNewPage && page == 2; }
};

TEST(PdfPrint, AnAbortedJobLeavesNoFile) {
  PdfJob job;
  AbortOnPage2 aborter;
  job.print.OnPrintStatus = TPrintStatusEvent::bind<&AbortOnPage2::Status>(&aborter);
  job.print.Print();
  EXPECT_FALSE(QFile::exists(job.path));
  EXPECT_TRUE(QDir(job.dir.path()).entryList(QDir::Files).isEmpty());
  EXPECT_FALSE(job.printer.Printing());
}

// The print dialog's "print to file" sets the output file on the QPrinter
// itself; each job writes to the file chosen last, through a temporary file.
TEST(PdfPrint, TheOutputFileChosenOnTheDeviceAsTheDialogDoes) {
  if (!HavePoppler()) GTEST_SKIP() << "pdfinfo and pdftotext (poppler-utils) are not installed";
  PdfJob job;
  const QString first = job.dir.filePath("primeiro.pdf");
  const QString second = job.dir.filePath("segundo.pdf");
  QtPrinter fresh;  // never given SetPdfFile
  job.print.SetPrinter(&fresh);
  // The third job replaces the first PDF.
  for (const QString& chosen : {first, second, first}) {
    fresh.Device().setOutputFileName(chosen);
    ASSERT_TRUE(fresh.HasPrinter());
    job.print.Print();
    ASSERT_TRUE(QFile::exists(chosen)) << chosen.toStdString();
    EXPECT_EQ(fresh.Device().outputFileName(), chosen);
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(chosen).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, files::NewFileMode(0666));  // not the temporary file's private mode
  }
  EXPECT_FALSE(QFile::exists(job.path));
  const std::string text = RunCommand("pdftotext -layout -f 2 -l 2 '" + second.toStdString() + "' -");
  EXPECT_NE(text.find("61:"), std::string::npos) << text;
  EXPECT_NE(text.find("Writeln('Linha sessenta e um');"), std::string::npos) << text;
  EXPECT_EQ(QDir(job.dir.path()).entryList(QDir::Files), QStringList({"primeiro.pdf", "segundo.pdf"}));
}

TEST(PdfPrint, AFolderThatIsNotThereIsAClearFailure) {
  QTemporaryDir dir;
  const QString target = dir.filePath("falta/saida.pdf");
  QtPrinter printer;
  printer.Device().setOutputFileName(target);
  TSynEditPrint print;
  print.SetPrinter(&printer);
  TSynEditStringList lines;
  lines.Add("program p;");
  print.SetLines(lines);
  try {
    print.Print();
    ADD_FAILURE();
  } catch (const std::runtime_error& e) {
    EXPECT_EQ(e.what(), text::cp1252("Não foi possível criar o arquivo ") + target.toStdString());
  }
  EXPECT_FALSE(printer.Printing());
  EXPECT_TRUE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

TEST(PdfPrint, NothingChosenIsNoPrinter) {
  QtPrinter printer;
  printer.SetPrinterName(QString());
  EXPECT_FALSE(printer.HasPrinter());
  TSynEditPrint print;
  print.SetPrinter(&printer);
  try {
    print.Print();
    ADD_FAILURE();
  } catch (const ESynEditPrint& e) {
    EXPECT_EQ(e.what(), text::cp1252("Nenhuma impressora disponível."));
  }
  EXPECT_EQ(print.GetPageCount(), 1);
}

}  // namespace
}  // namespace kau::editor
