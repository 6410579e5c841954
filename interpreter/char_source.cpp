#include "interpreter/char_source.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace kau {

namespace {

bool isDigitChar(int c) { return c >= '0' && c <= '9'; }

// Skips white space; returns the first other byte (or -1) already read.
int skipWhiteSpace(CharSource& in) {
  int c = in.get();
  while (c >= 0 && isWhiteSpace(c)) c = in.get();
  return c;
}

// Skips white space and reads an optional sign; c is the first byte after
// them. False when the input ended first.
bool startNumber(CharSource& in, bool& negative, int& c) {
  c = skipWhiteSpace(in);
  if (c < 0) return false;
  negative = c == '-';
  if (c == '+' || c == '-') c = in.get();
  return true;
}

// The digits of a real number as a double needs them: the first
// kMaxDigits significant digits and a power of ten. Later digits only move
// the power (in the integer part) or are dropped (in the fraction); a
// nonzero one among them is kept as one more digit 1, so that the value
// still rounds as the whole text would.
class DecimalDigits {
 public:
  void add(int c, bool fraction) {
    if (digits_.empty() && c == '0') {
      if (fraction) --power_;
    } else if (digits_.size() < kMaxDigits) {
      digits_.push_back(static_cast<char>(c));
      if (fraction) --power_;
    } else {
      if (!fraction) ++power_;
      if (c != '0') dropped_ = true;
    }
  }
  // Reads digits starting with c; returns the first byte that is no digit.
  int read(CharSource& in, int c, bool fraction, bool& any) {
    for (; isDigitChar(c); c = in.get()) {
      add(c, fraction);
      any = true;
    }
    return c;
  }
  // The magnitude, times ten to `exponent`: overflow gives infinity,
  // underflow zero, as strtod.
  double value(std::int64_t exponent) const {
    if (digits_.empty()) return 0.0;
    std::string text = digits_;
    std::int64_t power = power_ + exponent;
    if (dropped_) {
      text.push_back('1');
      --power;
    }
    // Far beyond the range of a double either way.
    power = std::clamp<std::int64_t>(power, -kPowerBound, kPowerBound);
    text += 'e' + std::to_string(power);
    double result = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    (void)end;
    if (error == std::errc::result_out_of_range) result = power < 0 ? 0.0 : HUGE_VAL;
    return result;
  }

 private:
  // More than the 767 significant digits that can decide a double's rounding.
  static constexpr std::size_t kMaxDigits = 800;
  static constexpr std::int64_t kPowerBound = 100000;
  std::string digits_;
  std::int64_t power_ = 0;
  bool dropped_ = false;
};

}  // namespace

bool isWhiteSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool ReadWord(CharSource& in, std::string& word, std::size_t limit) {
  word.clear();
  int c = skipWhiteSpace(in);
  if (c < 0) return false;
  while (c >= 0 && !isWhiteSpace(c)) {
    if (word.size() < limit) word.push_back(static_cast<char>(c));
    c = in.get();
  }
  if (c >= 0) in.unget(c);
  return true;
}

bool ReadLine(CharSource& in, std::string& line, std::size_t limit) {
  line.clear();
  int c = in.get();
  if (c < 0) return false;
  while (c >= 0 && c != '\n') {
    if (c == '\r') {
      const int next = in.get();
      if (next == '\n' || next < 0) break;
      in.unget(next);
    }
    if (line.size() == limit) {
      in.skipLine();
      break;
    }
    line.push_back(static_cast<char>(c));
    c = in.get();
  }
  return true;
}

ScanResult ScanInteger(CharSource& in, Word& value) {
  value = 0;
  bool negative = false;
  int c = 0;
  if (!startNumber(in, negative, c)) return ScanResult::kEnd;
  // Past 2^31 the number is out of range however it goes on.
  constexpr std::int64_t kBeyondRange = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  bool any = false;
  for (; isDigitChar(c); c = in.get()) {
    if (magnitude <= kBeyondRange) magnitude = magnitude * 10 + (c - '0');
    any = true;
  }
  if (c >= 0) in.unget(c);
  if (!any) return ScanResult::kMalformed;
  const std::int64_t wide = negative ? -magnitude : magnitude;
  if (wide < INT32_MIN || wide > INT32_MAX) return ScanResult::kOutOfRange;
  value = static_cast<Word>(wide);
  return ScanResult::kOk;
}

ScanResult ScanReal(CharSource& in, double& value) {
  value = 0.0;
  bool negative = false;
  int c = 0;
  if (!startNumber(in, negative, c)) return ScanResult::kEnd;
  DecimalDigits digits;
  bool any = false;
  c = digits.read(in, c, false, any);
  if (c == '.') c = digits.read(in, in.get(), true, any);
  std::int64_t exponent = 0;
  if (any && (c == 'e' || c == 'E')) {
    c = in.get();
    const bool negativeExponent = c == '-';
    if (c == '+' || c == '-') c = in.get();
    // A written exponent past this is out of range whatever the digits.
    constexpr std::int64_t kExponentBound = 1000000000;
    for (; isDigitChar(c); c = in.get())
      if (exponent < kExponentBound) exponent = exponent * 10 + (c - '0');
    if (negativeExponent) exponent = -exponent;
  }
  if (c >= 0) in.unget(c);
  if (!any) return ScanResult::kMalformed;
  value = digits.value(exponent);
  if (negative) value = -value;
  return ScanResult::kOk;
}

}  // namespace kau
