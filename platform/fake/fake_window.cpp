#include "platform/fake/fake_window.h"

#include "platform/window/key_delivery.h"

#include <algorithm>
#include <vector>

namespace kau::platform {

namespace {
std::vector<FakeWindow*>& AllWindows() {
  static std::vector<FakeWindow*> windows;
  return windows;
}
}  // namespace

FakeWindow::FakeWindow(TRect client) : client_(client), bounds_(client) { AllWindows().push_back(this); }

FakeWindow::~FakeWindow() {
  std::erase(AllWindows(), this);
  if (parent_) std::erase(parent_->children_, this);
  for (FakeWindow* child : children_) child->parent_ = nullptr;
}

void FakeWindow::SetParent(FakeWindow* parent) {
  if (parent_) std::erase(parent_->children_, this);
  parent_ = parent;
  if (parent_) parent_->children_.push_back(this);
  Realign();
}

void FakeWindow::SetBounds(const TRect& bounds) {
  // An aligned window keeps to its parent's client area.
  Place(align_ == alClient && parent_ ? parent_->ClientRect() : bounds);
}

void FakeWindow::SetAlign(TAlign align) {
  align_ = align;
  Realign();
}

void FakeWindow::Realign() {
  if (align_ == alClient && parent_) Place(parent_->ClientRect());
}

void FakeWindow::Place(const TRect& bounds) {
  const bool resized = bounds.Width() != bounds_.Width() || bounds.Height() != bounds_.Height();
  bounds_ = bounds;
  if (resized) SetClientRect({0, 0, bounds.Width(), bounds.Height()});
}

FakeWindow* FakeWindow::At(TPixelPoint screenPoint) {
  const auto& all = AllWindows();
  for (auto it = all.rbegin(); it != all.rend(); ++it) {
    FakeWindow* w = *it;
    const TPixelPoint p = w->ScreenToClient(screenPoint);
    if (w->exists_ && w->visible_ && p.X >= w->client_.Left && p.X < w->client_.Right && p.Y >= w->client_.Top &&
        p.Y < w->client_.Bottom)
      return w;
  }
  return nullptr;
}

void FakeWindow::SetFocus() { SetFocused(true); }

void FakeWindow::SetFocused(bool focused) {
  if (focused == focused_) return;
  focused_ = focused;
  if (!windowClient_) return;
  if (focused) windowClient_->FocusIn();
  else windowClient_->FocusOut();
}

void FakeWindow::SetClientRect(TRect client) {
  client_ = client;
  bounds_.Right = bounds_.Left + client.Width();
  bounds_.Bottom = bounds_.Top + client.Height();
  if (windowClient_) windowClient_->Resized();
  for (FakeWindow* child : children_) child->Realign();
}

void FakeWindow::InvalidateRect(const TRect* rect, bool) {
  const TRect r = rect ? IntersectRect(*rect, client_) : client_;
  invalidations_.push_back(rect ? *rect : client_);
  invalid_ = UnionRect(invalid_, r);
}

void FakeWindow::ScrollArea(int dx, int dy, const TRect* area) {
  const TRect a = area ? *area : client_;
  scrolls_.push_back({dx, dy, a, invalidations_.size()});
  // The band the moved pixels leave behind.
  TRect band = a;
  if (dy > 0) band.Bottom = a.Top + dy;
  else if (dy < 0) band.Top = a.Bottom + dy;
  if (dx > 0) band.Right = a.Left + dx;
  else if (dx < 0) band.Left = a.Right + dx;
  invalid_ = UnionRect(invalid_, IntersectRect(band, client_));
}

std::unique_ptr<Canvas> FakeWindow::GetCanvas() {
  auto canvas = std::make_unique<FakeCanvas>(client_);
  direct_.push_back(canvas.get());
  return canvas;
}

bool FakeWindow::CreateCaret(int width, int height) {
  caret_ = {true, false, {width, height}, {}};
  return true;
}

bool FakeWindow::ShowCaret() {
  if (!caret_.created) return false;
  caret_.shown = true;
  return true;
}

bool FakeWindow::HideCaret() {
  if (!caret_.created) return false;
  caret_.shown = false;
  return true;
}

void FakeWindow::ReleaseCapture() {
  if (!capture_) return;
  capture_ = false;
  if (windowClient_) windowClient_->CaptureChanged();
}

TRect FakeWindow::HintRect(const std::string& text, int maxWidth) {
  const int w = static_cast<int>(text.size()) * 8 + 6;
  return {0, 0, w < maxWidth ? w : maxWidth, 20};
}

void FakeWindow::ShowHint(const std::string& text, const TRect& screenRect, TColor color) {
  hint_ = {true, text, screenRect, color};
}

void FakeWindow::SendKey(std::uint16_t key, TShiftState shift, std::string_view text) {
  if (WindowClient* target = keyTarget_ ? keyTarget_ : windowClient_) DeliverKeyEvent(*target, key, shift, text);
}

void FakeWindow::SendWheel(int delta, TShiftState shift, int x, int y) {
  if (WindowClient* target = keyTarget_ ? keyTarget_ : windowClient_) target->MouseWheel(shift, delta, x, y);
}

bool FakeWindow::TickTimer(int id) {
  if (!TimerRunning(id)) return false;
  if (windowClient_) windowClient_->Timer(id);
  return true;
}

int FakeWindow::TimerInterval(int id) const {
  const auto it = timers_.find(id);
  return it == timers_.end() ? 0 : it->second;
}

FakeCanvas& FakeWindow::PaintNow(bool all) {
  const TRect area = all ? client_ : invalid_;
  lastPaint_ = std::make_unique<FakeCanvas>(client_);
  lastPaint_->IntersectClipRect(area);
  if (windowClient_ && !area.IsEmpty()) windowClient_->Paint(*lastPaint_, area);
  invalid_ = {};
  return *lastPaint_;
}

bool FakeWindow::DropFiles(int x, int y, const std::vector<std::string>& names) {
  if (!acceptFiles_) return false;
  if (windowClient_) windowClient_->DropFiles(x, y, names);
  return true;
}

}  // namespace kau::platform
