// Qt's event values as the window layer's: rectangles, mouse buttons and the
// actions of a scroll bar.
#pragma once

#include <QAbstractSlider>
#include <QRect>
#include <optional>

#include "platform/draw/geometry.h"
#include "platform/shift_state.h"
#include "platform/window/scroll_bars.h"

namespace kau::platform {

inline QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }

inline TMouseButton ButtonOf(Qt::MouseButton b) {
  if (b == Qt::RightButton) return mbRight;
  if (b == Qt::MiddleButton) return mbMiddle;
  return mbLeft;
}

// The scroll request of a slider action; none for an action without one.
inline std::optional<TScrollCode> ScrollCodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepAdd: return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub: return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd: return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub: return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum: return SB_TOP;
    case QAbstractSlider::SliderToMaximum: return SB_BOTTOM;
    case QAbstractSlider::SliderMove: return SB_THUMBTRACK;
    default: return std::nullopt;
  }
}

}  // namespace kau::platform
