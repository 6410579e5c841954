// TSynEditKAU: the editor control of the program's editor windows. It is
// TSynEdit with three additions, all drawn in the paint path:
//   - structure lines: a dotted vertical line from each closing word of a
//     block pair (BEGIN=END, ...) up to the line below its opening word;
//   - bracket marks: the bracket left of the caret and its partner on a
//     colour of their own;
//   - token hover: with Ctrl held, a token that OnMouseOverToken accepts is
//     drawn as a link (blue, underlined, hand cursor) and a click on it
//     raises OnTokenClick.
// The structure words are kept (StructureCache) for the lines that hold
// some: a change scans only the lines it touched, and only as far as the
// structures in view need; the window repaints only where the structures in
// view changed. Structures() is the whole text's list: reading it matches
// the rest.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "editor/control/syn_edit.h"
#include "editor/structure/structure_cache.h"
#include "editor/structure/structures.h"

namespace kau::editor {

using TOnMouseOverToken = Method<void(TObject* Sender, const std::string& Token, int TokenType,
                                      TSynHighlighterAttributes* Attri, bool& Highlight)>;
using TOnTokenClick = Method<void(TObject* Sender, TPoint XY, const std::string& Token, int TokenType,
                                  TSynHighlighterAttributes* Attri)>;

// The token drawn as a link.
struct THighlightTokenInfo {
  std::string Token;
  int StartColumn = 0;  // 1-based
  bool Active = false;
  TPoint Position;  // where the mouse found it (text position)
  TSynHighlighterAttributes Attributes{"Holder"};
  int TokenType = 0;
  void SetAttributes(const TSynHighlighterAttributes& source) { Attributes.Assign(source); }
};

class TSynEditKAU : public TSynEdit {
 public:
  explicit TSynEditKAU(TObject* AOwner = nullptr);
  ~TSynEditKAU() override;

  // ---- Structures ---------------------------------------------------------
  TColor StructureLineColor() const { return fStructureLineColor; }
  // clNone turns the structures off.
  void SetStructureLineColor(TColor Value);
  bool ShowStruture() const { return fShowStruture; }
  void SetShowStrutureLine(bool Value);
  // One pair a line, "OPENER=CLOSER". Changing the list directly takes
  // effect at once, as through SetTokenStruture.
  TSynEditStringList& StrutureTokens() { return *fStrutureTokens; }
  // Upper-cases the letters of every line of List in place and takes it as
  // the pairs.
  void SetTokenStruture(TStrings& List);
  // Matches the text afresh (as far as the window needs; the rest when
  // painted or asked for).
  void BuildStructure();
  // Every structure of the text.
  const TStructures& Structures() const;
  // How many lines the structure updates have scanned so far (for tests
  // and measurements).
  long long StructureLinesScanned() const { return fLinesScanned; }

  // ---- Bracket marks ------------------------------------------------------
  bool ShowBracketPair() const { return fShowBracketPair; }
  void SetShowBracketPair(bool Value);
  // Stored only: the next repaint of the marks uses it.
  TColor ShowBracketPairColor = clLime;
  struct ShownBracket {
    TPoint At;
    char Bracket;
    TPoint PartnerAt;  // (0, 0) when the bracket has no partner
    char Partner;
    friend bool operator==(const ShownBracket&, const ShownBracket&) = default;
  };
  // The marks as the next paint draws them.
  const std::optional<ShownBracket>& BracketMarks() const { return fBracket; }

  // ---- Token hover --------------------------------------------------------
  const THighlightTokenInfo& TokenInfo() const { return *fTokenInfo; }
  // On a highlighted token a click raises OnTokenClick instead of the
  // control's own click.
  void Click() override;
  virtual void DoTokenCheck(TShiftState Shift, int X, int Y);

  // platform::WindowClient
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyDown(std::uint16_t& Key, TShiftState Shift) override;
  void KeyUp(std::uint16_t& Key, TShiftState Shift) override;
  void MouseEnter() override;
  void MouseLeave() override;

  void LinesChanged(TObject* Sender) override;
  void PaintTextLines(TRect AClip, int FirstLine, int LastLine, int FirstCol, int LastCol) override;
  void InvalidateRect(const TRect& ARect, bool AErase) override;
  void DoOnStatusChange(TSynStatusChanges Changes) override;
  void DoOnPaintTransientEx(TTransientType TransientType, bool Lock) override;

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseExit;
  TOnMouseOverToken OnMouseOverToken;
  TOnTokenClick OnTokenClick;

 protected:
  void ListAdded(int Index, const std::string& S) override;
  void ListInserted(int Index, const std::string& S) override;
  void ListDeleted(int Index) override;
  void ListPutted(int Index, const std::string& S) override;
  void ListCleared(TObject* Sender) override;
  void RangesRescanned(int First, int Last) override;

  void PaintStructure(const TRect& AClip, int FirstLine, int LastLine);
  // The transient-paint event: the marks move with the caret, so their old
  // and new cells are repainted.
  void PaintTransient(TObject* Sender, platform::Canvas& ACanvas, TTransientType TransientType);
  void HighlightToken(TPoint Position, const std::string& Token, int Start, TSynHighlighterAttributes& Attri,
                      int TokenType);
  void InvalidateToken();

 private:
  void StrutureTokensChanged(TObject* Sender);
  // Brings the structures up to the text, those of every opener up to line
  // Through (1-based) at least; repaints the rows of those in view that
  // came or went.
  void RefreshStructures(int Through);
  void RefreshStructures() { RefreshStructures(TopLine() + LinesInWindow()); }
  bool StructuresOn() const { return fStructureLineColor != clNone && Highlighter(); }
  void RefreshBracketMarks();
  std::optional<ShownBracket> BracketMarksNow();
  void InvalidateCell(TPoint Position);
  // Draws Text in the cells from Position on, skipping those left of the text area.
  void DrawCells(TPoint Position, std::string_view Text, TFontStyles Style, TColor Fore, TColor Back,
                 const TRect& AClip);
  void PaintBracketMarks(const TRect& AClip, int FirstLine, int LastLine);
  void PaintTokenLink(const TRect& AClip, int FirstLine, int LastLine);

  std::unique_ptr<TStructures> fStructures;
  bool fStructuresSorted = false;  // in the order Structures() gives
  std::unique_ptr<THighlightTokenInfo> fTokenInfo;
  TColor fStructureLineColor = clRed;
  bool fTokenHighlighted = false;
  bool fShowBracketPair = true;
  bool fShowStruture = true;
  std::unique_ptr<TSynEditStringList> fStrutureTokens;

  // The highlighter states the structure scan reads: the control's own.
  class States : public LineStartStates {
   public:
    explicit States(TSynEditKAU& Edit) : fEdit(Edit) {}
    void ScanThrough(int Index) override { fEdit.ScanRangesThrough(Index); }
    SynRange StartState(int Index) override;
    int RightThrough() const override { return fEdit.RangesRightThrough(); }

   private:
    TSynEditKAU& fEdit;
  };

  StructureCache fCache;
  States fStates{*this};
  // What the kept structure words were scanned from.
  const TSynEditStringList* fScannedLines = nullptr;
  const TSynCustomHighlighter* fScannedHighlighter = nullptr;
  std::optional<ShownBracket> fBracket;
  // While the structures are matched at the start of a paint: the area
  // that paint draws next, which needs no second paint.
  std::optional<TRect> fAboutToPaint;
  long long fLinesScanned = 0;
};

}  // namespace kau::editor
