#include "editor/completion/completion_proposal.h"

#include <algorithm>

#include "platform/window/system_services.h"

namespace kau::editor {

namespace {
constexpr TSynEditorCommand kFocusLost = 701;
constexpr int kTimerId = 1;
constexpr TShortCut kCtrlSpace = 16416;
constexpr TSynCompletionOptions kDefaultOptions =
    CompletionOptionSet(scoLimitToMatchedText) | CompletionOptionSet(scoEndCharCompletion) |
    CompletionOptionSet(scoCompleteWithTab) | CompletionOptionSet(scoCompleteWithEnter);

bool Contains(const std::string& Chars, char C) { return Chars.find(C) != std::string::npos; }
}  // namespace

// An attached editor as the window sees it. The control is kept free of the
// completion library; this link gives the window what it asks of an editor.
struct TSynCompletionProposal::Attached : TCompletionEditor {
  explicit Attached(TCustomSynEdit& AEdit) : Edit(AEdit) {}
  void CommandProcessor(TSynEditorCommand Command, char AChar, void* Data) override {
    Edit.CommandProcessor(Command, AChar, Data);
  }
  std::string LineText() const override { return Edit.LineText(Edit.CaretY()); }
  int CaretX() const override { return Edit.CaretX(); }
  bool AlwaysShowCaret() const override { return Edit.AlwaysShowCaret(); }
  void SetAlwaysShowCaret(bool Value) override { Edit.SetAlwaysShowCaret(Value); }
  platform::WindowHost& Host() override { return *Edit.Host(); }

  TCustomSynEdit& Edit;
};

TSynCompletionProposal::TSynCompletionProposal(std::unique_ptr<platform::PopupHost> Host, TObject* Owner)
    : TSynBaseCompletionProposal(std::move(Host), Owner) {
  auto& form = Form();
  form.OnKeyPress = makeMethod<&TSynCompletionProposal::HandleOnKeyPress>(this);
  form.OnValidate = makeMethod<&TSynCompletionProposal::HandleOnValidate>(this);
  form.OnCancel = makeMethod<&TSynCompletionProposal::HandleOnCancel>(this);
  form.OnDblClick = makeMethod<&TSynCompletionProposal::HandleDblClick>(this);
  form.OnTimer = makeMethod<&TSynCompletionProposal::TimerExecute>(this);
  SetEndOfTokenChr("()[]. ");
  SetTriggerChars(".");
  fShortCut = kCtrlSpace;
  SetOptions(kDefaultOptions);
}

TSynCompletionProposal::~TSynCompletionProposal() {
  if (Form().Host().Visible()) CancelCompletion();
  SetEditor(nullptr);
  while (!fEditors.empty()) RemoveEditor(&fEditors.back()->Edit);
}

// ---- Options and timer ----

void TSynCompletionProposal::SetOptions(TSynCompletionOptions Value) {
  TSynBaseCompletionProposal::SetOptions(Value);
  if (HasOption(Value, scoUseBuiltInTimer)) {
    fTimerExists = true;
  } else if (fTimerExists) {
    StopTimer();
    fTimerExists = false;
  }
}

void TSynCompletionProposal::SetTimerInterval(int Value) { fTimerInterval = Value; }

void TSynCompletionProposal::StartTimer() {
  if (fTimerExists) Form().Host().StartTimer(kTimerId, fTimerInterval);
}

void TSynCompletionProposal::StopTimer() {
  if (fTimerExists) Form().Host().StopTimer(kTimerId);
}

void TSynCompletionProposal::TimerExecute(TObject*, int Id) {
  if (Id != kTimerId) return;
  StopTimer();
  if (platform::System().ApplicationActive()) {
    DoExecute(CurrentEdit());
    fNoNextKey = false;
  } else if (Form().Host().Visible()) {
    Form().Hide();
  }
}

// ---- Editors ----

TSynCompletionProposal::Attached* TSynCompletionProposal::Find(const TCustomSynEdit* AEditor) const {
  for (const auto& a : fEditors)
    if (&a->Edit == AEditor) return a.get();
  return nullptr;
}

TCustomSynEdit* TSynCompletionProposal::CurrentEdit() const {
  for (const auto& a : fEditors)
    if (a.get() == Form().CurrentEditor()) return &a->Edit;
  return nullptr;
}

void TSynCompletionProposal::SetCurrentEdit(TCustomSynEdit* AEditor) {
  Attached* a = Find(AEditor);
  Form().SetCurrentEditor(a);
}

TCustomSynEdit* TSynCompletionProposal::GetEditor(int i) const {
  return i >= 0 && i < EditorsCount() ? &fEditors[static_cast<std::size_t>(i)]->Edit : nullptr;
}

void TSynCompletionProposal::AddEditor(TCustomSynEdit* AEditor) {
  if (!AEditor || Find(AEditor)) return;
  AEditor->FreeNotification(this);
  fEditors.push_back(std::make_unique<Attached>(*AEditor));
  AEditor->AddKeyDownHandler(makeMethod<&TSynCompletionProposal::EditorKeyDown>(this));
  AEditor->AddKeyPressHandler(makeMethod<&TSynCompletionProposal::EditorKeyPress>(this));
  AEditor->AddMouseDownHandler(makeMethod<&TSynCompletionProposal::EditorMouseDown>(this));
  AEditor->RegisterCommandHandler(makeMethod<&TSynCompletionProposal::HookedEditorCommand>(this), nullptr);
}

bool TSynCompletionProposal::RemoveEditor(TCustomSynEdit* AEditor) {
  Attached* a = Find(AEditor);
  if (!a) return false;
  if (Form().CurrentEditor() == a) {
    if (Form().Host().Visible()) CancelCompletion();
    Form().SetCurrentEditor(nullptr);
  }
  AEditor->RemoveKeyDownHandler(makeMethod<&TSynCompletionProposal::EditorKeyDown>(this));
  AEditor->RemoveKeyPressHandler(makeMethod<&TSynCompletionProposal::EditorKeyPress>(this));
  AEditor->RemoveMouseDownHandler(makeMethod<&TSynCompletionProposal::EditorMouseDown>(this));
  AEditor->UnregisterCommandHandler(makeMethod<&TSynCompletionProposal::HookedEditorCommand>(this));
  AEditor->RemoveFreeNotification(this);
  if (fEditor == AEditor) fEditor = nullptr;
  std::erase_if(fEditors, [a](const auto& p) { return p.get() == a; });
  return true;
}

void TSynCompletionProposal::SetEditor(TCustomSynEdit* Value) {
  if (Value == fEditor) return;
  if (fEditor) RemoveEditor(fEditor);
  fEditor = Value;
  if (Value) AddEditor(Value);
}

void TSynCompletionProposal::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation != opRemove) return;
  if (AComponent == fEditor) SetEditor(nullptr);
  else if (auto* edit = dynamic_cast<TCustomSynEdit*>(AComponent)) RemoveEditor(edit);
}

int TSynCompletionProposal::CurrentEditorLineHeight() const {
  const TCustomSynEdit* e = CurrentEdit();
  return e ? e->LineHeight() : 0;
}

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
    fAdjustCompletionStart = false;
    while (i > 0) {
      const auto c = static_cast<unsigned char>(line[static_cast<std::size_t>(i - 1)]);
      if (c <= 32 || chars.test(c)) break;
      --i;
    }
    result = line.substr(static_cast<std::size_t>(i), static_cast<std::size_t>(AEditor.CaretX() - 1 - i));
  } else {
    fAdjustCompletionStart = true;
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
  const int start = fAdjustCompletionStart ? caret.X : std::min(fCompletionStart, caret.X);
  TPoint end = caret;
  if (EndToken == '\0' && !fAdjustCompletionStart) {
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
  if (Contains(TriggerChars(), Key) && !Form().Host().Visible()) DoExecute(E);
}

// ---- Cancelling ----

void TSynCompletionProposal::HandleOnCancel(TObject*) {
  fNoNextKey = false;
  TCustomSynEdit* E = CurrentEdit();
  if (!E) return;
  StopTimer();
  Form().Hide();
  E->SetFocus();
  if (OnCancelled) OnCancelled(this);
}

void TSynCompletionProposal::InternalCancelCompletion() {
  StopTimer();
  fNoNextKey = false;
  if (Form().Host().Visible()) {
    Form().Deactivate();
    Form().Hide();
  }
}

void TSynCompletionProposal::CancelCompletion() {
  InternalCancelCompletion();
  if (OnCancelled) OnCancelled(this);
}

void TSynCompletionProposal::CloseFromEditor() {
  if (DisplayKind() == ctCode && Form().Host().Visible()) CancelCompletion();
}

void TSynCompletionProposal::EditorCancelMode(TObject*) {
  if (DisplayKind() == ctParams && Form().Host().Visible()) CancelCompletion();
}

// ---- Keys and commands of the attached editors ----

void TSynCompletionProposal::EditorKeyPress(TObject* Sender, char& Key) {
  if (fNoNextKey) {
    fNoNextKey = false;
    Key = '\0';
    return;
  }
  if (!fTimerExists) return;
  if (Contains(TriggerChars(), Key)) {
    SetCurrentEdit(dynamic_cast<TCustomSynEdit*>(Sender));
    StartTimer();
  } else {
    StopTimer();
  }
}

void TSynCompletionProposal::EditorMouseDown(TObject*, TMouseButton, TShiftState, int, int) { CloseFromEditor(); }

void TSynCompletionProposal::HookedEditorCommand(TObject*, bool AfterProcessing, bool&, TSynEditorCommand& Command,
                                                 char& AChar, void*, void*) {
  if (!AfterProcessing) return;
  if (!Form().Host().Visible()) {
    if (fTimerExists && !(Command == ecChar && Contains(TriggerChars(), AChar))) StopTimer();
    return;
  }
  switch (DisplayKind()) {
    case ctCode:
      if (Command == kFocusLost) CloseFromEditor();
      break;
    case ctHint: CancelCompletion(); break;
    case ctParams:
      if ((Command == ecChar && AChar == 27) || Command == kFocusLost || Command == kFocusLost - 1)
        CancelCompletion();
      else
        DoExecute(CurrentEdit());
      break;
  }
}

}  // namespace kau::editor
