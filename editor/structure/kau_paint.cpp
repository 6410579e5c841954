// What TSynEditKAU adds to the paint of the text rows: the bracket marks, the
// token drawn as a link and the structure lines. The transient events and
// the hover only invalidate cells; everything is drawn here, so that it
// scrolls with the text and a repaint never leaves a stale mark.
#include <algorithm>
#include <cstdint>

#include "editor/structure/bracket_mark.h"
#include "editor/structure/syn_edit_kau.h"

namespace kau::editor {

void TSynEditKAU::PaintTextLines(TRect AClip, int FirstLine, int LastLine, int FirstCol, int LastCol) {
  TRect textClip = AClip;
  textClip.Left = std::max(AClip.Left, GutterWidth() + 2);
  // The highlighter states the rows begin in, and the structures of a text
  // or highlighter shown since the last change or of lines not matched so
  // far, are brought up to date first: rows whose states or structure
  // lines change are drawn by this paint where it covers them.
  if (PaintCanvas() && textClip.Left < textClip.Right) {
    struct AboutToPaint {
      std::optional<TRect>& slot;
      ~AboutToPaint() { slot.reset(); }
    } scope{fAboutToPaint};
    fAboutToPaint = AClip;
    if (LastLine >= FirstLine) ScanRangesThrough(LastLine - 2);
    if (StructuresOn()) RefreshStructures(LastLine);
  }
  TSynEdit::PaintTextLines(AClip, FirstLine, LastLine, FirstCol, LastCol);
  if (!PaintCanvas() || textClip.Left >= textClip.Right) return;
  PaintBracketMarks(textClip, FirstLine, LastLine);
  PaintTokenLink(textClip, FirstLine, LastLine);
  PaintStructure(textClip, FirstLine, LastLine);
}

// Only the parts outside the area a paint is about to draw are asked for.
void TSynEditKAU::InvalidateRect(const TRect& ARect, bool AErase) {
  const TRect inside = fAboutToPaint ? IntersectRect(ARect, *fAboutToPaint) : TRect{};
  if (inside.IsEmpty()) {
    TSynEdit::InvalidateRect(ARect, AErase);
    return;
  }
  for (const TRect& part : {TRect{ARect.Left, ARect.Top, ARect.Right, inside.Top},
                            TRect{ARect.Left, inside.Bottom, ARect.Right, ARect.Bottom},
                            TRect{ARect.Left, inside.Top, inside.Left, inside.Bottom},
                            TRect{inside.Right, inside.Top, ARect.Right, inside.Bottom}})
    if (!part.IsEmpty()) TSynEdit::InvalidateRect(part, AErase);
}

void TSynEditKAU::DrawCells(TPoint Position, std::string_view Text, TFontStyles Style, TColor Fore, TColor Back,
                            const TRect& AClip) {
  TheTextDrawer& drawer = TextDrawer();
  drawer.SetStyle(Style);
  drawer.BeginDrawing(PaintCanvas());
  drawer.SetForeColor(Fore);
  drawer.SetBackColor(Back);
  for (std::size_t i = 0; i < Text.size(); ++i, ++Position.X) {
    const TPixelPoint p = RowColumnToPixels(Position);
    if (p.X < GutterWidth() + 2) continue;  // scrolled under the gutter
    TRect cell{p.X, p.Y, p.X + CharWidth(), p.Y + LineHeight()};
    cell.Left = std::max(cell.Left, AClip.Left);
    cell.Right = std::min(cell.Right, AClip.Right);
    if (cell.Left >= cell.Right) continue;
    drawer.ExtTextOut(p.X, p.Y, platform::ETO_OPAQUE | platform::ETO_CLIPPED, cell, Text.substr(i, 1), 1);
  }
  drawer.EndDrawing();
}

void TSynEditKAU::PaintBracketMarks(const TRect& AClip, int FirstLine, int LastLine) {
  if (!fShowBracketPair || !fBracket) return;
  const TFontStyles style = Font().Style();
  const auto draw = [&](TPoint at, char c) {
    if (at.Y >= FirstLine && at.Y <= LastLine)
      DrawCells(at, std::string_view(&c, 1), style, Font().Color(), ShowBracketPairColor, AClip);
  };
  draw(fBracket->At, fBracket->Bracket);
  if (fBracket->PartnerAt.X >= 1 && fBracket->PartnerAt.Y >= 1) draw(fBracket->PartnerAt, fBracket->Partner);
}

void TSynEditKAU::PaintTokenLink(const TRect& AClip, int FirstLine, int LastLine) {
  const THighlightTokenInfo& info = *fTokenInfo;
  if (!info.Active || info.Position.Y < FirstLine || info.Position.Y > LastLine) return;
  const TColor back = info.Attributes.Background() != clNone ? info.Attributes.Background() : Color();
  DrawCells({info.StartColumn, info.Position.Y}, info.Token, info.Attributes.Style() | fsUnderline, clBlue, back,
            AClip);
}

void TSynEditKAU::PaintStructure(const TRect& AClip, int FirstLine, int LastLine) {
  if (!fShowStruture || !StructuresOn()) return;
  platform::Canvas& canvas = *PaintCanvas();
  const int saved = canvas.SaveState();
  canvas.IntersectClipRect(AClip);
  canvas.SetPen(fStructureLineColor, 1, platform::psAlternate);
  for (int i = 0; i < fStructures->GetCount(); ++i) {
    TStructure& s = *fStructures->GetStructure(i);
    // The line covers the rows from the one below the opener to the
    // closer's, whose top pixel it starts at: nothing to draw outside them.
    if (s.OpenPoint.Y > LastLine || s.ClosePoint.Y < FirstLine || s.OpenPoint.Y > s.ClosePoint.Y) continue;
    const TPixelPoint p1 = RowColumnToPixels(s.ClosePoint);
    const TPixelPoint p2 = RowColumnToPixels(s.OpenPoint);
    const int x = p1.X;
    if (x <= GutterWidth() || x < AClip.Left || x >= AClip.Right) continue;
    // Only the part inside the clip is drawn, its dots where the whole
    // line has them (every other pixel counted from the closer's row).
    std::int64_t from = p1.Y;
    if (from > AClip.Bottom) from -= (from - AClip.Bottom) / 2 * 2;
    const std::int64_t to = std::max<std::int64_t>(p2.Y, std::int64_t{AClip.Top} - 1);
    if (from > to) canvas.Line({x, static_cast<int>(from)}, {x, static_cast<int>(to)});
    s.bounds = {x, p2.Y, x, static_cast<int>(std::min<std::int64_t>(std::int64_t{p1.Y} + LineHeight(), INT32_MAX))};
  }
  canvas.RestoreState(saved);
}

// ---- Bracket marks ------------------------------------------------------------

std::optional<TSynEditKAU::ShownBracket> TSynEditKAU::BracketMarksNow() {
  TSynCustomHighlighter* highlighter = Highlighter();
  if (!fShowBracketPair || !highlighter || CaretY() < 1 || CaretY() > LineCount()) return std::nullopt;
  ScanRangesThrough(CaretY() - 2);
  const SynRange start = CaretY() == 1 ? InitialRange(*highlighter) : Lines().GetRange(CaretY() - 2);
  const std::optional<BracketMark> mark = FindBracketMark(LineText(CaretY()), CaretXY(), start, *highlighter);
  if (!mark) return std::nullopt;
  TPoint partner = GetMatchingBracketEx(mark->At, false);
  if (partner.X < 1 || partner.Y < 1) partner = {0, 0};
  return ShownBracket{mark->At, mark->Bracket, partner, mark->Partner};
}

void TSynEditKAU::InvalidateCell(TPoint Position) {
  if (Position.Y < TopLine() || Position.Y > TopLine() + LinesInWindow()) return;
  const TPixelPoint p = RowColumnToPixels(Position);
  InvalidateRect({p.X, p.Y, p.X + CharWidth(), p.Y + LineHeight()}, false);
}

void TSynEditKAU::RefreshBracketMarks() {
  std::optional<ShownBracket> now = BracketMarksNow();
  if (now == fBracket) return;
  for (const auto& marks : {fBracket, now}) {
    if (!marks) continue;
    InvalidateCell(marks->At);
    if (marks->PartnerAt.Y >= 1) InvalidateCell(marks->PartnerAt);
  }
  fBracket = now;
}

void TSynEditKAU::PaintTransient(TObject*, platform::Canvas&, TTransientType TransientType) {
  if (TransientType == ttAfter) RefreshBracketMarks();
}

}  // namespace kau::editor
