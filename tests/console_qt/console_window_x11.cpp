// The console window in a real X window under Xvfb, typed into by xdotool as
// a person types: a line with an accented letter, Enter, an extended key and
// Ctrl+C reach a program running on a worker thread. Saves a screenshot.
// Exits 0 when the program saw what was typed.
//   console_window_x11 PNG
#include <QApplication>
#include <QTimer>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "interpreter/entry_points.h"
#include "platform/console/screen_dump.h"
#include "platform/qt/qt_console_window.h"
#include "tests/x11_person/x11_person.h"

namespace {

using kau::console::ScreenConsole;
using kau::testing::XDoTool;

bool waitForText(const ScreenConsole& console, const std::string& utf8) {
  if (kau::testing::WaitUntil(
          [&] { return kau::console::screenText(console.snapshot()).find(utf8) != std::string::npos; }))
    return true;
  std::fprintf(stderr, "no \"%s\" on the screen:\n%s", utf8.c_str(), kau::console::screenText(console.snapshot()).c_str());
  return false;
}

// Types a letter on the French keyboard, where it has a key of its own, as a
// person with that keyboard does, then puts the American one back. xdotool
// would type a letter the map lacks by lending it a spare key for a moment,
// and a busy window may read the map after it is put back and see nothing;
// a map set beforehand stays, and the X server reports its change to the
// window before the key, so the letter arrives once, however late.
bool typeOnFrenchKeyboard(const ScreenConsole& console, const std::string& utf8, const std::string& shown) {
  if (std::system("setxkbmap fr") != 0) {
    std::fprintf(stderr, "setxkbmap fr failed\n");
    return false;
  }
  const bool typed = XDoTool("type --delay 40 '" + utf8 + "'") && waitForText(console, shown);
  return std::system("setxkbmap us") == 0 && typed;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  QApplication app(argc, argv);
  ScreenConsole console;
  kau::platform::QtConsoleWindow window(console);
  window.show();
  window.activateWindow();
  const std::string windowId = std::to_string(window.winId());

  kau::SetRunConsole(&console);
  kau::SetConsoleRun(false);
  std::atomic<bool> done{false};
  int result = -1;
  std::thread program([&] {
    result = kau::CompileAndRun(
        "PROGRAM Teclas;\n"
        "VAR nome: STRING; tecla: CHAR;\n"
        "BEGIN\n"
        "  TEXTCOLOR(11); WRITE('Nome: '); READLN(nome); WRITELN('Oi ', nome, '!');\n"
        "  tecla := READKEY; WRITE(ORD(tecla), ' '); tecla := READKEY; WRITELN(ORD(tecla));\n"
        "  TEXTCOLOR(14); WRITELN('Ctrl+C para parar'); WHILE TRUE DO tecla := ' ';\n"
        "END.\n");
    done = true;
  });
  bool typed = false;
  std::thread person([&] {  // types as a person does, looking at the screen
    typed = waitForText(console, "Nome:") && XDoTool("mousemove --window " + windowId + " 50 50") &&
            XDoTool("type --delay 40 'Jos'") && waitForText(console, "Nome: Jos") &&
            typeOnFrenchKeyboard(console, "\xC3\xA9", "Nome: Jos\xC3\xA9") && XDoTool("key Return") && waitForText(console, "Oi Jos\xC3\xA9!") &&
            XDoTool("key Up") && waitForText(console, "0 72") && waitForText(console, "parar") &&
            XDoTool("key ctrl+c");
    if (!typed) console.pressCtrlC();
  });
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    if (done) QApplication::quit();
  });
  watch.start(10);
  QApplication::exec();
  person.join();
  program.join();
  kau::SetRunConsole(nullptr);
  window.refresh();
  window.grab().save(QString::fromLocal8Bit(argv[1]));
  if (result != 1) std::fprintf(stderr, "%s\n", kau::GetCompileErrorText().c_str());
  const bool stopped = result == 1 && kau::GetCompileErrorText().find("CTRL+ C") != std::string::npos;
  std::printf("typed: %s, stopped by Ctrl+C: %s\n", typed ? "yes" : "no", stopped ? "yes" : "no");
  return typed && stopped ? 0 : 1;
}
