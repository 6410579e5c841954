// Run and Make executable through the main window: the program runs on the
// console window while the main window is minimized and disabled; errors
// move the caret, mark the line and fill the panel.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QListWidget>
#include <QProcess>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <utility>

#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/program_start.h"
#include "modal_answerer.h"
#include "paint_counter.h"
#include "test_env.h"
#include "platform/console/screen_dump.h"
#include "tests/support/hang_bound.h"

namespace kau::ide::testing {
namespace {

const char* const kHello = "program p;\r\nbegin\r\n  writeln('Ola'); readln;\r\nend.\r\n";

// Counts the activations of the window it filters.
struct ActivationCounter : QObject {
  int count = 0;
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) ++count;
    return false;
  }
};

class MainWindowRunTest : public ::testing::Test {
 protected:
  void SetUp() override {
    main().show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main(), kau::testing::kHangMilliseconds));
    editor_ = main().ActiveEditorWindow();
    ASSERT_NE(editor_, nullptr);
  }
  TFormMain& main() { return windows_.formMain; }
  RichEditControl& edit() { return editor_->RichEdit1(); }
  QListWidget* list() { return main().findChild<QListWidget*>("ListErros"); }
  QWidget* panel() { return main().findChild<QWidget*>("panelErros"); }
  QStringList panelLines() {
    QStringList lines;
    for (int i = 0; i < list()->count(); ++i) lines << list()->item(i)->text();
    return lines;
  }
  QStringList rows() const {
    return QString::fromStdString(console::screenText(windows_.console.snapshot())).split('\n');
  }
  void press(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&windows_.consoleWindow, &event);
  }
  // Runs the editor's text through the command; `step` is called every
  // 20 ms during the run until it returns true. Past the hang bound the run
  // is stopped as Ctrl+C.
  void run(std::function<bool()> step = {}) {
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (!main().running()) return;
      if (step && step()) step = {};
      if (++ticks == kau::testing::kHangMilliseconds / 20) windows_.console.pressCtrlC();
    });
    timer.start(20);
    main().Executar1Click();
  }
  // What the window looked like while the program ran.
  struct DuringRun {
    bool seen = false;
    bool enabled = true;
    bool minimized = false;
    bool explorerVisible = true;
    bool closed = true;
  };
  void look(DuringRun& during) {
    during.seen = true;
    during.enabled = main().isEnabled();
    during.minimized = main().isMinimized();
    during.explorerVisible = windows_.explorer.isVisible();
    during.closed = main().close();
  }
  void expectWindowsBack() {
    EXPECT_FALSE(main().running());
    EXPECT_TRUE(main().isEnabled());
    EXPECT_FALSE(main().isMinimized());
    EXPECT_TRUE(main().isVisible());
    EXPECT_TRUE(windows_.explorer.isVisible());
  }

  PascalKauWindows windows_;
  TFormEditor* editor_ = nullptr;
};

TEST_F(MainWindowRunTest, EmptyTextCompilesNothing) {
  main().BtnTaloExplorerClick();
  edit().Lines().Clear();
  run();
  expectWindowsBack();
  EXPECT_TRUE(panel()->isHidden());
  EXPECT_FALSE(windows_.consoleWindow.isVisible());
}

TEST_F(MainWindowRunTest, ProgramReadsTwoEntersThenTheBannerWhileTheMainWindowWaits) {
  main().BtnTaloExplorerClick();
  edit().SetText(kHello);
  DuringRun during;
  int enters = 0;
  run([&] {
    if (enters == 0 && rows().value(0) != "Ola") return false;
    if (!during.seen) look(during);
    press(Qt::Key_Return, {}, "\r");
    return ++enters == 2;
  });
  EXPECT_EQ(enters, 2);
  ASSERT_TRUE(during.seen);
  EXPECT_FALSE(during.enabled);
  EXPECT_TRUE(during.minimized);
  EXPECT_FALSE(during.explorerVisible);
  EXPECT_FALSE(during.closed);  // the main window refused to close
  expectWindowsBack();
  const QStringList screen = rows();
  EXPECT_EQ(screen.value(0), "Ola");
  EXPECT_TRUE(screen.value(23).startsWith(QString::fromUtf8(" \u2588\u2588\u2588 Pascal KAU!"))) << screen.value(23).toStdString();
  EXPECT_TRUE(panel()->isHidden());
}

TEST_F(MainWindowRunTest, SyntaxErrorMovesTheCaretMarksTheLineAndFillsThePanel) {
  edit().SetText("program p;\r\nvar\r\n  i: integer;\r\nbegin\r\n  i := 1;\r\n  writeln(i);\r\n  i := := 2;\r\nend.\r\n");
  run();
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{13, 7}));
  EXPECT_EQ(editor_->GetErrorLine(), 7);
  editor_->Host().viewport()->repaint();
  const QImage image = editor_->Host().BackBuffer();
  QSet<QRgb> colours;
  const int top = (7 - edit().TopLine()) * edit().LineHeight();
  for (int y = top; y < top + edit().LineHeight(); ++y)
    for (int x = edit().GutterWidth() + 2; x < image.width(); ++x) colours.insert(image.pixel(x, y) & 0xFFFFFF);
  EXPECT_TRUE(colours.contains(0x800000));  // dark red
  // White text, smoothed at its edges.
  EXPECT_TRUE(std::any_of(colours.begin(), colours.end(),
                          [](QRgb c) { return qRed(c) >= 0xF0 && qGreen(c) >= 0xF0 && qBlue(c) >= 0xF0; }));
  ASSERT_EQ(list()->count(), 2);
  EXPECT_TRUE(list()->item(0)->text().startsWith(QString::fromUtf8(" => Erro sint\u00E1tico na linha 7")));
  EXPECT_FALSE(list()->item(1)->text().isEmpty());
  EXPECT_EQ(list()->currentRow(), -1);
  EXPECT_FALSE(panel()->isHidden());
  main().Button1Click();
  EXPECT_TRUE(panel()->isHidden());
}

// At the window's first size a message longer than the list can be scrolled
// to its end.
TEST_F(MainWindowRunTest, ALongMessageGetsAHorizontalScrollBar) {
  ASSERT_EQ(main().size(), QSize(601, 382));
  const std::string name(90, 'x');
  edit().SetText("program p;\r\nbegin\r\n  " + name + " := 1;\r\nend.\r\n");
  run();
  ASSERT_EQ(list()->count(), 2);
  ASSERT_TRUE(list()->item(1)->text().contains(QString::fromStdString(name).toUpper()))
      << panelLines().join('|').toStdString();
  QApplication::processEvents();
  QScrollBar* bar = list()->horizontalScrollBar();
  EXPECT_TRUE(bar->isVisible());
  EXPECT_GT(bar->maximum(), 0);
  // Scrolled to its end, the message's last character is inside the list.
  bar->setValue(bar->maximum());
  const QFontMetrics metrics(list()->font());
  const QRect item = list()->visualItemRect(list()->item(1));
  EXPECT_LE(item.left() + metrics.horizontalAdvance(list()->item(1)->text()), list()->viewport()->width());
  // Both lines stay readable above the bar.
  EXPECT_LE(list()->visualItemRect(list()->item(1)).bottom(), list()->viewport()->height());
}

// The main window was disabled for the run: the keys go back to the editor
// explicitly, after an error as after a good end.
TEST_F(MainWindowRunTest, TheEditorHasTheKeysAfterTheRun) {
  for (const char* text : {"program p;\r\nbegin\r\n  writeln(;\r\nend.\r\n", "program p;\r\nbegin\r\nend.\r\n"}) {
    main().activateWindow();
    editor_->Host().setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main(), kau::testing::kHangMilliseconds));
    edit().SetText(text);
    run([&] {
      if (!windows_.console.runOpen()) return false;
      press(Qt::Key_Return, {}, "\r");
      return true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &main(); }, kau::testing::kHangMilliseconds))
        << text;
    EXPECT_EQ(QApplication::focusWidget(), &editor_->Host()) << text;
  }
}

// The caret put on the error line ends the undo group: Undo takes back what
// was typed there and leaves the fix typed before the run.
TEST_F(MainWindowRunTest, TypingAtTheErrorLineIsUndoneOnItsOwn) {
  edit().SetText("program p;\r\nbegin\r\n  writeln(;\r\nend.\r\n");
  edit().ClearUndo();
  edit().SetCaretXY({11, 1});
  for (const char c : {'{', '}'}) edit().CommandProcessor(editor::ecChar, c, nullptr);
  run();
  ASSERT_EQ(edit().CaretXY(), (editor::TPoint{12, 3}));
  edit().CommandProcessor(editor::ecChar, 'x', nullptr);
  edit().Undo();
  EXPECT_EQ(edit().LineText(3), "  writeln(;");
  EXPECT_EQ(edit().LineText(1), "program p;{}");
}

TEST_F(MainWindowRunTest, RunTimeErrorLeavesTheCaret) {
  edit().SetText("program p;\r\nvar i, z: integer;\r\nbegin\r\n  z := 0;\r\n  i := 1 div z;\r\nend.\r\n");
  edit().SetCaretXY({3, 2});
  run();
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{3, 2}));
  EXPECT_EQ(panelLines().size(), 2);
  EXPECT_FALSE(panel()->isHidden());
}

TEST_F(MainWindowRunTest, CtrlCInTheConsoleStopsAnEndlessLoop) {
  edit().SetText("program p;\r\nvar i: integer;\r\nbegin\r\n  while true do i := 0;\r\nend.\r\n");
  PaintCounter counter;
  windows_.consoleWindow.installEventFilter(&counter);
  DuringRun during;
  int paintsAtStart = -1;
  run([&] {
    if (!windows_.console.runOpen()) return false;
    if (paintsAtStart < 0) paintsAtStart = counter.paints;
    if (counter.paints < paintsAtStart + 2) return false;  // the cursor blinks while the loop runs
    look(during);
    press(Qt::Key_C, Qt::ControlModifier, QString(QChar(3)));
    return true;
  });
  ASSERT_TRUE(during.seen) << panelLines().join('|').toStdString();
  EXPECT_FALSE(during.enabled);
  EXPECT_TRUE(during.minimized);
  EXPECT_EQ(panelLines(), QStringList({QString::fromUtf8(" => Detectado CTRL+ C durante a execu\u00E7\u00E3o do programa! "),
                                       QString::fromUtf8(" => A execu\u00E7\u00E3o foi interrompida!")}));
  EXPECT_FALSE(main().running());
  EXPECT_TRUE(main().isEnabled());
}

// The main window, disabled for the run, is activated while the program
// waits for a name (a click on it, the task bar): the console window takes
// the keys back, and keys that reached the main window before that are typed
// there. Nothing else of the main window changes.
TEST_F(MainWindowRunTest, TheMainWindowActivatedDuringARunHandsTheKeysToTheConsole) {
  QTemporaryDir folder;
  const std::string answer = folder.filePath("nome.txt").toStdString();
  edit().SetText("program p;\r\nvar nome: string; f: text;\r\nbegin\r\n  readln(nome);\r\n  assign(f, '" + answer +
                 "'); rewrite(f); writeln(f, nome); close(f);\r\nend.\r\n");
  QWidget& console = windows_.consoleWindow;
  ActivationCounter activations;
  main().installEventFilter(&activations);
  bool consoleTookTheKeys = false;
  DuringRun during;
  run([&] {
    if (!windows_.console.runOpen() || QApplication::activeWindow() != &console) return false;
    if (activations.count == 0) {
      main().activateWindow();
      return false;
    }
    consoleTookTheKeys = true;
    look(during);
    // Typed at the main window before the console took the keys.
    const std::pair<int, const char*> keys[] = {
        {Qt::Key_R, "R"}, {Qt::Key_U, "u"}, {Qt::Key_I, "i"}, {Qt::Key_Return, "\r"}};
    for (const auto& [code, text] : keys) {
      QKeyEvent key(QEvent::KeyPress, code, {}, text);
      QApplication::sendEvent(&main(), &key);
    }
    press(Qt::Key_Return, {}, "\r");  // the end's wait, typed ahead
    return true;
  });
  EXPECT_TRUE(consoleTookTheKeys);
  EXPECT_EQ(activations.count, 1);
  EXPECT_FALSE(during.enabled);
  EXPECT_TRUE(during.minimized);
  EXPECT_FALSE(main().running());
  EXPECT_EQ(FileContents(QString::fromStdString(answer)), "Rui\n");
}

// --- Make executable ---------------------------------------------------------

class MakeExecutableCommandTest : public MainWindowRunTest {
 protected:
  void SetUp() override {
    MainWindowRunTest::SetUp();
    ASSERT_TRUE(folder_.isValid());
    source_ = folder_.filePath("prog.pas");
    QFile file(source_);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(kProgram);
    file.close();
    ASSERT_TRUE(main().OpenInEditor(source_));
    editor_ = main().ActiveEditorWindow();
  }
  static constexpr const char* kProgram = "program prog;\r\nbegin\r\n  writeln('feito');\r\nend.\r\n";
  QTemporaryDir folder_;
  QString source_;
};

TEST_F(MakeExecutableCommandTest, CancelHidesThePanel) {
  edit().SetModified(true);
  const auto seen = AnswerNextModal("Cancelar");
  main().MnCompilarGerarExecutavelClick();
  EXPECT_TRUE(seen->pressed);
  EXPECT_TRUE(seen->text.contains(QString::fromUtf8("Deseja salvar antes de executar?")));
  EXPECT_TRUE(panel()->isHidden());
  EXPECT_FALSE(QFile::exists(folder_.filePath("prog.exe")));
}

TEST_F(MakeExecutableCommandTest, YesSavesTheTextFirst) {
  edit().SetText("program prog;\r\nbegin\r\n  writeln('salvo');\r\nend.\r\n");
  edit().SetModified(true);
  // The announcement is answered once the question is gone.
  std::shared_ptr<ModalSeen> made;
  const auto asked = AnswerNextModal("Sim", [&] { QTimer::singleShot(0, [&] { made = AnswerNextModal("OK"); }); });
  main().MnCompilarGerarExecutavelClick();
  EXPECT_TRUE(asked->pressed);
  ASSERT_NE(made, nullptr);
  EXPECT_TRUE(made->pressed);
  QFile file(source_);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.readAll().contains("salvo"));
  EXPECT_FALSE(edit().Modified());
  EXPECT_TRUE(QFile::exists(folder_.filePath("prog.exe")));
}

TEST_F(MakeExecutableCommandTest, SuccessWritesTheExecutableBesideTheSource) {
  const auto seen = AnswerNextModal("OK");
  main().MnCompilarGerarExecutavelClick();
  EXPECT_EQ(seen->text, QString::fromUtf8("O arquivo execut\u00E1vel foi gerado com sucesso!"));
  EXPECT_TRUE(panel()->isHidden());
  const QString exe = folder_.filePath("prog.exe");
  ASSERT_TRUE(QFile::exists(exe));
  QProcess program;
  program.start(exe, {});
  ASSERT_TRUE(program.waitForFinished(kau::testing::kHangMilliseconds));
  EXPECT_TRUE(program.readAllStandardOutput().contains("feito"));
}

TEST_F(MakeExecutableCommandTest, CompileErrorFillsThePanelAndLeavesTheCaret) {
  edit().SetText("program prog;\r\nbegin\r\n  writeln(;\r\nend.\r\n");
  edit().SetModified(false);
  edit().SetCaretXY({2, 1});
  main().MnCompilarGerarExecutavelClick();
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{2, 1}));
  EXPECT_EQ(editor_->GetErrorLine(), 0);
  ASSERT_EQ(list()->count(), 2);
  EXPECT_TRUE(list()->item(0)->text().startsWith(" => Erro"));
  EXPECT_FALSE(panel()->isHidden());
  EXPECT_FALSE(QFile::exists(folder_.filePath("prog.exe")));
}

}  // namespace
}  // namespace kau::ide::testing
