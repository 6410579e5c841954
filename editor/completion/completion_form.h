// TSynBaseCompletionProposalForm: the pop-up window of a completion list. It
// keeps the proposals, the texts to insert and the entries shown (all of them,
// or those that begin with the typed text), follows what is typed while it is
// open, and tells its owner of the user's decision through OnValidate,
// OnCancel and OnKeyPress. It never takes the keyboard focus: while it is
// open as a list, its editor's window hands it the keys and wheel turns
// (the editor's key target).
#pragma once

#include <bitset>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/completion/completion_editor.h"
#include "editor/completion/completion_types.h"
#include "editor/completion/proposal_columns.h"
#include "editor/options/image_list.h"
#include "editor/text_drawer/font.h"
#include "platform/window/popup_host.h"
#include "platform/window/window_client.h"

namespace kau::editor {

using TSynBaseCompletionProposalPaintItem =
    Method<void(TObject* Sender, int Index, platform::Canvas& TargetCanvas, const TRect& ItemRect, bool& CustomDraw)>;
using TSynBaseCompletionProposalMeasureItem =
    Method<void(TObject* Sender, int Index, platform::Canvas& TargetCanvas, int& ItemWidth)>;
using TCompletionChange = Method<void(TObject* Sender, int AIndex)>;
using TValidateEvent = Method<void(TObject* Sender, TShiftState Shift, char EndToken)>;
using TCompletionKeyPress = Method<void(TObject* Sender, char& Key)>;
// The size the user left the list at, for the next opening.
using TCompletionSizeEvent = Method<void(TObject* Sender, int Width, int NbLinesInWindow)>;

// A parameter hint's row: the entry's comma-separated parameters joined with
// single blanks, the one at BoldIndex between two bold toggles.
std::string ParameterHintText(std::string_view Entry, int BoldIndex);

class TSynBaseCompletionProposalForm : public TObject, public platform::WindowClient, public TFreeNotifiable {
 public:
  // `Owner` is the component the events name as their sender where the
  // owner is meant (OnChange, OnShow, OnClose, OnSizeChosen).
  explicit TSynBaseCompletionProposalForm(platform::PopupHost& Host, TObject* Owner = nullptr);
  ~TSynBaseCompletionProposalForm() override;
  TSynBaseCompletionProposalForm(const TSynBaseCompletionProposalForm&) = delete;
  TSynBaseCompletionProposalForm& operator=(const TSynBaseCompletionProposalForm&) = delete;

  // The typed text; for the list kind, setting it filters or selects.
  const std::string& CurrentString() const { return fCurrentString; }
  void SetCurrentString(const std::string& Value);

  // The proposals as shown, and the texts to insert (same order).
  const std::vector<std::string>& ItemList() const { return fItemList; }
  // Changing the proposals through this drops what was derived from them.
  std::vector<std::string>& ItemList() {
    fPlainTexts.clear();
    return fItemList;
  }
  const std::vector<std::string>& InsertList() const { return fInsertList; }
  std::vector<std::string>& InsertList() { return fInsertList; }
  // Copies the proposals, shows all of them and applies the typed text again.
  void SetItemList(const std::vector<std::string>& Value);
  void SetInsertList(const std::vector<std::string>& Value) { fInsertList = Value; }
  // The entries shown: all proposals again.
  void ResetAssignedList();
  int AssignedCount() const { return static_cast<int>(fAssigned.size()); }
  // Entry i of the shown entries.
  const std::string& AssignedItem(int Index) const;
  // The proposal index of shown entry Index; -1 for an index outside the
  // shown entries.
  int LogicalToPhysicalIndex(int Index) const;

  int Position() const { return fPosition; }
  void SetPosition(int Value);
  void MoveLine(int Delta);
  // The first entry shown at the top of the list.
  int ScrollPosition() const { return fScrollPos; }

  int NbLinesInWindow() const { return fNbLinesInWindow; }
  void SetNbLinesInWindow(int Value);

  SynCompletionType DisplayKind() const { return fDisplayKind; }
  void SetDisplayKind(SynCompletionType Value);
  // The options that concern the window: ANSI strings, case sensitivity,
  // limiting to matched text, pretty text, centred title, the insert list,
  // completing with Tab and with Enter; the others are not kept.
  TSynCompletionOptions Options() const { return fOptions; }
  void SetOptions(TSynCompletionOptions Value) { fOptions = Value & kWindowOptions; }
  // The characters that end a word; the owner fills them before an opening.
  std::bitset<256>& EndOfTokenChars() { return fEndOfTokenChars; }
  const std::bitset<256>& EndOfTokenChars() const { return fEndOfTokenChars; }

  TCompletionEditor* CurrentEditor() const { return fCurrentEditor; }
  // An open list moves to the new editor's keys.
  void SetCurrentEditor(TCompletionEditor* Value);

  const std::string& Title() const { return fTitle; }
  void SetTitle(const std::string& Value);
  TFont& Font() { return fFont; }
  TFont& TitleFont() { return fTitleFont; }
  void SetFont(const TFont& Value) { fFont.Assign(Value); }
  void SetTitleFont(const TFont& Value) { fTitleFont.Assign(Value); }
  bool Resizeable() const { return fResizeable; }
  void SetResizeable(bool Value);
  int ItemHeight() const { return fItemHeight; }
  void SetItemHeight(int Value);
  // The row height in use: ItemHeight when at least 1, else the font's.
  int EffectiveItemHeight() const { return fEffectiveItemHeight; }
  int TitleHeight() const { return fTitleHeight; }
  int Margin() const { return fMargin; }
  void SetMargin(int Value) { fMargin = Value; }
  TImageList* Images() const { return fImages; }
  void SetImages(TImageList* Value);
  TProposalColumns& Columns() { return fColumns; }
  void SetColumns(const TProposalColumns& Value) { fColumns.Assign(Value); }

  TColor ClSelect = clHighlight;
  TColor ClSelectedText = clHighlightText;
  TColor ClTitleBackground = clBtnFace;
  TColor ClBackground = clWindow;

  TCompletionKeyPress OnKeyPress;
  TSynBaseCompletionProposalPaintItem OnPaintItem;
  TSynBaseCompletionProposalMeasureItem OnMeasureItem;
  TCompletionChange OnChange;
  TValidateEvent OnValidate;
  TNotifyEvent OnCancel;
  // The owner's replacement of the window's own double-click handler.
  TNotifyEvent OnDblClick;
  // The owner's show and close events, and where the size the user chose
  // goes when the list closes.
  TNotifyEvent OnShow;
  TNotifyEvent OnClose;
  TCompletionSizeEvent OnSizeChosen;
  // The owner's timers, which tick through the window.
  Method<void(TObject* Sender, int Id)> OnTimer;

  platform::PopupHost& Host() { return fHost; }
  // Shows the window (for the list kind also as its editor's key target)
  // and fires the show handler; hides it and fires the hide handler.
  void Show();
  void Hide();
  // The list takes its editor's keys, or gives them back.
  void Activate();
  void Deactivate();
  void DoFormShow();
  void DoFormHide();
  void DoDoubleClick();

  // The size of the window for its rows: the scroll bar and the title, and
  // the rows' area in the client.
  void RecalcItemHeight();
  void AdjustMetrics();
  void AdjustScrollBarPosition();
  // The size a hint of the current kind takes for the entries shown: the
  // widest formatted entry (for parameters the widest of each entry's texts
  // with each parameter bold in turn, as OnMeasureItem leaves it), and a row
  // per entry, with the margins and the frame line.
  int HintWidth();
  int HintHeight() const;

  // WindowClient
  void Paint(platform::Canvas& Canvas, const TRect& Clip) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyUp(std::uint16_t&, TShiftState) override {}
  void KeyPress(char& Key) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState, int, int) override {}
  void MouseUp(TMouseButton, TShiftState, int, int) override {}
  void DblClick() override;
  void MouseWheel(TShiftState Shift, int Delta, int X, int Y) override;
  void Resized() override;
  void Scroll(platform::TScrollBarKind Bar, platform::TScrollCode Code, int Pos) override;
  void Timer(int Id) override {
    if (OnTimer) OnTimer(this, Id);
  }

  // TFreeNotifiable: the image list going away.
  void Notification(TObject* AComponent, TOperation Operation) override;

 private:
  static constexpr TSynCompletionOptions kWindowOptions =
      CompletionOptionSet(scoAnsiStrings) | CompletionOptionSet(scoCaseSensitive) |
      CompletionOptionSet(scoLimitToMatchedText) | CompletionOptionSet(scoUsePrettyText) |
      CompletionOptionSet(scoTitleIsCentered) | CompletionOptionSet(scoUseInsertList) |
      CompletionOptionSet(scoCompleteWithTab) | CompletionOptionSet(scoCompleteWithEnter);

  bool Has(TSynCompletionOption Option) const { return HasOption(fOptions, Option); }
  bool Matches(int Index) const;
  // Makes the plain texts when they are needed and missing.
  void PreparePlainTexts();
  void Filter();
  void SelectFirstMatch();
  // Runs a command of the current editor, when there is one.
  void EditorCommand(TSynEditorCommand Command, char AChar = '\0');
  // Backspace and Left: shorten the typed text, or close the list when it is
  // empty, with the editor doing the key's command.
  void StepBack(TSynEditorCommand Command);
  void StepRight();
  int LastScrollPosition() const;
  void SetScrollPos(int Value);
  void ScrollbarOnChange();
  void Repaint() { fHost.InvalidateRect(nullptr); }
  void FontChanged(TObject* Sender);
  void ApplyFrame();
  TRect ItemArea() const;
  void PaintList(platform::Canvas& Canvas);
  void PaintTitle(platform::Canvas& Canvas);
  void PaintHint(platform::Canvas& Canvas);
  void PaintItemText(platform::Canvas& Canvas, int Entry, const TRect& Row, bool Selected);

  platform::PopupHost& fHost;
  TObject* fOwner;
  std::string fCurrentString;
  std::vector<std::string> fItemList;
  std::vector<std::string> fInsertList;
  std::vector<int> fAssigned;  // proposal index of each entry shown
  // The proposals without their formatting, made when pretty text is first
  // matched after a change of the proposals.
  std::vector<std::string> fPlainTexts;
  int fPosition = 0;
  int fNbLinesInWindow = 8;
  int fFontHeight = 0;
  int fTitleFontHeight = 0;
  int fScrollPos = 0;
  std::bitset<256> fEndOfTokenChars;
  TCompletionEditor* fCurrentEditor = nullptr;
  std::string fTitle;
  TFont fTitleFont;
  TFont fFont;
  TFont fSelectedFont;  // Font in the selected text colour
  std::unique_ptr<platform::PlatformFont> fFontHandle;
  std::unique_ptr<platform::PlatformFont> fTitleFontHandle;
  bool fResizeable = true;
  int fItemHeight = 0;
  int fEffectiveItemHeight = 0;
  int fMargin = 2;
  TImageList* fImages = nullptr;
  TSynCompletionOptions fOptions = 0;
  int fMouseWheelAccumulator = 0;
  SynCompletionType fDisplayKind = ctCode;
  bool fOldShowCaret = false;
  int fTitleHeight = 0;
  TProposalColumns fColumns;
};

}  // namespace kau::editor
