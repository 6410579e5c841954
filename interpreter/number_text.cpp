#include "interpreter/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kau {

namespace {

bool isDigitChar(char c) { return c >= '0' && c <= '9'; }

std::size_t skipDigits(std::string_view text, std::size_t i) {
  while (i < text.size() && isDigitChar(text[i])) ++i;
  return i;
}

std::size_t skipBlanks(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  return i;
}

// The double of a number's text (sign, digits, fraction, exponent), as
// strtod would give it.
double parseReal(std::string_view number) {
  if (number.empty()) return 0.0;
  const bool negative = number[0] == '-';
  if (number[0] == '-' || number[0] == '+') number.remove_prefix(1);
  double value = 0.0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    const std::size_t e = number.find_first_of("eE");
    value = (e != std::string_view::npos && e + 1 < number.size() && number[e + 1] == '-') ? 0.0 : HUGE_VAL;
  }
  return negative ? -value : value;
}

}  // namespace

std::string FormatInteger(Word value) { return std::to_string(value); }

// A person's rounding: the shortest decimal that reads back as the same
// double, rounded half away from zero at the requested decimal place (2.5
// gives 3 and 0.125 gives 0.13, where printf rounds the binary value to even).
std::string FormatReal(double value, int decimals) {
  if (decimals < 0) decimals = kDefaultRealDecimals;
  decimals = std::min(decimals, kMaxFormattedDecimals);
  if (std::isnan(value)) return std::signbit(value) ? "-nan" : "nan";
  if (std::isinf(value)) return value < 0 ? "-inf" : "inf";
  // d.ddddde[+-]x: the significant digits and the power of ten of the first.
  char shortest[32];
  const auto written = std::to_chars(shortest, shortest + sizeof shortest, std::fabs(value),
                                     std::chars_format::scientific);
  const std::string_view text(shortest, static_cast<std::size_t>(written.ptr - shortest));
  const std::size_t e = text.find('e');
  std::string significant(text.substr(0, e));
  if (significant.size() > 1) significant.erase(1, 1);  // the point
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), exponent);

  // Integer digits (at least one) and the decimals, as one row of digits.
  const int integerDigits = std::max(exponent + 1, 1);
  std::string digits(static_cast<std::size_t>(integerDigits + decimals), '0');
  const int first = integerDigits - 1 - exponent;  // where the first significant digit stands
  bool roundUp = false;
  for (std::size_t i = 0; i < significant.size(); ++i) {
    const std::int64_t at = first + static_cast<std::int64_t>(i);
    if (at < static_cast<std::int64_t>(digits.size())) {
      digits[static_cast<std::size_t>(at)] = significant[i];
    } else {
      roundUp = at == static_cast<std::int64_t>(digits.size()) && significant[i] >= '5';
      break;
    }
  }
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
    if (i > 0) ++digits[i - 1];
    else digits.insert(digits.begin(), '1');
  }
  const std::size_t point = digits.size() - static_cast<std::size_t>(decimals);
  std::string out = std::signbit(value) ? "-" : "";
  out.append(digits, 0, point);
  if (decimals > 0) out.append(".").append(digits, point, std::string::npos);
  return out;
}

std::int64_t ZerosPastFormatted(double value, Word decimals) {
  return std::isfinite(value) && decimals > kMaxFormattedDecimals
             ? static_cast<std::int64_t>(decimals) - kMaxFormattedDecimals
             : 0;
}

int ValInteger(std::string_view text, Word& value) {
  value = 0;
  std::size_t i = skipBlanks(text);
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t firstDigit = i;
  std::int64_t magnitude = 0;
  bool overflow = false;
  std::size_t bad = std::string_view::npos;
  for (; i < text.size() && isDigitChar(text[i]); ++i) {
    const std::int64_t next = magnitude * 10 + (text[i] - '0');
    if (next > static_cast<std::int64_t>(INT32_MAX) + (negative ? 1 : 0)) {
      if (!overflow) bad = i;
      overflow = true;
      continue;
    }
    magnitude = next;
  }
  value = static_cast<Word>(negative ? -magnitude : magnitude);
  if (overflow) return static_cast<int>(bad) + 1;
  if (i == firstDigit || i < text.size()) return static_cast<int>(i) + 1;
  return 0;
}

int ValReal(std::string_view text, double& value) {
  value = 0.0;
  const std::size_t start = skipBlanks(text);
  std::size_t i = start;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  const std::size_t integerEnd = skipDigits(text, i);
  bool digits = integerEnd > i;
  i = integerEnd;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fractionEnd = skipDigits(text, i + 1);
    digits = digits || fractionEnd > i + 1;
    if (digits) i = fractionEnd;
  }
  if (!digits) return static_cast<int>(i) + 1;
  std::size_t valid = i;  // end of the usable number
  int code = 0;
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t exponentEnd = skipDigits(text, j);
    if (exponentEnd > j) {
      valid = exponentEnd;
      i = exponentEnd;
    } else {
      code = static_cast<int>(exponentEnd) + 1;
    }
  }
  value = parseReal(text.substr(start, valid - start));
  if (code != 0) return code;
  return i < text.size() ? static_cast<int>(i) + 1 : 0;
}

}  // namespace kau
