#include "text/int_text.h"

#include <gtest/gtest.h>

namespace kau::text {
namespace {

TEST(IntText, DecimalAndDollarHexadecimal) {
  const struct {
    const char* text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"0", 0},          {"10", 10},           {"-10", -10},         {"+7", 7},
      {"2147483647", 2147483647},              {"-2147483648", INT32_MIN},
      {"2147483648", std::nullopt},            {"-2147483649", std::nullopt},
      {"99999999999999999999", std::nullopt},  {"$1F", 31},          {"$ffffffff", -1},
      {"-$10", -16},     {"$", std::nullopt},  {"$123456789", std::nullopt},
      {"", std::nullopt}, {"-", std::nullopt}, {" 1", std::nullopt}, {"1x", std::nullopt},
      {"0x10", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

}  // namespace
}  // namespace kau::text
