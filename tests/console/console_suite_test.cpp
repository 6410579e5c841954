// One suite, two consoles: whatever a program sees of the terminal console
// on a pseudo-terminal it sees the same of the screen console in the
// windows: the cursor's row, keys without echo, echoed line input, the
// discards, Ctrl+C and Ctrl+D, and reads from another thread.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "tests/console/console_drivers.h"
#include "tests/support/hang_bound.h"

namespace kau::console {
namespace {

using testing::PtyDriver;
using testing::ScreenDriver;

template <typename Driver>
class ConsoleSuite : public ::testing::Test {
 protected:
  void SetUp() override { console().beginRun(); }
  void TearDown() override { console().endRun(); }
  Console& console() { return driver.console(); }
  std::string readLine() {
    std::string line;
    for (int c = console().readChar(); c >= 0 && c != '\n'; c = console().readChar()) line.push_back(static_cast<char>(c));
    return line;
  }
  Driver driver;
};

using Consoles = ::testing::Types<PtyDriver, ScreenDriver>;
class ConsoleNames {
 public:
  template <typename T>
  static std::string GetName(int) {
    return std::is_same_v<T, PtyDriver> ? "Pty" : "Screen";
  }
};
TYPED_TEST_SUITE(ConsoleSuite, Consoles, ConsoleNames);

TYPED_TEST(ConsoleSuite, CursorRowFollowsWritesWrapsScrollingAndClear) {
  Console& console = this->console();
  const int rows = this->driver.rows();
  console.gotoXY(1, 10);
  console.write("ab\r\ncd\n");
  EXPECT_EQ(console.cursorRow(), 12);
  console.gotoXY(1, 3);
  console.write(std::string(80, 'x'));
  EXPECT_EQ(console.cursorRow(), 3);  // the last column: the wrap waits
  console.write("y");
  EXPECT_EQ(console.cursorRow(), 4);
  console.write("\t\b\a");
  EXPECT_EQ(console.cursorRow(), 4);
  for (const auto& [column, row] : std::vector<std::pair<int, int>>{{81, 1}, {0, 1}, {1, 0}, {1, rows + 1}}) {
    console.gotoXY(column, row);  // outside the window: ignored
    EXPECT_EQ(console.cursorRow(), 4) << column << "," << row;
  }
  console.write(std::string(40, '\n'));
  EXPECT_EQ(console.cursorRow(), rows);  // scrolled at the bottom
  console.gotoXY(1, rows);
  console.write(std::string(81, 'z'));
  EXPECT_EQ(console.cursorRow(), rows);  // wrapped and scrolled
  console.clearScreen();
  EXPECT_EQ(console.cursorRow(), 1);
}

TYPED_TEST(ConsoleSuite, ReadKeyGivesTheKeyTableWithoutEcho) {
  Console& console = this->console();
  const struct {
    const char* typed;
    std::vector<int> keys;
  } table[] = {
      {"\x1b[A", {0, 72}}, {"\x1b[B", {0, 80}}, {"\x1b[D", {0, 75}}, {"\x1b[C", {0, 77}},
      {"\x1b[H", {0, 71}}, {"\x1b[F", {0, 79}}, {"\x1b[5~", {0, 73}}, {"\x1b[6~", {0, 81}},
      {"\x1b[2~", {0, 82}}, {"\x1b[3~", {0, 83}}, {"\x1bOP", {0, 59}}, {"\x1b[21~", {0, 68}},
      {"\x1b[23~", {0, 133}}, {"\x1b[24~", {0, 134}}, {"\r", {13}}, {"\x7f", {8}},
      {"\x1b", {27}}, {"\t", {9}}, {"\xC3\xA9", {0x82}}, {"ab", {'a', 'b'}}, {"\x04", {4}},
  };
  for (const auto& row : table) {
    std::vector<int> got;
    {
      auto typist = this->driver.typeForKeyRead(row.typed);
      got.push_back(console.readKey());
    }
    while (got.size() < row.keys.size()) got.push_back(console.readKey());
    EXPECT_EQ(got, row.keys) << ::testing::PrintToString(std::string(row.typed));
  }
  EXPECT_EQ(console.cursorRow(), 1);
  EXPECT_EQ(this->driver.shown(), "");  // nothing was echoed
}

TYPED_TEST(ConsoleSuite, LineInputIsEchoedAndMovesTheCursor) {
  Console& console = this->console();
  console.gotoXY(75, 5);
  this->driver.type("0123456789\r");  // wraps at the right edge
  EXPECT_EQ(this->readLine(), "0123456789");
  EXPECT_EQ(console.cursorRow(), 7);
  this->driver.type("ab\x7f\x7f\x7f" "cd\x7f" "e\r");  // Backspace edits, not past the start
  EXPECT_EQ(this->readLine(), "ce");
  EXPECT_EQ(console.cursorRow(), 8);
  this->driver.type("\xC3\xA9!\r");
  EXPECT_EQ(console.readChar(), 0x82);  // é in code page 850
  console.unreadChar(0x82);
  EXPECT_EQ(this->readLine(), "\x82!");
  EXPECT_NE(this->driver.shown().find("\xC3\xA9!"), std::string::npos);
}

TYPED_TEST(ConsoleSuite, DiscardsDropTheRestOfTheLineAndWhatIsTypedAhead) {
  Console& console = this->console();
  this->driver.type("12 x\r34\r");
  EXPECT_EQ(console.readChar(), '1');
  console.discardRestOfLine();
  EXPECT_EQ(console.readChar(), '3');
  console.discardRestOfLine();
  this->driver.type("56\r78\r");
  EXPECT_EQ(console.readChar(), '5');
  console.discardPendingInput();  // "6" and the line "78" are gone
  this->driver.type("9\r");
  EXPECT_EQ(this->readLine(), "9");
}

TYPED_TEST(ConsoleSuite, LineAndKeyReadsShareOneInput) {
  Console& console = this->console();
  this->driver.type("xy\r");
  EXPECT_EQ(console.readChar(), 'x');
  EXPECT_EQ(console.readKey(), 'y');
  EXPECT_EQ(console.readKey(), 13);
}

TYPED_TEST(ConsoleSuite, CtrlDEndsOnlyTheReadUnderWay) {
  Console& console = this->console();
  this->driver.type("\x04");
  EXPECT_EQ(console.readChar(), -1);
  this->driver.type("k\r");
  EXPECT_EQ(this->readLine(), "k");
}

TYPED_TEST(ConsoleSuite, CtrlCEndsKeyAndLineReadsAndSleeps) {
  Console& console = this->console();
  {
    auto ctrlC = this->driver.ctrlCSoon();
    EXPECT_EQ(console.readKey(), -1);
  }
  EXPECT_TRUE(interruptFlag().load());
  console.beginRun();  // clears the flag
  EXPECT_FALSE(interruptFlag().load());
  {
    auto ctrlC = this->driver.ctrlCSoon();
    EXPECT_EQ(console.readChar(), -1);
  }
  console.beginRun();
  const auto start = std::chrono::steady_clock::now();
  {
    auto ctrlC = this->driver.ctrlCSoon();
    console.sleepMilliseconds(2 * kau::testing::kHangMilliseconds);
  }
  EXPECT_LT(std::chrono::steady_clock::now() - start, kau::testing::kHangBound);  // cut short
  EXPECT_TRUE(interruptFlag().load());
}

TYPED_TEST(ConsoleSuite, EndRunSetsAttributeSevenAgain) {
  Console& console = this->console();
  console.setTextAttribute(0x1E);
  EXPECT_EQ(console.textAttribute(), 0x1E);
  console.endRun();
  EXPECT_EQ(console.textAttribute(), 0x07);
  console.endRun();  // twice is safe
  EXPECT_EQ(console.textAttribute(), 0x07);
}

TYPED_TEST(ConsoleSuite, ReadsOnAnotherThread) {
  Console& console = this->console();
  std::string line;
  int key = 0;
  std::thread reader([&] {
    line = this->readLine();
    auto ctrlC = this->driver.ctrlCSoon();
    key = console.readKey();
  });
  this->driver.type("hello\r");
  reader.join();
  EXPECT_EQ(line, "hello");
  EXPECT_EQ(key, -1);
  EXPECT_EQ(console.cursorRow(), 2);
}

}  // namespace
}  // namespace kau::console
