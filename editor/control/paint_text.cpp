// Painting of the text rows: the right edge, the selection in its three
// modes, the caret line's and special lines' colours, the tokens of the
// highlighter merged into as few text calls as their looks allow, the marks
// for blanks, tabs and line ends, and the fill right of and below the text.
#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "platform/draw/font_services.h"

namespace kau::editor {

namespace {

constexpr char kMiddleDot = '\xB7';
constexpr char kTabGlyph = '\xBB';
constexpr char kPilcrow = '\xB6';
constexpr unsigned kOpaqueClipped = platform::ETO_OPAQUE | platform::ETO_CLIPPED;

// Tabs count as blanks: the expanded text shows them as blank cells.
bool BlanksOnly(std::string_view Text) {
  return std::all_of(Text.begin(), Text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The background of a row: the caret line's colour, else the highlighter's
// whitespace background, else the control's colour.
TColor EditorBackground(const TCustomSynEdit& Edit, bool CaretLine) {
  if (CaretLine && Edit.ActiveLineColor() != clNone) return Edit.ActiveLineColor();
  if (const TSynCustomHighlighter* h = Edit.Highlighter()) {
    const TSynHighlighterAttributes* attr = h->GetDefaultAttribute(SYN_ATTR_WHITESPACE);
    if (attr && attr->Background() != clNone) return attr->Background();
  }
  return Edit.Color();
}

class TextRowsPainter {
 public:
  TextRowsPainter(TCustomSynEdit& Edit, platform::Canvas& Canvas, const TRect& Clip, int FirstCol, int LastCol)
      : fEdit(Edit),
        fCanvas(Canvas),
        fDrawer(Edit.TextDrawer()),
        fClip(Clip),
        fFirstCol(FirstCol),
        fLastCol(LastCol),
        fShowSpecial(Edit.ShowSpecialChars()) {
    fAccumulator.reserve(static_cast<std::size_t>(std::max(128, Edit.CharsInWindow())));
  }

  void ComputeSelection(int FirstLine, int LastLine);
  void PaintRow(int Line);

 private:
  int ColumnX(std::int64_t Column) const {
    return ClampToInt((Column - 1) * fEdit.CharWidth() + fEdit.TextOffset());
  }
  void SetColors(TColor Fg, TColor Bg) {
    fDrawer.SetForeColor(Fg);
    fDrawer.SetBackColor(Bg);
  }
  void PaintToken(std::string_view Token, int CharsBefore, int First, int Last);
  void PaintTabGlyphs(std::string_view Token, int CharsBefore, std::int64_t Index, int Last);
  void PaintPlainRow(const std::string& Text);
  void PaintHighlightedRow(TSynCustomHighlighter& Highlighter, int Line, const std::string& Text);
  void AddHighlightToken(std::string_view Token, int CharsBefore, TFontStyles Style, TColor Bg, TColor Fg);
  void PaintHighlightToken(bool FillToEndOfLine);
  void FillRest(int Left, TColor Bg);
  int Overhang() const;

  TCustomSynEdit& fEdit;
  platform::Canvas& fCanvas;
  TheTextDrawer& fDrawer;
  TRect fClip;
  int fFirstCol;
  int fLastCol;
  bool fShowSpecial;

  // The selection, in display positions.
  bool fAnySelection = false;
  TPoint fSelStart, fSelEnd;

  // The row being painted.
  TRect fRowRect, fTokenRect;
  int fLineSelStart = 0, fLineSelEnd = 0;
  bool fComplexRow = false, fRowSelected = false, fCaretLine = false, fSpecialRow = false;
  TColor fRowFg = clNone, fRowBg = clNone, fSelFg = clNone, fSelBg = clNone;

  // Neighbouring tokens of one look, painted in one call.
  std::string fAccumulator;
  int fAccCharsBefore = 0;
  TColor fAccFg = clNone, fAccBg = clNone;
  TFontStyles fAccStyle = 0;
};

void TextRowsPainter::ComputeSelection(int FirstLine, int LastLine) {
  fAnySelection = !(fEdit.HideSelection() && !fEdit.Focused()) && fEdit.BlockBegin() != fEdit.BlockEnd();
  if (!fAnySelection) return;
  TPoint start = fEdit.BlockBegin(), end = fEdit.BlockEnd();
  if (end.Y < start.Y || (end.Y == start.Y && end.X < start.X)) std::swap(start, end);
  fAnySelection = end.Y >= FirstLine && start.Y <= LastLine;
  if (fEdit.SelectionMode() == smColumn && start.X > end.X) std::swap(start.X, end.X);
  fSelStart = fEdit.LogicalToPhysicalPos(start);
  fSelEnd = fEdit.LogicalToPhysicalPos(end);
}

void TextRowsPainter::PaintRow(int Line) {
  const int lineHeight = fEdit.LineHeight();
  const int top = ClampToInt((std::int64_t{Line} - fEdit.TopLine()) * lineHeight);
  fRowRect = {fClip.Left, top, fClip.Right, ClampToInt(std::int64_t{top} + lineHeight)};
  const std::string text = fEdit.Lines().GetExpandedString(Line - 1);

  fLineSelStart = fLineSelEnd = 0;
  fComplexRow = false;
  const TSynSelectionMode mode = fEdit.SelectionMode();
  if (fAnySelection && fSelStart.Y <= Line && Line <= fSelEnd.Y) {
    fLineSelStart = fFirstCol;
    fLineSelEnd = ClampToInt(std::int64_t{fLastCol} + 1);
    if (mode == smColumn || (mode == smNormal && Line == fSelStart.Y)) {
      if (fSelStart.X > fLastCol) {
        fLineSelStart = fLineSelEnd = 0;
      } else if (fSelStart.X > fFirstCol) {
        fLineSelStart = fSelStart.X;
        fComplexRow = true;
      }
    }
    if (mode == smColumn || (mode == smNormal && Line == fSelEnd.Y)) {
      if (fSelEnd.X < fFirstCol) {
        fLineSelStart = fLineSelEnd = 0;
      } else if (fSelEnd.X < fLastCol) {
        fLineSelEnd = fSelEnd.X;
        fComplexRow = true;
      }
    }
    if (mode == smColumn) fEdit.MBCSGetSelRangeInLineWhenColumnSelectionMode(text, fLineSelStart, fLineSelEnd);
  }

  fCaretLine = Line == fEdit.CaretY();
  fRowFg = fEdit.Font().Color();
  fRowBg = EditorBackground(fEdit, fCaretLine);
  fSpecialRow = fEdit.DoOnSpecialLineColors(Line, fRowFg, fRowBg);
  if (fSpecialRow) {
    fSelFg = fRowBg;
    fSelBg = fRowFg;
  } else {
    fSelFg = fEdit.SelectedColor().Foreground();
    fSelBg = fEdit.SelectedColor().Background();
  }
  fRowSelected = !fComplexRow && fLineSelStart > 0;
  fTokenRect = fRowRect;

  TSynCustomHighlighter* highlighter = fEdit.Highlighter();
  if (highlighter && highlighter->Enabled()) PaintHighlightedRow(*highlighter, Line, text);
  else PaintPlainRow(text);
}

void TextRowsPainter::PaintPlainRow(const std::string& Text) {
  const std::string text = fShowSpecial ? Text + kPilcrow : Text;
  if (!fComplexRow) {
    if (fRowSelected) SetColors(fSelFg, fSelBg);
    else SetColors(fRowFg, fRowBg);
    PaintToken(text, 0, fFirstCol, fLastCol);
    return;
  }
  auto piece = [&](int First, int Last, int RightColumn) {
    fTokenRect.Left = std::max(fRowRect.Left, ColumnX(First));
    fTokenRect.Right = std::min(fRowRect.Right, ColumnX(RightColumn));
    PaintToken(text, 0, First, Last);
  };
  SetColors(fRowFg, fRowBg);
  piece(fFirstCol, fLineSelStart, fLineSelStart);
  piece(fLineSelEnd, fLastCol, fLastCol);
  SetColors(fSelFg, fSelBg);
  piece(fLineSelStart, fLineSelEnd - 1, fLineSelEnd);
}

void TextRowsPainter::PaintHighlightedRow(TSynCustomHighlighter& Highlighter, int Line, const std::string& Text) {
  if (Line == 1) Highlighter.ResetRange();
  else Highlighter.SetRange(fEdit.Lines().GetRange(Line - 2));
  Highlighter.SetLine(Text, Line - 1);
  fAccumulator.clear();
  const TSynHighlighterAttributes* lastAttr = nullptr;
  bool reachedEol = true;
  while (!Highlighter.GetEol()) {
    const int pos = Highlighter.GetTokenPos();
    if (pos >= fLastCol) {
      reachedEol = false;
      break;
    }
    const std::string token = Highlighter.GetToken();
    const TSynHighlighterAttributes* attr = Highlighter.GetTokenAttribute();
    if (std::int64_t{pos} + static_cast<std::int64_t>(token.size()) >= fFirstCol) {
      if (attr) AddHighlightToken(token, pos, attr->Style(), attr->Background(), attr->Foreground());
      else AddHighlightToken(token, pos, fEdit.Font().Style(), fRowBg, fRowFg);
    }
    lastAttr = attr;
    Highlighter.Next();
  }
  if (fShowSpecial && reachedEol) {
    const TSynHighlighterAttributes* comment = Highlighter.GetDefaultAttribute(SYN_ATTR_COMMENT);
    const TSynHighlighterAttributes* look =
        lastAttr && lastAttr == comment ? comment : Highlighter.GetDefaultAttribute(SYN_ATTR_WHITESPACE);
    const int column = ClampToInt(static_cast<std::int64_t>(Text.size()));
    AddHighlightToken(std::string_view(&kPilcrow, 1), column, 0, look ? look->Background() : clNone,
                      look ? look->Foreground() : clNone);
  }
  PaintHighlightToken(true);
}

void TextRowsPainter::AddHighlightToken(std::string_view Token, int CharsBefore, TFontStyles Style, TColor Bg,
                                        TColor Fg) {
  if (Bg == clNone || (fCaretLine && fEdit.ActiveLineColor() != clNone)) Bg = EditorBackground(fEdit, fCaretLine);
  if (Fg == clNone) Fg = fEdit.Font().Color();
  if (!fAccumulator.empty()) {
    const bool blanks = BlanksOnly(Token);
    const bool stylesAgree =
        Style == fAccStyle || (!((Style | fAccStyle) & fsUnderline) && blanks);
    const bool rowColorsRule =
        fRowSelected || (fSpecialRow && !(fEdit.Options() & eoSpecialLineDefaultFg));
    const bool colorsAgree = rowColorsRule || (Bg == fAccBg && (Fg == fAccFg || blanks));
    if (stylesAgree && colorsAgree) {
      const std::size_t needed = fAccumulator.size() + Token.size();
      if (needed > fAccumulator.capacity()) fAccumulator.reserve(needed + 32);
      fAccumulator.append(Token);
      return;
    }
    PaintHighlightToken(false);
  }
  fAccumulator.assign(Token);
  fAccCharsBefore = CharsBefore;
  fAccFg = Fg;
  fAccBg = Bg;
  fAccStyle = Style;
}

void TextRowsPainter::PaintHighlightToken(bool FillToEndOfLine) {
  const std::int64_t count = static_cast<std::int64_t>(fAccumulator.size());
  const int c1 = ClampToInt(std::max<std::int64_t>(fFirstCol, std::int64_t{fAccCharsBefore} + 1));
  const int c2 = ClampToInt(std::min<std::int64_t>(fLastCol, std::int64_t{fAccCharsBefore} + count + 1));
  bool crosses = false, touches = fRowSelected, before = false, after = false;
  if (fComplexRow) {
    before = c1 < fLineSelStart;
    after = c2 >= fLineSelEnd;
    touches = c1 < fLineSelEnd && c2 >= fLineSelStart;
    crosses = touches && (before || after);
  }
  if (count > 0) {
    TColor fg = fRowFg, bg = fRowBg;
    if (!fSpecialRow) {
      fg = fAccFg;
      bg = fAccBg;
    } else if (fEdit.Options() & eoSpecialLineDefaultFg) {
      fg = fAccFg;
    }
    fDrawer.SetStyle(fAccStyle);
    if (crosses) {
      if (before) {
        SetColors(fg, bg);
        fTokenRect.Right = ColumnX(fLineSelStart);
        PaintToken(fAccumulator, fAccCharsBefore, c1, fLineSelStart);
      }
      const int first = std::max(fLineSelStart, c1), last = std::min(fLineSelEnd, c2);
      SetColors(fSelFg, fSelBg);
      fTokenRect.Right = ColumnX(last);
      PaintToken(fAccumulator, fAccCharsBefore, first, last);
      if (after) {
        SetColors(fg, bg);
        fTokenRect.Right = ColumnX(c2);
        PaintToken(fAccumulator, fAccCharsBefore, fLineSelEnd, c2);
      }
    } else {
      if (touches) SetColors(fSelFg, fSelBg);
      else SetColors(fg, bg);
      fTokenRect.Right = ColumnX(c2);
      PaintToken(fAccumulator, fAccCharsBefore, c1, c2);
    }
  }
  if (FillToEndOfLine && fTokenRect.Left < fRowRect.Right) {
    int left = std::max(fTokenRect.Left, fRowRect.Left);
    if (count > 0 && fAccStyle != 0) left += Overhang();
    FillRest(left, fRowBg);
  }
}

// How far the last character of the accumulator reaches past its cell,
// as an italic one does.
int TextRowsPainter::Overhang() const {
  const platform::PlatformFont* font = fDrawer.FontStock().FontHandle();
  if (!font) return 0;
  const unsigned char ch = static_cast<unsigned char>(fAccumulator.back());
  platform::FontServices& fonts = platform::Fonts();
  std::int64_t width;
  TAbc abc;
  if (fonts.GetCharABCWidths(*font, ch, abc)) {
    width = std::int64_t{abc.A} + abc.B + (abc.C >= 0 ? abc.C : 0);
  } else {
    const char c = static_cast<char>(ch);
    width = fonts.TextExtent(*font, std::string_view(&c, 1)).cx;
  }
  return ClampToInt(std::max<std::int64_t>(width - fEdit.CharWidth(), 0));
}

// The row right of the last token: the selection's part in its colours.
void TextRowsPainter::FillRest(int Left, TColor Bg) {
  auto fill = [&](int Right, TColor Color) {
    Right = std::min(Right, fRowRect.Right);
    if (Left < Right) fCanvas.FillRect({Left, fRowRect.Top, Right, fRowRect.Bottom}, Color);
    Left = std::max(Left, Right);
  };
  if (fComplexRow) {
    fill(ColumnX(fLineSelStart), Bg);
    fill(ColumnX(fLineSelEnd), fSelBg);
    fill(fRowRect.Right, Bg);
  } else {
    fill(fRowRect.Right, fRowSelected ? fSelBg : Bg);
  }
}

void TextRowsPainter::PaintToken(std::string_view Token, int CharsBefore, int First, int Last) {
  if (Last >= First && fTokenRect.Left < fTokenRect.Right && fTokenRect.Top < fTokenRect.Bottom) {
    std::string text(Token);
    const std::int64_t length = static_cast<std::int64_t>(text.size());
    bool hasTabs = false;
    const std::int64_t from = std::max<std::int64_t>(std::int64_t{First} - CharsBefore, 1);
    const std::int64_t to = std::min<std::int64_t>(std::int64_t{Last} - CharsBefore, length);
    for (std::int64_t i = from; i <= to; ++i) {
      char& c = text[static_cast<std::size_t>(i - 1)];
      if (c == ' ' && fShowSpecial) {
        c = kMiddleDot;
      } else if (c == '\t') {
        c = ' ';
        hasTabs = hasTabs || fShowSpecial;
      }
    }
    std::int64_t index = std::int64_t{First} - CharsBefore;
    int x = ColumnX(First);
    if (index < 1) {
      index = 1;
      x = ColumnX(std::int64_t{CharsBefore} + 1);
    }
    if (index > length) {
      fDrawer.ExtTextOut(x, fTokenRect.Top, kOpaqueClipped, fTokenRect, {}, 0);
    } else {
      const std::int64_t n = std::min(std::int64_t{Last} - CharsBefore - index + 1, length - index + 1);
      fDrawer.ExtTextOut(x, fTokenRect.Top, kOpaqueClipped, fTokenRect,
                         std::string_view(text).substr(static_cast<std::size_t>(index - 1)), ClampToInt(n));
      if (hasTabs) PaintTabGlyphs(Token, CharsBefore, index, Last);
    }
  }
  fTokenRect.Left = fTokenRect.Right;
}

// One » in the middle of the cells of each tab of the piece.
void TextRowsPainter::PaintTabGlyphs(std::string_view Token, int CharsBefore, std::int64_t Index, int Last) {
  std::string copy(Token);
  for (std::int64_t i = 0; i < Index - 1 && i < static_cast<std::int64_t>(copy.size()); ++i)
    if (copy[static_cast<std::size_t>(i)] == '\t') copy[static_cast<std::size_t>(i)] = ' ';
  const std::int64_t limit = std::min<std::int64_t>(std::int64_t{Last} - CharsBefore,
                                                    static_cast<std::int64_t>(copy.size()));
  const int tabWidth = std::max(fEdit.TabWidth(), 1);
  const int charWidth = fEdit.CharWidth();
  std::size_t found = copy.find('\t', static_cast<std::size_t>(Index - 1));
  while (found != std::string::npos && static_cast<std::int64_t>(found) + 1 <= limit) {
    const std::int64_t i = static_cast<std::int64_t>(found) + 1;
    std::int64_t k = tabWidth - (i + CharsBefore - 1) % tabWidth;
    if (k == 0) k = tabWidth;
    const int x = ClampToInt(std::int64_t{ColumnX(CharsBefore + i + k / 2 - 1)} + (k % 2 == 0 ? charWidth / 2 : charWidth));
    const TRect cell{x, fTokenRect.Top, ClampToInt(std::int64_t{x} + fDrawer.GetCharWidth()), fTokenRect.Bottom};
    fDrawer.ExtTextOut(x, fTokenRect.Top, kOpaqueClipped, cell, std::string_view(&kTabGlyph, 1), 1);
    const std::size_t end = std::min(copy.size(), found + static_cast<std::size_t>(k));
    std::fill(copy.begin() + static_cast<std::ptrdiff_t>(found), copy.begin() + static_cast<std::ptrdiff_t>(end), ' ');
    found = copy.find('\t', end);
  }
}

}  // namespace

void TCustomSynEdit::PaintTextLines(TRect AClip, int FirstLine, int LastLine, int FirstCol, int LastCol) {
  platform::Canvas* canvas = fPaintCanvas;
  if (!canvas || fCharWidth <= 0 || fTextHeight <= 0) return;
  const TColor background = EditorBackground(*this, false);
  const std::int64_t edgeX = std::int64_t{fRightEdge} * fCharWidth + fTextOffset;
  const bool drawEdge = fRightEdge > 0 && edgeX >= AClip.Left && edgeX <= AClip.Right;
  auto edge = [&](int Top, int Bottom) {
    if (!drawEdge) return;
    canvas->SetPen(fRightEdgeColor, 1, platform::psSolid);
    canvas->Line({static_cast<int>(edgeX), Top}, {static_cast<int>(edgeX), Bottom});
  };

  const int textLeft = fGutterWidth + 2;
  if (AClip.Left < textLeft) {
    if (fHighlighter) fHighlighter->ResetRange();
    canvas->FillRect({std::max(AClip.Left, fGutterWidth), AClip.Top, textLeft, AClip.Bottom}, background);
    AClip.Left = textLeft;
  }

  if (LastLine >= FirstLine) {
    ScanRangesThrough(LastLine - 2);  // each row begins in the state the row above ends in
    TextRowsPainter painter(*this, *canvas, AClip, FirstCol, LastCol);
    painter.ComputeSelection(FirstLine, LastLine);
    fTextDrawer->SetStyle(fFont->Style());
    fTextDrawer->BeginDrawing(canvas);
    struct EndDrawing {
      TheTextDrawer& drawer;
      ~EndDrawing() { drawer.EndDrawing(); }
    } endDrawing{*fTextDrawer};
    for (int line = FirstLine; line <= LastLine; ++line) {
      painter.PaintRow(line);
      const int top = ClampToInt((std::int64_t{line} - fTopLine) * fTextHeight);
      edge(top, ClampToInt(std::int64_t{top} + fTextHeight + 1));
    }
  }

  const int below = ClampToInt((std::int64_t{LastLine} - fTopLine + 1) * fTextHeight);
  if (below < AClip.Bottom) {
    canvas->FillRect({AClip.Left, std::max(below, AClip.Top), AClip.Right, AClip.Bottom}, background);
    edge(std::max(below, AClip.Top), ClampToInt(std::int64_t{AClip.Bottom} + 1));
  }
}

}  // namespace kau::editor
