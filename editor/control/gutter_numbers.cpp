// The gutter's line numbers: the font they are drawn in and the cell each
// digit takes. The gutter keeps a font of its own beside the editor's, and
// at small editor sizes that font is the wider and the taller one: its cells
// then set the gutter's width, and it is drawn a pixel at a time smaller
// until it fits a row, so that every number shows whole and apart from its
// neighbours. Where it already fits, the numbers look as the font asks.
#include <algorithm>
#include <cstdlib>

#include "editor/control/syn_edit.h"

namespace kau::editor {

const TFont& TCustomSynEdit::GutterNumberFont() {
  const TFont& own = fGutter->Font();
  if (!fTextDrawer || fTextHeight <= 0) return own;
  // A row shorter than the editor's own characters (a negative line
  // spacing) makes the text overlap as well; the numbers need not be
  // smaller than the text.
  const int room = std::max(fTextHeight, fTextHeight - fExtraLineSpacing);
  const TFontStyles baseStyle = fTextDrawer->BaseStyle();
  auto& fitted = fGutterNumbers;
  if (fitted.Font && fitted.Asked == own.Desc() && fitted.Room == room && fitted.BaseStyle == baseStyle)
    return *fitted.Font;

  auto font = std::make_unique<TFont>(own);
  for (;;) {
    fTextDrawer->SetBaseFont(font.get());
    const int pixels = std::abs(font->Height());
    if (fTextDrawer->GetCharHeight() <= room || pixels <= 1) break;
    font->SetHeight(font->Height() < 0 ? -(pixels - 1) : pixels - 1);
  }
  fitted.CellWidth = fTextDrawer->GetCharWidth();
  fTextDrawer->SetBaseFont(fFont.get());
  fitted.Font = std::move(font);
  fitted.Asked = own.Desc();
  fitted.Room = room;
  fitted.BaseStyle = baseStyle;
  return *fitted.Font;
}

int TCustomSynEdit::GutterNumberCellWidth() {
  // Without its own font the gutter draws in the editor's.
  if (!fGutter->UseFontStyle() || !fTextDrawer) return fCharWidth;
  GutterNumberFont();
  return std::max(fCharWidth, fGutterNumbers.CellWidth);
}

}  // namespace kau::editor
