#include "editor/structure/structure_line_scan.h"

#include <algorithm>
#include <iterator>

#include "editor/highlight/scan_chars.h"
#include "text/char_class.h"

namespace kau::editor {

using scan::isAsciiLetter;

SynRange InitialRange(TSynCustomHighlighter& highlighter) {
  highlighter.ResetRange();
  return highlighter.GetRange();
}

void StructureLineScanner::FindHiddenSpans(std::string_view text, int lineIndex, SynRange startRange) {
  const auto* comment = highlighter_.GetDefaultAttribute(SYN_ATTR_COMMENT);
  const auto* string = highlighter_.GetDefaultAttribute(SYN_ATTR_STRING);
  hidden_.clear();
  highlighter_.SetRange(startRange);
  highlighter_.SetLine(text, lineIndex);
  int openStart = -1;  // start of a hidden token whose end is the next token's start
  while (!highlighter_.GetEol()) {
    const int pos = highlighter_.GetTokenPos();
    if (openStart >= 0) {
      hidden_.emplace_back(openStart, pos);
      openStart = -1;
    }
    const auto* attribute = highlighter_.GetTokenAttribute();
    if (attribute != nullptr && (attribute == comment || attribute == string)) openStart = pos;
    highlighter_.Next();
  }
  if (openStart >= 0) hidden_.emplace_back(openStart, static_cast<int>(text.size()));
}

void StructureLineScanner::Scan(std::string_view text, int lineIndex, SynRange startRange,
                                std::vector<StructureWord>& words) {
  FindHiddenSpans(text, lineIndex, startRange);
  words.clear();
  if (words_.LettersOnly()) ScanLetterRuns(text, words);
  else ScanAnyCharacters(text, words);
}

// Whether the 0-based column lies in a comment or a string.
bool StructureLineScanner::Hidden(int column) const {
  const auto after = std::upper_bound(hidden_.begin(), hidden_.end(), column,
                                      [](int c, const std::pair<int, int>& span) { return c < span.first; });
  return after != hidden_.begin() && column < std::prev(after)->second;
}

void StructureLineScanner::ScanLetterRuns(std::string_view text, std::vector<StructureWord>& words) const {
  const auto at = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  std::size_t span = 0;
  for (std::size_t i = 0; i < text.size();) {
    if (!isAsciiLetter(at(i))) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < text.size() && isAsciiLetter(at(i))) ++i;
    if (start > 0 && text[start - 1] == '\'') continue;
    const int id = words_.Find(text.substr(start, i - start));
    if (id < 0) continue;
    const int column = static_cast<int>(start);
    while (span < hidden_.size() && hidden_[span].second <= column) ++span;
    if (span < hidden_.size() && hidden_[span].first <= column) continue;
    words.push_back({column + 1, id});
  }
}

// Words with other characters than letters: the scan goes from the end of
// the line to its start, putting each character in front of a growing word.
// The word starts afresh after a character that is not a letter once it can
// no longer grow into a word of the pairs, or when it closes a pair there; a
// letter never ends it. So "END1" holds the word END, "ENDX" does not, and
// with the word "END;" among the pairs "END;" holds only that one. An opening
// word found starts it afresh too, as its match does: whether it finds a
// closer depends on the lines below, which this scan does not see, so an
// opening word without a closer, right after a character that may grow into
// a word, counts as matched here.
void StructureLineScanner::ScanAnyCharacters(std::string_view text, std::vector<StructureWord>& words) {
  upper_.assign(text);
  for (char& c : upper_) c = static_cast<char>(text::toUpperAscii(static_cast<unsigned char>(c)));
  const std::string_view upper(upper_);
  std::size_t end = upper.size();  // the word is upper[i, end)
  bool mayGrow = true;
  for (std::size_t i = upper.size(); i-- > 0;) {
    const std::string_view word = upper.substr(i, end - i);
    mayGrow = mayGrow && words_.Contains(word);
    const unsigned char before = i == 0 ? ' ' : static_cast<unsigned char>(upper[i - 1]);
    const bool boundary = before != '\'' && !isAsciiLetter(before) && !Hidden(static_cast<int>(i));
    const int id = boundary && mayGrow ? words_.Find(word) : -1;
    if (id >= 0) words.push_back({static_cast<int>(i) + 1, id});
    const bool opened = id >= 0 && words_.IsOpener(id);
    const bool closed = id >= 0 && words_.IsCloser(id);
    if (opened || ((!mayGrow || closed) && !isAsciiLetter(static_cast<unsigned char>(upper[i])))) {
      end = i;
      mayGrow = true;
    }
  }
  std::reverse(words.begin(), words.end());
}

}  // namespace kau::editor
