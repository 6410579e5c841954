// The list window's metrics and painting.
#include <algorithm>

#include "editor/completion/completion_form.h"
#include "editor/completion/formatted_text.h"
#include "platform/draw/font_services.h"
#include "platform/draw/measure_canvas.h"

namespace kau::editor {

using namespace platform;

namespace {

// The sample text whose height is a font's row height.
constexpr std::string_view kHeightSample = "CompletionProposal";

// A one-pixel frame around a rectangle.
void FrameRect(Canvas& canvas, const TRect& r, TColor color) {
  canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1}, color);
  canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom}, color);
  canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom}, color);
  canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom}, color);
}

TRect Inflated(const TRect& r, int by) { return {r.Left - by, r.Top - by, r.Right + by, r.Bottom + by}; }

}  // namespace

std::string ParameterHintText(std::string_view Entry, int BoldIndex) {
  std::string text;
  int index = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = Entry.find(',', start);
    const std::string_view parameter = Entry.substr(start, comma == std::string_view::npos ? comma : comma - start);
    if (index > 0) text += ' ';
    if (index == BoldIndex) text += "\\style{~B}";
    text += parameter;
    if (index == BoldIndex) text += "\\style{~B}";
    if (comma == std::string_view::npos) return text;
    start = comma + 1;
    ++index;
  }
}

const std::string& TSynBaseCompletionProposalForm::AssignedItem(int Index) const {
  static const std::string none;
  if (Index < 0 || Index >= AssignedCount()) return none;
  const auto item = static_cast<std::size_t>(fAssigned[static_cast<std::size_t>(Index)]);
  return item < fItemList.size() ? fItemList[item] : none;
}

// ---- Metrics ----

void TSynBaseCompletionProposalForm::FontChanged(TObject*) {
  RecalcItemHeight();
  AdjustMetrics();
  AdjustScrollBarPosition();
  Repaint();
}

void TSynBaseCompletionProposalForm::RecalcItemHeight() {
  fFontHandle = Fonts().CreateFont(fFont.Desc());
  fTitleFontHandle = Fonts().CreateFont(fTitleFont.Desc());
  fFontHeight = Fonts().TextExtent(*fFontHandle, kHeightSample).cy;
  fTitleFontHeight = Fonts().TextExtent(*fTitleFontHandle, kHeightSample).cy;
  fEffectiveItemHeight = fItemHeight >= 1 ? fItemHeight : fFontHeight;
}

void TSynBaseCompletionProposalForm::AdjustMetrics() {
  fTitleHeight = fTitle.empty() ? 0 : fTitleFontHeight + 4;
}

TRect TSynBaseCompletionProposalForm::ItemArea() const {
  const TRect client = fHost.ClientRect();
  if (fDisplayKind != ctCode) return client;
  return {0, fTitleHeight, std::max(client.Right - fHost.ScrollBarWidth(), 0), std::max(client.Bottom, fTitleHeight)};
}

void TSynBaseCompletionProposalForm::AdjustScrollBarPosition() {
  if (fDisplayKind != ctCode) {
    fHost.SetScrollBarBounds({});
    return;
  }
  const TRect client = fHost.ClientRect();
  fHost.SetScrollBarBounds({client.Right - fHost.ScrollBarWidth(), fTitleHeight, client.Right, client.Bottom});
  const int last = AssignedCount() - fNbLinesInWindow;
  fHost.SetScrollInfo({0, std::max(last, 0), fNbLinesInWindow, fScrollPos, false});
  fHost.EnableScrollBar(last > 0);
}

int TSynBaseCompletionProposalForm::HintWidth() {
  MeasureCanvas canvas;
  int widest = 0;
  for (int i = 0; i < AssignedCount(); ++i) {
    const std::string& entry = AssignedItem(i);
    int width = 0;
    if (fDisplayKind == ctParams) {
      const auto parameters = static_cast<int>(std::count(entry.begin(), entry.end(), ',')) + 1;
      for (int bold = 0; bold < parameters; ++bold)
        width = std::max(width, FormattedTextWidth(canvas, fFont, ParameterHintText(entry, bold), &fColumns, fImages));
      if (OnMeasureItem) OnMeasureItem(this, LogicalToPhysicalIndex(i), canvas, width);
    } else {
      width = FormattedTextWidth(canvas, fFont, entry, &fColumns, fImages);
    }
    widest = std::max(widest, width);
  }
  return widest + 2 * fMargin + 2;
}

int TSynBaseCompletionProposalForm::HintHeight() const {
  return AssignedCount() * fEffectiveItemHeight + 2 + 2 * fMargin;
}

void TSynBaseCompletionProposalForm::Resized() {
  if (fEffectiveItemHeight != 0)
    fNbLinesInWindow = std::max((fHost.ClientRect().Height() - fTitleHeight) / fEffectiveItemHeight, 1);
  AdjustMetrics();
  SetScrollPos(fScrollPos);
  AdjustScrollBarPosition();
  Repaint();
}

void TSynBaseCompletionProposalForm::SetTitle(const std::string& Value) {
  fTitle = Value;
  RecalcItemHeight();
  AdjustMetrics();
  AdjustScrollBarPosition();
  Repaint();
}

void TSynBaseCompletionProposalForm::SetItemHeight(int Value) {
  if (Value == fItemHeight) return;
  fItemHeight = Value;
  RecalcItemHeight();
}

void TSynBaseCompletionProposalForm::ApplyFrame() {
  fHost.SetFrame(fDisplayKind != ctCode ? pfHint : fResizeable ? pfSizeable : pfFixed);
}

void TSynBaseCompletionProposalForm::SetResizeable(bool Value) {
  fResizeable = Value;
  ApplyFrame();
}

void TSynBaseCompletionProposalForm::SetDisplayKind(SynCompletionType Value) {
  fDisplayKind = Value;
  ApplyFrame();
  AdjustMetrics();
  AdjustScrollBarPosition();
  Repaint();
}

// ---- Painting ----

void TSynBaseCompletionProposalForm::Paint(Canvas& Canvas, const TRect&) {
  if (fDisplayKind != ctCode) {
    PaintHint(Canvas);
    return;
  }
  PaintList(Canvas);
  if (!fTitle.empty()) PaintTitle(Canvas);
}

void TSynBaseCompletionProposalForm::PaintList(Canvas& Canvas) {
  const TRect area = ItemArea();
  FrameRect(Canvas, area, clBtnFace);
  Canvas.FillRect(Inflated(area, -1), ClBackground);
  fSelectedFont.Assign(fFont);
  fSelectedFont.SetColor(ClSelectedText);
  const int h = fEffectiveItemHeight;
  // Rows only for entries that exist, whatever the scroll position says.
  const int rows = std::min(AssignedCount() - fScrollPos, fNbLinesInWindow);
  for (int r = 0; r < rows; ++r) {
    const int entry = fScrollPos + r;
    const TRect row{area.Left, area.Top + r * h, area.Right, area.Top + (r + 1) * h};
    PaintItemText(Canvas, entry, row, entry == fPosition);
  }
}

void TSynBaseCompletionProposalForm::PaintItemText(Canvas& Canvas, int Entry, const TRect& Row, bool Selected) {
  const int state = Canvas.SaveState();
  if (Selected) Canvas.FillRect(Row, ClSelect);
  Canvas.SelectFont(fFontHandle.get());
  Canvas.SetTextColor(Selected ? ClSelectedText : fFont.Color());
  Canvas.SetBkColor(Selected ? ClSelect : ClBackground);
  bool customDraw = false;
  if (OnPaintItem) OnPaintItem(this, LogicalToPhysicalIndex(Entry), Canvas, Row, customDraw);
  if (!customDraw) {
    const TRect text{Row.Left + fMargin, Row.Top, Row.Right, Row.Bottom};
    if (Has(scoUsePrettyText))
      FormattedTextOut(Canvas, Selected ? fSelectedFont : fFont, text, AssignedItem(Entry), Selected, &fColumns,
                       fImages);
    else
      Canvas.ExtTextOut(text.Left, text.Top, ETO_CLIPPED, &text, AssignedItem(Entry), nullptr);
  }
  Canvas.RestoreState(state);
}

void TSynBaseCompletionProposalForm::PaintTitle(Canvas& Canvas) {
  const TRect client = fHost.ClientRect();
  const TRect strip{0, 0, client.Right, fTitleHeight};
  Canvas.FillRect(strip, ClTitleBackground);
  FrameRect(Canvas, strip, clBtnShadow);
  const int state = Canvas.SaveState();
  Canvas.SelectFont(fTitleFontHandle.get());
  Canvas.SetTextColor(fTitleFont.Color());
  Canvas.SetBkColor(ClTitleBackground);
  int x = 2;
  if (Has(scoTitleIsCentered)) x = std::max((client.Right - Canvas.TextExtent(fTitle).cx) / 2, 2);
  Canvas.ExtTextOut(x, 2, ETO_CLIPPED, &strip, fTitle, nullptr);
  Canvas.RestoreState(state);
}

void TSynBaseCompletionProposalForm::PaintHint(Canvas& Canvas) {
  const TRect client = fHost.ClientRect();
  FrameRect(Canvas, client, SystemColor(COLOR_3DDKSHADOW));
  Canvas.FillRect(Inflated(client, -1), ClBackground);
  const int h = fEffectiveItemHeight;
  for (int i = 0; i < AssignedCount(); ++i) {
    const std::string& entry = AssignedItem(i);
    const TRect rect{fMargin, fMargin + i * h, client.Right, fMargin + (i + 1) * h};
    FormattedTextOut(Canvas, fFont, rect, fDisplayKind == ctParams ? ParameterHintText(entry, fPosition) : entry,
                     false, &fColumns, fImages);
  }
}

}  // namespace kau::editor
