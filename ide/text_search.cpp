#include "ide/text_search.h"

#include <algorithm>
#include <optional>
#include <string>

#include "text/char_class.h"

namespace kau::ide {

namespace {

std::string Comparable(std::string_view s, bool matchCase) {
  return matchCase ? std::string(s) : text::upperCase1252(s);
}

// SelEnd as a position, but a caret standing past the end of its line counts
// from the line's end, so the search never skips the start of the next line.
editor::TPoint SearchStart(const editor::TCustomSynEdit& editor) {
  editor::TPoint end = editor.GetSelAvail() ? editor.GetBlockEnd() : editor.CaretXY();
  if (end.Y >= 1 && end.Y <= editor.LineCount()) end.X = std::min(end.X, editor.LineLength(end.Y) + 1);
  return end;
}

// The search works on the text as SelStart counts it (lines joined by CR LF)
// but never builds it whole: it looks at one line at a time, joined to as
// many following lines as a pattern with `breaks` CR or LF characters can
// reach, and takes only the matches that start on that line or in the line
// break after it.
class LineSearch {
 public:
  LineSearch(const editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase)
      : editor_(editor),
        wanted_(Comparable(pattern, matchCase)),
        matchCase_(matchCase),
        breaks_(static_cast<int>(std::count_if(pattern.begin(), pattern.end(),
                                               [](char c) { return c == '\r' || c == '\n'; }))) {}

  struct Match {
    editor::TPoint begin, end;
  };

  // The first match at or after `from` (a position inside the text).
  std::optional<Match> FirstFrom(editor::TPoint from) const {
    const int count = editor_.LineCount();
    if (wanted_.empty() || from.Y < 1) return std::nullopt;
    std::size_t column = static_cast<std::size_t>(std::max(from.X - 1, 0));
    for (int line = from.Y; line <= count; ++line, column = 0) {
      const std::string window = Window(line);
      const std::size_t found = window.find(wanted_, column);
      if (found == std::string::npos) continue;
      const std::size_t lineAndBreak = static_cast<std::size_t>(editor_.LineLength(line)) + 2;
      if (found < lineAndBreak) return Match{Position(line, found), Position(line, found + wanted_.size())};
    }
    return std::nullopt;
  }

 private:
  // Line `line` and the next `breaks_` lines as the whole text holds them,
  // upper-cased unless the case must match.
  std::string Window(int line) const {
    std::string window = editor_.LineText(line);
    const int last = std::min(editor_.LineCount(), line + breaks_);
    for (int next = line + 1; next <= last; ++next) window += "\r\n" + editor_.LineText(next);
    return matchCase_ ? window : text::upperCase1252(window);
  }

  // The position of an offset into the window of `line`, as the editor's
  // character index conversion gives it.
  editor::TPoint Position(int line, std::size_t offset) const {
    for (;;) {
      const std::size_t lineAndBreak = static_cast<std::size_t>(editor_.LineLength(line)) + 2;
      if (offset < lineAndBreak) return {static_cast<int>(offset) + 1, line};
      offset -= lineAndBreak;
      ++line;
    }
  }

  const editor::TCustomSynEdit& editor_;
  const std::string wanted_;
  const bool matchCase_;
  const int breaks_;
};

}  // namespace

bool FindNext(editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase) {
  const std::optional<LineSearch::Match> match = LineSearch(editor, pattern, matchCase).FirstFrom(SearchStart(editor));
  if (!match) return false;
  // A caret move: what is typed over the found text is undone on its own.
  editor.EndUndoGroup();
  // As SelStart and then SelEnd set them.
  editor.InternalSetCaretXY(match->begin);
  editor.SetBlockBegin(editor.CaretXY());
  editor.SetBlockEnd(match->end);
  return true;
}

bool SelectionMatches(const editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase) {
  if (pattern.empty()) return false;
  return Comparable(editor.SelText(), matchCase) == Comparable(pattern, matchCase);
}

int Replace(editor::TCustomSynEdit& editor, std::string_view pattern, std::string_view replacement, bool matchCase,
            bool all) {
  // Replace all paints once, at the end.
  std::optional<editor::TCustomSynEdit::PaintLockGuard> lock;
  if (all) lock.emplace(editor);
  int replaced = 0;
  do {
    if (!SelectionMatches(editor, pattern, matchCase) && !FindNext(editor, pattern, matchCase)) break;
    // A match of half a line break selects nothing; inserting there would
    // find it again after the insertion, without end.
    if (editor.SelText().empty()) break;
    // Leaves the caret after the inserted text, where the next search starts.
    editor.SetSelTextExternal(replacement);
    ++replaced;
  } while (all);
  // Typing after the replaced text is undone on its own, not together with
  // the replacement.
  if (replaced > 0) editor.EndUndoGroup();
  return replaced;
}

void ApplySearchSelectionColor(editor::TCustomSynEdit& editor, bool dialogShown) {
  editor.SelectedColor().SetBackground(dialogShown ? kSearchSelectionColor : kNormalSelectionColor);
}

}  // namespace kau::ide
