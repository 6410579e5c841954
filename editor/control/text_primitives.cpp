// The text modification primitives: every replacement of selected text goes
// through SetSelTextPrimitiveEx, which deletes the selection in the current
// selection mode and inserts a text at the caret in one of three modes.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/text_pieces.h"

namespace kau::editor {

std::vector<TTextPiece> SplitPieces(std::string_view Value) {
  std::vector<TTextPiece> pieces;
  std::size_t p = 0;
  for (;;) {
    const std::size_t start = p;
    while (p < Value.size() && Value[p] != '\r' && Value[p] != '\n') ++p;
    TTextPiece piece{Value.substr(start, p - start), false};
    if (p < Value.size()) {
      piece.Broken = true;
      if (Value[p] == '\r') ++p;
      if (p < Value.size() && Value[p] == '\n') ++p;
    }
    pieces.push_back(piece);
    if (!piece.Broken) return pieces;
  }
}

TPoint TextEndAfter(const TPoint& Start, std::string_view Value) {
  const std::vector<TTextPiece> pieces = SplitPieces(Value.substr(0, Value.find('\0')));
  if (pieces.size() == 1) return {ClampToInt(std::int64_t{Start.X} + static_cast<std::int64_t>(pieces[0].Text.size())), Start.Y};
  return {ClampToInt(static_cast<std::int64_t>(pieces.back().Text.size()) + 1),
          ClampToInt(std::int64_t{Start.Y} + static_cast<std::int64_t>(pieces.size()) - 1)};
}

std::string_view TrimTrailingKeeping(std::string_view S, std::size_t Keep) {
  const std::size_t last = S.find_last_not_of("\t ");
  const std::size_t trimmed = last == std::string_view::npos ? 0 : last + 1;
  return S.substr(0, std::max(trimmed, Keep));
}

void TCustomSynEdit::ProperSetLine(int Index, const std::string& Text) {
  if (fOptions & eoTrimTrailingSpaces) fLines->Put(Index, TrimTrailing(Text));
  else fLines->Put(Index, Text);
}

void TCustomSynEdit::StoreEditedLine(int Index, const std::string& Text, std::size_t Keep) {
  fLines->Put(Index, (fOptions & eoTrimTrailingSpaces) ? std::string(TrimTrailingKeeping(Text, Keep)) : Text);
}

void TCustomSynEdit::SetLineText(const std::string& Value) {
  if (fCaretY >= 1 && fCaretY <= LineCount()) fLines->Put(fCaretY - 1, Value);
}

void TCustomSynEdit::SetSelTextPrimitiveEx(TSynSelectionMode PasteMode, std::string_view Value, bool AddToUndoList) {
  Value = Value.substr(0, Value.find('\0'));
  PaintLockGuard lock(*this);
  TStringsUpdate update(*fLines);
  const TPoint BB = GetBlockBegin();
  const TPoint BE = GetBlockEnd();
  if (GetSelAvail()) {
    DeleteSelectionPrimitive(BB, BE);
    TPoint to = BB;
    if (fSelectionMode == smColumn) to.X = std::min(BB.X, BE.X);
    if (fSelectionMode == smLine) to.X = 1;
    InternalSetCaretXY(to);
  }
  fLastInsertStart = fLastInsertEnd = CaretXY();
  if (PasteMode == smLine) fLastInsertStart.X = 1;
  if (!Value.empty()) {
    const TPoint start = CaretXY();
    const int oldCount = LineCount();
    int inserted = 0;
    switch (PasteMode) {
      case smNormal:
        inserted = InsertNormal(Value);
        break;
      case smColumn:
        inserted = InsertColumn(Value, AddToUndoList);
        break;
      case smLine:
        inserted = InsertLinesMode(Value);
        break;
    }
    if (inserted > 0) {
      // A column insertion only appends lines, after the old last one.
      int first = start.Y;
      if (PasteMode == smNormal && start.X >= 2) first = start.Y + 1;
      else if (PasteMode == smColumn) first = oldCount + 1;
      DoLinesInserted(first, inserted);
    }
  }
  if (fCaretY < 1) fCaretY = 1;
  // The caret rules (clamping, status, transient paint) run once more.
  InternalSetCaretXY(CaretXY());
}

void TCustomSynEdit::DeleteSelectionPrimitive(TPoint BB, TPoint BE) {
  const int count = LineCount();
  switch (fSelectionMode) {
    case smNormal: {
      if (count > 0) {
        const std::string first = LineText(BB.Y);
        const std::string last = LineText(BE.Y);
        std::string joined = first.substr(0, std::min<std::size_t>(first.size(), static_cast<std::size_t>(BB.X - 1)));
        // A begin in virtual space joins at the line's end: blanks added
        // here would be recorded by nobody.
        if (static_cast<std::size_t>(BE.X - 1) < last.size()) joined += last.substr(static_cast<std::size_t>(BE.X - 1));
        fLines->DeleteLines(BB.Y, BE.Y - BB.Y);
        // Stored untrimmed: blanks trimmed here could not be given back by
        // an undo, which re-inserts only the deleted text.
        fLines->Put(BB.Y - 1, joined);
      }
      InternalSetCaretXY(BB);
      // The first removed line is the one after the joined line.
      if (BE.Y > BB.Y) DoLinesDeleted(BB.Y + 1, BE.Y - BB.Y);
      break;
    }
    case smLine: {
      if (count > 0) {
        // One deletion, however many lines.
        if (BE.Y < count) {
          fLines->DeleteLines(BB.Y - 1, BE.Y - BB.Y + 1);
        } else {
          fLines->Put(BE.Y - 1, std::string());
          fLines->DeleteLines(BB.Y - 1, BE.Y - BB.Y);
        }
      }
      InternalSetCaretXY({1, BB.Y});
      DoLinesDeleted(BB.Y, BE.Y - BB.Y + 1);
      break;
    }
    case smColumn: {
      if (BB.X > BE.X) std::swap(BB.X, BE.X);
      for (int y = BB.Y; y <= std::min(BE.Y, count); ++y) {
        std::string s = LineText(y);
        int from = BB.X;
        int to = BE.X;
        MBCSGetSelRangeInLineWhenColumnSelectionMode(s, from, to);
        if (static_cast<std::size_t>(from - 1) < s.size()) {
          s.erase(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
          fLines->Put(y - 1, s);  // untrimmed, as above
        }
      }
      InternalSetCaretXY({BB.X, BE.Y});
      break;
    }
  }
}

int TCustomSynEdit::InsertNormal(std::string_view Value) {
  const std::vector<TTextPiece> pieces = SplitPieces(Value);
  const std::size_t column = static_cast<std::size_t>(fCaretX - 1);
  std::string line = LineText(fCaretY);
  std::string right;
  // The blanks the line already had before the caret are never trimmed:
  // after an undo they may stand inside the line again.
  const std::size_t kept = std::min(column, line.size());
  if (column < line.size()) {
    right = line.substr(column);
    line.resize(column);
  } else {
    line.resize(column, ' ');
  }
  // The inserted span starts at the line's end when the caret stood beyond
  // it, so that it covers the blanks that fill the gap.
  fLastInsertStart = {static_cast<int>(kept) + 1, fCaretY};
  std::string lastText;
  if (pieces.size() == 1) {
    lastText = line + std::string(pieces[0].Text) + right;
    StoreEditedLine(fCaretY - 1, lastText, right.empty() ? kept : lastText.size());
  } else {
    StoreEditedLine(fCaretY - 1, line + std::string(pieces[0].Text), kept);
    // The new lines go in as one block: the store and its listeners hear of
    // them once, however many they are.
    const bool trim = fOptions & eoTrimTrailingSpaces;
    lastText = std::string(pieces.back().Text) + right;
    std::vector<std::string_view> texts;
    texts.reserve(pieces.size() - 1);
    for (std::size_t k = 1; k + 1 < pieces.size(); ++k)
      texts.push_back(trim ? TrimTrailingKeeping(pieces[k].Text, 0) : pieces[k].Text);
    texts.push_back(trim ? TrimTrailingKeeping(lastText, right.empty() ? 0 : lastText.size()) : lastText);
    fLines->InsertLineTexts(fCaretY, texts);
    fCaretY += static_cast<int>(texts.size());
    fStatusChanges |= scCaretY;
  }
  const std::size_t before = pieces.size() == 1 ? line.size() : 0;
  fLastInsertEnd = {ClampToInt(static_cast<std::int64_t>(before + pieces.back().Text.size()) + 1), fCaretY};
  // The caret stands after the inserted text. When trimming took the end of
  // the line, it keeps the display column after the untrimmed text, as a
  // column of the stored line (tabs take several display columns).
  std::int64_t x = fLastInsertEnd.X;
  if ((fOptions & eoTrimTrailingSpaces) && right.empty())
    x = PhysicalToLogicalPos({ClampToInt(GetExpandedLength(lastText, fTabWidth) + 1), fCaretY}).X;
  fCaretX = ClampToInt(std::max<std::int64_t>(x, 1));
  fStatusChanges |= scCaretX;
  return static_cast<int>(pieces.size()) - 1;
}

int TCustomSynEdit::InsertColumn(std::string_view Value, bool AddToUndoList) {
  const std::vector<TTextPiece> pieces = SplitPieces(Value);
  const int insertPos = fCaretX;
  int appended = 0;
  std::int64_t lastLength = 0;
  for (const TTextPiece& piece : pieces) {
    if (!piece.Text.empty()) {
      std::string s;
      std::size_t kept = 0;
      if (fCaretY <= LineCount()) {
        s = LineText(fCaretY);
        kept = s.size();
        if (s.size() < static_cast<std::size_t>(insertPos - 1)) {
          s.resize(static_cast<std::size_t>(insertPos - 1), ' ');
          s += piece.Text;
        } else {
          s.insert(static_cast<std::size_t>(insertPos - 1), piece.Text);
        }
      } else {
        // Below the end: one new row for each line down to this piece.
        while (LineCount() < fCaretY) {
          const int previous = LineCount();
          fLines->Add(std::string());
          if (AddToUndoList)
            fUndoList->AddChange(crLineBreak, {LineLength(previous) + 1, previous},
                                 {LineLength(previous) + 1, previous}, std::string(), smNormal);
          ++appended;
        }
        s = std::string(static_cast<std::size_t>(insertPos - 1), ' ') + std::string(piece.Text);
      }
      // Text of the line after the piece stays whole.
      StoreEditedLine(fCaretY - 1, s, kept > static_cast<std::size_t>(insertPos - 1) ? s.size() : kept);
      lastLength = static_cast<std::int64_t>(piece.Text.size());
      if (AddToUndoList)
        fUndoList->AddChange(crPaste, {std::min(insertPos, static_cast<int>(kept) + 1), fCaretY},
                             {ClampToInt(std::int64_t{insertPos} + lastLength), fCaretY}, std::string(), smColumn);
    }
    if (piece.Broken) {
      ++fCaretY;
      fStatusChanges |= scCaretY;
    }
  }
  fCaretX = ClampToInt(std::int64_t{fCaretX} + lastLength);
  fStatusChanges |= scCaretX;
  fLastInsertEnd = CaretXY();
  return appended;
}

int TCustomSynEdit::InsertLinesMode(std::string_view Value) {
  const std::vector<TTextPiece> pieces = SplitPieces(Value);
  const auto trimmed = [this](std::string_view s) {
    return (fOptions & eoTrimTrailingSpaces) ? TrimTrailingKeeping(s, 0) : s;
  };
  fCaretX = 1;
  // The full lines go in at once, before the caret line (after the last
  // line when the caret stands below it).
  const int lines = static_cast<int>(pieces.size()) - 1;
  if (lines > 0) {
    const int at = std::min(fCaretY - 1, LineCount());
    std::vector<std::string_view> texts;
    texts.reserve(static_cast<std::size_t>(lines));
    for (int i = 0; i < lines; ++i) texts.push_back(trimmed(pieces[static_cast<std::size_t>(i)].Text));
    fLines->InsertLineTexts(at, texts);
    fCaretY = at + 1 + lines;
    fStatusChanges |= scCaretY;
  }
  int result = lines;
  const std::string_view last = pieces.back().Text;
  fLastInsertEnd = CaretXY();
  if (!last.empty()) {
    const int count = LineCount();
    if (fCaretY > count) {
      fLines->Add(std::string(trimmed(last)));
      fLastInsertEnd = {LineLength(fCaretY) + 1, fCaretY};
    } else if (fCaretY == count && LineLength(fCaretY) == 0) {
      // The empty last line takes the piece.
      ProperSetLine(fCaretY - 1, std::string(last));
      fLastInsertEnd = {LineLength(fCaretY) + 1, fCaretY};
    } else {
      // A line of its own before the caret line: nothing is glued to it.
      fLines->Insert(fCaretY - 1, std::string(trimmed(last)));
      ++result;
      fLastInsertEnd = {1, fCaretY + 1};
    }
    fCaretX = ClampToInt(static_cast<std::int64_t>(last.size()) + 1);
  }
  fStatusChanges |= scCaretX;
  return result;
}

void TCustomSynEdit::InsertBlockEx(const TPoint& BB, const TPoint& BE, std::string_view Value, bool AddToUndoList) {
  PaintLockGuard lock(*this);
  InternalSetCaretXY(BB);
  fBlockBegin = BB;
  fBlockEnd = BE;
  fSelectionMode = smColumn;
  SetSelTextPrimitiveEx(smColumn, Value, AddToUndoList);
  StatusChanged(scSelection);
}

void TCustomSynEdit::ReplaceRange(const TPoint& Start, const TPoint& End, TSynSelectionMode Mode,
                                  std::string_view Value) {
  PaintLockGuard lock(*this);
  const TSynSelectionMode oldMode = fSelectionMode;
  fSelectionMode = Mode;
  InternalSetCaretXY(Start);
  fBlockBegin = Start;
  fBlockEnd = End;
  struct RestoreMode {
    TCustomSynEdit& edit;
    TSynSelectionMode mode;
    ~RestoreMode() { edit.fSelectionMode = mode; }
  } restore{*this, oldMode};
  SetSelTextPrimitiveEx(Mode, Value, false);
}

std::string TCustomSynEdit::TextRange(const TPoint& Start, const TPoint& End, TSynSelectionMode Mode) {
  const TSynSelectionMode oldMode = fSelectionMode;
  const TPoint oldBegin = fBlockBegin;
  const TPoint oldEnd = fBlockEnd;
  fSelectionMode = Mode;
  fBlockBegin = Start;
  fBlockEnd = End;
  std::string text = SelectedText(false);
  fSelectionMode = oldMode;
  fBlockBegin = oldBegin;
  fBlockEnd = oldEnd;
  return text;
}

}  // namespace kau::editor
