// The control's key path behind a Qt window, offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QInputMethodEvent>
#include <QKeyEvent>

#include "editor/control/syn_edit.h"
#include "platform/qt/qt_editor_host.h"

namespace kau::editor::testing {
namespace {

struct QtEditor {
  platform::QtEditorHost host;
  TSynEdit edit;
  explicit QtEditor(QWidget* parent = nullptr) : host(parent) {
    host.resize(300, 200);
    host.SetClient(&edit);
    edit.CreateWnd(host);
  }
  ~QtEditor() {
    edit.DestroyWnd();
    host.SetClient(nullptr);
  }
};

TEST(QtEditorEntry, AnInputMethodCommitTypesOnceAndPreEditNever) {
  QtEditor e;
  e.edit.Lines().Add("x");
  e.edit.SetCaretXY({2, 1});
  QInputMethodEvent preEdit(QString::fromUtf8("\xC3\xA3"), {});  // "ã" being composed
  QApplication::sendEvent(&e.host, &preEdit);
  EXPECT_EQ(e.edit.LineText(1), "x");
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("\xC3\xA3o"));
  QApplication::sendEvent(&e.host, &commit);
  EXPECT_EQ(e.edit.LineText(1), "x\xE3o");
  QKeyEvent k(QEvent::KeyPress, Qt::Key_K, Qt::NoModifier, "k");
  QApplication::sendEvent(&e.host, &k);
  EXPECT_EQ(e.edit.LineText(1), "x\xE3ok");
}

TEST(QtEditorEntry, ACharacterAfterACommandKeyIsTyped) {
  QtEditor e;
  e.edit.Lines().Add("ab");
  e.edit.SetCaretXY({3, 1});
  for (const auto& [key, text] : {std::pair{Qt::Key_Left, QString()}, std::pair{Qt::Key_Semicolon, QString(";")},
                                  std::pair{Qt::Key_Left, QString()}, std::pair{Qt::Key_Dead_Tilde, QString()}}) {
    QKeyEvent k(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&e.host, &k);
  }
  QInputMethodEvent commit;
  commit.setCommitString(QString::fromUtf8("\xC3\xA7"));  // a composed "ç"
  QApplication::sendEvent(&e.host, &commit);
  EXPECT_EQ(e.edit.LineText(1), "a\xE7;b");
}

TEST(QtEditorEntry, CopyAndPasteThroughTheSystemClipboard) {
  QtEditor e;
  e.edit.Lines().Add("ol\xE1");
  e.edit.Lines().Add("mundo");
  e.edit.SelectAll();
  e.edit.CopyToClipboard();
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), QString::fromUtf8("ol\xC3\xA1\nmundo"));
  EXPECT_TRUE(data->hasFormat("application/x-kau-editor-block-type"));

  for (const char* text : {"a\r\nb", "a\nb"}) {
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text));
    e.edit.Lines().Clear();
    e.edit.Lines().Add("xy");
    e.edit.SetCaretXY({2, 1});
    e.edit.PasteFromClipboard();
    ASSERT_EQ(e.edit.LineCount(), 2) << text;
    EXPECT_EQ(e.edit.LineText(1), "xa");
    EXPECT_EQ(e.edit.LineText(2), "by");
  }
}

// Two editors side by side in one window: text dragged from one to the
// other goes through the window under the pointer.
TEST(QtEditorEntry, TextDraggedToTheEditorUnderThePointerIsCopied) {
  QWidget window;
  window.resize(620, 220);
  QtEditor left(&window), right(&window);
  left.host.setGeometry(0, 0, 300, 200);
  right.host.setGeometry(310, 0, 300, 200);
  window.show();
  for (int i = 0; i < 100 && !window.isVisible(); ++i) QApplication::processEvents();
  ASSERT_TRUE(window.isVisible());
  left.edit.Lines().Add("abcd");
  right.edit.Lines().Add("xy");
  left.edit.SetCaretAndSelection({3, 1}, {1, 1}, {3, 1});
  const int y = left.edit.LineHeight() / 2;
  const int inside = left.edit.GutterWidth() + 2 + left.edit.CharWidth() + 1;
  left.edit.MouseDown(mbLeft, ssLeft, inside, y);
  left.edit.MouseMove(ssLeft, inside + 10, y + 5);
  ASSERT_TRUE(left.edit.Dragging());
  const QPoint target = left.host.viewport()->mapFromGlobal(
      right.host.viewport()->mapToGlobal(QPoint(right.edit.GutterWidth() + 2, y)));
  left.edit.MouseMove(ssLeft, target.x(), target.y());
  left.edit.MouseUp(mbLeft, {}, target.x(), target.y());
  EXPECT_EQ(right.edit.LineText(1), "abxy");
  EXPECT_EQ(left.edit.LineText(1), "abcd");
}

}  // namespace
}  // namespace kau::editor::testing
