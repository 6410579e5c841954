#include "platform/qt/qt_system.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QScreen>
#include <QStyle>

#include "platform/qt/message_box.h"
#include "platform/qt/qt_colors.h"
#include "platform/qt/qt_editor_host.h"
#include "platform/virtual_keys.h"

namespace kau::platform {

bool QtClipboard::Accepts(TClipboardFormat format) {
  return format == CF_TEXT || !ClipboardFormatName(format).empty();
}

void QtClipboard::Commit(const Entries& entries, bool emptied) {
  auto* data = new QMimeData;
  if (!emptied) {
    if (const QMimeData* old = QGuiApplication::clipboard()->mimeData())
      for (const QString& f : old->formats()) data->setData(f, old->data(f));
  }
  for (const auto& [format, bytes] : entries) {
    if (format == CF_TEXT) {
      // Linux programs break lines with LF alone.
      std::string lf;
      lf.reserve(bytes.size());
      for (std::size_t i = 0; i < bytes.size(); ++i)
        if (!(bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')) lf += bytes[i];
      data->setText(FromCp1252(lf));
    } else {
      const QString mime = QString::fromStdString(PrivateFormatMimeType(ClipboardFormatName(format)));
      data->setData(mime, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    }
  }
  QGuiApplication::clipboard()->setMimeData(data);
}

bool QtClipboard::HasFormat(TClipboardFormat format) {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (!data) return false;
  if (format == CF_TEXT) return data->hasText();
  const std::string name = ClipboardFormatName(format);
  return !name.empty() && data->hasFormat(QString::fromStdString(PrivateFormatMimeType(name)));
}

bool QtClipboard::GetData(TClipboardFormat format, std::string& bytes) {
  if (!IsOpen() || !HasFormat(format)) return false;
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  if (format == CF_TEXT) {
    // Text ends at its first NUL, as the window system's text entries do.
    const QString text = data->text();
    const qsizetype nul = text.indexOf(QChar(0));
    bytes = ToCp1252(nul < 0 ? text : text.left(nul));
    return true;
  }
  const QByteArray raw = data->data(QString::fromStdString(PrivateFormatMimeType(ClipboardFormatName(format))));
  bytes.assign(raw.constData(), static_cast<std::size_t>(raw.size()));
  return true;
}

namespace {
QtSystemServices* installedQt = nullptr;
}

QtSystemServices* QtSystem() { return installedQt; }

QtSystemServices::QtSystemServices() {
  SetSystem(this);
  SetFonts(&fonts_);
  InstallSystemColors(QApplication::palette());
  installedQt = this;
}

QtSystemServices::~QtSystemServices() {
  if (&System() == this) SetSystem(nullptr);
  if (&Fonts() == &fonts_) SetFonts(nullptr);
  if (installedQt == this) {
    installedQt = nullptr;
    ResetSystemColors();
  }
}

WindowHost* QtSystemServices::HostAt(TPixelPoint screenPoint) {
  for (QWidget* w = QApplication::widgetAt(QPoint(screenPoint.X, screenPoint.Y)); w; w = w->parentWidget())
    if (auto* host = dynamic_cast<QtEditorHost*>(w)) return host;
  return nullptr;
}

bool QtSystemServices::KeyPressed(std::uint16_t key) {
  const Qt::KeyboardModifiers m = QGuiApplication::queryKeyboardModifiers();
  if (key == VK_SHIFT) return m & Qt::ShiftModifier;
  if (key == VK_CONTROL) return m & Qt::ControlModifier;
  if (key == VK_MENU) return m & Qt::AltModifier;
  return held_.count(key) != 0;
}

void QtSystemServices::NoteKey(std::uint16_t key, bool down) {
  if (down) held_.insert(key);
  else held_.erase(key);
}

TSize QtSystemServices::DragDistance() {
  const int d = QApplication::startDragDistance();
  return {d, d};
}

int QtSystemServices::WheelScrollLines() { return QApplication::wheelScrollLines(); }

int QtSystemServices::VerticalArrowHeight() { return QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent); }

TRect QtSystemServices::WorkAreaAt(TPixelPoint screenPoint) {
  QScreen* screen = QGuiApplication::screenAt(QPoint(screenPoint.X, screenPoint.Y));
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return {0, 0, 1024, 768};
  const QRect r = screen->availableGeometry();
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

bool QtSystemServices::ApplicationActive() { return QGuiApplication::applicationState() == Qt::ApplicationActive; }

void QtSystemServices::ShowException(const std::string& message) {
  if (reporter_) {
    reporter_(message);
    return;
  }
  ShowMessage(QApplication::activeWindow(), QMessageBox::Critical, FromCp1252(message), QMessageBox::Ok,
              QApplication::applicationName());
}

}  // namespace kau::platform
