// The console on a terminal, played through a pseudo-terminal: what reaches
// the screen, keys without echo, the terminal's mode around a run, Ctrl+C,
// and the restoring of the terminal when the process is ended by a signal.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <utility>

#include "platform/console/terminal_console.h"
#include "tests/console/test_support.h"

namespace kau::console {
namespace {

using testing::DelayedInterrupt;
using testing::KeyTyper;
using testing::PseudoTerminal;

// The key that readKey gives while `keys` are typed.
int keyTyped(Console& console, const PseudoTerminal& pty, const std::string& keys) {
  KeyTyper typist(pty, keys);
  return console.readKey();
}

bool sameModes(const termios& a, const termios& b) {
  return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag && a.c_lflag == b.c_lflag &&
         std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

termios modesOf(int fd) {
  termios modes{};
  tcgetattr(fd, &modes);
  return modes;
}

TEST(PtyConsole, ScreenOperationsEmitEscapeSequences) {
  PseudoTerminal pty;
  auto console = makeTerminalConsole(pty.slave, pty.slave);
  EXPECT_EQ(console->windowRows(), 24);
  EXPECT_EQ(console->windowColumns(), 80);
  console->setTextAttribute(0x1E);
  console->setTextAttribute(0x1E);  // unchanged: nothing more
  console->gotoXY(5, 3);
  console->gotoXY(81, 1);           // outside the window: ignored
  console->gotoXY(1, 25);
  console->gotoXY(0, 1);
  console->write("\x82\x01");
  console->clearScreen();
  console->setTextAttribute(0x8A);
  console->write("#");
  EXPECT_EQ(pty.readUntil("#"), "\033[0;93;44m\033[3;5Hé☺\033[2J\033[H\033[0;92;40;5m#");
  console->endRun();                // colours back to the terminal's own
  console->write("#");
  EXPECT_EQ(pty.readUntil("#"), "\033[0m#");
}

TEST(PtyConsole, LineFeedMovesDownWithoutReturningAndTheRowIsTracked) {
  PseudoTerminal pty;
  auto console = makeTerminalConsole(pty.slave, pty.slave);
  console->beginRun();
  console->gotoXY(1, 10);
  console->write("ab\r\ncd\n#");
  EXPECT_EQ(pty.readUntil("#"), "\033[10;1Hab\r\r\ncd\033D#");  // the terminal adds a CR to LF
  EXPECT_EQ(console->cursorRow(), 12);
  console->write(std::string(30, '\n'));
  EXPECT_EQ(console->cursorRow(), 24);  // scrolled at the bottom
  console->clearScreen();
  EXPECT_EQ(console->cursorRow(), 1);
  console->endRun();
}

TEST(PtyConsole, FinishLineStartsAFreshLineUnlessTheCursorIsInColumnOne) {
  PseudoTerminal pty;
  auto console = makeTerminalConsole(pty.slave, pty.slave);
  console->write("ab");
  console->finishLine();
  console->finishLine();  // in column 1 now: nothing
  console->write("#");
  EXPECT_EQ(pty.readUntil("#"), "ab\r\r\n#");  // the terminal adds a CR to LF
  console->write(std::string(79, 'x'));    // the last column, the wrap pending
  console->finishLine();
  console->write("#");
  EXPECT_EQ(pty.readUntil("#"), std::string(79, 'x') + "\r\r\n#");
  EXPECT_FALSE(console->outputFailed());
}

TEST(PtyConsole, KeysWithoutEchoAndExtendedKeys) {
  PseudoTerminal pty;
  auto console = makeTerminalConsole(pty.slave, pty.slave);
  console->beginRun();
  EXPECT_EQ(keyTyped(*console, pty, "\x1b[A"), 0);
  EXPECT_EQ(console->readKey(), 72);
  EXPECT_EQ(keyTyped(*console, pty, "\r"), 13);
  EXPECT_EQ(keyTyped(*console, pty, "\xC3\xA9"), 0x82);  // é in code page 850
  EXPECT_EQ(keyTyped(*console, pty, "\x7f"), 8);
  EXPECT_EQ(keyTyped(*console, pty, "\x1b"), 27);         // Escape alone
  EXPECT_EQ(keyTyped(*console, pty, "\x1bOP"), 0);
  EXPECT_EQ(console->readKey(), 59);
  EXPECT_EQ(keyTyped(*console, pty, "ab"), 'a');           // typed together
  EXPECT_EQ(console->readKey(), 'b');
  console->write("#");
  EXPECT_EQ(pty.readUntil("#"), "#");   // nothing was echoed
  const termios during = modesOf(pty.slave);
  EXPECT_TRUE(during.c_lflag & ICANON);  // line input again after each key
  EXPECT_TRUE(during.c_lflag & ECHO);
  console->endRun();
}

TEST(PtyConsole, LineInputIsEchoedAndFollowedByTheCursor) {
  PseudoTerminal pty;
  auto console = makeTerminalConsole(pty.slave, pty.slave);
  console->beginRun();
  console->gotoXY(10, 5);
  pty.type("12 x\r34\r");
  EXPECT_EQ(console->readChar(), '1');
  EXPECT_EQ(console->readChar(), '2');
  console->discardRestOfLine();
  EXPECT_EQ(console->cursorRow(), 6);    // Enter's echo went to the next row
  console->discardPendingInput();        // the typed-ahead "34" line
  pty.type("5\r");
  EXPECT_EQ(console->readChar(), '5');
  console->write("#");
  const std::string screen = pty.readUntil("#");
  EXPECT_NE(screen.find("12 x\r\n"), std::string::npos) << screen;
  console->endRun();
}

TEST(PtyConsole, EndRunRestoresTheTerminalModes) {
  PseudoTerminal pty;
  termios odd = modesOf(pty.slave);
  odd.c_lflag &= ~ECHO;  // a terminal left without echo gets it for the run
  tcsetattr(pty.slave, TCSANOW, &odd);
  const termios before = modesOf(pty.slave);

  auto console = makeTerminalConsole(pty.slave, pty.slave);
  console->beginRun();
  EXPECT_TRUE(modesOf(pty.slave).c_lflag & ECHO);
  EXPECT_TRUE(modesOf(pty.slave).c_lflag & ICANON);
  EXPECT_EQ(keyTyped(*console, pty, "k"), 'k');
  console->endRun();
  EXPECT_TRUE(sameModes(modesOf(pty.slave), before));
  console->endRun();
  EXPECT_TRUE(sameModes(modesOf(pty.slave), before));

  console->beginRun();
  console.reset();  // a console destroyed during a run ends it
  EXPECT_TRUE(sameModes(modesOf(pty.slave), before));
}

TEST(PtyConsole, CtrlCEndsAKeyWaitAndRestoresLineMode) {
  PseudoTerminal pty;
  const termios before = modesOf(pty.slave);
  auto console = makeTerminalConsole(pty.slave, pty.slave);
  console->beginRun();
  {
    DelayedInterrupt ctrlC;
    EXPECT_EQ(console->readKey(), -1);
  }
  EXPECT_TRUE(interruptFlag().load());
  EXPECT_TRUE(modesOf(pty.slave).c_lflag & ICANON);
  {
    DelayedInterrupt ctrlC;
    interruptFlag().store(false);
    EXPECT_EQ(console->readChar(), -1);
  }
  EXPECT_TRUE(interruptFlag().load());
  console->endRun();
  EXPECT_TRUE(sameModes(modesOf(pty.slave), before));
}

// SIGQUIT ends the process at once; SIGTERM and SIGHUP stop the run and end
// it when the run ends, or at once when they come a second time.
TEST(PtyConsole, TerminatingSignalRestoresTheTerminalAndStillEndsTheProcess) {
  const std::pair<int, int> cases[] = {{SIGTERM, 1}, {SIGHUP, 1}, {SIGQUIT, 1}, {SIGTERM, 2}, {SIGHUP, 2}};
  for (const auto& [signal, times] : cases) {
    PseudoTerminal pty;
    termios noEcho = modesOf(pty.slave);
    noEcho.c_lflag &= ~ECHO;
    tcsetattr(pty.slave, TCSANOW, &noEcho);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      std::signal(SIGQUIT, SIG_DFL);
      auto console = makeTerminalConsole(pty.slave, pty.slave);
      console->beginRun();
      console->setTextAttribute(0x0C);
      for (int i = 0; i < times; ++i) raise(signal);
      console->endRun();
      _exit(0);  // not reached
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status)) << signal;
    EXPECT_EQ(WTERMSIG(status), signal);
    EXPECT_TRUE(sameModes(modesOf(pty.slave), noEcho)) << signal;
    EXPECT_EQ(pty.readUntil("\033[0m"), "\033[0;91;40m\033[0m");
  }
}

}  // namespace
}  // namespace kau::console
