#include "editor/structure/structure_matcher.h"

namespace kau::editor {

bool StructureMatcher::HasWaiting(std::vector<int>& stack) const {
    while (!stack.empty() && retired_[static_cast<std::size_t>(stack.back())]) stack.pop_back();
    return !stack.empty();
}

void StructureMatcher::Match(std::span<const StructureLine> lines, std::vector<StructureMatch>& matches) {
    matches.clear();
    stacks_.assign(static_cast<std::size_t>(words_.PairCount()), {});
    closers_.clear();
    retired_.clear();
    for (std::size_t index = lines.size(); index-- > 0;) {
        const auto& words = lines[index].Words;
        const int line = static_cast<int>(index) + 1;
        for (auto word = words.rbegin(); word != words.rend(); ++word) {
            int pushed = -1;  // the closing word made here, shared by its pairs
            for (const auto& role : words_.Roles(word->Word)) {
                auto& stack = stacks_[static_cast<std::size_t>(role.Pair)];
                if (role.Opener && HasWaiting(stack)) {
                    const int closer = stack.back();
                    stack.pop_back();
                    retired_[static_cast<std::size_t>(closer)] = true;
                    matches.push_back({{word->Column, line + 1}, closers_[static_cast<std::size_t>(closer)]});
                    break;
                }
                if (role.Closer) {
                    if (pushed < 0) {
                        pushed = static_cast<int>(closers_.size());
                        closers_.push_back({word->Column, line});
                        retired_.push_back(false);
                    }
                    stack.push_back(pushed);
                }
            }
        }
    }
}

}  // namespace kau::editor
