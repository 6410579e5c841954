#include "ide/text_search.h"

#include <algorithm>
#include <string>

#include "text/char_class.h"

namespace kau::ide {

namespace {

std::string Comparable(std::string_view s, bool matchCase) {
  return matchCase ? std::string(s) : text::upperCase1252(s);
}

// SelEnd, but a caret standing past the end of its line counts from the
// line's end, so the search never skips the start of the next line.
int SearchStart(const editor::TCustomSynEdit& editor) {
  editor::TPoint end = editor.GetSelAvail() ? editor.GetBlockEnd() : editor.CaretXY();
  if (end.Y >= 1 && end.Y <= editor.LineCount()) end.X = std::min(end.X, editor.LineLength(end.Y) + 1);
  return editor.RowColToCharIndex(end);
}

}  // namespace

bool FindNext(editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase) {
  if (pattern.empty()) return false;
  const std::string text = Comparable(editor.Text(), matchCase);
  const std::string wanted = Comparable(pattern, matchCase);
  const int from = SearchStart(editor);
  if (from < 0 || static_cast<std::size_t>(from) > text.size()) return false;
  const std::size_t found = text.find(wanted, static_cast<std::size_t>(from));
  if (found == std::string::npos) return false;
  editor.SetSelStart(static_cast<int>(found));
  editor.SetSelEnd(static_cast<int>(found + wanted.size()));
  return true;
}

bool SelectionMatches(const editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase) {
  if (pattern.empty()) return false;
  return Comparable(editor.SelText(), matchCase) == Comparable(pattern, matchCase);
}

int Replace(editor::TCustomSynEdit& editor, std::string_view pattern, std::string_view replacement, bool matchCase,
            bool all) {
  int replaced = 0;
  do {
    if (!SelectionMatches(editor, pattern, matchCase) && !FindNext(editor, pattern, matchCase)) break;
    // Leaves the caret after the inserted text, where the next search starts.
    editor.SetSelTextExternal(replacement);
    ++replaced;
  } while (all);
  return replaced;
}

void ApplySearchSelectionColor(editor::TCustomSynEdit& editor, bool dialogShown) {
  editor.SelectedColor().SetBackground(dialogShown ? kSearchSelectionColor : kNormalSelectionColor);
}

}  // namespace kau::ide
