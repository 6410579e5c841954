// A partial repaint leaves the same pixels as a full repaint of the same
// state: after each key or click, the back buffer as the window painted it
// bit by bit is compared with a full repaint. Edits that scroll, select and
// undo near the window's edges, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <random>

#include "tests/editor_control/editor_view.h"

namespace kau::editor::testing {
namespace {

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> lines;
  for (int i = 1; i <= count; ++i)
    lines.push_back("writeln(" + std::to_string(i) + "); { linha " + std::to_string(i) + " }");
  return lines;
}

struct Key {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
  QString text = {};
  const char* name = "";
};

const Key kEnter{Qt::Key_Return, Qt::NoModifier, "\r", "Enter"};
const Key kUndo{Qt::Key_Z, Qt::ControlModifier, {}, "Ctrl+Z"};
const Key kRedo{Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier, {}, "Shift+Ctrl+Z"};
const Key kSelectAll{Qt::Key_A, Qt::ControlModifier, {}, "Ctrl+A"};
const Key kPaste{Qt::Key_V, Qt::ControlModifier, {}, "Ctrl+V"};
const Key kDelete{Qt::Key_Delete, Qt::NoModifier, {}, "Delete"};
const Key kDown{Qt::Key_Down, Qt::NoModifier, {}, "Down"};
const Key kEnd{Qt::Key_End, Qt::NoModifier, {}, "End"};
const Key kTextStart{Qt::Key_Home, Qt::ControlModifier, {}, "Ctrl+Home"};
const Key kTextEnd{Qt::Key_End, Qt::ControlModifier, {}, "Ctrl+End"};
const Key kSelDown{Qt::Key_Down, Qt::ShiftModifier, {}, "Shift+Down"};
const Key kSelPageDown{Qt::Key_PageDown, Qt::ShiftModifier, {}, "Shift+PageDown"};
const Key kSelPageUp{Qt::Key_PageUp, Qt::ShiftModifier, {}, "Shift+PageUp"};
const Key kPageDown{Qt::Key_PageDown, Qt::NoModifier, {}, "PageDown"};
const Key kPageUp{Qt::Key_PageUp, Qt::NoModifier, {}, "PageUp"};

Key Letter(char c) {
  return {c == ' ' ? Qt::Key_Space : Qt::Key(Qt::Key_A + (c - 'a')), Qt::NoModifier, QString(QChar(c)),
          c == ' ' ? "Space" : "a letter"};
}

// An editor view whose every step is checked against a full repaint.
class RepaintView {
 public:
  explicit RepaintView(int lines) : view_(Numbered(lines), 400, 300) {
    view_.ShowAndPaint();
    Press(kTextStart);  // the view starts with a selection of its own
  }
  TSynEdit& Edit() { return view_.Edit(); }

  void Press(const Key& k) {
    QKeyEvent down(QEvent::KeyPress, k.key, k.modifiers, k.text);
    QApplication::sendEvent(&view_.Host(), &down);
    QKeyEvent up(QEvent::KeyRelease, k.key, k.modifiers, k.text);
    QApplication::sendEvent(&view_.Host(), &up);
  }
  // A left click at a pixel of the viewport.
  void Click(int x, int y) {
    QWidget* viewport = view_.Host().viewport();
    const QPointF at(x, y), global = viewport->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
  }
  // The caret to the end of line n, by keys from the top of the text.
  void ToEndOfLine(int n) {
    Press(kTextStart);
    for (int i = 1; i < n; ++i) Press(kDown);
    Press(kEnd);
  }

  // How many pixels differ between what the window painted bit by bit and
  // a full repaint of the same state.
  int StalePixels() { return testing::StalePixels(view_.Host()); }
  // Presses the keys in order, each followed by the comparison.
  void PressChecked(std::initializer_list<Key> keys) {
    for (const Key& k : keys) {
      Press(k);
      EXPECT_EQ(StalePixels(), 0) << "after " << k.name << ", top line " << Edit().TopLine();
    }
  }

 private:
  EditorView view_;
};

TEST(QtRepaint, EnterOnTheLastFullRowAboveAPartialRow) {
  RepaintView view(100);
  TSynEdit& edit = view.Edit();
  const int rows = edit.LinesInWindow();
  ASSERT_NE(edit.ClientHeight() % edit.LineHeight(), 0) << "no partial row below the last full one";
  view.ToEndOfLine(rows);
  EXPECT_EQ(view.StalePixels(), 0);
  view.PressChecked({kEnter});
  EXPECT_EQ(edit.TopLine(), 2);
  EXPECT_EQ(edit.LineText(rows + 1), "");
  view.PressChecked({kEnter, kEnter, kUndo, kRedo});
}

TEST(QtRepaint, TypingAtTheEndOfTheTextUntilItScrolls) {
  RepaintView view(12);
  TSynEdit& edit = view.Edit();
  view.Press(kTextEnd);
  for (int line = 0; edit.TopLine() < 4 && line < 40; ++line) view.PressChecked({Letter('x'), Letter('y'), kEnter});
  EXPECT_GE(edit.TopLine(), 4);
  EXPECT_TRUE(edit.Gutter().ShowLineNumbers());
}

TEST(QtRepaint, AMultiLinePasteAtTheBottom) {
  RepaintView view(100);
  TSynEdit& edit = view.Edit();
  QGuiApplication::clipboard()->setText("begin\nwriteln(1);\nwriteln(2);\nend;\n");
  view.ToEndOfLine(edit.LinesInWindow());
  // A paste leaves the window where it is; the next letter brings the caret
  // into view.
  view.PressChecked({kPaste, Letter('x')});
  EXPECT_GT(edit.TopLine(), 1);
  view.PressChecked({kUndo, kUndo, kRedo, kPaste, kPaste, Letter('x')});
}

TEST(QtRepaint, UndoOfAMultiLineDeletionNearTheBottom) {
  RepaintView view(100);
  TSynEdit& edit = view.Edit();
  view.ToEndOfLine(edit.LinesInWindow() - 3);
  view.PressChecked({kSelDown, kSelDown, kSelDown, kSelDown, kSelDown, kDelete});
  EXPECT_EQ(edit.LineCount(), 95);
  view.PressChecked({kUndo, kRedo, kUndo});
  EXPECT_EQ(edit.LineCount(), 100);
}

TEST(QtRepaint, SelectAllThenUndoLeavesNoSelectionPainted) {
  for (const int lines : {8, 100}) {
    SCOPED_TRACE(lines);
    RepaintView view(lines);
    view.ToEndOfLine(5);
    view.PressChecked({Letter('x'), kSelectAll, kUndo});
    EXPECT_FALSE(view.Edit().SelAvail());
    view.PressChecked({Letter('y'), kSelectAll, kRedo, kSelectAll, kUndo});
  }
}

TEST(QtRepaint, PageDownAndUpWithASelection) {
  RepaintView view(100);
  view.ToEndOfLine(3);
  view.PressChecked({kSelDown, kSelDown, kSelPageDown, kSelPageDown, kSelPageUp, kPageDown, kSelPageUp, kPageUp});
}

// Random keys and clicks near the window's edges: the first and last rows,
// the partial row, the ends of long lines.
// Scrolls one after another with no paint between them (a search bringing
// match after match into view): what is still valid moves, what is not is
// painted where it lands.
TEST(QtRepaint, ScrollsWithoutAPaintBetweenThem) {
  RepaintView view(300);
  TSynEdit& edit = view.Edit();
  const int rows = edit.LinesInWindow();
  const std::vector<std::vector<int>> runs = {
      {2}, {2, 3}, {5, 4, 3, 2}, {1 + rows / 2, 1}, {1 + rows, 2 + rows, 1}, {40, 38, 41, 39}, {100, 1, 100}};
  for (const auto& tops : runs) {
    for (int top : tops) edit.SetTopLine(top);
    EXPECT_EQ(view.StalePixels(), 0) << "after a run ending at top line " << tops.back();
  }
}

TEST(QtRepaint, RandomEditsNearTheEdgesRepaintLikeAFullRepaint) {
  const Key keys[] = {
      kEnter, kEnter, kUndo, kRedo, kSelectAll, kPaste, kDelete, kDown, kEnd, kSelDown, kSelPageDown, kSelPageUp,
      kPageDown, kPageUp, Letter('a'), Letter(' '), Letter('b'),
      {Qt::Key_Backspace, Qt::NoModifier, {}, "Backspace"},
      {Qt::Key_Up, Qt::ShiftModifier, {}, "Shift+Up"},
      {Qt::Key_Up, Qt::NoModifier, {}, "Up"},
      {Qt::Key_Home, Qt::NoModifier, {}, "Home"},
      {Qt::Key_End, Qt::ShiftModifier, {}, "Shift+End"},
      {Qt::Key_Y, Qt::ControlModifier, {}, "Ctrl+Y"},
      {Qt::Key_Tab, Qt::NoModifier, "\t", "Tab"},
  };
  int verticalScrolls = 0, sidewaysScrolls = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    RepaintView view(seed % 3 == 0 ? 15 : 60);
    TSynEdit& edit = view.Edit();
    QGuiApplication::clipboard()->setText(seed % 2 ? "a b c d e f g h i j k l m n o p q r s t u v w x y z 1 2 3"
                                                   : "um\ndois\ntres\n");
    for (int step = 0; step < 30; ++step) {
      const int top = edit.TopLine(), left = edit.LeftChar();
      const unsigned what = random() % 4;
      std::string done;
      if (what == 0) {
        // A click on the first, the last full or the partial row, left or
        // far right.
        const int rows[] = {0, edit.LinesInWindow() - 1, edit.LinesInWindow()};
        const int row = rows[random() % 3];
        const int x = random() % 2 ? edit.GutterWidth() + 5 : edit.ClientWidth() - 3;
        view.Click(x, row * edit.LineHeight() + edit.LineHeight() / 2);
        done = "a click on row " + std::to_string(row);
      } else {
        const Key& k = keys[random() % std::size(keys)];
        view.Press(k);
        done = k.name;
      }
      ASSERT_EQ(view.StalePixels(), 0) << "step " << step << ", after " << done << ", top line " << edit.TopLine()
                                       << ", left column " << edit.LeftChar();
      verticalScrolls += edit.TopLine() != top;
      sidewaysScrolls += edit.LeftChar() != left;
    }
  }
  // The walk went over both kinds of scrolling.
  EXPECT_GT(verticalScrolls, 20);
  EXPECT_GT(sidewaysScrolls, 2);
}

}  // namespace
}  // namespace kau::editor::testing
