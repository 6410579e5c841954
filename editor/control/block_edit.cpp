// Editing a whole selection or the caret's line in one undoable step: the
// SelText setter, case change, block indent and unindent, Tab and Shift+Tab.
#include <algorithm>
#include <cstdint>
#include <stdexcept>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/undo_block.h"
#include "text/char_class.h"

namespace kau::editor {

namespace {

bool Before(const TPoint& a, const TPoint& b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string ChangeCase(std::string S, TSynEditorCommand Cmd) {
  for (std::size_t i = 0; i < S.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(S[i]);
    unsigned char r = c;
    switch (Cmd) {
      case ecUpperCase:
      case ecUpperCaseBlock:
        r = text::toUpper1252(c);
        break;
      case ecLowerCase:
      case ecLowerCaseBlock:
        r = text::toLower1252(c);
        break;
      case ecToggleCase:
      case ecToggleCaseBlock:
        r = text::toUpper1252(c) == c ? text::toLower1252(c) : text::toUpper1252(c);
        break;
      default:  // title case
        r = i == 0 ? text::toUpper1252(c) : text::toLower1252(c);
        break;
    }
    S[i] = static_cast<char>(r);
  }
  return S;
}

}  // namespace

void TCustomSynEdit::SetSelTextExternal(std::string_view Value) {
  TUndoBlock block(*fUndoList);
  const bool selected = GetSelAvail();
  if (selected)
    fUndoList->AddChange(crDelete, UndoPoint(fBlockBegin), UndoPoint(fBlockEnd), SelectedText(false), fSelectionMode);
  const TPoint end = GetBlockEnd();
  fBlockBegin = GetBlockBegin();
  fBlockEnd = end;
  SetSelTextPrimitive(fSelectionMode, Value);
  // The item spans what was inserted, from where it really went.
  if (fSelectionMode != smColumn)
    fUndoList->AddChange(crInsert, fLastInsertStart, fLastInsertEnd, std::string(), smNormal);
}

void TCustomSynEdit::DoCaseChange(TSynEditorCommand Cmd) {
  if (Cmd < ecUpperCase || Cmd > ecToggleCaseBlock) throw std::logic_error("Assertion failure: case command out of range");
  const bool hadSelection = GetSelAvail();
  const TPoint oldBegin = fBlockBegin;
  const TPoint oldEnd = fBlockEnd;
  const TPoint oldCaret = CaretXY();
  const bool block = Cmd >= ecUpperCaseBlock;
  PaintLockGuard lock(*this);
  if (!block) {
    SetSelWord();
    for (int i = 0; i < 2 && !GetSelAvail(); ++i) {
      InternalSetCaretXY(PrevWordPos());
      SetSelWord();
    }
  } else if (!hadSelection) {
    if (fCaretX > LineLength(fCaretY)) {
      if (fCaretY < LineCount()) SetCaretXY({1, fCaretY + 1});
    } else {
      MoveCaretHorz(1, true);
    }
  }
  const std::string text = SelectedText(false);
  if (!text.empty()) {
    TUndoBlock undoBlock(*fUndoList);
    const TPoint selBegin = fBlockBegin;
    const TPoint selEnd = fBlockEnd;
    SetSelTextExternal(ChangeCase(text, Cmd));
    fUndoList->AddChange(crCaret, oldCaret, oldCaret, std::string(), fSelectionMode);
    fUndoList->AddChange(crSelection, hadSelection ? oldBegin : oldCaret, hadSelection ? oldEnd : oldCaret,
                         std::string(), fSelectionMode);
    if (block && !hadSelection) {
      // The changed character stays selected.
      SetCaretAndSelection(CaretXY(), selBegin, selEnd);
      return;
    }
  }
  if (block && hadSelection) SetCaretAndSelection(CaretXY(), oldBegin, oldEnd);
  else if (!block) InternalSetCaretXY(oldCaret);
}

void TCustomSynEdit::DoBlockIndent() {
  if (!GetSelAvail()) return;
  const TSynSelectionMode mode = fSelectionMode;
  const TPoint caret = CaretXY();
  const TPoint BB = GetBlockBegin();
  TPoint BE = GetBlockEnd();
  const bool spaces = (fOptions & eoTabsToSpaces) != 0;
  const std::string unit = spaces ? std::string(static_cast<std::size_t>(fTabWidth), ' ') : std::string("\t");
  const int unitLength = static_cast<int>(unit.size());
  const int lastLine = BE.X == 1 ? BE.Y - 1 : BE.Y;
  const int caretX = BE.X == 1 ? 1 : ClampToInt(std::int64_t{caret.X} + unitLength);
  if (lastLine < BB.Y) return;
  std::string text;
  for (int y = BB.Y; y <= lastLine; ++y) {
    if (y > BB.Y) text += "\r\n";
    text += unit;
  }
  const int column = mode == smColumn ? std::min(BB.X, BE.X) : 1;
  PaintLockGuard lock(*this);
  {
    TUndoBlock block(*fUndoList);
    InsertBlock({column, BB.Y}, {column, BB.Y}, text);
    fUndoList->AddChange(crIndent, BB, BE, std::string(), smColumn);
    fUndoList->AddChange(crIndent, {BB.X + unitLength, BB.Y}, {BE.X + unitLength, BE.Y}, std::string(), smColumn);
  }
  if (BE.X > 1) BE.X += unitLength;
  fSelectionMode = mode;
  SetCaretAndSelection({caretX, caret.Y}, {BB.X + unitLength, BB.Y}, BE);
}

void TCustomSynEdit::DoBlockUnindent() {
  if (!GetSelAvail()) return;
  const TSynSelectionMode mode = fSelectionMode;
  const TPoint caret = CaretXY();
  const TPoint BB = GetBlockBegin();
  const TPoint BE = GetBlockEnd();
  const int lastLine = BE.X == 1 ? BE.Y - 1 : BE.Y;
  const std::size_t column = static_cast<std::size_t>(mode == smColumn ? std::min(BB.X, BE.X) : 1);
  int caretX = caret.X;
  std::string removed;
  std::vector<int> counts;
  bool any = false;
  for (int y = BB.Y; y <= lastLine; ++y) {
    const std::string line = LineText(y);
    std::size_t i = column - 1;
    int count = 0;
    if (i < line.size() && line[i] == '\t') {
      count = 1;
    } else {
      while (i + static_cast<std::size_t>(count) < line.size() && count < fTabWidth &&
             line[i + static_cast<std::size_t>(count)] == ' ')
        ++count;
      if (count < fTabWidth && i + static_cast<std::size_t>(count) < line.size() &&
          line[i + static_cast<std::size_t>(count)] == '\t')
        ++count;
    }
    if (y > BB.Y) removed += "\r\n";
    if (count > 0) removed += line.substr(i, static_cast<std::size_t>(count));
    counts.push_back(count);
    any = any || count > 0;
    if (y == caret.Y && caret.X != 1) caretX = std::max(1, caretX - count);
  }
  if (!any) return;
  PaintLockGuard lock(*this);
  {
    TStringsUpdate update(*fLines);
    for (int y = BB.Y; y <= lastLine; ++y) {
      const int count = counts[static_cast<std::size_t>(y - BB.Y)];
      if (count == 0) continue;
      std::string line = LineText(y);
      line.erase(column - 1, static_cast<std::size_t>(count));
      fLines->Put(y - 1, line);
    }
    fUndoList->AddChange(crUnindent, BB, BE, removed, mode);
  }
  fSelectionMode = mode;
  if (mode == smColumn) {
    SetCaretAndSelection(caret, BB, BE);
  } else {
    const int first = counts.front();
    const int last = BE.X == 1 ? 0 : counts.back();
    SetCaretAndSelection({caretX, caret.Y}, {std::max(1, BB.X - first), BB.Y}, {std::max(1, BE.X - last), BE.Y});
  }
}

namespace {

// A selection that Tab and Shift+Tab treat as a block: several lines, or a
// whole single line.
bool TabBlock(const TCustomSynEdit& edit, bool& wholeLine) {
  wholeLine = false;
  if (!(edit.Options() & eoTabIndent) || !edit.SelAvail()) return false;
  if (edit.RawBlockBegin().Y != edit.RawBlockEnd().Y && edit.SelectionMode() != smColumn) return true;
  wholeLine = edit.GetSelTabLine();
  return wholeLine;
}

}  // namespace

void TCustomSynEdit::DoTabKey() {
  bool wholeLine = false;
  if (TabBlock(*this, wholeLine)) {
    DoBlockIndent();
    if (wholeLine) {
      if (!Before(fBlockBegin, fBlockEnd)) fBlockEnd.X = 1;
      else fBlockBegin.X = 1;
    }
    return;
  }
  PaintLockGuard lock(*this);
  // The smart target: the start of the next word on the nearest line above
  // that reaches the caret's display column.
  const int display = GetDisplayX();
  int target = 0;
  if ((fOptions & eoSmartTabs) && fCaretY > 1 && fCaretY - 1 <= LineCount()) {
    for (int y = fCaretY - 1; y >= 1; --y) {
      const std::string line = LineText(y);
      const TPoint there = PhysicalToLogicalPos({display, y});
      if (static_cast<std::size_t>(there.X) > line.size()) continue;
      std::size_t i = static_cast<std::size_t>(there.X - 1);
      while (i < line.size() && !IsBlank(line[i])) ++i;
      while (i < line.size() && IsBlank(line[i])) ++i;
      target = LogicalToPhysicalPos({static_cast<int>(i) + 1, y}).X;
      break;
    }
  }
  int n = target > display ? target - display : 0;
  TUndoBlock block(*fUndoList);
  if (GetSelAvail()) {
    fUndoList->AddChange(crDelete, UndoPoint(fBlockBegin), UndoPoint(fBlockEnd), SelectedText(false), fSelectionMode);
    SetSelTextPrimitive(fSelectionMode, "");
  }
  const int displayNow = GetDisplayX();
  if (n == 0) {
    if (fOptions & eoTabsToSpaces) {
      n = fTabWidth - (displayNow - 1) % fTabWidth;
    } else {
      n = fTabWidth;
    }
  }
  if (target <= displayNow) target = 0;
  std::string inserted;
  const TPoint caret = CaretXY();
  const std::string line = LineText(fCaretY);
  int newX = caret.X;
  if (fOptions & eoTabsToSpaces) {
    inserted.assign(static_cast<std::size_t>(n), ' ');
  } else if ((fOptions & eoTrimTrailingSpaces) && static_cast<std::size_t>(caret.X) > line.size()) {
    // Nothing to store at the end of a trimmed line: only the caret moves.
    const int stop = target > 0 ? target : (displayNow - 1) / fTabWidth * fTabWidth + fTabWidth + 1;
    newX = ClampToInt(std::int64_t{caret.X} + stop - displayNow);
  } else if (fOptions & eoSmartTabs) {
    const bool textLeft = std::any_of(line.begin(), line.begin() + std::min<std::size_t>(line.size(), caret.X - 1),
                                      [](char c) { return !IsBlank(c); });
    if (textLeft || target == 0) {
      inserted.assign(1, '\t');
    } else {
      int col = displayNow;
      const int nextStop = (col - 1) / fTabWidth * fTabWidth + fTabWidth + 1;
      if (nextStop <= target) {
        inserted += '\t';
        col = nextStop;
        while (col + fTabWidth <= target) {
          inserted += '\t';
          col += fTabWidth;
        }
      }
      inserted.append(static_cast<std::size_t>(std::max(0, target - col)), ' ');
      if (inserted.empty()) inserted.assign(1, '\t');
    }
  } else {
    inserted.assign(1, '\t');
  }
  if (!inserted.empty()) {
    SetSelTextPrimitive(smNormal, inserted);
    newX = ClampToInt(std::int64_t{caret.X} + static_cast<std::int64_t>(inserted.size()));
    // The item spans the inserted text, which replaced nothing; recorded in
    // every selection mode, since the text always goes in as normal text.
    fUndoList->AddChange(crInsert, fLastInsertStart, fLastInsertEnd, std::string(), smNormal);
  }
  {
    const bool wasOff = !(fOptions & eoScrollPastEol);
    fOptions |= eoScrollPastEol;
    InternalSetCaretX(newX);
    if (wasOff) fOptions &= ~eoScrollPastEol;
  }
  fBlockBegin = fBlockEnd = CaretXY();
  EnsureCursorPosVisible();
}

void TCustomSynEdit::DoShiftTabKey() {
  bool wholeLine = false;
  if (TabBlock(*this, wholeLine)) {
    DoBlockUnindent();
    return;
  }
  const std::string line = LineText(fCaretY);
  const int length = static_cast<int>(line.size());
  int newX = fCaretX;
  if ((fOptions & eoSmartTabs) && fCaretX > 1 && fCaretY > 1) {
    for (int y = fCaretY - 1; y >= 1; --y) {
      const std::string above = LineText(y);
      if (static_cast<int>(above.size()) < fCaretX - 1) continue;
      int col = fCaretX - 1;
      while (col >= 1 && IsBlank(above[static_cast<std::size_t>(col - 1)])) --col;
      while (col >= 1 && !IsBlank(above[static_cast<std::size_t>(col - 1)])) --col;
      newX = col + 1;
      break;
    }
    // Only blanks and tabs go: not past the first non-blank left of the caret.
    int stop = std::min(fCaretX - 1, length);
    while (stop >= 1 && IsBlank(line[static_cast<std::size_t>(stop - 1)])) --stop;
    newX = std::max(newX, stop + 1);
  }
  if (newX == fCaretX && fCaretX > 1) {
    const int previousStop = (fCaretX - 2) / fTabWidth * fTabWidth + 1;
    if (fCaretX > previousStop && fCaretX - 1 <= length && line[static_cast<std::size_t>(fCaretX - 2)] == '\t') {
      newX = fCaretX - 1;
    } else {
      while (newX > previousStop && (newX - 1 > length || line[static_cast<std::size_t>(newX - 2)] == ' ')) --newX;
    }
  }
  if (newX >= fCaretX) return;
  PaintLockGuard lock(*this);
  TStringsUpdate update(*fLines);
  const TPoint caret = CaretXY();
  const TPoint from{newX, fCaretY};
  const std::string deleted = TextRange(from, caret, smNormal);
  ReplaceRange(from, caret, smNormal, "");
  fUndoList->AddChange(crDeleteAfterCursor, {std::min(newX, length + 1), fCaretY}, caret, deleted, smNormal);
  InternalSetCaretXY(from);
}

}  // namespace kau::editor
