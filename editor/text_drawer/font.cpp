#include "editor/text_drawer/font.h"

namespace kau::editor {

void TFont::Changed() {
  if (OnChange) OnChange(this);
}

void TFont::Assign(const TFont& Source) {
  TFontDesc desc = Source.fDesc;
  if (fPixelsPerInch != Source.fPixelsPerInch) desc.Height = HeightFromPointSize(Source.Size(), fPixelsPerInch);
  if (fDesc == desc && fColor == Source.fColor) return;
  fDesc = desc;
  fColor = Source.fColor;
  Changed();
}

void TFont::ChangePixelsPerInchKeepingSize(std::int32_t Value) {
  const std::int32_t size = Size();
  SetPixelsPerInch(Value);
  SetSize(size);
}

void TFont::SetDesc(const TFontDesc& Value) {
  if (Value == fDesc) return;
  fDesc = Value;
  Changed();
}

void TFont::SetName(const std::string& Value) {
  if (Value.empty() || Value == fDesc.Name) return;
  fDesc.Name = Value;
  Changed();
}

void TFont::SetHeight(std::int32_t Value) {
  if (Value == fDesc.Height) return;
  fDesc.Height = Value;
  Changed();
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == fDesc.Style()) return;
  fDesc.SetStyle(Value);
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == fColor) return;
  fColor = Value;
  Changed();
}

void TFont::SetPitch(TFontPitch Value) {
  if (Value == fDesc.Pitch) return;
  fDesc.Pitch = Value;
  Changed();
}

void TFont::SetCharSet(std::uint8_t Value) {
  if (Value == fDesc.CharSet) return;
  fDesc.CharSet = Value;
  Changed();
}

}  // namespace kau::editor
