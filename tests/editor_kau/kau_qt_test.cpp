// The demo window's editor offscreen: what its back buffer shows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QMimeData>
#include <QStatusBar>
#include <QUrl>
#include <string>

#include "tests/editor_control/editor_view.h"
#include "tests/editor_kau/kau_pixels.h"
#include "tests/platform_qt/joined_failures.h"
#include "tests/support/hang_bound.h"
#include "tools/editor_demo/demo_window.h"

namespace kau::editor::testing {
namespace {

TEST(KauQt, StructureLinesAlternatePixelsAndBracketMarksFillTheirCells) {
  DemoWindow window(1);
  TSynEditKAU& edit = window.Editor(0);
  edit.Lines().Clear();
  for (const char* line : {"program p;", "begin", "  repeat", "    x := (a + b) * 2;", "  until x > 9;", "end."})
    edit.Lines().Add(line);
  edit.SetCaretXY({17, 4});  // after the ")"
  window.resize(500, 300);
  window.show();
  QElapsedTimer timer;
  timer.start();
  platform::QtEditorHost& host = window.Host(0);
  while ((host.BackBuffer().size() != host.viewport()->size() || !host.isVisible()) &&
         timer.elapsed() < kau::testing::kHangMilliseconds)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
  host.InvalidateRect(nullptr, false);
  host.Update();
  QApplication::processEvents();
  const QImage& image = host.BackBuffer();
  ASSERT_FALSE(image.isNull());
  image.save(KAU_SCREENSHOTS "/kau_offscreen.png");
  EXPECT_EQ(edit.Structures().GetCount(), 2);
  EXPECT_EQ(Joined(StructureLinePixels(image, edit)), "");
  EXPECT_EQ(Joined(CellBackground(image, edit, {16, 4}, edit.ShowBracketPairColor)), "");
  EXPECT_EQ(Joined(CellBackground(image, edit, {10, 4}, edit.ShowBracketPairColor)), "");
  EXPECT_EQ(Joined(CellBackground(image, edit, {12, 4}, edit.Color())), "");
}

// Nested structures over many pages: the structure lines that come into view
// as the window moves, or that a key adds or removes, are matched during the
// paint; the rows the paint draws afterwards must come out as in a full
// repaint.
std::vector<std::string> NestedProgram(int procedures) {
  std::vector<std::string> lines{"program p;"};
  for (int i = 0; i < procedures; ++i) {
    const std::string n = std::to_string(i);
        for (const std::string& line : std::initializer_list<std::string>
             {"procedure p" + n + ";", "begin", "  if a > " + n + " then", "  begin", "    for i := 1 to 9 do",
                                                                      "    begin", "      repeat", "        x := (x + 1) * 2; { conta }", "      until x > 9;", "    end;",
                                                                      "  end", "  else", "    while b do", "      b := false;", "end;", ""})
      lines.push_back(line);
  }
  lines.push_back("begin");
  lines.push_back("end.");
  return lines;
}

void Press(QWidget& host, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&host, &down);
  QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&host, &up);
}

// The window of `window` showing the nested program, painted.
void ShowNested(DemoWindow& window) {
  TSynEditKAU& edit = window.Editor(0);
  edit.Lines().Clear();
  for (const std::string& line : NestedProgram(40)) edit.Lines().Add(line);
  window.resize(600, 400);
  window.show();
  platform::QtEditorHost& host = window.Host(0);
  QElapsedTimer timer;
  timer.start();
  while ((host.BackBuffer().size() != host.viewport()->size() || !host.isVisible()) &&
         timer.elapsed() < kau::testing::kHangMilliseconds)
    QApplication::processEvents(QEventLoop::AllEvents, 20);
}

TEST(KauQt, StructuresMatchedWhilePaintingRepaintLikeAFullRepaint) {
  DemoWindow window(1);
  ShowNested(window);
  TSynEditKAU& edit = window.Editor(0);
  platform::QtEditorHost& host = window.Host(0);
  struct Step {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    const char* name;
  };
  const Step steps[] = {
      {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
      {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
      {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
      {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
      {Qt::Key_Return, Qt::NoModifier, "\r", "Enter"},
      {Qt::Key_B, Qt::NoModifier, "b", "b"},
      {Qt::Key_E, Qt::NoModifier, "e", "e"},
      {Qt::Key_G, Qt::NoModifier, "g", "g"},
      {Qt::Key_I, Qt::NoModifier, "i", "i"},
      {Qt::Key_N, Qt::NoModifier, "n", "n"},
      {Qt::Key_Z, Qt::ControlModifier, "", "Ctrl+Z"},
      {Qt::Key_Home, Qt::ControlModifier, "", "Ctrl+Home"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_BraceLeft, Qt::NoModifier, "{", "{"},
      {Qt::Key_Z, Qt::ControlModifier, "", "Ctrl+Z"},
      {Qt::Key_Down, Qt::NoModifier, "", "Down"},
      {Qt::Key_BraceLeft, Qt::NoModifier, "{", "{"},
      {Qt::Key_Z, Qt::ControlModifier, "", "Ctrl+Z"},
      {Qt::Key_Up, Qt::NoModifier, "", "Up"},
      {Qt::Key_Up, Qt::NoModifier, "", "Up"},
      {Qt::Key_BraceLeft, Qt::NoModifier, "{", "{"},
      {Qt::Key_Z, Qt::ControlModifier, "", "Ctrl+Z"},
      {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
      {Qt::Key_PageDown, Qt::NoModifier, "", "PageDown"},
      {Qt::Key_End, Qt::ControlModifier, "", "Ctrl+End"},
      {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
      {Qt::Key_PageUp, Qt::NoModifier, "", "PageUp"},
  };
  for (const Step& step : steps) {
    Press(host, step.key, step.modifiers, QString::fromLatin1(step.text));
    QApplication::processEvents();
    EXPECT_EQ(StalePixels(host), 0) << "after " << step.name << ", top line " << edit.TopLine();
  }
  EXPECT_GT(edit.Structures().GetCount(), 100);
}

// The paint events of one widget that cover at least a row (not the caret's
// own, nor a cell's).
struct PaintCount : QObject {
  QObject* watched = nullptr;
  int rowHeight = 1;
  int paints = 0;
  bool eventFilter(QObject* o, QEvent* e) override {
    if (o == watched && e->type() == QEvent::Paint)
      paints += static_cast<QPaintEvent*>(e)->rect().height() >= rowHeight;
    return false;
  }
};

// States and structures that change with a key are brought up to date before
// the rows are drawn: one paint shows the change.
TEST(KauQt, APageDownOrACommentOpenedAtTheTopIsPaintedOnce) {
  DemoWindow window(1);
  ShowNested(window);
  TSynEditKAU& edit = window.Editor(0);
  platform::QtEditorHost& host = window.Host(0);
  PaintCount count;
  count.watched = host.viewport();
  count.rowHeight = edit.LineHeight();
  qApp->installEventFilter(&count);
  for (int i = 0; i < 3; ++i) {
    count.paints = 0;
    Press(host, Qt::Key_PageDown);
    QApplication::processEvents();
    EXPECT_EQ(count.paints, 1) << "page " << i;
  }
  Press(host, Qt::Key_Home, Qt::ControlModifier);
  QApplication::processEvents();
  count.paints = 0;
  Press(host, Qt::Key_BraceLeft, Qt::NoModifier, "{");
  QApplication::processEvents();
  EXPECT_EQ(count.paints, 1);
  qApp->removeEventFilter(&count);
  EXPECT_EQ(edit.LineText(1), "{program p;");
}

TEST(KauQt, TheDemoWindowShowsDroppedFileNamesInItsStatusBar) {
  DemoWindow window(2);
  window.show();
  QMimeData files;
  files.setUrls({QUrl::fromLocalFile("/tmp/a.pas"), QUrl::fromLocalFile("/tmp/\u00e7\u00e3o.pas")});
  QWidget* viewport = window.Host(1).viewport();
  QDragEnterEvent enter(QPoint(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &enter);
  QDropEvent drop(QPointF(5, 6), Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(viewport, &drop);
  EXPECT_EQ(window.statusBar()->currentMessage(), QString::fromUtf8("/tmp/a.pas, /tmp/\u00e7\u00e3o.pas"));
  EXPECT_EQ(window.Editor(1).LineCount(), 1);  // the text is left alone
}

}  // namespace
}  // namespace kau::editor::testing
