#include "platform/console/key_sequences.h"

#include <gtest/gtest.h>

namespace kau::console {
namespace {

using Kind = KeySequenceMatch::Kind;

TEST(KeySequences, ExtendedKeysInTheCommonTerminalForms) {
  const struct {
    const char* afterEscape;
    int scanCode;
  } cases[] = {
      {"[A", 72}, {"[B", 80}, {"[C", 77}, {"[D", 75},        // arrows
      {"OA", 72}, {"OB", 80}, {"OC", 77}, {"OD", 75},        // application mode
      {"[H", 71}, {"[F", 79}, {"OH", 71}, {"OF", 79},        // xterm Home, End
      {"[1~", 71}, {"[7~", 71}, {"[4~", 79}, {"[8~", 79},    // VT220, rxvt
      {"[2~", 82}, {"[3~", 83}, {"[5~", 73}, {"[6~", 81},    // Ins Del PgUp PgDn
      {"OP", 59}, {"OQ", 60}, {"OR", 61}, {"OS", 62},        // F1-F4
      {"[11~", 59}, {"[14~", 62}, {"[15~", 63},              // F1 F4 F5
      {"[17~", 64}, {"[18~", 65}, {"[19~", 66}, {"[20~", 67}, {"[21~", 68},
      {"[23~", 133}, {"[24~", 134},                          // F11 F12
      {"[[A", 59}, {"[[E", 63},                              // Linux console
      {"[1;5A", 72}, {"[3;2~", 83}, {"[1;2P", 59},           // with modifiers
  };
  for (const auto& c : cases) {
    const std::string bytes = c.afterEscape;
    const KeySequenceMatch match = matchKeySequence(bytes);
    EXPECT_EQ(match.kind, Kind::Extended) << bytes;
    EXPECT_EQ(match.scanCode, c.scanCode) << bytes;
    EXPECT_EQ(match.length, bytes.size()) << bytes;
    for (size_t n = 0; n < bytes.size(); ++n)
      EXPECT_EQ(matchKeySequence(bytes.substr(0, n)).kind, Kind::Incomplete) << bytes << " cut at " << n;
  }
}

TEST(KeySequences, UnknownSequencesAreDroppedAndOtherBytesAreKeys) {
  EXPECT_EQ(matchKeySequence("[E").kind, Kind::Ignored);
  EXPECT_EQ(matchKeySequence("[99~").kind, Kind::Ignored);
  EXPECT_EQ(matchKeySequence("[99~").length, 4u);
  EXPECT_EQ(matchKeySequence("Ox").kind, Kind::Ignored);
  EXPECT_EQ(matchKeySequence("[1\x01").kind, Kind::Ignored);
  EXPECT_EQ(matchKeySequence("[1\x01").length, 2u);  // the control byte stays a key
  EXPECT_EQ(matchKeySequence(std::string("[") + std::string(40, '1')).kind, Kind::Ignored);
  EXPECT_EQ(matchKeySequence("x").kind, Kind::NotASequence);     // Alt+x: ESC, then x
  EXPECT_EQ(matchKeySequence("\x1b").kind, Kind::NotASequence);  // ESC pressed twice
}

}  // namespace
}  // namespace kau::console
