// The run-time error codes of a running program and the texts that report
// them (code page 1252, header and message joined by "#").
#pragma once

#include <string>

#include "compiler/word_code.h"

namespace kau {

enum RuntimeErrorCode : int {
  kErrorIndexOutOfRange = 1,
  kErrorEofOnClosedFile = 3,
  kErrorStackOverflow = 5,
  kErrorReadClosedFile = 8,
  kErrorBadBoolean = 9,
  kErrorBadInteger = 10,
  kErrorBadReal = 11,
  kErrorWriteClosedFile = 12,
  kErrorDivisionByZero = 14,
  kErrorResetMissingFile = 15,
  kErrorAppendMissingFile = 16,
  kErrorBadInstruction = 17,
  kErrorExecution = 18,
  kErrorBadEnumeration = 19,
  // A text file that the system would not write or open.
  kErrorFileWriteFailed = 20,
  kErrorCloseFailed = 21,
  kErrorResetFailed = 22,
  kErrorRewriteFailed = 23,
  kErrorAppendFailed = 24,
};

// The header, "...#" and the message of the code; `value` is the offending
// index of code 1. An unknown code gives the text of code 18.
std::string RuntimeErrorText(int code, Word value);

// The Ctrl+C text, stored whole (it has no header).
std::string CtrlCText();

// Decimal text of a signed integer.
std::string IntToString(long long value);

}  // namespace kau
