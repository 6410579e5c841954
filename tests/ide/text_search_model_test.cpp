// Find and replace against a model that searches the whole text as one
// string (lines joined by CR LF, offsets as SelStart counts them): on random
// texts, patterns, selections and options both must leave the same text,
// selection, caret, results and undo steps.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "editor/control/syn_edit.h"
#include "ide/text_search.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"
#include "text/char_class.h"

namespace kau::ide {
namespace {

std::string Comparable(const std::string& s, bool matchCase) { return matchCase ? s : text::upperCase1252(s); }

// The model: the first occurrence in the whole text at or after SelEnd.
bool ModelFindNext(editor::TCustomSynEdit& edit, const std::string& pattern, bool matchCase) {
  if (pattern.empty()) return false;
  const std::string text = Comparable(edit.Text(), matchCase);
  const std::string wanted = Comparable(pattern, matchCase);
  editor::TPoint end = edit.GetSelAvail() ? edit.GetBlockEnd() : edit.CaretXY();
  if (end.Y >= 1 && end.Y <= edit.LineCount()) end.X = std::min(end.X, edit.LineLength(end.Y) + 1);
  const int from = edit.RowColToCharIndex(end);
  if (from < 0 || static_cast<std::size_t>(from) > text.size()) return false;
  const std::size_t found = text.find(wanted, static_cast<std::size_t>(from));
  if (found == std::string::npos) return false;
  edit.SetSelStart(static_cast<int>(found));
  edit.SetSelEnd(static_cast<int>(found + wanted.size()));
  return true;
}

int ModelReplace(editor::TCustomSynEdit& edit, const std::string& pattern, const std::string& replacement,
                 bool matchCase, bool all) {
  int replaced = 0;
  do {
    const bool selected = !pattern.empty() && Comparable(edit.SelText(), matchCase) == Comparable(pattern, matchCase);
    if (!selected && !ModelFindNext(edit, pattern, matchCase)) break;
    if (edit.SelText().empty() || replaced > 1000) break;
    edit.SetSelTextExternal(replacement);
    ++replaced;
  } while (all);
  return replaced;
}

struct Editor {
  Editor() {
    window.SetClient(&edit);
    edit.CreateWnd(window);
  }
  ~Editor() {
    edit.DestroyWnd();
    window.SetClient(nullptr);
  }
  platform::FakeWindow window{{0, 0, 400, 320}};
  editor::TSynEdit edit;
};

int UndoSteps(editor::TCustomSynEdit& edit) {
  int steps = 0;
  for (; edit.CanUndo() && steps < 10000; ++steps) edit.Undo();
  return steps;
}

class TextSearchModelTest : public ::testing::Test {
 protected:
  TextSearchModelTest() { platform::SetSystem(&system); }
  ~TextSearchModelTest() override { platform::SetSystem(nullptr); }
  platform::FakeSystem system;
};

TEST_F(TextSearchModelTest, FindAndReplaceMatchTheWholeTextModel) {
  std::mt19937 random(20261207);
  const auto below = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
  // Letters in both cases (ASCII and accented), a blank, and line breaks.
  const std::string alphabet = "aAbB \xE1\xC1";
  const auto word = [&](int maxLength) {
    std::string s;
    for (int n = below(maxLength + 1); n > 0; --n) s += alphabet[static_cast<std::size_t>(below(7))];
    return s;
  };
  int found = 0, replaced = 0, acrossLines = 0;  // that the rounds meet every case
  for (int round = 0; round < 3000; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    Editor model, subject;
    const bool pastEol = below(2) == 0;
    std::vector<std::string> lines;
    for (int n = below(6); n > 0; --n) lines.push_back(word(8));
    for (Editor* e : {&model, &subject}) {
      if (pastEol) e->edit.SetOptions(e->edit.Options() | editor::eoScrollPastEol);
      e->edit.Lines().Clear();
      for (const std::string& line : lines) e->edit.Lines().Add(line);
      e->edit.ClearUndo();
    }
    // A caret anywhere, or a selection given as offsets.
    const int textLength = static_cast<int>(model.edit.Text().size());
    const int caretLine = 1 + below(std::max(1, static_cast<int>(lines.size())));
    const editor::TPoint caret{1 + below(model.edit.LineLength(caretLine) + 4), caretLine};
    const int selStart = below(textLength + 1), selEnd = below(textLength + 1);
    const bool select = below(2) == 0;
    for (Editor* e : {&model, &subject}) {
      e->edit.SetCaretXY(caret);
      if (select) {
        e->edit.SetSelStart(selStart);
        e->edit.SetSelEnd(selEnd);
      }
    }
    for (int step = below(4) + 1; step > 0; --step) {
      // A piece of the text (it may hold line breaks, or half of one), or
      // letters that may not occur.
      const std::string text = model.edit.Text();
      std::string pattern = word(3);
      if (below(3) != 0 && !text.empty()) {
        const int at = below(static_cast<int>(text.size()));
        pattern = text.substr(static_cast<std::size_t>(at), static_cast<std::size_t>(1 + below(4)));
      }
      if (below(4) == 0) pattern = text::upperCase1252(pattern);
      const std::string replacement = below(5) == 0 ? word(2) + "\r\n" + word(2) : word(3);
      const bool matchCase = below(2) == 0;
      const int what = below(3);
      SCOPED_TRACE("pattern '" + pattern + "' replacement '" + replacement + "' case " + std::to_string(matchCase) +
                   " operation " + std::to_string(what) + " on '" + text + "'");
      if (what == 0) {
        const bool result = FindNext(subject.edit, pattern, matchCase);
        EXPECT_EQ(result, ModelFindNext(model.edit, pattern, matchCase));
        found += result;
        acrossLines += result && subject.edit.GetBlockBegin().Y != subject.edit.GetBlockEnd().Y;
      } else {
        const int result = Replace(subject.edit, pattern, replacement, matchCase, what == 2);
        EXPECT_EQ(result, ModelReplace(model.edit, pattern, replacement, matchCase, what == 2));
        replaced += result;
      }
      ASSERT_EQ(subject.edit.Text(), model.edit.Text());
      ASSERT_EQ(subject.edit.CaretXY(), model.edit.CaretXY());
      ASSERT_EQ(subject.edit.GetBlockBegin(), model.edit.GetBlockBegin());
      ASSERT_EQ(subject.edit.GetBlockEnd(), model.edit.GetBlockEnd());
      ASSERT_EQ(subject.edit.TopLine(), model.edit.TopLine());
    }
    EXPECT_EQ(UndoSteps(subject.edit), UndoSteps(model.edit));
    EXPECT_EQ(subject.edit.Text(), model.edit.Text());
  }
  EXPECT_GT(found, 500);
  EXPECT_GT(acrossLines, 50);
  EXPECT_GT(replaced, 1000);
}

}  // namespace
}  // namespace kau::ide
