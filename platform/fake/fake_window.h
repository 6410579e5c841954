// A window without a window system, for tests: it records invalidations,
// scrolls, the caret, the scroll bars, capture, cursor, hint, input-method
// place and file acceptance; paints its client on a FakeCanvas when asked;
// its timers tick only when a test ticks them; keys and wheel turns come as a
// test sends them.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/fake/fake_canvas.h"
#include "platform/window/window_client.h"
#include "platform/window/window_host.h"

namespace kau::platform {

class FakeWindow : public WindowHost {
 public:
  explicit FakeWindow(TRect client = {0, 0, 200, 150});
  ~FakeWindow() override;
  FakeWindow(const FakeWindow&) = delete;
  FakeWindow& operator=(const FakeWindow&) = delete;
  // The window under a screen point: the last made of those that show there.
  static FakeWindow* At(TPixelPoint screenPoint);

  void SetClient(WindowClient* client) { windowClient_ = client; }
  // The window whose client area this one lives in; an aligned window
  // follows it at once and on every change of its client rectangle.
  void SetParent(FakeWindow* parent);
  FakeWindow* Parent() const { return parent_; }

  // WindowHost
  bool Exists() const override { return exists_; }
  bool Visible() const override { return visible_; }
  bool Focused() const override { return focused_; }
  void SetFocus() override;
  TRect ClientRect() const override { return client_; }
  void SetKeyTarget(WindowClient* target) override { keyTarget_ = target; }
  void SetBorder(bool border) override { border_ = border; }
  TRect Bounds() const override { return bounds_; }
  void SetBounds(const TRect& bounds) override;
  TAlign Align() const override { return align_; }
  void SetAlign(TAlign align) override;
  void InvalidateRect(const TRect* rect, bool erase) override;
  void Update() override { PaintNow(); }
  void ScrollArea(int dx, int dy, const TRect* area) override;
  std::unique_ptr<Canvas> GetCanvas() override;
  bool CreateCaret(int width, int height) override;
  void DestroyCaret() override { caret_ = {}; }
  void SetCaretPos(int x, int y) override { caret_.pos = {x, y}; }
  bool ShowCaret() override;
  bool HideCaret() override;
  void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override { bars_[bar].info = info; }
  TScrollInfo GetScrollInfo(TScrollBarKind bar) const override { return bars_[bar].info; }
  void ShowScrollBar(TScrollBarKind bar, bool show) override { bars_[bar].shown = show; }
  void EnableScrollBarArrows(TScrollBarKind bar, TScrollArrows arrows) override { bars_[bar].arrows = arrows; }
  void SetCapture() override { capture_ = true; }
  void ReleaseCapture() override;
  bool HasCapture() const override { return capture_; }
  TPixelPoint CursorPos() const override { return cursorPos_; }
  void SetCursorShape(TCursor cursor) override { cursor_ = cursor; }
  TPixelPoint ClientToScreen(TPixelPoint p) const override { return {p.X + screenOrigin_.X, p.Y + screenOrigin_.Y}; }
  WindowClient* Client() const override { return windowClient_; }
  TRect HintRect(const std::string& text, int maxWidth) override;
  void ShowHint(const std::string& text, const TRect& screenRect, TColor color) override;
  void HideHint() override { hint_.shown = false; }
  void SetImePosition(TPixelPoint p) override { imePos_ = p; }
  void SetImeFont(const TFontDesc& font) override { imeFont_ = font; }
  void AcceptFiles(bool accept) override { acceptFiles_ = accept; }
  void StartTimer(int id, int milliseconds) override { timers_[id] = milliseconds; }
  void StopTimer(int id) override { timers_.erase(id); }

  // What a test sets.
  void SetExists(bool exists) { exists_ = exists; }
  void SetVisible(bool visible) { visible_ = visible; }
  void SetFocused(bool focused);
  // Resizes the client area (the bounds follow), as a user's resize does.
  void SetClientRect(TRect client);
  void SetCursorPos(TPixelPoint p) { cursorPos_ = p; }
  void SetScreenOrigin(TPixelPoint p) { screenOrigin_ = p; }
  // A key event as the window system sends it: KeyDown, then KeyPress for
  // each character of `text` (code page 1252), to the key target when one
  // is set, else to the client.
  void SendKey(std::uint16_t key, TShiftState shift = {}, std::string_view text = {});
  // A wheel turn over the window (120 per notch, positive away from the user).
  void SendWheel(int delta, TShiftState shift = {}, int x = 0, int y = 0);
  // Ticks a running timer; false when it is not running.
  bool TickTimer(int id);
  // Paints the invalid area (everything when `all`) on a fresh canvas, which
  // is kept for the test to read, and clears the invalid area.
  FakeCanvas& PaintNow(bool all = false);
  // Hands dropped files to the client when files are accepted.
  bool DropFiles(int x, int y, const std::vector<std::string>& names);

  // What a test reads.
  struct Caret {
    bool created = false;
    bool shown = false;
    TSize size;
    TPixelPoint pos;
  };
  struct Bar {
    TScrollInfo info;
    bool shown = true;
    TScrollArrows arrows = ESB_ENABLE_BOTH;
  };
  struct Scroll {
    int dx, dy;
    TRect area;
    std::size_t invalidationsBefore;  // how many repaint requests came before it
  };
  struct Hint {
    bool shown = false;
    std::string text;
    TRect rect;
    TColor color = clNone;
  };
  const std::vector<TRect>& Invalidations() const { return invalidations_; }
  TRect InvalidArea() const { return invalid_; }
  void ClearInvalidations() { invalidations_.clear(); invalid_ = {}; }
  const std::vector<Scroll>& Scrolls() const { return scrolls_; }
  const Caret& CaretState() const { return caret_; }
  const Bar& ScrollBar(TScrollBarKind bar) const { return bars_[bar]; }
  TCursor CursorShape() const { return cursor_; }
  const Hint& HintState() const { return hint_; }
  TPixelPoint ImePosition() const { return imePos_; }
  const TFontDesc& ImeFont() const { return imeFont_; }
  bool AcceptsFiles() const { return acceptFiles_; }
  bool HasBorder() const { return border_; }
  bool TimerRunning(int id) const { return timers_.count(id) != 0; }
  int TimerInterval(int id) const;
  FakeCanvas* LastPaint() { return lastPaint_.get(); }
  // Canvases handed out by GetCanvas, in order.
  const std::vector<FakeCanvas*>& DirectCanvases() const { return direct_; }

 private:
  WindowClient* windowClient_ = nullptr;
  WindowClient* keyTarget_ = nullptr;
  TRect client_;
  TPixelPoint screenOrigin_{100, 100};
  bool exists_ = true;
  bool visible_ = true;
  bool focused_ = false;
  bool capture_ = false;
  TPixelPoint cursorPos_;
  TCursor cursor_ = crDefault;
  std::vector<TRect> invalidations_;
  TRect invalid_;
  std::vector<Scroll> scrolls_;
  Caret caret_;
  Bar bars_[2];
  Hint hint_;
  TPixelPoint imePos_;
  TFontDesc imeFont_;
  bool acceptFiles_ = false;
  bool border_ = true;
  std::map<int, int> timers_;
  std::unique_ptr<FakeCanvas> lastPaint_;
  std::vector<FakeCanvas*> direct_;
  FakeWindow* parent_ = nullptr;
  std::vector<FakeWindow*> children_;
  TRect bounds_;
  TAlign align_ = alNone;

  // Takes the parent's client area when aligned to a parent.
  void Realign();
  // Moves the window to the bounds; a new size reaches the client.
  void Place(const TRect& bounds);
};

}  // namespace kau::platform
