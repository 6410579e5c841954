#include "editor/print/print_preview.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/draw/scaled_canvas.h"

namespace kau::editor {

TSynEditPrintPreview::TSynEditPrintPreview(platform::WindowHost& Host) : fHost(Host) {
  const TRect bounds = fHost.Bounds();
  fHost.SetBounds({bounds.Left, bounds.Top, bounds.Left + kInitialWidth, bounds.Top + kInitialHeight});
  fHost.SetAlign(platform::alClient);
  SizeChanged();
}

TSynEditPrintPreview::~TSynEditPrintPreview() { SetSynEditPrint(nullptr); }

void TSynEditPrintPreview::SetSynEditPrint(TSynEditPrint* Value) {
  if (fSynEditPrint) fSynEditPrint->RemoveFreeNotification(this);
  fSynEditPrint = Value;
  if (fSynEditPrint) fSynEditPrint->FreeNotification(this);
  SizeChanged();
  Invalidate();
}

void TSynEditPrintPreview::Notification(TObject* AComponent, TOperation Operation) {
  if (Operation != opRemove || AComponent != fSynEditPrint) return;
  fSynEditPrint = nullptr;
  SizeChanged();
  Invalidate();
}

TSynEditPrinterInfo& TSynEditPrintPreview::Info() const {
  return fSynEditPrint ? fSynEditPrint->PrinterInfo() : fDefaultInfo;
}

int TSynEditPrintPreview::HeightFromWidth(int Width) const {
  if (!fSynEditPrint) return MulDiv(Width, 141, 100);
  return MulDiv(Width, Info().PhysicalHeight(), Info().PhysicalWidth());
}

int TSynEditPrintPreview::WidthFromHeight(int Height) const {
  if (!fSynEditPrint) return MulDiv(Height, 100, 141);
  return MulDiv(Height, Info().PhysicalWidth(), Info().PhysicalHeight());
}

TSize TSynEditPrintPreview::Size100Percent() const {
  return {MulDiv(Info().PhysicalWidth(), kScreenPixelsPerInch, Info().XPixPrInch()),
          MulDiv(Info().PhysicalHeight(), kScreenPixelsPerInch, Info().YPixPrInch())};
}

void TSynEditPrintPreview::SizeChanged() {
  const TRect client = fHost.ClientRect();
  const int cw = client.Width(), ch = client.Height();
  int w = 0, h = 0;
  switch (fScaleMode) {
    case pscWholePage:
      w = cw - kFrame;
      h = ch - kFrame;
      if (WidthFromHeight(h) >= w)
        h = HeightFromWidth(w);
      else
        w = WidthFromHeight(h);
      break;
    case pscPageWidth:
      w = cw - kFrame;
      h = HeightFromWidth(w);
      break;
    case pscUserScaled: {
      const TSize full = Size100Percent();
      w = MulDiv(full.cx, fScalePercent, 100);
      h = MulDiv(full.cy, fScalePercent, 100);
      break;
    }
  }
  fPageSize = {w, h};
  fVirtualSize = {w + kFrame, h + kFrame};
  fVirtualOffset = {kOffset + std::max(0, (cw - fVirtualSize.cx) / 2),
                    kOffset + std::max(0, (ch - fVirtualSize.cy) / 2)};
  fScrollPosition = {0, 0};
  UpdateScrollbars();
}

void TSynEditPrintPreview::UpdateScrollbars() {
  using platform::sbHorizontal;
  using platform::sbVertical;
  const TRect client = fHost.ClientRect();
  // Greyed rather than hidden when the whole range fits.
  const auto pixels = [](int virtualSize, int clientSize, int pos) {
    return platform::TScrollInfo{0, virtualSize - 1, clientSize, -pos, true};
  };
  switch (fScaleMode) {
    case pscWholePage:
      fHost.ShowScrollBar(sbHorizontal, false);
      fHost.ShowScrollBar(sbVertical, true);
      fHost.SetScrollInfo(sbVertical, {1, std::max(1, GetPageCount()), 1, fPageNumber, true});
      break;
    case pscPageWidth:
      fHost.ShowScrollBar(sbHorizontal, false);
      fHost.ShowScrollBar(sbVertical, true);
      fHost.SetScrollInfo(sbVertical, pixels(fVirtualSize.cy, client.Height(), fScrollPosition.Y));
      break;
    case pscUserScaled:
      fHost.ShowScrollBar(sbHorizontal, true);
      fHost.ShowScrollBar(sbVertical, true);
      fHost.SetScrollInfo(sbHorizontal, pixels(fVirtualSize.cx, client.Width(), fScrollPosition.X));
      fHost.SetScrollInfo(sbVertical, pixels(fVirtualSize.cy, client.Height(), fScrollPosition.Y));
      break;
  }
}

void TSynEditPrintPreview::SetScaleMode(TSynPreviewScale Value) {
  if (Value == fScaleMode) return;
  fScaleMode = Value;
  SizeChanged();
  if (OnScaleChange) OnScaleChange(this);
  Invalidate();
}

void TSynEditPrintPreview::SetScalePercent(int Value) {
  Value = std::max(1, Value);
  if (Value == fScalePercent) {
    fScaleMode = pscUserScaled;
    return;
  }
  fScalePercent = Value;
  fScaleMode = pscUserScaled;
  SizeChanged();
  if (OnScaleChange) OnScaleChange(this);
  Invalidate();
}

int TSynEditPrintPreview::GetPageCount() const { return fSynEditPrint ? fSynEditPrint->GetPageCount() : 0; }

void TSynEditPrintPreview::ShowPage(int Page) {
  if (!fSynEditPrint) return;
  fPageNumber = std::clamp(Page, 1, std::max(1, GetPageCount()));
  if (fScaleMode == pscWholePage) fScrollPosition.Y = -(fPageNumber - 1);
  UpdateScrollbars();
  if (OnPreviewPage) OnPreviewPage(this, fPageNumber);
  Invalidate();
}

void TSynEditPrintPreview::FirstPage() { ShowPage(1); }
void TSynEditPrintPreview::LastPage() { ShowPage(GetPageCount()); }
void TSynEditPrintPreview::NextPage() { ShowPage(fPageNumber + 1); }
void TSynEditPrintPreview::PreviousPage() { ShowPage(fPageNumber - 1); }

void TSynEditPrintPreview::Print() {
  if (!fSynEditPrint) return;
  fSynEditPrint->Print();
  UpdatePreview();
}

void TSynEditPrintPreview::UpdatePreview() {
  const TSynPreviewScale mode = fScaleMode;
  const int percent = fScalePercent;
  SetScalePercent(100);
  if (fSynEditPrint) fSynEditPrint->UpdatePages();
  fPageNumber = std::clamp(fPageNumber, 1, std::max(1, GetPageCount()));
  SizeChanged();
  Invalidate();
  SetScaleMode(mode);
  if (mode == pscUserScaled) SetScalePercent(percent);
  if (OnPreviewPage) OnPreviewPage(this, fPageNumber);
}

void TSynEditPrintPreview::ScrollTo(bool Horizontal, int To) {
  const TRect client = fHost.ClientRect();
  const int size = Horizontal ? client.Width() : client.Height();
  int& at = Horizontal ? fScrollPosition.X : fScrollPosition.Y;
  To = std::clamp(To, std::min(0, size - (Horizontal ? fVirtualSize.cx : fVirtualSize.cy)), 0);
  const int delta = To - at;
  if (delta == 0) return;
  at = To;
  UpdateScrollbars();
  if (std::abs(delta) <= size / 2)
    fHost.ScrollArea(Horizontal ? delta : 0, Horizontal ? 0 : delta, nullptr);
  else
    Invalidate();
}

void TSynEditPrintPreview::ScrollBy(platform::TScrollCode Code, int Pos, int Client, int Virtual, int Current,
                                    bool Horizontal) {
  int to = Current;
  switch (Code) {
    case platform::SB_LINEUP: to = Current + Client / 10; break;
    case platform::SB_LINEDOWN: to = Current - Client / 10; break;
    case platform::SB_PAGEUP: to = Current + Client / 2; break;
    case platform::SB_PAGEDOWN: to = Current - Client / 2; break;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK: to = -Pos; break;
    case platform::SB_TOP: to = 0; break;
    case platform::SB_BOTTOM: to = -Virtual; break;
    default: return;
  }
  ScrollTo(Horizontal, to);
}

void TSynEditPrintPreview::ShowHint(int Page) {
  const std::string text = "Page: " + std::to_string(Page);
  const TRect size = fHost.HintRect(text, 200);
  const TPixelPoint at =
      fHost.ClientToScreen({fHost.ClientRect().Right - size.Width() - 4, fHost.CursorPos().Y});
  fHost.ShowHint(text, {at.X, at.Y, at.X + size.Width(), at.Y + size.Height()}, clInfoBk);
}

void TSynEditPrintPreview::Scroll(platform::TScrollBarKind Bar, platform::TScrollCode Code, int Pos) {
  const TRect client = fHost.ClientRect();
  if (Bar == platform::sbHorizontal) {
    if (fScaleMode != pscWholePage)
      ScrollBy(Code, Pos, client.Width(), fVirtualSize.cx, fScrollPosition.X, true);
    return;
  }
  if (fScaleMode != pscWholePage) {
    ScrollBy(Code, Pos, client.Height(), fVirtualSize.cy, fScrollPosition.Y, false);
    return;
  }
  if (!fSynEditPrint) return;
  int page = fPageNumber;
  switch (Code) {
    case platform::SB_LINEUP:
    case platform::SB_PAGEUP: page = fPageNumber - 1; break;
    case platform::SB_LINEDOWN:
    case platform::SB_PAGEDOWN: page = fPageNumber + 1; break;
    case platform::SB_THUMBPOSITION:
    case platform::SB_THUMBTRACK: page = Pos; break;
    case platform::SB_TOP: page = 1; break;
    case platform::SB_BOTTOM: page = GetPageCount(); break;
    case platform::SB_ENDSCROLL: fHost.HideHint(); return;
  }
  page = std::clamp(page, 1, std::max(1, GetPageCount()));
  if (Code == platform::SB_THUMBTRACK && ShowScrollHint) ShowHint(page);
  ShowPage(page);
}

void TSynEditPrintPreview::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TSynEditPrintPreview::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
  if (Button == mbLeft && OnClick) OnClick(this);
}

void TSynEditPrintPreview::MouseWheel(TShiftState, int Delta, int, int) {
  fWheelAccumulator += Delta;
  for (; fWheelAccumulator >= 120; fWheelAccumulator -= 120) ScrollTo(false, fScrollPosition.Y + 120);
  for (; fWheelAccumulator <= -120; fWheelAccumulator += 120) ScrollTo(false, fScrollPosition.Y - 120);
}

TRect TSynEditPrintPreview::PageRect() const {
  const int left = fVirtualOffset.X + fScrollPosition.X;
  const int top = fVirtualOffset.Y + (fScaleMode == pscWholePage ? 0 : fScrollPosition.Y);
  return {left, top, left + fPageSize.cx, top + fPageSize.cy};
}

namespace {

void Frame(platform::Canvas& c, const TRect& r, TColor color) {
  c.SetPen(color, 1, platform::psSolid);
  c.Line({r.Left, r.Top}, {r.Right, r.Top});
  c.Line({r.Right - 1, r.Top}, {r.Right - 1, r.Bottom});
  c.Line({r.Right - 1, r.Bottom - 1}, {r.Left, r.Bottom - 1});
  c.Line({r.Left, r.Bottom - 1}, {r.Left, r.Top});
}

}  // namespace

void TSynEditPrintPreview::PaintPaper(platform::Canvas& ACanvas) {
  const TRect client = fHost.ClientRect();
  if (!fSynEditPrint) {
    ACanvas.FillRect(client, Color);
    const TRect symbol{12, 12, 55, 42};
    ACanvas.FillRect(symbol, PageBGColor);
    Frame(ACanvas, symbol, clBlack);
    return;
  }
  const TRect page = PageRect();
  ACanvas.FillRect({client.Left, client.Top, client.Right, page.Top}, Color);
  ACanvas.FillRect({client.Left, page.Bottom, client.Right, client.Bottom}, Color);
  ACanvas.FillRect({client.Left, page.Top, page.Left, page.Bottom}, Color);
  ACanvas.FillRect({page.Right, page.Top, client.Right, page.Bottom}, Color);
  const TColor grey = static_cast<TColor>(RGB(128, 128, 128));
  ACanvas.SetPen(grey, 1, platform::psSolid);
  for (int d = 0; d < kShadow; ++d) {
    ACanvas.Line({page.Right + d, page.Top + kShadow}, {page.Right + d, page.Bottom + kShadow});
    ACanvas.Line({page.Left + kShadow, page.Bottom + d}, {page.Right + kShadow, page.Bottom + d});
  }
  ACanvas.FillRect(page, PageBGColor);
  Frame(ACanvas, page, clBlack);
}

void TSynEditPrintPreview::Paint(platform::Canvas& ACanvas, const TRect& Clip) {
  if (Clip.IsEmpty()) return;
  PaintPaper(ACanvas);
  if (!fSynEditPrint || fPageSize.cx <= 0 || fPageSize.cy <= 0) return;
  TSynEditPrinterInfo& info = Info();
  const double sx = static_cast<double>(fPageSize.cx) / info.PhysicalWidth();
  const double sy = static_cast<double>(fPageSize.cy) / info.PhysicalHeight();
  const TRect page = PageRect();
  platform::ScaledCanvas scaled(ACanvas, sx, sy, page.Left + static_cast<int>(info.LeftGutter() * sx + 0.5),
                                page.Top + static_cast<int>(info.TopGutter() * sy + 0.5));
  const int saved = ACanvas.SaveState();
  scaled.IntersectClipRect({0, 0, info.PrintableWidth(), info.PrintableHeight()});
  fSynEditPrint->PrintToCanvas(scaled, fPageNumber);
  ACanvas.RestoreState(saved);
}

}  // namespace kau::editor
