#include "editor/model/hot_key.h"

#include <algorithm>
#include <string_view>

#include "platform/virtual_keys.h"

namespace kau::editor {

namespace {

// The text less one leading modifier name, the first that fits.
std::string_view LessModifierName(std::string_view text) {
  for (std::string_view name : {"Ctrl+", "Alt+", "Shift+"})
    if (text.starts_with(name)) return text.substr(name.size());
  return text;
}

}  // namespace

void TSynHotKey::ShowText(const std::string& Value) {
  SetText(Value);
  SetSelStart(static_cast<int>(Value.size()));
}

void TSynHotKey::SetHotKey(TShortCut Value) { ShowText(Value == 0 ? "None" : ShortCutToText(Value)); }

void TSynHotKey::KeyDown(std::uint16_t Key, TShiftState Shift) {
  std::string text;
  if (Shift.Contains(ssCtrl)) text += ShortCutToText(VK_CONTROL) + "+";
  if (Shift.Contains(ssAlt)) text += ShortCutToText(VK_MENU) + "+";
  if (Shift.Contains(ssShift)) text += ShortCutToText(VK_SHIFT) + "+";
  if (Key != VK_CONTROL && Key != VK_MENU && Key != VK_SHIFT) text += ShortCutToText(Key);
  if (text != GetText()) ShowText(text);
}

bool TSynHotKey::KeyPress(char Key) {
  if (!LessModifierName(GetText()).empty()) return false;
  EditKeyPress(Key);
  return true;
}

void TSynHotKey::KeyUp(std::uint16_t, TShiftState) { NoneWhenOnlyModifiers(); }

void TSynHotKey::DoExit() { NoneWhenOnlyModifiers(); }

void TSynHotKey::NoneWhenOnlyModifiers() {
  const std::string text = GetText();
  if (!text.empty() && LessModifierName(text).empty()) ShowText("None");
}

void TSynHotKey::EditKeyPress(char Key) {
  if (static_cast<unsigned char>(Key) < 32 || Key == 127) return;
  std::string text = GetText();
  const auto at = static_cast<std::size_t>(std::clamp(GetSelStart(), 0, static_cast<int>(text.size())));
  text.insert(at, 1, Key);
  SetText(text);
  SetSelStart(static_cast<int>(at) + 1);
}

}  // namespace kau::editor
