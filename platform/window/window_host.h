// What the control asks of the window it lives in: its place in its parent,
// painting requests, scrolling, the caret, scroll bars, the mouse, the hint,
// the input method, dropped files and timers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/draw/canvas.h"
#include "platform/window/cursors.h"
#include "platform/window/scroll_bars.h"
#include "platform/window/window_client.h"

namespace kau::platform {

// How a window takes its place in its parent's client area.
enum TAlign : std::uint8_t {
  alNone,    // it keeps the bounds it was given
  alClient,  // it fills the parent's client area and follows its resizes
};

class WindowHost {
 public:
  virtual ~WindowHost() = default;

  virtual bool Exists() const = 0;
  virtual bool Visible() const = 0;
  virtual bool Focused() const = 0;
  virtual void SetFocus() = 0;
  virtual TRect ClientRect() const = 0;
  // While set, the key events, input-method characters and wheel turns that
  // reach this window go to `target` in place of the window's own client (a
  // list shown beside it without the focus); each key event goes whole to
  // the one chosen when it arrived. Null gives them back to the client.
  virtual void SetKeyTarget(WindowClient* target) = 0;
  // A single-line border around the window, or none.
  virtual void SetBorder(bool border) = 0;
  // The window's outer edges in its parent's client pixels; while it is
  // aligned to a parent, the parent's client area decides them.
  virtual TRect Bounds() const = 0;
  virtual void SetBounds(const TRect& bounds) = 0;
  virtual TAlign Align() const = 0;
  virtual void SetAlign(TAlign align) = 0;

  // Requests a repaint of the rectangle (of everything when null).
  virtual void InvalidateRect(const TRect* rect, bool erase) = 0;
  // Paints what is invalid now.
  virtual void Update() = 0;
  // Moves the pixels of `area` (everything when null) by (dx, dy) and
  // invalidates the band they uncover.
  virtual void ScrollArea(int dx, int dy, const TRect* area) = 0;
  // A canvas on the window for drawing outside a paint (transient marks);
  // what is drawn shows on the screen at once.
  virtual std::unique_ptr<Canvas> GetCanvas() = 0;

  // The caret: one per window, created hidden.
  virtual bool CreateCaret(int width, int height) = 0;
  virtual void DestroyCaret() = 0;
  virtual void SetCaretPos(int x, int y) = 0;
  virtual bool ShowCaret() = 0;
  virtual bool HideCaret() = 0;

  virtual void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) = 0;
  virtual TScrollInfo GetScrollInfo(TScrollBarKind bar) const = 0;
  virtual void ShowScrollBar(TScrollBarKind bar, bool show) = 0;
  virtual void EnableScrollBarArrows(TScrollBarKind bar, TScrollArrows arrows) = 0;

  virtual void SetCapture() = 0;
  virtual void ReleaseCapture() = 0;
  virtual bool HasCapture() const = 0;
  // The pointer's position in client pixels.
  virtual TPixelPoint CursorPos() const = 0;
  virtual void SetCursorShape(TCursor cursor) = 0;
  virtual TPixelPoint ClientToScreen(TPixelPoint p) const = 0;
  TPixelPoint ScreenToClient(TPixelPoint p) const {
    const TPixelPoint origin = ClientToScreen({0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
  }
  // The client living in the window, which drags are offered to.
  virtual WindowClient* Client() const { return nullptr; }

  // The hint window: its size for a text (code page 1252) no wider than
  // maxWidth, shown at a screen rectangle in a colour, and hidden.
  virtual TRect HintRect(const std::string& text, int maxWidth) = 0;
  virtual void ShowHint(const std::string& text, const TRect& screenRect, TColor color) = 0;
  virtual void HideHint() = 0;

  // Where the input method's composition window goes, and its font.
  virtual void SetImePosition(TPixelPoint p) = 0;
  virtual void SetImeFont(const TFontDesc& font) = 0;

  virtual void AcceptFiles(bool accept) = 0;

  // Timers tick through WindowClient::Timer with their id.
  virtual void StartTimer(int id, int milliseconds) = 0;
  virtual void StopTimer(int id) = 0;
};

}  // namespace kau::platform
