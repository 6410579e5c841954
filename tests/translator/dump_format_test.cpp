// The program dump text: N, N + 1, then the N words, signed decimal, each
// followed by one blank.
#include <gtest/gtest.h>

#include "compiler/program_dump.h"

namespace kau {
namespace {

TEST(ProgramDump, CountsThenWordsEachFollowedByABlank) {
  const Word code[] = {OP_ENTER, 0, 4000, 4, OP_JMP, 6, OP_HALT};
  EXPECT_EQ(FormatProgramDump(code, 7), "7 8 71 0 4000 4 48 6 36 ");
}

TEST(ProgramDump, NegativeAndExtremeWords) {
  const Word code[] = {-1, -2147483647 - 1, 2147483647};
  EXPECT_EQ(FormatProgramDump(code, 3), "3 4 -1 -2147483648 2147483647 ");
}

TEST(ProgramDump, EmptyProgram) { EXPECT_EQ(FormatProgramDump(nullptr, 0), "0 1 "); }

}  // namespace
}  // namespace kau
