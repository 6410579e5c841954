// Scrolling: TopLine, LeftChar, the scroll bars and their requests, the
// scroll hint, and bringing the caret into view.
#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "editor/control/clamp.h"
#include "editor/control/mul_div.h"
#include "editor/control/syn_edit.h"
#include "platform/window/system_services.h"

namespace kau::editor {

namespace {
// Scroll messages carry 16-bit positions: longer ranges are scaled to this.
constexpr int kMaxScrollPos = 32767;
}  // namespace

void TCustomSynEdit::SetTopLine(int Value) {
  const std::int64_t bound = (fOptions & eoScrollPastEof)
                                 ? std::int64_t{LineCount()}
                                 : std::int64_t{LineCount()} + 1 - fLinesInWindow;
  Value = ClampToInt(std::max<std::int64_t>(std::min<std::int64_t>(Value, bound), 1));
  if (Value == fTopLine) return;
  MoveHeldRepaints(0, std::int64_t{fTopLine} - Value);
  fTopLine = Value;
  if (!DefersScrolling()) ShowPendingScroll();
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
  MoveHeldRepaints(std::int64_t{fLeftChar} - Value, 0);
  fLeftChar = Value;
  fTextOffset = ClampToInt(std::int64_t{fGutterWidth} + 2 - (std::int64_t{fLeftChar} - 1) * fCharWidth);
  if (!DefersScrolling()) ShowPendingScroll();
  if ((fOptions & eoAutoSizeMaxLineWidth) && (fOptions & eoScrollPastEol) &&
      std::int64_t{fLeftChar} + fCharsInWindow > fMaxLineWidth) {
    SetMaxLineWidth(ClampToInt(std::int64_t{fLeftChar} + fCharsInWindow));
  } else {
    UpdateScrollBars();
  }
  StatusChanged(scLeftChar);
}

namespace {

// Sets one bar from its extent: a range, a window on it and a position, all
// 1-based; ranges beyond a 16-bit position are scaled.
void SetBar(platform::WindowHost& Host, platform::TScrollBarKind Bar, std::int64_t MaxScroll, int Page, int Pos,
            bool HideShow) {
  platform::TScrollInfo info;
  info.DisableNoScroll = !HideShow;
  const bool scaled = MaxScroll > kMaxScrollPos;
  if (scaled) {
    info.Min = 0;
    info.Max = kMaxScrollPos;
    info.Page = MulDiv(kMaxScrollPos, Page, MaxScroll);
    info.Pos = MulDiv(kMaxScrollPos, Pos, MaxScroll);
  } else {
    info.Min = 1;
    info.Max = ClampToInt(std::max<std::int64_t>(MaxScroll, 1));
    info.Page = Page;
    info.Pos = Pos;
  }
  Host.SetScrollInfo(Bar, info);
  Host.ShowScrollBar(Bar, !(HideShow && !scaled && MaxScroll <= Page));
}

}  // namespace

void TCustomSynEdit::UpdateScrollBars() {
  if (!HandleAllocated() || fPaintLock != 0) {
    Include(sfScrollbarChanged);
    return;
  }
  Exclude(sfScrollbarChanged);
  const bool horizontal = fScrollBars == ssHorizontal || fScrollBars == ssBoth;
  const bool vertical = fScrollBars == ssVertical || fScrollBars == ssBoth;
  const bool hideShow = fOptions & eoHideShowScrollbars;
  const bool disableArrows = fOptions & eoDisableScrollArrows;
  if (!horizontal) fHost->ShowScrollBar(platform::sbHorizontal, false);
  if (!vertical) fHost->ShowScrollBar(platform::sbVertical, false);

  if (horizontal) {
    const std::int64_t maxScroll = (fOptions & eoScrollPastEol)
                                       ? std::int64_t{fMaxLineWidth}
                                       : std::max<std::int64_t>(fLines->GetLengthOfLongestLine(), 1);
    SetBar(*fHost, platform::sbHorizontal, maxScroll, fCharsInWindow, fLeftChar, hideShow);
    platform::TScrollArrows arrows = platform::ESB_ENABLE_BOTH;
    if (disableArrows || maxScroll <= fCharsInWindow) {
      const bool atLeft = fLeftChar <= 1;
      const bool atRight = std::int64_t{fLeftChar} + fCharsInWindow - 1 >= maxScroll;
      if (atLeft && atRight) arrows = platform::ESB_DISABLE_BOTH;
      else if (atLeft) arrows = platform::ESB_DISABLE_LEFT_UP;
      else if (atRight) arrows = platform::ESB_DISABLE_RIGHT_DOWN;
    }
    fHost->EnableScrollBarArrows(platform::sbHorizontal, arrows);
  }

  if (vertical) {
    std::int64_t maxScroll = LineCount();
    if (fOptions & eoScrollPastEof) maxScroll += std::int64_t{fLinesInWindow} - 1;
    SetBar(*fHost, platform::sbVertical, maxScroll, fLinesInWindow, fTopLine, hideShow);
    platform::TScrollArrows arrows = platform::ESB_ENABLE_BOTH;
    if (disableArrows || maxScroll <= fLinesInWindow) {
      if (fTopLine <= 1 && maxScroll <= fLinesInWindow) arrows = platform::ESB_DISABLE_BOTH;
      else if (fTopLine <= 1) arrows = platform::ESB_DISABLE_LEFT_UP;
      else if (std::int64_t{LineCount()} - fTopLine - fLinesInWindow + 1 == 0) arrows = platform::ESB_DISABLE_RIGHT_DOWN;
    }
    fHost->EnableScrollBarArrows(platform::sbVertical, arrows);
  }
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

void TCustomSynEdit::EnsureCursorPosVisibleEx(bool ForceToMiddle) {
  PaintLockGuard lock(*this);
  const std::int64_t x = GetDisplayX();
  if (x < fLeftChar) SetLeftChar(ClampToInt(x));
  else if (x > std::int64_t{fLeftChar} + fCharsInWindow) SetLeftChar(ClampToInt(x - fCharsInWindow + 1));

  const std::int64_t y = fCaretY;
  if (!ForceToMiddle) {
    if (y < fTopLine) SetTopLine(fCaretY);
    else if (y > std::int64_t{fTopLine} + std::max(1, fLinesInWindow) - 1)
      SetTopLine(ClampToInt(y - (std::int64_t{fLinesInWindow} - 1)));
    return;
  }
  // A caret above the window comes to its middle as one below it does.
  const std::int64_t half = fLinesInWindow / 2;
  if (y < fTopLine) SetTopLine(y - half < 0 ? 1 : ClampToInt(y - half + 1));
  else if (y > std::int64_t{fTopLine} + fLinesInWindow - 2)
    SetTopLine(ClampToInt(y - (std::int64_t{fLinesInWindow} - 1) + half));
}

void TCustomSynEdit::Scroll(TScrollBarKind Bar, platform::TScrollCode Code, int Pos) {
  if (Bar == sbVertical) WMVScroll(Code, Pos);
  else WMHScroll(Code, Pos);
}

void TCustomSynEdit::WMVScroll(platform::TScrollCode Code, int Pos) {
  const int page = (fOptions & eoScrollByOneLess) ? fLinesInWindow - 1 : fLinesInWindow;
  switch (Code) {
    case platform::SB_LINEUP: SetTopLine(ClampToInt(std::int64_t{fTopLine} - 1)); break;
    case platform::SB_LINEDOWN: SetTopLine(ClampToInt(std::int64_t{fTopLine} + 1)); break;
    case platform::SB_PAGEUP: SetTopLine(ClampToInt(std::int64_t{fTopLine} - page)); break;
    case platform::SB_PAGEDOWN: SetTopLine(ClampToInt(std::int64_t{fTopLine} + page)); break;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK:
      fScrolling = true;
      if (LineCount() > kMaxScrollPos) SetTopLine(MulDiv(std::int64_t{LineCount()} + fLinesInWindow - 1, Pos, kMaxScrollPos));
      else SetTopLine(Pos);
      if (fOptions & eoShowScrollHint) ShowScrollHint(Pos);
      break;
    case platform::SB_TOP: SetTopLine(1); break;
    case platform::SB_BOTTOM: SetTopLine(LineCount()); break;
    case platform::SB_ENDSCROLL:
      fScrolling = false;
      if ((fOptions & eoShowScrollHint) && HandleAllocated()) {
        fHost->HideHint();
        fScrollHintShown = false;
      }
      break;
  }
  Update();
  if (OnScroll) OnScroll(this, sbVertical);
}

void TCustomSynEdit::WMHScroll(platform::TScrollCode Code, int Pos) {
  const int page = (fOptions & eoScrollByOneLess) ? fCharsInWindow - 1 : fCharsInWindow;
  switch (Code) {
    case platform::SB_LINEUP: SetLeftChar(ClampToInt(std::int64_t{fLeftChar} - 1)); break;
    case platform::SB_LINEDOWN: SetLeftChar(ClampToInt(std::int64_t{fLeftChar} + 1)); break;
    case platform::SB_PAGEUP: SetLeftChar(ClampToInt(std::int64_t{fLeftChar} - page)); break;
    case platform::SB_PAGEDOWN: SetLeftChar(ClampToInt(std::int64_t{fLeftChar} + page)); break;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK: {
      fScrolling = true;
      const std::int64_t maxScroll = (fOptions & eoScrollPastEol)
                                         ? std::int64_t{fMaxLineWidth}
                                         : std::max<std::int64_t>(fLines->GetLengthOfLongestLine(), 1);
      SetLeftChar(maxScroll > kMaxScrollPos ? MulDiv(maxScroll, Pos, kMaxScrollPos) : Pos);
      break;
    }
    case platform::SB_TOP: SetLeftChar(1); break;
    case platform::SB_BOTTOM: SetLeftChar(ClampToInt(std::int64_t{fMaxLineWidth} - fCharsInWindow + 1)); break;
    case platform::SB_ENDSCROLL: fScrolling = false; break;
  }
  if (OnScroll) OnScroll(this, sbHorizontal);
}

void TCustomSynEdit::ShowScrollHint(int TrackPos) {
  if (!HandleAllocated()) return;
  char text[64];
  if (fScrollHintFormat == shfTopToBottom) {
    const std::int64_t last = std::int64_t{fTopLine} + std::min<std::int64_t>(fLinesInWindow, std::int64_t{LineCount()} - fTopLine);
    std::snprintf(text, sizeof text, "%d - %lld", fTopLine, static_cast<long long>(last));
  } else {
    std::snprintf(text, sizeof text, "Top Line: %d", fTopLine);
  }
  const TRect size = fHost->HintRect(text, 200);
  const int width = size.Width(), height = size.Height();
  TPixelPoint at{ClientWidth() - width - 4, 10};
  if (fOptions & eoScrollHintFollows) {
    const int arrow = platform::System().VerticalArrowHeight();
    const int rangeMax = fHost->GetScrollInfo(platform::sbVertical).Max;
    at.Y = ClampToInt(std::int64_t{MulDiv(std::int64_t{ClientHeight()} - 2 * arrow, TrackPos, rangeMax)} +
                      height / 2 + arrow);
  }
  const TPixelPoint screen = fHost->ClientToScreen(at);
  fHost->ShowHint(text, {screen.X, screen.Y, screen.X + width, screen.Y + height}, fScrollHintColor);
  fScrollHintShown = true;
}

}  // namespace kau::editor
