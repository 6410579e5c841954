// Selecting the word at a position, and bracket matching. A plain first
// version: the word is the run of identifier characters around the position;
// matching brackets comes with the search engine.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::SetWordBlock(TPoint Value) {
  if (Value.Y < 1 || Value.Y > LineCount()) return;
  const TPoint begin = WordStartEx(Value);
  const TPoint end = WordEndEx(Value);
  SetCaretAndSelection(end, begin, end);
}

void TCustomSynEdit::FindMatchingBracket() {}

}  // namespace kau::editor
