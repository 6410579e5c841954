#include "editor/text_drawer/text_drawer.h"

#include <algorithm>

#include "editor/text_drawer/text_drawer_errors.h"

namespace kau::editor {

TheTextDrawer::TheTextDrawer(TFontStyles CalcExtentBaseStyle, const TFont* BaseFont)
    : fFontStock(std::make_unique<TheFontStock>(BaseFont)), fCalcExtentBaseStyle(CalcExtentBaseStyle) {
  SetBaseFont(BaseFont);
  fColor = clWindowText;
  fBkColor = clWindow;
}

TheTextDrawer::~TheTextDrawer() = default;

int TheTextDrawer::GetCharWidth() const { return fBaseCharWidth + fCharExtra; }

int TheTextDrawer::GetCharHeight() const { return fBaseCharHeight; }

void TheTextDrawer::ReleaseETODist() { fETODist.clear(); }

void TheTextDrawer::AfterStyleSet() {
  if (fDC) fDC->SelectFont(fCrntFont);
}

void TheTextDrawer::DoSetCharExtra(int Value) {
  if (fDC) fDC->SetCharExtra(Value);
}

void TheTextDrawer::BeginDrawing(platform::Canvas* DC) {
  if (fDC == DC) {
    DrawerAssert(fDC != nullptr, __LINE__);
  } else {
    DrawerAssert(fDC == nullptr && DC != nullptr && fDrawingCount == 0, __LINE__);
    fDC = DC;
    fSaveDC = DC->SaveState();
    // Handles released meanwhile are taken again for the current style.
    if (!fCrntFont) SetStyle(fCrntStyle);
    DC->SelectFont(fCrntFont);
    DC->SetTextColor(static_cast<TColor>(ColorToRGB(fColor)));
    DC->SetBkColor(static_cast<TColor>(ColorToRGB(fBkColor)));
    DoSetCharExtra(fCharExtra);
  }
  ++fDrawingCount;
}

void TheTextDrawer::EndDrawing() {
  DrawerAssert(fDrawingCount >= 1, __LINE__);
  if (--fDrawingCount > 0) return;
  if (fDC) fDC->RestoreState(fSaveDC);
  fSaveDC = 0;
  fDC = nullptr;
}

void TheTextDrawer::SetBaseFont(const TFont* Value) {
  if (!Value) throw EheTextDrawerException("SetBaseFont: 'Value' must be specified.");
  ReleaseETODist();
  fFontStock->SetBaseFont(Value);
  fFontStock->SetStyle(fCalcExtentBaseStyle);
  fBaseCharWidth = fFontStock->CharAdvance();
  fBaseCharHeight = fFontStock->CharHeight();
  SetStyle(Value->Style());
}

void TheTextDrawer::SetBaseStyle(TFontStyles Value) {
  if (fCalcExtentBaseStyle == Value) return;
  fCalcExtentBaseStyle = Value;
  ReleaseETODist();
  fFontStock->SetStyle(Value);
  fBaseCharWidth = fFontStock->CharAdvance();
  fBaseCharHeight = fFontStock->CharHeight();
}

void TheTextDrawer::SetStyle(TFontStyles Value) {
  fFontStock->SetStyle(Value);
  SetCurrentFont(fFontStock->FontHandle(), Value);
  AfterStyleSet();
}

void TheTextDrawer::SetForeColor(TColor Value) {
  if (fColor == Value) return;
  fColor = Value;
  if (fDC) fDC->SetTextColor(static_cast<TColor>(ColorToRGB(Value)));
}

void TheTextDrawer::SetBackColor(TColor Value) {
  if (fBkColor == Value) return;
  fBkColor = Value;
  if (fDC) fDC->SetBkColor(static_cast<TColor>(ColorToRGB(Value)));
}

void TheTextDrawer::SetCharExtra(int Value) {
  if (fCharExtra == Value) return;
  fCharExtra = Value;
  // The advance array holds the cell width with the old spacing.
  ReleaseETODist();
  DoSetCharExtra(fCharExtra);
}

void TheTextDrawer::TextOut(int X, int Y, std::string_view Text, int Length) {
  if (!fDC) return;
  const auto n = static_cast<std::size_t>(std::clamp(Length, 0, static_cast<int>(Text.size())));
  fDC->ExtTextOut(X, Y, 0, nullptr, Text.substr(0, n), nullptr);
}

void TheTextDrawer::ExtTextOut(int X, int Y, unsigned fuOptions, const TRect& ARect, std::string_view Text,
                               int Length) {
  const int n = std::clamp(Length, 0, static_cast<int>(Text.size()));
  if (static_cast<int>(fETODist.size()) < n) {
    const auto size = static_cast<std::size_t>(n / 64 * 64 + 64);
    fETODist.resize(size, GetCharWidth());
  }
  if (!fDC) return;
  fDC->ExtTextOut(X, Y, fuOptions, &ARect, Text.substr(0, static_cast<std::size_t>(n)), fETODist.data());
}

void TheTextDrawer::ReleaseTemporaryResources() {
  fFontStock->ReleaseFontHandles();
  fCrntFont = nullptr;
  if (fDC) SetStyle(fCrntStyle);
}

}  // namespace kau::editor
