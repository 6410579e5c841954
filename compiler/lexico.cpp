#include "compiler/lexico.h"

#include <cstdlib>

#include "compiler/error_messages.h"
#include "compiler/reserved_words.h"
#include "text/char_class.h"
#include "text/code_pages.h"

namespace kau {

namespace {

constexpr std::size_t kMaxIdentifierLength = 127;
constexpr std::size_t kMaxNumberDigits = 255;
constexpr std::size_t kMaxLiteralLength = 255;
constexpr std::size_t kMaxIntegerDigits = 11;
constexpr int kMaxRealIntegerDigits = 39;
constexpr int kMaxFractionDigits = 50;
constexpr int kMaxRealExponent = 38;
constexpr double kMaxMantissaAtMaxExponent = 3.4;
constexpr long long kMaxInteger = 2147483647;

bool isDigit(char c) { return text::isDigit(static_cast<unsigned char>(c)); }
bool startsIdentifier(char c) { return text::isAsciiLetter(static_cast<unsigned char>(c)) || c == '_'; }
bool continuesIdentifier(char c) { return startsIdentifier(c) || isDigit(c); }
char upper(char c) { return static_cast<char>(text::toUpperAscii(static_cast<unsigned char>(c))); }

}  // namespace

Lexico::Lexico(const char* text) : Lexico(std::string_view(text ? text : ""), Symbols, RealConstants) {}

Lexico::Lexico(std::string_view text, SymbolTable& symbols, RealConstantTable& reals)
    : symbols_(symbols), reals_(reals), source_(text) {}

int Lexico::ReadToken() {
  NextToken();
  return kind_;
}

// ---- reading characters --------------------------------------------------

bool Lexico::AtEnd() const { return position_ >= source_.size() || source_[position_] == '\0'; }

// The character at the read position, or "$" (without moving) at the end.
char Lexico::NextChar() {
  if (atEnd_ || AtEnd()) {
    atEnd_ = true;
    return '$';
  }
  const char c = source_[position_++];
  ++column_;
  if (c == '\n') {
    ++line_;
    column_ = 0;
  }
  return c;
}

void Lexico::UngetChar() {
  if (atEnd_ || position_ == 0) return;
  --position_;
  if (source_[position_] == '\n') {
    --line_;
    ComputeColumn();
  } else {
    --column_;
  }
}

void Lexico::ComputeColumn() {
  std::size_t lineStart = position_;
  while (lineStart > 0 && source_[lineStart - 1] != '\n') --lineStart;
  column_ = static_cast<int>(position_ - lineStart);
}

// ---- tokens --------------------------------------------------------------

void Lexico::SetEndOfText() {
  text_.assign(1, '$');  // assigning the literal trips a false -Wrestrict of g++ 12 at -O3
  kind_ = TK_END_OF_TEXT;
}

void Lexico::NextToken() {
  text_.clear();
  kind_ = TK_NONE;
  value_ = 0;
  value2_ = 0;
  hashCode_ = false;
  if (atEnd_) {
    SetEndOfText();
    return;
  }

  // Skip blanks, line ends and comments.
  current_ = NextChar();
  for (;;) {
    const char c = current_;
    if (c == '\n' || c == '\r' || c == '\t' || c == ' ') {
      // a blank or a line end
    } else if (c == '{') {
      if (!SkipBraceComment()) return;
    } else if (c == '/' || c == '(') {
      const char opensComment = c == '/' ? '/' : '*';
      const char next = NextChar();
      if (atEnd_) break;  // a last "/" or "(" is a symbol of its own
      if (next != opensComment) {
        UngetChar();
        break;
      }
      if (c == '/') {
        for (char skipped = NextChar(); !atEnd_ && skipped != '\n'; skipped = NextChar()) {
        }
      } else if (!SkipParenComment()) {
        return;
      }
    } else {
      break;
    }
    if (atEnd_) {
      SetEndOfText();
      return;
    }
    current_ = NextChar();
  }

  const char c = current_;
  static constexpr std::string_view kSymbols = "+-*=()[],.;/^@";
  if (startsIdentifier(c)) {
    ScanIdentifier();
  } else if (isDigit(c)) {
    ScanNumber();
  } else if (c == '\'') {
    ScanQuotedLiteral();
  } else if (c == '#') {
    hashCode_ = true;
    current_ = NextChar();
    if (!atEnd_ && isDigit(current_))
      ScanNumber();
    else
      RaiseLexicalError(LEX_HASH_WITHOUT_NUMBER);
  } else if (c == '<' || c == '>' || c == ':') {
    ScanCompoundOperator();
  } else if (kSymbols.find(c) != std::string_view::npos) {
    ScanSymbol();
  } else if (c == '}') {
    RaiseLexicalError(LEX_STRAY_CLOSING_BRACE);
  } else if (!atEnd_) {  // the "$" of the end is no symbol
    RaiseLexicalError(LEX_UNKNOWN_SYMBOL);
  }
  if (!error_ && text_.empty() && atEnd_) SetEndOfText();
}

// Skips to the closing brace; there is no nesting. False at the end of text.
bool Lexico::SkipBraceComment() {
  for (;;) {
    const char c = NextChar();
    if (atEnd_) {
      RaiseLexicalError(LEX_UNTERMINATED_COMMENT);
      return false;
    }
    if (c == '}') return true;
  }
}

// Skips to the next "*)" after the opening "(*", so "(*)" opens a comment
// without closing it. False at the end of text.
bool Lexico::SkipParenComment() {
  char previous = 0;
  for (;;) {
    const char c = NextChar();
    if (atEnd_) {
      RaiseLexicalError(LEX_UNTERMINATED_COMMENT);
      return false;
    }
    if (previous == '*' && c == ')') return true;
    previous = c;
  }
}

void Lexico::ScanIdentifier() {
  text_ += current_;
  for (;;) {
    current_ = NextChar();
    if (atEnd_ || !continuesIdentifier(current_)) break;
    if (text_.size() >= kMaxIdentifierLength) {
      RaiseLexicalError(LEX_IDENTIFIER_TOO_LONG);
      return;
    }
    text_ += current_;
  }
  UngetChar();
  for (char& ch : text_) ch = upper(ch);

  if (const ReservedWord* word = FindReservedWord(text_)) {
    kind_ = word->kind;
    value_ = word->value;
    value2_ = word->value2;
    if (word->symbolSize >= 0) {
      value_ = HashName(text_);
      value2_ = symbols_.InsertSymbol(text_, word->symbolSize);
    }
    return;
  }
  kind_ = TK_ID;
  value_ = HashName(text_);
  value2_ = symbols_.InsertSymbol(text_, 0);
}

// Digits without their leading zeros; a "." or "E" after them makes a real.
void Lexico::ScanNumber() {
  kind_ = TK_NUM;
  for (;;) {
    if (text_ == "0")
      text_[0] = current_;
    else if (text_.size() < kMaxNumberDigits)
      text_ += current_;
    current_ = NextChar();
    if (atEnd_ || !isDigit(current_)) break;
  }
  current_ = upper(current_);
  if (current_ != '.' && current_ != 'E') {
    UngetChar();
    if (hashCode_) kind_ = TK_CHARLIT;
    value2_ = kIntegerValue2;
    CheckIntegerLiteral();
  } else if (hashCode_) {
    RaiseLexicalError(LEX_HASH_NOT_INTEGER);
  } else {
    ScanRealPart();
  }
}

// Sets the value of the integer text, or raises error 5 when it does not fit.
void Lexico::CheckIntegerLiteral() {
  if (text_.size() > kMaxIntegerDigits) {
    RaiseLexicalError(LEX_INTEGER_OUT_OF_RANGE);
    return;
  }
  const long long number = std::strtoll(text_.c_str(), nullptr, 10);
  if (number > kMaxInteger) {
    RaiseLexicalError(LEX_INTEGER_OUT_OF_RANGE);
    return;
  }
  value_ = static_cast<std::int32_t>(number);
}

// The fraction and exponent of a real; the text becomes the normalised form
// d.dddE+n that the real-constant table is keyed by.
void Lexico::ScanRealPart() {
  if (current_ == '.') {
    const char next = NextChar();
    if (!atEnd_ && next == '.') {
      // "1..5": an integer followed by the range symbol.
      UngetChar();
      UngetChar();
      value2_ = kIntegerValue2;
      CheckIntegerLiteral();
      return;
    }
    UngetChar();
  }

  const int integerDigits = static_cast<int>(text_.size());
  if (integerDigits > kMaxRealIntegerDigits) {
    RaiseLexicalError(LEX_REAL_OUT_OF_RANGE);
    return;
  }
  std::string mantissa = text_.substr(0, 1) + "." + text_.substr(1);
  int exponent = integerDigits - 1;

  if (current_ == '.') {
    int fractionDigits = 0;
    current_ = upper(NextChar());
    while (!atEnd_ && isDigit(current_)) {
      if (fractionDigits < kMaxFractionDigits) {
        mantissa += current_;
        ++fractionDigits;
      }
      current_ = upper(NextChar());
    }
    if (current_ != 'E') UngetChar();
  }

  if (current_ == 'E') {
    current_ = NextChar();
    bool negative = false;
    if (current_ == '+' || current_ == '-') {
      negative = current_ == '-';
      current_ = NextChar();
    }
    if (atEnd_ || !isDigit(current_)) {
      RaiseLexicalError(LEX_INVALID_REAL);
      return;
    }
    int written = 0;
    int digitCount = 0;
    for (; !atEnd_ && isDigit(current_); current_ = NextChar()) {
      if (++digitCount < 3) written = written * 10 + (current_ - '0');
    }
    UngetChar();
    if (digitCount >= 3) {
      RaiseLexicalError(LEX_REAL_OUT_OF_RANGE);
      return;
    }
    exponent += negative ? -written : written;
  }

  if (exponent > kMaxRealExponent ||
      (exponent == kMaxRealExponent && RealLiteralValue(mantissa) > kMaxMantissaAtMaxExponent)) {
    RaiseLexicalError(LEX_REAL_OUT_OF_RANGE);
    return;
  }
  text_ = mantissa + "E" + (exponent >= 0 ? "+" : "-") + std::to_string(exponent >= 0 ? exponent : -exponent);
  kind_ = TK_NUM;
  value_ = HashName(text_);
  value2_ = reals_.InsertRealConstant(text_);
}

// A literal between quotes, without escapes; line breaks may stand inside.
// Longer literals are cut to their first 255 characters. Its characters are
// the running program's, code page 850 ('?' for those that 850 lacks).
void Lexico::ScanQuotedLiteral() {
  for (;;) {
    const char c = NextChar();
    if (atEnd_) {
      RaiseLexicalError(LEX_UNTERMINATED_STRING);
      return;
    }
    if (c == '\'') break;
    if (text_.size() < kMaxLiteralLength)
      text_ += static_cast<char>(text::cp1252To850(static_cast<unsigned char>(c)));
  }
  if (text_.size() == 1) {
    kind_ = TK_CHARLIT;
    value_ = static_cast<unsigned char>(text_[0]);
    value2_ = kIntegerValue2;
    return;
  }
  kind_ = TK_STRLIT;
  value_ = HashName(text_);
  value2_ = symbols_.InsertSymbol(text_, 0);
}

void Lexico::ScanCompoundOperator() {
  const char first = current_;
  text_ += first;
  const char second = NextChar();
  const bool atEnd = atEnd_;
  auto take = [&](int kind, int value) {
    text_ += second;
    kind_ = kind;
    value_ = value;
  };
  if (first == ':') {
    kind_ = TK_COLON;
    if (!atEnd && second == '=') return take(TK_BECOMES, 0);
  } else if (first == '>') {
    kind_ = TK_RELOP;
    value_ = RELOP_GT;
    if (!atEnd && second == '=') return take(TK_RELOP, RELOP_GE);
  } else {
    kind_ = TK_RELOP;
    value_ = RELOP_LT;
    if (!atEnd && second == '>') return take(TK_RELOP, RELOP_NE);
    if (!atEnd && second == '=') return take(TK_RELOP, RELOP_LE);
  }
  UngetChar();
}

void Lexico::ScanSymbol() {
  text_ += current_;
  switch (current_) {
    case '(': kind_ = TK_LPAREN; break;
    case ')': kind_ = TK_RPAREN; break;
    case '*': kind_ = TK_MULOP; value_ = MULOP_TIMES; break;
    case '+': kind_ = TK_ADDOP; value_ = ADDOP_PLUS; break;
    case ',': kind_ = TK_COMMA; break;
    case '-': kind_ = TK_ADDOP; value_ = ADDOP_MINUS; break;
    case '.': kind_ = TK_DOT; break;
    case '/': kind_ = TK_MULOP; value_ = MULOP_DIVIDE; break;
    case ';': kind_ = TK_SEMICOLON; break;
    case '=': kind_ = TK_EQUAL; break;
    case '@': kind_ = TK_AT; break;
    case '[': kind_ = TK_LBRACKET; break;
    case ']': kind_ = TK_RBRACKET; break;
    case '^': kind_ = TK_CARET; break;
    default: break;
  }
}

// Only the first error's text is kept: the parser reads no token after it.
void Lexico::RaiseLexicalError(int code) {
  if (!error_) message_ = LexicalErrorMessage(code, line_, current_);
  error_ = true;
  value_ = 0;
  text_.clear();
}

}  // namespace kau
