// The process-wide cache of fonts for the text drawers: one shared info per
// base font (fonts that differ only in italic, underline or strike-out share
// one), each with the sixteen style variants created on demand.
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "editor/text_drawer/font.h"
#include "platform/draw/font_services.h"

namespace kau::editor {

// The advance of a double-byte character when it cannot be measured.
inline constexpr int kNoDBCharAdvance = 0x7FFFFFFF;

struct TheFontData {
  TFontStyles Style = 0;
  std::unique_ptr<platform::PlatformFont> Handle;  // none until created
  int CharAdv = 0;
  int DBCharAdv = 0;
  int CharHeight = 0;
};

struct TheSharedFontsInfo {
  int RefCount = 0;   // font stocks (and lookups) holding it
  int LockCount = 0;  // font stocks using its font handles
  std::unique_ptr<TFont> BaseFont;
  TFontDesc BaseLF;  // compared when looking for a font's info
  bool IsDBCSFont = false;
  bool IsTrueType = false;
  std::array<TheFontData, 16> FontsData;
};

class TheFontsInfoManager {
 public:
  TheFontsInfoManager() = default;
  ~TheFontsInfoManager();
  TheFontsInfoManager(const TheFontsInfoManager&) = delete;
  TheFontsInfoManager& operator=(const TheFontsInfoManager&) = delete;

  // The info of the font, its reference count raised by one.
  TheSharedFontsInfo* GetFontsInfo(const TFont& ABaseFont);
  void ReleaseFontsInfo(TheSharedFontsInfo* pFontsInfo);
  void LockFontsInfo(TheSharedFontsInfo* pFontsInfo);
  // At a lock count of 0 the sixteen font handles are destroyed.
  void UnLockFontsInfo(TheSharedFontsInfo* pFontsInfo);

  int Count() const { return static_cast<int>(fFontsInfo.size()); }

 private:
  TheSharedFontsInfo* FindFontsInfo(const TFontDesc& LF) const;
  TheSharedFontsInfo* CreateFontsInfo(const TFont& ABaseFont, const TFontDesc& LF);

  std::vector<std::unique_ptr<TheSharedFontsInfo>> fFontsInfo;
};

// The manager, created on first use.
TheFontsInfoManager& GetFontsInfoManager();

// The log font that infos are compared by: the font's request without italic,
// underline and strike-out.
TFontDesc FontsInfoKey(const TFontDesc& LF);

}  // namespace kau::editor
