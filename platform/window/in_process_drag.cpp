#include "platform/window/in_process_drag.h"

#include "platform/virtual_keys.h"
#include "platform/window/system_services.h"

namespace kau::platform {

InProcessDrag::Place InProcessDrag::TargetAt(int x, int y) const {
  const TPixelPoint screen = host_.ClientToScreen({x, y});
  Place place;
  place.host = System().HostAt(screen);
  if (place.host) {
    place.client = place.host->Client();
    place.point = place.host->ScreenToClient(screen);
  }
  if (!place.client) place = {};
  return place;
}

void InProcessDrag::Leave() {
  if (target_.client) {
    bool accept = false;
    target_.client->DragOver(&source_, target_.point.X, target_.point.Y, dsDragLeave, accept);
  }
  target_ = {};
  accepted_ = false;
}

void InProcessDrag::Move(int x, int y) {
  const Place place = TargetAt(x, y);
  if (place.client != target_.client) Leave();
  const TDragState state = target_.client ? dsDragMove : dsDragEnter;
  target_ = place;
  accepted_ = false;
  if (target_.client) target_.client->DragOver(&source_, place.point.X, place.point.Y, state, accepted_);
  TCursor cursor = crNoDrop;
  if (accepted_) cursor = System().KeyPressed(VK_CONTROL) ? crMultiDrag : crDrag;
  host_.SetCursorShape(cursor);
}

void InProcessDrag::Drop(int x, int y) {
  Move(x, y);
  if (accepted_) {
    target_.client->DragDrop(&source_, target_.point.X, target_.point.Y);
    target_ = {};
    accepted_ = false;
  } else {
    Cancel();
  }
}

void InProcessDrag::Cancel() {
  Leave();
  source_.DragCanceled();
}

}  // namespace kau::platform
