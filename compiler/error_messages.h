// The texts of compile errors: a header naming the class of error and the
// line, "#", then the message. All texts are in code page 1252.
#pragma once

#include <string>
#include <string_view>

namespace kau {

// Lexical error codes.
enum LexicalErrorCode : int {
  LEX_UNTERMINATED_COMMENT = 1,
  LEX_STRING_TOO_LONG = 2,  // never raised: longer literals are cut
  LEX_UNTERMINATED_STRING = 3,
  LEX_INTEGER_OUT_OF_RANGE = 5,
  LEX_INVALID_REAL = 6,
  LEX_REAL_OUT_OF_RANGE = 7,
  LEX_IDENTIFIER_TOO_LONG = 8,
  LEX_STRAY_CLOSING_BRACE = 9,
  LEX_UNKNOWN_SYMBOL = 10,
  LEX_HASH_NOT_INTEGER = 11,
  LEX_HASH_WITHOUT_NUMBER = 12,
};

// Syntax error kinds.
enum SyntaxErrorKind : int {
  SYNTAX_UNEXPECTED_TOKEN = 1,
  SYNTAX_SEMICOLON_BEFORE_ELSE = 2,
  SYNTAX_MISSING_SEMICOLON = 3,
  SYNTAX_USES = 4,
};

inline constexpr int kLastSemanticErrorCode = 88;

// The text followed by the number in decimal.
std::string AppendNumberText(std::string text, long long number);

// " => Erro léxico na linha " line "...#" and the code's message; code 10
// quotes `current`, the character that was not recognised. A code without a
// message gives the header alone.
std::string LexicalErrorMessage(int code, int line, char current);

// " => Erro sintático na linha " line "...# =>" and the kind's message; kind 1
// quotes the spelled token.
std::string SyntaxErrorMessage(int kind, int line, std::string_view spelledToken);

// " => Erro semântico na linha " line "...#" and the code's message with A
// and B spliced in where the code takes them (numbers as decimal text). For
// codes 3, 4 and 5, `a` is the current scope's kind letter: "F" chooses the
// function wording, anything else the record wording; `b` is the scope's name.
std::string SemanticErrorMessage(int code, int line, std::string_view a = {}, std::string_view b = {});

}  // namespace kau
