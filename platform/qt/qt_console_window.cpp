#include "platform/qt/qt_console_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>
#include <algorithm>
#include <array>

#include "platform/console/output_encoding.h"
#include "platform/qt/console_keys.h"

namespace kau::platform {
namespace {

constexpr int kRefreshMilliseconds = 16;  // about 60 snapshots a second at most
constexpr int kBlinkMilliseconds = 500;
constexpr int kFontPixelSize = 16;
constexpr int kCursorHeight = 2;
// A student who clicks the close box of a program that seems stuck often
// clicks again, more slowly than a double click.
constexpr int kStopClickMilliseconds = 1500;

// The glyph of every code page 850 byte, as the terminal shows it.
const std::array<QString, 256>& glyphs() {
  static const std::array<QString, 256> table = [] {
    std::array<QString, 256> t;
    for (int byte = 0; byte < 256; ++byte) {
      const char32_t c = console::screenGlyph(static_cast<unsigned char>(byte));
      t[static_cast<std::size_t>(byte)] = QString::fromUcs4(&c, 1);
    }
    return t;
  }();
  return table;
}

QColor blend(const QColor& foreground, const QColor& background, int percent) {
  auto mix = [percent](int f, int b) { return (f * percent + b * (100 - percent)) / 100; };
  return QColor(mix(foreground.red(), background.red()), mix(foreground.green(), background.green()),
                mix(foreground.blue(), background.blue()));
}

}  // namespace

QColor QtConsoleWindow::paletteColor(int index) {
  static const QRgb colours[16] = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
                                   0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  return QColor::fromRgb(colours[index & 0x0F]);
}

int QtConsoleWindow::stopClickMilliseconds() {
  return std::max(kStopClickMilliseconds, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

QtConsoleWindow::QtConsoleWindow(console::ScreenConsole& console, QWidget* parent)
    : QWidget(parent, Qt::Window), console_(console), font_(QStringLiteral("DejaVu Sans Mono")) {
  setObjectName(QStringLiteral("ConsoleWindow"));
  setWindowTitle(QString::fromUtf8("Console do Pascal KAU!"));
  font_.setPixelSize(kFontPixelSize);
  font_.setStyleHint(QFont::Monospace);
  const QFontMetrics metrics(font_);
  cell_ = QSize(metrics.horizontalAdvance(QLatin1Char('M')), metrics.height());
  baseline_ = metrics.ascent();
  setFixedSize(cell_.width() * console::ScreenSnapshot::kColumns, cell_.height() * console::ScreenSnapshot::kRows);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled);

  connect(&refreshTimer_, &QTimer::timeout, this, [this] { refresh(); });
  refreshTimer_.start(kRefreshMilliseconds);
  connect(&blinkTimer_, &QTimer::timeout, this, [this] {
    blinkOn_ = !blinkOn_;
    update();
  });
  blinkTimer_.start(kBlinkMilliseconds);
  refresh();
}

void QtConsoleWindow::refresh() {
  const std::uint64_t changes = console_.changeCount();
  if (changes == shownChanges_) return;
  shownChanges_ = changes;
  const std::uint64_t bells = shown_.bells;
  shown_ = console_.snapshot();
  if (shown_.bells != bells) QApplication::beep();
  update();
}

void QtConsoleWindow::paintCell(QPainter& painter, const QRect& box, const console::ScreenCell& cell) const {
  const QColor background = paletteColor((cell.attribute >> 4) & 0x07);
  const QColor foreground = paletteColor(cell.attribute & 0x0F);
  painter.fillRect(box, background);
  if ((cell.attribute & 0x80) && !blinkOn_) return;
  const int halfWidth = box.width() / 2;
  const int halfHeight = box.height() / 2;
  switch (cell.byte) {  // shades and blocks fill their cells, so that they join
    case 0xB0: painter.fillRect(box, blend(foreground, background, 25)); return;
    case 0xB1: painter.fillRect(box, blend(foreground, background, 50)); return;
    case 0xB2: painter.fillRect(box, blend(foreground, background, 75)); return;
    case 0xDB: painter.fillRect(box, foreground); return;
    case 0xDC: painter.fillRect(box.adjusted(0, halfHeight, 0, 0), foreground); return;
    case 0xDD: painter.fillRect(QRect(box.left(), box.top(), halfWidth, box.height()), foreground); return;
    case 0xDE: painter.fillRect(box.adjusted(halfWidth, 0, 0, 0), foreground); return;
    case 0xDF: painter.fillRect(QRect(box.left(), box.top(), box.width(), halfHeight), foreground); return;
    case 0x00:
    case ' ': return;
    default:
      painter.setPen(foreground);
      painter.drawText(QPoint(box.left(), box.top() + baseline_), glyphs()[cell.byte]);
  }
}

void QtConsoleWindow::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.setFont(font_);
  const QRect dirty = event->rect();
  for (int row = 1; row <= console::ScreenSnapshot::kRows; ++row) {
    for (int column = 1; column <= console::ScreenSnapshot::kColumns; ++column) {
      const QRect box((column - 1) * cell_.width(), (row - 1) * cell_.height(), cell_.width(), cell_.height());
      if (box.intersects(dirty)) paintCell(painter, box, shown_.at(column, row));
    }
  }
  if (blinkOn_) {  // the cursor: an underline in the colour of its cell's text
    const QRect box((shown_.cursorColumn - 1) * cell_.width(), shown_.cursorRow * cell_.height() - kCursorHeight,
                    cell_.width(), kCursorHeight);
    painter.fillRect(box, paletteColor(shown_.at(shown_.cursorColumn, shown_.cursorRow).attribute & 0x0F));
  }
}

void QtConsoleWindow::keyPressEvent(QKeyEvent* event) {
  if (!typeConsoleKey(console_, *event)) QWidget::keyPressEvent(event);
}

void QtConsoleWindow::inputMethodEvent(QInputMethodEvent* event) {
  for (const char32_t c : event->commitString().toUcs4()) console_.typeCharacter(c);
  event->accept();
}

void QtConsoleWindow::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection())
    pasteIntoConsole(console_, QClipboard::Selection);
  else
    QWidget::mouseReleaseEvent(event);
}

// Only the close box (an event of the window system) is refused: a close
// asked by the program itself, as the application's quit asks every window,
// goes through. The run stops at the first click on the box and is over
// before the second click of a double click (or an impatient one, or a slow
// one) comes: that click belongs to the stop and must not quit. Neither must
// the clicks of a student who keeps clicking a program that seemed stuck:
// each click that belongs to the stop holds the window open for the next.
void QtConsoleWindow::closeEvent(QCloseEvent* event) {
  if (!event->spontaneous()) return;
  event->ignore();
  if (console_.runOpen()) {
    console_.pressCtrlC();
    sinceStopRequest_.start();
    return;
  }
  const bool partOfTheStop = sinceStopRequest_.isValid() && sinceStopRequest_.elapsed() < stopClickMilliseconds();
  if (partOfTheStop) sinceStopRequest_.start();
  else sinceStopRequest_.invalidate();
  const std::function<void()>& handler = partOfTheStop ? stopClicked_ : closeRequested_;
  if (handler) handler();
}

}  // namespace kau::platform
