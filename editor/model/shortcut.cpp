#include "editor/model/shortcut.h"

#include "platform/virtual_keys.h"
#include "text/char_class.h"

namespace kau::editor {

TShortCut ShortCut(std::uint16_t Key, TShiftState Shift) {
  // Virtual keys lie below 256; anything else has no shortcut.
  if (Key > 0xFF) return 0;
  TShortCut result = Key;
  if (Shift.Contains(ssShift)) result |= scShift;
  if (Shift.Contains(ssCtrl)) result |= scCtrl;
  if (Shift.Contains(ssAlt)) result |= scAlt;
  return result;
}

void ShortCutToKey(TShortCut ShortCut, std::uint16_t& Key, TShiftState& Shift) {
  Key = static_cast<std::uint16_t>(ShortCut & ~(scShift | scCtrl | scAlt));
  Shift = TShiftState();
  if (ShortCut & scShift) Shift = Shift | ssShift;
  if (ShortCut & scCtrl) Shift = Shift | ssCtrl;
  if (ShortCut & scAlt) Shift = Shift | ssAlt;
}

namespace {

std::string KeyName(std::uint16_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= VK_F1 && key <= VK_F12) return std::string(1, 'F').append(std::to_string(key - VK_F1 + 1));
  switch (key) {
    case VK_BACK: return "BkSp";
    case VK_TAB: return "Tab";
    case VK_SHIFT: return "Shift";
    case VK_CONTROL: return "Ctrl";
    case VK_MENU: return "Alt";
    case VK_RETURN: return "Enter";
    case VK_ESCAPE: return "Esc";
    case VK_SPACE: return "Space";
    case VK_PRIOR: return "PgUp";
    case VK_NEXT: return "PgDn";
    case VK_END: return "End";
    case VK_HOME: return "Home";
    case VK_LEFT: return "Left";
    case VK_UP: return "Up";
    case VK_RIGHT: return "Right";
    case VK_DOWN: return "Down";
    case VK_INSERT: return "Ins";
    case VK_DELETE: return "Del";
    default: return {};
  }
}

}  // namespace

std::string ShortCutToText(TShortCut ShortCut) {
  std::uint16_t key;
  TShiftState shift;
  ShortCutToKey(ShortCut, key, shift);
  std::string name = KeyName(key);
  if (name.empty()) return {};
  std::string prefix;
  if (shift.Contains(ssShift)) prefix += "Shift+";
  if (shift.Contains(ssCtrl)) prefix += "Ctrl+";
  if (shift.Contains(ssAlt)) prefix += "Alt+";
  return prefix + name;
}

namespace {

// Removes a leading modifier name and gives its flag; 0 when there is none.
TShortCut TakeModifier(std::string_view& text) {
  static constexpr struct {
    std::string_view name;
    TShortCut flag;
  } kModifiers[] = {{"Shift+", scShift}, {"Ctrl+", scCtrl}, {"Alt+", scAlt}};
  for (const auto& m : kModifiers)
    if (text.size() >= m.name.size() && text::sameText1252(text.substr(0, m.name.size()), m.name)) {
      text.remove_prefix(m.name.size());
      return m.flag;
    }
  return 0;
}

}  // namespace

TShortCut TextToShortCut(std::string_view Text) {
  TShortCut modifiers = 0;
  while (const TShortCut flag = TakeModifier(Text)) modifiers |= flag;
  if (Text.empty()) return 0;
  for (std::uint16_t key = 1; key <= 0xFF; ++key)
    if (text::sameText1252(KeyName(key), Text)) return static_cast<TShortCut>(key | modifiers);
  return 0;
}

}  // namespace kau::editor
