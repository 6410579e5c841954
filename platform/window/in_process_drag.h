// A drag of a control's own within this program, as the class library had
// it: the source window keeps the mouse capture and hands the pointer's
// moves and the release here; the target is the client of the window under
// the pointer, asked through WindowClient::DragOver (enter, move, leave) and
// given the drop through DragDrop. The pointer shows crDrag, crMultiDrag
// while Ctrl is held, or crNoDrop where no drop is taken. Drags of other
// programs never come this way.
#pragma once

#include "platform/window/window_host.h"

namespace kau::platform {

class InProcessDrag {
 public:
  InProcessDrag(WindowHost& sourceHost, WindowClient& source) : host_(sourceHost), source_(source) {}
  InProcessDrag(const InProcessDrag&) = delete;
  InProcessDrag& operator=(const InProcessDrag&) = delete;

  // The pointer moved to a point of the source's client area.
  void Move(int x, int y);
  // The button went up there: the target that takes it gets the drop, else
  // the source hears DragCanceled.
  void Drop(int x, int y);
  // Escape: the target is left and the source hears DragCanceled.
  void Cancel();

 private:
  struct Place {
    WindowHost* host = nullptr;
    WindowClient* client = nullptr;
    TPixelPoint point;
  };
  Place TargetAt(int x, int y) const;
  void Leave();

  WindowHost& host_;
  WindowClient& source_;
  Place target_;
  bool accepted_ = false;
};

}  // namespace kau::platform
