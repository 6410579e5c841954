// Painting: the gutter, the text rows and the hooks after them.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::Paint(platform::Canvas& ACanvas, const TRect& AClip) {
  (void)ACanvas, (void)AClip;
}

void TCustomSynEdit::PaintGutter(const TRect& AClip, int FirstLine, int LastLine) {
  (void)AClip, (void)FirstLine, (void)LastLine;
}

void TCustomSynEdit::PaintTextLines(TRect AClip, int FirstLine, int LastLine, int FirstCol, int LastCol) {
  (void)AClip, (void)FirstLine, (void)LastLine, (void)FirstCol, (void)LastCol;
}

}  // namespace kau::editor
