// What a pop-up list asks of its window: a top-level window placed at an outer
// screen rectangle, shown without taking the focus from the window it serves,
// with a frame of its own, a vertical scroll bar inside its client area and
// timers. Its client paints through a back buffer, so a repaint never flickers;
// the client's events come through WindowClient (scroll-bar moves as Scroll
// with sbVertical, frame drags as Resized).
#pragma once

#include <cstdint>

#include "platform/draw/geometry.h"
#include "platform/window/scroll_bars.h"
#include "platform/window/window_client.h"

namespace kau::platform {

enum TPopupFrame : std::uint8_t {
  pfSizeable,  // the user resizes the window by dragging its edges
  pfFixed,     // a frame that does not resize
  pfHint,      // none of its own: a hint draws its own line
};

// Edges of the frame a drag takes hold of; a corner is two of them.
enum TFrameEdge : std::uint8_t { feLeft = 1, feTop = 2, feRight = 4, feBottom = 8 };

class PopupHost {
 public:
  virtual ~PopupHost() = default;

  virtual void SetClient(WindowClient* client) = 0;

  virtual void SetFrame(TPopupFrame frame) = 0;
  virtual TPopupFrame Frame() const = 0;
  // The width of the frame on each side, in pixels.
  virtual int FrameThickness() const = 0;

  // The outer rectangle, frame included, in screen pixels.
  virtual void SetBounds(const TRect& screenRect) = 0;
  virtual TRect Bounds() const = 0;
  // The inside of the frame, from (0, 0).
  virtual TRect ClientRect() const = 0;

  // Shows the window above the others without activating it or taking the
  // keyboard focus.
  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual bool Visible() const = 0;

  // Requests a repaint of the rectangle (of everything when null).
  virtual void InvalidateRect(const TRect* rect) = 0;
  // Paints what is invalid now.
  virtual void Update() = 0;

  // The vertical scroll bar: where it stands in the client area, its range
  // (Max is the last position, Page the rows shown), and whether it takes
  // input. It is hidden until placed, and an empty rectangle hides it.
  virtual int ScrollBarWidth() const = 0;
  virtual void SetScrollBarBounds(const TRect& clientRect) = 0;
  virtual void SetScrollInfo(const TScrollInfo& info) = 0;
  virtual TScrollInfo GetScrollInfo() const = 0;
  virtual void EnableScrollBar(bool enable) = 0;

  // Timers tick through WindowClient::Timer with their id.
  virtual void StartTimer(int id, int milliseconds) = 0;
  virtual void StopTimer(int id) = 0;
};

}  // namespace kau::platform
