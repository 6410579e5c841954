// Painting: which lines and columns a repaint covers, the gutter with its
// numbers, border and marks, and the hooks after the text.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/options/bookmark_glyphs.h"

namespace kau::editor {

void TCustomSynEdit::Paint(platform::Canvas& ACanvas, const TRect& AClip) {
  if (fCharWidth <= 0 || fTextHeight <= 0) return;
  if (ScrollPending()) {
    // An event loop run inside a paint lock paints while a scroll waits:
    // the pixels outside the clip still show the old window, so all of it
    // is painted afresh.
    fShownTopLine = fTopLine;
    fShownLeftChar = fLeftChar;
    fInvalidateRect = {};
    if (HandleAllocated()) fHost->InvalidateRect(nullptr, false);
  }
  struct CanvasScope {
    platform::Canvas*& slot;
    platform::Canvas* saved;
    ~CanvasScope() { slot = saved; }
  } scope{fPaintCanvas, fPaintCanvas};
  fPaintCanvas = &ACanvas;

  const int textLeft = fGutterWidth + 2;
  std::int64_t firstCol = fLeftChar;
  if (AClip.Left > textLeft) firstCol += (std::int64_t{AClip.Left} - textLeft) / fCharWidth;
  const std::int64_t lastCol = firstCol + (std::int64_t{AClip.Right} - textLeft + fCharWidth - 1) / fCharWidth;
  const int firstLine = ClampToInt(std::max<std::int64_t>(AClip.Top / fTextHeight + std::int64_t{fTopLine}, fTopLine));
  const int lastLine = ClampToInt(std::min<std::int64_t>(
      (std::int64_t{AClip.Bottom} + fTextHeight - 1) / fTextHeight + fTopLine, LineCount()));

  HideCaret();
  TRect painted = AClip;
  if (AClip.Left < fGutterWidth) {
    painted.Right = fGutterWidth;
    PaintGutter(painted, firstLine, lastLine);
  }
  if (AClip.Right > fGutterWidth) {
    painted = AClip;
    painted.Left = std::max(painted.Left, fGutterWidth);
    PaintTextLines(painted, firstLine, lastLine, ClampToInt(firstCol), ClampToInt(lastCol));
  }
  PluginsAfterPaint(ACanvas, painted, firstLine, lastLine);
  DoOnPaint();
  DoOnPaintTransient(ttAfter);
  UpdateCaret();
}

void TCustomSynEdit::PaintGutter(const TRect& AClip, int FirstLine, int LastLine) {
  platform::Canvas* canvas = fPaintCanvas;
  if (!canvas || fTextHeight <= 0) return;
  if (FirstLine == 1 && LastLine == 0) LastLine = 1;
  const TColor gutterColor = fGutter->Color();
  auto rowTop = [this](int Line) { return ClampToInt((std::int64_t{Line} - fTopLine) * fTextHeight); };

  if (fGutter->ShowLineNumbers()) {
    const bool ownFont = fGutter->UseFontStyle();
    if (ownFont) fTextDrawer->SetBaseFont(&GutterNumberFont());
    else fTextDrawer->SetStyle(0);
    fTextDrawer->BeginDrawing(canvas);
    struct EndDrawing {
      TCustomSynEdit& edit;
      bool ownFont;
      ~EndDrawing() {
        edit.fTextDrawer->EndDrawing();
        if (ownFont) edit.fTextDrawer->SetBaseFont(edit.fFont.get());
      }
    } endDrawing{*this, ownFont};
    fTextDrawer->SetForeColor(ownFont ? fGutter->Font().Color() : fFont->Color());
    fTextDrawer->SetBackColor(gutterColor);
    TRect row{AClip.Left, 0, std::max(AClip.Right, fGutterWidth - 2), rowTop(FirstLine)};
    const int textHeight = fTextDrawer->GetCharHeight();
    const int cellWidth = fTextDrawer->GetCharWidth();
    for (int line = FirstLine; line <= LastLine; ++line) {
      row.Top = row.Bottom;
      row.Bottom = ClampToInt(std::int64_t{row.Top} + fTextHeight);
      int number = line;
      if (OnLineNumber) OnLineNumber(this, number);
      std::string text = number < 1 ? std::string() : fGutter->FormatLineNumber(number);
      if (OnGutterGetText) OnGutterGetText(this, line, text);
      const std::int64_t width = static_cast<std::int64_t>(text.size()) * cellWidth;
      const int x = ClampToInt(std::int64_t{fGutterWidth} - fGutter->RightOffset() - 2 - width);
      fTextDrawer->ExtTextOut(x, row.Top + (fTextHeight - textHeight) / 2, platform::ETO_OPAQUE, row, text,
                              static_cast<int>(text.size()));
    }
    if (row.Bottom < AClip.Bottom) canvas->FillRect({row.Left, row.Bottom, row.Right, AClip.Bottom}, gutterColor);
  } else {
    canvas->FillRect(AClip, gutterColor);
  }

  if (fGutter->BorderStyle() != gbsNone && AClip.Right >= fGutterWidth - 2) {
    auto border = [&](int x, TColor color) {
      canvas->SetPen(color, 1, platform::psSolid);
      canvas->Line({x, AClip.Top}, {x, AClip.Bottom});
    };
    if (fGutter->BorderStyle() == gbsMiddle) {
      border(fGutterWidth - 2, fColor);
      border(fGutterWidth - 1, gutterColor);
    } else {
      border(fGutterWidth - 1, fColor);
    }
  }

  const bool marks = fBookMarkOpt->GlyphsVisible() && fMarkList->Count() > 0 && FirstLine <= LastLine;
  if (!marks) {
    if (OnGutterPaint)
      for (int line = FirstLine; line <= LastLine; ++line) OnGutterPaint(this, line, 0, rowTop(line));
    return;
  }
  // The x, past LeftMargin, where the next glyph of each row goes.
  std::vector<int> offsets(static_cast<std::size_t>(std::max(LastLine - fTopLine + 1, 0)), 0);
  int outside = 0;
  auto offsetOf = [&](int Line) -> int& {
    const std::int64_t r = std::int64_t{Line} - fTopLine;
    return r >= 0 && r < static_cast<std::int64_t>(offsets.size()) ? offsets[static_cast<std::size_t>(r)] : outside;
  };
  TImageList* images = fBookMarkOpt->BookmarkImages();
  const int leftMargin = fBookMarkOpt->LeftMargin();
  const int step = fBookMarkOpt->Xoffset();
  auto drawMark = [&](const TSynEditMark& mark, bool secondPass) {
    int& offset = offsetOf(mark.Line());
    const int y = rowTop(mark.Line());
    if (images && !mark.InternalImage()) {
      if (mark.ImageIndex() < 0 || mark.ImageIndex() >= images->Count()) return;
      if (!secondPass) offset = 0;
      else if (offset == 0) offset = step;
      images->Draw(*canvas, leftMargin + offset, y, mark.ImageIndex(), true);
      offset += step;
      return;
    }
    if (mark.ImageIndex() < 0 || mark.ImageIndex() > 9) return;
    if (!fInternalImage) fInternalImage = std::make_unique<TSynInternalImage>("SynEditInternalImages", 10);
    // The strip's background is left out, so that the gutter and the number
    // under the glyph show around the flag.
    if (offset == 0)
      fInternalImage->DrawMarkTransparent(*canvas, mark.ImageIndex(), leftMargin + offset, y, fTextHeight,
                                          kGlyphBackground);
    offset += step;
  };
  std::vector<const TSynEditMark*> later;
  for (int i = 0; i < fMarkList->Count(); ++i) {
    const TSynEditMark& mark = *fMarkList->Get(i);
    if (!mark.Visible() || mark.Line() < FirstLine || mark.Line() > LastLine) continue;
    if (mark.IsBookmark() == fBookMarkOpt->DrawBookmarksFirst()) drawMark(mark, false);
    else later.push_back(&mark);
  }
  for (const TSynEditMark* mark : later) drawMark(*mark, true);
  if (OnGutterPaint)
    for (int line = FirstLine; line <= LastLine; ++line) OnGutterPaint(this, line, offsetOf(line), rowTop(line));
}

}  // namespace kau::editor
