// Reading the values of READ and READLN from a stream of code page 850 bytes
// (the keyboard or a text file): words, lines and numbers as the C library's
// formatted input reads them. Only what the target can hold is kept, so a
// line or number of any length reads in little memory.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "compiler/word_code.h"

namespace kau {

class CharSource {
 public:
  // The next byte, or -1 at the end of the input (or when interrupted).
  virtual int get() = 0;
  // Gives back the byte just read (one byte of push-back).
  virtual void unget(int byte) = 0;
  // Drops the rest of the current line, its end included.
  virtual void skipLine() {
    for (int c = get(); c >= 0 && c != '\n'; c = get()) {
    }
  }

 protected:
  ~CharSource() = default;
};

bool isWhiteSpace(int c);

// The characters of a word or line kept for a string of maximum length
// `max` (at least one, so that a line read shows whether it was empty).
inline std::size_t KeptCharacters(Word max) {
  return static_cast<std::size_t>(std::clamp<Word>(max, 1, kMaxStringLength));
}

// Skips white space, then reads up to the next white space (left unread),
// keeping the first `limit` characters of the word. False when the input
// ended before a word began.
bool ReadWord(CharSource& in, std::string& word, std::size_t limit);
// Reads the rest of the current line and consumes its end (LF or CR LF),
// keeping the first `limit` characters of the line. False when the input had
// already ended.
bool ReadLine(CharSource& in, std::string& line, std::size_t limit);

enum class ScanResult { kOk, kEnd, kMalformed, kOutOfRange };

// "%d": white space, an optional sign, decimal digits (all of them are
// read). kEnd when the input ended before a number began; kOutOfRange
// outside 32 bits.
ScanResult ScanInteger(CharSource& in, Word& value);
// "%lf": white space, an optional sign, digits with an optional fraction and
// exponent.
ScanResult ScanReal(CharSource& in, double& value);

}  // namespace kau
