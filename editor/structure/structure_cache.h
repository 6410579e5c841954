// The structure words of an editor's text, kept between changes, and the
// block pairs matched over them.
//
// Only lines that hold structure words take room: the words are kept in one
// list in text order, each with its line. The owner reports lines inserted
// and deleted (the words below move with them; a run of such reports is
// folded into one shift, applied at the next Update) and lines whose words
// may have changed (their text, or the highlighter state they begin in).
//
// Update looks at the text only as far as it must: with grouped pairs (see
// structure_matcher.h) down to the line asked for and on until every opener
// above has its closer; other pairs match from the end and need every line.
// Lines it does not reach keep their words, or their mark, for later. Grouped
// pairs are matched from the top, and the matcher's state is kept every so
// many words: the next Update goes on from the last one above the first
// line changed.
#pragma once

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "editor/highlight/custom_highlighter.h"
#include "editor/model/string_list_base.h"
#include "editor/structure/structure_line_scan.h"
#include "editor/structure/structure_matcher.h"
#include "editor/structure/structure_pairs.h"

namespace kau::editor {

// The highlighter states the lines begin in, kept by the cache's owner.
class LineStartStates {
public:
    virtual ~LineStartStates() = default;
    // Makes the states through line Index right; lines whose state changed
    // on the way are reported to the cache (StructureCache::LinesChanged).
    virtual void ScanThrough(int Index) = 0;
    // The state line Index begins in, once the lines above are right.
    virtual SynRange StartState(int Index) = 0;
    // The last line whose state is right without a scan.
    virtual int RightThrough() const = 0;
};

// The states of a text scanned from its first line as far as asked, for a
// cache whose owner keeps none; it reports nothing.
class ScannedLineStates : public LineStartStates {
public:
    ScannedLineStates(const TStrings& lines, TSynCustomHighlighter& highlighter);
    void ScanThrough(int Index) override;
    SynRange StartState(int Index) override;
    int RightThrough() const override { return Scanned() - 1; }
    int Scanned() const { return static_cast<int>(ends_.size()); }

private:
    const TStrings& lines_;
    TSynCustomHighlighter& highlighter_;
    SynRange initial_;
    std::vector<SynRange> ends_;
};

class StructureCache {
public:
    StructureCache();
    StructureCache(const StructureCache&) = delete;
    StructureCache& operator=(const StructureCache&) = delete;

    // New pairs from "OPENER=CLOSER" lines (taken as they are); every line is
    // scanned again.
    void SetPairs(const std::vector<std::string>& tokenLines);
    const StructureWords& Words() const { return words_; }

    int LineCount() const { return lineCount_; }
    // `lineCount` lines, all to be scanned (a new text or a new highlighter).
    void Reset(int lineCount);
    // Lines First..Last (0-based) to be scanned again.
    void LinesChanged(int First, int Last);
    void LineChanged(int index) { LinesChanged(index, index); }
    void LinesInserted(int index, int count);
    void LinesDeleted(int index, int count);

    // Brings the words up to the text as far as the pairs of every opener on
    // lines 0..Through need, and matches them. When the line counts disagree
    // every line is scanned again.
    void Update(const TStrings& lines, TSynCustomHighlighter& highlighter, LineStartStates& states, int Through);
    // The whole text, scanning the states itself from the first line.
    void Update(const TStrings& lines, TSynCustomHighlighter& highlighter);
    // The pairs found, as the scan from the end orders them: every pair whose
    // opener is on a line up to MatchedThrough (0-based), perhaps more.
    const std::vector<StructureMatch>& Matches() const;
    // The same pairs in the order the matching found them. The first
    // UnchangedFound and the last UnchangedFoundAtEnd of them are those the
    // Update before found first and last.
    const std::vector<StructureMatch>& Found() const { return found_; }
    std::size_t UnchangedFound() const { return unchangedFound_; }
    std::size_t UnchangedFoundAtEnd() const { return unchangedAtEnd_; }
    int MatchedThrough() const { return matchedThrough_; }
    // Nothing reported since the last Update, which reached line Through.
    bool UpToDate(int Through) const { return !dirty_ && matchedThrough_ >= std::min(Through, lineCount_ - 1); }

    // How many lines the last Update scanned, and how many words it matched.
    int LastScanCount() const { return lastScanCount_; }
    int LastMatchCount() const { return lastMatchCount_; }

private:
    struct Shift {
        int At;
        int Count;  // lines inserted at At; negative: lines deleted from At
    };
    // The grouped matcher's state before line Line: Kept words of the list
    // and Found pairs come before it.
    struct Checkpoint {
        int Line;
        std::size_t Kept;
        std::size_t Found;
        GroupMatcher::State State;
    };
    // A line scanned again: its old words [From, To) of the list give way to
    // Count new ones from At of the words scanned.
    struct LineEdit {
        std::size_t From, To, At, Count;
    };
    void ApplyEdits(const std::vector<LineEdit>& edits, const std::vector<PlacedWord>& scanned);
    void Changed(int line);
    // Scans the marked lines that the last matching went through; true when
    // no line moved, the states there were right and none of those lines
    // holds other words than before: the pairs then stand as they are.
    bool WordsStand(const TStrings& lines, TSynCustomHighlighter& highlighter, LineStartStates& states);
    void ApplyShifts();
    // The first stale run that ends at or after `line`.
    std::size_t StaleFrom(int line) const;
    void Walk(const TStrings& lines, TSynCustomHighlighter& highlighter, LineStartStates& states, int target);

    StructureWords words_;
    int lineCount_ = 0;
    std::vector<PlacedWord> placed_;               // in text order, lines as of the last ApplyShifts
    std::vector<Shift> shifts_;                    // line moves since then, in order
    std::vector<std::pair<int, int>> stale_;       // runs of lines [first, last] to scan again, ordered
    std::vector<StructureWord> lineWords_;         // scratch: one line's words
    std::vector<StructureMatch> found_;
    std::size_t unchangedFound_ = 0;
    std::size_t unchangedAtEnd_ = 0;
    std::vector<StructureMatch> oldFound_;  // scratch: the pairs the walk finds again
    mutable std::vector<StructureMatch> matches_;  // found_ in order, made when asked for
    mutable bool sortDue_ = false;
    std::vector<Checkpoint> checkpoints_;
    int firstChange_ = 0;  // the first line changed since the last Update
    int matchedThrough_ = -1;
    bool dirty_ = true;
    int lastScanCount_ = 0;
    int lastMatchCount_ = 0;
};

}  // namespace kau::editor
