// The console when standard input and output are pipes or files: plain text,
// reads that end, and Ctrl+C during a wait.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

#include "platform/console/terminal_console.h"
#include "tests/console/test_support.h"
#include "tests/support/hang_bound.h"

namespace kau::console {
namespace {

using testing::DelayedInterrupt;
using testing::Pipe;

TEST(PipeConsole, PlainOutputHasNoEscapeSequencesAndIsUtf8) {
  Pipe in, out;
  {
    auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
    console->beginRun();
    console->setTextAttribute(0x1E);
    EXPECT_EQ(console->textAttribute(), 0x1E);
    console->clearScreen();
    console->gotoXY(5, 3);
    console->write("Ol\xA0 \x87\xC6o\r\n");   // "Olá ção" and WRITELN's line end
    console->write("\x1b\x07\r");
    console->write("\nfim\r");
    EXPECT_EQ(console->windowRows(), 25);
    EXPECT_EQ(console->windowColumns(), 80);
    console->endRun();
    console->endRun();
  }
  out.closeWriteEnd();
  EXPECT_EQ(out.readAll(), "Olá ção\n\x1b\x07\nfim\r");
}

TEST(PipeConsole, OutputThatCannotBeWrittenIsReportedAndNoLineIsFinished) {
  Pipe in, out;
  {
    auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
    console->write("ab");
    console->finishLine();  // plain output is left as the program wrote it
    console->flush();
    EXPECT_FALSE(console->outputFailed());
  }
  out.closeWriteEnd();
  EXPECT_EQ(out.readAll(), "ab");

  const int full = ::open("/dev/full", O_WRONLY);
  ASSERT_GE(full, 0);
  auto console = makeTerminalConsole(in.readEnd, full);
  console->write("perdido\r\n");
  console->flush();
  EXPECT_TRUE(console->outputFailed());
  ::close(full);
}

TEST(PipeConsole, ReadsBytesUntilTheEndAndNeverBlocksAfterIt) {
  Pipe in, out;
  in.write("ab\xC3\xA9\xE9x\n\xC3");  // é in UTF-8, é in code page 1252, a cut sequence
  in.closeWriteEnd();
  auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
  const int expected[] = {'a', 'b', 0x82, 0x82, 'x', '\n', 0xC7, -1, -1, -1};
  for (int byte : expected) EXPECT_EQ(console->readChar(), byte);
  EXPECT_EQ(console->readKey(), -1);
  console->discardRestOfLine();
  EXPECT_EQ(console->readChar(), -1);
}

TEST(PipeConsole, WaitsForTheRestOfAUtf8Sequence) {
  Pipe in, out;
  in.write("\xC3");
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    in.write("\xA7!");
    in.closeWriteEnd();
  });
  auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
  EXPECT_EQ(console->readChar(), 0x87);  // ç
  EXPECT_EQ(console->readChar(), '!');
  EXPECT_EQ(console->readChar(), -1);
  writer.join();
}

TEST(PipeConsole, LineHandlingAndPushBack) {
  Pipe in, out;
  in.write("abc\r\ndef\n\nghi");
  in.closeWriteEnd();
  auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
  EXPECT_EQ(console->readChar(), 'a');
  console->discardRestOfLine();           // up to and including the line feed
  EXPECT_EQ(console->readChar(), 'd');
  console->unreadChar('d');
  EXPECT_EQ(console->readChar(), 'd');
  console->discardPendingInput();         // nothing on a pipe
  EXPECT_EQ(console->readChar(), 'e');
  console->discardRestOfLine();
  console->discardRestOfLine();           // the empty line
  EXPECT_EQ(console->readChar(), 'g');
  console->discardRestOfLine();           // to the end without a line feed
  EXPECT_EQ(console->readChar(), -1);
}

TEST(PipeConsole, KeysFromAPipe) {
  Pipe in, out;
  in.write("x\n\x1b[A\x1b[6~\x1b\x7f\x1b[99~y\x1b");
  in.closeWriteEnd();
  auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
  const int expected[] = {'x', 13, 0, 72, 0, 81, 27, 8, 'y', 27, -1, -1};
  for (int key : expected) EXPECT_EQ(console->readKey(), key);
}

// Runs `wait` under a Ctrl+C that comes while it waits; checks that it gives
// up within a second of it, that the flag is set and that endRun puts the
// previous handler back.
template <typename Wait>
void expectInterrupted(Console& console, Wait wait) {
  struct sigaction before {};
  sigaction(SIGINT, nullptr, &before);
  interruptFlag().store(true);
  console.beginRun();
  EXPECT_FALSE(interruptFlag().load());  // a new run starts uninterrupted
  const auto start = std::chrono::steady_clock::now();
  {
    DelayedInterrupt ctrlC;
    wait();
  }
  const auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_TRUE(interruptFlag().load());
  EXPECT_LT(elapsed, kau::testing::kHangBound);  // cut short, not waited out
  console.endRun();
  struct sigaction after {};
  sigaction(SIGINT, nullptr, &after);
  EXPECT_EQ(after.sa_handler, before.sa_handler);
}

TEST(PipeConsole, CtrlCEndsBlockedReadsAndSleeps) {
  Pipe in, out;  // the write end stays open: reads would wait for ever
  auto console = makeTerminalConsole(in.readEnd, out.writeEnd);
  expectInterrupted(*console, [&] { EXPECT_EQ(console->readChar(), -1); });
  expectInterrupted(*console, [&] { EXPECT_EQ(console->readKey(), -1); });
  expectInterrupted(*console, [&] { console->sleepMilliseconds(2 * kau::testing::kHangMilliseconds); });
  in.write("z");
  interruptFlag().store(false);
  EXPECT_EQ(console->readChar(), 'z');  // input is not lost by an interrupted wait
}

}  // namespace
}  // namespace kau::console
