#include "editor/text_drawer/text_drawer_ex.h"

#include <algorithm>

namespace kau::editor {

namespace {

std::string_view Head(std::string_view Text, int Length) {
  return Text.substr(0, static_cast<std::size_t>(std::clamp(Length, 0, static_cast<int>(Text.size()))));
}

}  // namespace

TheTextDrawerEx::TheTextDrawerEx(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont)
    : TheTextDrawer(CalcExtentBaseStyle, BaseFont) {
  // The base's constructor set the style before this drawer existed.
  AfterStyleSet();
}

bool TheTextDrawerEx::IsDBCSFont() const {
  const TheSharedFontsInfo* info = FontStock().FontsInfo();
  return info && info->IsDBCSFont;
}

bool TheTextDrawerEx::HasLeadByte(std::string_view Text) const {
  const platform::PlatformFont* font = CurrentFont();
  if (!font) return false;
  platform::FontServices& fonts = platform::Fonts();
  return std::any_of(Text.begin(), Text.end(),
                     [&](char c) { return fonts.IsDBCSLeadByte(*font, static_cast<unsigned char>(c)); });
}

void TheTextDrawerEx::UpdateSpacing() {
  const TheFontStock& stock = FontStock();
  const int cell = GetCharWidth();
  const int advance = stock.CharAdvance();
  fCrntDx = cell - advance;
  // Unmeasured, a double-byte character is taken as two single advances.
  const int dbAdvance = stock.DBCharAdvance();
  fCrntDBDx = 2 * cell - (dbAdvance > 0 && dbAdvance != kNoDBCharAdvance ? dbAdvance : 2 * advance);
}

void TheTextDrawerEx::AfterStyleSet() {
  TheTextDrawer::AfterStyleSet();
  UpdateSpacing();
  const TheSharedFontsInfo* info = FontStock().FontsInfo();
  if (IsDBCSFont())
    fExtTextOutProc = &TheTextDrawerEx::ExtTextOutWithETO;
  else if (info && !info->IsTrueType && (CurrentStyle() & fsItalic))
    fExtTextOutProc = &TheTextDrawerEx::ExtTextOutFixed;
  else
    fExtTextOutProc = &TheTextDrawerEx::TextOutOrExtTextOut;
  if (DC()) DC()->SetCharExtra(AppliedCharExtra());
}

void TheTextDrawerEx::DoSetCharExtra(int) {
  UpdateSpacing();
  if (DC()) DC()->SetCharExtra(AppliedCharExtra());
}

void TheTextDrawerEx::SetBaseStyle(TFontStyles Value) {
  if (Value == BaseStyle()) return;
  TheTextDrawer::SetBaseStyle(Value);
  // The stock now stands at the base style; the cells changed with it.
  SetStyle(CurrentStyle());
}

void TheTextDrawerEx::ExtTextOut(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text,
                                 int Length) {
  if (IsDBCSFont() && HasLeadByte(Head(Text, Length)))
    ExtTextOutForDBCS(X, Y, fuOptions, ARect, Text, Length);
  else
    (this->*fExtTextOutProc)(X, Y, fuOptions, ARect, Text, Length);
}

void TheTextDrawerEx::TextOutOrExtTextOut(int X, int Y, unsigned fuOptions, const TRect& ARect,
                                          std::string_view Text, int Length) {
  const std::string_view text = Head(Text, Length);
  const int n = static_cast<int>(text.size());
  const int cell = GetCharWidth();
  if (X != ARect.Left || Y != ARect.Top || ARect.Height() != GetCharHeight() || X + (n + 1) * cell <= ARect.Right) {
    ExtTextOutFixed(X, Y, fuOptions, ARect, Text, Length);
    return;
  }
  if (!DC()) return;
  // The text fills the rectangle: plain output, which paints the background
  // of its own cells when an opaque one was asked for (as the window
  // system's plain output does in its opaque background mode).
  const TRect cells{X, Y, X + n * cell, Y + GetCharHeight()};
  DC()->ExtTextOut(X, Y, fuOptions & platform::ETO_OPAQUE, &cells, text, nullptr);
}

void TheTextDrawerEx::ExtTextOutFixed(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text,
                                      int Length) {
  if (DC()) DC()->ExtTextOut(X, Y, fuOptions, &ARect, Head(Text, Length), nullptr);
}

void TheTextDrawerEx::ExtTextOutWithETO(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text,
                                        int Length) {
  TheTextDrawer::ExtTextOut(X, Y, fuOptions, ARect, Text, Length);
}

// Runs of single-byte characters and of double-byte ones (a lead byte and the
// byte after it) are drawn apart, each kind with the spacing that keeps it in
// its cells; the rectangle's background is painted once, before them.
void TheTextDrawerEx::ExtTextOutForDBCS(int X, int Y, unsigned fuOptions, const TRect& ARect,
                                        std::string_view Text, int Length) {
  platform::Canvas* dc = DC();
  const platform::PlatformFont* font = CurrentFont();
  if (!dc || !font) return;
  const std::string_view text = Head(Text, Length);
  if (fuOptions & platform::ETO_OPAQUE) dc->FillRect(ARect, static_cast<TColor>(ColorToRGB(BackColor())));
  const unsigned options = fuOptions & ~platform::ETO_OPAQUE;
  platform::FontServices& fonts = platform::Fonts();
  const auto lead = [&](std::size_t i) { return fonts.IsDBCSLeadByte(*font, static_cast<unsigned char>(text[i])); };
  const int cell = GetCharWidth();
  int x = X;
  for (std::size_t start = 0; start < text.size();) {
    const bool doubleByte = lead(start);
    std::size_t end = start;
    int cells = 0;
    while (end < text.size() && lead(end) == doubleByte) {
      end = doubleByte ? std::min(end + 2, text.size()) : end + 1;
      cells += doubleByte ? 2 : 1;
    }
    dc->SetCharExtra(doubleByte ? fCrntDBDx : fCrntDx);
    dc->ExtTextOut(x, Y, options, &ARect, text.substr(start, end - start), nullptr);
    x += cells * cell;
    start = end;
  }
  dc->SetCharExtra(AppliedCharExtra());
}

}  // namespace kau::editor
