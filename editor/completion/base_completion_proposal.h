// TSynBaseCompletionProposal: the component that owns a completion list
// window (and the pop-up window it lives in), publishes its settings, and
// opens it at a screen point with a typed text. TSynCompletionProposal adds
// the editors it serves.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "editor/completion/completion_form.h"
#include "editor/model/exceptions.h"

namespace kau::editor {

using TCompletionExecute = Method<void(SynCompletionType Kind, TObject* Sender, std::string& CurrentInput, int& x,
                                       int& y, bool& CanExecute)>;
using TCompletionParameter = Method<void(TObject* Sender, int CurrentIndex, int& Level, int& IndexToDisplay,
                                         char& Key, std::string& DisplayString)>;

class TSynBaseCompletionProposal : public TObject {
 public:
  // The component owns Host. A host that is a child of the editor's window
  // (the Qt one) must therefore go with the component, before that window.
  explicit TSynBaseCompletionProposal(std::unique_ptr<platform::PopupHost> Host, TObject* Owner = nullptr);
  ~TSynBaseCompletionProposal() override;
  TSynBaseCompletionProposal(const TSynBaseCompletionProposal&) = delete;
  TSynBaseCompletionProposal& operator=(const TSynBaseCompletionProposal&) = delete;

  void Execute(const std::string& s, int x, int y) { ExecuteEx(s, x, y, ctCode); }
  // Opens the window at screen point (x, y) with s as the typed text.
  virtual void ExecuteEx(std::string s, int x, int y, SynCompletionType Kind);
  void Activate() { fForm->Activate(); }
  void Deactivate() { fForm->Deactivate(); }

  void AddItem(const std::string& ADisplayText, const std::string& AInsertText);
  // Raises Exception "Cannot insert item at position N." for a position
  // outside 0 to the item count.
  void AddItemAt(int Where, const std::string& ADisplayText, const std::string& AInsertText);
  void ClearList();
  std::string DisplayItem(int AIndex) const;
  std::string InsertItem(int AIndex) const;
  void ResetAssignedList() { fForm->ResetAssignedList(); }

  SynCompletionType DefaultType() const { return fDefaultType; }
  void SetDefaultType(SynCompletionType Value);
  TSynCompletionOptions Options() const { return fOptions; }
  virtual void SetOptions(TSynCompletionOptions Value);
  const std::vector<std::string>& ItemList() const { return fForm->ItemList(); }
  void SetItemList(const std::vector<std::string>& Value) { fForm->SetItemList(Value); }
  const std::vector<std::string>& InsertList() const { return fForm->InsertList(); }
  void SetInsertList(const std::vector<std::string>& Value) { fForm->SetInsertList(Value); }
  int NbLinesInWindow() const { return fForm->NbLinesInWindow(); }
  void SetNbLinesInWindow(int Value) { fForm->SetNbLinesInWindow(Value); }
  int Width() const { return fWidth; }
  void SetWidth(int Value) { fWidth = Value; }
  const std::string& EndOfTokenChr() const { return fEndOfTokenChr; }
  void SetEndOfTokenChr(const std::string& Value) { fEndOfTokenChr = Value; }
  const std::string& TriggerChars() const { return fTriggerChars; }
  void SetTriggerChars(const std::string& Value) { fTriggerChars = Value; }
  const std::string& Title() const { return fForm->Title(); }
  void SetTitle(const std::string& Value) { fForm->SetTitle(Value); }
  TFont& Font() { return fForm->Font(); }
  void SetFont(const TFont& Value) { fForm->SetFont(Value); }
  TFont& TitleFont() { return fForm->TitleFont(); }
  void SetTitleFont(const TFont& Value) { fForm->SetTitleFont(Value); }
  TProposalColumns& Columns() { return fForm->Columns(); }
  void SetColumns(const TProposalColumns& Value) { fForm->SetColumns(Value); }
  bool Resizeable() const { return fForm->Resizeable(); }
  void SetResizeable(bool Value) { fForm->SetResizeable(Value); }
  int ItemHeight() const { return fForm->ItemHeight(); }
  void SetItemHeight(int Value) { fForm->SetItemHeight(Value); }
  TImageList* Images() const { return fForm->Images(); }
  void SetImages(TImageList* Value) { fForm->SetImages(Value); }
  int Margin() const { return fForm->Margin(); }
  void SetMargin(int Value) { fForm->SetMargin(Value); }
  // The number of characters of the typed text whose width (in the current
  // editor's font, with 3 pixels between them) moves an opening window left,
  // so that a hint stands under the text it is about.
  int DotOffset() const { return fDotOffset; }
  void SetDotOffset(int Value) { fDotOffset = Value; }
  TColor& ClSelect() { return fForm->ClSelect; }
  TColor& ClSelectedText() { return fForm->ClSelectedText; }
  TColor& ClBackground() { return fForm->ClBackground; }
  TColor& ClTitleBackground() { return fForm->ClTitleBackground; }

  const std::string& CurrentString() const { return fForm->CurrentString(); }
  void SetCurrentString(const std::string& Value) { fForm->SetCurrentString(Value); }
  int Position() const { return fForm->Position(); }
  void SetPosition(int Value) { fForm->SetPosition(Value); }
  SynCompletionType DisplayKind() const { return fForm->DisplayKind(); }
  void SetDisplayKind(SynCompletionType Value) { fForm->SetDisplayKind(Value); }

  // The events the window fires with this component as the sender.
  TCompletionChange& OnChange() { return fForm->OnChange; }
  TNotifyEvent& OnClose() { return fForm->OnClose; }
  TNotifyEvent& OnShow() { return fForm->OnShow; }
  TSynBaseCompletionProposalMeasureItem& OnMeasureItem() { return fForm->OnMeasureItem; }
  TSynBaseCompletionProposalPaintItem& OnPaintItem() { return fForm->OnPaintItem; }
  TCompletionExecute OnExecute;
  // Kept for the parameter kind; nothing fires it.
  TCompletionParameter OnParameterToken;

  TSynBaseCompletionProposalForm& Form() { return *fForm; }
  const TSynBaseCompletionProposalForm& Form() const { return *fForm; }

 protected:
  virtual void EditorCancelMode(TObject* Sender) { (void)Sender; }
  // The line height of the window's current editor, 0 without one.
  virtual int CurrentEditorLineHeight() const { return 0; }
  void PlaceWindow(int x, int y, SynCompletionType Kind);
  // How far the dot offset moves the window left for the typed text s.
  int DotOffsetShift(const std::string& s) const;
  bool CanExecute() const { return fCanExecute; }

 private:
  void SizeChosen(TObject* Sender, int AWidth, int ANbLinesInWindow);

  std::unique_ptr<platform::PopupHost> fHost;
  std::unique_ptr<TSynBaseCompletionProposalForm> fForm;
  SynCompletionType fDefaultType = ctCode;
  TSynCompletionOptions fOptions = 0;
  int fWidth = 260;
  std::string fEndOfTokenChr = "()[]. ";
  std::string fTriggerChars;
  int fDotOffset = 0;
  bool fCanExecute = false;
};

}  // namespace kau::editor
