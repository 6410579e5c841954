// The font, the character cell it gives and the layout that follows from it.
#include <algorithm>

#include "editor/control/syn_edit.h"
#include "platform/draw/font_services.h"

namespace kau::editor {

void TCustomSynEdit::SetFont(const TFont& Value) {
  platform::FontServices& fonts = platform::Fonts();
  const auto measured = fonts.CreateFont(Value.Desc());
  const TTextMetrics tm = fonts.GetTextMetrics(*measured);
  if (tm.AveCharWidth == tm.MaxCharWidth) {
    fFont->Assign(Value);
  } else {
    // The editor never paints with a proportional font.
    fFontDummy->SetColor(Value.Color());
    fFontDummy->SetHeight(Value.Height());
    fFontDummy->SetStyle(Value.Style());
    fFontDummy->SetName(Value.Name());
    fFontDummy->SetPitch(fpFixed);
    fFont->Assign(*fFontDummy);
  }
  if (fGutter->ShowLineNumbers()) GutterChanged(this);
}

void TCustomSynEdit::SynFontChanged(TObject*) {
  RecalcCharExtent();
  SizeOrFontChanged(true);
  if (Focused()) UpdateImeFont();
}

void TCustomSynEdit::RecalcCharExtent() {
  // The bold and italic combinations in use, in the order none, italic,
  // bold, bold + italic.
  static constexpr TFontStyles kCombinations[4] = {0, fsItalic, fsBold, fsBold | fsItalic};
  bool used[4] = {};
  auto note = [&used](TFontStyles style) {
    style &= fsBold | fsItalic;
    for (int i = 0; i < 4; ++i)
      if (kCombinations[i] == style) used[i] = true;
  };
  if (fHighlighter && fHighlighter->GetAttribCount() > 0) {
    for (int i = 0; i < fHighlighter->GetAttribCount(); ++i) note(fHighlighter->GetAttribute(i)->Style());
  } else {
    note(fFont->Style());
  }
  fTextDrawer->SetBaseFont(fFont.get());
  int height = 0;
  int width = 0;
  for (int i = 0; i < 4; ++i) {
    if (!used[i]) continue;
    fTextDrawer->SetBaseStyle(kCombinations[i]);
    height = std::max(height, fTextDrawer->GetCharHeight());
    width = std::max(width, fTextDrawer->GetCharWidth());
  }
  fCharWidth = width;
  // A negative spacing never makes a row vanish: rows divide the window.
  fTextHeight = std::max(1, height + fExtraLineSpacing);
}

void TCustomSynEdit::SizeOrFontChanged(bool bFont) {
  if (!HandleAllocated() || fCharWidth == 0) return;
  fCharsInWindow = std::max(ClientWidth() - fGutterWidth - 2, 0) / fCharWidth;
  fLinesInWindow = std::max(ClientHeight(), 0) / fTextHeight;
  if (bFont) {
    if (fGutter->ShowLineNumbers()) GutterChanged(this);
    else UpdateScrollBars();
    InitializeCaret();
    Exclude(sfCaretChanged);
    Invalidate();
  } else {
    UpdateScrollBars();
  }
  Exclude(sfScrollbarChanged);
  if (!(fOptions & eoScrollPastEol)) SetLeftChar(fLeftChar);
  if (!(fOptions & eoScrollPastEof)) SetTopLine(fTopLine);
}

void TCustomSynEdit::HighlighterAttrChanged(TObject* Sender) {
  RecalcCharExtent();
  if (dynamic_cast<TSynCustomHighlighter*>(Sender)) {
    TStringsUpdate update(*fLines);
    ListScanRanges(this);
  } else {
    Invalidate();
  }
  SizeOrFontChanged(true);
}

void TCustomSynEdit::SetExtraLineSpacing(int Value) {
  fExtraLineSpacing = Value;
  SynFontChanged(this);
}

}  // namespace kau::editor
