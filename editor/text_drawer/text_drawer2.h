// TheTextDrawer2: a text drawer that keeps the font of each of the sixteen
// styles it has switched to, so that a later switch to that style takes the
// font without asking the font stock.
#pragma once

#include <array>

#include "editor/text_drawer/text_drawer.h"

namespace kau::editor {

class TheTextDrawer2 : public TheTextDrawer {
 public:
  using TheTextDrawer::TheTextDrawer;

  void SetBaseFont(const TFont* Value) override;
  void SetStyle(TFontStyles Value) override;
  void ReleaseTemporaryResources() override;

  // The font kept for a style; none until the drawer switched to it.
  const platform::PlatformFont* CachedFont(TFontStyles Style) const { return fFonts.at(Style); }

 private:
  std::array<const platform::PlatformFont*, 16> fFonts{};
};

}  // namespace kau::editor
