// The paint lock that batches scroll-bar, caret and status updates, and the
// repaint requests for lines and the gutter.
#include <algorithm>
#include <cassert>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::IncPaintLock() { ++fPaintLock; }

void TCustomSynEdit::DecPaintLock() {
  assert(fPaintLock > 0 && "DecPaintLock without IncPaintLock");
  if (fPaintLock <= 0) return;
  --fPaintLock;
  if (fPaintLock != 0) return;
  InvalidateSelectionChange();
  if (!(fStateFlags & sfLinesChanging)) ShowPendingScroll();
  if (HandleAllocated()) {
    if (fStateFlags & sfScrollbarChanged) UpdateScrollBars();
    if (fStateFlags & sfCaretChanged) UpdateCaret();
  }
  if (fStatusChanges != 0) DoOnStatusChange(fStatusChanges);
}

namespace {

// The rows of lines First..Last that lie in the window, or false when none.
bool VisibleRows(int First, int Last, int TopLine, int LinesInWindow, int LineHeight, int& Top, int& Bottom) {
  if (Last < First) std::swap(First, Last);
  const std::int64_t first = std::max<std::int64_t>(First, TopLine);
  const std::int64_t last = std::min<std::int64_t>(Last, std::int64_t{TopLine} + LinesInWindow);
  if (last < first) return false;
  Top = ClampToInt((first - TopLine) * LineHeight);
  Bottom = ClampToInt((last - TopLine + 1) * LineHeight);
  return true;
}

}  // namespace

void TCustomSynEdit::InvalidateLines(int FirstLine, int LastLine) {
  if (!IsVisible() || !HandleAllocated()) return;
  TRect rc;
  if (FirstLine == -1 && LastLine == -1) {
    rc = ClientRect();
    rc.Left += fGutterWidth;
  } else {
    rc.Left = fGutterWidth;
    rc.Right = ClientWidth();
    if (!VisibleRows(FirstLine, LastLine, fTopLine, fLinesInWindow, fTextHeight, rc.Top, rc.Bottom)) return;
  }
  InvalidateRect(rc, false);
}

void TCustomSynEdit::InvalidateGutterLines(int FirstLine, int LastLine) {
  if (!IsVisible() || !HandleAllocated()) return;
  TRect rc{0, 0, fGutterWidth, 0};
  if (FirstLine == -1 && LastLine == -1) {
    rc.Bottom = ClientHeight();
  } else if (!VisibleRows(FirstLine, LastLine, fTopLine, fLinesInWindow, fTextHeight, rc.Top, rc.Bottom)) {
    return;
  }
  InvalidateRect(rc, false);
}

void TCustomSynEdit::InvalidateLine(int Line) {
  if (!IsVisible() || !HandleAllocated()) return;
  if (Line < fTopLine || std::int64_t{Line} > std::int64_t{fTopLine} + fLinesInWindow || Line > LineCount()) return;
  const int top = ClampToInt(std::int64_t{Line - fTopLine} * fTextHeight);
  const TRect rc{0, top, ClientWidth(), ClampToInt(std::int64_t{top} + fTextHeight)};
  InvalidateRect(rc, false);
}

}  // namespace kau::editor
