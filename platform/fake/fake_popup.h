// A pop-up window without a window system, for tests: it records its bounds,
// visibility, scroll bar and timers, paints its client on a FakeCanvas when
// asked, and lets a test click, turn the wheel over it and drag its frame.
// Its frame is 2 pixels on each side.
#pragma once

#include <map>
#include <memory>

#include "platform/fake/fake_canvas.h"
#include "platform/window/popup_host.h"

namespace kau::platform {

class FakePopup : public PopupHost {
 public:
  static constexpr int kFrame = 2;

  void SetClient(WindowClient* client) override { client_ = client; }
  void SetFrame(TPopupFrame frame) override { frame_ = frame; }
  TPopupFrame Frame() const override { return frame_; }
  int FrameThickness() const override { return frame_ == pfHint ? 0 : kFrame; }
  void SetBounds(const TRect& screenRect) override;
  TRect Bounds() const override { return bounds_; }
  TRect ClientRect() const override;
  void Show() override;
  void Hide() override { visible_ = false; }
  bool Visible() const override { return visible_; }
  void InvalidateRect(const TRect* rect) override;
  void Update() override { PaintNow(); }
  int ScrollBarWidth() const override { return 16; }
  void SetScrollBarBounds(const TRect& clientRect) override { bar_.bounds = clientRect; }
  void SetScrollInfo(const TScrollInfo& info) override { bar_.info = info; }
  TScrollInfo GetScrollInfo() const override { return bar_.info; }
  void EnableScrollBar(bool enable) override { bar_.enabled = enable; }
  void StartTimer(int id, int milliseconds) override { timers_[id] = milliseconds; }
  void StopTimer(int id) override { timers_.erase(id); }

  // What a test does. Points are client pixels.
  void Click(int x, int y, TShiftState shift = {});
  void DoubleClick(int x, int y);
  void Wheel(int delta, TShiftState shift = {});
  // Drags the given edges by (dx, dy) with the mouse; only a sizeable frame
  // moves. The client hears Resized when the size changed.
  bool DragFrame(unsigned edges, int dx, int dy);
  // Moves the scroll bar's thumb to a position, as the user would.
  void DragThumb(int pos);
  bool TickTimer(int id);
  // Paints the invalid area (everything when `all`) on a fresh canvas kept
  // for the test to read.
  FakeCanvas& PaintNow(bool all = false);

  // What a test reads.
  struct Bar {
    TRect bounds;
    TScrollInfo info;
    bool enabled = true;
  };
  const Bar& ScrollBar() const { return bar_; }
  int ShowCount() const { return shows_; }
  int PaintCount() const { return paints_; }
  FakeCanvas* LastPaint() { return lastPaint_.get(); }
  TRect InvalidArea() const { return invalid_; }
  bool TimerRunning(int id) const { return timers_.count(id) != 0; }

 private:
  WindowClient* client_ = nullptr;
  TPopupFrame frame_ = pfSizeable;
  TRect bounds_;
  bool visible_ = false;
  int shows_ = 0;
  int paints_ = 0;
  TRect invalid_;
  Bar bar_;
  std::map<int, int> timers_;
  std::unique_ptr<FakeCanvas> lastPaint_;
};

}  // namespace kau::platform
