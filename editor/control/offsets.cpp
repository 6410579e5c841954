// Character offsets into the whole text (every line break counts 2, CR LF)
// and the selection as offsets: SelStart, SelEnd, SelLength.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

int TCustomSynEdit::RowColToCharIndex(TPoint RowCol) const {
  const int linesBefore = static_cast<int>(std::clamp<std::int64_t>(std::int64_t{RowCol.Y} - 1, 0, LineCount()));
  std::int64_t index = 0;
  for (int i = 0; i < linesBefore; ++i) index += std::int64_t{fLines->LineLength(i)} + 2;
  return ClampToInt(index + RowCol.X - 1);
}

TPoint TCustomSynEdit::CharIndexToRowCol(int Index) const {
  std::int64_t rest = std::max(Index, 0);
  const int count = LineCount();
  for (int i = 0; i < count; ++i) {
    const std::int64_t lineWithBreak = std::int64_t{fLines->LineLength(i)} + 2;
    if (rest < lineWithBreak) return {ClampToInt(rest + 1), i + 1};
    rest -= lineWithBreak;
  }
  return {1, count + 1};
}

int TCustomSynEdit::GetSelStart() const { return RowColToCharIndex(GetSelAvail() ? GetBlockBegin() : CaretXY()); }
int TCustomSynEdit::GetSelEnd() const { return RowColToCharIndex(GetSelAvail() ? GetBlockEnd() : CaretXY()); }

int TCustomSynEdit::GetSelLength() const {
  if (!GetSelAvail()) return 0;
  return ClampToInt(std::int64_t{RowColToCharIndex(GetBlockEnd())} - RowColToCharIndex(GetBlockBegin()));
}

void TCustomSynEdit::SetSelStart(int Value) {
  InternalSetCaretXY(CharIndexToRowCol(Value));
  SetBlockBegin(CaretXY());
}

void TCustomSynEdit::SetSelEnd(int Value) { SetBlockEnd(CharIndexToRowCol(Value)); }

void TCustomSynEdit::SetSelLength(int Value) {
  const TPoint begin = GetBlockBegin();
  const std::int64_t n = std::int64_t{RowColToCharIndex(begin)} + Value;
  if (Value >= 0) {
    TPoint end;
    if (n > INT32_MAX) {
      const int count = LineCount();
      end = {ClampToInt(std::int64_t{LineLength(count)} + 1), std::max(count, 1)};
    } else {
      end = CharIndexToRowCol(static_cast<int>(n));
    }
    SetCaretAndSelection(end, begin, end);
  } else {
    // A length reaching before the text selects from its start.
    const TPoint start = n < 0 ? TPoint{1, 1} : CharIndexToRowCol(static_cast<int>(n));
    SetCaretAndSelection(start, start, begin);
  }
}

}  // namespace kau::editor
