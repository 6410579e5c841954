#include "editor/completion/base_completion_proposal.h"

#include <algorithm>

#include "platform/window/system_services.h"

namespace kau::editor {

using namespace platform;

TSynBaseCompletionProposal::TSynBaseCompletionProposal(std::unique_ptr<PopupHost> Host, TObject*)
    : fHost(std::move(Host)), fForm(std::make_unique<TSynBaseCompletionProposalForm>(*fHost, this)) {
  fForm->OnSizeChosen = makeMethod<&TSynBaseCompletionProposal::SizeChosen>(this);
  SetDefaultType(ctCode);
}

// The window goes before the pop-up window it paints in.
TSynBaseCompletionProposal::~TSynBaseCompletionProposal() { fForm.reset(); }

void TSynBaseCompletionProposal::SetDefaultType(SynCompletionType Value) {
  fDefaultType = Value;
  fForm->SetDisplayKind(Value);
}

void TSynBaseCompletionProposal::SetOptions(TSynCompletionOptions Value) {
  if (Value == fOptions) return;
  fOptions = Value;
  fForm->SetOptions(Value);
}

void TSynBaseCompletionProposal::AddItem(const std::string& ADisplayText, const std::string& AInsertText) {
  fForm->InsertList().push_back(AInsertText);
  fForm->ItemList().push_back(ADisplayText);
}

void TSynBaseCompletionProposal::AddItemAt(int Where, const std::string& ADisplayText,
                                           const std::string& AInsertText) {
  auto& items = fForm->ItemList();
  auto& inserts = fForm->InsertList();
  const auto limit = static_cast<int>(std::min(items.size(), inserts.size()));
  if (Where < 0 || Where > limit)
    throw Exception("Cannot insert item at position " + std::to_string(Where) + ".");
  inserts.insert(inserts.begin() + Where, AInsertText);
  items.insert(items.begin() + Where, ADisplayText);
}

void TSynBaseCompletionProposal::ClearList() {
  fForm->InsertList().clear();
  fForm->ItemList().clear();
}

std::string TSynBaseCompletionProposal::DisplayItem(int AIndex) const {
  const auto& items = fForm->ItemList();
  return AIndex >= 0 && AIndex < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(AIndex)] : "";
}

std::string TSynBaseCompletionProposal::InsertItem(int AIndex) const {
  const auto& inserts = fForm->InsertList();
  return AIndex >= 0 && AIndex < static_cast<int>(inserts.size()) ? inserts[static_cast<std::size_t>(AIndex)] : "";
}

void TSynBaseCompletionProposal::ExecuteEx(std::string s, int x, int y, SynCompletionType Kind) {
  fForm->SetDisplayKind(Kind);
  fCanExecute = true;
  if (OnExecute) OnExecute(Kind, this, s, x, y, fCanExecute);
  if (!fCanExecute || fForm->ItemList().empty()) {
    if (Kind == ctParams && fHost->Visible()) fForm->Hide();
    return;
  }
  x -= DotOffsetShift(s);
  fForm->ResetAssignedList();
  if (Kind == ctCode) {
    fForm->SetCurrentString(s);
    PlaceWindow(x, y, Kind);
    if (!HasOption(fOptions, scoLimitToMatchedText)) fForm->AdjustScrollBarPosition();
    fForm->Show();
  } else {
    PlaceWindow(x, y, Kind);
    fForm->Show();
    fHost->Update();
  }
}

int TSynBaseCompletionProposal::DotOffsetShift(const std::string& s) const {
  TCompletionEditor* editor = fForm->CurrentEditor();
  const int n = std::min(fDotOffset, static_cast<int>(s.size()));
  if (!editor || n <= 0) return 0;
  return editor->TextWidth(std::string_view(s).substr(0, static_cast<std::size_t>(n))) + 3 * (n - 1);
}

void TSynBaseCompletionProposal::PlaceWindow(int x, int y, SynCompletionType Kind) {
  int width = fWidth;
  int height = fForm->EffectiveItemHeight() * fForm->NbLinesInWindow() + fForm->TitleHeight() +
               2 * fHost->FrameThickness();
  if (Kind != ctCode) {
    width = fForm->HintWidth();
    height = fForm->HintHeight();
  }
  const TRect work = System().WorkAreaAt({x, y});
  if (work.Right < x + width) x = std::max(x - width, 0);
  if (work.Bottom < y + height) y = std::max(y - height - CurrentEditorLineHeight() - 2, 0);
  fHost->SetBounds({x, y, x + width, y + height});
}

void TSynBaseCompletionProposal::SizeChosen(TObject*, int AWidth, int ANbLinesInWindow) {
  fWidth = AWidth;
  fForm->SetNbLinesInWindow(ANbLinesInWindow);
}

}  // namespace kau::editor
