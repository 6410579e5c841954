// TSynEditPrint: laying the lines out in pages and drawing a page.
#include <algorithm>

#include "editor/print/syn_edit_print.h"
#include "editor/print/wrap_text.h"
#include "text/code_pages.h"

namespace kau::editor {

namespace {

TSynCharSet Chars(std::string_view chars) {
  TSynCharSet set;
  for (char c : chars) set[static_cast<unsigned char>(c)] = true;
  return set;
}

const TSynCharSet kBreakChars = Chars("\t ,-");
const TSynCharSet kLastResortBreakChars = Chars(").;");

}  // namespace

void TSynEditPrint::InitPrint() {
  fFontColor = fFont.Color();
  // Fonts are sized by their point size at the printer's resolution.
  const int ppi = fPrinterInfo.YPixPrInch();
  fFont.ChangePixelsPerInchKeepingSize(ppi);
  fHeader.SetPixPrInch(ppi);
  fFooter.SetPixPrInch(ppi);
  // Cells wide and tall enough for every style.
  TFontDesc allStyles = fFont.Desc();
  allStyles.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
  const TTextMetrics tm = PrintTextMetrics(allStyles);
  fCharWidth = tm.AveCharWidth;
  fLineHeight = tm.Height + tm.ExternalLeading;
  // The number column fits the highest number printed.
  fMargins.InitPage(1, fPrinterInfo, fFont.Desc(), fLineNumbers, fLineNumbersInMargin,
                    fLines.Count() + fLineOffset);
  CalcPages();
  fHeader.InitPrint(fPageCount, Title, &fMargins);
  fFooter.InitPrint(fPageCount, Title, &fMargins);
  fColoring = Highlight && fHighlighter && fLines.Count() > 0;
}

void TSynEditPrint::InitRanges() {
  if (fRangesOK || !fHighlighter || fLines.Count() == 0) return;
  fHighlighter->ResetRange();
  fLines.PutRange(0, fHighlighter->GetRange());
  for (int i = 1; i < fLines.Count(); ++i) {
    const std::string line = fLines.Get(i - 1);
    fHighlighter->SetLine(line, i - 1);
    fHighlighter->NextToEol();
    fLines.PutRange(i, fHighlighter->GetRange());
  }
  fRangesOK = true;
}

void TSynEditPrint::CalcMaxCol() {
  fMaxWidth = fMargins.PRight - fMargins.PLeft;
  // The most "W" that stay narrower than the text area.
  const TFontDesc& font = fFont.Desc();
  int lo = 0, hi = std::max(0, fMaxWidth);
  while (lo < hi) {
    const int mid = (lo + hi + 1) / 2;
    if (PrintTextExtent(font, std::string(static_cast<std::size_t>(mid), 'W')).cx < fMaxWidth)
      lo = mid;
    else
      hi = mid - 1;
  }
  // Every character advances by the cell width, so no more cells than fit.
  fMaxCol = fCharWidth > 0 ? std::min(lo, fMaxWidth / fCharWidth) : lo;
  if (fMaxCol <= 0 || fLineHeight <= 0 || fLineHeight > fMargins.PBottom - fMargins.PTop)
    throw ESynEditPrint(text::cp1252("As margens não deixam espaço para o texto."));
  fMaxWidth = PrintTextExtent(font, std::string(static_cast<std::size_t>(fMaxCol), 'W')).cx;
}

std::vector<TSynEditPrint::TRow> TSynEditPrint::RowsOf(const std::string& Text) const {
  const int length = static_cast<int>(Text.size());
  if (length <= fMaxCol) return {{0, length}};
  if (!fWrap) return {{0, fMaxCol}};
  std::vector<int> breaks;
  if (!WrapTextEx(Text, kBreakChars, fMaxCol, breaks) && !WrapTextEx(Text, kLastResortBreakChars, fMaxCol, breaks))
    for (int at = fMaxCol; at < length; at += fMaxCol) breaks.push_back(at);
  std::vector<TRow> rows;
  int start = 0;
  for (int at : breaks) {
    rows.push_back({start, at});
    start = at;
  }
  rows.push_back({start, length});
  return rows;
}

int TSynEditPrint::FirstLine() const { return fSelectedOnly ? std::max(0, fBlockBegin.Y - 1) : 0; }

int TSynEditPrint::LastLine() const {
  return fSelectedOnly ? std::min(fLines.Count() - 1, fBlockEnd.Y - 1) : fLines.Count() - 1;
}

std::string TSynEditPrint::PrintedText(int Line, int& StartColumn) const {
  const std::string text = fLines.Get(Line);
  StartColumn = 1;
  if (!fSelectedOnly || fSelMode == smLine) return text;
  const auto cut = [&](int from, int to) {  // display columns, `to` excluded
    from = std::clamp(from, 1, static_cast<int>(text.size()) + 1);
    to = std::clamp(to, from, static_cast<int>(text.size()) + 1);
    StartColumn = from;
    return text.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
  };
  const int end = static_cast<int>(text.size()) + 1;
  if (fSelMode == smColumn)
    return cut(std::min(fBlockBegin.X, fBlockEnd.X), std::max(fBlockBegin.X, fBlockEnd.X));
  const bool first = Line == fBlockBegin.Y - 1, last = Line == fBlockEnd.Y - 1;
  return cut(first ? fBlockBegin.X : 1, last ? fBlockEnd.X : end);
}

void TSynEditPrint::CalcPages() {
  InitRanges();
  fPages.clear();
  CalcMaxCol();
  fPages.push_back({FirstLine(), 0});
  const int pageHeight = fMargins.PBottom - fMargins.PTop;
  int y = fMargins.PTop;
  for (int line = FirstLine(); line <= LastLine(); ++line) {
    int column;
    const int rows = static_cast<int>(RowsOf(PrintedText(line, column)).size());
    // A line that fits on a page is never split: it starts the next one.
    if (y > fMargins.PTop && y + rows * fLineHeight > fMargins.PBottom && rows * fLineHeight <= pageHeight) {
      fPages.push_back({line, 0});
      y = fMargins.PTop;
    }
    for (int row = 0; row < rows; ++row) {
      if (y + fLineHeight > fMargins.PBottom) {
        fPages.push_back({line, row});
        y = fMargins.PTop;
      }
      y += fLineHeight;
    }
  }
  fPageCount = static_cast<int>(fPages.size());
  fPagesCounted = true;
}

void TSynEditPrint::PrintPage(int Num) {
  bool abort = false;
  PrintStatus(psNewPage, Num, abort);
  if (fAbort) return;
  // This page's margins (mirrored pages differ) before anything is drawn.
  fMargins.InitPage(Num, fPrinterInfo, fFont.Desc(), fLineNumbers, fLineNumbersInMargin,
                    fLines.Count() + fLineOffset);
  fCanvas->FillRect({fMargins.PLeft, fMargins.PTop, fMargins.PRight, fMargins.PBottom}, Color);
  fHeader.Print(*fCanvas, Num + PageOffset);
  fYPos = fMargins.PTop;
  const TPageStart start = fPages[static_cast<std::size_t>(Num - 1)];
  const TPageStart end = Num < fPageCount ? fPages[static_cast<std::size_t>(Num)] : TPageStart{LastLine() + 1, 0};
  for (int line = start.Line; line <= std::min(end.Line, LastLine()); ++line) {
    if (line == end.Line && end.Row == 0) break;
    int column;
    const std::string text = PrintedText(line, column);
    const int rows = static_cast<int>(RowsOf(text).size());
    const int firstRow = line == start.Line ? start.Row : 0;
    const int endRow = line == end.Line ? end.Row : rows;
    fLineNumber = line + 1;
    WriteLine(line, text, firstRow, endRow);
    if (endRow == rows) PrintLine(line + 1, Num);
  }
  fFooter.Print(*fCanvas, Num + PageOffset);
}

void TSynEditPrint::WriteLine(int Line, const std::string& Text, int FirstRow, int EndRow) {
  if (fLineNumbers && FirstRow == 0) WriteLineNumber();
  TextOut(Line, Text, RowsOf(Text), FirstRow, EndRow);
  fYPos += (EndRow - FirstRow) * fLineHeight;
}

void TSynEditPrint::WriteLineNumber() {
  const std::string number = std::to_string(fLineNumber + fLineOffset) + ": ";
  TFontDesc plain = fFont.Desc();
  plain.SetStyle(0);
  const int saved = fCanvas->SaveState();
  fCanvas->SelectFont(fFonts.Get(plain));
  fCanvas->SetTextColor(clBlack);
  fCanvas->SetBkColor(Color);
  const int width = PrintTextExtent(plain, number).cx;
  const TRect cell{fMargins.PLeft - width, fYPos, fMargins.PLeft, fYPos + fLineHeight};
  fCanvas->ExtTextOut(cell.Left, fYPos, platform::ETO_OPAQUE, &cell, number, nullptr);
  fCanvas->RestoreState(saved);
}

void TSynEditPrint::DrawPiece(const std::string& Text, int Start, int End, int x, int y, const TFontDesc& Font,
                              TColor Fore, TColor Back) {
  if (End <= Start) return;
  const std::vector<int> advances(static_cast<std::size_t>(End - Start), fCharWidth);
  const TRect cell{x, y, x + (End - Start) * fCharWidth, y + fLineHeight};
  fCanvas->SelectFont(fFonts.Get(Font));
  fCanvas->SetTextColor(Fore);
  fCanvas->SetBkColor(Back);
  fCanvas->ExtTextOut(x, y, platform::ETO_OPAQUE, &cell,
                      std::string_view(Text).substr(static_cast<std::size_t>(Start), static_cast<std::size_t>(End - Start)),
                      advances.data());
}

void TSynEditPrint::TextOut(int Line, const std::string& Text, const std::vector<TRow>& Rows, int FirstRow,
                            int EndRow) {
  const int saved = fCanvas->SaveState();
  const auto rowTop = [&](int row) { return fYPos + (row - FirstRow) * fLineHeight; };
  if (!fColoring) {
    for (int row = FirstRow; row < EndRow; ++row) {
      const TRow& r = Rows[static_cast<std::size_t>(row)];
      DrawPiece(Text, r.Start, r.End, fMargins.PLeft, rowTop(row), fFont.Desc(), fFontColor, Color);
    }
    fCanvas->RestoreState(saved);
    return;
  }
  fHighlighter->SetRange(fLines.GetRange(Line));
  fHighlighter->SetLine(Text, Line);
  while (!fHighlighter->GetEol()) {
    const int tokenStart = fHighlighter->GetTokenPos();
    const int tokenEnd = tokenStart + static_cast<int>(fHighlighter->GetToken().size());
    const TSynHighlighterAttributes* attr = fHighlighter->GetTokenAttribute();
    TFontDesc font = fFont.Desc();
    TColor fore = fFontColor, back = Color;
    if (attr) {
      font.SetStyle(attr->Style());
      if (Colors) {
        if (attr->Foreground() != clNone) fore = attr->Foreground();
        if (attr->Background() != clNone) back = attr->Background();
      }
    }
    // The token's pieces, one per row it reaches.
    for (int row = FirstRow; row < EndRow; ++row) {
      const TRow& r = Rows[static_cast<std::size_t>(row)];
      const int from = std::max(tokenStart, r.Start), to = std::min(tokenEnd, r.End);
      if (from < to)
        DrawPiece(Text, from, to, fMargins.PLeft + (from - r.Start) * fCharWidth, rowTop(row), font, fore, back);
    }
    fHighlighter->Next();
  }
  fCanvas->RestoreState(saved);
}

}  // namespace kau::editor
