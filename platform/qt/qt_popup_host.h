// The window of a pop-up list under Qt: a frameless tool-tip window over the
// editor's window that never takes the keyboard focus (the editor keeps it
// and hands the keys on through its key target). Not a Qt pop-up, which
// would grab keyboard and mouse and close itself on clicks outside. It draws
// its own frame, lets the user drag a sizeable frame's edges, paints its
// client through a back buffer and carries a vertical scroll bar that never
// takes the focus either.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QScrollBar>
#include <QWidget>

#include "platform/qt/client_timers.h"
#include "platform/window/popup_host.h"

namespace kau::platform {

class QtPopupHost : public QWidget, public PopupHost {
 public:
  // `editor` is the widget the list serves; the window goes over its window.
  explicit QtPopupHost(QWidget* editor);
  ~QtPopupHost() override;

  // PopupHost
  void SetClient(WindowClient* client) override { client_ = client; }
  void SetFrame(TPopupFrame frame) override;
  TPopupFrame Frame() const override { return frame_; }
  // A sizing frame wide enough to take hold of, as the window system's is.
  int FrameThickness() const override { return frame_ == pfHint ? 0 : frame_ == pfSizeable ? 4 : 2; }
  void SetBounds(const TRect& screenRect) override;
  TRect Bounds() const override;
  TRect ClientRect() const override;
  void Show() override;
  void Hide() override { hide(); }
  bool Visible() const override { return isVisible(); }
  void InvalidateRect(const TRect* rect) override;
  void Update() override { repaint(); }
  int ScrollBarWidth() const override;
  void SetScrollBarBounds(const TRect& clientRect) override;
  void SetScrollInfo(const TScrollInfo& info) override;
  TScrollInfo GetScrollInfo() const override { return scrollInfo_; }
  void EnableScrollBar(bool enable) override { bar_->setEnabled(enable); }
  void StartTimer(int id, int milliseconds) override;
  void StopTimer(int id) override;

  const QImage& BackBuffer() const { return buffer_; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void timerEvent(QTimerEvent* e) override;

 private:
  // The edges (TFrameEdge bits) under a point of the window; 0 inside.
  unsigned EdgesAt(QPoint p) const;
  QPoint ToClient(QPointF p) const;
  void ScrollBarAction(int action);

  WindowClient* client_ = nullptr;
  TPopupFrame frame_ = pfSizeable;
  QImage buffer_;
  QRegion invalid_;  // client pixels the client must paint afresh
  QScrollBar* bar_;
  TScrollInfo scrollInfo_;
  ClientTimers timers_{*this};
  struct {
    unsigned edges = 0;
    QPoint start;  // global pointer position
    QRect geometry;
  } drag_;
};

}  // namespace kau::platform
