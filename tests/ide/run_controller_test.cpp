// The Run command's engine against the real console window: the program runs
// on a worker thread while the window keeps painting and takes keys, and the
// outcome gives the error line and the panel's two lines.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QListWidget>
#include <QTimer>
#include <functional>
#include <string>

#include "ide/error_panel.h"
#include "ide/run_controller.h"
#include "paint_counter.h"
#include "platform/console/screen_dump.h"
#include "platform/qt/qt_console_window.h"
#include "tests/support/hang_bound.h"

namespace kau::ide {
namespace {

using testing::PaintCounter;

class RunControllerTest : public ::testing::Test {
 protected:
  RunControllerTest() : window(console), controller(console, &window), panel(&panelWidget, &list) {
    window.installEventFilter(&counter);
  }

  void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&window, &event);
  }
  QStringList screenRows() const {
    return QString::fromStdString(console::screenText(console.snapshot())).split(QLatin1Char('\n'));
  }
  // Runs the text; `step` is called every 20 ms during the run until it
  // returns true (or the hang bound passes, when the run is stopped as
  // Ctrl+C).
  std::optional<RunOutcome> run(const std::string& text, std::function<bool()> step = {}) {
    QTimer timer;
    int ticks = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] {
      if (step && step()) step = {};
      if (++ticks == kau::testing::kHangMilliseconds / 20) console.pressCtrlC();
    });
    timer.start(20);
    RunHooks hooks;
    hooks.prepare = [&] {
      ++prepared;
      panel.clear();
    };
    hooks.reportError = [&](const RunOutcome& outcome) { panel.show(outcome.panelLines); };
    hooks.restore = [&] { ++restored; };
    return controller.run(text, hooks);
  }

  console::ScreenConsole console;
  platform::QtConsoleWindow window;
  RunController controller;
  PaintCounter counter;
  QWidget panelWidget;
  QListWidget list{&panelWidget};
  ErrorPanel panel;
  int prepared = 0;
  int restored = 0;
};

TEST_F(RunControllerTest, EmptyTextCompilesNothingAndPutsTheWindowsBack) {
  const auto outcome = run("");
  ASSERT_TRUE(outcome.has_value());
  EXPECT_FALSE(outcome->compiled);
  EXPECT_FALSE(outcome->error);
  EXPECT_EQ(prepared, 1);
  EXPECT_EQ(restored, 1);
  EXPECT_TRUE(panelWidget.isHidden());
  EXPECT_FALSE(window.isVisible());
}

TEST_F(RunControllerTest, ProgramReadsEnterTypedInTheConsoleThenShowsTheBanner) {
  int enters = 0;
  const auto outcome = run("program p;\r\nbegin\r\n  writeln('Ola'); readln;\r\nend.\r\n", [&] {
    // The run drops keys typed before it starts: the first Enter waits for
    // the output; the second is queued for the wait after the end.
    if (enters == 0 && screenRows().value(0) != "Ola") return false;
    press(Qt::Key_Return, {}, "\r");
    return ++enters == 2;
  });
  ASSERT_TRUE(outcome.has_value());
  EXPECT_TRUE(outcome->compiled);
  EXPECT_FALSE(outcome->error) << outcome->panelLines.join('|').toStdString();
  EXPECT_EQ(enters, 2);
  const QStringList rows = screenRows();
  EXPECT_EQ(rows.value(0), "Ola");
  EXPECT_TRUE(rows.value(23).startsWith(QString::fromUtf8(" \u2588\u2588\u2588 Pascal KAU!"))) << rows.value(23).toStdString();
  EXPECT_TRUE(window.isVisible());
  EXPECT_GT(counter.paints, 0);
  EXPECT_FALSE(controller.running());
}

// A program that reads a text file and then the keyboard gets the line typed
// once; one that reads only a file runs to its end without a key (the Enter
// of the wait after the end aside).
TEST_F(RunControllerTest, FileReadsTakeNoLineTypedInTheConsole) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const std::string writeThenRead = "  assign(f, '" + folder.filePath("T.txt").toStdString() +
                                    "'); rewrite(f); writeln(f, 'um'); close(f);\r\n"
                                    "  reset(f); readln(f, s); close(f);\r\n";
  const struct {
    std::string rest;               // after the file's read
    QString typedWhenShown, typed;  // typed once the first row shows that
    QString lastRow;                // before the Enter of the end
  } table[] = {
      {"  write('?'); readln(t); writeln('[', s, '] [', t, ']');\r\n", "?", "Quarta", "[um] [Quarta]"},
      {"  writeln(s);\r\n", "", "", "um"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.rest);
    bool typed = row.typed.isEmpty();
    const auto outcome =
        run("program p;\r\nvar f: text; s, t: string;\r\nbegin\r\n" + writeThenRead + row.rest + "end.\r\n", [&] {
          const QStringList rows = screenRows();
          if (!typed && rows.value(0) == row.typedWhenShown) {
            for (const QChar c : row.typed) press(Qt::Key_unknown, {}, QString(c));
            press(Qt::Key_Return, {}, "\r");
            typed = true;
          }
          if (!typed || !rows.contains(row.lastRow)) return false;
          press(Qt::Key_Return, {}, "\r");
          return true;
        });
    ASSERT_TRUE(outcome.has_value());
    EXPECT_FALSE(outcome->error) << outcome->panelLines.join('|').toStdString();
    EXPECT_TRUE(screenRows().contains(row.lastRow));
  }
}

TEST_F(RunControllerTest, ErrorsGiveTheLineAndTheTwoPanelLines) {
  const struct {
    const char* text;
    int line;
    const char* header;
  } table[] = {
      {"program p;\r\nvar\r\n  i: integer;\r\nbegin\r\n  i := 1;\r\n  writeln(i);\r\n  i := := 2;\r\nend.\r\n", 7,
       " => Erro sint\u00E1tico na linha 7"},
      {"program p;\r\nvar i, z: integer;\r\nbegin\r\n  z := 0;\r\n  i := 1 div z;\r\nend.\r\n", 0, " => Erro"},
      // An error at the very end of the text is taken as on its last line.
      {"program p;\r\nbegin\r\n  writeln(1)\r\n", 3, " => Erro sint\u00E1tico"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.text);
    const auto outcome = run(row.text);
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->error);
    EXPECT_EQ(outcome->errorLine, row.line);
    ASSERT_EQ(list.count(), 2);
    EXPECT_TRUE(list.item(0)->text().startsWith(QString::fromUtf8(row.header))) << list.item(0)->text().toStdString();
    EXPECT_FALSE(list.item(1)->text().isEmpty());
    EXPECT_EQ(list.currentRow(), -1);
    EXPECT_FALSE(panelWidget.isHidden());
  }
}

TEST_F(RunControllerTest, CtrlCInTheConsoleStopsTheRunWhileTheWindowPaints) {
  int paintsAtStart = -1;
  std::optional<RunOutcome> second{RunOutcome{}};
  bool runningDuringRun = false;
  const auto outcome = run("program p;\r\nvar i: integer;\r\nbegin\r\n  while true do i := 0;\r\nend.\r\n", [&] {
    if (!console.runOpen()) return false;
    if (paintsAtStart < 0) {
      paintsAtStart = counter.paints;
      runningDuringRun = controller.running();
      second = controller.run("program q;\r\nbegin\r\nend.\r\n", {});
      return false;
    }
    if (counter.paints < paintsAtStart + 2) return false;  // the cursor blinks
    press(Qt::Key_C, Qt::ControlModifier, QString(QChar(3)));
    return true;
  });
  ASSERT_TRUE(outcome.has_value());
  EXPECT_TRUE(outcome->error);
  EXPECT_EQ(outcome->errorLine, 0);
  EXPECT_EQ(outcome->panelLines,
            QStringList({QString::fromUtf8(" => Detectado CTRL+ C durante a execu\u00E7\u00E3o do programa! "),
                         QString::fromUtf8(" => A execu\u00E7\u00E3o foi interrompida!")}));
  EXPECT_GE(counter.paints, paintsAtStart + 2);
  EXPECT_TRUE(runningDuringRun);
  EXPECT_FALSE(second.has_value());  // refused while the first ran
  EXPECT_EQ(prepared, 1);
  EXPECT_EQ(restored, 1);
}

// A text file the system refuses (a folder in its place, a full device)
// stops the run like any run-time error: the panel's two lines, line 0.
TEST_F(RunControllerTest, TextFilesThatCannotBeOpenedOrWrittenStopTheRunInThePanel) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const struct {
    std::string file;
    const char* message;
  } table[] = {
      {folder.path().toStdString(), " => Não foi possível abrir o arquivo no comando REWRITE!"},
      {"/dev/full", " => Não foi possível gravar o arquivo no comando CLOSE!"},
  };
  for (const auto& row : table) {
    SCOPED_TRACE(row.file);
    const auto outcome = run("program p;\r\nvar f: text;\r\nbegin\r\n  assign(f, '" + row.file + "');\r\n" +
                             "  rewrite(f);\r\n  writeln(f, 'x');\r\n  close(f);\r\n  writeln('depois');\r\nend.\r\n");
    ASSERT_TRUE(outcome.has_value());
    EXPECT_TRUE(outcome->error);
    EXPECT_EQ(outcome->errorLine, 0);
    EXPECT_EQ(outcome->panelLines, QStringList({QString::fromUtf8(" => Erro de execução... ..."),
                                                QString::fromUtf8(row.message)}));
    EXPECT_NE(screenRows().value(0), "depois");
  }
}

TEST(ErrorText, SplitsAtTheFirstMark) {
  EXPECT_EQ(SplitErrorText("a#b#c"), QStringList({"a", "b#c"}));
  EXPECT_EQ(SplitErrorText("sem marca"), QStringList({"sem marca", ""}));
  EXPECT_EQ(SplitErrorText("n\xE3o#"), QStringList({QString::fromUtf8("n\u00E3o"), ""}));
  EXPECT_EQ(LineCount("a\r\nb\r\n"), 2);
  EXPECT_EQ(LineCount("a\r\nb"), 2);
}

}  // namespace
}  // namespace kau::ide
