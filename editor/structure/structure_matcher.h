// Matches the structure words of a whole text into block pairs. The lines are
// taken from the last to the first and each line's words from right to left;
// every pair keeps a stack of closing words waiting for their opener. A
// closing word shared by several pairs (END for BEGIN, CASE and RECORD) is
// pushed once per pair and taken by whichever opener comes first above it,
// which retires its copies on the other stacks.
//
// Since the scan runs upwards, its state below a line depends only on the
// lines below. The matcher keeps a checkpoint just below the last change and
// notes what it did above it to the closing words pushed below it (the others
// are simply dropped); when the next change is above the checkpoint again
// (typing on one line), it puts those back and goes on from there instead of
// from the last line. Lines are counted from the end in the kept state, so
// lines inserted or deleted above keep it valid.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "editor/edit_types.h"
#include "editor/structure/structure_line_scan.h"
#include "editor/structure/structure_pairs.h"

namespace kau::editor {

struct StructureMatch {
    TPoint OpenPoint;   // the opener's first column, on the line below it (1-based)
    TPoint ClosePoint;  // the closer's first column and line (1-based)
    friend bool operator==(const StructureMatch&, const StructureMatch&) = default;
};

class StructureMatcher {
public:
    explicit StructureMatcher(const StructureWords& words) : words_(words) {}

    // The next Match starts from the last line.
    void Forget() { checkpoint_.valid = false; }

    // The matched pairs of `lines` (line 1 first), in the order their openers
    // are met. `unchangedTail` lines at the end hold the same words as at the
    // last Match (with the same words and pairs).
    void Match(std::span<const StructureLine> lines, int unchangedTail, std::vector<StructureMatch>& matches);
    // How many lines the last Match went through.
    int LastLineCount() const { return lastLineCount_; }

private:
    struct Closer {
        int column;
        int fromEnd;  // lines below it
    };
    struct Found {
        int column;
        int fromEnd;
        int closer;
    };
    // A change above the checkpoint to a closing word pushed below it.
    struct LogEntry {
        bool retired;  // its retirement, else its pop off the pair's stack
        int pair;
        int closer;
    };
    struct Checkpoint {
        bool valid = false;
        int linesBelow = 0;
        std::size_t closers = 0;
        std::size_t found = 0;
    };

    void Restart();
    void RollBackToCheckpoint();
    void SetCheckpoint(int linesBelow);
    void MatchLine(const StructureLine& line, int fromEnd);
    // Drops the retired closing words from the top of a pair's stack; true
    // when a waiting one is left.
    bool HasWaiting(int pair);
    int Pop(int pair);
    void Log(bool retired, int pair, int closer) {
        if (static_cast<std::size_t>(closer) < keptClosers_) log_.push_back({retired, pair, closer});
    }

    const StructureWords& words_;
    std::vector<std::vector<int>> stacks_;  // per pair, indexes into closers_
    std::vector<Closer> closers_;           // every closing word pushed
    std::vector<bool> retired_;             // by closers_ index: matched by some pair
    std::vector<Found> found_;
    std::vector<LogEntry> log_;             // since the checkpoint
    std::size_t keptClosers_ = 0;           // closers_ pushed below the checkpoint, once passed
    Checkpoint checkpoint_;
    int lastLineCount_ = 0;
};

}  // namespace kau::editor
