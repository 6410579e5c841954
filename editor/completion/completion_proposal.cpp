// The component's editors, options and timer, cancelling, and the hooks it
// installs on its editors.
#include "editor/completion/completion_proposal.h"

#include "platform/draw/font_services.h"
#include "platform/window/system_services.h"

namespace kau::editor {

namespace {
constexpr TSynEditorCommand kFocusLost = 701;
constexpr int kTimerId = 1;
constexpr TShortCut kCtrlSpace = 16416;
constexpr TSynCompletionOptions kDefaultOptions =
    CompletionOptionSet(scoLimitToMatchedText) | CompletionOptionSet(scoEndCharCompletion) |
    CompletionOptionSet(scoCompleteWithTab) | CompletionOptionSet(scoCompleteWithEnter);
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
  int TextWidth(std::string_view Text) const override {
    const auto font = platform::Fonts().CreateFont(Edit.Font().Desc());
    return platform::Fonts().TextExtent(*font, Text).cx;
  }
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
  if (IsTriggerChar(Key)) {
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
    if (fTimerExists && !(Command == ecChar && IsTriggerChar(AChar))) StopTimer();
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
