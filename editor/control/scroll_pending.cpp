// The scroll that waits for the end of a paint lock or a line-store change:
// TopLine and LeftChar move at once, the pixels once at the end. Repaints
// asked for meanwhile are held in the coordinates of the new window, so that
// moving the pixels cannot carry them to the wrong rows.
#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::ShowPendingScroll() {
  ScrollPixels();
  ReleaseHeldRepaints();
}

void TCustomSynEdit::ScrollPixels() {
  if (!ScrollPending()) return;
  const std::int64_t columns = std::int64_t{fShownLeftChar} - fLeftChar;
  const std::int64_t lines = std::int64_t{fShownTopLine} - fTopLine;
  fShownLeftChar = fLeftChar;
  fShownTopLine = fTopLine;
  if (!HandleAllocated()) return;
  // Less than a window moves the pixels and repaints the band uncovered;
  // more repaints it all.
  if (columns != 0) {
    const TRect textArea{fGutterWidth + 2, 0, ClientWidth(), ClientHeight()};
    if (std::abs(columns) < fCharsInWindow) fHost->ScrollArea(ClampToInt(columns * fCharWidth), 0, &textArea);
    else InvalidateLines(-1, -1);
  }
  if (lines != 0) {
    if (std::abs(lines) < fLinesInWindow) fHost->ScrollArea(0, ClampToInt(lines * fTextHeight), nullptr);
    else Invalidate();
  }
}

void TCustomSynEdit::ReleaseHeldRepaints() {
  if (HoldsRepaints()) return;
  const TRect held = fInvalidateRect;
  fInvalidateRect = {};
  if (HandleAllocated() && !held.IsEmpty()) fHost->InvalidateRect(&held, false);
}

void TCustomSynEdit::MoveHeldRepaints(std::int64_t Columns, std::int64_t Lines) {
  if (fInvalidateRect.IsEmpty()) return;
  const TRect client = ClientRect();
  // Far moves push the rectangle out of the window; the bound keeps the
  // pixel offsets within range.
  const std::int64_t bound = std::int64_t{client.Width()} + client.Height() + 1;
  const int dx = ClampToInt(std::clamp<std::int64_t>(Columns * fCharWidth, -bound, bound));
  const int dy = ClampToInt(std::clamp<std::int64_t>(Lines * fTextHeight, -bound, bound));
  TRect r = fInvalidateRect;
  if (dx != 0) {
    // The text area moves sideways; the gutter and the margin stay.
    const TRect textArea{fGutterWidth + 2, client.Top, client.Right, client.Bottom};
    const TRect still{r.Left, r.Top, std::min(r.Right, textArea.Left), r.Bottom};
    const TRect moved = IntersectRect(OffsetRect(IntersectRect(r, textArea), dx, 0), textArea);
    r = UnionRect(still, moved);
  }
  if (dy != 0) r = IntersectRect(OffsetRect(r, 0, dy), client);
  fInvalidateRect = r;
}

}  // namespace kau::editor
