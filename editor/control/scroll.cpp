// Scrolling: TopLine, LeftChar, the scroll bars and their requests, and
// bringing the caret into view.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::SetTopLine(int Value) {
  const std::int64_t bound = (fOptions & eoScrollPastEof)
                                 ? std::int64_t{LineCount()}
                                 : std::int64_t{LineCount()} + 1 - fLinesInWindow;
  Value = ClampToInt(std::max<std::int64_t>(std::min<std::int64_t>(Value, bound), 1));
  if (Value == fTopLine) return;
  fTopLine = Value;
  Invalidate();
  UpdateScrollBars();
  StatusChanged(scTopLine);
}

void TCustomSynEdit::SetLeftChar(int Value) {
  std::int64_t bound;
  if (fOptions & eoScrollPastEol) {
    bound = (fOptions & eoAutoSizeMaxLineWidth) ? std::int64_t{INT32_MAX} - fCharsInWindow
                                                 : std::int64_t{fMaxLineWidth} - fCharsInWindow + 1;
  } else {
    const std::int64_t longest = fLines->GetLengthOfLongestLine();
    bound = longest > fCharsInWindow ? longest - fCharsInWindow + 1 : 1;
  }
  Value = ClampToInt(std::max<std::int64_t>(std::min<std::int64_t>(Value, bound), 1));
  if (Value == fLeftChar) return;
  fLeftChar = Value;
  fTextOffset = ClampToInt(std::int64_t{fGutterWidth} + 2 - (std::int64_t{fLeftChar} - 1) * fCharWidth);
  Invalidate();
  UpdateScrollBars();
  StatusChanged(scLeftChar);
}

void TCustomSynEdit::UpdateScrollBars() {
  if (!HandleAllocated() || fPaintLock != 0) {
    Include(sfScrollbarChanged);
    return;
  }
  Exclude(sfScrollbarChanged);
}

void TCustomSynEdit::SetScrollBars(TScrollStyle Value) {
  if (fScrollBars == Value) return;
  fScrollBars = Value;
  UpdateScrollBars();
  Invalidate();
}

void TCustomSynEdit::SetMaxLineWidth(int Value) {
  Value = std::clamp(Value, 1, INT32_MAX - 1);
  if (fMaxLineWidth == Value) return;
  fMaxLineWidth = Value;
  if (fOptions & eoScrollPastEol) UpdateScrollBars();
}

void TCustomSynEdit::SetGutterWidth(int Value) {
  Value = std::max(Value, 0);
  if (fGutterWidth == Value) return;
  fGutterWidth = Value;
  fTextOffset = ClampToInt(std::int64_t{fGutterWidth} + 2 - (std::int64_t{fLeftChar} - 1) * fCharWidth);
  if (HandleAllocated() && fCharWidth > 0) {
    fCharsInWindow = std::max(ClientWidth() - fGutterWidth - 2, 0) / fCharWidth;
    UpdateScrollBars();
    Invalidate();
  }
}

void TCustomSynEdit::EnsureCursorPosVisibleEx(bool ForceToMiddle) { (void)ForceToMiddle; }

void TCustomSynEdit::Scroll(TScrollBarKind Bar, platform::TScrollCode Code, int Pos) {
  if (Bar == sbVertical) WMVScroll(Code, Pos);
  else WMHScroll(Code, Pos);
}

void TCustomSynEdit::WMVScroll(platform::TScrollCode Code, int Pos) { (void)Code, (void)Pos; }
void TCustomSynEdit::WMHScroll(platform::TScrollCode Code, int Pos) { (void)Code, (void)Pos; }
void TCustomSynEdit::ShowScrollHint(int TrackPos) { (void)TrackPos; }

}  // namespace kau::editor
