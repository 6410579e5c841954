// The structure words of one line, found without looking at any other line:
// a word of the pairs (letters in either case) that starts after neither a
// letter nor a quote, not inside a comment or a string as the highlighter
// marks them, and that the growing word of the scan spells whole (see
// ScanAnyCharacters; with words of letters only that is a whole run of
// letters). The highlighter is started from the range the line begins in, so
// a line is scanned again only when its text or that range changed.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "editor/highlight/custom_highlighter.h"
#include "editor/structure/structure_pairs.h"
#include "editor/model/syn_range.h"

namespace kau::editor {

struct StructureWord {
  int Column;  // 1-based column of its first letter
  int Word;    // number in StructureWords
  friend bool operator==(const StructureWord&, const StructureWord&) = default;
};

// The range the first line of a text begins in.
SynRange InitialRange(TSynCustomHighlighter& highlighter);

class StructureLineScanner {
 public:
  StructureLineScanner(TSynCustomHighlighter& highlighter, const StructureWords& words)
      : highlighter_(highlighter), words_(words) {}

  // The words of `text`, line `lineIndex` (0-based), begun in
  // `startRange`, left to right.
  void Scan(std::string_view text, int lineIndex, SynRange startRange, std::vector<StructureWord>& words);

 private:
  void FindHiddenSpans(std::string_view text, int lineIndex, SynRange startRange);
  bool Hidden(int column) const;
  void ScanLetterRuns(std::string_view text, std::vector<StructureWord>& words) const;
  void ScanAnyCharacters(std::string_view text, std::vector<StructureWord>& words);

  TSynCustomHighlighter& highlighter_;
  const StructureWords& words_;
  std::vector<std::pair<int, int>> hidden_;  // [start, end) of comments and strings
  std::string upper_;                        // the line with its letters upper-cased
};

}  // namespace kau::editor
