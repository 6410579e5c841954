#include "interpreter/char_source.h"

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

// Appends digits starting with c; returns the first byte that is no digit.
int readDigits(CharSource& in, int c, std::string& text, int& count) {
  while (isDigitChar(c)) {
    text.push_back(static_cast<char>(c));
    ++count;
    c = in.get();
  }
  return c;
}

// Skips white space and reads an optional sign ("-" kept in text); c is
// the first byte after them. False when the input ended first.
bool startNumber(CharSource& in, std::string& text, int& c) {
  c = skipWhiteSpace(in);
  if (c < 0) return false;
  if (c == '+' || c == '-') {
    if (c == '-') text.push_back('-');
    c = in.get();
  }
  return true;
}

}  // namespace

bool isWhiteSpace(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool ReadWord(CharSource& in, std::string& word) {
  word.clear();
  int c = skipWhiteSpace(in);
  if (c < 0) return false;
  while (c >= 0 && !isWhiteSpace(c)) {
    word.push_back(static_cast<char>(c));
    c = in.get();
  }
  if (c >= 0) in.unget(c);
  return true;
}

bool ReadLine(CharSource& in, std::string& line) {
  line.clear();
  int c = in.get();
  if (c < 0) return false;
  while (c >= 0 && c != '\n') {
    if (c == '\r') {
      const int next = in.get();
      if (next == '\n' || next < 0) break;
      in.unget(next);
    }
    line.push_back(static_cast<char>(c));
    c = in.get();
  }
  return true;
}

void SkipLine(CharSource& in) {
  int c = in.get();
  while (c >= 0 && c != '\n') c = in.get();
}

ScanResult ScanInteger(CharSource& in, Word& value) {
  value = 0;
  std::string text;
  int c = 0;
  if (!startNumber(in, text, c)) return ScanResult::kEnd;
  int digits = 0;
  c = readDigits(in, c, text, digits);
  if (c >= 0) in.unget(c);
  if (digits == 0) return ScanResult::kMalformed;
  std::int64_t wide = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), wide);
  (void)end;
  if (error != std::errc() || wide < INT32_MIN || wide > INT32_MAX) return ScanResult::kOutOfRange;
  value = static_cast<Word>(wide);
  return ScanResult::kOk;
}

ScanResult ScanReal(CharSource& in, double& value) {
  value = 0.0;
  std::string text;
  int c = 0;
  if (!startNumber(in, text, c)) return ScanResult::kEnd;
  int digits = 0;
  c = readDigits(in, c, text, digits);
  if (c == '.') {
    text.push_back('.');
    c = readDigits(in, in.get(), text, digits);
  }
  if (digits > 0 && (c == 'e' || c == 'E')) {
    std::string exponent = "e";
    c = in.get();
    if (c == '+' || c == '-') {
      exponent.push_back(static_cast<char>(c));
      c = in.get();
    }
    int exponentDigits = 0;
    c = readDigits(in, c, exponent, exponentDigits);
    if (exponentDigits > 0) text += exponent;
  }
  if (c >= 0) in.unget(c);
  if (digits == 0) return ScanResult::kMalformed;
  const char* first = text.data();
  if (text[0] == '-') ++first;
  const auto [end, error] = std::from_chars(first, text.data() + text.size(), value);
  (void)end;
  if (error == std::errc::result_out_of_range) {
    // Like strtod: overflow gives infinity, underflow zero.
    const std::size_t e = text.find('e');
    const bool tiny = e != std::string::npos ? text.compare(e, 2, "e-") == 0
                                             : text.find_first_not_of("-0.") == std::string::npos ||
                                                   text.find_first_of("123456789") > text.find('.');
    value = tiny ? 0.0 : HUGE_VAL;
  }
  if (text[0] == '-') value = -value;
  return ScanResult::kOk;
}

}  // namespace kau
