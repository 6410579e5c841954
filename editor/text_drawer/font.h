// TFont: the class library's font object as the editor uses it: a font
// request (name, size, style, pitch, character set) with a colour, that
// reports each effective change through OnChange. Its point size and its
// pixel height convert at its resolution (PixelsPerInch).
#pragma once

#include <string>

#include "editor/model/object.h"
#include "platform/draw/colors.h"
#include "platform/draw/font.h"

namespace kau::editor {

class TFont : public TObject {
 public:
  TFont() = default;
  TFont(const TFont& other)
      : TObject(), fDesc(other.fDesc), fColor(other.fColor), fPixelsPerInch(other.fPixelsPerInch) {}
  TFont& operator=(const TFont&) = delete;

  // Copies the other font's request and colour; one OnChange when any
  // differed. The resolution stays this font's own: at another resolution the
  // point size is copied and the height follows from it.
  void Assign(const TFont& Source);

  const std::string& Name() const { return fDesc.Name; }
  std::int32_t Height() const { return fDesc.Height; }
  std::int32_t Size() const { return PointSizeFromHeight(fDesc.Height, fPixelsPerInch); }
  TFontStyles Style() const { return fDesc.Style(); }
  TColor Color() const { return fColor; }
  TFontPitch Pitch() const { return fDesc.Pitch; }
  std::uint8_t CharSet() const { return fDesc.CharSet; }
  void SetName(const std::string& Value);
  void SetHeight(std::int32_t Value);
  void SetSize(std::int32_t Value) { SetHeight(HeightFromPointSize(Value, fPixelsPerInch)); }
  std::int32_t PixelsPerInch() const { return fPixelsPerInch; }
  // Sets the resolution alone: the height stays, so the point size changes.
  void SetPixelsPerInch(std::int32_t Value) { fPixelsPerInch = Value > 0 ? Value : kScreenPixelsPerInch; }
  // Takes another resolution keeping the point size (the height follows).
  void ChangePixelsPerInchKeepingSize(std::int32_t Value);
  void SetStyle(TFontStyles Value);
  void SetColor(TColor Value);
  void SetPitch(TFontPitch Value);
  void SetCharSet(std::uint8_t Value);

  // The request as the window system takes it (the log font).
  const TFontDesc& Desc() const { return fDesc; }
  // Replaces the whole request, an empty name included.
  void SetDesc(const TFontDesc& Value);

  TNotifyEvent OnChange;

 private:
  void Changed();

  TFontDesc fDesc;  // "MS Sans Serif", 8 points
  TColor fColor = clWindowText;
  std::int32_t fPixelsPerInch = kScreenPixelsPerInch;
};

}  // namespace kau::editor
