// The selection: its two ends, the tests on it and the text it holds.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/text_pieces.h"

namespace kau::editor {

namespace {

bool Before(const TPoint& a, const TPoint& b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); }

}  // namespace

TPoint TCustomSynEdit::GetBlockBegin() const { return Before(fBlockEnd, fBlockBegin) ? fBlockEnd : fBlockBegin; }
TPoint TCustomSynEdit::GetBlockEnd() const { return Before(fBlockEnd, fBlockBegin) ? fBlockBegin : fBlockEnd; }

bool TCustomSynEdit::GetSelAvail() const {
  return fBlockBegin.X != fBlockEnd.X || (fBlockBegin.Y != fBlockEnd.Y && fSelectionMode != smColumn);
}

bool TCustomSynEdit::GetSelTabBlock() const { return fBlockBegin.Y != fBlockEnd.Y && fSelectionMode != smColumn; }

bool TCustomSynEdit::GetSelTabLine() const {
  return GetBlockBegin().X <= 1 && std::int64_t{LineLength(fCaretY)} < GetBlockEnd().X &&
         GetSelAvail();
}

// Limits a selection end to the text: columns 1..MaxLineWidth + 1, and in
// normal mode no further than the line's end + 1.
static TPoint ClampSelectionPoint(const TCustomSynEdit& edit, TPoint Value) {
  const int count = edit.LineCount();
  Value.X = ClampToInt(std::clamp<std::int64_t>(Value.X, 1, std::int64_t{edit.MaxLineWidth()} + 1));
  Value.Y = std::clamp(Value.Y, 1, std::max(count, 1));
  if (edit.SelectionMode() == smNormal) {
    if (Value.Y <= count)
      Value.X = ClampToInt(std::min<std::int64_t>(Value.X, std::int64_t{edit.LineLength(Value.Y)} + 1));
    else
      Value.X = 1;
  }
  return Value;
}

void TCustomSynEdit::SetBlockBegin(TPoint Value) {
  Value = ClampSelectionPoint(*this, Value);
  bool changed;
  if (!GetSelAvail()) {
    changed = fBlockBegin != Value || fBlockEnd != Value;
    fBlockBegin = fBlockEnd = Value;
  } else {
    const int first = std::min({Value.Y, fBlockBegin.Y, fBlockEnd.Y});
    const int last = std::max({Value.Y, fBlockBegin.Y, fBlockEnd.Y});
    fBlockBegin = fBlockEnd = Value;
    InvalidateLines(first, last);
    changed = true;
  }
  if (changed) StatusChanged(scSelection);
}

void TCustomSynEdit::SetBlockEnd(TPoint Value) {
  if (fOptions & eoNoSelection) return;
  Value = ClampSelectionPoint(*this, Value);
  if (Value == fBlockEnd) return;
  if (fSelectionMode == smColumn && Value.X != fBlockEnd.X) {
    InvalidateLines(std::min({fBlockBegin.Y, fBlockEnd.Y, Value.Y}), std::max({fBlockBegin.Y, fBlockEnd.Y, Value.Y}));
    fBlockEnd = Value;
    StatusChanged(scSelection);
    return;
  }
  const int oldY = fBlockEnd.Y;
  fBlockEnd = Value;
  if (fSelectionMode != smColumn || fBlockBegin.X != fBlockEnd.X) InvalidateLines(oldY, Value.Y);
  StatusChanged(scSelection);
}

bool TCustomSynEdit::IsPointInSelection(const TPoint& Value) const {
  const TPoint b = GetBlockBegin();
  const TPoint e = GetBlockEnd();
  if (Value.Y < b.Y || Value.Y > e.Y || b == e) return false;
  switch (fSelectionMode) {
    case smLine:
      return true;
    case smColumn:
      if (b.X > e.X) return Value.X >= e.X && Value.X < b.X;
      if (b.X < e.X) return Value.X >= b.X && Value.X < e.X;
      return false;
    case smNormal:
      if (Value.Y == b.Y && Value.X < b.X) return false;
      if (Value.Y < e.Y) return true;
      return Value.X < e.X;
  }
  return false;
}

void TCustomSynEdit::InvalidateSelectionChange() {
  const TPoint b = GetBlockBegin(), e = GetBlockEnd();
  const TPoint b0 = Before(fShownSelection.End, fShownSelection.Begin) ? fShownSelection.End : fShownSelection.Begin;
  const TPoint e0 = Before(fShownSelection.End, fShownSelection.Begin) ? fShownSelection.Begin : fShownSelection.End;
  const TSynSelectionMode mode0 = fShownSelection.Mode;
  fShownSelection = {fBlockBegin, fBlockEnd, fSelectionMode};
  const bool shown = b0 != e0, now = b != e;
  if (!shown && !now) return;
  if (!shown || !now || mode0 != fSelectionMode || fSelectionMode == smColumn) {
    // Column edges run through every row: all rows of both go.
    if (shown) InvalidateLines(b0.Y, e0.Y);
    if (now) InvalidateLines(b.Y, e.Y);
    return;
  }
  // A stream or whole lines: a row changes only between the old and the new
  // place of an end that moved.
  if (b != b0) InvalidateLines(std::min(b.Y, b0.Y), std::max(b.Y, b0.Y));
  if (e != e0) InvalidateLines(std::min(e.Y, e0.Y), std::max(e.Y, e0.Y));
}

void TCustomSynEdit::SetCaretAndSelection(const TPoint& ptCaret, const TPoint& ptBefore, const TPoint& ptAfter) {
  PaintLockGuard lock(*this);
  InternalSetCaretXY(ptCaret);
  SetBlockBegin(ptBefore);
  SetBlockEnd(ptAfter);
}

void TCustomSynEdit::SetSelectionMode(TSynSelectionMode Value) {
  if (fSelectionMode == Value) return;
  fSelectionMode = Value;
  if (GetSelAvail()) Invalidate();
  StatusChanged(scSelection);
}

void TCustomSynEdit::SelectAll() {
  const int n = LineCount();
  const TPoint last = n > 0 ? TPoint{ClampToInt(std::int64_t{LineLength(n)} + 1), n} : TPoint{1, 1};
  SetCaretAndSelection(last, {1, 1}, last);
  StatusChanged(scSelection);
}

namespace {

// The characters of S from column From (1-based) on, at most Count of them.
std::string_view Columns(std::string_view S, std::int64_t From, std::int64_t Count) {
  if (From < 1 || Count <= 0 || From > static_cast<std::int64_t>(S.size())) return {};
  return S.substr(static_cast<std::size_t>(From - 1), static_cast<std::size_t>(Count));
}

}  // namespace

std::string TCustomSynEdit::GetSelText() const { return SelectedText(!(fOptions & eoTrimTrailingSpaces)); }

std::string TCustomSynEdit::SelectedText(bool PadColumns) const {
  if (!GetSelAvail()) return {};
  TPoint b = GetBlockBegin();
  TPoint e = GetBlockEnd();
  const int first = b.Y - 1;
  const int last = e.Y - 1;
  std::string result;
  switch (fSelectionMode) {
    case smNormal: {
      if (first == last) return std::string(Columns(fLines->LineView(first), b.X, std::int64_t{e.X} - b.X));
      const std::string_view head = Columns(fLines->LineView(first), b.X, INT32_MAX);
      const std::string_view tail = Columns(fLines->LineView(last), 1, std::int64_t{e.X} - 1);
      result.reserve(head.size() + 2);
      result += head;
      result += "\r\n";
      AppendLines(result, *fLines, first + 1, last - 1, tail.size());
      result += tail;
      return result;
    }
    case smColumn: {
      if (e.X < b.X) std::swap(b.X, e.X);
      for (int i = first; i <= last; ++i) {
        const std::string s = fLines->Get(i);
        int from = b.X;
        int to = e.X;
        MBCSGetSelRangeInLineWhenColumnSelectionMode(s, from, to);
        std::string piece(Columns(s, from, std::int64_t{to} - from));
        if (PadColumns && std::int64_t{to} - from > static_cast<std::int64_t>(piece.size()))
          piece.resize(static_cast<std::size_t>(to - from), ' ');
        if (i > first) result += "\r\n";
        result += piece;
      }
      return result;
    }
    case smLine:
      AppendLines(result, *fLines, first, last);
      return result;
  }
  return result;
}

std::string TCustomSynEdit::GetWordAtCursor() {
  const TPoint oldBegin = fBlockBegin;
  const TPoint oldEnd = fBlockEnd;
  SetBlockBegin(WordStart());
  SetBlockEnd(WordEnd());
  std::string word = GetSelText();
  SetBlockBegin(oldBegin);
  SetBlockEnd(oldEnd);
  return word;
}

}  // namespace kau::editor
