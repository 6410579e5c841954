#include "platform/qt/qt_editor_host.h"

#include <QApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMimeData>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QUrl>

#include "platform/qt/event_values.h"
#include "platform/qt/guarded_event.h"
#include "platform/qt/key_map.h"
#include "platform/qt/qt_canvas.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_fonts.h"
#include "platform/qt/qt_system.h"
#include "platform/virtual_keys.h"
#include "platform/window/key_delivery.h"
#include "platform/window/system_services.h"

namespace kau::platform {

namespace {

Qt::CursorShape ShapeOf(TCursor c) {
  switch (c) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    default: return Qt::ArrowCursor;
  }
}

// A canvas on the back buffer for drawing outside a paint; what it drew is
// put on the screen when it goes: the clipped bounds of its drawings, nothing
// when it drew nothing.
struct BufferPainter {
  QPainter painter;
  explicit BufferPainter(QImage* image) : painter(image) {}
};

class DirectCanvas : private BufferPainter, public QtCanvas {
 public:
  DirectCanvas(QImage& buffer, QWidget* viewport)
      : BufferPainter(&buffer), QtCanvas(painter, {0, 0, buffer.width(), buffer.height()}), viewport_(viewport) {}
  ~DirectCanvas() override {
    if (viewport_ && !drawn_.IsEmpty()) viewport_->update(QRect(drawn_.Left, drawn_.Top, drawn_.Width(), drawn_.Height()));
  }

  void FillRect(const TRect& rect, TColor color) override {
    Touch(rect);
    QtCanvas::FillRect(rect, color);
  }
  void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                  const int* advances) override {
    // Text may reach anywhere inside the clip; a clipping rectangle bounds it.
    Touch(rect && (options & ETO_CLIPPED) ? *rect : ClipBox());
    if (rect && (options & ETO_OPAQUE)) Touch(*rect);
    QtCanvas::ExtTextOut(x, y, options, rect, text, advances);
  }
  void Line(TPixelPoint from, TPixelPoint to) override {
    // A wide pen spreads around the line by up to its width.
    const int w = std::max(Current().penWidth, 1);
    Touch({std::min(from.X, to.X) - w, std::min(from.Y, to.Y) - w, std::max(from.X, to.X) + w + 1,
           std::max(from.Y, to.Y) + w + 1});
    QtCanvas::Line(from, to);
  }
  void SetPixel(int x, int y, TColor color) override {
    Touch({x, y, x + 1, y + 1});
    QtCanvas::SetPixel(x, y, color);
  }
  void DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                 std::optional<TColor> transparent) override {
    Touch(dest);
    QtCanvas::DrawImage(image, source, dest, transparent);
  }

 private:
  void Touch(const TRect& rect) { drawn_ = UnionRect(drawn_, IntersectRect(rect, ClipBox())); }

  QPointer<QWidget> viewport_;
  TRect drawn_;
};

// The one hint window of the process, shared by all editors; it goes with the
// application object.
QPointer<QLabel> sharedHint;

void DeleteSharedHint() { delete sharedHint; }

QLabel& SharedHint() {
  if (!sharedHint) {
    sharedHint = new QLabel(nullptr, Qt::ToolTip);
    sharedHint->setMargin(2);
    sharedHint->setWordWrap(true);
    sharedHint->setAutoFillBackground(true);
    qAddPostRoutine(DeleteSharedHint);
  }
  return *sharedHint;
}

}  // namespace

QtEditorHost::QtEditorHost(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
  viewport()->setCursor(Qt::IBeamCursor);
  const int flash = QApplication::cursorFlashTime();
  blink_.setInterval(flash > 0 ? flash / 2 : 500);
  connect(&blink_, &QTimer::timeout, this, [this] {
    caretBlinkOn_ = !caretBlinkOn_;
    InvalidateCaret();
  });
  const std::pair<QScrollBar*, TScrollBarKind> bars[] = {{horizontalScrollBar(), sbHorizontal},
                                                         {verticalScrollBar(), sbVertical}};
  for (const auto& pair : bars) {
    QScrollBar* sb = pair.first;
    const TScrollBarKind kind = pair.second;
    connect(sb, &QScrollBar::actionTriggered, this, [this, kind](int action) { ScrollBarAction(kind, action); });
    connect(sb, &QScrollBar::sliderReleased, this, [this, sb, kind] {
      Guarded([&] {
        if (!client_) return;
        client_->Scroll(kind, SB_THUMBPOSITION, sb->sliderPosition());
        client_->Scroll(kind, SB_ENDSCROLL, 0);
      });
    });
  }
}

QtEditorHost::~QtEditorHost() = default;

void QtEditorHost::Guarded(const std::function<void()>& work) { RunGuarded(work); }

TRect QtEditorHost::ClientRect() const { return {0, 0, viewport()->width(), viewport()->height()}; }

void QtEditorHost::InvalidateRect(const TRect* rect, bool) {
  const QRect r = rect ? ToQRect(*rect) & viewport()->rect() : viewport()->rect();
  if (r.isEmpty()) return;
  invalid_ += r;
  viewport()->update(r);
}

void QtEditorHost::Update() { viewport()->repaint(); }

void QtEditorHost::ScrollArea(int dx, int dy, const TRect* area) {
  const QRect a = area ? ToQRect(*area) & viewport()->rect() : viewport()->rect();
  if (a.isEmpty() || (dx == 0 && dy == 0)) return;
  // Only the pixels that stay inside the area and are still valid are
  // copied: invalid ones are painted anew wherever they go, so scrolls
  // made one after another without a paint between them (a search that
  // brings match after match into view) stop copying once all is invalid.
  const QRect kept = a & a.translated(-dx, -dy);
  const QRect source = (QRegion(kept) - invalid_).boundingRect();
  if (!buffer_.isNull() && !source.isEmpty()) {
    const QImage moved = buffer_.copy(source);
    QPainter p(&buffer_);
    p.drawImage(source.topLeft() + QPoint(dx, dy), moved);
  }
  // Invalid parts move with the pixels; the uncovered band becomes invalid.
  const QRegion inside = invalid_ & a;
  invalid_ -= inside;
  invalid_ += inside.translated(dx, dy) & a;
  invalid_ += QRegion(a) - QRegion(a.translated(dx, dy));
  viewport()->update(a);
}

std::unique_ptr<Canvas> QtEditorHost::GetCanvas() {
  if (buffer_.size() != viewport()->size())
    buffer_ = QImage(viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  return std::make_unique<DirectCanvas>(buffer_, viewport());
}

QRect QtEditorHost::CaretRect() const { return QRect(caret_.pos, QSize(caret_.width, caret_.height)); }

void QtEditorHost::InvalidateCaret() {
  if (caret_.created) viewport()->update(CaretRect());
}

bool QtEditorHost::CreateCaret(int width, int height) {
  InvalidateCaret();
  caret_.created = true;
  caret_.shown = false;
  caret_.width = width;
  caret_.height = height;
  caretBlinkOn_ = true;
  blink_.start();
  return true;
}

void QtEditorHost::DestroyCaret() {
  InvalidateCaret();
  caret_.created = caret_.shown = false;
  blink_.stop();
}

void QtEditorHost::SetCaretPos(int x, int y) {
  InvalidateCaret();
  caret_.pos = QPoint(x, y);
  caretBlinkOn_ = true;
  InvalidateCaret();
}

bool QtEditorHost::ShowCaret() {
  if (!caret_.created) return false;
  caret_.shown = true;
  caretBlinkOn_ = true;
  InvalidateCaret();
  return true;
}

bool QtEditorHost::HideCaret() {
  if (!caret_.created) return false;
  caret_.shown = false;
  InvalidateCaret();
  return true;
}

void QtEditorHost::SetScrollInfo(TScrollBarKind bar, const TScrollInfo& info) {
  scrollInfo_[bar] = info;
  QScrollBar* sb = bar == sbVertical ? verticalScrollBar() : horizontalScrollBar();
  const QSignalBlocker block(sb);
  const int page = std::max(info.Page, 1);
  sb->setRange(info.Min, std::max(info.Min, info.Max - page + 1));
  sb->setPageStep(page);
  sb->setSingleStep(1);
  sb->setValue(info.Pos);
  if (info.DisableNoScroll) sb->setEnabled(info.Max - info.Min + 1 > info.Page);
}

void QtEditorHost::ShowScrollBar(TScrollBarKind bar, bool show) {
  const auto policy = show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
  // Setting a policy lays the bars out again and repaints them, even when
  // it is the one they have: the control asks after every change.
  if (policy == (bar == sbVertical ? verticalScrollBarPolicy() : horizontalScrollBarPolicy())) return;
  if (bar == sbVertical) setVerticalScrollBarPolicy(policy);
  else setHorizontalScrollBarPolicy(policy);
}

void QtEditorHost::EnableScrollBarArrows(TScrollBarKind bar, TScrollArrows arrows) {
  // Qt's bars have no separate arrows: a bar is disabled when both are.
  (bar == sbVertical ? verticalScrollBar() : horizontalScrollBar())->setEnabled(arrows != ESB_DISABLE_BOTH);
}

void QtEditorHost::ScrollBarAction(TScrollBarKind bar, int action) {
  QScrollBar* sb = bar == sbVertical ? verticalScrollBar() : horizontalScrollBar();
  const std::optional<TScrollCode> known = ScrollCodeOf(action);
  if (!known) return;
  const TScrollCode code = *known;
  const int pos = sb->sliderPosition();
  Guarded([&] {
    if (client_) client_->Scroll(bar, code, pos);
  });
  // The control has set the bar as it sees fit; Qt's own step is undone.
  if (code != SB_THUMBTRACK) sb->setSliderPosition(scrollInfo_[bar].Pos);
}

void QtEditorHost::SetCapture() {
  if (viewport()->isVisible()) viewport()->grabMouse();
  captured_ = true;
}

void QtEditorHost::ReleaseCapture() {
  if (!captured_) return;
  captured_ = false;
  if (QWidget::mouseGrabber() == viewport()) viewport()->releaseMouse();
  if (client_) client_->CaptureChanged();
}

bool QtEditorHost::HasCapture() const { return captured_; }

TPixelPoint QtEditorHost::CursorPos() const {
  const QPoint p = viewport()->mapFromGlobal(QCursor::pos());
  return {p.x(), p.y()};
}

void QtEditorHost::SetCursorShape(TCursor cursor) { viewport()->setCursor(ShapeOf(cursor)); }

TPixelPoint QtEditorHost::ClientToScreen(TPixelPoint p) const {
  const QPoint g = viewport()->mapToGlobal(QPoint(p.X, p.Y));
  return {g.x(), g.y()};
}

TRect QtEditorHost::HintRect(const std::string& text, int maxWidth) {
  const QFontMetrics fm(SharedHint().font());
  const QRect r = fm.boundingRect(QRect(0, 0, std::max(maxWidth - 8, 1), 100000), Qt::TextWordWrap, FromCp1252(text));
  return {0, 0, std::min(r.width() + 8, maxWidth), r.height() + 4};
}

void QtEditorHost::ShowHint(const std::string& text, const TRect& screenRect, TColor color) {
  QLabel& hint = SharedHint();
  QPalette pal = hint.palette();
  pal.setColor(QPalette::Window, ToQColor(color));
  pal.setColor(QPalette::WindowText, ToQColor(clInfoText));
  hint.setPalette(pal);
  hint.setText(FromCp1252(text));
  hint.setGeometry(ToQRect(screenRect));
  hint.show();
}

void QtEditorHost::HideHint() {
  if (sharedHint) sharedHint->hide();
}

void QtEditorHost::SetImePosition(TPixelPoint p) {
  imePos_ = QPoint(p.X, p.Y);
  QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

void QtEditorHost::SetImeFont(const TFontDesc& font) {
  imeFont_ = QtFontServices::ToQFont(font);
  QGuiApplication::inputMethod()->update(Qt::ImFont);
}

void QtEditorHost::AcceptFiles(bool accept) {
  acceptFiles_ = accept;
  setAcceptDrops(accept);
  viewport()->setAcceptDrops(accept);
}

void QtEditorHost::StartTimer(int id, int milliseconds) { timers_.Start(id, milliseconds); }

void QtEditorHost::StopTimer(int id) { timers_.Stop(id); }

TRect QtEditorHost::Bounds() const {
  const QRect r = geometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void QtEditorHost::SetBounds(const TRect& bounds) {
  // An aligned window keeps to its parent's client area.
  if (align_ == alClient && parentWidget())
    Realign();
  else
    setGeometry(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
}

void QtEditorHost::SetAlign(TAlign align) {
  align_ = align;
  Realign();
}

void QtEditorHost::Realign() {
  QWidget* parent = align_ == alClient ? parentWidget() : nullptr;
  if (watchedParent_ != parent) {
    if (watchedParent_) watchedParent_->removeEventFilter(this);
    watchedParent_ = parent;
    if (parent) parent->installEventFilter(this);
  }
  if (parent) setGeometry(parent->contentsRect());
}

bool QtEditorHost::eventFilter(QObject* watched, QEvent* e) {
  if (watched == watchedParent_ && e->type() == QEvent::Resize) Realign();
  return QAbstractScrollArea::eventFilter(watched, e);
}

bool QtEditorHost::event(QEvent* e) {
  // A new parent is followed in place of the old one.
  if (e->type() == QEvent::ParentChange) Realign();
  // The control drops repaint requests while the window is hidden, so all of
  // it is painted afresh when it shows again.
  if (e->type() == QEvent::Show) InvalidateRect(nullptr, false);
  // Tab and Shift+Tab are the control's keys when it wants them, else they
  // move the focus.
  if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if ((k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab) && Wants(DLGC_WANTTAB)) {
      keyPressEvent(k);
      return true;
    }
  }
  return QAbstractScrollArea::event(e);
}

bool QtEditorHost::viewportEvent(QEvent* e) {
  if (e->type() == QEvent::Enter || e->type() == QEvent::Leave) {
    Guarded([&] {
      if (!client_) return;
      if (e->type() == QEvent::Enter) client_->MouseEnter();
      else client_->MouseLeave();
    });
  }
  return QAbstractScrollArea::viewportEvent(e);
}

void QtEditorHost::paintEvent(QPaintEvent* e) {
  if (buffer_.size() != viewport()->size()) {
    buffer_ = QImage(viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    buffer_.fill(Qt::white);
    invalid_ = QRegion(viewport()->rect());
  }
  const QRegion todo = invalid_ & e->region();
  if (!todo.isEmpty()) {
    const QRect clip = todo.boundingRect();
    // Taken off first, so that a failing paint is not asked again at once.
    invalid_ -= clip;
    Guarded([&] {
      QPainter p(&buffer_);
      QtCanvas canvas(p, {clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
      if (client_) client_->Paint(canvas, {clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
    });
  }
  QPainter vp(viewport());
  vp.drawImage(e->rect(), buffer_, e->rect());
  if (caret_.created && caret_.shown && caretBlinkOn_) {
    vp.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    vp.fillRect(CaretRect(), Qt::white);
  }
}

void QtEditorHost::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  QImage grown(viewport()->size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  grown.fill(Qt::white);
  if (!buffer_.isNull()) {
    QPainter p(&grown);
    p.drawImage(0, 0, buffer_);
  }
  buffer_ = grown;
  invalid_ = QRegion(viewport()->rect());
  Guarded([&] {
    if (client_) client_->Resized();
  });
}

// The key target (an open list) decides while it takes the keys.
bool QtEditorHost::Wants(unsigned dialogCode) const {
  const WindowClient* receiver = KeyReceiver();
  return !receiver || (receiver->DialogCodes() & dialogCode);
}

void QtEditorHost::keyPressEvent(QKeyEvent* e) {
  // Return goes on to the dialog around a control that does not want it.
  if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && !Wants(DLGC_WANTALLKEYS)) {
    e->ignore();
    return;
  }
  e->accept();
  Guarded([&] {
    WindowClient* receiver = KeyReceiver();
    DeliverKeyEvent(
        VirtualKeyOf(*e), ShiftStateOf(e->modifiers()), ToCp1252(e->text()),
        [&](std::uint16_t key, TShiftState shift) {
          if (auto* qs = QtSystem(); qs && key) qs->NoteKey(key, true);
          if (receiver) receiver->KeyDown(key, shift);
        },
        [&](char c) {
          if (receiver) receiver->KeyPress(c);
        });
  });
}

// A held key repeats its presses; its one release comes when it is let go.
void QtEditorHost::keyReleaseEvent(QKeyEvent* e) {
  e->accept();
  if (e->isAutoRepeat()) return;
  Guarded([&] {
    std::uint16_t key = VirtualKeyOf(*e);
    if (!key) return;
    if (auto* qs = QtSystem()) qs->NoteKey(key, false);
    if (WindowClient* receiver = KeyReceiver()) receiver->KeyUp(key, ShiftStateOf(e->modifiers()));
  });
}

void QtEditorHost::inputMethodEvent(QInputMethodEvent* e) {
  e->accept();
  Guarded([&] {
    WindowClient* receiver = KeyReceiver();
    if (!receiver || e->commitString().isEmpty()) return;
    const std::string text = ToCp1252(e->commitString());
    receiver->ImeResult(text);
    // The window system follows a result string with its characters, which
    // the control counts off; they come the same way here. Pre-edit text is
    // the input method's to show; it never reaches the control.
    for (char c : text) receiver->KeyPress(c);
  });
}

QVariant QtEditorHost::inputMethodQuery(Qt::InputMethodQuery query) const {
  switch (query) {
    case Qt::ImEnabled: return true;
    case Qt::ImCursorRectangle: return QRect(imePos_, QSize(1, std::max(caret_.height, 1)));
    case Qt::ImFont: return imeFont_;
    default: return QAbstractScrollArea::inputMethodQuery(query);
  }
}

void QtEditorHost::mousePressEvent(QMouseEvent* e) {
  Guarded([&] {
    if (client_)
      client_->MouseDown(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()), e->position().toPoint().x(),
                         e->position().toPoint().y());
  });
}

void QtEditorHost::mouseDoubleClickEvent(QMouseEvent* e) {
  Guarded([&] {
    if (!client_) return;
    client_->DblClick();
    client_->MouseDown(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()) | ssDouble,
                       e->position().toPoint().x(), e->position().toPoint().y());
  });
}

void QtEditorHost::mouseMoveEvent(QMouseEvent* e) {
  Guarded([&] {
    if (!client_) return;
    client_->MouseMove(ShiftStateOf(e->modifiers(), e->buttons()), e->position().toPoint().x(),
                       e->position().toPoint().y());
    if (client_) client_->CursorRequested();
  });
}

void QtEditorHost::mouseReleaseEvent(QMouseEvent* e) {
  Guarded([&] {
    if (client_)
      client_->MouseUp(ButtonOf(e->button()), ShiftStateOf(e->modifiers(), e->buttons()), e->position().toPoint().x(),
                       e->position().toPoint().y());
  });
}

void QtEditorHost::wheelEvent(QWheelEvent* e) {
  e->accept();
  Guarded([&] {
    if (WindowClient* receiver = KeyReceiver())
      receiver->MouseWheel(ShiftStateOf(e->modifiers(), e->buttons()), e->angleDelta().y(),
                          e->position().toPoint().x(), e->position().toPoint().y());
  });
}

void QtEditorHost::focusInEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusInEvent(e);
  Guarded([&] {
    if (client_) client_->FocusIn();
  });
}

void QtEditorHost::focusOutEvent(QFocusEvent* e) {
  QAbstractScrollArea::focusOutEvent(e);
  Guarded([&] {
    if (client_) client_->FocusOut();
  });
}

void QtEditorHost::dragEnterEvent(QDragEnterEvent* e) {
  if (acceptFiles_ && e->mimeData()->hasUrls()) e->acceptProposedAction();
  else e->ignore();
}

void QtEditorHost::dragMoveEvent(QDragMoveEvent* e) {
  if (acceptFiles_ && e->mimeData()->hasUrls()) e->acceptProposedAction();
  else e->ignore();
}

void QtEditorHost::dropEvent(QDropEvent* e) {
  if (!acceptFiles_ || !e->mimeData()->hasUrls()) {
    e->ignore();
    return;
  }
  e->acceptProposedAction();
  Guarded([&] {
    std::vector<std::string> names;
    for (const QUrl& url : e->mimeData()->urls())
      if (url.isLocalFile()) names.push_back(url.toLocalFile().toStdString());
    const QPoint p = e->position().toPoint();
    if (client_ && !names.empty()) client_->DropFiles(p.x(), p.y(), names);
  });
}

void QtEditorHost::timerEvent(QTimerEvent* e) {
  const std::optional<int> id = timers_.IdOf(e->timerId());
  if (!id) {
    QAbstractScrollArea::timerEvent(e);
    return;
  }
  Guarded([&] {
    if (client_) client_->Timer(*id);
  });
}

}  // namespace kau::platform
