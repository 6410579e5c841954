// Token kinds of the lexer (1 to 66) and the values that the valued kinds
// carry. The parser's tables are indexed by these kinds and the translator
// chooses operators and commands by these values.
#pragma once

namespace kau {

enum TokenKind : int {
  TK_NONE = 0,  // no token read yet
  TK_DOT = 1,
  TK_PROGRAM = 2,
  TK_ID = 3,
  TK_SEMICOLON = 4,
  TK_CONST = 5,
  TK_EQUAL = 6,
  TK_NUM = 7,        // integer, real or colour name
  TK_BOOLCONST = 8,  // TRUE, FALSE
  TK_STRLIT = 9,     // quoted literal of any length but 1
  TK_CHARLIT = 10,   // one-character literal or #n
  TK_ADDOP = 11,     // + - OR NOT
  TK_COMMA = 12,
  TK_TYPE = 13,
  TK_CARET = 14,
  TK_ARRAY = 15,
  TK_LBRACKET = 16,
  TK_RBRACKET = 17,
  TK_OF = 18,
  TK_RECORD = 19,
  TK_END = 20,
  TK_LPAREN = 21,
  TK_RPAREN = 22,
  TK_COLON = 23,
  TK_STRING = 24,
  TK_INTEGER = 25,
  TK_CHAR = 26,
  TK_BOOLEAN = 27,
  TK_REAL = 28,
  TK_VAR = 29,
  TK_TEXT = 30,
  TK_FUNCTION = 31,
  TK_PROCEDURE = 32,
  TK_BEGIN = 33,
  TK_BECOMES = 34,  // :=
  TK_IF = 35,
  TK_THEN = 36,
  TK_ELSE = 37,
  TK_CASE = 38,
  TK_WHILE = 39,
  TK_DO = 40,
  TK_REPEAT = 41,
  TK_UNTIL = 42,
  TK_FOR = 43,
  TK_TO = 44,
  TK_DOWNTO = 45,
  TK_READ = 46,
  TK_READLN = 47,
  TK_READKEY = 48,
  TK_WRITE = 49,
  TK_WRITELN = 50,
  TK_ASSIGN = 51,
  TK_FILEOP = 52,     // RESET REWRITE APPEND CLOSE
  TK_TEXTCOLOR = 53,
  TK_TEXTBACKGROUND = 54,
  TK_GOTOXY = 55,
  TK_DELAY = 56,
  TK_VAL = 57,
  TK_INCDECNEW = 58,  // INC DEC NEW DISPOSE
  TK_CRTCMD = 59,     // CLRSCR RANDOMIZE BREAK CONTINUE
  TK_RELOP = 60,      // < > <> >= <=
  TK_MULOP = 61,      // * / DIV MOD AND
  TK_AT = 62,
  TK_EOF = 63,
  TK_STDFUNC = 64,
  TK_NIL = 65,
  TK_END_OF_TEXT = 66,  // text "$"
};

inline constexpr int kTokenKindCount = 66;

// Values of TK_ADDOP, TK_MULOP and TK_RELOP.
enum OperatorValue : int {
  RELOP_LT = 1,
  RELOP_GT = 2,
  RELOP_NE = 3,
  RELOP_GE = 4,
  RELOP_LE = 5,
  ADDOP_PLUS = 6,
  ADDOP_MINUS = 7,
  ADDOP_OR = 8,
  MULOP_TIMES = 9,
  MULOP_DIVIDE = 10,
  MULOP_DIV = 11,
  MULOP_MOD = 12,
  MULOP_AND = 13,
  ADDOP_NOT = 14,
};

// Values of TK_FILEOP.
enum FileOperation : int { FILEOP_RESET = 1, FILEOP_REWRITE = 2, FILEOP_APPEND = 3, FILEOP_CLOSE = 4 };

// Values of TK_INCDECNEW.
enum IncDecNew : int { INCDEC_INC = 1, INCDEC_DEC = 2, INCDEC_NEW = 3, INCDEC_DISPOSE = 4 };

// Values of TK_CRTCMD.
enum CrtCommand : int { CRT_CLRSCR = 1, CRT_RANDOMIZE = 2, CRT_BREAK = 3, CRT_CONTINUE = 4 };

// Values of TK_STDFUNC.
enum StandardFunction : int {
  STDFUNC_LENGTH = 1,
  STDFUNC_CHR = 2,
  STDFUNC_ORD = 3,
  STDFUNC_LN = 4,
  STDFUNC_EXP = 5,
  STDFUNC_SQR = 6,
  STDFUNC_SQRT = 7,
  STDFUNC_ABS = 8,
  STDFUNC_TRUNC = 9,
  STDFUNC_ROUND = 10,
  STDFUNC_SIN = 11,
  STDFUNC_COS = 12,
  STDFUNC_ARCTAN = 13,
  STDFUNC_ODD = 14,
  STDFUNC_SUCC = 15,
  STDFUNC_PRED = 16,
  STDFUNC_UPCASE = 17,
  STDFUNC_RANDOM = 18,
};

// value2 of an integer TK_NUM, of a colour name and of a TK_CHARLIT; a real
// TK_NUM carries its real-table index there instead.
inline constexpr int kIntegerValue2 = -1;

}  // namespace kau
