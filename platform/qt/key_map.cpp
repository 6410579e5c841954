#include "platform/qt/key_map.h"

#include "platform/virtual_keys.h"

namespace kau::platform {

namespace {

struct KeyPair {
  int qt;
  std::uint16_t vk;
};

constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},        {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},   {Qt::Key_Shift, VK_SHIFT},
    {Qt::Key_Control, VK_CONTROL}, {Qt::Key_Alt, VK_MENU},      {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},   {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},      {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},    {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE},
};

// Punctuation, both characters of a key; the first of each key is the one
// QtKeyOf gives back.
constexpr KeyPair kPunctuation[] = {
    {Qt::Key_Semicolon, VK_OEM_1},     {Qt::Key_Colon, VK_OEM_1},        {Qt::Key_Equal, VK_OEM_PLUS},
    {Qt::Key_Plus, VK_OEM_PLUS},       {Qt::Key_Comma, VK_OEM_COMMA},    {Qt::Key_Less, VK_OEM_COMMA},
    {Qt::Key_Minus, VK_OEM_MINUS},     {Qt::Key_Underscore, VK_OEM_MINUS}, {Qt::Key_Period, VK_OEM_PERIOD},
    {Qt::Key_Greater, VK_OEM_PERIOD},  {Qt::Key_Slash, VK_OEM_2},        {Qt::Key_Question, VK_OEM_2},
    {Qt::Key_QuoteLeft, VK_OEM_3},     {Qt::Key_AsciiTilde, VK_OEM_3},   {Qt::Key_BracketLeft, VK_OEM_4},
    {Qt::Key_BraceLeft, VK_OEM_4},     {Qt::Key_Backslash, VK_OEM_5},    {Qt::Key_Bar, VK_OEM_5},
    {Qt::Key_BracketRight, VK_OEM_6},  {Qt::Key_BraceRight, VK_OEM_6},   {Qt::Key_Apostrophe, VK_OEM_7},
    {Qt::Key_QuoteDbl, VK_OEM_7},
};

// The US keyboard's Shift+1 .. Shift+9, Shift+0.
constexpr int kShiftedDigits[] = {Qt::Key_Exclam,    Qt::Key_At,       Qt::Key_NumberSign, Qt::Key_Dollar,
                                  Qt::Key_Percent,   Qt::Key_AsciiCircum, Qt::Key_Ampersand, Qt::Key_Asterisk,
                                  Qt::Key_ParenLeft, Qt::Key_ParenRight};

// X key codes of the digit row, 1 to 9 then 0.
constexpr quint32 kFirstDigitKeyCode = 10;
constexpr quint32 kLastDigitKeyCode = 19;

std::uint16_t DigitOfRow(int index) { return static_cast<std::uint16_t>(index == 9 ? '0' : '1' + index); }

std::uint16_t KeypadKeyOf(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::uint16_t>(VK_NUMPAD0 + (qtKey - Qt::Key_0));
  switch (qtKey) {
    case Qt::Key_Asterisk: return VK_MULTIPLY;
    case Qt::Key_Plus: return VK_ADD;
    case Qt::Key_Minus: return VK_SUBTRACT;
    case Qt::Key_Period:
    case Qt::Key_Comma: return VK_DECIMAL;
    case Qt::Key_Slash: return VK_DIVIDE;
    default: return VirtualKeyOf(qtKey);  // Enter and the navigation keys
  }
}

}  // namespace

std::uint16_t VirtualKeyOf(int qtKey) {
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<std::uint16_t>('A' + (qtKey - Qt::Key_A));
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<std::uint16_t>('0' + (qtKey - Qt::Key_0));
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return static_cast<std::uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
  for (const KeyPair& k : kKeys)
    if (k.qt == qtKey) return k.vk;
  for (const KeyPair& k : kPunctuation)
    if (k.qt == qtKey) return k.vk;
  return 0;
}

std::uint16_t VirtualKeyOf(const QKeyEvent& event) {
  const int qtKey = event.key();
  if (event.modifiers() & Qt::KeypadModifier) return KeypadKeyOf(qtKey);
  const quint32 code = event.nativeScanCode();
  if (code >= kFirstDigitKeyCode && code <= kLastDigitKeyCode) return DigitOfRow(static_cast<int>(code - kFirstDigitKeyCode));
  for (int i = 0; i < 10; ++i)
    if (kShiftedDigits[i] == qtKey) return DigitOfRow(i);
  return VirtualKeyOf(qtKey);
}

int QtKeyOf(std::uint16_t vk) {
  if (vk >= 'A' && vk <= 'Z') return Qt::Key_A + (vk - 'A');
  if (vk >= '0' && vk <= '9') return Qt::Key_0 + (vk - '0');
  if (vk >= VK_F1 && vk <= VK_F12) return Qt::Key_F1 + (vk - VK_F1);
  for (const KeyPair& k : kKeys)
    if (k.vk == vk) return k.qt;
  for (const KeyPair& k : kPunctuation)
    if (k.vk == vk) return k.qt;
  return Qt::Key_unknown;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers m) {
  TShiftState s;
  if (m & Qt::ShiftModifier) s = s | ssShift;
  if (m & Qt::AltModifier) s = s | ssAlt;
  if (m & Qt::ControlModifier) s = s | ssCtrl;
  return s;
}

TShiftState ShiftStateOf(Qt::KeyboardModifiers m, Qt::MouseButtons b) {
  TShiftState s = ShiftStateOf(m);
  if (b & Qt::LeftButton) s = s | ssLeft;
  if (b & Qt::RightButton) s = s | ssRight;
  if (b & Qt::MiddleButton) s = s | ssMiddle;
  return s;
}

}  // namespace kau::platform
