// The control scans the highlighter states and the structure words only as
// far as the window needs and the rest when it is painted or asked for. On
// random edits (typed keys, lines changed, inserted and deleted anywhere,
// undo, scrolling, new pair lists) what it shows and answers equals what a
// control that scanned the same text from scratch shows and answers: the
// painted window, the end state of every line, the tokens, the bracket
// matches and the structures.
#include <algorithm>
#include <random>
#include <sstream>

#include "tests/editor_kau/kau_fixture.h"

namespace kau::editor::testing {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;

// What was drawn, in order; the structure lines, which may come in any
// order (dots of one colour), sorted at the end.
std::string Describe(const FakeCanvas& canvas) {
  std::ostringstream out;
  std::vector<std::string> structureLines;
  for (const FakeDrawing& d : canvas.Drawings()) {
    std::ostringstream one;
    one << d.kind << ' ' << d.rect.Left << ',' << d.rect.Top << ',' << d.rect.Right << ',' << d.rect.Bottom << ' '
        << d.from.X << ',' << d.from.Y << ' ' << d.to.X << ',' << d.to.Y << " [" << d.text << "] " << d.color << ' '
        << d.background << ' ' << int(d.font.Style()) << ' ' << d.pen << '\n';
    if (d.kind == FakeDrawing::Line && d.pen == platform::psAlternate) structureLines.push_back(one.str());
    else out << one.str();
  }
  std::sort(structureLines.begin(), structureLines.end());
  for (const std::string& line : structureLines) out << line;
  return out.str();
}

struct Generator {
  std::mt19937 rng;

  int below(int n) { return n <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(n)); }

  std::string piece() {
    static const char* const pieces[] = {"begin ", "end", "End;", "case ", "repeat", "until ", "record ", "BEGIN",
                                         "x", " ", "  ", ";", "(", ")", "[", "]", "1", "'", "{", "}", "(*", "*)",
                                         "//", "'s'"};
    return pieces[below(static_cast<int>(std::size(pieces)))];
  }
  std::string line() {
    std::string s;
    for (int n = below(5); n > 0; --n) s += piece();
    return s;
  }
  std::vector<std::string> pairs() {
    switch (below(4)) {
      case 0: return DefaultStrutureTokens();
      case 1: return {"BEGIN=END", "REPEAT=UNTIL", "CASE=END", "RECORD=END"};
      case 2: return {"BEGIN=END", "END=UNTIL"};  // not in groups: matched from the end
      default: return {"repeat=until", "CASE=END"};
    }
  }
};

class LazyScanProperty : public KauTest {
 protected:
  // A control that scans the same text from scratch, in a window of the
  // same size at the same place.
  struct Reference {
    platform::FakeWindow window{{0, 0, 200, 150}};
    TSynPasSyn pascal;
    TSynEditKAU edit;

    explicit Reference(TSynEditKAU& lazy) {
      window.SetClient(&edit);
      edit.CreateWnd(window);
      edit.SetHighlighter(&pascal);
      TSynEditStringList pairs;
      pairs.Assign(lazy.StrutureTokens());
      edit.SetTokenStruture(pairs);
      edit.Lines().Assign(lazy.Lines());
      edit.ScanRangesThrough(edit.LineCount() - 1);
      edit.BuildStructure();
      edit.Structures();
      edit.SetCaretXY(lazy.CaretXY());
      edit.SetTopLine(lazy.TopLine());
      edit.SetLeftChar(lazy.LeftChar());
    }
    ~Reference() {
      edit.SetHighlighter(nullptr);
      edit.DestroyWnd();
      window.SetClient(nullptr);
    }
  };

  void Check(Generator& g, const std::string& where) {
    Reference ref(edit);
    ASSERT_EQ(edit.TopLine(), ref.edit.TopLine()) << where;
    ASSERT_EQ(edit.LeftChar(), ref.edit.LeftChar()) << where;
    // What the window shows (the lazy control scans what it paints).
    ASSERT_EQ(Describe(window.PaintNow(true)), Describe(ref.window.PaintNow(true))) << where;
    const int count = edit.LineCount();
    // Tokens and brackets anywhere, also below what was scanned.
    for (int k = 0; k < 6 && count > 0; ++k) {
      const int line = 1 + g.below(count);
      const int length = static_cast<int>(edit.Lines().Get(line - 1).size());
      const TPoint at{1 + g.below(length + 1), line};
      std::string token, refToken;
      int kind = -1, refKind = -1, start = -1, refStart = -1;
      TSynHighlighterAttributes *attr = nullptr, *refAttr = nullptr;
      const bool found = edit.GetHighlighterAttriAtRowColEx(at, token, kind, start, attr);
      ASSERT_EQ(found, ref.edit.GetHighlighterAttriAtRowColEx(at, refToken, refKind, refStart, refAttr)) << where;
      ASSERT_EQ(token, refToken) << where;
      ASSERT_EQ(kind, refKind) << where;
      ASSERT_EQ(start, refStart) << where;
      ASSERT_EQ(attr ? attr->Name() : "", refAttr ? refAttr->Name() : "") << where;
      ASSERT_EQ(edit.GetMatchingBracketEx(at, false), ref.edit.GetMatchingBracketEx(at, false)) << where;
    }
    if (g.below(3) != 0) return;  // leave the rest unscanned now and then
    // Every structure of the text.
    const TStructures& lazy = edit.Structures();
    const TStructures& fresh = ref.edit.Structures();
    ASSERT_EQ(lazy.GetCount(), fresh.GetCount()) << where;
    for (int i = 0; i < lazy.GetCount(); ++i) {
      ASSERT_EQ(lazy.GetStructure(i)->OpenPoint, fresh.GetStructure(i)->OpenPoint) << where << " #" << i;
      ASSERT_EQ(lazy.GetStructure(i)->ClosePoint, fresh.GetStructure(i)->ClosePoint) << where << " #" << i;
    }
    // Every end state, once asked for.
    edit.ScanRangesThrough(count - 1);
    for (int i = 0; i < count; ++i) ASSERT_EQ(edit.Lines().GetRange(i), ref.edit.Lines().GetRange(i)) << where;
  }

  int Edit(Generator& g) {
    const int count = edit.LineCount();
    const int line = g.below(count);  // 0-based
    const auto caretAnywhere = [&] {
      const int y = 1 + g.below(std::max(count, 1));
      edit.SetCaretXY({1 + g.below(static_cast<int>(edit.Lines().Get(y - 1).size()) + 1), y});
    };
    const int op = g.below(12);
    switch (op) {
      case 0:
            case 1: caretAnywhere(); Type(g.piece()); break;
            case 2: caretAnywhere(); edit.CommandProcessor(ecLineBreak, 0, nullptr); break;
            case 3: caretAnywhere(); edit.CommandProcessor(g.below(2) ? ecDeleteLastChar : ecDeleteChar, 0, nullptr); break;
            case 4: if (count > 0) edit.Lines().Put(line, g.line()); break;
      case 5:
        for (int n = 1 + g.below(3), at = g.below(count + 1); n > 0; --n) edit.Lines().Insert(at, g.line());
        break;
      case 6: {
        TSynEditStringList block;
        for (int n = 1 + g.below(6); n > 0; --n) block.Add(g.line());
        edit.Lines().InsertStrings(g.below(count + 1), block);
        break;
      }
      case 7:
        // In an update: the store reports the deletion of the last
        // lines outside one, and the control would not hear the end
        // of the change.
        edit.Lines().BeginUpdate();
        if (count > 0) edit.Lines().DeleteLines(line, 1 + g.below(5));
        edit.Lines().EndUpdate();
        // The caret may be left below the text: put it back in.
        edit.SetCaretXY({1, 1});
        break;
      case 8: edit.CommandProcessor(g.below(2) ? ecUndo : ecRedo, 0, nullptr); break;
      case 9: edit.SetTopLine(1 + g.below(std::max(count, 1))); break;
      case 10: window.PaintNow(); break;
      default:
        if (g.below(3) == 0) {
          TSynEditStringList pairs;
          for (const std::string& p : g.pairs()) pairs.Add(p);
          edit.SetTokenStruture(pairs);
        } else if (count > 0) {
          caretAnywhere();
          Type(g.piece());
        }
        break;
    }
    // Lines changed past the undo list leave it behind: start a new one.
    if (op >= 4 && op <= 7) edit.ClearUndo();
    return op;
  }

  void Run(std::uint32_t seed, int rounds, int shortest, int longest, int steps) {
    Generator g{std::mt19937(seed)};
    for (int round = 0; round < rounds; ++round) {
      std::vector<std::string> text;
      for (int n = shortest + g.below(longest - shortest); n > 0; --n) text.push_back(g.line());
      SetLines(text);
      edit.ClearUndo();
      edit.SetTopLine(1 + g.below(static_cast<int>(text.size())));
      for (int step = 0; step < steps; ++step) {
        const int op = Edit(g);
        Check(g, "round " + std::to_string(round) + " step " + std::to_string(step) + " op " +
                     std::to_string(op));
        if (HasFatalFailure()) return;
      }
    }
  }
};

TEST_F(LazyScanProperty, WhatTheControlShowsAndAnswersEqualsAScanFromScratch) { Run(20261207, 120, 10, 80, 25); }

// Texts long enough for the matcher to keep its state on the way (every
// couple of thousand words) and go on from there after a change.
TEST_F(LazyScanProperty, LongTextsToo) { Run(7122026, 6, 8000, 10000, 30); }



}  // namespace
}  // namespace kau::editor::testing
