#include "editor/structure/structure_pairs.h"

#include <algorithm>

#include "text/char_class.h"

namespace kau::editor {

std::vector<std::string> DefaultStrutureTokens() {
  return {"BEGIN=END", "RECORD=END", "REPEAT=UNTIL"};
}

void UpperCaseStructureTokens(std::vector<std::string>& lines) {
  for (auto& line : lines)
    for (auto& c : line) c = static_cast<char>(text::toUpperAscii(static_cast<unsigned char>(c)));
}

std::vector<StructurePair> ParseStructurePairs(const std::vector<std::string>& lines) {
  std::vector<StructurePair> pairs;
  for (const auto& line : lines) {
    const auto eq = line.find('=');
    if (eq == std::string::npos) continue;
    std::string opener = line.substr(0, eq);
    std::string closer = line.substr(eq + 1);
    if (opener.empty() || closer.empty()) continue;
    pairs.push_back({std::move(opener), std::move(closer)});
  }
  return pairs;
}

StructureWords::StructureWords(std::vector<StructurePair> pairs) : pairs_(std::move(pairs)) {
  auto idOf = [this](const std::string& word) {
    const auto at = std::find(words_.begin(), words_.end(), word);
    if (at != words_.end()) return static_cast<int>(at - words_.begin());
    words_.push_back(word);
    roles_.emplace_back();
    longest_ = std::max(longest_, word.size());
    return static_cast<int>(words_.size()) - 1;
  };
  for (int i = 0; i < PairCount(); ++i) {
    const auto& pair = pairs_[static_cast<std::size_t>(i)];
    const int opener = idOf(pair.Opener);
    const int closer = idOf(pair.Closer);
    roles_[static_cast<std::size_t>(opener)].push_back({i, true, opener == closer});
    if (closer != opener) roles_[static_cast<std::size_t>(closer)].push_back({i, false, true});
  }
  lengthUsed_.assign(longest_ + 1, false);
  for (const auto& word : words_) {
    lengthUsed_[word.size()] = true;
    lettersOnly_ = lettersOnly_ && std::all_of(word.begin(), word.end(), [](char c) {
                     return text::isAsciiLetter(static_cast<unsigned char>(c));
                   });
  }

  group_.assign(words_.size(), -1);
  opens_.assign(words_.size(), false);
  for (std::size_t id = 0; id < words_.size(); ++id) {
    for (const Role& role : roles_[id]) {
      const bool opens = role.Opener && !role.Closer;
      if (role.Opener && role.Closer) grouped_ = false;
      const int group = opens ? idOf(pairs_[static_cast<std::size_t>(role.Pair)].Closer) : static_cast<int>(id);
      if ((group_[id] >= 0 && group_[id] != group) || (group_[id] >= 0 && opens_[id] != opens)) grouped_ = false;
      group_[id] = group;
      opens_[id] = opens;
    }
  }
}

bool StructureWords::IsOpener(int id) const {
  const auto& roles = Roles(id);
  return std::any_of(roles.begin(), roles.end(), [](const Role& role) { return role.Opener; });
}

bool StructureWords::IsCloser(int id) const {
  const auto& roles = Roles(id);
  return std::any_of(roles.begin(), roles.end(), [](const Role& role) { return role.Closer; });
}

bool StructureWords::Contains(std::string_view upper) const {
  if (upper.size() > longest_) return false;
  return std::any_of(words_.begin(), words_.end(),
                     [upper](const std::string& word) { return word.find(upper) != std::string::npos; });
}

int StructureWords::Find(std::string_view letters) const {
  if (letters.size() > longest_ || !lengthUsed_[letters.size()]) return -1;
  for (std::size_t id = 0; id < words_.size(); ++id) {
    const auto& word = words_[id];
    if (word.size() != letters.size()) continue;
    bool same = true;
    for (std::size_t k = 0; k < word.size() && same; ++k)
      same = text::toUpperAscii(static_cast<unsigned char>(letters[k])) == static_cast<unsigned char>(word[k]);
    if (same) return static_cast<int>(id);
  }
  return -1;
}

}  // namespace kau::editor
