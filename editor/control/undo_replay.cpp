// Undo and redo: one group of items at a time; each replayed item pushes its
// mirror onto the other list, so that undo and redo alternate without limit.
// Replays record nothing through the primitive, only the mirrors.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/text_pieces.h"

namespace kau::editor {

namespace {

void PushMirror(TSynEditUndoList& List, TSynChangeReason Reason, const TPoint& Start, const TPoint& End,
                std::string Text, TSynSelectionMode Mode, const std::string& Replaced = {}) {
  if (List.LockCount() > 0) return;
  List.AddChange(Reason, Start, End, std::move(Text), Mode);
  if (!Replaced.empty() && List.PeekItem()) List.PeekItem()->ChangeReplacedStr = Replaced;
}

// Puts the list's block change number back when the replay ends, also when
// it fails.
class BlockNumberScope {
 public:
  BlockNumberScope(TSynEditUndoList& List, std::int32_t Number) : fList(List), fSaved(List.BlockChangeNumber) {
    fList.BlockChangeNumber = Number;
  }
  ~BlockNumberScope() { fList.BlockChangeNumber = fSaved; }
  BlockNumberScope(const BlockNumberScope&) = delete;
  BlockNumberScope& operator=(const BlockNumberScope&) = delete;

 private:
  TSynEditUndoList& fList;
  std::int32_t fSaved;
};

void MoveGroupBreak(TSynEditUndoList& From, TSynEditUndoList& To) {
  const auto item = From.PopItem();
  BlockNumberScope scope(To, item->ChangeNumber);
  To.AddGroupBreak();
}

bool IsEndMarker(TSynChangeReason R) {
  return R == crAutoCompleteEnd || R == crPasteEnd || R == crSpecial1End || R == crSpecial2End;
}
bool IsBeginMarker(TSynChangeReason R) {
  return R == crAutoCompleteBegin || R == crPasteBegin || R == crSpecial1Begin || R == crSpecial2Begin;
}
// The begin marker of an end marker and the other way round: they are
// neighbours in the reason list.
TSynChangeReason PairedMarker(TSynChangeReason R) {
  return static_cast<TSynChangeReason>(IsEndMarker(R) ? R - 1 : R + 1);
}

bool IsInsertion(TSynChangeReason R) { return R == crInsert || R == crPaste || R == crDragDropInsert; }
bool IsDeletion(TSynChangeReason R) {
  return R == crDeleteAfterCursor || R == crDelete || R == crSilentDelete || R == crSilentDeleteAfterCursor ||
         R == crDeleteAll;
}
bool IsAfterCursor(TSynChangeReason R) { return R == crDeleteAfterCursor || R == crSilentDeleteAfterCursor; }

bool Before(const TPoint& a, const TPoint& b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); }

// Replays one group from List: the items while Continue holds, the paired
// marker included.
template <typename ReplayOne>
void ReplayGroup(TSynEditUndoList& List, TSynEditUndoList& Mirror, bool GroupUndo, bool FromUndo,
                 ReplayOne replayOne) {
  TSynChangeReason reason = List.LastChangeReason();
  const bool marker = FromUndo ? IsEndMarker(reason) : IsBeginMarker(reason);
  const TSynEditUndoItem* top = List.PeekItem();
  if (!top) return;
  const std::int32_t first = top->ChangeNumber;
  BlockNumberScope scope(Mirror, first);
  for (;;) {
    const std::int32_t number = List.PeekItem()->ChangeNumber;
    replayOne();
    const TSynEditUndoItem* next = List.PeekItem();
    if (!next) break;
    if (marker) {
      if (next->ChangeReason == PairedMarker(reason)) break;
    } else {
      // A group is never left half replayed.
      const bool sameGroup = next->ChangeNumber == first || next->ChangeNumber == number;
      const bool merged = GroupUndo && next->ChangeReason == reason && reason != crIndent && reason != crUnindent;
      if (!sameGroup && !merged) break;
      reason = next->ChangeReason;
    }
  }
  if (marker && List.LastChangeReason() == PairedMarker(reason)) replayOne();
}

}  // namespace

void TCustomSynEdit::Undo() {
  if (ReadOnly()) return;
  PaintLockGuard lock(*this);
  if (fUndoList->LastChangeReason() == crGroupBreak) MoveGroupBreak(*fUndoList, *fRedoList);
  ReplayGroup(*fUndoList, *fRedoList, (fOptions & eoGroupUndo) != 0, true, [this] { UndoItem(); });
  UpdateModifiedStatus();
}

void TCustomSynEdit::Redo() {
  if (ReadOnly()) return;
  PaintLockGuard lock(*this);
  ReplayGroup(*fRedoList, *fUndoList, (fOptions & eoGroupUndo) != 0, false, [this] { RedoItem(); });
  if (fRedoList->LastChangeReason() == crGroupBreak) MoveGroupBreak(*fRedoList, *fUndoList);
  UpdateModifiedStatus();
}

namespace {

// The frame of one replayed item: the item's selection mode and
// eoScrollPastEol for its duration, both restored on every path. An undo
// gives back blanks the line had, so it trims nothing; a redo makes the edit
// again as it was made, trimming included, except for a filler of blanks,
// which the next item of its group needs in the line, and for typing over
// characters, which never trims.
class ReplayFrame {
 public:
  ReplayFrame(TSynSelectionMode& Mode, TSynEditorOptions& Options, TSynSelectionMode ItemMode, bool Trim)
      : fMode(Mode), fOptions(Options), fOldMode(Mode), fOldOptions(Options) {
    fMode = ItemMode;
    fOptions |= eoScrollPastEol;
    if (!Trim) fOptions &= ~eoTrimTrailingSpaces;
  }
  ~ReplayFrame() {
    fMode = fOldMode;
    const TSynEditorOptions restored = eoScrollPastEol | eoTrimTrailingSpaces;
    fOptions = (fOptions & ~restored) | (fOldOptions & restored);
  }
  ReplayFrame(const ReplayFrame&) = delete;
  ReplayFrame& operator=(const ReplayFrame&) = delete;

 private:
  TSynSelectionMode& fMode;
  TSynEditorOptions& fOptions;
  TSynSelectionMode fOldMode;
  TSynEditorOptions fOldOptions;
};

}  // namespace

void TCustomSynEdit::SelectRange(const TPoint& Start, const TPoint& End) {
  fBlockBegin = Start;
  fBlockEnd = End;
  StatusChanged(scSelection);
}

// Items that only place the caret and the selection replay the same both
// ways.
void TCustomSynEdit::ReplayPlacement(const TSynEditUndoItem& Item, TSynEditUndoList& Mirror) {
  const TPoint start = Item.ChangeStartPos;
  const TPoint end = Item.ChangeEndPos;
  switch (Item.ChangeReason) {
    case crIndent:
      PushMirror(Mirror, crIndent, start, end, Item.ChangeStr, Item.ChangeSelMode);
      InternalSetCaretXY(end);
      SelectRange(start, end);
      break;
    case crCaret:
      PushMirror(Mirror, crCaret, CaretXY(), CaretXY(), std::string(), fSelectionMode);
      InternalSetCaretXY(start);
      break;
    case crSelection:
      PushMirror(Mirror, crSelection, fBlockBegin, fBlockEnd, std::string(), fSelectionMode);
      SelectRange(start, end);
      break;
    case crWrap:
    case crUnWrap:
      // Undoing a wrap switches wrapping off, redoing it on again.
      PushMirror(Mirror, Item.ChangeReason, start, end, std::string(), Item.ChangeSelMode);
      fWordWrap = (Item.ChangeReason == crWrap) == (&Mirror == fUndoList);
      break;
    default:
      // Markers, crNothing and group breaks only disappear.
      break;
  }
}

void TCustomSynEdit::UndoItem() {
  const std::unique_ptr<TSynEditUndoItem> item = fUndoList->PopItem();
  if (!item) return;
  PaintLockGuard lock(*this);
  ReplayFrame frame(fSelectionMode, fOptions, item->ChangeSelMode, false);
  const TSynChangeReason reason = item->ChangeReason;
  const TPoint start = item->ChangeStartPos;
  const TPoint end = item->ChangeEndPos;
  const TSynSelectionMode mode = item->ChangeSelMode;
  if (reason == crWhiteSpaceAdd) {
    // The filler goes; the mirror keeps what of it the line still holds
    // (trimming may have taken it all).
    PushMirror(*fRedoList, reason, start, end, TextRange(start, end, mode), mode);
    ReplaceRange(start, end, mode, std::string());
    InternalSetCaretXY(start);
  } else if (IsInsertion(reason)) {
    PushMirror(*fRedoList, reason, start, end, TextRange(start, end, mode), mode, item->ChangeStr);
    ReplaceRange(start, end, mode, item->ChangeStr);
    InternalSetCaretXY(start);
  } else if (IsDeletion(reason)) {
    TPoint p = Before(end, start) ? end : start;
    if (mode == smColumn) p = {std::min(start.X, end.X), std::min(start.Y, end.Y)};

    if (IsAfterCursor(reason) && p.Y > LineCount()) {
      InternalSetCaretXY({1, LineCount()});
      fLines->Add(std::string());
    }
    ReplaceRange(p, p, mode, item->ChangeStr);
    const TPoint to = IsAfterCursor(reason) ? start : end;
    InternalSetCaretXY(to);
    if (reason != crSilentDelete && reason != crSilentDeleteAfterCursor) SelectRange(start, end);
    PushMirror(*fRedoList, reason, start, end, std::string(), mode);
    if (reason == crDeleteAll) {
      InternalSetCaretXY({1, 1});
      fBlockBegin = fBlockEnd = {1, 1};
    }
    EnsureCursorPosVisible();
  } else if (reason == crLineBreak) {
    TStringsUpdate update(*fLines);
    InternalSetCaretXY(start);
    PushMirror(*fRedoList, reason, start, end, LineText(end.Y + 1), mode);
    // The left part is always padded to the split column.
    std::string left = LineText(start.Y);
    if (!item->ChangeStr.empty() && left.size() < static_cast<std::size_t>(start.X - 1))
      left.resize(static_cast<std::size_t>(start.X - 1), ' ');
    fLines->Put(start.Y - 1, left + item->ChangeStr);
    if (end.Y < LineCount()) {
      fLines->Delete(end.Y);
      DoLinesDeleted(start.Y + 1, 1);
    }
  } else if (reason == crUnindent) {
    PushMirror(*fRedoList, reason, start, end, item->ChangeStr, mode);
    const int column = mode == smColumn ? std::min(start.X, end.X) : 1;
    InsertBlockEx({column, start.Y}, {column, start.Y}, item->ChangeStr, false);
    InternalSetCaretXY(start);
    SelectRange(start, end);
  } else {
    ReplayPlacement(*item, *fRedoList);
  }
}

// The break puts back Line, the line the undo removed. The command's undo
// block gives its items a number of their own; they take the number of the
// group being redone, so that one undo still takes the whole group.
void TCustomSynEdit::RedoLineBreak(const std::string& Line) {
  const std::int32_t number = fUndoList->BlockChangeNumber;
  const TSynEditUndoItem* const top = fUndoList->PeekItem();
  fRedoneLine = Line;
  struct Forget {
    std::optional<std::string>& line;
    ~Forget() { line.reset(); }
  } forget{fRedoneLine};
  CommandProcessor(ecLineBreak, '\r', nullptr);
  fUndoList->BlockChangeNumber = number;
  if (number == 0) return;
  for (int i = fUndoList->GetItemCount() - 1; i >= 0 && fUndoList->GetItems(i) != top; --i)
    fUndoList->GetItems(i)->ChangeNumber = number;
}

void TCustomSynEdit::RedoItem() {
  const std::unique_ptr<TSynEditUndoItem> item = fRedoList->PopItem();
  if (!item) return;
  PaintLockGuard lock(*this);
  ReplayFrame frame(fSelectionMode, fOptions, item->ChangeSelMode,
                    item->ChangeReason != crWhiteSpaceAdd && item->ChangeReplacedStr.empty());
  Include(sfInsideRedo);
  struct LeaveRedo {
    TCustomSynEdit& edit;
    ~LeaveRedo() { edit.Exclude(sfInsideRedo); }
  } leave{*this};
  const TSynChangeReason reason = item->ChangeReason;
  const TPoint start = item->ChangeStartPos;
  const TPoint end = item->ChangeEndPos;
  const TSynSelectionMode mode = item->ChangeSelMode;
  if (IsInsertion(reason)) {
    // Typing over characters: the text the undo gave back goes again.
    const TPoint replacedEnd = TextEndAfter(start, item->ChangeReplacedStr);
    ReplaceRange(start, replacedEnd, mode, item->ChangeStr);
    InternalSetCaretXY(end);
    PushMirror(*fUndoList, reason, start, end, item->ChangeReplacedStr, mode);
    if (reason == crDragDropInsert) SelectRange(start, end);
  } else if (IsDeletion(reason)) {
    PushMirror(*fUndoList, reason, start, end, TextRange(start, end, mode), mode);
    ReplaceRange(start, end, mode, std::string());
    InternalSetCaretXY(start);
  } else if (reason == crLineBreak) {
    // The break is made again as a command, so that command hooks and
    // OnProcessCommand see it; the command records its own items.
    InternalSetCaretXY(start);
    SelectRange(start, start);
    RedoLineBreak(item->ChangeStr);
  } else if (reason == crUnindent) {
    PushMirror(*fUndoList, reason, start, end, item->ChangeStr, mode);
    TStringsUpdate update(*fLines);
    const std::size_t column = static_cast<std::size_t>(mode == smColumn ? std::min(start.X, end.X) : 1);
    int y = start.Y;
    std::size_t lastPiece = 0;
    for (const TTextPiece& piece : SplitPieces(item->ChangeStr)) {
      if (!piece.Text.empty() && y <= LineCount()) {
        std::string s = LineText(y);
        if (column - 1 < s.size()) s.erase(column - 1, piece.Text.size());
        fLines->Put(y - 1, s);
      }
      lastPiece = piece.Text.size();
      if (piece.Broken) ++y;
    }
    if (mode == smColumn) {
      InternalSetCaretXY(start);
      fBlockBegin = start;
      fBlockEnd = end;
    } else {
      const TPoint from{std::max(1, start.X - fTabWidth), start.Y};
      InternalSetCaretXY(from);
      fBlockBegin = from;
      fBlockEnd = {std::max(1, ClampToInt(std::int64_t{end.X} - static_cast<std::int64_t>(lastPiece))), end.Y};
    }
    StatusChanged(scSelection);
  } else if (reason == crWhiteSpaceAdd) {
    PushMirror(*fUndoList, reason, start, end, item->ChangeStr, mode);
    ReplaceRange(end, end, mode, item->ChangeStr);
    InternalSetCaretXY(start);
  } else {
    ReplayPlacement(*item, *fUndoList);
  }
}

}  // namespace kau::editor
