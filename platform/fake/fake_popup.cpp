#include "platform/fake/fake_popup.h"

namespace kau::platform {

void FakePopup::SetBounds(const TRect& screenRect) {
  const TRect old = bounds_;
  bounds_ = screenRect;
  invalid_ = ClientRect();
  if (client_ && (old.Width() != bounds_.Width() || old.Height() != bounds_.Height())) client_->Resized();
}

TRect FakePopup::ClientRect() const {
  const int f = FrameThickness();
  return {0, 0, std::max(bounds_.Width() - 2 * f, 0), std::max(bounds_.Height() - 2 * f, 0)};
}

void FakePopup::Show() {
  visible_ = true;
  ++shows_;
}

void FakePopup::InvalidateRect(const TRect* rect) {
  invalid_ = UnionRect(invalid_, rect ? IntersectRect(*rect, ClientRect()) : ClientRect());
}

void FakePopup::Click(int x, int y, TShiftState shift) {
  if (!client_) return;
  client_->MouseDown(mbLeft, shift | ssLeft, x, y);
  client_->MouseUp(mbLeft, shift, x, y);
}

void FakePopup::DoubleClick(int x, int y) {
  Click(x, y);
  if (!client_) return;
  client_->DblClick();
  client_->MouseDown(mbLeft, ssLeft | ssDouble, x, y);
  client_->MouseUp(mbLeft, {}, x, y);
}

void FakePopup::Wheel(int delta, TShiftState shift) {
  if (client_) client_->MouseWheel(shift, delta, 0, 0);
}

bool FakePopup::DragFrame(unsigned edges, int dx, int dy) {
  if (frame_ != pfSizeable) return false;
  TRect r = bounds_;
  if (edges & feLeft) r.Left += dx;
  if (edges & feRight) r.Right += dx;
  if (edges & feTop) r.Top += dy;
  if (edges & feBottom) r.Bottom += dy;
  // The frame itself always stays.
  const int least = 2 * FrameThickness() + 1;
  if (r.Width() < least || r.Height() < least) return false;
  SetBounds(r);
  return true;
}

void FakePopup::DragThumb(int pos) {
  if (!client_ || !bar_.enabled) return;
  client_->Scroll(sbVertical, SB_THUMBTRACK, pos);
  client_->Scroll(sbVertical, SB_THUMBPOSITION, pos);
  client_->Scroll(sbVertical, SB_ENDSCROLL, pos);
}

bool FakePopup::TickTimer(int id) {
  if (!TimerRunning(id)) return false;
  if (client_) client_->Timer(id);
  return true;
}

FakeCanvas& FakePopup::PaintNow(bool all) {
  const TRect area = all ? ClientRect() : invalid_;
  lastPaint_ = std::make_unique<FakeCanvas>(ClientRect());
  lastPaint_->IntersectClipRect(area);
  if (client_ && !area.IsEmpty()) {
    ++paints_;
    client_->Paint(*lastPaint_, area);
  }
  invalid_ = {};
  return *lastPaint_;
}

}  // namespace kau::platform
