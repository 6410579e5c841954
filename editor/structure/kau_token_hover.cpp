// Token hover: with Ctrl held, the token under the mouse that
// OnMouseOverToken accepts becomes a link; a click on it raises OnTokenClick.
// Highlighting and removing only repaint the token's cells; the paint path
// draws the link.
#include "editor/structure/syn_edit_kau.h"

namespace kau::editor {

void TSynEditKAU::MouseMove(TShiftState Shift, int X, int Y) {
  TSynEdit::MouseMove(Shift, X, Y);
  fTokenHighlighted = false;
  DoTokenCheck(Shift, X, Y);
}

void TSynEditKAU::KeyDown(std::uint16_t& Key, TShiftState Shift) {
  if (Shift.Contains(ssCtrl) && HandleAllocated()) {
    const TPixelPoint p = Host()->CursorPos();
    if (p.X > 0 && p.Y > 0 && p.X < ClientWidth() && p.Y < ClientHeight()) DoTokenCheck(Shift, p.X, p.Y);
  }
  TSynEdit::KeyDown(Key, Shift);
}

void TSynEditKAU::KeyUp(std::uint16_t& Key, TShiftState Shift) {
  if (!Shift.Contains(ssCtrl)) {
    fTokenHighlighted = false;
    InvalidateToken();
  }
  TSynEdit::KeyUp(Key, Shift);
}

void TSynEditKAU::DoTokenCheck(TShiftState Shift, int X, int Y) {
  if (!Shift.Contains(ssCtrl) || !OnMouseOverToken) {
    InvalidateToken();
    return;
  }
  const TPoint position = PhysicalToLogicalPos(PixelsToRowColumn({X, Y}));
  std::string token;
  int tokenType = 0, start = 0;
  TSynHighlighterAttributes* attri = nullptr;
  if (!GetHighlighterAttriAtRowColEx(position, token, tokenType, start, attri) || token.empty() || !attri) {
    // Off every token: a click here must not follow the last one.
    InvalidateToken();
    return;
  }
  bool highlight = false;
  OnMouseOverToken(this, token, tokenType, attri, highlight);
  if (!highlight) {
    InvalidateToken();
  } else if (!fTokenHighlighted) {
    HighlightToken(position, token, start, *attri, tokenType);
    fTokenHighlighted = true;
  }
}

void TSynEditKAU::HighlightToken(TPoint Position, const std::string& Token, int Start,
                                 TSynHighlighterAttributes& Attri, int TokenType) {
  THighlightTokenInfo& info = *fTokenInfo;
  if (info.Active && (info.Token != Token || info.StartColumn != Start || info.Position.Y != Position.Y))
    InvalidateToken();
  const bool shown = info.Active;
  info.Position = Position;
  info.Token = Token;
  info.StartColumn = Start;
  info.SetAttributes(Attri);
  info.TokenType = TokenType;
  info.Active = true;
  if (!shown)
    for (int i = 0; i < static_cast<int>(Token.size()); ++i) InvalidateCell({Start + i, Position.Y});
  SetCursor(crHandPoint);
  UpdateMouseCursor();
}

void TSynEditKAU::InvalidateToken() {
  THighlightTokenInfo& info = *fTokenInfo;
  if (!info.Active) return;
  SetCursor(crIBeam);
  UpdateMouseCursor();
  info.Active = false;
  InvalidateLine(info.Position.Y);
}

void TSynEditKAU::Click() {
  const THighlightTokenInfo& info = *fTokenInfo;
  if (info.Active && OnTokenClick) {
    // A copy: the handler may move the mouse or change the text.
    THighlightTokenInfo clicked;
    clicked.Position = info.Position;
    clicked.Token = info.Token;
    clicked.TokenType = info.TokenType;
    clicked.SetAttributes(info.Attributes);
    OnTokenClick(this, clicked.Position, clicked.Token, clicked.TokenType, &clicked.Attributes);
    InvalidateToken();
    return;
  }
  TSynEdit::Click();
}

void TSynEditKAU::MouseEnter() {
  InvalidateToken();
  if (OnMouseEnter) OnMouseEnter(this);
  TSynEdit::MouseEnter();
}

void TSynEditKAU::MouseLeave() {
  InvalidateToken();
  if (OnMouseExit) OnMouseExit(this);
  TSynEdit::MouseLeave();
}

}  // namespace kau::editor
