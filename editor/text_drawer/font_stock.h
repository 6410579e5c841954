// TheFontStock: one drawer's view of the font cache: the shared info of its
// base font, and the font of its current style, created when first needed.
#pragma once

#include <memory>

#include "editor/text_drawer/fonts_info_manager.h"

namespace kau::editor {

class TheFontStock {
 public:
  explicit TheFontStock(const TFont* InitialFont);
  virtual ~TheFontStock();
  TheFontStock(const TheFontStock&) = delete;
  TheFontStock& operator=(const TheFontStock&) = delete;

  virtual void SetBaseFont(const TFont* Value);
  virtual void SetStyle(TFontStyles Value);
  // Lets go of the lock on the info's font handles; they are destroyed when
  // no stock holds a lock.
  virtual void ReleaseFontHandles();

  const TFont* BaseFont() const { return pMetrics ? pMetrics->BaseFont.get() : nullptr; }
  TFontStyles Style() const { return fCrntStyle; }
  const platform::PlatformFont* FontHandle() const { return fCrntFont; }
  int CharAdvance() const { return pCrntFontData ? pCrntFontData->CharAdv : 0; }
  int CharHeight() const { return pCrntFontData ? pCrntFontData->CharHeight : 0; }
  int DBCharAdvance() const { return pCrntFontData ? pCrntFontData->DBCharAdv : 0; }
  const TheSharedFontsInfo* FontsInfo() const { return pMetrics; }
  bool UsingFontHandles() const { return bUsingFontHandles; }

 protected:
  // The screen's measuring service, borrowed and counted.
  virtual platform::FontServices& InternalGetDC();
  virtual void InternalReleaseDC();
  virtual std::unique_ptr<platform::PlatformFont> InternalCreateFont(TFontStyles Style);
  virtual void CalcFontAdvance(platform::FontServices& DC, const platform::PlatformFont& Font, int& CharAdv,
                               int& DBCharAdv, int& CharHeight);

 private:
  void ReleaseInfo();

  int fDCRefCount = 0;
  TheSharedFontsInfo* pMetrics = nullptr;
  bool bUsingFontHandles = false;
  const platform::PlatformFont* fCrntFont = nullptr;
  TFontStyles fCrntStyle = 0;
  TheFontData* pCrntFontData = nullptr;
  TFontDesc fBaseLF;
};

}  // namespace kau::editor
