// TCustomSynEdit: the source-editing control. It owns the text of one
// document (a line store), undo and redo lists, the caret and the selection,
// a gutter, marks, a key-command table and a text drawer, and paints the text
// through an optional highlighter. It is the client of one window
// (platform::WindowHost): attach with host.SetClient(&edit) and
// edit.CreateWnd(host), detach with DestroyWnd().
//
// Its members are spread over one file per concern in this folder; each
// section below names its file.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/control/range_watermark.h"
#include "editor/control/syn_edit_mark.h"
#include "editor/control/syn_edit_plugin.h"
#include "editor/control/syn_edit_types.h"
#include "editor/model/exceptions.h"
#include "editor/highlight/custom_highlighter.h"
#include "editor/model/kbd_handler.h"
#include "editor/model/key_strokes.h"
#include "editor/model/misc_procs.h"
#include "editor/options/bookmark_opt.h"
#include "editor/options/free_notifiable.h"
#include "editor/options/gutter.h"
#include "editor/options/internal_image.h"
#include "editor/options/selected_color.h"
#include "editor/model/scope_exit.h"
#include "editor/search/syn_edit_search_custom.h"
#include "editor/model/syn_edit_string_list.h"
#include "editor/text_drawer/font.h"
#include "editor/text_drawer/text_drawer.h"
#include "editor/model/undo_list.h"
#include "platform/window/clipboard.h"
#include "platform/window/in_process_drag.h"
#include "platform/window/window_client.h"
#include "platform/window/window_host.h"

namespace kau::editor {

class ESynEditError : public Exception {
 public:
  using Exception::Exception;
};

// The clipboard format of the control's block entries, "KAU Editor Block
// Type", registered when the program starts.
extern const platform::TClipboardFormat SynEditClipboardFormat;

// The trailing tabs and blanks of a text cut off.
std::string TrimTrailing(const std::string& S);

class TCustomSynEdit : public TObject, public platform::WindowClient, public TFreeNotifiable {
 public:
  explicit TCustomSynEdit(TObject* AOwner = nullptr);
  ~TCustomSynEdit() override;
  TCustomSynEdit(const TCustomSynEdit&) = delete;
  TCustomSynEdit& operator=(const TCustomSynEdit&) = delete;

  // ---- Window (window.cpp) -------------------------------------------------
  // Attaches the control to its window and lays it out for the window's size.
  void CreateWnd(platform::WindowHost& AHost);
  void DestroyWnd();
  // A host is attached and its window exists.
  bool HandleAllocated() const { return fHost && fHost->Exists(); }
  bool IsVisible() const { return fHost && fHost->Visible(); }
  bool Focused() const { return fHost && fHost->Focused(); }
  platform::WindowHost* Host() const { return fHost; }
  int ClientWidth() const;
  int ClientHeight() const;
  TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }
  virtual void InvalidateRect(const TRect& ARect, bool AErase);
  void Invalidate();
  void Update();
  int Width() const { return fWidth; }
  int Height() const { return fHeight; }
  TCursor Cursor() const { return fCursor; }
  void SetCursor(TCursor Value) { fCursor = Value; }
  TColor Color() const { return fColor; }
  void SetColor(TColor Value);

  // platform::WindowClient.
  void Paint(platform::Canvas& ACanvas, const TRect& AClip) override;  // paint.cpp
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;        // keys.cpp
  void KeyUp(std::uint16_t& Key, TShiftState Shift) override;          // keys.cpp
  void KeyPress(char& Key) override;                                   // keys.cpp
  // The input method's result string goes in as one ecImeStr; as many
  // characters as it has are then dropped as its echo (keys.cpp).
  void ImeResult(const std::string& Text) override;
  // The input method composes in the control's font (keys.cpp).
  void UpdateImeFont();
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;  // mouse.cpp
  void MouseMove(TShiftState Shift, int X, int Y) override;                        // mouse.cpp
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;     // mouse.cpp
  // Selects the word under the pointer (mouse.cpp).
  void DblClick() override;
  void CaptureChanged() override;  // mouse.cpp
  // Dropped files go to OnDropFiles with their names whole (window.cpp).
  void DropFiles(int X, int Y, const std::vector<std::string>& Names) override;
  // Arrows and characters always; Tab with WantTabs, Return with
  // WantReturns (window.cpp).
  unsigned DialogCodes() const override;
  // Text dragged from an editor of this program (drag_drop.cpp).
  void DragOver(platform::WindowClient* Source, int X, int Y, platform::TDragState State, bool& Accept) override;
  void DragDrop(platform::WindowClient* Source, int X, int Y) override;
  void DragCanceled() override;
  void MouseWheel(TShiftState Shift, int WheelDelta, int X, int Y) override;  // caret_moves.cpp
  void FocusIn() override;                                                      // focus.cpp
  void FocusOut() override;                                                     // focus.cpp
  void Resized() override;
  void Scroll(TScrollBarKind Bar, platform::TScrollCode Code, int Pos) override;  // scroll.cpp
  void Timer(int Id) override;  // mouse.cpp

  // ---- Mouse (mouse.cpp) ---------------------------------------------------------
  virtual void Click();
  virtual void DoOnGutterClick(TMouseButton Button, int X, int Y);
  // Sets the scroll steps for a pointer outside the text area and runs the
  // scroll timer while there are any.
  void ComputeScroll(int X, int Y);
  void ScrollTimerHandler(TObject* Sender);
  int ScrollDeltaX() const { return fScrollDeltaX; }
  int ScrollDeltaY() const { return fScrollDeltaY; }
  // A drag of the selection started by this editor is under way.
  bool Dragging() const { return fDrag != nullptr; }

  // ---- Window messages as calls (window.cpp) ---------------------------------------
  // Each gives the message's result.
  int WMClear();
  int WMCopy();
  int WMCut();
  int WMPaste();
  int WMUndo();

  // ---- Paint lock and invalidation (paint_lock.cpp) ---------------------------
  void IncPaintLock();
  void DecPaintLock();
  int PaintLock() const { return fPaintLock; }
  // Holds the paint lock for a scope, released also when the scope throws.
  // A handler that fails at the end of the lock fails the scope; while the
  // scope already fails, such a second failure is dropped.
  using PaintLockGuard = TScopedBracket<TCustomSynEdit, &TCustomSynEdit::IncPaintLock, &TCustomSynEdit::DecPaintLock>;
  void BeginUpdate() { IncPaintLock(); }
  void EndUpdate() { DecPaintLock(); }
  void InvalidateGutter() { InvalidateGutterLines(-1, -1); }
  void InvalidateGutterLines(int FirstLine, int LastLine);
  void InvalidateLines(int FirstLine, int LastLine);
  void InvalidateLine(int Line);
  // The area collected while the line store reports a change in progress or
  // a scroll waits (in the coordinates of the window as it is now).
  TRect CollectedInvalidRect() const { return fInvalidateRect; }

  // ---- Scrolling that waits (scroll_pending.cpp) -------------------------------
  // Under a paint lock or a line-store change a scroll only moves TopLine and
  // LeftChar; the pixels follow once, when both have ended. Until then the
  // repaints asked for are held in the coordinates of the new window.
  bool ScrollPending() const { return fShownTopLine != fTopLine || fShownLeftChar != fLeftChar; }
  // Moves the pixels to the window as it is now and sends the repaints held
  // for it (those of a line-store change stay held until it ends).
  void ShowPendingScroll();

  // ---- Text and indentation (text.cpp) ----------------------------------------
  TSynEditStringList& Lines() { return *fLines; }
  const TSynEditStringList& Lines() const { return *fLines; }
  int LineCount() const { return fLines->GetCount(); }
  // Line `Line` (1-based), empty outside the text.
  std::string LineText(int Line) const;
  // Its length, without copying it; 0 outside the text.
  int LineLength(int Line) const { return Line < 1 ? 0 : fLines->LineLength(Line - 1); }
  std::string SynGetText() const;
  std::string Text() const { return SynGetText(); }
  std::string GetLineText() const;
  int LeftSpaces(const std::string& Line) const { return LeftSpacesEx(Line, false); }
  int LeftSpacesEx(const std::string& Line, bool WantTabs) const;
  std::string GetLeftSpacing(int CharCount, bool WantTabs) const;

  // ---- Fonts and metrics (fonts.cpp) -----------------------------------------
  TFont& Font() { return *fFont; }
  const TFont& Font() const { return *fFont; }
  // A proportional font is replaced by a fixed-pitch one of its name, size,
  // style and colour.
  void SetFont(const TFont& Value);
  void SynFontChanged(TObject* Sender);
  void RecalcCharExtent();
  void SizeOrFontChanged(bool bFont);
  void HighlighterAttrChanged(TObject* Sender);
  int CharWidth() const { return fCharWidth; }
  int LineHeight() const { return fTextHeight; }
  int CharsInWindow() const { return fCharsInWindow; }
  int LinesInWindow() const { return fLinesInWindow; }
  int TextOffset() const { return fTextOffset; }
  int GutterWidth() const { return fGutterWidth; }
  int ExtraLineSpacing() const { return fExtraLineSpacing; }
  void SetExtraLineSpacing(int Value);
  TheTextDrawer& TextDrawer() { return *fTextDrawer; }

  // ---- Caret and positions (caret.cpp, conversions.cpp) --------------------
  int CaretX() const { return fCaretX; }
  int CaretY() const { return fCaretY; }
  TPoint CaretXY() const { return {fCaretX, fCaretY}; }
  int LastCaretX() const { return fLastCaretX; }
  void SetCaretX(int Value);
  void SetCaretY(int Value);
  virtual void SetCaretXY(const TPoint& Value);
  void InternalSetCaretX(int Value);
  void InternalSetCaretY(int Value);
  virtual void InternalSetCaretXY(const TPoint& Value);
  // The one routine that moves the caret.
  virtual void SetCaretXYEx(bool CallEnsureCursorPos, TPoint Value);
  void UpdateLastCaretX();
  int GetDisplayX() const;
  int GetDisplayY() const { return fCaretY; }
  TPoint GetDisplayXY() const { return {GetDisplayX(), fCaretY}; }

  TPoint LogicalToPhysicalPos(const TPoint& P) const;
  TPoint PhysicalToLogicalPos(const TPoint& P) const;
  // The client x of a display column, exact for any LeftChar and column.
  std::int64_t ColumnToX(std::int64_t Column) const {
    return (Column - fLeftChar) * fCharWidth + fGutterWidth + 2;
  }
  TPixelPoint RowColumnToPixels(const TPoint& RowCol) const;
  TPoint PixelsToRowColumn(TPixelPoint P) const;
  TPoint PixelsToNearestRowColumn(TPixelPoint P) const;
  int CaretXPix() const;
  int CaretYPix() const;
  void ComputeCaret(int X, int Y);
  bool GetPositionOfMouse(TPoint& aPos) const;
  void MBCSGetSelRangeInLineWhenColumnSelectionMode(const std::string& S, int& ColFrom, int& ColTo) const;

  // ---- Selection (selection.cpp) ----------------------------------------------
  TPoint GetBlockBegin() const;
  TPoint GetBlockEnd() const;
  TPoint BlockBegin() const { return GetBlockBegin(); }
  TPoint BlockEnd() const { return GetBlockEnd(); }
  // The raw ends: the anchor and the moving end.
  TPoint RawBlockBegin() const { return fBlockBegin; }
  TPoint RawBlockEnd() const { return fBlockEnd; }
  void SetBlockBegin(TPoint Value);
  void SetBlockEnd(TPoint Value);
  bool GetSelAvail() const;
  bool SelAvail() const { return GetSelAvail(); }
  bool GetSelTabBlock() const;
  bool GetSelTabLine() const;
  bool IsPointInSelection(const TPoint& Value) const;
  void SetCaretAndSelection(const TPoint& ptCaret, const TPoint& ptBefore, const TPoint& ptAfter);
  TSynSelectionMode SelectionMode() const { return fSelectionMode; }
  void SetSelectionMode(TSynSelectionMode Value);
  void SelectAll();
  std::string GetSelText() const;
  // The selected text; PadColumns fills column pieces beyond a line's end
  // with blanks (as the clipboard wants them, not an undo item).
  std::string SelectedText(bool PadColumns) const;
  std::string SelText() const { return GetSelText(); }
  std::string GetWordAtCursor();

  // ---- Character offsets and caret moves (offsets.cpp, caret_moves.cpp) ------
  int RowColToCharIndex(TPoint RowCol) const;
  TPoint CharIndexToRowCol(int Index) const;
  int GetSelStart() const;
  void SetSelStart(int Value);
  int GetSelEnd() const;
  void SetSelEnd(int Value);
  int GetSelLength() const;
  void SetSelLength(int Value);
  void MoveCaretAndSelection(const TPoint& ptBefore, const TPoint& ptAfter, bool SelectionCommand);
  void MoveCaretHorz(int DX, bool SelectionCommand);
  void MoveCaretVert(int DY, bool SelectionCommand);
  void DoHomeKey(bool Selection);

  // ---- Words (words.cpp) ------------------------------------------------------
  void PrepareIdentChars(TSynIdentChars& IdentChars, TSynIdentChars& WhiteChars) const;
  virtual TPoint NextWordPos();
  virtual TPoint NextWordPosEx(const TPoint& XY);
  virtual TPoint WordStart();
  virtual TPoint WordStartEx(const TPoint& XY);
  virtual TPoint WordEnd();
  virtual TPoint WordEndEx(const TPoint& XY);
  virtual TPoint PrevWordPos();
  virtual TPoint PrevWordPosEx(const TPoint& XY);

  // ---- Scrolling and caret display (scroll.cpp, scroll_caret.cpp) -----------
  int TopLine() const { return fTopLine; }
  void SetTopLine(int Value);
  int LeftChar() const { return fLeftChar; }
  void SetLeftChar(int Value);
  void UpdateScrollBars();
  TScrollStyle ScrollBars() const { return fScrollBars; }
  void SetScrollBars(TScrollStyle Value);
  int MaxLineWidth() const { return fMaxLineWidth; }
  void SetMaxLineWidth(int Value);
  void SetGutterWidth(int Value);
  void EnsureCursorPosVisible() { EnsureCursorPosVisibleEx(false); }
  void EnsureCursorPosVisibleEx(bool ForceToMiddle);
  void InitializeCaret();
  void UpdateCaret();
  void ShowCaret();
  void HideCaret();
  TColor ScrollHintColor() const { return fScrollHintColor; }
  void SetScrollHintColor(TColor Value) { fScrollHintColor = Value; }
  TScrollHintFormat ScrollHintFormat() const { return fScrollHintFormat; }
  void SetScrollHintFormat(TScrollHintFormat Value) { fScrollHintFormat = Value; }
  TPoint CaretOffset() const { return fCaretOffset; }

  // ---- Painting (paint.cpp) ---------------------------------------------------
  virtual void PaintGutter(const TRect& AClip, int FirstLine, int LastLine);
  virtual void PaintTextLines(TRect AClip, int FirstLine, int LastLine, int FirstCol, int LastCol);
  void PluginsAfterPaint(platform::Canvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine);

  // ---- The gutter's line numbers (gutter_numbers.cpp) --------------------------
  // The font the numbers are drawn in: the gutter's own, made smaller when
  // its characters are taller than a row.
  const TFont& GutterNumberFont();
  // The cell each digit takes: the wider of the editor's and the number
  // font's.
  int GutterNumberCellWidth();

  // ---- Events, hooks and plug-ins (events.cpp) ---------------------------------
  void StatusChanged(TSynStatusChanges AChanges);
  TSynStatusChanges PendingStatusChanges() const { return fStatusChanges; }
  virtual void DoOnStatusChange(TSynStatusChanges Changes);
  virtual void DoOnPaint();
  virtual void DoOnPaintTransientEx(TTransientType TransientType, bool Lock);
  virtual void DoOnPaintTransient(TTransientType TransientType);
  // Counts a locked transient paint in or out; true when the handler runs.
  bool PaintTransientFires(TTransientType TransientType, bool Lock);
  virtual bool DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background);
  virtual void DoOnClearBookmark(TSynEditMark*& Mark);
  virtual void DoOnPlaceMark(TSynEditMark*& Mark);
  void RegisterCommandHandler(const THookedCommandEvent& AHandlerProc, void* AHandlerData);
  void UnregisterCommandHandler(const THookedCommandEvent& AHandlerProc);
  int FindHookedCmdEvent(const THookedCommandEvent& AHandlerProc) const;
  int GetHookedCommandHandlersCount() const;
  virtual void NotifyHookedCommandHandlers(bool AfterProcessing, TSynEditorCommand& Command, char& AChar,
                                           void* Data);
  void AddKeyDownHandler(const TKeyEvent& aHandler) { fKbdHandler->AddKeyDownHandler(aHandler); }
  void RemoveKeyDownHandler(const TKeyEvent& aHandler) { fKbdHandler->RemoveKeyDownHandler(aHandler); }
  void AddKeyUpHandler(const TKeyEvent& aHandler) { fKbdHandler->AddKeyUpHandler(aHandler); }
  void RemoveKeyUpHandler(const TKeyEvent& aHandler) { fKbdHandler->RemoveKeyUpHandler(aHandler); }
  void AddKeyPressHandler(const TKeyPressEvent& aHandler) { fKbdHandler->AddKeyPressHandler(aHandler); }
  void RemoveKeyPressHandler(const TKeyPressEvent& aHandler) { fKbdHandler->RemoveKeyPressHandler(aHandler); }
  void AddMouseDownHandler(const TMouseEvent& aHandler) { fKbdHandler->AddMouseDownHandler(aHandler); }
  void RemoveMouseDownHandler(const TMouseEvent& aHandler) { fKbdHandler->RemoveMouseDownHandler(aHandler); }
  int PluginCount() const { return static_cast<int>(fPlugins.size()); }
  bool AlwaysShowCaret() const { return fAlwaysShowCaret; }
  void SetAlwaysShowCaret(bool Value);
  void UndoRedoAdded(TObject* Sender);

  // ---- Commands (commands.cpp) ------------------------------------------------
  virtual void CommandProcessor(TSynEditorCommand Command, char AChar, void* Data);
  virtual void ExecuteCommand(TSynEditorCommand Command, char AChar, void* Data);
  virtual void DoOnProcessCommand(TSynEditorCommand& Command, char& AChar, void* Data);
  virtual void DoOnCommandProcessed(TSynEditorCommand Command, char AChar, void* Data);

  // Asks the key-command table for the command of a key, remembering a key
  // that has none as the first key of a possible two-key chord.
  TSynEditorCommand TranslateKeyCode(std::uint16_t Code, TShiftState Shift, void*& Data);

  // ---- Text modification (text_primitives.cpp) --------------------------------
  // Replaces the selection (in the current selection mode) by Value inserted
  // at the caret in PasteMode. Value ends at its first NUL; CR, LF and CR LF
  // break it into lines. Records undo items only for a column insertion with
  // AddToUndoList; the callers record the rest.
  void SetSelTextPrimitiveEx(TSynSelectionMode PasteMode, std::string_view Value, bool AddToUndoList);
  void SetSelTextPrimitive(TSynSelectionMode PasteMode, std::string_view Value) {
    SetSelTextPrimitiveEx(PasteMode, Value, true);
  }
  void SetSelText(std::string_view Value) { SetSelTextPrimitive(fSelectionMode, Value); }
  void SynSetText(std::string_view Value) { fLines->SetText(Value); }
  void SetText(std::string_view Value) { SynSetText(Value); }
  void SetLines(const TStrings& Value) { fLines->Assign(Value); }
  void SetLineText(const std::string& Value);
  // Stores line Index (0-based), trimmed by eoTrimTrailingSpaces; Index equal
  // to the line count appends.
  void ProperSetLine(int Index, const std::string& Text);
  void InsertBlock(const TPoint& BB, const TPoint& BE, std::string_view Value) { InsertBlockEx(BB, BE, Value, true); }
  void InsertBlockEx(const TPoint& BB, const TPoint& BE, std::string_view Value, bool AddToUndoList);
  // Where the text the last SetSelTextPrimitiveEx inserted begins and ends,
  // in text order.
  TPoint LastInsertStart() const { return fLastInsertStart; }
  TPoint LastInsertEnd() const { return fLastInsertEnd; }

  // ---- Marks and bookmarks (bookmarks.cpp) -------------------------------------
  void SetBookMark(int BookMark, int X, int Y);
  void ClearBookMark(int BookMark);
  void GotoBookMark(int BookMark);
  void GotoLineAndCenter(int ALine);
  bool GetBookMark(int BookMark, int& X, int& Y) const;
  bool IsBookmark(int BookMark) const;
  // Move the marks after lines were inserted or deleted and tell the plug-ins.
  void DoLinesInserted(int FirstLine, int Count);
  void DoLinesDeleted(int FirstLine, int Count);

  // ---- Undo and redo (undo_replay.cpp) -----------------------------------------
  void Undo();
  void Redo();
  bool GetCanUndo() const { return !ReadOnly() && fUndoList->GetCanUndo(); }
  bool GetCanRedo() const { return !ReadOnly() && fRedoList->GetCanUndo(); }
  bool CanUndo() const { return GetCanUndo(); }
  bool CanRedo() const { return GetCanRedo(); }
  // The word-wrap flag: nothing in this system wraps lines; the wrap items
  // of the undo lists only switch it.
  bool WordWrap() const { return fWordWrap; }

  // ---- Block editing and editor state (block_edit.cpp, editor_state.cpp) -------
  // The SelText setter: one undo block around the replacement.
  void SetSelTextExternal(std::string_view Value);
  void DoCaseChange(TSynEditorCommand Cmd);
  void DoBlockIndent();
  void DoBlockUnindent();
  void DoTabKey();
  void DoShiftTabKey();
  bool Modified() const { return fModified; }
  void SetModified(bool Value);
  void UpdateModifiedStatus();
  void BeginUndoBlock() { fUndoList->BeginBlock(); }
  void EndUndoBlock() { fUndoList->EndBlock(); }
  // With eoGroupUndo, what is typed next starts a new undo group, as after a
  // caret move or a save.
  void EndUndoGroup();
  void LockUndo();
  void UnlockUndo();
  void ClearUndo();
  void Clear() { ClearAll(); }
  void SetSelWord();
  void AddKey(TSynEditorCommand Command, std::uint16_t Key1, TShiftState SS1, std::uint16_t Key2 = 0,
              TShiftState SS2 = {});
  enum class TEditAction : std::uint8_t { Cut, Copy, Paste, Delete, Undo, SelectAll };
  bool ExecuteAction(TEditAction Action);
  // Whether the control takes the action (it has the focus); Enabled tells
  // whether the action applies now.
  bool UpdateAction(TEditAction Action, bool& Enabled) const;

  // ---- Editing commands (edit_commands.cpp) ------------------------------------
  void ClearAll();
  void ClearSelection();
  // Records crDelete when the selection was made forwards, else
  // crDeleteAfterCursor.
  void DeleteSelectionUndoable();
  // Records Reason, from the anchor to the moving end.
  void DeleteSelectionUndoable(TSynChangeReason Reason);

  // ---- Clipboard (clipboard.cpp) ------------------------------------------------
  // Raise ESynEditError when the clipboard cannot be opened, set or read.
  void DoCopyToClipboard(const std::string& Text);
  void CopyToClipboard();
  void CutToClipboard();
  void PasteFromClipboard();
  bool GetCanPaste() const;
  bool CanPaste() const { return GetCanPaste(); }

  // ---- Line store and highlighter binding (binding.cpp) ------------------------
  TSynCustomHighlighter* Highlighter() const { return fHighlighter; }
  void SetHighlighter(TSynCustomHighlighter* Value);
  // Every line's end state is to be scanned again: the lines in view at
  // once, the others when they are needed.
  void ListScanRanges(TObject* Sender);
  // Rescans from line Index while the end states change, as far as the lines
  // in view (all lines while the text is shared); the index of the last line
  // scanned.
  int ScanFrom(int Index);
  // Brings the stored end states of lines 0..Index up to a scan from the
  // first line. Everything that reads a stored state calls it first (paint,
  // token queries, brackets); the store is not told of a change.
  void ScanRangesThrough(int Index) const;
  // The last line whose stored end state is right without a scan.
  int RangesRightThrough() const { return (fRanges.Valid < LineCount() ? fRanges.Valid : LineCount()) - 1; }
  void Notification(TObject* AComponent, TOperation Operation) override;
  int GetMaxUndo() const;
  void SetMaxUndo(int Value);

  // ---- Shared text buffers (line_store_sharing.cpp) -------------------------
  // Shows Editor's text with its undo and redo lists until RemoveLinesPointer
  // or Editor's destruction; the own text stays, hidden and unchanged. Any
  // number of editors may show one text and let go of it in any order.
  void SetLinesPointer(TCustomSynEdit* Editor);
  void RemoveLinesPointer();
  void HookTextBuffer(TSynEditStringList* Buffer, TSynEditUndoList* Undo, TSynEditUndoList* Redo);
  void UnHookTextBuffer();
  TCustomSynEdit* ChainedEditor() const { return fChainedEditor; }
  // AComponent hears opRemove when this control is destroyed.
  void FreeNotification(TFreeNotifiable* AComponent) { fFreeNotifies.Add(AComponent); }
  void RemoveFreeNotification(TFreeNotifiable* AComponent) { fFreeNotifies.Remove(AComponent); }

  // The lists in use and the line store's handlers (binding.cpp).
  TSynEditUndoList& UndoList() { return *fUndoList; }
  TSynEditUndoList& RedoList() { return *fRedoList; }
  void LinesChanging(TObject* Sender);
  virtual void LinesChanged(TObject* Sender);

  // ---- Search and replace (search_replace.cpp) ---------------------------------
  // The engine is not owned; the control forgets it when it is destroyed.
  void SetSearchEngine(TSynEditSearchCustom* Value);
  // The number of matches found; raises ESynEditError without an engine.
  int SearchReplace(const std::string& ASearch, const std::string& AReplace, TSynSearchOptions AOptions);
  virtual TSynReplaceAction DoOnReplaceText(const std::string& ASearch, const std::string& AReplace, int Line,
                                            int Column);

  // ---- Brackets (brackets.cpp) ---------------------------------------------------
  // The bracket matching the one at APoint, (0, 0) when none; brackets in
  // comments and strings are passed over. With AdjustForTabs the column is
  // the display column.
  virtual TPoint GetMatchingBracketEx(const TPoint& APoint, bool AdjustForTabs);
  virtual TPoint GetMatchingBracket();
  virtual void FindMatchingBracket();

  // ---- Tokens and words at a position (token_queries.cpp) -----------------------
  bool GetHighlighterAttriAtRowColEx(const TPoint& XY, std::string& Token, int& TokenType, int& Start,
                                     TSynHighlighterAttributes*& Attri) const;
  bool GetHighlighterAttriAtRowCol(const TPoint& XY, std::string& Token, TSynHighlighterAttributes*& Attri) const;
  std::string GetWordAtRowCol(const TPoint& XY) const;
  std::string GetWordAtMouse() const;
  TSynIdentChars IdentChars() const;
  // Selects the run of identifier characters around Value, the caret at its
  // end.
  void SetWordBlock(TPoint Value);

  // ---- Focus controls and the mouse cursor (focus_controls.cpp) ------------------
  // While the list is not empty, the last window added takes the focus in
  // place of the editor.
  void AddFocusControl(platform::WindowHost* aControl);
  void RemoveFocusControl(platform::WindowHost* aControl);
  virtual void SetFocus();
  // Sets the pointer's shape for where it is now.
  virtual void UpdateMouseCursor();
  // The window asks for the pointer's shape.
  void CursorRequested() override { UpdateMouseCursor(); }

  // ---- Keystroke differences (keystroke_differences.cpp) ------------------------
  // The key table is stored as its differences from a reference table (the
  // defaults when none is given): the items to remove from the reference and
  // the items to add, one "command shortcut shortcut2" a line. Reading
  // applies the removed items first, then the added ones; a bad line raises
  // ESynKeyError naming it and leaves the table unchanged.
  bool KeystrokesDiffer(const TSynEditKeyStrokes* Reference = nullptr) const;
  std::string WriteRemovedKeystrokes(const TSynEditKeyStrokes* Reference = nullptr) const;
  std::string WriteAddedKeystrokes(const TSynEditKeyStrokes* Reference = nullptr) const;
  void ReadRemovedKeystrokes(const std::string& Text);
  void ReadAddedKeystrokes(const std::string& Text);

  // ---- Options and property setters (options.cpp) ------------------------------
  TSynEditorOptions Options() const { return fOptions; }
  void SetOptions(TSynEditorOptions Value);
  void SetOptionFlag(TSynEditorOptions Flag, bool Value);
  int TabWidth() const { return fTabWidth; }
  void SetTabWidth(int Value);
  virtual bool GetReadOnly() const { return fReadOnly; }
  virtual void SetReadOnly(bool Value);
  bool ReadOnly() const { return GetReadOnly(); }
  bool InsertMode() const { return fInserting; }
  void SetInsertMode(bool Value);
  TSynEditCaretType InsertCaret() const { return fInsertCaret; }
  void SetInsertCaret(TSynEditCaretType Value);
  TSynEditCaretType OverwriteCaret() const { return fOverwriteCaret; }
  void SetOverwriteCaret(TSynEditCaretType Value);
  bool HideSelection() const { return fHideSelection; }
  void SetHideSelection(bool Value);
  TBorderStyle BorderStyle() const { return fBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);
  int RightEdge() const { return fRightEdge; }
  void SetRightEdge(int Value);
  TColor RightEdgeColor() const { return fRightEdgeColor; }
  void SetRightEdgeColor(TColor Value);
  TColor ActiveLineColor() const { return fActiveLineColor; }
  void SetActiveLineColor(TColor Value);
  bool WantReturns() const { return fWantReturns; }
  void SetWantReturns(bool Value) { fWantReturns = Value; }
  bool WantTabs() const { return fWantTabs; }
  void SetWantTabs(bool Value) { fWantTabs = Value; }
  TSynEditKeyStrokes& Keystrokes() { return *fKeyStrokes; }
  void SetKeystrokes(const TSynEditKeyStrokes* Value);
  virtual void SetDefaultKeystrokes();
  TSynGutter& Gutter() { return *fGutter; }
  void SetGutter(const TSynGutter& Value) { fGutter->Assign(Value); }
  TSynSelectedColor& SelectedColor() { return *fSelectedColor; }
  void SetSelectedColor(const TSynSelectedColor& Value) { fSelectedColor->Assign(Value); }
  TSynBookMarkOpt& BookMarkOptions() { return *fBookMarkOpt; }
  void SetBookMarkOptions(const TSynBookMarkOpt& Value) { fBookMarkOpt->Assign(Value); }
  TSynEditMarkList& Marks() { return *fMarkList; }
  TSynEditSearchCustom* SearchEngine() const { return fSearchEngine; }
  bool ShowSpecialChars() const { return fShowSpecialChars; }
  // Reactions to the option objects' changes.
  void SelectedColorsChanged(TObject* Sender);
  void BookMarkOptionsChanged(TObject* Sender);
  void GutterChanged(TObject* Sender);
  void MarkListChange(TObject* Sender);

  // The class library's events of every control, run first by the key and
  // mouse handlers.
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;
  TKeyEvent OnKeyUp;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;
  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;

  // The events, in declaration order.
  TNotifyEvent OnChange;
  TPlaceMarkEvent OnClearBookmark;
  TProcessCommandEvent OnCommandProcessed;
  TDropFilesEvent OnDropFiles;
  TGutterClickEvent OnGutterClick;
  TMouseCursorEvent OnMouseCursor;
  TPaintEvent OnPaint;
  TPlaceMarkEvent OnPlaceBookmark;
  TProcessCommandEvent OnProcessCommand;
  TProcessCommandEvent OnProcessUserCommand;
  TReplaceTextEvent OnReplaceText;
  TSpecialLineColorsEvent OnSpecialLineColors;
  TContextHelpEvent OnContextHelp;
  TScrollEvent OnScroll;
  TLineNumberEvent OnLineNumber;
  TGutterGetTextEvent OnGutterGetText;
  TGutterPaintEvent OnGutterPaint;
  TPaintTransient OnPaintTransient;
  TStatusChangeEvent OnStatusChange;

 protected:
  // The line store's item events (binding.cpp). A derived control that keeps
  // something per line follows the change first, then calls these: their
  // rescan reports lines (RangesRescanned) by their new places. A multi-line
  // insertion or deletion reports its first line only: the change in the line
  // count tells how many.
  virtual void ListAdded(int Index, const std::string& S);
  virtual void ListInserted(int Index, const std::string& S);
  virtual void ListDeleted(int Index);
  virtual void ListPutted(int Index, const std::string& S);
  virtual void ListCleared(TObject* Sender);
  // Lines First..Last (0-based) were scanned for their end states again:
  // their text or the state they begin in may have changed.
  virtual void RangesRescanned(int First, int Last);

  bool Destroying() const { return fDestroying; }
  TSynStateFlags StateFlags() const { return fStateFlags; }
  void Include(TSynStateFlags Flags) { fStateFlags |= Flags; }
  void Exclude(TSynStateFlags Flags) { fStateFlags &= static_cast<TSynStateFlags>(~Flags); }
  // The canvas of the paint in progress, none outside Paint.
  platform::Canvas* PaintCanvas() const { return fPaintCanvas; }

 private:
  friend class TSynEditPlugin;

  // Window
  platform::WindowHost* fHost = nullptr;
  bool fDestroying = false;
  int fWidth = 200;
  int fHeight = 150;
  TCursor fCursor = crIBeam;
  TColor fColor = clWindow;
  std::unique_ptr<TFont> fFont;  // the control's Font

  // Fields of the control, in declaration order.
  TPoint fBlockBegin{1, 1};
  TPoint fBlockEnd{1, 1};
  int fCaretX = 1;
  int fLastCaretX = 1;
  int fCaretY = 1;
  int fCharsInWindow = 0;
  int fCharWidth = 0;
  std::unique_ptr<TFont> fFontDummy;  // own font, the fixed-pitch substitute
  int fImeCount = 0;
  bool fMBCSStepAside = false;
  bool fInserting = true;
  TSynEditStringList* fLines = nullptr;  // the store in use
  std::unique_ptr<TSynEditStringList> fOrigLines;
  std::unique_ptr<TSynEditUndoList> fOrigUndoList;
  std::unique_ptr<TSynEditUndoList> fOrigRedoList;
  int fLinesInWindow = 0;
  int fLeftChar = 1;
  int fMaxLineWidth = 1024;
  int fPaintLock = 0;
  bool fReadOnly = false;
  int fRightEdge = 80;
  TColor fRightEdgeColor = clSilver;
  TColor fScrollHintColor = clInfoBk;
  TScrollHintFormat fScrollHintFormat = shfTopLineOnly;
  TScrollStyle fScrollBars = ssBoth;
  int fTextHeight = 0;
  int fTextOffset = 0;
  int fTopLine = 1;
  TSynCustomHighlighter* fHighlighter = nullptr;
  std::unique_ptr<TSynSelectedColor> fSelectedColor;
  TColor fActiveLineColor = clNone;
  TSynEditUndoList* fUndoList = nullptr;  // the lists in use
  TSynEditUndoList* fRedoList = nullptr;
  std::array<TSynEditMark*, 10> fBookMarks{};
  int fMouseDownX = 0;
  int fMouseDownY = 0;
  std::unique_ptr<TSynBookMarkOpt> fBookMarkOpt;
  TBorderStyle fBorderStyle = bsSingle;
  bool fHideSelection = false;
  int fMouseWheelAccumulator = 0;
  TSynEditCaretType fOverwriteCaret = ctBlock;
  TSynEditCaretType fInsertCaret = ctVerticalLine;
  TPoint fCaretOffset;
  std::unique_ptr<TSynEditKeyStrokes> fKeyStrokes;
  std::unique_ptr<TSynEditMarkList> fMarkList;
  int fExtraLineSpacing = 0;
  TSynSelectionMode fSelectionMode = smNormal;
  bool fWantReturns = true;
  bool fWantTabs = false;
  std::unique_ptr<TSynGutter> fGutter;
  int fTabWidth = 8;
  std::unique_ptr<TheTextDrawer> fTextDrawer;
  TRect fInvalidateRect;
  // The window the pixels show (scroll_pending.cpp).
  int fShownTopLine = 1;
  int fShownLeftChar = 1;
  // The selection as the pixels show it (selection.cpp).
  struct {
    TPoint Begin{1, 1};
    TPoint End{1, 1};
    TSynSelectionMode Mode = smNormal;
  } fShownSelection;
  TSynStateFlags fStateFlags = 0;
  TSynEditorOptions fOptions = 0;
  TSynStatusChanges fStatusChanges = 0;
  std::uint16_t fLastKey = 0;
  TShiftState fLastShiftState;
  TSynEditSearchCustom* fSearchEngine = nullptr;
  std::unique_ptr<std::vector<THookedCommandHandlerEntry>> fHookedCommandHandlers;
  std::unique_ptr<TSynEditKbdHandler> fKbdHandler;
  std::vector<platform::WindowHost*> fFocusList;
  std::vector<TSynEditPlugin*> fPlugins;  // owned: freed by the destructor
  struct {
    bool Enabled = false;
    int Interval = 100;
  } fScrollTimer;
  static constexpr int kScrollTimerId = 1;
  int fScrollDeltaX = 0;
  int fScrollDeltaY = 0;
  bool fShowSpecialChars = false;
  bool fScrollHintShown = false;
  TCustomSynEdit* fChainedEditor = nullptr;
  int fGutterWidth = 0;
  // The number font as last fitted, and what it was fitted to.
  struct {
    std::unique_ptr<TFont> Font;
    TFontDesc Asked;
    int Room = 0;
    TFontStyles BaseStyle = 0;
    int CellWidth = 0;
  } fGutterNumbers;
  std::unique_ptr<TSynInternalImage> fInternalImage;
  int fPaintTransientLock = 0;
  bool fAlwaysShowCaret = false;
  bool fScrolling = false;
  platform::Canvas* fPaintCanvas = nullptr;

  // Editing engine
  bool fModified = false;
  bool fWordWrap = false;
  // While a redo runs a line break: the line the undo removed.
  std::optional<std::string> fRedoneLine;
  TPoint fLastInsertStart{1, 1};
  TPoint fLastInsertEnd{1, 1};
  // The built-in commands that change the text (edit_commands.cpp).
  void ExecuteEditCommand(TSynEditorCommand Command, char AChar, void* Data);
  void TypeChar(char AChar);
  void TypeImeString(const std::string& S);
  // Fills Line (the caret line's text) with blanks up to the caret and
  // records them; false when nothing was needed.
  bool PadToCaret(std::string& Line);
  // A selection end as a deletion records it: in normal mode an end in
  // virtual space stands at the line's end, since the gap holds nothing.
  TPoint UndoPoint(TPoint P) const;
  void DeleteLastChar();
  void DeleteChar();
  void DeleteForward(TSynEditorCommand Command);
  void DeleteBackward(TSynEditorCommand Command);
  void DeleteLine();
  void InsertLineBreak(bool MoveCaret);
  void SetMarkerCommand(int BookMark, const void* Data);
  // Replaces the text from Start to End (taken in Mode) by Value inserted in
  // Mode, without recording; the replay and the commands share it.
  void ReplaceRange(const TPoint& Start, const TPoint& End, TSynSelectionMode Mode, std::string_view Value);
  std::string TextRange(const TPoint& Start, const TPoint& End, TSynSelectionMode Mode);
  // Stores an edited line. Trimming (eoTrimTrailingSpaces) takes only blanks
  // that the edit added, never the first Keep characters, which the line
  // had: an undo could not give them back.
  void StoreEditedLine(int Index, const std::string& Text, std::size_t Keep);
  // The insertion and deletion steps of SetSelTextPrimitiveEx.
  void DeleteSelectionPrimitive(TPoint BB, TPoint BE);
  int InsertNormal(std::string_view Value);
  int InsertColumn(std::string_view Value, bool AddToUndoList);
  int InsertLinesMode(std::string_view Value);
  // The steps of a paste between its begin and end markers (clipboard.cpp).
  void PasteText(TSynSelectionMode Mode, const std::string& Text);
  void EndPaste(bool Wrapped);
  // Undo and redo of one item.
  void UndoItem();
  void RedoItem();
  void RedoLineBreak(const std::string& Line);
  void ReplayPlacement(const TSynEditUndoItem& Item, TSynEditUndoList& Mirror);
  void SelectRange(const TPoint& Start, const TPoint& End);
  // The smart Back-space target: the indentation to go back to from N.
  int SmartBackTarget(int N, int FromLine) const;

  // Mouse and drags (mouse.cpp, drag_drop.cpp)
  bool fClickPending = false;  // a single left press not yet released
  bool fDragTarget = false;    // a drag is over this editor
  std::unique_ptr<platform::InProcessDrag> fDrag;
  bool MouseCaptured() const;
  void StopScrollTimer();
  void BeginDrag(int X, int Y);
  void EndDrag(int X, int Y);
  void CancelDrag();
  void FinishDrag();

  // Scrolling that waits (scroll_pending.cpp)
  bool HoldsRepaints() const { return (fStateFlags & sfLinesChanging) || ScrollPending(); }
  // Deferred while a paint lock or a line-store change is open.
  bool DefersScrolling() const { return fPaintLock != 0 || (fStateFlags & sfLinesChanging); }
  void ScrollPixels();
  void ReleaseHeldRepaints();
  // The held repaints follow a move of the window by (Columns, Lines).
  void MoveHeldRepaints(std::int64_t Columns, std::int64_t Lines);
  // Repaints the rows whose selected part differs from what they show.
  void InvalidateSelectionChange();

  // Scrolling (scroll.cpp)
  void WMVScroll(platform::TScrollCode Code, int Pos);
  void WMHScroll(platform::TScrollCode Code, int Pos);
  void ShowScrollHint(int TrackPos);

  // Highlighter end states (binding.cpp)
  RangeWatermark fRanges;
  // The last line whose end state a change scans at once.
  int RangeScanLimit() const;
  // Lines new at Index (Count of them) or changed there (Count 0).
  int ScanChanged(int Index, int Count);
  int RescanRanges(int Index, int Through, int Limit);

  // Shared text buffers (line_store_sharing.cpp)
  TFreeNotifiers fFreeNotifies;
  void LinesHookChanged();
  void ShowOwnText();
  void SharedBufferReleased(TObject* Sender);
  // The destructor's first step: every tie to another editor's text goes.
  void ReleaseTextBuffers();
};

// The control as the windows use it; it adds nothing to TCustomSynEdit.
class TSynEdit : public TCustomSynEdit {
 public:
  using TCustomSynEdit::TCustomSynEdit;
};

}  // namespace kau::editor
