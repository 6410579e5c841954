#include "editor/completion/completion_form.h"

#include <algorithm>

#include "editor/completion/format_chunks.h"
#include "editor/completion/proposal_matching.h"
#include "platform/virtual_keys.h"
#include "platform/window/system_services.h"

namespace kau::editor {

using namespace platform;

namespace {

// Wheel units of one notch.
constexpr int kWheelDelta = 120;

}  // namespace

TSynBaseCompletionProposalForm::TSynBaseCompletionProposalForm(PopupHost& Host, TObject* Owner)
    : fHost(Host), fOwner(Owner), fColumns(this) {
  fTitleFont.SetStyle(fsBold);
  fTitleFont.SetColor(clBtnText);
  fFont.OnChange = makeMethod<&TSynBaseCompletionProposalForm::FontChanged>(this);
  fTitleFont.OnChange = makeMethod<&TSynBaseCompletionProposalForm::FontChanged>(this);
  fHost.SetClient(this);
  ApplyFrame();
  RecalcItemHeight();
  AdjustMetrics();
  AdjustScrollBarPosition();
}

TSynBaseCompletionProposalForm::~TSynBaseCompletionProposalForm() {
  // The editor's window must not hand keys to a list that is gone.
  if (fHost.Visible()) Deactivate();
  if (fImages) fImages->RemoveFreeNotification(this);
  fHost.SetClient(nullptr);
}

// ---- Lists and matching ----

bool TSynBaseCompletionProposalForm::Matches(int Index) const {
  // An entry without a text to insert is matched by its display text.
  const auto i = static_cast<std::size_t>(Index);
  if (Has(scoUseInsertList) && i < fInsertList.size())
    return ProposalBeginsWith(fInsertList[i], fCurrentString, fOptions);
  if (Has(scoUsePrettyText)) return ProposalBeginsWith(fPlainTexts[i], fCurrentString, fOptions);
  return ProposalBeginsWith(fItemList[i], fCurrentString, fOptions);
}

void TSynBaseCompletionProposalForm::PreparePlainTexts() {
  if (!Has(scoUsePrettyText) || fPlainTexts.size() == fItemList.size()) return;
  fPlainTexts.clear();
  fPlainTexts.reserve(fItemList.size());
  for (const std::string& item : fItemList) fPlainTexts.push_back(FormattedStringToPlainText(item));
}

void TSynBaseCompletionProposalForm::SetCurrentString(const std::string& Value) {
  fCurrentString = Value;
  if (fDisplayKind != ctCode) return;
  PreparePlainTexts();
  if (Has(scoLimitToMatchedText)) Filter();
  else SelectFirstMatch();
  Repaint();
}

void TSynBaseCompletionProposalForm::Filter() {
  fAssigned.clear();
  const int count = static_cast<int>(fItemList.size());
  for (int i = 0; i < count; ++i) {
    if (Matches(i)) fAssigned.push_back(i);
  }
  // A list that shows nothing selects nothing beyond its (empty) end.
  if (fAssigned.empty()) fPosition = 0;
  SetScrollPos(fPosition);
  AdjustScrollBarPosition();
  SetPosition(0);
}

void TSynBaseCompletionProposalForm::SelectFirstMatch() {
  const int count = static_cast<int>(fItemList.size());
  for (int i = 0; i < count; ++i)
    if (Matches(i)) {
      SetPosition(i);
      return;
    }
  SetPosition(0);
}

void TSynBaseCompletionProposalForm::SetItemList(const std::vector<std::string>& Value) {
  fItemList = Value;
  fPlainTexts.clear();
  ResetAssignedList();
  SetCurrentString(fCurrentString);
}

void TSynBaseCompletionProposalForm::ResetAssignedList() {
  fAssigned.resize(fItemList.size());
  for (std::size_t i = 0; i < fAssigned.size(); ++i) fAssigned[i] = static_cast<int>(i);
  if (fPosition >= AssignedCount()) fPosition = std::max(AssignedCount() - 1, 0);
  SetScrollPos(fScrollPos);
  AdjustScrollBarPosition();
}

int TSynBaseCompletionProposalForm::LogicalToPhysicalIndex(int Index) const {
  if (Index < 0 || Index >= AssignedCount()) return -1;
  return Has(scoLimitToMatchedText) ? fAssigned[static_cast<std::size_t>(Index)] : Index;
}

// ---- Selection and scrolling ----

int TSynBaseCompletionProposalForm::LastScrollPosition() const {
  return std::max(AssignedCount() - fNbLinesInWindow, 0);
}

void TSynBaseCompletionProposalForm::SetScrollPos(int Value) {
  fScrollPos = std::clamp(Value, 0, LastScrollPosition());
  TScrollInfo info = fHost.GetScrollInfo();
  info.Pos = fScrollPos;
  fHost.SetScrollInfo(info);
}

void TSynBaseCompletionProposalForm::SetPosition(int Value) {
  Value = std::max(Value, 0);
  if (Value == fPosition || Value > AssignedCount() - 1) return;
  fPosition = Value;
  if (fScrollPos > fPosition) SetScrollPos(fPosition);
  else if (fPosition > fScrollPos + fNbLinesInWindow - 1) SetScrollPos(fPosition - fNbLinesInWindow + 1);
  if (fHost.Visible() && OnChange && fDisplayKind == ctCode) OnChange(fOwner, LogicalToPhysicalIndex(fPosition));
  Repaint();
}

void TSynBaseCompletionProposalForm::MoveLine(int Delta) {
  if (Delta >= 1) {
    if (fPosition + Delta >= AssignedCount()) SetPosition(AssignedCount() - 1);
    else SetPosition(fPosition + Delta);
  } else {
    if (fPosition + Delta < 1) SetPosition(0);
    else SetPosition(fPosition + Delta);
  }
}

void TSynBaseCompletionProposalForm::SetNbLinesInWindow(int Value) {
  fNbLinesInWindow = std::max(Value, 1);
  SetScrollPos(fScrollPos);
  AdjustScrollBarPosition();
  Repaint();
}

void TSynBaseCompletionProposalForm::Scroll(TScrollBarKind Bar, TScrollCode Code, int Pos) {
  if (Bar != sbVertical) return;
  int target = fScrollPos;
  switch (Code) {
    case SB_LINEUP: target -= 1; break;
    case SB_LINEDOWN: target += 1; break;
    case SB_PAGEUP: target -= fNbLinesInWindow; break;
    case SB_PAGEDOWN: target += fNbLinesInWindow; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: target = Pos; break;
    case SB_TOP: target = 0; break;
    case SB_BOTTOM: target = LastScrollPosition(); break;
    case SB_ENDSCROLL: return;
  }
  SetScrollPos(target);
  ScrollbarOnChange();
}

void TSynBaseCompletionProposalForm::ScrollbarOnChange() {
  if (fPosition < fScrollPos) SetPosition(fScrollPos);
  else if (fPosition > fScrollPos + fNbLinesInWindow - 1) SetPosition(fScrollPos + fNbLinesInWindow - 1);
  else Repaint();
}

// ---- Keys ----

void TSynBaseCompletionProposalForm::EditorCommand(TSynEditorCommand Command, char AChar) {
  if (fCurrentEditor) fCurrentEditor->CommandProcessor(Command, AChar, nullptr);
}

void TSynBaseCompletionProposalForm::StepBack(TSynEditorCommand Command) {
  if (!fCurrentString.empty()) {
    SetCurrentString(fCurrentString.substr(0, fCurrentString.size() - 1));
    EditorCommand(Command);
  } else {
    EditorCommand(Command);
    if (OnCancel) OnCancel(this);
  }
}

void TSynBaseCompletionProposalForm::StepRight() {
  if (!fCurrentEditor) return;
  const std::string line = fCurrentEditor->LineText();
  const int x = fCurrentEditor->CaretX();
  const char c = x >= 1 && x <= static_cast<int>(line.size()) ? line[static_cast<std::size_t>(x - 1)] : ' ';
  if (c == '\t' || c == ' ' || fEndOfTokenChars.test(static_cast<unsigned char>(c))) {
    if (OnCancel) OnCancel(this);
  } else {
    SetCurrentString(fCurrentString + c);
  }
  EditorCommand(ecRight);
}

void TSynBaseCompletionProposalForm::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (fDisplayKind == ctCode) {
    switch (Key) {
      case VK_BACK:
        if (!Shift.Contains(ssShift) && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt)) StepBack(ecDeleteLastChar);
        break;
      case VK_TAB:
        if (Has(scoCompleteWithTab) && OnValidate) OnValidate(this, Shift, '\0');
        break;
      case VK_RETURN:
        if (Has(scoCompleteWithEnter) && OnValidate) OnValidate(this, Shift, '\0');
        break;
      case VK_ESCAPE:
        if (OnCancel) OnCancel(this);
        break;
      case VK_PRIOR: MoveLine(-fNbLinesInWindow); break;
      case VK_NEXT: MoveLine(fNbLinesInWindow); break;
      case VK_END: SetPosition(AssignedCount() - 1); break;
      case VK_HOME: SetPosition(0); break;
      case VK_UP:
        if (Shift.Contains(ssCtrl)) SetPosition(0);
        else MoveLine(-1);
        break;
      case VK_DOWN:
        if (Shift.Contains(ssCtrl)) SetPosition(AssignedCount() - 1);
        else MoveLine(1);
        break;
      case VK_LEFT: StepBack(ecLeft); break;
      case VK_RIGHT: StepRight(); break;
      case VK_DELETE: EditorCommand(ecDeleteChar); break;
      default: break;
    }
  }
  Repaint();
}

void TSynBaseCompletionProposalForm::KeyPress(char& Key) {
  if (fDisplayKind != ctCode) return;
  const auto c = static_cast<unsigned char>(Key);
  if (c == '\b') {
    if (OnKeyPress) OnKeyPress(this, Key);
  } else if (c == '\r' || c == 27 || c == '\t') {
    // Their keys have done what they do.
  } else if (c >= 32 && c <= 122) {
    if (fEndOfTokenChars.test(c) && OnValidate) OnValidate(this, {}, c == ' ' ? '\0' : Key);
    SetCurrentString(fCurrentString + Key);
    if (OnKeyPress) OnKeyPress(this, Key);
  } else {
    EditorCommand(ecChar, Key);
    if (OnCancel) OnCancel(this);
  }
  Repaint();
}

// ---- Mouse ----

void TSynBaseCompletionProposalForm::MouseDown(TMouseButton, TShiftState, int, int Y) {
  if (Y < fTitleHeight || fEffectiveItemHeight <= 0) return;
  SetPosition(fScrollPos + (Y - fTitleHeight) / fEffectiveItemHeight);
}

void TSynBaseCompletionProposalForm::DblClick() {
  if (OnDblClick) OnDblClick(this);
  else DoDoubleClick();
}

void TSynBaseCompletionProposalForm::DoDoubleClick() {
  if (fDisplayKind == ctCode && OnValidate) OnValidate(this, {}, '\0');
}

void TSynBaseCompletionProposalForm::MouseWheel(TShiftState Shift, int Delta, int, int) {
  int step = Shift.Contains(ssCtrl) ? fNbLinesInWindow : System().WheelScrollLines();
  if (step == -1 || step > fNbLinesInWindow) step = fNbLinesInWindow;
  fMouseWheelAccumulator += Delta;
  const int notches = fMouseWheelAccumulator / kWheelDelta;
  fMouseWheelAccumulator %= kWheelDelta;
  if (notches == 0) return;
  // Turning towards the user past the last entry stops there.
  SetPosition(std::min(fPosition - step * notches, AssignedCount() - 1));
}

// ---- Showing and hiding ----

void TSynBaseCompletionProposalForm::Show() {
  // Showing a shown window again changes nothing but its place in the stack.
  const bool wasVisible = fHost.Visible();
  fHost.Show();
  if (!wasVisible) DoFormShow();
  Activate();
}

void TSynBaseCompletionProposalForm::SetCurrentEditor(TCompletionEditor* Value) {
  if (Value == fCurrentEditor) return;
  const bool open = fHost.Visible();
  if (open) Deactivate();
  fCurrentEditor = Value;
  if (open) Activate();
}

void TSynBaseCompletionProposalForm::Hide() {
  if (!fHost.Visible()) return;
  Deactivate();
  fHost.Hide();
  DoFormHide();
}

void TSynBaseCompletionProposalForm::Activate() {
  if (fDisplayKind == ctCode && fCurrentEditor) fCurrentEditor->Host().SetKeyTarget(this);
}

void TSynBaseCompletionProposalForm::Deactivate() {
  if (fCurrentEditor) fCurrentEditor->Host().SetKeyTarget(nullptr);
}

void TSynBaseCompletionProposalForm::DoFormShow() {
  if (fCurrentEditor) {
    fOldShowCaret = fCurrentEditor->AlwaysShowCaret();
    fCurrentEditor->SetAlwaysShowCaret(true);
  }
  if (OnShow) OnShow(fOwner);
}

void TSynBaseCompletionProposalForm::DoFormHide() {
  if (fCurrentEditor) fCurrentEditor->SetAlwaysShowCaret(fOldShowCaret);
  if (fDisplayKind == ctCode && OnSizeChosen) OnSizeChosen(fOwner, fHost.Bounds().Width(), fNbLinesInWindow);
  if (OnClose) OnClose(fOwner);
}

void TSynBaseCompletionProposalForm::SetImages(TImageList* Value) {
  if (Value == fImages) return;
  if (fImages) fImages->RemoveFreeNotification(this);
  fImages = Value;
  if (fImages) fImages->FreeNotification(this);
}

void TSynBaseCompletionProposalForm::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation == opRemove && AComponent == fImages) fImages = nullptr;
}

}  // namespace kau::editor
