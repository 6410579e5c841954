#include "editor/text_drawer/font_stock.h"

#include <cstdlib>

#include "editor/text_drawer/text_drawer_errors.h"

namespace kau::editor {

TheFontStock::TheFontStock(const TFont* InitialFont) { SetBaseFont(InitialFont); }

TheFontStock::~TheFontStock() { ReleaseInfo(); }

void TheFontStock::ReleaseInfo() {
  if (!pMetrics) return;
  ReleaseFontHandles();
  GetFontsInfoManager().ReleaseFontsInfo(pMetrics);
  pMetrics = nullptr;
}

void TheFontStock::SetBaseFont(const TFont* Value) {
  if (!Value) throw EheFontStockException("SetBaseFont: 'Value' must be specified.");
  TheSharedFontsInfo* info = GetFontsInfoManager().GetFontsInfo(*Value);
  if (info == pMetrics) {
    GetFontsInfoManager().ReleaseFontsInfo(info);  // the extra reference
    return;
  }
  ReleaseInfo();
  pMetrics = info;
  fBaseLF = info->BaseLF;
  SetStyle(Value->Style());
}

void TheFontStock::SetStyle(TFontStyles Value) {
  DrawerAssert(Value <= 15, __LINE__);
  DrawerAssert(pMetrics != nullptr, __LINE__);
  if (!bUsingFontHandles) {
    GetFontsInfoManager().LockFontsInfo(pMetrics);
    bUsingFontHandles = true;
  }
  TheFontData* p = &pMetrics->FontsData[Value];
  if (p == pCrntFontData && p->Handle) return;
  if (!p->Handle) {
    std::unique_ptr<platform::PlatformFont> font = InternalCreateFont(Value);
    platform::FontServices& DC = InternalGetDC();
    try {
      CalcFontAdvance(DC, *font, p->CharAdv, p->DBCharAdv, p->CharHeight);
    } catch (...) {
      InternalReleaseDC();
      throw;
    }
    InternalReleaseDC();
    p->Style = Value;
    p->Handle = std::move(font);
  }
  pCrntFontData = p;
  fCrntFont = p->Handle.get();
  fCrntStyle = Value;
}

void TheFontStock::ReleaseFontHandles() {
  if (!bUsingFontHandles) return;
  GetFontsInfoManager().UnLockFontsInfo(pMetrics);
  bUsingFontHandles = false;
  // The handles may be gone now: the next SetStyle takes them afresh.
  pCrntFontData = nullptr;
  fCrntFont = nullptr;
}

platform::FontServices& TheFontStock::InternalGetDC() {
  ++fDCRefCount;
  return platform::Fonts();
}

void TheFontStock::InternalReleaseDC() {
  DrawerAssert(fDCRefCount > 0, __LINE__);
  --fDCRefCount;
}

std::unique_ptr<platform::PlatformFont> TheFontStock::InternalCreateFont(TFontStyles Style) {
  TFontDesc LF = fBaseLF;
  LF.Weight = (Style & fsBold) ? FW_BOLD : FW_NORMAL;
  LF.Italic = Style & fsItalic;
  LF.Underline = Style & fsUnderline;
  LF.StrikeOut = Style & fsStrikeOut;
  return platform::Fonts().CreateFont(LF);
}

void TheFontStock::CalcFontAdvance(platform::FontServices& DC, const platform::PlatformFont& Font, int& CharAdv,
                                   int& DBCharAdv, int& CharHeight) {
  const TTextMetrics tm = DC.GetTextMetrics(Font);
  TAbc abc;
  CharAdv = DC.GetCharABCWidths(Font, 'M', abc) ? abc.Sum() + tm.Overhang : tm.AveCharWidth;
  CharHeight = std::abs(tm.Height);
  DBCharAdv = kNoDBCharAdvance;
}

}  // namespace kau::editor
