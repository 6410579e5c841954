#include "editor/highlight/general_highlighter.h"

#include <algorithm>

#include "editor/highlight/comma_text.h"
#include "editor/highlight/highlighter_registry.h"
#include "editor/highlight/scan_chars.h"
#include "editor/highlight/scan_routines.h"
#include "platform/settings/setting_values.h"
#include "text/char_class.h"

namespace kau::editor {

namespace {

using scan::isDigit;
using scan::isHexDigit;
using scan::isIdentChar;
using scan::isLineEnd;
using scan::isSpace;

// The one order of the keyword list, for sorting and for searching.
bool keywordLess(std::string_view a, std::string_view b) {
  return text::compareText1252(a, b) < 0;
}

// The class is listed as soon as the program starts.
const bool registered = (RegisterPlaceableHighlighter(HighlighterClass<TSynGeneralSyn>()), true);

}  // namespace

TSynGeneralSyn::TSynGeneralSyn() : identifierChars_(TSynCustomHighlighter::GetIdentChars()) {
  (void)registered;  // used, so no compiler flags it
  commentAttri_ = AddNewAttribute("Comment", fsItalic);
  identifierAttri_ = AddNewAttribute("Identifier", 0);
  keyAttri_ = AddNewAttribute("Reserved Word", fsBold);
  numberAttri_ = AddNewAttribute("Number", 0);
  spaceAttri_ = AddNewAttribute("Space", 0);
  stringAttri_ = AddNewAttribute("String", 0);
  symbolAttri_ = AddNewAttribute("Symbol", 0);
  preprocessorAttri_ = AddNewAttribute("Preprocessor", 0);
  SetAttributesOnChange(TNotifyEvent::bind<&TSynCustomHighlighter::DefHighlightChange>(
      static_cast<TSynCustomHighlighter*>(this)));
  MakeMethodTables();
}

TSynCustomHighlighterClass TSynGeneralSyn::ClassType() const {
  return HighlighterClass<TSynGeneralSyn>();
}

TSynHighlighterAttributes* TSynGeneralSyn::GetDefaultAttribute(int index) const {
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

TSynHighlighterAttributes* TSynGeneralSyn::GetTokenAttribute() const {
  switch (tokenId_) {
    case tkComment: return commentAttri_;
    case tkIdentifier: return identifierAttri_;
    case tkKey: return keyAttri_;
    case tkNumber: return numberAttri_;
    case tkPreprocessor: return preprocessorAttri_;
    case tkSpace: return spaceAttri_;
    case tkString: return stringAttri_;
    case tkSymbol:
    case tkUnknown: return symbolAttri_;
    case tkNull: return nullptr;
  }
  return nullptr;
}

std::string TSynGeneralSyn::GetToken() const {
  return line_.substr(tokenPos_, run_ - tokenPos_);
}

void TSynGeneralSyn::SetRange(SynRange value) {
  range_ = value >= rsANil && value <= rsUnKnown ? static_cast<TRangeState>(value) : rsUnKnown;
}

void TSynGeneralSyn::SetLine(std::string_view text, int lineIndex) {
  line_.assign(text);
  run_ = 0;
  lineNumber_ = lineIndex;
  Next();
}

void TSynGeneralSyn::Next() {
  tokenPos_ = run_;
  std::string_view closing;
  switch (range_) {
    case rsAnsi: closing = "*)"; break;
    case rsPasStyle: closing = "}"; break;
    case rsCStyle: closing = "*/"; break;
    default: (this->*procTable_[At(run_)])(); return;
  }
  // A comment carried over from the line before.
  if (isLineEnd(At(run_))) {
    (this->*procTable_[At(run_)])();
    return;
  }
  tokenId_ = tkComment;
  CommentUntil(closing, range_);
}

bool TSynGeneralSyn::IsKeyword(const std::string& text) const {
  return std::binary_search(keyWords_.begin(), keyWords_.end(), std::string_view(text), keywordLess);
}

void TSynGeneralSyn::SetKeyWords(const std::vector<std::string>& words) {
  std::vector<std::string> upper;
  upper.reserve(words.size());
  for (const std::string& word : words) upper.push_back(text::upperCase1252(word));
  std::stable_sort(upper.begin(), upper.end(), keywordLess);
  upper.erase(std::unique(upper.begin(), upper.end(),
                          [](const std::string& a, const std::string& b) { return text::compareText1252(a, b) == 0; }),
              upper.end());
  keyWords_ = std::move(upper);
  DefHighlightChange(this);
}

void TSynGeneralSyn::SetComments(TCommentStyles value) {
  if (comments_ == value) return;
  comments_ = value;
  DefHighlightChange(this);
}

void TSynGeneralSyn::SetDetectPreprocessor(bool value) {
  if (detectPreprocessor_ == value) return;
  detectPreprocessor_ = value;
  DefHighlightChange(this);
}

void TSynGeneralSyn::SetStringDelim(TStringDelim value) {
  if (stringDelim_ == value) return;
  stringDelim_ = value;
  MakeMethodTables();
}

std::string TSynGeneralSyn::IdentifierChars() const {
  std::string chars;
  for (int c = 0; c < 256; ++c)
    if (identifierChars_.test(static_cast<std::size_t>(c))) chars += static_cast<char>(c);
  return chars;
}

void TSynGeneralSyn::SetIdentifierChars(std::string_view chars) {
  identifierChars_.reset();
  for (char c : chars) identifierChars_.set(static_cast<unsigned char>(c));
}

bool TSynGeneralSyn::LoadFromRegistry(const settings::Settings& root, const std::string& key) {
  ClearLoadErrors();
  if (!root.SectionExists(key)) return false;
  bool ok = true;
  if (const std::optional<std::string> text = root.ReadString(key, "KeyWords")) {
    std::vector<std::string> words;
    if (ParseCommaText(*text, words)) {
      SetKeyWords(words);
    } else {
      AddLoadError(settings::InvalidValueText(key, "KeyWords", *text));
      ok = false;
    }
  }
  return LoadAttributesFromRegistry(root, key) && ok;
}

bool TSynGeneralSyn::SaveToRegistry(settings::Settings& root, const std::string& key) {
  root.WriteString(key, "KeyWords", CommaText(keyWords_));
  return TSynCustomHighlighter::SaveToRegistry(root, key);
}

// The scan routine of each character. The string delimiter comes last and
// takes its character from any other routine.
void TSynGeneralSyn::MakeMethodTables() {
  for (int i = 0; i < 256; ++i) {
    const auto c = static_cast<unsigned char>(i);
    ScanProc proc = &TSynGeneralSyn::UnknownProc;
    if (c == 0) proc = &TSynGeneralSyn::NullProc;
    else if (c == '\n' || c == '\r') proc = &TSynGeneralSyn::LineBreakProc;
    else if (isSpace(c)) proc = &TSynGeneralSyn::SpaceProc;
    else if (isDigit(c)) proc = &TSynGeneralSyn::NumberProc;
    else if (isIdentChar(c)) proc = &TSynGeneralSyn::IdentProc;
    procTable_[c] = proc;
  }
  procTable_['#'] = &TSynGeneralSyn::AsciiCharProc;
  procTable_['$'] = &TSynGeneralSyn::IntegerProc;
  procTable_['('] = &TSynGeneralSyn::RoundOpenProc;
  procTable_['/'] = &TSynGeneralSyn::SlashProc;
  procTable_[';'] = &TSynGeneralSyn::SemicolonProc;
  procTable_['{'] = &TSynGeneralSyn::BraceOpenProc;
  procTable_[stringDelim_ == sdSingleQuote ? '\'' : '"'] = &TSynGeneralSyn::StringProc;
}

// The rest of a comment from the scan position: up to and with `closing`,
// which returns the range to rsUnKnown, or to the line end with the range
// left at `open`. The closing text is looked for before each step, so one at
// the scan position ends the comment at once.
void TSynGeneralSyn::CommentUntil(std::string_view closing, TRangeState open) {
  range_ = open;
  while (!isLineEnd(At(run_))) {
    std::size_t k = 0;
    while (k < closing.size() && At(run_ + k) == static_cast<unsigned char>(closing[k])) ++k;
    if (k == closing.size()) {
      run_ += k;
      range_ = rsUnKnown;
      return;
    }
    ++run_;
  }
}

void TSynGeneralSyn::CommentToLineEnd() {
  tokenId_ = tkComment;
  run_ = scan::lineEndFrom(line_, run_);
}

void TSynGeneralSyn::AsciiCharProc() {
  if (detectPreprocessor_) {
    tokenId_ = tkPreprocessor;
    run_ = scan::lineEndFrom(line_, run_);
    return;
  }
  tokenId_ = tkString;
  ++run_;
  while (isDigit(At(run_))) ++run_;
}

void TSynGeneralSyn::BraceOpenProc() {
  if (!(comments_ & csPasStyle)) {
    tokenId_ = tkSymbol;
    ++run_;
    return;
  }
  tokenId_ = tkComment;
  ++run_;
  CommentUntil("}", rsPasStyle);
}

void TSynGeneralSyn::LineBreakProc() {
  tokenId_ = tkSpace;
  run_ = scan::afterLineBreak(line_, run_);
}

void TSynGeneralSyn::IdentProc() {
  while (isIdentChar(At(run_))) ++run_;
  const std::string_view word(line_.data() + tokenPos_, run_ - tokenPos_);
  tokenId_ = std::binary_search(keyWords_.begin(), keyWords_.end(), word, keywordLess) ? tkKey : tkIdentifier;
}

void TSynGeneralSyn::IntegerProc() {
  tokenId_ = tkNumber;
  run_ = scan::afterHexDigits(line_, run_);
}

void TSynGeneralSyn::NullProc() {
  tokenId_ = tkNull;
}

// Digits with ".", "e", "E" and "x"; after an "x" hexadecimal digits too.
// ".." ends the number (a range follows).
void TSynGeneralSyn::NumberProc() {
  tokenId_ = tkNumber;
  ++run_;
  bool hex = false;
  for (;;) {
    const unsigned char c = At(run_);
    if (c == '.') {
      if (At(run_ + 1) == '.') break;
    } else if (c == 'x') {
      hex = true;
    } else if (!isDigit(c) && c != 'e' && c != 'E' && !(hex && isHexDigit(c))) {
      break;
    }
    ++run_;
  }
}

void TSynGeneralSyn::RoundOpenProc() {
  if ((comments_ & csAnsiStyle) && At(run_ + 1) == '*') {
    tokenId_ = tkComment;
    run_ += 2;
    CommentUntil("*)", rsAnsi);
    return;
  }
  tokenId_ = tkSymbol;
  ++run_;
  if (At(run_) == '.') ++run_;
}

void TSynGeneralSyn::SemicolonProc() {
  if (comments_ & (csAsmStyle | csBasStyle)) {
    CommentToLineEnd();
    return;
  }
  tokenId_ = tkSymbol;
  ++run_;
}

void TSynGeneralSyn::SlashProc() {
  if (At(run_ + 1) == '*' && (comments_ & csCStyle)) {
    tokenId_ = tkComment;
    run_ += 2;
    CommentUntil("*/", rsCStyle);
  } else if (At(run_ + 1) == '/' && (comments_ & csCPPStyle)) {
    CommentToLineEnd();
  } else {
    tokenId_ = tkSymbol;
    ++run_;
  }
}

void TSynGeneralSyn::SpaceProc() {
  tokenId_ = tkSpace;
  run_ = scan::afterSpaces(line_, run_);
}

// A tripled delimiter at the start is skipped; the string ends at the next
// delimiter (included) or at the line end.
void TSynGeneralSyn::StringProc() {
  tokenId_ = tkString;
  const unsigned char delim = At(run_);
  if (At(run_ + 1) == delim && At(run_ + 2) == delim) run_ += 2;
  do {
    ++run_;
  } while (!isLineEnd(At(run_)) && At(run_) != delim);
  if (At(run_) == delim) ++run_;
}

// Code page 1252 has no double-byte lead bytes: one character.
void TSynGeneralSyn::UnknownProc() {
  tokenId_ = tkUnknown;
  ++run_;
}

}  // namespace kau::editor
