// TSynCompletionProposal: a completion list attached to editor controls. It
// opens on its shortcut key (and on trigger characters after a delay with the
// built-in timer), filters by the word left of the caret, and replaces that
// word by the chosen proposal inside one undo block.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/completion/base_completion_proposal.h"
#include "editor/control/syn_edit.h"
#include "editor/options/free_notifiable.h"
#include "editor/model/shortcut.h"

namespace kau::editor {

using TCodeCompletionEvent =
    Method<void(TObject* Sender, std::string& Value, TShiftState Shift, int Index, char EndToken)>;
using TAfterCodeCompletionEvent =
    Method<void(TObject* Sender, const std::string& Value, TShiftState Shift, int Index, char EndToken)>;

class TSynCompletionProposal : public TSynBaseCompletionProposal, public TFreeNotifiable {
 public:
  explicit TSynCompletionProposal(std::unique_ptr<platform::PopupHost> Host, TObject* Owner = nullptr);
  ~TSynCompletionProposal() override;

  void ExecuteEx(std::string s, int x, int y, SynCompletionType Kind) override;
  void SetOptions(TSynCompletionOptions Value) override;

  void AddEditor(TCustomSynEdit* AEditor);
  bool RemoveEditor(TCustomSynEdit* AEditor);
  int EditorsCount() const { return static_cast<int>(fEditors.size()); }
  TCustomSynEdit* GetEditor(int i) const;
  TCustomSynEdit* Editor() const { return fEditor; }
  void SetEditor(TCustomSynEdit* Value);

  void ActivateCompletion() { DoExecute(fEditor); }
  void CancelCompletion();

  TShortCut ShortCut() const { return fShortCut; }
  void SetShortCut(TShortCut Value) { fShortCut = Value; }
  int TimerInterval() const { return fTimerInterval; }
  void SetTimerInterval(int Value);
  bool TimerExists() const { return fTimerExists; }

  TCodeCompletionEvent OnCodeCompletion;
  TAfterCodeCompletionEvent OnAfterCodeCompletion;
  TNotifyEvent OnCancelled;

  // TFreeNotifiable: an attached editor going away.
  void Notification(TObject* AComponent, TOperation Operation) override;

  // The handlers installed on every attached editor.
  void EditorKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
  void EditorKeyPress(TObject* Sender, char& Key);
  void EditorMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
  void HookedEditorCommand(TObject* Sender, bool AfterProcessing, bool& Handled, TSynEditorCommand& Command,
                           char& AChar, void* Data, void* HandlerData);

 protected:
  virtual void DoExecute(TCustomSynEdit* AEditor);
  void EditorCancelMode(TObject* Sender) override;
  int CurrentEditorLineHeight() const override;

 private:
  struct Attached;

  // The window's handlers.
  void HandleOnValidate(TObject* Sender, TShiftState Shift, char EndToken);
  void HandleOnKeyPress(TObject* Sender, char& Key);
  void HandleOnCancel(TObject* Sender);
  void HandleDblClick(TObject* Sender);
  void TimerExecute(TObject* Sender, int Id);

  bool IsTriggerChar(char C) const { return TriggerChars().find(C) != std::string::npos; }
  void Validate(TCustomSynEdit& E, TShiftState Shift, char EndToken);
  void InternalCancelCompletion();
  // The list closes because its editor lost the focus or was clicked.
  void CloseFromEditor();
  std::string GetCurrentInput(TCustomSynEdit& AEditor);
  std::string GetPreviousToken(TCustomSynEdit& AEditor) const;
  void FillEndOfTokenChars(TCustomSynEdit& AEditor);
  Attached* Find(const TCustomSynEdit* AEditor) const;
  // The editor the window serves now, when it is attached.
  TCustomSynEdit* CurrentEdit() const;
  void SetCurrentEdit(TCustomSynEdit* AEditor);
  void StartTimer();
  void StopTimer();

  std::vector<std::unique_ptr<Attached>> fEditors;
  TShortCut fShortCut = 0;
  bool fNoNextKey = false;
  int fCompletionStart = 0;
  bool fPastLineEnd = false;
  bool fTimerExists = false;
  int fTimerInterval = 1000;
  TCustomSynEdit* fEditor = nullptr;
  std::string fPreviousToken;
};

}  // namespace kau::editor
