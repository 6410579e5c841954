// Matches the structure words of a text into block pairs.
//
// The control's scan takes the words from the last to the first and keeps,
// for every pair, a stack of closing words waiting for their opener; a
// closing word shared by several pairs (END for BEGIN, CASE and RECORD) is
// pushed once per pair and taken by whichever opener comes first above it.
// That needs the whole text below a line before any pair above it is known.
//
// When the pairs fall into groups (StructureWords::Grouped, as every list the
// windows use does), each group is a kind of bracket: its closing word is the
// bracket's closer and its opening words the bracket's openers, and brackets
// pair up the same whichever end they are matched from. Matched from the top,
// a closing word's pair depends only on the text above it, so the pairs of
// the lines in view are known once every opener up to the window's last line
// has found its closer (or the text ends): the rest of the text need not be
// looked at.
#pragma once

#include <span>
#include <vector>

#include "editor/model/edit_types.h"
#include "editor/structure/structure_pairs.h"

namespace kau::editor {

struct StructureMatch {
  TPoint OpenPoint;   // the opener's first column, on the line below it (1-based)
  TPoint ClosePoint;  // the closer's first column and line (1-based)
  friend bool operator==(const StructureMatch&, const StructureMatch&) = default;
};

// A structure word in its place: line 0-based, column 1-based.
struct PlacedWord {
  int Line;
  int Column;
  int Word;  // number in StructureWords
};

// Matching from the top for grouped pairs: fed the words in text order.
class GroupMatcher {
 public:
  explicit GroupMatcher(const StructureWords& words) : words_(words) {}

  // The openers still open, by group (column, 0-based line).
  struct State {
    std::vector<std::vector<TPoint>> stacks;
    std::size_t open = 0;
  };

  void Restart();
  const State& Now() const { return state_; }
  void Restore(const State& state) { state_ = state; }
  // Appends the pair a closing word completes.
  void Feed(const PlacedWord& word, std::vector<StructureMatch>& matches);
  // Every opener fed so far has its closer.
  bool AllClosed() const { return state_.open == 0; }

 private:
  const StructureWords& words_;
  State state_;
};

// The control's scan from the last word up, for any pairs; `words` in text
// order. The matches come in the order it finds them.
void MatchFromTheEnd(std::span<const PlacedWord> words, const StructureWords& pairs,
                     std::vector<StructureMatch>& matches);

// Puts matches in the order the scan from the end finds them: by opener, the
// last in the text first.
void SortAsFoundFromTheEnd(std::vector<StructureMatch>& matches);

}  // namespace kau::editor
