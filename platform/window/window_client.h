// The events a window hands to the control that lives in it. Key codes are the
// Windows virtual-key numbers (platform/virtual_keys.h); characters are code
// page 1252 bytes; points are client pixels.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/draw/canvas.h"
#include "platform/shift_state.h"
#include "platform/window/scroll_bars.h"

namespace kau::platform {

// Where the pointer of an in-process drag is over a window.
enum TDragState : std::uint8_t { dsDragEnter, dsDragLeave, dsDragMove };

// The dialog codes: which keys a window keeps from the dialog around it.
inline constexpr unsigned DLGC_WANTARROWS = 0x01;
inline constexpr unsigned DLGC_WANTTAB = 0x02;
inline constexpr unsigned DLGC_WANTALLKEYS = 0x04;  // Return among them
inline constexpr unsigned DLGC_WANTCHARS = 0x80;

class WindowClient {
 public:
  virtual ~WindowClient() = default;

  virtual void Paint(Canvas& canvas, const TRect& clip) = 0;
  virtual void KeyDown(std::uint16_t& key, TShiftState shift) = 0;
  virtual void KeyUp(std::uint16_t& key, TShiftState shift) = 0;
  virtual void KeyPress(char& ch) = 0;
  // The input method's result string, in code page 1252.
  virtual void ImeResult(const std::string& text) { (void)text; }
  virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void MouseMove(TShiftState shift, int x, int y) = 0;
  virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y) = 0;
  virtual void DblClick() {}
  virtual void MouseEnter() {}
  // The pointer moved over the client area: the client chooses its shape
  // through WindowHost::SetCursorShape.
  virtual void CursorRequested() {}
  virtual void MouseLeave() {}
  // Wheel turn in the window system's units (120 per notch, positive away
  // from the user).
  virtual void MouseWheel(TShiftState shift, int delta, int x, int y) {
    (void)shift, (void)delta, (void)x, (void)y;
  }
  virtual void FocusIn() {}
  virtual void FocusOut() {}
  virtual void Resized() {}
  virtual void Scroll(TScrollBarKind bar, TScrollCode code, int pos) { (void)bar, (void)code, (void)pos; }
  // Files dropped on the window (accepted only after AcceptFiles(true)); the
  // names are the file system's own (UTF-8).
  virtual void DropFiles(int x, int y, const std::vector<std::string>& names) { (void)x, (void)y, (void)names; }
  virtual void Timer(int id) { (void)id; }
  // The capture went to another window or was released.
  virtual void CaptureChanged() {}
  // The keys the client keeps: Tab and Return reach it only when it says so.
  virtual unsigned DialogCodes() const { return DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTALLKEYS | DLGC_WANTCHARS; }
  // An in-process drag (InProcessDrag) of `source` over this client: Accept
  // says whether it would take a drop here.
  virtual void DragOver(WindowClient* source, int x, int y, TDragState state, bool& accept) {
    (void)source, (void)x, (void)y, (void)state;
    accept = false;
  }
  virtual void DragDrop(WindowClient* source, int x, int y) { (void)source, (void)x, (void)y; }
  // The drag this client started ended without a drop.
  virtual void DragCanceled() {}
};

}  // namespace kau::platform
