// Numbers written by WRITE and read by READ and VAL.
#include <gtest/gtest.h>

#include <cmath>

#include "interpreter/char_source.h"
#include "interpreter/number_text.h"

namespace kau {
namespace {

class StringSource final : public CharSource {
 public:
  explicit StringSource(std::string text) : text_(std::move(text)) {}
  int get() override { return pos_ < text_.size() ? static_cast<unsigned char>(text_[pos_++]) : -1; }
  void unget(int byte) override {
    if (byte >= 0 && pos_ > 0) --pos_;
  }
  std::string rest() const { return text_.substr(pos_); }

 private:
  std::string text_;
  std::size_t pos_ = 0;
};

// Reals round as a person rounds: the shortest decimal that reads back as
// the double, halves away from zero.
TEST(NumberText, FormatReal) {
  const struct {
    double value;
    int decimals;
    std::string text;
  } cases[] = {
      {2.5, 0, "3"},           {-2.5, 0, "-3"},         {6.5, 0, "7"},
      {0.125, 2, "0.13"},      {0.15, 1, "0.2"},        {2.675, 2, "2.68"},
      {1.005, 2, "1.01"},      {-0.125, 2, "-0.13"},    {0.5, 0, "1"},
      {3.14, -1, "3.140000"},  {3.14159, 2, "3.14"},    {1.0 / 3, 3, "0.333"},
      {2.0 / 3, 3, "0.667"},   {9.995, 2, "10.00"},     {99.5, 0, "100"},
      {0.0000005, 6, "0.000001"}, {0.0000004, 6, "0.000000"}, {0.04, 1, "0.0"},
      {0.05, 1, "0.1"},        {0.0, 2, "0.00"},        {-0.0, 1, "-0.0"},
      {-0.5, 1, "-0.5"},       {1234.5678, 0, "1235"},  {1e20, 1, "100000000000000000000.0"},
      {1.5e300, 0, "15" + std::string(299, '0')},      {5e-324, 2, "0.00"},
      {123456789012.345, 2, "123456789012.35"},        {0.1 + 0.2, 17, "0.30000000000000004"},
      {INFINITY, 2, "inf"},    {-INFINITY, 2, "-inf"},  {NAN, 2, "nan"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatReal(c.value, c.decimals), c.text) << c.value << ":" << c.decimals;
  EXPECT_EQ(FormatReal(1.0, 2000).size(), 2u + kMaxFormattedDecimals);
  EXPECT_EQ(ZerosPastFormatted(1.0, 2000), 2000 - kMaxFormattedDecimals);
}

TEST(NumberText, ScanInteger) {
  const struct {
    const char* input;
    ScanResult result;
    Word value;
    const char* rest;
  } cases[] = {
      {"  42 x", ScanResult::kOk, 42, " x"},
      {"-17\n", ScanResult::kOk, -17, "\n"},
      {"+5", ScanResult::kOk, 5, ""},
      {"abc", ScanResult::kMalformed, 0, "abc"},
      {"", ScanResult::kEnd, 0, ""},
      {" \n ", ScanResult::kEnd, 0, ""},
      {"2147483647", ScanResult::kOk, 2147483647, ""},
      {"-2147483648", ScanResult::kOk, INT32_MIN, ""},
      {"2147483648", ScanResult::kOutOfRange, 0, ""},
      {"99999999999999999999999", ScanResult::kOutOfRange, 0, ""},
      {"12abc", ScanResult::kOk, 12, "abc"},
  };
  for (const auto& c : cases) {
    StringSource in(c.input);
    Word value = -1;
    EXPECT_EQ(ScanInteger(in, value), c.result) << c.input;
    if (c.result == ScanResult::kOk) {
      EXPECT_EQ(value, c.value) << c.input;
      EXPECT_EQ(in.rest(), c.rest) << c.input;
    }
  }
}

TEST(NumberText, ScanReal) {
  const struct {
    const char* input;
    ScanResult result;
    double value;
  } cases[] = {
      {"3.5", ScanResult::kOk, 3.5},   {" -2", ScanResult::kOk, -2.0}, {".5", ScanResult::kOk, 0.5},
      {"1e3", ScanResult::kOk, 1000},  {"1.5E-1x", ScanResult::kOk, 0.15}, {"x", ScanResult::kMalformed, 0},
      {"", ScanResult::kEnd, 0},       {"1e999", ScanResult::kOk, INFINITY}, {"1e-999", ScanResult::kOk, 0.0},
  };
  for (const auto& c : cases) {
    StringSource in(c.input);
    double value = -1;
    EXPECT_EQ(ScanReal(in, value), c.result) << c.input;
    if (c.result == ScanResult::kOk) {
      EXPECT_DOUBLE_EQ(value, c.value) << c.input;
    }
  }
}

TEST(NumberText, WordsAndLines) {
  StringSource in("  one two\r\nthree\n\nlast");
  std::string s;
  // Past the limit a word or line is read to its end without being kept.
  EXPECT_TRUE(ReadWord(in, s, 2));
  EXPECT_EQ(s, "on");
  EXPECT_TRUE(ReadLine(in, s, 3));
  EXPECT_EQ(s, " tw");
  EXPECT_TRUE(ReadLine(in, s, 255));
  EXPECT_EQ(s, "three");
  EXPECT_TRUE(ReadLine(in, s, 255));
  EXPECT_EQ(s, "");
  in.skipLine();
  EXPECT_FALSE(ReadLine(in, s, 255));
  EXPECT_FALSE(ReadWord(in, s, 255));
}

// A real longer than any buffer converts as its whole text does: the digits
// past those kept still move the point and decide a half's rounding.
TEST(NumberText, RealsOfAnyLength) {
  const std::string zeros(100000, '0');
  const std::string half = "1.00000000000000011102230246251565404236316680908203125" + zeros;
  const struct {
    std::string input;
    double value;
  } cases[] = {
      {"1" + zeros + ".5e-100000", 1.0}, {"0." + zeros + "25e100001", 2.5}, {half, 1.0},  // a half: to even
      {half + "1", 1.0 + 0x1p-52},       {"-" + half + "1e1", -10.000000000000002},     {"1" + zeros, INFINITY},
  };
  for (const auto& c : cases) {
    StringSource in(c.input + " x");
    double value = 0;
    EXPECT_EQ(ScanReal(in, value), ScanResult::kOk);
    EXPECT_EQ(value, c.value) << c.input.substr(0, 20);
    EXPECT_EQ(in.rest(), " x");
  }
}

TEST(NumberText, ValReal) {
  const struct {
    const char* text;
    int code;
    double value;
  } cases[] = {
      {"0.0", 0, 0.0}, {"1.", 0, 1.0}, {".5", 0, 0.5}, {"1e", 3, 1.0}, {"-", 2, 0.0}, {"1.5e2", 0, 150.0},
      {"abc", 1, 0.0}, {"3.25 ", 5, 3.25},
  };
  for (const auto& c : cases) {
    double value = -1;
    EXPECT_EQ(ValReal(c.text, value), c.code) << c.text;
    EXPECT_DOUBLE_EQ(value, c.value) << c.text;
  }
}

}  // namespace
}  // namespace kau
