// Matches the structure words of a whole text into block pairs. The lines are
// taken from the last to the first and each line's words from right to left;
// every pair keeps a stack of closing words waiting for their opener. A
// closing word shared by several pairs (END for BEGIN, CASE and RECORD) is
// pushed once per pair and taken by whichever opener comes first above it,
// which retires its copies on the other stacks.
#pragma once

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

    // The matched pairs of `lines` (line 1 first), in the order their openers
    // are met.
    void Match(std::span<const StructureLine> lines, std::vector<StructureMatch>& matches);

private:
    // Drops the retired closing words from the top of a stack; true when a
    // waiting one is left.
    bool HasWaiting(std::vector<int>& stack) const;

    const StructureWords& words_;
    std::vector<std::vector<int>> stacks_;  // per pair, indexes into closers_
    std::vector<TPoint> closers_;           // every closing word pushed
    std::vector<bool> retired_;             // by closers_ index: matched by some pair
};

}  // namespace kau::editor
