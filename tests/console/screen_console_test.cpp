// What only the screen console has: its cells, its keyboard queue's rules,
// the screen dump, and Ctrl+C stopping a program on a worker thread.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <future>
#include <sstream>
#include <thread>
#include <vector>

#include "interpreter/entry_points.h"
#include "platform/console/screen_console.h"
#include "platform/console/screen_dump.h"
#include "tests/support/hang_bound.h"

namespace kau::console {
namespace {

std::string rowText(const ScreenSnapshot& shot, int row) {
  std::string text;
  for (int column = 1; column <= ScreenSnapshot::kColumns; ++column) text.push_back(static_cast<char>(shot.at(column, row).byte));
  return text.substr(0, text.find_last_not_of(' ') + 1);
}

// Polls until the screen shows `text` (UTF-8) somewhere, at most the hang
// bound.
::testing::AssertionResult waitForText(const ScreenConsole& console, const std::string& text) {
  const auto deadline = std::chrono::steady_clock::now() + kau::testing::kHangBound;
  while (std::chrono::steady_clock::now() < deadline) {
    if (screenText(console.snapshot()).find(text) != std::string::npos) return ::testing::AssertionSuccess();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return ::testing::AssertionFailure() << "no \"" << text << "\" on\n" << screenText(console.snapshot());
}

// A program run on a worker thread; a run that a failed check left waiting
// is stopped as Ctrl+C stops it.
class Worker {
 public:
  Worker(ScreenConsole& console, const char* source)
      : console_(console), thread_([this, source] { result_ = CompileAndRun(source); }) {}
  ~Worker() {
    if (thread_.joinable()) console_.pressCtrlC();
    finish();
  }
  int finish() {
    if (thread_.joinable()) thread_.join();
    return result_;
  }

 private:
  ScreenConsole& console_;
  int result_ = -1;
  std::thread thread_;
};

std::string fileText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST(ScreenConsole, CellsHoldBytesInTheirAttributes) {
  ScreenConsole console;
  EXPECT_EQ(console.snapshot().at(1, 1).attribute, 0x07);
  console.setTextAttribute(0x1E);
  console.write("a\x01\a\t\x82");
  ScreenSnapshot shot = console.snapshot();
  EXPECT_EQ(rowText(shot, 1), std::string("a\x01") + std::string(6, ' ') + "\x82");
  EXPECT_EQ(shot.at(1, 1).attribute, 0x1E);
  EXPECT_EQ(shot.at(3, 1).attribute, 0x07);  // the tab only moved the cursor
  EXPECT_EQ(shot.bells, 1u);
  EXPECT_EQ(shot.cursorColumn, 10);

  console.gotoXY(1, 2);
  console.write("second");
  console.gotoXY(80, 25);
  console.setTextAttribute(0x40);
  console.write("zy");  // wraps at the bottom right: the screen scrolls
  shot = console.snapshot();
  EXPECT_EQ(rowText(shot, 1), "second");
  EXPECT_EQ(rowText(shot, 24), std::string(79, ' ') + "z");
  EXPECT_EQ(rowText(shot, 25), "y");
  EXPECT_EQ(shot.at(2, 25).attribute, 0x40);  // the new row is blank in the current attribute
  EXPECT_EQ((shot.cursorColumn), 2);
  EXPECT_EQ((shot.cursorRow), 25);

  console.setTextAttribute(0x17);
  console.clearScreen();
  shot = console.snapshot();
  for (const ScreenCell& cell : shot.cells) ASSERT_TRUE(cell.byte == ' ' && cell.attribute == 0x17);
  EXPECT_EQ(shot.cursorRow, 1);
}

TEST(ScreenConsole, KeysCountOnlyDuringARunAndOnlyInCodePage850) {
  ScreenConsole console;
  interruptFlag().store(false);
  console.typeCharacter(U'a');  // no run: dropped
  console.pressCtrlC();         // no run: nothing
  EXPECT_FALSE(interruptFlag().load());
  EXPECT_EQ(console.readKey(), -1);  // no run: no keyboard to wait for
  console.beginRun();
  for (const char32_t c : {U'\u4E2D', U'\u00E9', U'\u20AC', U'\u2588', U'\r'}) console.typeCharacter(c);
  console.typeExtendedKey(72);  // no place in a line
  console.typeCharacter(U'x');
  console.typeCharacter(U'\r');
  EXPECT_EQ(console.readChar(), 0x82);  // é
  EXPECT_EQ(console.readChar(), 0xDB);  // █
  EXPECT_EQ(console.readChar(), '\n');
  EXPECT_EQ(console.readChar(), 'x');
  console.typeCharacter(U'q');
  console.endRun();  // what was left typed goes with the run
  console.beginRun();
  console.typeCharacter(U'r');
  EXPECT_EQ(console.readKey(), 'r');
  console.endRun();
}

// A pasted text is typed: its line breaks are Enter, its tabs Tab, its other
// control characters nothing, and what code page 850 lacks is '?'.
TEST(ScreenConsole, PastedTextIsTypedLineByLine) {
  ScreenConsole console;
  console.pasteText(U"fora");  // no run: dropped
  console.beginRun();
  console.pasteText(U"Concei\u00E7\u00E3o\r\num\tdois\rtr\u00EAs\n\u20AC\x16\x04\x7F\x1B\u4E2Dz\n\nfim");
  console.typeCharacter(U'\r');
  // In code page 850: ç 0x87, ã 0xC6, ê 0x88.
  for (const std::string expected : {"Concei\x87\xC6o", "um\tdois", "tr\x88s", "??z", "", "fim"}) {
    std::string line;
    for (int c = console.readChar(); c >= 0 && c != '\n'; c = console.readChar()) line.push_back(static_cast<char>(c));
    EXPECT_EQ(line, expected);
  }
  EXPECT_EQ(rowText(console.snapshot(), 1), "Concei\x87\xC6o");
  EXPECT_EQ(rowText(console.snapshot(), 4), "??z");
  console.endRun();
}

std::string readLine(ScreenConsole& console) {
  std::string line;
  for (int c = console.readChar(); c >= 0 && c != '\n'; c = console.readChar()) line.push_back(static_cast<char>(c));
  return line;
}

// Runs `reads` on another thread; a read that waits for keys that never
// come is ended as Ctrl+C ends it, so that a failing check fails, not hangs.
template <typename Reads>
void readWithin(ScreenConsole& console, Reads reads) {
  auto done = std::async(std::launch::async, reads);
  if (done.wait_for(kau::testing::kHangBound) != std::future_status::ready) console.pressCtrlC();
  done.get();
}

// A long paste reaches the program whole, after the keys typed before it and
// before those typed after it; one that would pass the limit types nothing
// and rings the bell. Typed keys keep their own limit.
TEST(ScreenConsole, APasteIsTypedWholeOrRefusedWhole) {
  ScreenConsole console;
  console.beginRun();
  console.typeCharacter(U'4');
  std::u32string lines;
  for (int i = 0; i < 3000; ++i) lines += U"1\n";
  console.pasteText(lines + U"0\n");
  console.typeCharacter(U'z');
  console.typeCharacter(U'\r');
  readWithin(console, [&console] {
    EXPECT_EQ(readLine(console), "41");
    int ones = 0;
    std::string line;
    while ((line = readLine(console)) == "1") ++ones;
    EXPECT_EQ(ones, 2999);
    EXPECT_EQ(line, "0");
    EXPECT_EQ(readLine(console), "z");
  });
  EXPECT_EQ(console.snapshot().bells, 0u);

  const std::size_t limit = ScreenConsole::kPasteLimit;
  console.pasteText(std::u32string(limit + 1, U'x'));
  EXPECT_EQ(console.snapshot().bells, 1u);
  for (std::size_t i = 0; i <= ScreenConsole::kTypedKeyLimit; ++i) console.typeCharacter(U'k');  // one too many
  console.pasteText(std::u32string(limit - 1, U'p') + U"\r\n");
  console.pasteText(U"q");  // the pasted keys still waiting count
  EXPECT_EQ(console.snapshot().bells, 2u);
  std::vector<std::size_t> counts;  // of each run of equal keys read
  int last = -1;
  readWithin(console, [&] {
    for (std::size_t i = 0; i < ScreenConsole::kTypedKeyLimit + limit; ++i) {
      const int key = console.readKey();
      if (counts.empty() || key != last) counts.push_back(0);
      ++counts.back();
      last = key;
    }
  });
  EXPECT_EQ(counts, (std::vector<std::size_t>{ScreenConsole::kTypedKeyLimit, limit - 1, 1}));
  EXPECT_EQ(last, 13);
  console.pasteText(U"q");
  console.typeCharacter(U'r');
  readWithin(console, [&console] {
    EXPECT_EQ(console.readKey(), 'q');
    EXPECT_EQ(console.readKey(), 'r');
  });
  EXPECT_EQ(console.snapshot().bells, 2u);
  console.endRun();
}

// Escape during line input clears what was typed on the line, from the
// screen and from the input, also when it wrapped onto rows that scrolled,
// and so does a Backspace for each character; a key read still gets 27.
TEST(ScreenConsole, EscapeOrBackspaceClearsTheLineBeingTyped) {
  const struct {
    int column, row;
    std::size_t cleared;  // the length of the line cleared
    int promptRow;        // where the prompt stands after it
  } cases[] = {{1, 1, 3, 1}, {70, 10, 20, 10}, {70, 25, 100, 23}};
  for (const auto& c : cases)
    for (const bool byBackspace : {false, true}) {
      SCOPED_TRACE(std::to_string(c.cleared) + (byBackspace ? " by Backspace" : " by Escape"));
      ScreenConsole console;
      console.beginRun();
      console.gotoXY(c.column, c.row);
      console.write("Nome: ");
      for (std::size_t i = 0; i < c.cleared; ++i) console.typeCharacter(U'a' + static_cast<char32_t>(i % 26));
      if (byBackspace) {
        for (std::size_t i = 0; i < c.cleared; ++i) console.typeCharacter(U'\b');
      } else {
        console.typeCharacter(U'\x1b');
      }
      for (const char32_t k : {U'R', U'u', U'i', U'\r'}) console.typeCharacter(k);
      readWithin(console, [&console] { EXPECT_EQ(readLine(console), "Rui"); });
      const ScreenSnapshot shot = console.snapshot();
      const std::string prompt = std::string(static_cast<std::size_t>(c.column - 1), ' ') + "Nome: ";
      EXPECT_EQ(rowText(shot, c.promptRow), prompt + "Rui");
      for (int row = c.promptRow + 1; row <= ScreenSnapshot::kRows; ++row) EXPECT_EQ(rowText(shot, row), "") << row;
      console.typeCharacter(U'\x1b');
      EXPECT_EQ(console.readKey(), 27);
      console.endRun();
    }
}

TEST(ScreenConsole, DumpWritesTheRowsAfterARun) {
  char path[] = "/tmp/screen-dump-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  setenv("PASCALKAU_CONSOLE_DUMP", path, 1);
  {
    ScreenConsole console;
    console.beginRun();
    console.gotoXY(2, 3);
    console.write("\xDB\xDB caf\x82  \r\n\x01");
    console.endRun();
  }
  unsetenv("PASCALKAU_CONSOLE_DUMP");
  std::string expected = "\n\n \xE2\x96\x88\xE2\x96\x88 caf\xC3\xA9\n\xE2\x98\xBA\n";
  expected += std::string(21, '\n');
  EXPECT_EQ(fileText(path), expected);
  unlink(path);
}

// Ctrl+C from this thread stops a program running on a worker thread.
TEST(ScreenConsole, CtrlCStopsAProgramOnAWorkerThread) {
  ScreenConsole console;
  SetRunConsole(&console);
  Worker worker(console, "PROGRAM Laco; BEGIN WHILE TRUE DO WRITE('.'); END.");
  ASSERT_TRUE(waitForText(console, "...."));
  console.pressCtrlC();
  EXPECT_EQ(worker.finish(), 1);
  SetRunConsole(nullptr);
  EXPECT_NE(GetCompileErrorText().find("CTRL+ C"), std::string::npos);
}

}  // namespace
}  // namespace kau::console
