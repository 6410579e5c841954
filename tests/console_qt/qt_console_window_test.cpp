// The console window: keys pressed in it reach a program as the terminal's
// keys do, cells are painted in the text-mode palette, the close box stops a
// run (its double click, or a burst of clicks, does no more), and a program
// on a worker thread is served while the window paints.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStyleHints>
#include <QTimer>
#include <QWindow>
#ifdef KAU_WITH_QT_PLATFORM_EVENTS
#include <qpa/qwindowsysteminterface.h>
#endif
#include <algorithm>
#include <cctype>
#include <thread>
#include <vector>

#include "interpreter/entry_points.h"
#include "platform/console/screen_dump.h"
#include "platform/qt/qt_console_window.h"
#include "tests/support/hang_bound.h"

namespace kau::platform {
namespace {

using console::ScreenConsole;

void press(QWidget& window, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&window, &event);
}

// Processes events until `done` holds, up to the hang bound.
template <typename Condition>
bool waitUntil(Condition done) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > kau::testing::kHangMilliseconds) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  return true;
}

class ConsoleWindowTest : public ::testing::Test {
 protected:
  ConsoleWindowTest() : window(console) { window.show(); }
  QImage picture() {
    window.refresh();
    return window.grab().toImage();
  }
  QPoint centreOf(int column, int row) const {
    const QSize cell = window.cellSize();
    return QPoint((column - 1) * cell.width() + cell.width() / 2, (row - 1) * cell.height() + cell.height() / 2);
  }
  // Pixels of colour `colour` inside the cell.
  int pixelsOf(const QImage& image, int column, int row, QColor colour) const {
    const QSize cell = window.cellSize();
    int count = 0;
    for (int y = 0; y < cell.height(); ++y)
      for (int x = 0; x < cell.width(); ++x)
        count += image.pixelColor((column - 1) * cell.width() + x, (row - 1) * cell.height() + y) == colour;
    return count;
  }
  ScreenConsole console;
  QtConsoleWindow window;
};

// A key pressed in the window and the values the program reads for it.
struct KeyCase {
  int key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
  std::vector<int> values;
};

TEST_F(ConsoleWindowTest, KeyEventsGiveTheConsoleKeyTable) {
  EXPECT_EQ(window.windowTitle(), QString::fromUtf8("Console do Pascal KAU!"));
  const KeyCase table[] = {
      {Qt::Key_Up, {}, "", {0, 72}},        {Qt::Key_Down, {}, "", {0, 80}},     {Qt::Key_Left, {}, "", {0, 75}},
      {Qt::Key_Right, {}, "", {0, 77}},     {Qt::Key_Home, {}, "", {0, 71}},     {Qt::Key_End, {}, "", {0, 79}},
      {Qt::Key_PageUp, {}, "", {0, 73}},    {Qt::Key_PageDown, {}, "", {0, 81}}, {Qt::Key_Insert, {}, "", {0, 82}},
      {Qt::Key_Delete, {}, "", {0, 83}},    {Qt::Key_F1, {}, "", {0, 59}},       {Qt::Key_F10, {}, "", {0, 68}},
      {Qt::Key_F11, {}, "", {0, 133}},      {Qt::Key_F12, {}, "", {0, 134}},     {Qt::Key_Return, {}, "\r", {13}},
      {Qt::Key_Enter, Qt::KeypadModifier, "\r", {13}}, {Qt::Key_Backspace, {}, "\b", {8}},
      {Qt::Key_Escape, {}, "\x1b", {27}},   {Qt::Key_Tab, {}, "\t", {9}},        {Qt::Key_Eacute, {}, "\xC3\xA9", {0x82}},
      {Qt::Key_A, Qt::ShiftModifier, "A", {'A'}}, {Qt::Key_D, Qt::ControlModifier, "\x04", {4}},
  };
  console.beginRun();
  for (const auto& row : table) {
    press(window, row.key, row.modifiers, QString::fromUtf8(row.text));
    std::vector<int> got;
    while (got.size() < row.values.size()) got.push_back(console.readKey());
    EXPECT_EQ(got, row.values) << row.key;
  }
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("\xC3\xA3"));  // ã from an input method
  QApplication::sendEvent(&window, &composed);
  EXPECT_EQ(console.readKey(), 0xC6);
  press(window, Qt::Key_Shift, Qt::ShiftModifier);  // a modifier alone is no key
  press(window, Qt::Key_C, Qt::ControlModifier, "\x03");
  EXPECT_TRUE(console::interruptFlag().load());
  EXPECT_EQ(console.readKey(), -1);
  console.endRun();
}

TEST_F(ConsoleWindowTest, CellsArePaintedInThePalette) {
  for (int colour = 0; colour < 16; ++colour) {
    console.gotoXY(colour + 1, 1);
    console.setTextAttribute(static_cast<unsigned char>(colour | ((7 - colour % 8) << 4)));
    console.write("\xDB");  // █ fills its cell with the text colour
    console.gotoXY(colour + 1, 2);
    console.write(" ");     // a blank shows the background
  }
  console.setTextAttribute(0x1F);
  console.gotoXY(1, 3);
  console.write("\x82 \xDF\xDC\xB1");
  const QImage image = picture();
  for (int colour = 0; colour < 16; ++colour) {
    EXPECT_EQ(image.pixelColor(centreOf(colour + 1, 1)), QtConsoleWindow::paletteColor(colour)) << colour;
    EXPECT_EQ(image.pixelColor(centreOf(colour + 1, 2)), QtConsoleWindow::paletteColor(7 - colour % 8)) << colour;
  }
  const QColor white = QtConsoleWindow::paletteColor(15), blue = QtConsoleWindow::paletteColor(1);
  const int area = window.cellSize().width() * window.cellSize().height();
  EXPECT_LT(pixelsOf(image, 1, 3, blue), area - 5);  // é is drawn
  EXPECT_EQ(pixelsOf(image, 2, 3, blue), area);      // the blank is not
  EXPECT_EQ(pixelsOf(image, 3, 3, white), area - pixelsOf(image, 3, 3, blue));
  EXPECT_GE(pixelsOf(image, 3, 3, white) * 2, area - window.cellSize().width());  // ▀ the upper half
  EXPECT_GE(pixelsOf(image, 4, 3, white) * 2, area - window.cellSize().width());  // ▄ the lower half
  EXPECT_EQ(image.pixelColor(centreOf(5, 3)), QColor(0x7F, 0x7F, 0xBF));          // ▒ half and half
}

TEST_F(ConsoleWindowTest, BlinkingTextComesAndGoes) {
  console.setTextAttribute(0x8E);
  console.write("\xDB");
  bool shown = false, hidden = false;
  EXPECT_TRUE(waitUntil([&] {
    const QColor centre = picture().pixelColor(centreOf(1, 1));
    shown |= centre == QtConsoleWindow::paletteColor(14);
    hidden |= centre == QtConsoleWindow::paletteColor(0);
    return shown && hidden;
  }));
}

TEST_F(ConsoleWindowTest, CloseBoxStopsARunOrAsksTheMainWindow) {
#ifndef KAU_WITH_QT_PLATFORM_EVENTS
  GTEST_SKIP() << "needs Qt's private headers to press the close box";
#else
  int requests = 0, stopClicks = 0;
  window.setCloseRequestHandler([&] { ++requests; });
  window.setStopClickHandler([&] { ++stopClicks; });
  // The close box, as the window system reports it.
  const auto closeBox = [this] {
    QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(window.windowHandle());
  };
  console.beginRun();
  QElapsedTimer sinceStop;
  sinceStop.start();
  closeBox();
  EXPECT_TRUE(console::interruptFlag().load());
  EXPECT_EQ(requests, 0);
  EXPECT_TRUE(window.isVisible());
  console.endRun();
  closeBox();  // the second click of a double click: part of the stop
  EXPECT_EQ(requests, 0);
  EXPECT_EQ(stopClicks, 1);
  // A slow second click, well past the double-click interval: still part of
  // the stop.
  const int slowClick = std::max(600, QGuiApplication::styleHints()->mouseDoubleClickInterval() + 100);
  ASSERT_LT(slowClick, QtConsoleWindow::stopClickMilliseconds());
  EXPECT_TRUE(waitUntil([&] { return sinceStop.elapsed() >= slowClick; }));
  QElapsedTimer sinceClick;
  closeBox();
  sinceClick.start();
  EXPECT_EQ(requests, 0);
  EXPECT_EQ(stopClicks, 2);
  // A student who keeps clicking: each click well within the time of the one
  // before, the last long past the stop.
  const int apart = QtConsoleWindow::stopClickMilliseconds() * 2 / 3;
  for (int click = 0; click < 3; ++click) {
    EXPECT_TRUE(waitUntil([&] { return sinceClick.elapsed() >= apart; }));
    closeBox();
    sinceClick.start();
  }
  EXPECT_GE(sinceStop.elapsed(), 2 * QtConsoleWindow::stopClickMilliseconds());
  EXPECT_EQ(requests, 0);
  EXPECT_EQ(stopClicks, 5);
  // A click of its own, after a pause.
  EXPECT_TRUE(waitUntil([&] { return sinceClick.elapsed() >= QtConsoleWindow::stopClickMilliseconds(); }));
  EXPECT_GE(QtConsoleWindow::stopClickMilliseconds(), QGuiApplication::styleHints()->mouseDoubleClickInterval());
  EXPECT_GE(QtConsoleWindow::stopClickMilliseconds(), 1500);
  closeBox();
  EXPECT_EQ(requests, 1);
  EXPECT_EQ(stopClicks, 5);
  EXPECT_TRUE(window.isVisible());
  window.close();  // the program's own close goes through
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(requests, 1);
#endif
}

// The application's quit closes every window and must not be refused.
TEST_F(ConsoleWindowTest, ApplicationQuitClosesIt) {
  int requests = 0;
  window.setCloseRequestHandler([&] { ++requests; });
  QTimer quit, giveUp;
  QObject::connect(&quit, &QTimer::timeout, [] { QApplication::quit(); });
  QObject::connect(&giveUp, &QTimer::timeout, [] { QApplication::exit(1); });
  quit.start(0);
  giveUp.start(kau::testing::kHangMilliseconds);
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(requests, 0);
}

// Ctrl+V, Ctrl+Shift+V and Shift+Insert type the clipboard's text, and
// nothing of their own; the keys beside them stay what they were.
TEST_F(ConsoleWindowTest, PasteKeysTypeTheClipboard) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8("Concei\u00E7\u00E3o\nx"));
  const std::vector<int> pasted{'C', 'o', 'n', 'c', 'e', 'i', 0x87, 0xC6, 'o', 13, 'x'};
  const KeyCase table[] = {
      {Qt::Key_V, Qt::ControlModifier, "\x16", pasted},
      {Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier, "\x16", pasted},
      {Qt::Key_Insert, Qt::ShiftModifier, "", pasted},
      {Qt::Key_Insert, Qt::ControlModifier, "", {0, 82}},
      {Qt::Key_V, Qt::ShiftModifier, "V", {'V'}},
      {Qt::Key_B, Qt::ControlModifier, "\x02", {2}},
  };
  console.beginRun();
  for (const auto& row : table) {
    press(window, row.key, row.modifiers, QString::fromUtf8(row.text));
    press(window, Qt::Key_Period, {}, ".");  // the end of what the key typed
    std::vector<int> got;
    for (int key = console.readKey(); key != '.' && key >= 0; key = console.readKey()) got.push_back(key);
    EXPECT_EQ(got, row.values) << row.key << " " << row.modifiers.toInt();
  }
  console.endRun();
}

// The program runs on a worker thread as in the windows; its keys are
// pressed in the window on this thread, which keeps painting meanwhile.
TEST_F(ConsoleWindowTest, RunsAProgramTypedInTheWindow) {
  SetRunConsole(&console);
  SetConsoleRun(true);
  std::string source = "PROGRAM Cores;\nVAR nome: STRING;\nBEGIN\n  WRITE('Seu nome: '); READLN(nome); WRITELN;\n";
  for (int colour = 1; colour < 16; ++colour)  // colours are constants of the instruction
    source += "  TEXTCOLOR(" + std::to_string(colour) + "); TEXTBACKGROUND(" + std::to_string(7 - colour % 8) +
              "); WRITELN(' Ol', CHR(160), ' ', nome, ' ');\n";
  source +=
      "  TEXTBACKGROUND(1); TEXTCOLOR(14); WRITELN(CHR(219), CHR(178), CHR(177), CHR(176), ' Pascal ', CHR(130));\n"
      "  TEXTCOLOR(140); WRITELN('piscando');\n"
      "END.\n";
  int result = -1;
  std::thread worker([&] { result = CompileAndRun(source.c_str()); });
  const auto screenHas = [&](const char* text) {
    return console::screenText(console.snapshot()).find(text) != std::string::npos;
  };
  const bool prompted = waitUntil([&] { return screenHas("Seu nome:"); });
  for (const char c : std::string("Ana")) press(window, Qt::Key_A + (std::toupper(c) - 'A'), {}, QString(QChar(c)));
  press(window, Qt::Key_Backspace, {}, "\b");
  press(window, Qt::Key_A, {}, "a");
  press(window, Qt::Key_Return, {}, "\r");
  const bool ran = waitUntil([&] { return screenHas("piscando"); });
  window.refresh();
  QDir().mkpath(KAU_SCREENSHOT_DIR);
  window.grab().save(KAU_SCREENSHOT_DIR "/console_window.png");
  press(window, Qt::Key_Return, {}, "\r");  // the wait after a normal end
  if (!ran || !prompted) console.pressCtrlC();
  worker.join();
  SetRunConsole(nullptr);
  EXPECT_TRUE(prompted && ran) << console::screenText(console.snapshot());
  EXPECT_EQ(result, 0) << GetCompileErrorText();
  EXPECT_TRUE(screenHas("Seu nome: Ana"));
  EXPECT_TRUE(screenHas("Ol\xC3\xA1 Ana"));
  // After the Enter that ends the run, the banner on the second-last row.
  const QStringList rows = QString::fromStdString(console::screenText(console.snapshot())).split(QLatin1Char('\n'));
  EXPECT_EQ(rows.value(23), QString::fromUtf8(" \u2588\u2588\u2588 Pascal KAU! Versao 4.06"));
  EXPECT_EQ(console.textAttribute(), 0x07);
  EXPECT_FALSE(console.runOpen());
}

}  // namespace
}  // namespace kau::platform
