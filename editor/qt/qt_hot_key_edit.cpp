#include "editor/qt/qt_hot_key_edit.h"

#include <QKeyEvent>

#include "platform/qt/key_map.h"
#include "platform/qt/qt_fonts.h"
#include "platform/window/key_delivery.h"

namespace kau::editor {

using platform::DeliverKeyEvent;
using platform::FromCp1252;
using platform::ShiftStateOf;
using platform::ToCp1252;
using platform::VirtualKeyOf;

// Without input methods every character arrives with its key event.
QtHotKeyEdit::QtHotKeyEdit(QWidget* parent) : QLineEdit(parent) { setAttribute(Qt::WA_InputMethodEnabled, false); }

std::string QtHotKeyEdit::GetText() const { return ToCp1252(text()); }

void QtHotKeyEdit::SetText(const std::string& Value) { setText(FromCp1252(Value)); }

void QtHotKeyEdit::EditKeyPress(char Key) {
  if (static_cast<unsigned char>(Key) < 32 || Key == 127) return;
  insert(FromCp1252(std::string(1, Key)));
}

bool QtHotKeyEdit::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    e->accept();
    return true;
  }
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) {
      keyPressEvent(k);
      return true;
    }
  }
  return QLineEdit::event(e);
}

// The line edit's own key handling (editing keys, its shortcuts) is left out:
// the hot key decides what the text becomes.
void QtHotKeyEdit::keyPressEvent(QKeyEvent* e) {
  e->accept();
  DeliverKeyEvent(
      VirtualKeyOf(*e), ShiftStateOf(e->modifiers()), ToCp1252(e->text()),
      [this](std::uint16_t key, TShiftState shift) {
        if (key) KeyDown(key, shift);
      }, [this](char c) { KeyPress(c); });
}

void QtHotKeyEdit::keyReleaseEvent(QKeyEvent* e) {
  e->accept();
  if (e->isAutoRepeat()) return;
  KeyUp(VirtualKeyOf(*e), ShiftStateOf(e->modifiers()));
}

void QtHotKeyEdit::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  DoExit();
}

}  // namespace kau::editor
