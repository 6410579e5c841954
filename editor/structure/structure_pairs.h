// The block pairs whose matching words the structure lines join: each line of
// the control's list is "OPENER=CLOSER". The distinct words get small numbers
// that the scanned lines and the matcher share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kau::editor {

struct StructurePair {
  std::string Opener;
  std::string Closer;
};

// The control's own list before any window sets one.
std::vector<std::string> DefaultStrutureTokens();

// Upper-cases the ASCII letters of every line in place.
void UpperCaseStructureTokens(std::vector<std::string>& lines);

// One pair per line "OPENER=CLOSER", split at the first "=" whatever
// characters the sides hold. A line without "=" or with an empty side makes
// no pair and is no error. The scan upper-cases the letters of the text, so a
// side with a lower-case letter is never found.
std::vector<StructurePair> ParseStructurePairs(const std::vector<std::string>& lines);

// The pairs with their distinct words numbered. For each word, the pairs it
// belongs to, in pair order, with the sides it takes in them.
class StructureWords {
 public:
  struct Role {
    int Pair;
    bool Opener;
    bool Closer;
  };

  StructureWords() = default;
  explicit StructureWords(std::vector<StructurePair> pairs);

  const std::vector<StructurePair>& Pairs() const { return pairs_; }
  int PairCount() const { return static_cast<int>(pairs_.size()); }
  int WordCount() const { return static_cast<int>(words_.size()); }
  const std::string& Word(int id) const { return words_[static_cast<std::size_t>(id)]; }
  const std::vector<Role>& Roles(int id) const { return roles_[static_cast<std::size_t>(id)]; }

  // The number of the word that the letters `letters` spell (either case),
  // or -1.
  int Find(std::string_view letters) const;
  // Whether the word opens a pair, and whether it closes one.
  bool IsOpener(int id) const;
  bool IsCloser(int id) const;
  // Whether `upper` occurs inside one of the words.
  bool Contains(std::string_view upper) const;
  // Whether every word is made of ASCII letters: a word found is then a
  // whole run of letters.
  bool LettersOnly() const { return lettersOnly_; }

  // Whether the pairs fall into independent groups, one per closing word:
  // no word both opens and closes, and every opening word opens pairs of
  // one closing word only. Each group then matches as brackets do, the
  // same from either end of the text.
  bool Grouped() const { return grouped_; }
  // With Grouped: the group (the number of its closing word) of a word.
  int Group(int id) const { return group_[static_cast<std::size_t>(id)]; }
  bool Opens(int id) const { return opens_[static_cast<std::size_t>(id)]; }

 private:
  std::vector<StructurePair> pairs_;
  std::vector<std::string> words_;
  std::vector<std::vector<Role>> roles_;
  std::size_t longest_ = 0;
  std::vector<bool> lengthUsed_;  // by word length
  bool lettersOnly_ = true;
  bool grouped_ = true;
  std::vector<int> group_;
  std::vector<bool> opens_;
};

}  // namespace kau::editor
