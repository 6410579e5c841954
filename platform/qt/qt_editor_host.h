// The window of an editor control under Qt: a scroll area whose viewport the
// control paints through a back buffer. It forwards paint, key, mouse, wheel,
// focus, resize, scroll-bar, timer and drop events to its WindowClient with
// Windows key numbers, draws a blinking caret of its own, and lets no failure
// of the client go on into Qt's event loop: each is shown in a message box.
#pragma once

#include <QAbstractScrollArea>
#include <QImage>
#include <QPointer>
#include <QRegion>
#include <QTimer>
#include <functional>

#include "platform/qt/client_timers.h"
#include "platform/window/window_client.h"
#include "platform/window/window_host.h"

namespace kau::platform {

class QtEditorHost : public QAbstractScrollArea, public WindowHost {
 public:
  explicit QtEditorHost(QWidget* parent = nullptr);
  ~QtEditorHost() override;

  void SetClient(WindowClient* client) { client_ = client; }

  // WindowHost
  bool Exists() const override { return true; }
  bool Visible() const override { return isVisible(); }
  bool Focused() const override { return hasFocus(); }
  void SetFocus() override { setFocus(Qt::OtherFocusReason); }
  TRect ClientRect() const override;
  void SetKeyTarget(WindowClient* target) override { keyTarget_ = target; }
  void SetBorder(bool border) override { setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame); }
  TRect Bounds() const override;
  void SetBounds(const TRect& bounds) override;
  TAlign Align() const override { return align_; }
  void SetAlign(TAlign align) override;
  void InvalidateRect(const TRect* rect, bool erase) override;
  void Update() override;
  void ScrollArea(int dx, int dy, const TRect* area) override;
  std::unique_ptr<Canvas> GetCanvas() override;
  bool CreateCaret(int width, int height) override;
  void DestroyCaret() override;
  void SetCaretPos(int x, int y) override;
  bool ShowCaret() override;
  bool HideCaret() override;
  void SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) override;
  TScrollInfo GetScrollInfo(TScrollBarKind bar) const override { return scrollInfo_[bar]; }
  void ShowScrollBar(TScrollBarKind bar, bool show) override;
  void EnableScrollBarArrows(TScrollBarKind bar, TScrollArrows arrows) override;
  void SetCapture() override;
  void ReleaseCapture() override;
  bool HasCapture() const override;
  TPixelPoint CursorPos() const override;
  void SetCursorShape(TCursor cursor) override;
  TPixelPoint ClientToScreen(TPixelPoint p) const override;
  WindowClient* Client() const override { return client_; }
  TRect HintRect(const std::string& text, int maxWidth) override;
  void ShowHint(const std::string& text, const TRect& screenRect, TColor color) override;
  void HideHint() override;
  void SetImePosition(TPixelPoint p) override;
  void SetImeFont(const TFontDesc& font) override;
  void AcceptFiles(bool accept) override;
  void StartTimer(int id, int milliseconds) override;
  void StopTimer(int id) override;

  // The back buffer as last painted (for tests and printing previews).
  const QImage& BackBuffer() const { return buffer_; }
  // Whether some invalidated part waits for its paint (for tests).
  bool PaintPending() const { return !invalid_.isEmpty(); }
  bool CaretVisibleNow() const { return caret_.shown && caretBlinkOn_; }

  // The caret's place and the font for the input method's composition.
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  bool event(QEvent* e) override;
  // Follows the parent's resizes while aligned to it.
  bool eventFilter(QObject* watched, QEvent* e) override;
  bool viewportEvent(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;
  void inputMethodEvent(QInputMethodEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void dragEnterEvent(QDragEnterEvent* e) override;
  void dragMoveEvent(QDragMoveEvent* e) override;
  void dropEvent(QDropEvent* e) override;
  void timerEvent(QTimerEvent* e) override;
  void scrollContentsBy(int, int) override {}

 private:
  // Runs an event's work; a failure goes to the system's failure report.
  void Guarded(const std::function<void()>& work);
  void ScrollBarAction(TScrollBarKind bar, int action);
  void InvalidateCaret();
  // Watches the parent while aligned to it and takes its client area.
  void Realign();
  QRect CaretRect() const;

  // Whether the client keeps the keys of a dialog code from the dialog.
  bool Wants(unsigned dialogCode) const;
  // Where key events, input-method characters and wheel turns go.
  WindowClient* KeyReceiver() const { return keyTarget_ ? keyTarget_ : client_; }

  WindowClient* client_ = nullptr;
  WindowClient* keyTarget_ = nullptr;
  QImage buffer_;
  QRegion invalid_;  // what the client must paint afresh
  struct {
    bool created = false;
    bool shown = false;
    int width = 0, height = 0;
    QPoint pos;
  } caret_;
  bool caretBlinkOn_ = true;
  QTimer blink_;
  TScrollInfo scrollInfo_[2];
  ClientTimers timers_{*this};
  QPoint imePos_;
  QFont imeFont_;
  bool acceptFiles_ = false;
  bool captured_ = false;
  TAlign align_ = alNone;
  QPointer<QWidget> watchedParent_;
};

}  // namespace kau::platform
