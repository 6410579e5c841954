#include "editor/text_drawer/text_drawer2.h"

#include "editor/text_drawer/text_drawer_errors.h"

namespace kau::editor {

void TheTextDrawer2::SetBaseFont(const TFont* Value) {
  fFonts.fill(nullptr);
  TheTextDrawer::SetBaseFont(Value);
}

void TheTextDrawer2::SetStyle(TFontStyles Value) {
  DrawerAssert(Value <= 15, __LINE__);
  if (const platform::PlatformFont* font = fFonts[Value]) {
    SetCurrentFont(font, Value);
    AfterStyleSet();
    return;
  }
  TheTextDrawer::SetStyle(Value);
  fFonts[Value] = CurrentFont();
}

// The stock's handles may be destroyed with its lock: none of them is kept.
void TheTextDrawer2::ReleaseTemporaryResources() {
  fFonts.fill(nullptr);
  TheTextDrawer::ReleaseTemporaryResources();
}

}  // namespace kau::editor
