#include "editor/structure/structure_matcher.h"

#include <algorithm>

namespace kau::editor {

void StructureMatcher::Restart() {
    stacks_.assign(static_cast<std::size_t>(words_.PairCount()), {});
    closers_.clear();
    retired_.clear();
    found_.clear();
}

void StructureMatcher::RollBackToCheckpoint() {
    for (auto& stack : stacks_)
        while (!stack.empty() && static_cast<std::size_t>(stack.back()) >= checkpoint_.closers) stack.pop_back();
    for (auto entry = log_.rbegin(); entry != log_.rend(); ++entry) {
        if (entry->retired)
            retired_[static_cast<std::size_t>(entry->closer)] = false;
        else
            stacks_[static_cast<std::size_t>(entry->pair)].push_back(entry->closer);
    }
    log_.clear();
    closers_.resize(checkpoint_.closers);
    retired_.resize(checkpoint_.closers);
    found_.resize(checkpoint_.found);
}

void StructureMatcher::SetCheckpoint(int linesBelow) {
    checkpoint_ = {true, linesBelow, closers_.size(), found_.size()};
    log_.clear();
    keptClosers_ = closers_.size();
}

bool StructureMatcher::HasWaiting(int pair) {
    auto& stack = stacks_[static_cast<std::size_t>(pair)];
    while (!stack.empty() && retired_[static_cast<std::size_t>(stack.back())]) Pop(pair);
    return !stack.empty();
}

int StructureMatcher::Pop(int pair) {
    auto& stack = stacks_[static_cast<std::size_t>(pair)];
    const int closer = stack.back();
    stack.pop_back();
    Log(false, pair, closer);
    return closer;
}

void StructureMatcher::MatchLine(const StructureLine& line, int fromEnd) {
    for (auto word = line.Words.rbegin(); word != line.Words.rend(); ++word) {
        int pushed = -1;  // the closing word made here, shared by its pairs
        for (const auto& role : words_.Roles(word->Word)) {
            if (role.Opener && HasWaiting(role.Pair)) {
                const int closer = Pop(role.Pair);
                retired_[static_cast<std::size_t>(closer)] = true;
                Log(true, role.Pair, closer);
                found_.push_back({word->Column, fromEnd, closer});
                break;
            }
            if (role.Closer) {
                if (pushed < 0) {
                    pushed = static_cast<int>(closers_.size());
                    closers_.push_back({word->Column, fromEnd});
                    retired_.push_back(false);
                }
                stacks_[static_cast<std::size_t>(role.Pair)].push_back(pushed);
            }
        }
    }
}

void StructureMatcher::Match(std::span<const StructureLine> lines, int unchangedTail,
                             std::vector<StructureMatch>& matches) {
    const int count = static_cast<int>(lines.size());
    unchangedTail = std::clamp(unchangedTail, 0, count);
    int start = 0;  // lines from the end whose state is kept
    if (checkpoint_.valid && checkpoint_.linesBelow <= unchangedTail) {
        RollBackToCheckpoint();
        start = checkpoint_.linesBelow;
    } else {
        Restart();
    }
    keptClosers_ = 0;  // nothing to note until the checkpoint is passed
    for (int fromEnd = start; fromEnd < count; ++fromEnd) {
        if (fromEnd == unchangedTail) SetCheckpoint(fromEnd);
        MatchLine(lines[static_cast<std::size_t>(count - 1 - fromEnd)], fromEnd);
    }
    if (unchangedTail == count) SetCheckpoint(count);
    lastLineCount_ = count - start;

    matches.resize(found_.size());
    for (std::size_t k = 0; k < found_.size(); ++k) {
        const auto& found = found_[k];
        const auto& closer = closers_[static_cast<std::size_t>(found.closer)];
        matches[k] = {{found.column, count - found.fromEnd + 1}, {closer.column, count - closer.fromEnd}};
    }
}

}  // namespace kau::editor
