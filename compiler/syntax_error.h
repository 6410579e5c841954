// What the parser reports when no action exists for the current token: which
// of the four syntax messages, on which line, and how the token is spelled.
#pragma once

#include <cstdint>
#include <string>

namespace kau {

struct UnexpectedToken {
  int kind = 0;
  std::int32_t value = 0;
  std::string text;       // the lexer's text of the token
  int line = 0;           // the lexer's line
};

struct PreviousToken {
  bool present = false;   // false before the first shift
  int kind = 0;
  int line = 0;
};

// The token as the message quotes it: words and symbols by their kind and
// value, identifiers and literals by their text, the end as "FIM DE ARQUIVO".
std::string SpellToken(const UnexpectedToken& token);

// The finished message text (code page 1252) and its line.
struct SyntaxErrorReport {
  std::string message;
  int line = 0;
};

SyntaxErrorReport ReportSyntaxError(const UnexpectedToken& token, const PreviousToken& previous);

}  // namespace kau
