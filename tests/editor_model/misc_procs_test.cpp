#include "editor/model/misc_procs.h"

#include <gtest/gtest.h>

namespace kau::editor {
namespace {

TEST(MiscProcs, MinMaxAndPoints) {
  EXPECT_EQ(MinMax(5, 10, 1), 10);  // lo wins when lo > hi
  EXPECT_EQ(MinMax(5, 1, 10), 5);
  EXPECT_EQ(MinMax(-3, 1, 10), 1);
  EXPECT_EQ(MinMax(30, 1, 10), 10);
  int a = 1, b = 2;
  SwapInt(a, b);
  EXPECT_EQ(a, 2);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(maxPoint({5, 1}, {1, 2}), (TPoint{1, 2}));
  EXPECT_EQ(maxPoint({5, 2}, {1, 2}), (TPoint{5, 2}));
  EXPECT_EQ(minPoint({5, 2}, {1, 2}), (TPoint{1, 2}));
  EXPECT_EQ(minPoint({5, 1}, {1, 2}), (TPoint{5, 1}));
  TPoint p{3, 4};
  IncrementPoint(p, {1, 2});
  EXPECT_EQ(p, (TPoint{4, 6}));
  DecrementPoint(p, {4, 6});
  EXPECT_EQ(p, (TPoint{0, 0}));
  EXPECT_EQ(GetIntArray(3, 7), (std::vector<std::int32_t>{7, 7, 7}));
  EXPECT_EQ(GetIntArray(2, 0), (std::vector<std::int32_t>{0, 0}));
}

TEST(MiscProcs, TabExpansion) {
  struct Case {
    std::string line;
    int width;
    std::string expanded;
    bool hasTabs;
  };
  const Case cases[] = {
      {"a\tb", 4, "a\t\t\tb", true},
      {"a\tb", 3, "a\t\tb", true},
      {"a\tb", 1, "a b", true},
      {"a\tb", 0, "a b", true},
      {"a\tb", 8, "a\t\t\t\t\t\t\tb", true},
      {"\t\t", 2, "\t\t\t\t", true},
      {"ab\tc\td", 5, "ab\t\t\tc\t\t\t\td", true},
      {"abc", 4, "abc", false},
      {"", 4, "", false},
      {std::string("a\0\tb", 4), 4, std::string("a\0\tb", 4), false},  // the scan for tabs stops at a NUL
  };
  for (const Case& c : cases) {
    bool hasTabs = !c.hasTabs;
    EXPECT_EQ(ConvertTabsEx(c.line, c.width, hasTabs), c.expanded) << c.line << " / " << c.width;
    EXPECT_EQ(hasTabs, c.hasTabs) << c.line;
    EXPECT_EQ(ConvertTabs(c.line, c.width), c.expanded);
    EXPECT_EQ(GetBestConvertTabsProcEx(c.width)(c.line, c.width, hasTabs), c.expanded);
  }
  // The power-of-two and the general routine agree.
  bool hasTabs;
  EXPECT_EQ(GetBestConvertTabsProcEx(4)("x\ty\t\tz", 4, hasTabs), ConvertTabsEx("x\ty\t\tz", 4, hasTabs));
}

TEST(MiscProcs, ExpandedLengthAndHasTabs) {
  EXPECT_EQ(GetExpandedLength("\t\t", 8), 16);
  EXPECT_EQ(GetExpandedLength("", 8), 0);
  EXPECT_EQ(GetExpandedLength("ab\tc", 4), 5);
  EXPECT_EQ(GetExpandedLength("a\tb", 0), 3);  // no division by zero
  int count = -1;
  EXPECT_TRUE(GetHasTabs("ab\tc", count));
  EXPECT_EQ(count, 2);
  EXPECT_FALSE(GetHasTabs("", count));
  EXPECT_EQ(count, 0);
}

TEST(MiscProcs, CaretAndCharIndex) {
  const std::string line = "a\tb";
  EXPECT_EQ(CharIndex2CaretPos(3, 4, line), 5);
  EXPECT_EQ(CharIndex2CaretPos(1, 4, line), 1);
  EXPECT_EQ(CharIndex2CaretPos(2, 4, line), 2);
  EXPECT_EQ(CharIndex2CaretPos(3, 1, line), 3);
  EXPECT_EQ(CharIndex2CaretPos(3, 4, "abc"), 3);
  bool inside = false;
  EXPECT_EQ(CaretPos2CharIndex(3, 4, line, inside), 2);
  EXPECT_TRUE(inside);
  EXPECT_EQ(CaretPos2CharIndex(5, 4, line, inside), 3);
  EXPECT_FALSE(inside);
  EXPECT_EQ(CaretPos2CharIndex(2, 4, line, inside), 2);
  EXPECT_FALSE(inside);
  EXPECT_EQ(CaretPos2CharIndex(7, 4, "abc", inside), 7);
  // Both ways agree on every character of a line with tabs.
  const std::string mixed = "\tab\t\tc";
  for (int index = 1; index <= static_cast<int>(mixed.size()) + 1; ++index) {
    const int column = CharIndex2CaretPos(index, 4, mixed);
    EXPECT_EQ(CaretPos2CharIndex(column, 4, mixed, inside), index) << index;
    EXPECT_FALSE(inside);
  }
}

TEST(MiscProcs, ScansAndLineEnds) {
  TSynCharSet digits;
  for (char c = '0'; c <= '9'; ++c) digits.set(static_cast<unsigned char>(c));
  EXPECT_EQ(StrScanForCharInSet("ab1c2", 1, digits), 3);
  EXPECT_EQ(StrScanForCharInSet("ab1c2", 4, digits), 5);
  EXPECT_EQ(StrScanForCharInSet("abc", 1, digits), 0);
  EXPECT_EQ(StrScanForCharInSet("ab1", 0, digits), 0);
  EXPECT_EQ(StrScanForCharInSet("ab1", 4, digits), 0);
  EXPECT_EQ(StrRScanForCharInSet("1b2c", 4, digits), 3);
  EXPECT_EQ(StrRScanForCharInSet("1b2c", 2, digits), 1);
  EXPECT_EQ(StrRScanForCharInSet("abc", 3, digits), 0);
  EXPECT_EQ(StrScanForMultiByteChar("a\xE9", 1), 0);
  EXPECT_EQ(StrRScanForMultiByteChar("a\xE9", 2), 0);
  const char* text = "ab\r\ncd";
  EXPECT_EQ(GetEOL(text), text + 2);
  EXPECT_EQ(GetEOL("xyz") [0], '\0');
  EXPECT_EQ(GetEOL(nullptr), nullptr);
}

TEST(MiscProcs, EncodeAndDecodeString) {
  EXPECT_EQ(EncodeString("a/b\\c"), "a\\.b\\\\c");
  EXPECT_EQ(DecodeString("a\\.b\\\\c"), "a/b\\c");
  for (const std::string s : {"", "/", "\\", "//\\\\", "a\\", "x/y/z"}) EXPECT_EQ(DecodeString(EncodeString(s)), s);
  EXPECT_EQ(DecodeString("abc\\"), "abc\\");  // a trailing lone backslash stays
  EXPECT_EQ(DecodeString("\\x"), "/");
}

}  // namespace
}  // namespace kau::editor
