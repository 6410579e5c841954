#include "platform/qt/qt_popup_host.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QStyle>
#include <QWheelEvent>

#include "platform/qt/event_values.h"
#include "platform/qt/guarded_event.h"
#include "platform/qt/key_map.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_colors.h"

namespace kau::platform {

namespace {

// How far into a sizeable frame's corner a drag takes two edges.
constexpr int kCornerGrip = 12;

Qt::CursorShape EdgeCursor(unsigned edges) {
  const bool horizontal = edges & (feLeft | feRight);
  const bool vertical = edges & (feTop | feBottom);
  if (horizontal && vertical)
    return (edges == (feLeft | feTop) || edges == (feRight | feBottom)) ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
  if (horizontal) return Qt::SizeHorCursor;
  if (vertical) return Qt::SizeVerCursor;
  return Qt::ArrowCursor;
}

}  // namespace

QtPopupHost::QtPopupHost(QWidget* editor)
    : QWidget(editor ? editor->window() : nullptr,
              Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
      bar_(new QScrollBar(Qt::Vertical, this)) {
  setAttribute(Qt::WA_ShowWithoutActivating);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  bar_->setFocusPolicy(Qt::NoFocus);
  bar_->hide();
  connect(bar_, &QScrollBar::actionTriggered, this, [this](int action) { ScrollBarAction(action); });
  connect(bar_, &QScrollBar::sliderReleased, this, [this] {
    RunGuarded([&] {
      if (!client_) return;
      client_->Scroll(sbVertical, SB_THUMBPOSITION, bar_->sliderPosition());
      client_->Scroll(sbVertical, SB_ENDSCROLL, 0);
    });
  });
}

QtPopupHost::~QtPopupHost() = default;

void QtPopupHost::SetFrame(TPopupFrame frame) {
  frame_ = frame;
  invalid_ = QRegion(QRect(QPoint(0, 0), QSize(ClientRect().Width(), ClientRect().Height())));
  update();
}

void QtPopupHost::SetBounds(const TRect& screenRect) { setGeometry(ToQRect(screenRect)); }

TRect QtPopupHost::Bounds() const {
  const QRect g = geometry();
  return {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

TRect QtPopupHost::ClientRect() const {
  const int f = FrameThickness();
  return {0, 0, std::max(width() - 2 * f, 0), std::max(height() - 2 * f, 0)};
}

void QtPopupHost::Show() {
  show();
  raise();
}

void QtPopupHost::InvalidateRect(const TRect* rect) {
  const TRect c = ClientRect();
  const QRect r = rect ? ToQRect(IntersectRect(*rect, c)) : ToQRect(c);
  if (r.isEmpty()) return;
  invalid_ += r;
  const int f = FrameThickness();
  update(r.translated(f, f));
}

int QtPopupHost::ScrollBarWidth() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, bar_); }

void QtPopupHost::SetScrollBarBounds(const TRect& clientRect) {
  if (clientRect.IsEmpty()) {
    bar_->hide();
    return;
  }
  const int f = FrameThickness();
  bar_->setGeometry(ToQRect(clientRect).translated(f, f));
  bar_->show();
}

void QtPopupHost::SetScrollInfo(const TScrollInfo& info) {
  scrollInfo_ = info;
  const QSignalBlocker block(bar_);
  bar_->setRange(info.Min, std::max(info.Min, info.Max));
  bar_->setPageStep(std::max(info.Page, 1));
  bar_->setSingleStep(1);
  bar_->setValue(info.Pos);
}

void QtPopupHost::ScrollBarAction(int action) {
  const std::optional<TScrollCode> code = ScrollCodeOf(action);
  if (!code) return;
  const int pos = bar_->sliderPosition();
  RunGuarded([&] {
    if (client_) client_->Scroll(sbVertical, *code, pos);
  });
  // The client has set the bar as it sees fit; Qt's own step is undone.
  if (*code != SB_THUMBTRACK) bar_->setSliderPosition(scrollInfo_.Pos);
}

void QtPopupHost::StartTimer(int id, int milliseconds) { timers_.Start(id, milliseconds); }

void QtPopupHost::StopTimer(int id) { timers_.Stop(id); }

void QtPopupHost::paintEvent(QPaintEvent* e) {
  const TRect c = ClientRect();
  const QSize clientSize(std::max(c.Width(), 1), std::max(c.Height(), 1));
  if (buffer_.size() != clientSize) {
    buffer_ = QImage(clientSize, QImage::Format_RGB32);
    buffer_.fill(Qt::white);
    invalid_ = QRegion(buffer_.rect());
  }
  if (!invalid_.isEmpty()) {
    const QRect clip = invalid_.boundingRect();
    // Taken off first, so that a failing paint is not asked again at once.
    invalid_ = QRegion();
    RunGuarded([&] {
      QPainter p(&buffer_);
      const TRect area{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1};
      QtCanvas canvas(p, area);
      if (client_) client_->Paint(canvas, area);
    });
  }
  QPainter w(this);
  w.setClipRegion(e->region());
  const int f = FrameThickness();
  if (frame_ != pfHint) {
    // A raised frame: light on the top and left, dark on the bottom and right.
    w.fillRect(rect(), ToQColor(clBtnFace));
    w.setPen(ToQColor(clBtnHighlight));
    w.drawLine(0, 0, width() - 1, 0);
    w.drawLine(0, 0, 0, height() - 1);
    w.setPen(ToQColor(SystemColor(COLOR_3DDKSHADOW)));
    w.drawLine(0, height() - 1, width() - 1, height() - 1);
    w.drawLine(width() - 1, 0, width() - 1, height() - 1);
  }
  w.drawImage(f, f, buffer_);
}

void QtPopupHost::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  invalid_ = QRegion(ToQRect(ClientRect()));
  RunGuarded([&] {
    if (client_) client_->Resized();
  });
}

unsigned QtPopupHost::EdgesAt(QPoint p) const {
  const int f = FrameThickness();
  if (frame_ != pfSizeable) return 0;
  unsigned edges = 0;
  // On a side of the frame, that edge; near a corner, the other one too.
  if (p.x() < f || p.x() >= width() - f) {
    edges |= p.x() < f ? feLeft : feRight;
    if (p.y() < kCornerGrip) edges |= feTop;
    else if (p.y() >= height() - kCornerGrip) edges |= feBottom;
  }
  if (p.y() < f || p.y() >= height() - f) {
    edges |= p.y() < f ? feTop : feBottom;
    if (p.x() < kCornerGrip) edges |= feLeft;
    else if (p.x() >= width() - kCornerGrip) edges |= feRight;
  }
  return edges;
}

QPoint QtPopupHost::ToClient(QPointF p) const {
  const int f = FrameThickness();
  return p.toPoint() - QPoint(f, f);
}

void QtPopupHost::mousePressEvent(QMouseEvent* e) {
  if (const unsigned edges = EdgesAt(e->position().toPoint())) {
    drag_ = {edges, e->globalPosition().toPoint(), geometry()};
    return;
  }
  const QPoint p = ToClient(e->position());
  RunGuarded([&] {
    if (client_) client_->MouseDown(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

void QtPopupHost::mouseDoubleClickEvent(QMouseEvent* e) {
  if (EdgesAt(e->position().toPoint())) return;
  const QPoint p = ToClient(e->position());
  RunGuarded([&] {
    if (!client_) return;
    client_->DblClick();
    client_->MouseDown(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble, p.x(), p.y());
  });
}

void QtPopupHost::mouseMoveEvent(QMouseEvent* e) {
  if (drag_.edges) {
    const QPoint d = e->globalPosition().toPoint() - drag_.start;
    QRect g = drag_.geometry;
    const int least = 2 * FrameThickness() + 1;
    if (drag_.edges & feLeft) g.setLeft(std::min(g.left() + d.x(), g.right() - least));
    if (drag_.edges & feRight) g.setRight(std::max(g.right() + d.x(), g.left() + least));
    if (drag_.edges & feTop) g.setTop(std::min(g.top() + d.y(), g.bottom() - least));
    if (drag_.edges & feBottom) g.setBottom(std::max(g.bottom() + d.y(), g.top() + least));
    setGeometry(g);
    return;
  }
  setCursor(EdgeCursor(EdgesAt(e->position().toPoint())));
  const QPoint p = ToClient(e->position());
  RunGuarded([&] {
    if (client_) client_->MouseMove(ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

void QtPopupHost::mouseReleaseEvent(QMouseEvent* e) {
  if (drag_.edges) {
    drag_.edges = 0;
    return;
  }
  const QPoint p = ToClient(e->position());
  RunGuarded([&] {
    if (client_) client_->MouseUp(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()), p.x(), p.y());
  });
}

void QtPopupHost::wheelEvent(QWheelEvent* e) {
  e->accept();
  const QPoint p = ToClient(e->position());
  RunGuarded([&] {
    if (client_) client_->MouseWheel(ShiftStateOf(e->modifiers(), e->buttons()), e->angleDelta().y(), p.x(), p.y());
  });
}

void QtPopupHost::timerEvent(QTimerEvent* e) {
  const std::optional<int> id = timers_.IdOf(e->timerId());
  if (!id) {
    QWidget::timerEvent(e);
    return;
  }
  RunGuarded([&] {
    if (client_) client_->Timer(*id);
  });
}

}  // namespace kau::platform
