// TheTextDrawerEx: a text drawer that keeps every style in the base style's
// cells by the canvas's extra character spacing (the cell width less the
// style's own advance) instead of an advance per character, and picks its
// extended output by the font: for single-byte fonts plain output where the
// text fills its rectangle and extended output without advances otherwise
// (always the latter for an italic bitmap font); for double-byte fonts the
// inherited output with advances, or runs of single-byte and double-byte
// characters drawn apart when the text holds double-byte characters.
#pragma once

#include "editor/text_drawer/text_drawer.h"

namespace kau::editor {

class TheTextDrawerEx : public TheTextDrawer {
 public:
  TheTextDrawerEx(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont);

  void ExtTextOut(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text, int Length) override;
  void SetBaseStyle(TFontStyles Value) override;

  // The extra spacing that keeps a single-byte character of the current
  // style in one cell, and a double-byte one in two.
  int CrntDx() const { return fCrntDx; }
  int CrntDBDx() const { return fCrntDBDx; }

 protected:
  void AfterStyleSet() override;
  void DoSetCharExtra(int Value) override;

  void TextOutOrExtTextOut(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text, int Length);
  void ExtTextOutFixed(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text, int Length);
  void ExtTextOutWithETO(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text, int Length);
  void ExtTextOutForDBCS(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text, int Length);

 private:
  using TExtTextOutProc = void (TheTextDrawerEx::*)(int, int, unsigned, const TRect&, std::string_view, int);

  bool IsDBCSFont() const;
  bool HasLeadByte(std::string_view Text) const;
  void UpdateSpacing();
  // The spacing the canvas keeps between outputs.
  int AppliedCharExtra() const { return IsDBCSFont() ? CharExtra() : fCrntDx; }

  TExtTextOutProc fExtTextOutProc = &TheTextDrawerEx::TextOutOrExtTextOut;
  int fCrntDx = 0;
  int fCrntDBDx = 0;
};

}  // namespace kau::editor
