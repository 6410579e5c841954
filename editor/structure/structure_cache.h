// The structure words of every line of an editor's text, kept between
// changes, and the block pairs matched over them. The owner reports which
// lines changed, were inserted or were deleted; Update then scans those lines
// again, and every following line whose start range the highlighter now gives
// differently, and matches the whole text from the kept words.
#pragma once

#include <string>
#include <vector>

#include "editor/highlight/custom_highlighter.h"
#include "editor/string_list_base.h"
#include "editor/structure/structure_line_scan.h"
#include "editor/structure/structure_matcher.h"
#include "editor/structure/structure_pairs.h"

namespace kau::editor {

class StructureCache {
public:
    StructureCache();
    StructureCache(const StructureCache&) = delete;
    StructureCache& operator=(const StructureCache&) = delete;

    // New pairs from "OPENER=CLOSER" lines (taken as they are); every line is
    // scanned again at the next Update.
    void SetPairs(const std::vector<std::string>& tokenLines);
    const StructureWords& Words() const { return words_; }

    int LineCount() const { return static_cast<int>(lines_.size()); }
    // `lineCount` lines, all to be scanned (a new text or a new highlighter).
    void Reset(int lineCount);
    void LineChanged(int index);
    void LinesInserted(int index, int count);
    void LinesDeleted(int index, int count);

    // Brings the kept words up to `lines` and matches them; true when the
    // matches differ from those before. When the line counts disagree every
    // line is scanned again.
    bool Update(const TStrings& lines, TSynCustomHighlighter& highlighter);
    const std::vector<StructureMatch>& Matches() const { return matches_; }
    // The words kept for a line (for tests and painting decisions).
    const StructureLine& Line(int index) const { return lines_[static_cast<std::size_t>(index)]; }
    // How many lines the last Update scanned, and how many it matched over.
    int LastScanCount() const { return lastScanCount_; }
    int LastMatchCount() const { return lastMatchCount_; }

private:
    void MarkStale(int index);
    void SortChecks();  // and drops repeated lines
    // Words changed above the last `unchangedTail` lines.
    void Touch(int unchangedTail);

    StructureWords words_;
    StructureMatcher matcher_;
    std::vector<StructureLine> lines_;
    std::vector<bool> stale_;  // by line: its text changed since its scan
    std::vector<int> check_;   // lines to look at in the next Update
    std::vector<StructureWord> oldWords_;  // a line's words before its scan
    int unchangedTail_ = 0;  // lines at the end whose words the matcher last saw
    bool matchDue_ = true;
    std::vector<StructureMatch> matches_;
    std::vector<StructureMatch> previous_;
    int lastScanCount_ = 0;
    int lastMatchCount_ = 0;
};

}  // namespace kau::editor
