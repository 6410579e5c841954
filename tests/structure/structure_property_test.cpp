// On random texts and pair lists the kept per-line words and the matcher give
// the same pairs as the character scan below, which follows the description
// of the structure scan word for word (with characters inside comments and
// strings never at a word boundary), also after random edits.
#include <gtest/gtest.h>

#include <random>

#include "tests/structure/structure_text.h"

namespace kau::editor {
namespace {

using testing::setLines;

bool isUpperLetter(char c) { return c >= 'A' && c <= 'Z'; }
char upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; }

// For every character: inside a comment or a string as the highlighter marks it.
std::vector<std::vector<bool>> hiddenCharacters(const std::vector<std::string>& lines) {
  TSynPasSyn h;
  std::vector<std::vector<bool>> hidden;
  h.ResetRange();
  for (std::size_t r = 0; r < lines.size(); ++r) {
    hidden.emplace_back(lines[r].size(), false);
    h.SetLine(lines[r], static_cast<int>(r));
    for (; !h.GetEol(); h.Next()) {
      const auto* a = h.GetTokenAttribute();
      if (a != h.CommentAttri() && a != h.StringAttri()) continue;
      const auto pos = static_cast<std::size_t>(h.GetTokenPos());
      for (std::size_t k = pos; k < pos + h.GetToken().size(); ++k) hidden[r][k] = true;
    }
  }
  return hidden;
}

std::vector<StructureMatch> characterScan(const std::vector<std::string>& lines, const std::vector<std::string>& tokens) {
  std::vector<std::string> opener, closer;
  for (const auto& t : tokens) {
    const auto eq = t.find('=');
    if (eq == std::string::npos || eq == 0 || eq + 1 == t.size()) continue;
    opener.push_back(t.substr(0, eq));
    closer.push_back(t.substr(eq + 1));
  }
  const auto hidden = hiddenCharacters(lines);
  std::vector<std::vector<TPoint>> stacks(opener.size());
  std::vector<StructureMatch> found;
  for (int r = static_cast<int>(lines.size()); r >= 1; --r) {
    const auto& line = lines[static_cast<std::size_t>(r - 1)];
    std::string w;
    for (int c = static_cast<int>(line.size()); c >= 1; --c) {
      const char ch = upper(line[static_cast<std::size_t>(c - 1)]);
      w.insert(w.begin(), ch);
      bool boundary = c == 1;
      if (!boundary) {
        const char before = upper(line[static_cast<std::size_t>(c - 2)]);
        boundary = before != '\'' && !isUpperLetter(before);
      }
      boundary = boundary && !hidden[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c - 1)];
      bool mayGrow = false, pushed = false;
      for (std::size_t i = 0; i < opener.size(); ++i) {
        if (boundary && w == opener[i] && !stacks[i].empty()) {
          const TPoint close = stacks[i].back();
          stacks[i].pop_back();
          found.push_back({{c, r + 1}, close});
          w.clear();
          for (auto& s : stacks) std::erase(s, close);
        } else if (boundary && w == closer[i]) {
          stacks[i].push_back({c, r});
          pushed = true;
        } else if (opener[i].find(w) != std::string::npos || closer[i].find(w) != std::string::npos) {
          mayGrow = true;
        }
      }
      if ((!mayGrow || pushed) && !isUpperLetter(ch)) w.clear();
    }
  }
  return found;
}

const char* const kWords[] = {"BEGIN", "END", "CASE", "RECORD", "REPEAT", "UNTIL"};

struct Generator {
  std::mt19937 rng;

  int below(std::size_t n) { return static_cast<int>(rng() % n); }

  std::string piece() {
    // Quotes and comment marks are rarer: each hides the rest of a line or more.
    static const char* const others[] = {" ", " ", " ", "  ", "1", "9", "x", "q", ";", "(",
                                         "'", "''", "{", "}", "(*", "*)", "//"};
    if (below(2) != 0) return others[below(below(6) == 0 ? std::size(others) : 10)];
    std::string w = kWords[below(std::size(kWords))];
    if (below(5) == 0) w = w.substr(static_cast<std::size_t>(below(w.size())));
    for (auto& c : w)
      if (below(2) == 0) c = static_cast<char>(c + 32);
    return below(3) == 0 ? w : w + " ";  // most words stand alone
  }

  std::string line() {
    std::string s;
    for (int n = below(8); n > 0; --n) s += piece();
    return s;
  }

  std::vector<std::string> text() {
    std::vector<std::string> lines;
    for (int n = 1 + below(16); n > 0; --n) lines.push_back(line());
    return lines;
  }

  // Now and then with a pair of a word that is no run of letters and that
  // no text holds: the scan then takes its way for any characters.
  std::vector<std::string> pairs() {
    std::vector<std::string> lines = letterPairs();
    if (below(3) == 0) lines.insert(lines.begin() + below(lines.size() + 1), "#=#");
    return lines;
  }

  std::vector<std::string> letterPairs() {
    switch (below(3)) {
      case 0: return DefaultStrutureTokens();
      case 1: return {"BEGIN=END", "REPEAT=UNTIL", "CASE=END", "RECORD=END"};
      default: break;
    }
    std::vector<std::string> lines;
    for (int n = below(6); n > 0; --n) {
      std::string a = kWords[below(std::size(kWords))], b = kWords[below(std::size(kWords))];
      switch (below(8)) {
        case 0: lines.push_back(a); break;
        case 1: lines.push_back("=" + b); break;
        case 2: lines.push_back(a + "="); break;
        case 3: lines.push_back("X" + a.substr(1) + "=" + b); break;
        default: lines.push_back(a + "=" + b); break;
      }
    }
    return lines;
  }
};

TEST(StructureProperty, MatcherEqualsTheCharacterScan) {
  Generator g{std::mt19937(20261207)};
  TSynPasSyn highlighter;
  for (int round = 0; round < 10000; ++round) {
    auto text = g.text();
    const auto pairs = g.pairs();
    TSynEditStringList store;
    setLines(store, text);
    StructureCache cache;
    cache.SetPairs(pairs);
    cache.Reset(store.GetCount());
    cache.Update(store, highlighter);
    ASSERT_EQ(cache.Matches(), characterScan(text, pairs)) << "round " << round;
    for (int edit = g.below(8); edit > 0; --edit) {
      const int count = static_cast<int>(text.size());
      const int at = count > 0 ? g.below(count) : 0;
      switch (count > 0 ? g.below(3) : 1) {
        case 0:
          text[static_cast<std::size_t>(at)] = g.line();
          store.Put(at, text[static_cast<std::size_t>(at)]);
          cache.LineChanged(at);
          break;
        case 1: {
          const int n = 1 + g.below(3);
          const int where = g.below(count + 1);
          for (int k = 0; k < n; ++k) {
            text.insert(text.begin() + where + k, g.line());
            store.Insert(where + k, text[static_cast<std::size_t>(where + k)]);
          }
          cache.LinesInserted(where, n);
          break;
        }
        default: {
          const int n = std::min(1 + g.below(3), count - at);
          text.erase(text.begin() + at, text.begin() + at + n);
          store.DeleteLines(at, n);
          cache.LinesDeleted(at, n);
          break;
        }
      }
      cache.Update(store, highlighter);
      ASSERT_EQ(cache.Matches(), characterScan(text, pairs)) << "round " << round << " edit " << edit;
    }
  }
}

}  // namespace
}  // namespace kau::editor
