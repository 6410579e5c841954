#include "platform/qt/console_keys.h"

#include <QGuiApplication>

namespace kau::platform {
namespace {

// The scan code of an extended key, 0 for any other key.
int scanCodeOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Up: return 72;
    case Qt::Key_Down: return 80;
    case Qt::Key_Left: return 75;
    case Qt::Key_Right: return 77;
    case Qt::Key_Home: return 71;
    case Qt::Key_End: return 79;
    case Qt::Key_PageUp: return 73;
    case Qt::Key_PageDown: return 81;
    case Qt::Key_Insert: return 82;
    case Qt::Key_Delete: return 83;
    case Qt::Key_F11: return 133;
    case Qt::Key_F12: return 134;
    default:
      if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F10) return 59 + (qtKey - Qt::Key_F1);
      return 0;
  }
}

// The control character of a key with a fixed one (Enter, Backspace...).
char32_t controlOf(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return U'\r';
    case Qt::Key_Backspace: return U'\b';
    case Qt::Key_Tab: return U'\t';
    case Qt::Key_Escape: return U'\x1b';
    default: return 0;
  }
}

// Ctrl+V, Ctrl+Shift+V and Shift+Insert, the keys that paste in a console.
bool isPasteKey(const QKeyEvent& event) {
  const Qt::KeyboardModifiers held =
      event.modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  switch (event.key()) {
    case Qt::Key_V: return held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier);
    case Qt::Key_Insert: return held == Qt::ShiftModifier;
    default: return false;
  }
}

}  // namespace

void pasteIntoConsole(console::ScreenConsole& console, QClipboard::Mode mode) {
  console.pasteText(QGuiApplication::clipboard()->text(mode).toStdU32String());
}

bool typeConsoleKey(console::ScreenConsole& console, const QKeyEvent& event) {
  if (isPasteKey(event)) {
    pasteIntoConsole(console, QClipboard::Clipboard);
    return true;
  }
  const int key = event.key();
  const bool control = event.modifiers().testFlag(Qt::ControlModifier);
  if (control && key == Qt::Key_C) {
    console.pressCtrlC();
    return true;
  }
  if (const int scanCode = scanCodeOf(key)) {
    console.typeExtendedKey(scanCode);
    return true;
  }
  if (const char32_t c = controlOf(key)) {
    console.typeCharacter(c);
    return true;
  }
  if (control && key >= Qt::Key_A && key <= Qt::Key_Z) {  // Ctrl+D is 4
    console.typeCharacter(static_cast<char32_t>(key - Qt::Key_A + 1));
    return true;
  }
  const QString text = event.text();
  if (text.isEmpty()) return false;
  for (const char32_t c : text.toUcs4()) console.typeCharacter(c);
  return true;
}

}  // namespace kau::platform
