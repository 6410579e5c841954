// TSynGutter: the options of the strip left of the text: colour, width, line
// numbers and their layout, border.
#pragma once

#include <memory>
#include <string>

#include "editor/highlight/persistent.h"
#include "editor/text_drawer/font.h"
#include "platform/window/cursors.h"

namespace kau::editor {

enum TSynGutterBorderStyle : std::uint8_t { gbsNone, gbsMiddle, gbsRight };

class TSynGutter : public TPersistent {
 public:
  TSynGutter();

  // From another gutter: font and every option, then one OnChange. False
  // (nothing copied) for any other source.
  bool Assign(const TPersistent& Source) override;

  // Pixel width for a character width: 0 when hidden; with line numbers the
  // offsets, the digits and 2; otherwise Width.
  int RealGutterWidth(int CharWidth) const;
  // With AutoSize and line numbers shown, widens the digit count to the
  // line count's digits.
  void AutoSizeDigitCount(int LinesCount);
  std::string FormatLineNumber(int Line) const;

  TFont& Font() { return *fFont; }
  const TFont& Font() const { return *fFont; }
  void SetFont(const TFont& Value) { fFont->Assign(Value); }

  TColor Color() const { return fColor; }
  int Width() const { return fWidth; }
  bool ShowLineNumbers() const { return fShowLineNumbers; }
  int DigitCount() const { return fDigitCount; }
  int EffectiveDigitCount() const { return fAutoSizeDigitCount; }
  bool LeadingZeros() const { return fLeadingZeros; }
  bool ZeroStart() const { return fZeroStart; }
  int LeftOffset() const { return fLeftOffset; }
  int RightOffset() const { return fRightOffset; }
  TCursor Cursor() const { return fCursor; }
  bool Visible() const { return fVisible; }
  bool UseFontStyle() const { return fUseFontStyle; }
  bool AutoSize() const { return fAutoSize; }
  TSynGutterBorderStyle BorderStyle() const { return fBorderStyle; }

  void SetColor(TColor Value);
  void SetWidth(int Value);
  void SetShowLineNumbers(bool Value);
  void SetDigitCount(int Value);
  void SetLeadingZeros(bool Value);
  void SetZeroStart(bool Value);
  void SetLeftOffset(int Value);
  void SetRightOffset(int Value);
  void SetCursor(TCursor Value) { fCursor = Value; }
  void SetVisible(bool Value);
  void SetUseFontStyle(bool Value);
  void SetAutoSize(bool Value);
  void SetBorderStyle(TSynGutterBorderStyle Value);

  TNotifyEvent OnChange;

 private:
  void Changed();
  void OnFontChange(TObject* Sender);
  template <typename T>
  void Store(T& field, T Value);

  std::unique_ptr<TFont> fFont;
  TColor fColor = clBtnFace;
  int fWidth = 30;
  bool fShowLineNumbers = false;
  int fDigitCount = 4;
  bool fLeadingZeros = false;
  bool fZeroStart = false;
  int fLeftOffset = 16;
  int fRightOffset = 2;
  TCursor fCursor = crDefault;
  bool fVisible = true;
  bool fUseFontStyle = true;
  bool fAutoSize = false;
  int fAutoSizeDigitCount = 4;
  TSynGutterBorderStyle fBorderStyle = gbsMiddle;
};

}  // namespace kau::editor
