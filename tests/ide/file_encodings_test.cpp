// Files through the windows as a student meets them: opened with Ctrl+A and
// the open dialog, typed into, run with F9 and saved with Ctrl+S. What is
// saved keeps the encoding, the byte-order mark and the line ends the file
// was read with; a new program gets Linux line ends; characters that code
// page 1252 lacks show as "?" and the student is asked once before a save
// replaces them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "modal_answerer.h"
#include "platform/console/screen_dump.h"
#include "test_env.h"
#include "tests/support/hang_bound.h"
#include "text/code_pages.h"

// Readable failures.
inline void PrintTo(const QByteArray& bytes, std::ostream* out) { *out << '"' << bytes.toHex(' ').toStdString() << '"'; }

namespace kau::ide::testing {
namespace {

const QByteArray kBom = "\xEF\xBB\xBF";
const QString kQuestionStart = QString::fromUtf8(" O arquivo ");
const QString kQuestionEnd =
    QString::fromUtf8(" tem caracteres que o Pascal KAU! não reconhece.\n"
                      " Eles aparecem como \"?\" e, ao salvar, serão substituídos por \"?\".\n"
                      " Deseja salvar mesmo assim?");

class FileEncodingsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main(), kau::testing::kHangMilliseconds));
    ASSERT_NE(main().ActiveEditorWindow(), nullptr);
  }
  TFormMain& main() { return windows_.formMain; }
  TFormEditor& active() { return *main().ActiveEditorWindow(); }
  RichEditControl& edit() { return active().RichEdit1(); }
  QWidget* keys() { return &active().Host(); }

  QString write(const QString& name, const QByteArray& bytes) { return WriteFile(folder_.filePath(name), bytes); }
  // Ctrl+A in the editor and the file picked in the open dialog.
  void open(const QString& path) {
    auto dialog = AnswerFileDialog(path);
    QTest::keyClick(keys(), Qt::Key_A, Qt::ControlModifier);
    ASSERT_TRUE(dialog->seen);
    ASSERT_EQ(active().GetFileName(), path);
  }
  // Each character as its key (a letter beyond ASCII, such as "ç", is the
  // key of its capital letter with the character as its text, as on X).
  void type(const QString& text) {
    for (const QChar c : text) {
      const int key = c.unicode() < 0x80 ? int(QTest::asciiToKey(c.toLatin1())) : int(c.toUpper().unicode());
      QTest::sendKeyEvent(QTest::Click, keys(), static_cast<Qt::Key>(key), QString(c), Qt::NoModifier);
    }
  }
  void save() { QTest::keyClick(keys(), Qt::Key_S, Qt::ControlModifier); }
  QStringList rows() const {
    return QString::fromStdString(console::screenText(windows_.console.snapshot())).split('\n');
  }
  // F9; once the console's first row shows `shown`, Enter answers the wait
  // at the program's end. Past the hang bound the run is stopped as Ctrl+C.
  void runWithF9(const QString& shown) {
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (!main().running()) return;
      if (++ticks == kau::testing::kHangMilliseconds / 20) windows_.console.pressCtrlC();
      if (rows().value(0) != shown) return;
      QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, {}, "\r");
      QApplication::sendEvent(&windows_.consoleWindow, &enter);
    });
    timer.start(20);
    QTest::keyClick(keys(), Qt::Key_F9);
  }
  // Ctrl+S; false when any window asked something (it is closed unanswered).
  bool saveAskingNothing() {
    ModalRefuser guard;
    save();
    return !guard.ModalShown();
  }
  bool errorPanelShown() { return !main().findChild<QWidget*>("panelErros")->isHidden(); }

  PascalKauWindows windows_;
  QTemporaryDir folder_;
};

TEST_F(FileEncodingsTest, AFileWithAByteOrderMarkRunsWithF9AndSavesWithItsMark) {
  const QString path = write("marca.pas", kBom + "program marca;\r\nbegin\r\n  writeln('Ol\xC3\xA1 marca');\r\nend.\r\n");
  open(path);
  EXPECT_EQ(edit().LineText(1), "program marca;");
  runWithF9(QString::fromUtf8("Olá marca"));
  EXPECT_EQ(rows().value(0), QString::fromUtf8("Olá marca"));
  EXPECT_FALSE(errorPanelShown());
  EXPECT_FALSE(main().running());

  type(QString::fromUtf8("{ ç }"));
  EXPECT_TRUE(saveAskingNothing());
  EXPECT_TRUE(main().LastSaveSucceeded());
  EXPECT_EQ(FileContents(path), kBom + "{ \xC3\xA7 }program marca;\r\nbegin\r\n  writeln('Ol\xC3\xA1 marca');\r\nend.\r\n");
}

TEST_F(FileEncodingsTest, CharactersCodePage1252LacksShowAsQuestionMarksAndTheStudentIsAskedOnce) {
  const QByteArray original = "program p;\nbegin\n  writeln('\xF0\x9F\x98\x80 \xE4\xB8\xAD');\nend.\n";
  const QString path = write("emoji.pas", original);
  open(path);
  EXPECT_EQ(edit().LineText(3), "  writeln('? ?');");
  type(QString::fromUtf8("ç"));

  // Não: nothing is written and the text stays modified.
  auto refused = AnswerNextModal(QString::fromUtf8("Não"));
  save();
  ASSERT_TRUE(refused->pressed);
  EXPECT_EQ(refused->title, "Pascal KAU!");
  EXPECT_EQ(refused->text, kQuestionStart + "emoji.pas" + kQuestionEnd);
  EXPECT_FALSE(main().LastSaveSucceeded());
  EXPECT_TRUE(edit().Modified());
  EXPECT_EQ(FileContents(path), original);

  // Closing asks to save; the question comes again and Não keeps the window.
  auto close = AnswerNextModal("Sim", [] { AnswerNextModal(QString::fromUtf8("Não")); });
  main().MnArquivoFecharClick();
  ASSERT_TRUE(close->pressed);
  EXPECT_EQ(active().GetFileName(), path);
  EXPECT_EQ(FileContents(path), original);

  // Sim: saved as UTF-8, with the "ç" typed as C3 A7.
  auto accepted = AnswerNextModal("Sim");
  save();
  ASSERT_TRUE(accepted->pressed);
  EXPECT_TRUE(main().LastSaveSucceeded());
  const QByteArray saved = FileContents(path);
  EXPECT_EQ(saved, "\xC3\xA7program p;\nbegin\n  writeln('? ?');\nend.\n");
  EXPECT_TRUE(text::isValidUtf8(saved.toStdString()));

  // Told once: later saves of the same text ask nothing.
  type("x");
  EXPECT_TRUE(saveAskingNothing());
  EXPECT_TRUE(main().LastSaveSucceeded());
  EXPECT_EQ(FileContents(path), "\xC3\xA7xprogram p;\nbegin\n  writeln('? ?');\nend.\n");
}

// Each file is opened, "{ç}" is typed at its start and it is saved; nothing is asked.
TEST_F(FileEncodingsTest, SavedInTheEncodingAndLineEndsTheFileWasReadIn) {
  struct Case {
    const char* name;
    QByteArray bytes;
    QByteArray saved;
  };
  const Case cases[] = {
      {"dos.pas", "program p;\r\nbegin\r\nend.\r\n", "{\xC3\xA7}program p;\r\nbegin\r\nend.\r\n"},
      {"mac.pas", "program p;\rbegin\rend.\r", "{\xC3\xA7}program p;\rbegin\rend.\r"},
      {"unix.pas", "program p;\nbegin\nend.\n", "{\xC3\xA7}program p;\nbegin\nend.\n"},
      {"sem_fim.pas", "program p; begin end.", "{\xC3\xA7}program p; begin end.\n"},
      {"cp1252.pas", "program p;\r\nbegin\r\n  writeln('Ol\xE1');\r\nend.\r\n",
       "{\xE7}program p;\r\nbegin\r\n  writeln('Ol\xE1');\r\nend.\r\n"},
      {"marca.pas", kBom + "program p;\nend.\n", kBom + "{\xC3\xA7}program p;\nend.\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = write(c.name, c.bytes);
    open(path);
    type(QString::fromUtf8("{ç}"));
    EXPECT_TRUE(saveAskingNothing());
    EXPECT_TRUE(main().LastSaveSucceeded());
    EXPECT_EQ(FileContents(path), c.saved);
  }
}

TEST_F(FileEncodingsTest, ANewProgramTypedIntoUntitledIsSavedWithLinuxLineEnds) {
  ASSERT_EQ(active().GetFileName(), "Untitled");
  QTest::keyClick(keys(), Qt::Key_T, Qt::ControlModifier);  // select all: the skeleton goes
  for (const char* line : {"program novo;", "begin", "writeln('Ol\xC3\xA1');", "end."}) {
    type(QString::fromUtf8(line));
    QTest::keyClick(keys(), Qt::Key_Return);
  }
  const QString path = folder_.filePath("novo.pas");
  auto dialog = AnswerFileDialog(path);
  save();
  ASSERT_TRUE(dialog->seen);
  EXPECT_TRUE(main().LastSaveSucceeded());
  const QByteArray saved = FileContents(path);
  EXPECT_FALSE(saved.contains('\r'));
  QByteArray expected;
  for (int i = 1; i <= edit().LineCount(); ++i)
    expected += QByteArray::fromStdString(text::cp1252ToUtf8(edit().LineText(i))) + "\n";
  EXPECT_EQ(saved, expected);
  EXPECT_TRUE(saved.startsWith("program novo;\nbegin\n"));
  EXPECT_TRUE(saved.contains("writeln('Ol\xC3\xA1');\n"));
}

}  // namespace
}  // namespace kau::ide::testing
