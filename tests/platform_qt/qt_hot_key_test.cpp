#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "editor/qt/qt_hot_key_edit.h"

namespace kau::editor {
namespace {

void Send(QWidget& w, QEvent::Type type, int qtKey, Qt::KeyboardModifiers m, const QString& text = {}) {
  QKeyEvent e(type, qtKey, m, text);
  QApplication::sendEvent(&w, &e);
}

// A dialog with the hot-key edit and a button after it in the focus chain.
struct Dialog {
  QWidget window;
  QtHotKeyEdit* edit = new QtHotKeyEdit(&window);
  QPushButton* next = new QPushButton("OK", &window);
  Dialog() {
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(edit);
    layout->addWidget(next);
    window.show();
    QApplication::setActiveWindow(&window);
    edit->setFocus();
    QApplication::processEvents();
  }
};

TEST(QtHotKey, TabIsCapturedAsACombination) {
  Dialog d;
  ASSERT_EQ(QApplication::focusWidget(), d.edit);
  Send(*d.edit, QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, "\t");
  Send(*d.edit, QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier, "\t");
  EXPECT_EQ(d.edit->text(), "Tab");
  EXPECT_EQ(QApplication::focusWidget(), d.edit);
  Send(*d.edit, QEvent::KeyPress, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(d.edit->text(), "Shift+Tab");
  EXPECT_EQ(QApplication::focusWidget(), d.edit);
}

TEST(QtHotKey, KeysBecomeTheirTextAndCharactersStayOut) {
  Dialog d;
  // A modifier key's own event carries the state before it, as the window
  // system reports it; the event's modifiers() then flips that key's bit.
  Send(*d.edit, QEvent::KeyPress, Qt::Key_Control, Qt::NoModifier);
  EXPECT_EQ(d.edit->text(), "Ctrl+");
  Send(*d.edit, QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier, QString(QChar(1)));
  Send(*d.edit, QEvent::KeyRelease, Qt::Key_A, Qt::ControlModifier);
  Send(*d.edit, QEvent::KeyRelease, Qt::Key_Control, Qt::ControlModifier);
  EXPECT_EQ(d.edit->text(), "Ctrl+A");
  EXPECT_EQ(d.edit->GetHotKey(), 16449);
  EXPECT_EQ(d.edit->cursorPosition(), 6);
  Send(*d.edit, QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, "b");
  EXPECT_EQ(d.edit->text(), "B");

  Send(*d.edit, QEvent::KeyPress, Qt::Key_Shift, Qt::NoModifier);
  EXPECT_EQ(d.edit->text(), "Shift+");
  Send(*d.edit, QEvent::KeyRelease, Qt::Key_Shift, Qt::ShiftModifier);
  EXPECT_EQ(d.edit->text(), "None");
  d.edit->SetHotKey(0x2000 | 0x70);
  EXPECT_EQ(d.edit->text(), "Shift+F1");

  // The window's shortcuts do not get the keys first.
  QKeyEvent overrideEvent(QEvent::ShortcutOverride, Qt::Key_S, Qt::ControlModifier);
  overrideEvent.ignore();
  QApplication::sendEvent(d.edit, &overrideEvent);
  EXPECT_TRUE(overrideEvent.isAccepted());
}

}  // namespace
}  // namespace kau::editor
