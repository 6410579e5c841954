#include <gtest/gtest.h>

#include <vector>

#include "platform/console/ansi_sequences.h"
#include "platform/console/cursor_tracker.h"
#include "platform/console/output_encoding.h"

namespace kau::console {
namespace {

TEST(AnsiSequences, DosAttributesBecomeAnsiColours) {
  const struct {
    unsigned char attribute;
    const char* sgr;
  } cases[] = {
      {0x07, "\033[0;37;40m"},     // light grey on black
      {0x0A, "\033[0;92;40m"},     // light green
      {0x01, "\033[0;34;40m"},     // blue
      {0x04, "\033[0;31;40m"},     // red
      {0x06, "\033[0;33;40m"},     // brown
      {0x03, "\033[0;36;40m"},     // cyan
      {0x0E, "\033[0;93;40m"},     // yellow
      {0x08, "\033[0;90;40m"},     // dark grey
      {0x0F, "\033[0;97;40m"},     // white
      {0x1E, "\033[0;93;44m"},     // yellow on blue
      {0x4F, "\033[0;97;41m"},     // white on red
      {0x70, "\033[0;30;47m"},     // black on light grey
      {0x8C, "\033[0;91;40;5m"},   // blinking light red
      {0xE5, "\033[0;35;43;5m"},   // blinking magenta on brown
  };
  for (const auto& c : cases) EXPECT_EQ(ansi::attribute(c.attribute), c.sgr) << int(c.attribute);
  EXPECT_EQ(ansi::cursorTo(5, 3), "\033[3;5H");
}

TEST(OutputEncoding, TerminalTextIsUtf8AndNeverAnEscapeSequence) {
  std::string out;
  appendTerminalText(out, "\x82l\x87\xC6o \xDB\xB0\r\n\a\b\t");
  EXPECT_EQ(out, "élção █░\r\n\a\b\t");
  out.clear();
  appendTerminalText(out, std::string("\x1b[2J\x01\x7f\x00", 7));
  EXPECT_EQ(out, "←[2J☺⌂ ");
  out.clear();
  appendTerminalText(out, "a\nb\n\r\n");  // a lone line feed keeps the column
  EXPECT_EQ(out, "a\033Db\033D\r\n");
}

TEST(OutputEncoding, PlainTextWritesLineEndsAsLineFeeds) {
  const struct {
    std::vector<std::string> writes;
    const char* expected;
  } cases[] = {
      {{"a\r\nb\r\n"}, "a\nb\n"},
      {{"a\r", "\nb"}, "a\nb"},            // a line end split over two writes
      {{"a\rb\n\r"}, "a\rb\n\r"},          // lone carriage returns stay
      {{"a\r", "\r", "\n"}, "a\r\n"},
      {{"\x1b[0m\x82"}, "\x1b[0mé"},       // bytes are data in a file
  };
  for (const auto& c : cases) {
    PlainTextEncoder encoder;
    std::string out;
    for (const auto& text : c.writes) encoder.append(out, text);
    encoder.finish(out);
    EXPECT_EQ(out, c.expected);
  }
}

TEST(CursorTracker, FollowsTextLineEndsWrapAndScroll) {
  CursorTracker cursor;
  cursor.advance("abc", 25, 80);
  EXPECT_EQ(cursor.column(), 4);
  cursor.advance("\n", 25, 80);  // down, same column
  EXPECT_EQ(cursor.row(), 2);
  EXPECT_EQ(cursor.column(), 4);
  cursor.advance("\r\b\b", 25, 80);
  EXPECT_EQ(cursor.column(), 1);
  cursor.advance("\tx\a", 25, 80);
  EXPECT_EQ(cursor.column(), 10);

  cursor.moveTo(1, 5);
  cursor.advance(std::string(80, 'x'), 25, 80);  // the last column: no wrap yet
  EXPECT_EQ(cursor.row(), 5);
  EXPECT_EQ(cursor.column(), 80);
  cursor.advance("y", 25, 80);
  EXPECT_EQ(cursor.row(), 6);
  EXPECT_EQ(cursor.column(), 2);

  cursor.moveTo(3, 25);
  cursor.advance("\r\n\r\n", 25, 80);  // scrolls at the bottom
  EXPECT_EQ(cursor.row(), 25);
  cursor.advance("", 10, 80);          // the window became smaller
  EXPECT_EQ(cursor.row(), 10);
}

}  // namespace
}  // namespace kau::console
