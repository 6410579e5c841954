#include "editor/highlight/pascal_highlighter.h"

#include <array>

#include "editor/highlight/highlighter_registry.h"
#include "editor/highlight/pascal_keywords.h"
#include "editor/highlight/scan_chars.h"
#include "editor/highlight/scan_routines.h"

namespace kau::editor {

namespace {

using pascal::KeywordRule;
using pascal::letterValue;

using scan::isAsciiLetter;
using scan::isDigit;
using scan::isHexDigit;
using scan::isIdentChar;
using scan::isLineEnd;
using scan::isSpace;

// The class is listed as soon as the program starts.
const bool registered = (RegisterPlaceableHighlighter(HighlighterClass<TSynPasSyn>()), true);

}  // namespace

TSynPasSyn::TSynPasSyn() {
  (void)registered;  // used, so no compiler flags it
  asmAttri_ = AddNewAttribute("Assembler", 0);
  commentAttri_ = AddNewAttribute("Comment", fsItalic);
  directiveAttri_ = AddNewAttribute("Preprocessor", fsItalic);
  identifierAttri_ = AddNewAttribute("Identifier", 0);
  keyAttri_ = AddNewAttribute("Reserved Word", fsBold);
  numberAttri_ = AddNewAttribute("Number", 0);
  floatAttri_ = AddNewAttribute("Float", 0);
  hexAttri_ = AddNewAttribute("Hexadecimal", 0);
  spaceAttri_ = AddNewAttribute("Space", 0);
  stringAttri_ = AddNewAttribute("String", 0);
  charAttri_ = AddNewAttribute("Character", 0);
  symbolAttri_ = AddNewAttribute("Symbol", 0);
  SetAttributesOnChange(TNotifyEvent::bind<&TSynCustomHighlighter::DefHighlightChange>(
      static_cast<TSynCustomHighlighter*>(this)));
  SetDefaultFilter(PascalFilesFilter());
}

TSynCustomHighlighterClass TSynPasSyn::ClassType() const {
  return HighlighterClass<TSynPasSyn>();
}

std::string TSynPasSyn::PascalFilesFilter() {
  return "Pascal Files (*.pas,*.pp,*.dpr,*.inc)|*.pas;*.pp;*.dpr;*.inc";
}

TSynHighlighterAttributes* TSynPasSyn::GetDefaultAttribute(int index) const {
  switch (index) {
    case SYN_ATTR_COMMENT: return commentAttri_;
    case SYN_ATTR_IDENTIFIER: return identifierAttri_;
    case SYN_ATTR_KEYWORD: return keyAttri_;
    case SYN_ATTR_STRING: return stringAttri_;
    case SYN_ATTR_WHITESPACE: return spaceAttri_;
    case SYN_ATTR_SYMBOL: return symbolAttri_;
    default: return nullptr;
  }
}

TSynIdentChars TSynPasSyn::GetIdentChars() const { return DefaultIdentChars(); }

std::string TSynPasSyn::GetSampleSource() const {
  return "{ Totals }\n"
         "procedure ShowTotal(const Title: string);\n"
         "var\n"
         "  Count: Integer;\n"
         "  Ratio: Real;\n"
         "begin\n"
         "  {$I+}\n"
         "  Count := 42 + $1F;   // comment\n"
         "  Ratio := 2.5E-1;     (* comment *)\n"
         "  WriteLn(Title, #9, 'count = ', Count);\n"
         "  asm\n"
         "    mov eax, Count\n"
         "  end;\n"
         "  {$I-}\n"
         "end;\n";
}

bool TSynPasSyn::IsFilterStored() const {
  return GetDefaultFilter() != PascalFilesFilter();
}

void TSynPasSyn::SetPasVersion(TSynPasVersion value) {
  if (version_ == value) return;
  version_ = value;
  if (version_ < pasVersion3) packageSource_ = false;
  DefHighlightChange(this);
}

void TSynPasSyn::SetPackageSource(bool value) {
  if (packageSource_ == value) return;
  packageSource_ = value;
  if (packageSource_ && version_ < pasVersion3) version_ = pasVersion3;
  DefHighlightChange(this);
}

void TSynPasSyn::SetRange(SynRange value) {
  range_ = value >= rsANil && value <= rsUnKnown ? static_cast<TRangeState>(value) : rsUnKnown;
}

void TSynPasSyn::SetLine(std::string_view text, int lineIndex) {
  line_.assign(text);
  run_ = 0;
  lineNumber_ = lineIndex;
  Next();
}

void TSynPasSyn::Next() {
  asmStart_ = false;
  tokenPos_ = run_;
  switch (range_) {
    case rsAnsi:
    case rsAnsiAsm: AnsiProc(); break;
    case rsBor:
    case rsBorAsm: BorProc(); break;
    default: (this->*CharProcs()[At(run_)])(); break;
  }
}

std::string TSynPasSyn::GetToken() const {
  return line_.substr(tokenPos_, run_ - tokenPos_);
}

TtkTokenKind TSynPasSyn::ReportedKind() const {
  if (range_ == rsAsm && !asmStart_ && tokenId_ != tkNull && tokenId_ != tkComment && tokenId_ != tkSpace)
    return tkAsm;
  return tokenId_;
}

TSynHighlighterAttributes* TSynPasSyn::GetTokenAttribute() const {
  switch (ReportedKind()) {
    case tkAsm: return asmAttri_;
    case tkComment: return commentAttri_;
    case tkIdentifier: return identifierAttri_;
    case tkKey: return keyAttri_;
    case tkNumber: return numberAttri_;
    case tkSpace: return spaceAttri_;
    case tkString: return stringAttri_;
    case tkSymbol:
    case tkUnknown: return symbolAttri_;
    case tkFloat: return floatAttri_;
    case tkHex: return hexAttri_;
    case tkDirec: return directiveAttri_;
    case tkChar: return charAttri_;
    case tkNull: return nullptr;
  }
  return nullptr;
}

// The procedure that scans a token, by its first character.
const TSynPasSyn::CharProc* TSynPasSyn::CharProcs() {
  static const std::array<CharProc, 256> procs = [] {
    std::array<CharProc, 256> p{};
    for (int i = 0; i < 256; ++i) {
      const auto c = static_cast<unsigned char>(i);
      CharProc proc = &TSynPasSyn::UnknownProc;
      if (c == 0) proc = &TSynPasSyn::NullProc;
      else if (c == '\n' || c == '\r') proc = &TSynPasSyn::LineBreakProc;
      else if (isSpace(c)) proc = &TSynPasSyn::SpaceProc;
      else if (isDigit(c)) proc = &TSynPasSyn::NumberProc;
      else if (isAsciiLetter(c) || c == '_') proc = &TSynPasSyn::IdentProc;
      p[i] = proc;
    }
    p['#'] = &TSynPasSyn::AsciiCharProc;
    p['$'] = &TSynPasSyn::IntegerProc;
    p['\''] = &TSynPasSyn::StringProc;
    p['{'] = &TSynPasSyn::BraceOpenProc;
    p['('] = &TSynPasSyn::RoundOpenProc;
    p['.'] = &TSynPasSyn::PointProc;
    p[';'] = &TSynPasSyn::SemicolonProc;
    p['/'] = &TSynPasSyn::SlashProc;
    p[':'] = &TSynPasSyn::ColonOrGreaterProc;
    p['>'] = &TSynPasSyn::ColonOrGreaterProc;
    p['<'] = &TSynPasSyn::LowerProc;
    p['@'] = &TSynPasSyn::AddressOpProc;
    for (unsigned char c : std::string_view("!\"%&)*+,-=?[\\]^`}~")) p[c] = &TSynPasSyn::SymbolProc;
    return p;
  }();
  return procs.data();
}

// Keyword or identifier. The hash covers the leading letters and one digit or
// "_" after them; the compared length includes that character, so "End1" is
// no keyword. Reading stops at the line's final NUL, and hashes outside the
// keyword table make plain identifiers.
TtkTokenKind TSynPasSyn::IdentKind() {
  std::size_t p = identStart_;
  int hash = 0;
  while (isAsciiLetter(At(p))) {
    if (hash < pascal::kKeywordHashLimit) hash += letterValue(At(p));
    ++p;
  }
  if (isDigit(At(p)) || At(p) == '_') ++p;
  stringLen_ = p - identStart_;

  for (const pascal::Keyword& keyword : pascal::keywordsWithHash(hash)) {
    if (keyword.word.size() != stringLen_) continue;
    bool same = true;
    for (std::size_t i = 0; i < stringLen_ && same; ++i)
      same = letterValue(At(identStart_ + i)) == letterValue(static_cast<unsigned char>(keyword.word[i]));
    if (!same) continue;

    switch (keyword.rule) {
      case KeywordRule::Always: return tkKey;
      case KeywordRule::End: range_ = rsUnKnown; return tkKey;
        case KeywordRule::Asm: range_ = rsAsm; asmStart_ = true; return tkKey;
      case KeywordRule::Exports: range_ = rsExports; return tkKey;
      case KeywordRule::Property: range_ = rsProperty; return tkKey;
      case KeywordRule::InProperty: return range_ == rsProperty ? tkKey : tkIdentifier;
      case KeywordRule::InExports: return range_ == rsExports ? tkKey : tkIdentifier;
      case KeywordRule::InPropertyOrExports:
        return range_ == rsProperty || range_ == rsExports ? tkKey : tkIdentifier;
      case KeywordRule::Version2: return version_ >= pasVersion2 ? tkKey : tkIdentifier;
      case KeywordRule::Version3: return version_ >= pasVersion3 ? tkKey : tkIdentifier;
      case KeywordRule::Version4: return version_ >= pasVersion4 ? tkKey : tkIdentifier;
      case KeywordRule::Version6: return version_ >= pasVersion6 ? tkKey : tkIdentifier;
      case KeywordRule::Version3InProperty:
        return version_ >= pasVersion3 && range_ == rsProperty ? tkKey : tkIdentifier;
      case KeywordRule::Version4InProperty:
        return version_ >= pasVersion4 && range_ == rsProperty ? tkKey : tkIdentifier;
      case KeywordRule::PackageSource: return packageSource_ ? tkKey : tkIdentifier;
    }
  }
  return tkIdentifier;
}

void TSynPasSyn::IdentProc() {
  identStart_ = run_;
  tokenId_ = IdentKind();
  run_ = identStart_ + stringLen_;
  while (isIdentChar(At(run_))) ++run_;
}

// Inside a comment, NUL, LF and CR are scanned as at the start of a token.
bool TSynPasSyn::LineEndProc() {
  switch (At(run_)) {
    case 0: NullProc(); return true;
    case '\n':
    case '\r': LineBreakProc(); return true;
    default: return false;
  }
}

// A symbol, with the next character when it is one of `followers`.
void TSynPasSyn::SymbolWith(std::string_view followers) {
  tokenId_ = tkSymbol;
  ++run_;
  if (At(run_) != 0 && followers.find(static_cast<char>(At(run_))) != std::string_view::npos) ++run_;
}

// "(*" comment, opened on this line or continued from the line before.
void TSynPasSyn::AnsiProc() {
  if (LineEndProc()) return;
  tokenId_ = tkComment;
  while (!isLineEnd(At(run_))) {
    if (At(run_) == '*' && At(run_ + 1) == ')') {
      range_ = range_ == rsAnsiAsm ? rsAsm : rsUnKnown;
      run_ += 2;
      return;
    }
    ++run_;
  }
}

// "{" comment or "{$" directive, opened on this line or continued.
void TSynPasSyn::BorProc() {
  if (LineEndProc()) return;
  tokenId_ = At(run_ + 1) == '$' ? tkDirec : tkComment;
  while (!isLineEnd(At(run_))) {
    if (At(run_) == '}') {
      range_ = range_ == rsBorAsm ? rsAsm : rsUnKnown;
      ++run_;
      return;
    }
    ++run_;
  }
}

void TSynPasSyn::AddressOpProc() {
  SymbolWith("@");
}

void TSynPasSyn::AsciiCharProc() {
  tokenId_ = tkChar;
  ++run_;
  while (At(run_) == '$' || isHexDigit(At(run_))) ++run_;
}

void TSynPasSyn::BraceOpenProc() {
  range_ = range_ == rsAsm ? rsBorAsm : rsBor;
  BorProc();
}

void TSynPasSyn::ColonOrGreaterProc() {
  SymbolWith("=");
}

void TSynPasSyn::LineBreakProc() {
  tokenId_ = tkSpace;
  run_ = scan::afterLineBreak(line_, run_);
}

void TSynPasSyn::IntegerProc() {
  tokenId_ = tkHex;
  run_ = scan::afterHexDigits(line_, run_);
}

void TSynPasSyn::LowerProc() {
  SymbolWith("=>");
}

void TSynPasSyn::NullProc() {
  tokenId_ = tkNull;
}

// Digits, with ".", "e", "E" making a float; ".." ends the number (a range
// follows), and a sign belongs to it only right after the exponent letter.
void TSynPasSyn::NumberProc() {
  tokenId_ = tkNumber;
  ++run_;
  for (;;) {
    const unsigned char c = At(run_);
    if (c == '.') {
      if (At(run_ + 1) == '.') break;
      tokenId_ = tkFloat;
    } else if (c == 'e' || c == 'E') {
      tokenId_ = tkFloat;
    } else if (c == '+' || c == '-') {
      const unsigned char before = At(run_ - 1);
      if (tokenId_ != tkFloat || (before != 'e' && before != 'E')) break;
    } else if (!isDigit(c)) {
      break;
    }
    ++run_;
  }
}

void TSynPasSyn::PointProc() {
  SymbolWith(").");
}

void TSynPasSyn::RoundOpenProc() {
  ++run_;
  if (At(run_) == '*') {
    range_ = range_ == rsAsm ? rsAnsiAsm : rsAnsi;
    tokenId_ = tkComment;
    ++run_;
    if (!isLineEnd(At(run_))) AnsiProc();
  } else {
    tokenId_ = tkSymbol;
    if (At(run_) == '.') ++run_;
  }
}

void TSynPasSyn::SemicolonProc() {
  tokenId_ = tkSymbol;
  ++run_;
  if (range_ == rsProperty || range_ == rsExports) range_ = rsUnKnown;
}

void TSynPasSyn::SlashProc() {
  if (At(run_ + 1) == '/' && version_ >= pasVersion2) {
    tokenId_ = tkComment;
    run_ = scan::lineEndFrom(line_, run_ + 2);
  } else {
    tokenId_ = tkSymbol;
    ++run_;
  }
}

void TSynPasSyn::SpaceProc() {
  tokenId_ = tkSpace;
  run_ = scan::afterSpaces(line_, run_);
}

// A doubled quote stays inside; the end of the line ends an unclosed string.
void TSynPasSyn::StringProc() {
  tokenId_ = tkString;
  ++run_;
  while (!isLineEnd(At(run_))) {
    if (At(run_) == '\'') {
      if (At(run_ + 1) != '\'') {
        ++run_;
        return;
      }
      ++run_;
    }
    ++run_;
  }
}

void TSynPasSyn::SymbolProc() {
  tokenId_ = tkSymbol;
  ++run_;
}

// Code page 1252 has no double-byte lead bytes: one character.
void TSynPasSyn::UnknownProc() {
  tokenId_ = tkUnknown;
  ++run_;
}

}  // namespace kau::editor
