// Reading the values of READ and READLN from a stream of code page 850 bytes
// (the keyboard or a text file): words, lines and numbers as the C library's
// formatted input reads them, without fixed-size buffers.
#pragma once

#include <string>

#include "compiler/word_code.h"

namespace kau {

class CharSource {
 public:
  // The next byte, or -1 at the end of the input (or when interrupted).
  virtual int get() = 0;
  // Gives back the byte just read (one byte of push-back).
  virtual void unget(int byte) = 0;

 protected:
  ~CharSource() = default;
};

bool isWhiteSpace(int c);

// Skips white space, then reads up to the next white space (left unread).
// False when the input ended before a word began.
bool ReadWord(CharSource& in, std::string& word);
// Reads the rest of the current line and consumes its end (LF or CR LF).
// False when the input had already ended.
bool ReadLine(CharSource& in, std::string& line);
// Drops the rest of the current line, its end included.
void SkipLine(CharSource& in);

enum class ScanResult { kOk, kEnd, kMalformed, kOutOfRange };

// "%d": white space, an optional sign, decimal digits. kEnd when the input
// ended before a number began; kOutOfRange outside 32 bits.
ScanResult ScanInteger(CharSource& in, Word& value);
// "%lf": white space, an optional sign, digits with an optional fraction and
// exponent.
ScanResult ScanReal(CharSource& in, double& value);

}  // namespace kau
