// Drawing and measuring formatted proposal text on a canvas, and the
// conversion from the older form of entries with control bytes.
#pragma once

#include <string>
#include <string_view>

#include "editor/completion/format_chunks.h"
#include "editor/completion/proposal_columns.h"
#include "editor/options/image_list.h"
#include "editor/text_drawer/font.h"
#include "platform/draw/canvas.h"

namespace kau::editor {

// Draws the chunks from (Rect.Left, Rect.Top) with `Font` as the canvas font,
// or only measures them; returns the x where the text ends. Output stops once
// x passes Rect.Right. Columns jump to the next column position and set its
// style; images come from `Images` (an image that is not there draws nothing).
// The canvas's font and colours are as before afterwards. Columns record the
// width they were measured at. The styled fonts come from the shared font
// cache; a caller that paints many rows keeps a TheFontStock of `Font` alive
// meanwhile, so that they are made once.
int PaintFormattedText(platform::Canvas& Canvas, const TFont& Font, const TRect& Rect, const TFormatChunkList& Chunks,
                       TProposalColumns* Columns, const TImageList* Images, bool MeasureOnly);

// Draws a formatted text; in a selected row its colour commands are left out,
// so that the selection's text colour (the font's) stays.
void FormattedTextOut(platform::Canvas& Canvas, const TFont& Font, const TRect& Rect, std::string_view Text,
                      bool Selected, TProposalColumns* Columns, const TImageList* Images);

// The width a formatted text takes from x = 0.
int FormattedTextWidth(platform::Canvas& Canvas, const TFont& Font, std::string_view Text, TProposalColumns* Columns,
                       const TImageList* Images);

// The older entry form: byte 1 or 2 and three colour bytes (red first) set
// the colour; byte 3 and B, I or U switch that style on (upper case) or off
// (lower case); a tab moves to the next column, with a bold toggle after it
// when `BoldColumns`. A control byte cut off by the end of the text ends the
// conversion.
std::string PrettyTextToFormattedString(std::string_view PrettyText, bool BoldColumns);

}  // namespace kau::editor
