#include "editor/structure/structure_matcher.h"

#include <algorithm>
#include <tuple>

namespace kau::editor {

void GroupMatcher::Restart() {
  state_.stacks.assign(static_cast<std::size_t>(words_.WordCount()), {});
  state_.open = 0;
}

void GroupMatcher::Feed(const PlacedWord& word, std::vector<StructureMatch>& matches) {
  auto& stack = state_.stacks[static_cast<std::size_t>(words_.Group(word.Word))];
  if (words_.Opens(word.Word)) {
    stack.push_back({word.Column, word.Line});
    ++state_.open;
    return;
  }
  if (stack.empty()) return;
  const TPoint opener = stack.back();
  stack.pop_back();
  --state_.open;
  matches.push_back({{opener.X, opener.Y + 2}, {word.Column, word.Line + 1}});
}

void MatchFromTheEnd(std::span<const PlacedWord> words, const StructureWords& pairs,
                     std::vector<StructureMatch>& matches) {
  std::vector<std::vector<int>> stacks(static_cast<std::size_t>(pairs.PairCount()));  // indexes into closers
  std::vector<const PlacedWord*> closers;
  std::vector<bool> retired;  // by closer: taken by some pair
  const auto hasWaiting = [&](int pair) {
    auto& stack = stacks[static_cast<std::size_t>(pair)];
    while (!stack.empty() && retired[static_cast<std::size_t>(stack.back())]) stack.pop_back();
    return !stack.empty();
  };
  matches.clear();
  for (auto word = words.rbegin(); word != words.rend(); ++word) {
    int pushed = -1;  // the closing word made here, shared by its pairs
    for (const auto& role : pairs.Roles(word->Word)) {
      if (role.Opener && hasWaiting(role.Pair)) {
        auto& stack = stacks[static_cast<std::size_t>(role.Pair)];
        const int closer = stack.back();
        stack.pop_back();
        retired[static_cast<std::size_t>(closer)] = true;
        const PlacedWord& c = *closers[static_cast<std::size_t>(closer)];
        matches.push_back({{word->Column, word->Line + 2}, {c.Column, c.Line + 1}});
        break;
      }
      if (role.Closer) {
        if (pushed < 0) {
          pushed = static_cast<int>(closers.size());
          closers.push_back(&*word);
          retired.push_back(false);
        }
        stacks[static_cast<std::size_t>(role.Pair)].push_back(pushed);
      }
    }
  }
}

void SortAsFoundFromTheEnd(std::vector<StructureMatch>& matches) {
  std::sort(matches.begin(), matches.end(), [](const StructureMatch& a, const StructureMatch& b) {
    return std::tie(a.OpenPoint.Y, a.OpenPoint.X) > std::tie(b.OpenPoint.Y, b.OpenPoint.X);
  });
}

}  // namespace kau::editor
