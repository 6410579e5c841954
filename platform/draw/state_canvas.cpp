#include "platform/draw/state_canvas.h"

namespace kau::platform {

void StateCanvas::SetPen(TColor color, int width, TPenStyle style) {
  state_.penColor = color;
  state_.penWidth = width < 1 ? 1 : width;
  state_.penStyle = style;
}

void StateCanvas::IntersectClipRect(const TRect& rect) {
  state_.clip = IntersectRect(state_.clip, rect);
  StateRestored();
}

int StateCanvas::SaveState() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

void StateCanvas::RestoreState(int id) {
  if (id < 1 || id > static_cast<int>(saved_.size())) return;
  state_ = saved_[static_cast<std::size_t>(id - 1)];
  saved_.resize(static_cast<std::size_t>(id - 1));
  StateRestored();
}

}  // namespace kau::platform
