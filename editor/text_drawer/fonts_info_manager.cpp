#include "editor/text_drawer/fonts_info_manager.h"

#include <algorithm>

#include "editor/text_drawer/text_drawer_errors.h"

namespace kau::editor {

TFontDesc FontsInfoKey(const TFontDesc& LF) {
  TFontDesc key = LF;
  key.Italic = false;
  key.Underline = false;
  key.StrikeOut = false;
  return key;
}

TheFontsInfoManager::~TheFontsInfoManager() {
  // Last first; no exception may leave a destructor.
  while (!fFontsInfo.empty()) fFontsInfo.pop_back();
}

TheSharedFontsInfo* TheFontsInfoManager::FindFontsInfo(const TFontDesc& LF) const {
  for (const auto& info : fFontsInfo)
    if (info->BaseLF == LF) return info.get();
  return nullptr;
}

TheSharedFontsInfo* TheFontsInfoManager::CreateFontsInfo(const TFont& ABaseFont, const TFontDesc& LF) {
  auto info = std::make_unique<TheSharedFontsInfo>();
  info->BaseFont = std::make_unique<TFont>(ABaseFont);
  info->BaseLF = LF;
  // What the window system makes of the font: an outline or a bitmap font,
  // and whether its character set is a double-byte one.
  platform::FontServices& fonts = platform::Fonts();
  const std::unique_ptr<platform::PlatformFont> font = fonts.CreateFont(ABaseFont.Desc());
  info->IsTrueType = fonts.GetTextMetrics(*font).TrueType;
  info->IsDBCSFont = fonts.IsDBCSFont(*font);
  fFontsInfo.push_back(std::move(info));
  return fFontsInfo.back().get();
}

TheSharedFontsInfo* TheFontsInfoManager::GetFontsInfo(const TFont& ABaseFont) {
  const TFontDesc LF = FontsInfoKey(ABaseFont.Desc());
  TheSharedFontsInfo* info = FindFontsInfo(LF);
  if (!info) info = CreateFontsInfo(ABaseFont, LF);
  ++info->RefCount;
  return info;
}

void TheFontsInfoManager::ReleaseFontsInfo(TheSharedFontsInfo* pFontsInfo) {
  if (!pFontsInfo) return;
  if (pFontsInfo->RefCount < 2) {
    DrawerAssert(pFontsInfo->LockCount == 0, __LINE__, "Call DeactivateFontsInfo before calling this.");
    const auto it = std::find_if(fFontsInfo.begin(), fFontsInfo.end(),
                                 [&](const auto& p) { return p.get() == pFontsInfo; });
    if (it != fFontsInfo.end()) fFontsInfo.erase(it);
  } else {
    --pFontsInfo->RefCount;
  }
}

void TheFontsInfoManager::LockFontsInfo(TheSharedFontsInfo* pFontsInfo) { ++pFontsInfo->LockCount; }

void TheFontsInfoManager::UnLockFontsInfo(TheSharedFontsInfo* pFontsInfo) {
  DrawerAssert(pFontsInfo->LockCount > 0, __LINE__);
  if (--pFontsInfo->LockCount > 0) return;
  for (TheFontData& data : pFontsInfo->FontsData) data.Handle.reset();
}

TheFontsInfoManager& GetFontsInfoManager() {
  static TheFontsInfoManager manager;
  return manager;
}

}  // namespace kau::editor
