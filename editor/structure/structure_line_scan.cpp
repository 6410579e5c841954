#include "editor/structure/structure_line_scan.h"

#include "editor/highlight/scan_chars.h"

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

}  // namespace kau::editor
