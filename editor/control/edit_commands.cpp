// The built-in commands that change the text: typing, the input-method
// string, Back-space, Delete and the delete family, line breaks, bookmarks,
// undo and redo, and the block commands. Each records undo items that span
// exactly what it changed, so that Redo repeats it and Undo reverts it.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/text_commands.h"
#include "editor/control/undo_block.h"

namespace kau::editor {

namespace {

bool Before(const TPoint& a, const TPoint& b) { return a.Y < b.Y || (a.Y == b.Y && a.X < b.X); }

// Switches eoScrollPastEol on for a scope and back off after it.
class PastEolScope {
 public:
  explicit PastEolScope(TSynEditorOptions& Options) : fOptions(Options), fWasOff(!(Options & eoScrollPastEol)) {
    fOptions |= eoScrollPastEol;
  }
  ~PastEolScope() {
    if (fWasOff) fOptions &= ~eoScrollPastEol;
  }
  PastEolScope(const PastEolScope&) = delete;
  PastEolScope& operator=(const PastEolScope&) = delete;

 private:
  TSynEditorOptions& fOptions;
  bool fWasOff;
};

}  // namespace

TSynEditorCommand TCustomSynEdit::TranslateKeyCode(std::uint16_t Code, TShiftState Shift, void*&) {
  int i = -1;
  if (fLastKey != 0) i = fKeyStrokes->FindKeycode2(fLastKey, fLastShiftState, Code, Shift);
  if (i < 0) i = fKeyStrokes->FindKeycode(Code, Shift);
  const TSynEditorCommand command = i >= 0 ? fKeyStrokes->Items(i).Command() : ecNone;
  if (command == ecNone && Code >= 30 && Code < 146) {
    fLastKey = Code;
    fLastShiftState = Shift;
  } else {
    fLastKey = 0;
    fLastShiftState = TShiftState();
  }
  return command;
}

void TCustomSynEdit::ExecuteEditCommand(TSynEditorCommand Command, char AChar, void* Data) {
  if (ChangesText(Command) && ReadOnly()) return;
  if (Command >= ecGotoMarker0 && Command <= ecGotoMarker0 + 9) {
    if (fBookMarkOpt->EnableKeys()) GotoBookMark(Command - ecGotoMarker0);
    return;
  }
  if (Command >= ecSetMarker0 && Command <= ecSetMarker0 + 9) {
    if (fBookMarkOpt->EnableKeys()) SetMarkerCommand(Command - ecSetMarker0, Data);
    return;
  }
  switch (Command) {
    case ecCopy:
      CopyToClipboard();
      return;
    case ecCut:
      if (GetSelAvail()) CutToClipboard();
      return;
    case ecPaste:
      PasteFromClipboard();
      return;
    case ecUndo:
      Undo();
      return;
    case ecRedo:
      Redo();
      return;
    case ecMatchBracket:
      FindMatchingBracket();
      return;
    case ecContextHelp:
      if (OnContextHelp) OnContextHelp(this, GetWordAtCursor());
      return;
    case ecClearAll:
      ClearAll();
      return;
    case ecBlockIndent:
      DoBlockIndent();
      return;
    case ecBlockUnindent:
      DoBlockUnindent();
      return;
    case ecTab:
      DoTabKey();
      return;
    case ecShiftTab:
      DoShiftTabKey();
      return;
    case ecUpperCase:
    case ecLowerCase:
    case ecToggleCase:
    case ecTitleCase:
    case ecUpperCaseBlock:
    case ecLowerCaseBlock:
    case ecToggleCaseBlock:
      DoCaseChange(Command);
      return;
    default:
      break;
  }
  // The rest change lines; the store reports its change once, after the
  // caret has reached its new place.
  const bool changesLines = (Command >= ecDeleteLastChar && Command <= ecChar && Command != ecClearAll) ||
                            (Command == ecImeStr && Data);
  if (!changesLines) return;
  TStringsUpdate update(*fLines);
  switch (Command) {
    case ecDeleteLastChar:
      DeleteLastChar();
      break;
    case ecDeleteChar:
      DeleteChar();
      break;
    case ecDeleteWord:
    case ecDeleteEOL:
      DeleteForward(Command);
      break;
    case ecDeleteLastWord:
    case ecDeleteBOL:
      DeleteBackward(Command);
      break;
    case ecDeleteLine:
      DeleteLine();
      break;
    case ecLineBreak:
    case ecInsertLine:
      InsertLineBreak(Command == ecLineBreak);
      break;
    case ecChar:
      TypeChar(AChar);
      break;
    case ecImeStr:
      if (Data) TypeImeString(static_cast<const char*>(Data));
      break;
    default:
      break;
  }
}

void TCustomSynEdit::SetMarkerCommand(int BookMark, const void* Data) {
  const TPoint pos = Data ? *static_cast<const TPoint*>(Data) : CaretXY();
  int x = 0;
  int y = 0;
  if (GetBookMark(BookMark, x, y)) {
    ClearBookMark(BookMark);
    // The same key on the same line takes the bookmark away.
    if (y != pos.Y) SetBookMark(BookMark, pos.X, pos.Y);
  } else {
    SetBookMark(BookMark, pos.X, pos.Y);
  }
}

void TCustomSynEdit::ClearAll() {
  PaintLockGuard lock(*this);
  fLines->Clear();
  while (fMarkList->Count() > 0) fMarkList->Delete(fMarkList->Count() - 1);
  fBookMarks.fill(nullptr);
  fUndoList->Clear();
  fRedoList->Clear();
  SetModified(false);
}

void TCustomSynEdit::ClearSelection() {
  if (GetSelAvail()) SetSelTextExternal("");
}

void TCustomSynEdit::DeleteSelectionUndoable() {
  DeleteSelectionUndoable(Before(UndoPoint(fBlockBegin), UndoPoint(fBlockEnd)) ? crDelete : crDeleteAfterCursor);
}

void TCustomSynEdit::DeleteSelectionUndoable(TSynChangeReason Reason) {
  std::string old = SelectedText(false);
  const TPoint rawBegin = UndoPoint(fBlockBegin);
  const TPoint rawEnd = UndoPoint(fBlockEnd);
  SetSelTextPrimitive(fSelectionMode, "");
  // The deleted text goes into the item as it is.
  fUndoList->AddChange(Reason, rawBegin, rawEnd, std::move(old), fSelectionMode);
}

// Horizontal follow after typing: the window jumps right near its edge.
static void FollowCaret(TCustomSynEdit& edit) {
  if (std::int64_t{edit.CaretX()} >= std::int64_t{edit.LeftChar()} + edit.CharsInWindow())
    edit.SetLeftChar(ClampToInt(std::int64_t{edit.LeftChar()} + std::min(25, edit.CharsInWindow() - 1)));
}

TPoint TCustomSynEdit::UndoPoint(TPoint P) const {
  if (fSelectionMode == smNormal && P.Y >= 1 && P.Y <= LineCount()) P.X = std::min(P.X, LineLength(P.Y) + 1);
  return P;
}

bool TCustomSynEdit::PadToCaret(std::string& Line) {
  const std::size_t column = static_cast<std::size_t>(fCaretX - 1);
  if (Line.size() >= column) return false;
  const int length = static_cast<int>(Line.size());
  const std::string filler(column - Line.size(), ' ');
  Line += filler;
  fUndoList->AddChange(crWhiteSpaceAdd, CaretXY(), {length + 1, fCaretY}, filler, smNormal);
  return true;
}

void TCustomSynEdit::TypeChar(char AChar) {
  const unsigned char c = static_cast<unsigned char>(AChar);
  if (c < 32 || c == 127) return;
  if (GetSelAvail()) {
    SetSelTextExternal(std::string(1, AChar));
    DoOnPaintTransient(ttAfter);
    return;
  }
  PastEolScope pastEol(fOptions);
  std::string line = LineText(fCaretY);
  const int length = static_cast<int>(line.size());
  const bool wasEmpty = line.empty();
  std::string filler;
  if (fInserting ? fCaretX > length + 1 : fCaretX > length) {
    // Overwriting past the end writes the character after the filler.
    const int columns = fCaretX - length - 1;
    filler = wasEmpty && fInserting ? GetLeftSpacing(columns, true) : std::string(static_cast<std::size_t>(columns), ' ');
  }
  if (fInserting && !(fOptions & eoAutoSizeMaxLineWidth) &&
      (fCaretX > fMaxLineWidth || GetExpandedLength(line, fTabWidth) >= fMaxLineWidth))
    return;
  // Columns of the stored line: a filler may hold tabs.
  const std::size_t at = filler.empty() ? static_cast<std::size_t>(fCaretX - 1) : line.size() + filler.size();
  std::string replaced;
  line += filler;
  if (!fInserting && at < line.size()) {
    replaced = line.substr(at, 1);
    line[at] = AChar;
  } else {
    line.insert(at, 1, AChar);
  }
  int newX;
  if (!fInserting) newX = fCaretX + 1;
  else if (wasEmpty && (fOptions & eoTrimTrailingSpaces) && c == ' ') newX = ClampToInt(GetExpandedLength(line, fTabWidth) + 1);
  else if (wasEmpty) newX = static_cast<int>(line.size()) + 1;
  else newX = fCaretX + 1;
  const int storedX = static_cast<int>(at) + 1;
  StoreEditedLine(fCaretY - 1, line, at < static_cast<std::size_t>(length) ? line.size() : static_cast<std::size_t>(length));
  if (filler.empty()) {
    fUndoList->AddChange(crInsert, {storedX, fCaretY}, {storedX + 1, fCaretY}, replaced, smNormal);
  } else if (!fInserting) {
    // Overwriting past the end: one insertion of the filler and the
    // character, whose undo gives the line back as it was.
    fUndoList->AddChange(crInsert, {length + 1, fCaretY}, {storedX + 1, fCaretY}, std::string(), smNormal);
  } else {
    TUndoBlock block(*fUndoList);
    // The item carries the filler: trimming may take it from the line before
    // a redo needs it again.
    fUndoList->AddChange(crWhiteSpaceAdd, {storedX, fCaretY}, {length + 1, fCaretY}, filler, smNormal);
    fUndoList->AddChange(crInsert, {storedX, fCaretY}, {storedX + 1, fCaretY}, std::string(), smNormal);
  }
  InternalSetCaretX(newX);
  FollowCaret(*this);
  DoOnPaintTransient(ttAfter);
}

void TCustomSynEdit::TypeImeString(const std::string& Text) {
  const std::string S = Text.substr(0, Text.find_first_of("\r\n"));
  if (S.empty()) return;
  if (GetSelAvail()) {
    SetSelTextExternal(S);
    InvalidateGutter();
    return;
  }
  PastEolScope pastEol(fOptions);
  TUndoBlock block(*fUndoList);
  std::string line = LineText(fCaretY);
  const std::size_t length = line.size();
  PadToCaret(line);
  const std::size_t at = static_cast<std::size_t>(fCaretX - 1);
  std::string removed;
  if (!fInserting) {
    removed = line.substr(at, S.size());
    line.erase(at, S.size());
  }
  line.insert(at, S);
  StoreEditedLine(fCaretY - 1, line, at < length ? line.size() : length);
  const TPoint oldCaret = CaretXY();
  const TPoint newCaret{ClampToInt(std::int64_t{fCaretX} + static_cast<std::int64_t>(S.size())), fCaretY};
  fUndoList->AddChange(crInsert, oldCaret, newCaret, removed, smNormal);
  InternalSetCaretXY(newCaret);
  FollowCaret(*this);
}

int TCustomSynEdit::SmartBackTarget(int N, int FromLine) const {
  int s = -1;
  for (int y = FromLine; y >= 1; --y) {
    const int count = LeftSpaces(LineText(y));
    if (count < N) {
      s = count;
      break;
    }
  }
  if (s < 0) s = FromLine >= 1 ? LeftSpaces(LineText(1)) : 0;
  // Never to the right of where the caret stands.
  return s >= N ? 0 : s;
}

void TCustomSynEdit::DeleteLastChar() {
  DoOnPaintTransient(ttBefore);
  if (GetSelAvail()) {
    DeleteSelectionUndoable();
    DoOnPaintTransient(ttAfter);
    return;
  }
  std::string line = LineText(fCaretY);
  const int length = static_cast<int>(line.size());
  const TPoint oldCaret = CaretXY();
  std::string deleted;
  TPoint newCaret = oldCaret;
  if (fCaretX > length + 1) {
    // In virtual space: only the caret moves.
    if (!(fOptions & eoSmartTabDelete)) newCaret.X = fCaretX - 1;
    else if (length > 0) newCaret.X = length + 1;
    else newCaret.X = SmartBackTarget(fCaretX - 1, fCaretY - 1) + 1;
  } else if (fCaretX == 1) {
    if (fCaretY == 1 || fCaretY > LineCount()) return;
    const std::string above = LineText(fCaretY - 1);
    // The moved text keeps its trailing blanks: the undo could not give
    // them back.
    fLines->Delete(fCaretY - 1);
    fLines->Put(fCaretY - 2, above + line);
    DoLinesDeleted(fCaretY, 1);
    newCaret = {static_cast<int>(above.size()) + 1, fCaretY - 1};
    deleted = "\r\n";
  } else {
    const int lead = LeftSpaces(line);
    const unsigned char before = static_cast<unsigned char>(line[static_cast<std::size_t>(fCaretX - 2)]);
    int count = 1;
    if (before <= 32 && fCaretX - 1 == lead) {
      if (fOptions & eoSmartTabDelete) {
        count = lead - SmartBackTarget(lead, fCaretY - 1);
      } else {
        const int display = GetDisplayX();
        int k = (display - 1) % fTabWidth;
        if (k == 0) k = fTabWidth;
        std::size_t i = static_cast<std::size_t>(PhysicalToLogicalPos({display - k, fCaretY}).X - 1);
        count = 0;
        for (int columns = 0; columns < k && i < line.size(); ++columns, ++i) {
          if (line[i] == '\t') {
            ++count;
            break;
          }
          ++count;
        }
        count = std::clamp(count, 1, lead);
      }
    }
    // The characters right before the caret, so that the item spans them.
    const std::size_t from = static_cast<std::size_t>(fCaretX - 1 - count);
    deleted = line.substr(from, static_cast<std::size_t>(count));
    line.erase(from, static_cast<std::size_t>(count));
    fLines->Put(fCaretY - 1, line);
    newCaret.X = fCaretX - count;
  }
  if (newCaret != oldCaret) {
    InternalSetCaretXY(newCaret);
    fUndoList->AddChange(crSilentDelete, newCaret, oldCaret, deleted, smNormal);
  }
  EnsureCursorPosVisible();
  DoOnPaintTransient(ttAfter);
}

void TCustomSynEdit::DeleteChar() {
  DoOnPaintTransient(ttBefore);
  if (GetSelAvail()) {
    DeleteSelectionUndoable();
    DoOnPaintTransient(ttAfter);
    return;
  }
  TUndoBlock block(*fUndoList);
  std::string line = LineText(fCaretY);
  const int length = static_cast<int>(line.size());
  TPoint end = CaretXY();
  std::string deleted;
  if (fCaretX > length) {
    if (fCaretY < LineCount()) {
      PadToCaret(line);
      fLines->Put(fCaretY - 1, line + LineText(fCaretY + 1));
      fLines->Delete(fCaretY);
      DoLinesDeleted(fCaretY + 1, 1);
      deleted = "\r\n";
      end = {1, fCaretY + 1};
    }
  } else {
    deleted = line.substr(static_cast<std::size_t>(fCaretX - 1), 1);
    line.erase(static_cast<std::size_t>(fCaretX - 1), 1);
    fLines->Put(fCaretY - 1, line);
    end = {fCaretX + 1, fCaretY};
  }
  if (end != CaretXY()) fUndoList->AddChange(crSilentDeleteAfterCursor, CaretXY(), end, deleted, smNormal);
  DoOnPaintTransient(ttAfter);
}

void TCustomSynEdit::DeleteForward(TSynEditorCommand Command) {
  const std::string line = LineText(fCaretY);
  const int length = static_cast<int>(line.size());
  TPoint target;
  if (Command == ecDeleteEOL) {
    target = {length + 1, fCaretY};
  } else {
    target = WordEnd();
    if (!Before(CaretXY(), target)) {
      if (target.X <= length && line[static_cast<std::size_t>(target.X - 1)] != ' ') ++target.X;
      else if (target.X > length) target = {1, fCaretY + 1};
    }
    const std::string targetLine = LineText(target.Y);
    while (target.X <= static_cast<int>(targetLine.size()) && targetLine[static_cast<std::size_t>(target.X - 1)] == ' ')
      ++target.X;
  }
  // Nothing lies ahead of a caret in virtual space on its line, nor beyond
  // the last line.
  if (!Before(CaretXY(), target) || target.Y > LineCount()) return;
  TUndoBlock block(*fUndoList);
  std::string padded = line;
  if (PadToCaret(padded)) fLines->Put(fCaretY - 1, padded);
  const std::string deleted = TextRange(CaretXY(), target, smNormal);
  const TPoint caret = CaretXY();
  ReplaceRange(caret, target, smNormal, "");
  fUndoList->AddChange(crSilentDeleteAfterCursor, caret, target, deleted, smNormal);
  InternalSetCaretXY(caret);
}

void TCustomSynEdit::DeleteBackward(TSynEditorCommand Command) {
  DoOnPaintTransient(ttBefore);
  const TPoint caret = CaretXY();
  const TPoint target = Command == ecDeleteLastWord ? PrevWordPos() : TPoint{1, fCaretY};
  if (target != caret && Before(target, caret)) {
    const std::string deleted = TextRange(target, caret, smNormal);
    ReplaceRange(target, caret, smNormal, "");
    fUndoList->AddChange(crSilentDelete, target, caret, deleted, smNormal);
    InternalSetCaretXY(target);
  }
  DoOnPaintTransient(ttAfter);
}

void TCustomSynEdit::DeleteLine() {
  const int count = LineCount();
  if (count == 0 || (count == 1 && LineLength(1) == 0) || fCaretY > count) return;
  DoOnPaintTransient(ttBefore);
  fBlockBegin = fBlockEnd = CaretXY();
  const int y = fCaretY;
  const std::string line = LineText(y);
  if (count == 1) {
    fLines->Put(0, std::string());
    fUndoList->AddChange(crDeleteAfterCursor, {1, 1}, {static_cast<int>(line.size()) + 1, 1}, line, smNormal);
  } else if (y < count) {
    fLines->Delete(y - 1);
    fUndoList->AddChange(crDeleteAfterCursor, {1, y}, {1, y + 1}, line + "\r\n", smNormal);
    DoLinesDeleted(y, 1);
  } else {
    // The last of several lines: the line break before it goes with it.
    const int above = LineLength(y - 1);
    fLines->Delete(y - 1);
    fUndoList->AddChange(crDeleteAfterCursor, {above + 1, y - 1}, {static_cast<int>(line.size()) + 1, y},
                         "\r\n" + line, smNormal);
    DoLinesDeleted(y, 1);
  }
  InternalSetCaretXY({1, y});
}

void TCustomSynEdit::InsertLineBreak(bool MoveCaret) {
  TUndoBlock block(*fUndoList);
  if (GetSelAvail()) {
    const std::string old = SelectedText(false);
    fUndoList->AddChange(crDelete, UndoPoint(fBlockBegin), UndoPoint(fBlockEnd), old, fSelectionMode);
    SetSelTextPrimitive(fSelectionMode, "");
  }
  if (LineCount() == 0) fLines->Add(std::string());
  if (fCaretY > LineCount()) InternalSetCaretY(LineCount());
  const TPoint caret = CaretXY();
  const std::string line = LineText(caret.Y);
  const int length = static_cast<int>(line.size());
  TPoint newCaret = caret;
  if (length == 0) {
    int indent = 0;
    if (fOptions & eoAutoIndent) {
      for (int y = caret.Y; y >= 1; --y) {
        const std::string s = LineText(y);
        if (!s.empty()) {
          indent = LeftSpacesEx(s, true);
          break;
        }
      }
    }
    fLines->Insert(caret.Y - 1, std::string());
    fUndoList->AddChange(crLineBreak, caret, caret, std::string(), smNormal);
    newCaret = {indent + 1, caret.Y + 1};
  } else if (caret.X > length) {
    const int indent = LeftSpaces(line);
    fLines->Insert(caret.Y, MoveCaret ? line.substr(0, static_cast<std::size_t>(indent)) : std::string());
    fUndoList->AddChange(crLineBreak, caret, caret, std::string(), smNormal);
    newCaret = {indent + 1, caret.Y + 1};
  } else if (caret.X == 1) {
    fLines->Insert(caret.Y - 1, std::string());
    fUndoList->AddChange(crLineBreak, caret, caret, line, smNormal);
    newCaret = {1, caret.Y + 1};
  } else {
    const std::string left = line.substr(0, static_cast<std::size_t>(caret.X - 1));
    const std::string right = line.substr(static_cast<std::size_t>(caret.X - 1));
    const std::string prefix = GetLeftSpacing(LeftSpacesEx(left, true), true);
    ProperSetLine(caret.Y - 1, left);
    fLines->Insert(caret.Y, prefix + right);
    // Blanks the left part lost to trimming go into the item, so that the
    // undo gives them back.
    const int kept = LineLength(caret.Y);
    const TPoint split{std::min(caret.X, kept + 1), caret.Y};
    fUndoList->AddChange(crLineBreak, split, split, line.substr(static_cast<std::size_t>(split.X - 1)), smNormal);
    newCaret = {static_cast<int>(prefix.size()) + 1, caret.Y + 1};
  }
  if (fRedoneLine) {
    // A redone break gives back the line the undo took, whatever indentation
    // the command would make now.
    if (caret.Y < LineCount() && LineText(caret.Y + 1) != *fRedoneLine) fLines->Put(caret.Y, *fRedoneLine);
    fRedoneLine.reset();
  }
  DoLinesInserted(caret.X == 1 ? caret.Y : caret.Y + 1, 1);
  if (MoveCaret) InternalSetCaretXY(newCaret);
  fBlockBegin = fBlockEnd = CaretXY();
  EnsureCursorPosVisible();
  UpdateLastCaretX();
}

}  // namespace kau::editor
