// TSynEditPrintPreview: shows one page of a TSynEditPrint in a window, as
// large as the window allows, as wide as the window, or at a percentage of
// its size on paper, on a workspace background with a drop shadow, with
// scroll bars and page navigation.
#pragma once

#include <cstdint>

#include "editor/model/kbd_handler.h"
#include "editor/print/syn_edit_print.h"
#include "platform/window/window_client.h"
#include "platform/window/window_host.h"

namespace kau::editor {

enum TSynPreviewScale : std::uint8_t { pscWholePage, pscPageWidth, pscUserScaled };

using TPreviewPageEvent = Method<void(TObject* Sender, int PageNumber)>;

class TSynEditPrintPreview : public TObject, public platform::WindowClient, public TFreeNotifiable {
 public:
  static constexpr int kFrame = 26;   // the space around the page, both sides together
  static constexpr int kOffset = 12;  // the page's distance from the top-left corner
  static constexpr int kShadow = 2;
  static constexpr int kInitialWidth = 200;
  static constexpr int kInitialHeight = 120;

  explicit TSynEditPrintPreview(platform::WindowHost& Host);
  ~TSynEditPrintPreview() override;
  TSynEditPrintPreview(const TSynEditPrintPreview&) = delete;
  TSynEditPrintPreview& operator=(const TSynEditPrintPreview&) = delete;

  // How the preview's window sits in its parent: alClient (the default)
  // fills the parent's client area and follows its resizes; alNone keeps
  // its own size, 200 x 120 at first.
  platform::TAlign Align() const { return fHost.Align(); }
  void SetAlign(platform::TAlign Value) { fHost.SetAlign(Value); }

  TSynEditPrint* SynEditPrint() const { return fSynEditPrint; }
  // Not owned; the link clears itself when the print object goes away.
  void SetSynEditPrint(TSynEditPrint* Value);
  void Notification(TObject* AComponent, TOperation Operation) override;

  TSynPreviewScale ScaleMode() const { return fScaleMode; }
  void SetScaleMode(TSynPreviewScale Value);
  int ScalePercent() const { return fScalePercent; }
  // Below 1 is 1. The same value again only switches to pscUserScaled.
  void SetScalePercent(int Value);

  int PageNumber() const { return fPageNumber; }
  void FirstPage();
  void LastPage();
  void NextPage();
  void PreviousPage();
  int GetPageCount() const;
  void Print();
  // Lays the pages out again for this preview and shows them.
  void UpdatePreview();

  TColor Color = clAppWorkSpace;
  TColor PageBGColor = clWhite;
  bool ShowScrollHint = true;
  TPreviewPageEvent OnPreviewPage;
  TNotifyEvent OnScaleChange;
  TNotifyEvent OnClick;  // a left button released
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;

  // The page's size and place on the screen, and the scroll position.
  TSize PageSize() const { return {fPageSize.cx, fPageSize.cy}; }
  TSize VirtualSize() const { return fVirtualSize; }
  TPixelPoint PageOffset() const { return fVirtualOffset; }
  TPixelPoint ScrollPosition() const { return fScrollPosition; }
  TRect PageRect() const;

  // WindowClient
  void Paint(platform::Canvas& ACanvas, const TRect& Clip) override;
  void KeyDown(std::uint16_t&, TShiftState) override {}
  void KeyUp(std::uint16_t&, TShiftState) override {}
  void KeyPress(char&) override {}
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState, int, int) override {}
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseWheel(TShiftState Shift, int Delta, int X, int Y) override;
  void Resized() override { SizeChanged(); }
  void Scroll(platform::TScrollBarKind Bar, platform::TScrollCode Code, int Pos) override;

 private:
  TSynEditPrinterInfo& Info() const;
  int HeightFromWidth(int Width) const;
  int WidthFromHeight(int Height) const;
  TSize Size100Percent() const;
  void SizeChanged();
  void UpdateScrollbars();
  // Scrolls the view to X (horizontal) or Y; moves of at most half the
  // window scroll its contents, larger ones repaint.
  void ScrollTo(bool Horizontal, int To);
  void ScrollBy(platform::TScrollCode Code, int Pos, int Client, int Virtual, int Current, bool Horizontal);
  void ShowPage(int Page);
  void ShowHint(int Page);
  void Invalidate() { fHost.InvalidateRect(nullptr, false); }
  void PaintPaper(platform::Canvas& ACanvas);

  platform::WindowHost& fHost;
  TSynEditPrint* fSynEditPrint = nullptr;
  mutable TSynEditPrinterInfo fDefaultInfo;  // the printer's, without a print object
  TSynPreviewScale fScaleMode = pscUserScaled;
  int fScalePercent = 100;
  int fPageNumber = 1;
  TSize fPageSize;
  TSize fVirtualSize;
  TPixelPoint fVirtualOffset;
  TPixelPoint fScrollPosition;
  int fWheelAccumulator = 0;
};

}  // namespace kau::editor
