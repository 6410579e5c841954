// Opening the list at an editor's caret and choosing a proposal.
#include <algorithm>

#include "editor/completion/completion_proposal.h"

namespace kau::editor {

// ---- Opening ----

void TSynCompletionProposal::EditorKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift) {
  // Only a character of the shortcut's own keystroke is swallowed.
  fNoNextKey = false;
  auto* edit = dynamic_cast<TCustomSynEdit*>(Sender);
  if (!edit || (DefaultType() == ctCode && edit->ReadOnly())) return;
  if (editor::ShortCut(Key, Shift) != fShortCut) return;
  SetCurrentEdit(edit);
  Key = 0;
  DoExecute(edit);
}

void TSynCompletionProposal::FillEndOfTokenChars(TCustomSynEdit& AEditor) {
  auto& chars = Form().EndOfTokenChars();
  chars.reset();
  if (HasOption(Options(), scoConsiderWordBreakChars))
    chars = AEditor.Highlighter() ? AEditor.Highlighter()->WordBreakChars() : DefaultWordBreakChars();
  for (char c : EndOfTokenChr()) chars.set(static_cast<unsigned char>(c));
}

std::string TSynCompletionProposal::GetPreviousToken(TCustomSynEdit& AEditor) const {
  const std::string line = AEditor.LineText(AEditor.CaretY());
  const auto& chars = Form().EndOfTokenChars();
  auto ends = [&](char c) { return c == ' ' || c == '\t' || chars.test(static_cast<unsigned char>(c)); };
  int end = std::min(AEditor.CaretX() - 1, static_cast<int>(line.size()));
  // One end-of-token character right before the caret is passed over.
  if (end > 0 && chars.test(static_cast<unsigned char>(line[static_cast<std::size_t>(end - 1)]))) --end;
  int start = end;
  while (start > 0 && !ends(line[static_cast<std::size_t>(start - 1)])) --start;
  return line.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start));
}

std::string TSynCompletionProposal::GetCurrentInput(TCustomSynEdit& AEditor) {
  const std::string line = AEditor.LineText(AEditor.CaretY());
  const auto& chars = Form().EndOfTokenChars();
  int i = AEditor.CaretX() - 1;
  std::string result;
  if (static_cast<int>(line.size()) >= i) {
    fPastLineEnd = false;
    while (i > 0) {
      const auto c = static_cast<unsigned char>(line[static_cast<std::size_t>(i - 1)]);
      if (c <= 32 || chars.test(c)) break;
      --i;
    }
    result = line.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(AEditor.CaretX() - 1 - i));
  } else {
    fPastLineEnd = true;
  }
  fCompletionStart = i + 1;
  return result;
}

void TSynCompletionProposal::DoExecute(TCustomSynEdit* AEditor) {
  if (!AEditor || !Find(AEditor) || !AEditor->HandleAllocated()) return;
  if (DefaultType() == ctCode && AEditor->ReadOnly()) return;
  TPixelPoint anchor;
  if (DefaultType() != ctHint)
    anchor = AEditor->Host()->ClientToScreen({AEditor->CaretXPix(), AEditor->CaretYPix() + AEditor->LineHeight()});
  else
    anchor = AEditor->Host()->CursorPos();
  SetCurrentEdit(AEditor);
  FillEndOfTokenChars(*AEditor);
  fPreviousToken = GetPreviousToken(*AEditor);
  const std::string input = GetCurrentInput(*AEditor);
  ExecuteEx(input, anchor.X, anchor.Y, DefaultType());
  fNoNextKey = DefaultType() == ctCode && CanExecute();
}

void TSynCompletionProposal::ExecuteEx(std::string s, int x, int y, SynCompletionType Kind) {
  TSynBaseCompletionProposal::ExecuteEx(std::move(s), x, y, Kind);
  StopTimer();
}

// ---- Choosing ----

void TSynCompletionProposal::HandleOnValidate(TObject*, TShiftState Shift, char EndToken) {
  TCustomSynEdit* E = CurrentEdit();
  if (!E) return;
  E->BeginUpdate();
  E->BeginUndoBlock();
  try {
    Validate(*E, Shift, EndToken);
  } catch (...) {
    E->EndUndoBlock();
    E->EndUpdate();
    throw;
  }
  E->EndUndoBlock();
  E->EndUpdate();
}

void TSynCompletionProposal::Validate(TCustomSynEdit& E, TShiftState Shift, char EndToken) {
  const TPoint caret = E.CaretXY();
  // Past the line's end the proposal goes in at the caret: the gap holds no
  // word, and a start converted from screen columns would land inside the
  // text of a line with tabs.
  const int start = fPastLineEnd ? caret.X : std::min(fCompletionStart, caret.X);
  TPoint end = caret;
  if (EndToken == '\0' && !fPastLineEnd) {
    end = E.WordEnd();
    if (end.Y != caret.Y || end.X < caret.X) end = caret;
  }
  E.SetCaretXY(end);
  E.SetBlockBegin({start, caret.Y});
  E.SetBlockEnd(end);

  const auto& form = Form();
  const int index = form.LogicalToPhysicalIndex(form.Position());
  std::string value;
  if (index < 0 || (EndToken != '\0' && !HasOption(Options(), scoEndCharCompletion))) {
    value = E.SelText();
  } else {
    value = DisplayItem(index);
    if (HasOption(Options(), scoUseInsertList) && !InsertItem(index).empty()) value = InsertItem(index);
  }
  if (OnCodeCompletion) OnCodeCompletion(this, value, Shift, index, EndToken);
  if (E.SelText() != value) E.SetSelTextExternal(value);
  InternalCancelCompletion();
  E.SetFocus();
  E.EnsureCursorPosVisible();
  const TPoint after = E.BlockEnd();
  E.SetCaretAndSelection(after, after, after);
  if (OnAfterCodeCompletion) OnAfterCodeCompletion(this, value, Shift, index, EndToken);
}

void TSynCompletionProposal::HandleDblClick(TObject* Sender) { HandleOnValidate(Sender, {}, '\0'); }

void TSynCompletionProposal::HandleOnKeyPress(TObject*, char& Key) {
  TCustomSynEdit* E = CurrentEdit();
  if (!E) return;
  E->CommandProcessor(ecChar, Key, nullptr);
  // Hiding is synchronous, so whether the list closed is known here.
  if (IsTriggerChar(Key) && !Form().Host().Visible()) DoExecute(E);
}

}  // namespace kau::editor
