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

// Semantic error codes, raised by the translator.
enum SemanticErrorCode : int {
  SEM_DUPLICATE_IDENTIFIER = 1,
  SEM_UNDECLARED_IDENTIFIER = 2,
  SEM_ARRAY_BOUND_NOT_INTEGER = 3,
  SEM_INVALID_ARRAY_BOUND = 4,
  SEM_STRING_LENGTH_NOT_INTEGER = 5,
  SEM_PARAMETER_NOT_STRING = 6,
  SEM_ASSIGN_PARAMETER_NOT_TEXT = 7,
  SEM_FIELD_NOT_IN_RECORD = 8,
  SEM_PARAMETER_NOT_TEXT = 9,
  SEM_INCORRECT_ARRAY_REFERENCE = 10,  // not raised
  SEM_INDEXES_EXPECTED = 11,  // fewer indexes than the array has dimensions
  SEM_INVALID_IN_CONTEXT = 12,
  SEM_REAL_COLOUR = 13,  // not raised
  SEM_COLOUR_OVERFLOW = 14,  // not raised
  SEM_INCOMPATIBLE_OPERANDS = 15,
  SEM_OPERANDS_NOT_NUMERIC = 16,
  SEM_INVALID_PROCEDURE_CALL = 17,
  SEM_INVALID_FUNCTION = 18,
  SEM_BOOLEAN_EXPECTED = 19,
  SEM_INTEGER_EXPECTED = 20,
  SEM_ARGUMENT_COUNT = 21,
  SEM_COMMAND_VARIABLE_NOT_INTEGER = 22,  // not raised
  SEM_ARRAY_DIMENSIONS = 23,
  SEM_COLOUR_NOT_INTEGER = 24,
  SEM_FIELD_EXPECTED = 25,
  SEM_FUNCTION_RESULT_OUT_OF_SCOPE = 26,
  SEM_INCOMPATIBLE_ASSIGNMENT = 27,
  SEM_ARGUMENT_TYPE = 28,  // not raised
  SEM_INDEX_NOT_INTEGER = 29,
  SEM_ASSIGNMENT_TO_CONSTANT = 30,
  SEM_NOT_VARIABLE = 31,
  SEM_NOT_TYPE = 32,
  SEM_STRING_TOO_LONG = 33,
  SEM_TEXT_NOT_FIRST = 34,
  SEM_NEGATION_NOT_NUMERIC = 35,
  SEM_NOT_OPERAND_NOT_BOOLEAN = 36,
  SEM_BOOLEAN_COMPARISON = 37,
  SEM_ARGUMENT_NOT_INTEGER = 38,  // raised for CHR
  SEM_CHR_NOT_CHAR = 39,  // not raised
  SEM_ODD_NOT_INTEGER = 40,
  SEM_SUCC_NOT_ORDINAL = 41,
  SEM_PRED_NOT_ORDINAL = 42,
  SEM_LN_NOT_NUMERIC = 43,
  SEM_EXP_NOT_NUMERIC = 44,
  SEM_SQR_NOT_NUMERIC = 45,
  SEM_SQRT_NOT_NUMERIC = 46,
  SEM_ABS_NOT_NUMERIC = 47,
  SEM_TRUNC_NOT_NUMERIC = 48,
  SEM_ROUND_NOT_NUMERIC = 49,
  SEM_SIN_NOT_NUMERIC = 50,
  SEM_COS_NOT_NUMERIC = 51,
  SEM_ARCTAN_NOT_NUMERIC = 52,
  SEM_INC_NOT_ORDINAL = 53,
  SEM_DEC_NOT_ORDINAL = 54,
  SEM_UNEXPECTED_COLON = 55,
  SEM_WRITE_WIDTH_NOT_INTEGER = 56,
  SEM_FOR_VARIABLE_NOT_ORDINAL = 57,
  SEM_CHAR_EXPECTED = 58,
  SEM_FOR_INCOMPATIBLE = 59,
  SEM_STRING_INDEX_FORM = 60,
  SEM_VAR_ARGUMENT_NOT_VARIABLE = 61,
  SEM_ARRAY_RANGE_ARGUMENT = 62,  // not raised
  SEM_INCOMPATIBLE_PARAMETER = 63,
  SEM_NOT_CONSTANT = 64,
  SEM_NO_PARAMETERS = 65,
  SEM_PROGRAM_NAME_USED = 66,
  SEM_UPCASE_NOT_CHAR = 67,
  SEM_RANDOM_NOT_INTEGER = 68,
  SEM_CASE_SELECTOR_NOT_ORDINAL = 69,
  SEM_CASE_CONSTANT_TYPE = 70,
  SEM_DELAY_NOT_INTEGER = 71,  // raised for DELAY; its text names ODD
  SEM_LENGTH_NOT_TEXTUAL = 72,
  SEM_VAL_FIRST_NOT_TEXTUAL = 73,
  SEM_VAL_SECOND_NOT_NUMERIC = 74,
  SEM_VAL_THIRD_NOT_INTEGER = 75,
  SEM_BREAK_OUTSIDE_LOOP = 76,
  SEM_INVALID_CONSTANT = 77,
  SEM_INVALID_EXPRESSION = 78,
  SEM_NOT_ARRAY = 79,
  SEM_ORD_NOT_ORDINAL = 80,
  SEM_NEW_NOT_POINTER = 81,
  SEM_NOT_POINTER = 82,
  SEM_POINTER_WITHOUT_CARET = 83,
  SEM_DISPOSE_NOT_POINTER = 84,
  SEM_POINTER_READ_OR_WRITTEN = 85,
  SEM_POINTER_READ_FROM_FILE = 86,  // not raised
  SEM_ENUMERATION_READ_OR_WRITTEN = 87,
  SEM_ENUMERATION_EXPECTED = 88,  // FOR over an enumeration; its text asks for a char
};

inline constexpr int kLastSemanticErrorCode = SEM_ENUMERATION_EXPECTED;

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
// SEM_ARRAY_BOUND_NOT_INTEGER, SEM_INVALID_ARRAY_BOUND and
// SEM_STRING_LENGTH_NOT_INTEGER, `a` is the current scope's kind letter: "F"
// chooses the function wording, anything else the record wording; `b` is the
// scope's name.
std::string SemanticErrorMessage(int code, int line, std::string_view a = {}, std::string_view b = {});

}  // namespace kau
