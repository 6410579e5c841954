#include "compiler/reserved_words.h"

#include <algorithm>
#include <unordered_map>

#include "compiler/token_kinds.h"

namespace kau {

namespace {

using WordTable = std::unordered_map<std::string_view, ReservedWord>;

WordTable buildTable() {
  constexpr int none = -1;
  return WordTable{
      {"PROGRAM", {TK_PROGRAM, 0, 0, 0}},
      {"CONST", {TK_CONST, 0, 0, none}},
      {"TYPE", {TK_TYPE, 0, 0, none}},
      {"ARRAY", {TK_ARRAY, 0, 0, 0}},
      {"OF", {TK_OF, 0, 0, none}},
      {"RECORD", {TK_RECORD, 0, 0, none}},
      {"END", {TK_END, 0, 0, none}},
      {"STRING", {TK_STRING, 0, 0, 255}},
      {"INTEGER", {TK_INTEGER, 0, 0, 1}},
      {"CHAR", {TK_CHAR, 0, 0, 1}},
      {"BOOLEAN", {TK_BOOLEAN, 0, 0, 1}},
      {"REAL", {TK_REAL, 0, 0, 2}},
      {"VAR", {TK_VAR, 0, 0, none}},
      {"TEXT", {TK_TEXT, 0, 0, 255}},
      {"FUNCTION", {TK_FUNCTION, 0, 0, none}},
      {"PROCEDURE", {TK_PROCEDURE, 0, 0, none}},
      {"BEGIN", {TK_BEGIN, 0, 0, none}},
      {"IF", {TK_IF, 0, 0, none}},
      {"THEN", {TK_THEN, 0, 0, none}},
      {"ELSE", {TK_ELSE, 0, 0, none}},
      {"CASE", {TK_CASE, 0, 0, none}},
      {"WHILE", {TK_WHILE, 0, 0, none}},
      {"DO", {TK_DO, 0, 0, none}},
      {"REPEAT", {TK_REPEAT, 0, 0, none}},
      {"UNTIL", {TK_UNTIL, 0, 0, none}},
      {"FOR", {TK_FOR, 0, 0, none}},
      {"TO", {TK_TO, 0, 0, none}},
      {"DOWNTO", {TK_DOWNTO, 0, 0, none}},
      {"READ", {TK_READ, 0, 0, none}},
      {"READLN", {TK_READLN, 0, 0, none}},
      {"READKEY", {TK_READKEY, 0, 0, none}},
      {"WRITE", {TK_WRITE, 0, 0, none}},
      {"WRITELN", {TK_WRITELN, 0, 0, none}},
      {"ASSIGN", {TK_ASSIGN, 0, 0, none}},
      {"RESET", {TK_FILEOP, FILEOP_RESET, 0, none}},
      {"REWRITE", {TK_FILEOP, FILEOP_REWRITE, 0, none}},
      {"APPEND", {TK_FILEOP, FILEOP_APPEND, 0, none}},
      {"CLOSE", {TK_FILEOP, FILEOP_CLOSE, 0, none}},
      {"TEXTCOLOR", {TK_TEXTCOLOR, 0, 0, none}},
      {"TEXTBACKGROUND", {TK_TEXTBACKGROUND, 0, 0, none}},
      {"GOTOXY", {TK_GOTOXY, 0, 0, none}},
      {"DELAY", {TK_DELAY, 0, 0, none}},
      {"VAL", {TK_VAL, 0, 0, none}},
      {"INC", {TK_INCDECNEW, INCDEC_INC, 0, none}},
      {"DEC", {TK_INCDECNEW, INCDEC_DEC, 0, none}},
      {"NEW", {TK_INCDECNEW, INCDEC_NEW, 0, none}},
      {"DISPOSE", {TK_INCDECNEW, INCDEC_DISPOSE, 0, none}},
      {"CLRSCR", {TK_CRTCMD, CRT_CLRSCR, 0, none}},
      {"RANDOMIZE", {TK_CRTCMD, CRT_RANDOMIZE, 0, none}},
      {"BREAK", {TK_CRTCMD, CRT_BREAK, 0, none}},
      {"CONTINUE", {TK_CRTCMD, CRT_CONTINUE, 0, none}},
      {"DIV", {TK_MULOP, MULOP_DIV, 0, none}},
      {"MOD", {TK_MULOP, MULOP_MOD, 0, none}},
      {"AND", {TK_MULOP, MULOP_AND, 0, none}},
      {"OR", {TK_ADDOP, ADDOP_OR, 0, none}},
      {"NOT", {TK_ADDOP, ADDOP_NOT, 0, none}},
      {"EOF", {TK_EOF, 0, 0, none}},
      {"LENGTH", {TK_STDFUNC, STDFUNC_LENGTH, 0, none}},
      {"CHR", {TK_STDFUNC, STDFUNC_CHR, 0, none}},
      {"ORD", {TK_STDFUNC, STDFUNC_ORD, 0, none}},
      {"LN", {TK_STDFUNC, STDFUNC_LN, 0, none}},
      {"EXP", {TK_STDFUNC, STDFUNC_EXP, 0, none}},
      {"SQR", {TK_STDFUNC, STDFUNC_SQR, 0, none}},
      {"SQRT", {TK_STDFUNC, STDFUNC_SQRT, 0, none}},
      {"ABS", {TK_STDFUNC, STDFUNC_ABS, 0, none}},
      {"TRUNC", {TK_STDFUNC, STDFUNC_TRUNC, 0, none}},
      {"ROUND", {TK_STDFUNC, STDFUNC_ROUND, 0, none}},
      {"SIN", {TK_STDFUNC, STDFUNC_SIN, 0, none}},
      {"COS", {TK_STDFUNC, STDFUNC_COS, 0, none}},
      {"ARCTAN", {TK_STDFUNC, STDFUNC_ARCTAN, 0, none}},
      {"ODD", {TK_STDFUNC, STDFUNC_ODD, 0, none}},
      {"SUCC", {TK_STDFUNC, STDFUNC_SUCC, 0, none}},
      {"PRED", {TK_STDFUNC, STDFUNC_PRED, 0, none}},
      {"UPCASE", {TK_STDFUNC, STDFUNC_UPCASE, 0, none}},
      {"RANDOM", {TK_STDFUNC, STDFUNC_RANDOM, 0, none}},
      {"NIL", {TK_NIL, 0, 0, none}},
      {"TRUE", {TK_BOOLCONST, 1, 0, none}},
      {"FALSE", {TK_BOOLCONST, 0, 0, none}},
      // Colour names are numbers.
      {"BLACK", {TK_NUM, 0, kIntegerValue2, none}},
      {"BLUE", {TK_NUM, 1, kIntegerValue2, none}},
      {"GREEN", {TK_NUM, 2, kIntegerValue2, none}},
      {"CYAN", {TK_NUM, 3, kIntegerValue2, none}},
      {"RED", {TK_NUM, 4, kIntegerValue2, none}},
      {"MAGENTA", {TK_NUM, 5, kIntegerValue2, none}},
      {"BROWN", {TK_NUM, 6, kIntegerValue2, none}},
      {"LIGHTGRAY", {TK_NUM, 7, kIntegerValue2, none}},
      {"DARKGRAY", {TK_NUM, 8, kIntegerValue2, none}},
      {"LIGHTBLUE", {TK_NUM, 9, kIntegerValue2, none}},
      {"LIGHTGREEN", {TK_NUM, 10, kIntegerValue2, none}},
      {"LIGHTCYAN", {TK_NUM, 11, kIntegerValue2, none}},
      {"LIGHTRED", {TK_NUM, 12, kIntegerValue2, none}},
      {"LIGHTMAGENTA", {TK_NUM, 13, kIntegerValue2, none}},
      {"YELLOW", {TK_NUM, 14, kIntegerValue2, none}},
      {"WHITE", {TK_NUM, 15, kIntegerValue2, none}},
      {"BLINK", {TK_NUM, 128, kIntegerValue2, none}},
  };
}

const WordTable& wordTable() {
  static const WordTable words = buildTable();
  return words;
}

}  // namespace

const ReservedWord* FindReservedWord(std::string_view upperCaseWord) {
  const WordTable& table = wordTable();
  const auto found = table.find(upperCaseWord);
  return found == table.end() ? nullptr : &found->second;
}

std::vector<std::string_view> ReservedWordSpellings() {
  std::vector<std::string_view> spellings;
  for (const auto& entry : wordTable()) spellings.push_back(entry.first);
  std::sort(spellings.begin(), spellings.end());
  return spellings;
}

}  // namespace kau
