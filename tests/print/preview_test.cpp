// The print preview on a fake window of 200 x 120 with the default sheet.
#include <gtest/gtest.h>

#include <memory>

#include "editor/print/print_preview.h"
#include "platform/fake/fake_printer.h"
#include "platform/fake/fake_window.h"

namespace kau::editor {
namespace {

using platform::FakeDrawing;
using platform::FakeWindow;
using platform::sbHorizontal;
using platform::sbVertical;
using platform::TScrollInfo;

struct Preview : TObject {
  FakeWindow window{{0, 0, 200, 120}};
  platform::FakePrinter printer;
  std::unique_ptr<TSynEditPrint> print = std::make_unique<TSynEditPrint>();
  TSynEditPrintPreview preview{window};
  std::vector<int> shownPages;
  int scaleChanges = 0;

  Preview() {
    window.SetClient(&preview);
    print->SetPrinter(&printer);
    preview.OnPreviewPage = TPreviewPageEvent::bind<&Preview::PageShown>(this);
    preview.OnScaleChange = TNotifyEvent::bind<&Preview::ScaleChanged>(this);
  }
  void PageShown(TObject*, int page) { shownPages.push_back(page); }
  void ScaleChanged(TObject*) { ++scaleChanges; }
  void Clicked(TObject*) { ++clicks; }
  int clicks = 0;
  void Lines(int count) {
    TSynEditStringList lines;
    for (int i = 0; i < count; ++i) lines.Add("texto");
    print->SetLines(lines);
  }
};

TEST(PrintPreview, SizesAndPlacesOfThePage) {
  Preview p;
  // Without a print object: the 141 to 100 page and the small symbol.
  p.preview.SetScaleMode(pscWholePage);
  EXPECT_EQ(p.preview.PageSize(), (TSize{67, 94}));
  bool symbol = false;
  for (const FakeDrawing& d : p.window.PaintNow(true).Drawings())
    symbol |= d.kind == FakeDrawing::FillRect && d.rect == TRect{12, 12, 55, 42} && d.color == clWhite;
  EXPECT_TRUE(symbol);

  p.preview.SetSynEditPrint(p.print.get());
  struct Case {
    TSynPreviewScale mode;
    int percent;
    TRect page;
  } cases[] = {
      {pscWholePage, 100, {66, 12, 66 + 66, 12 + 94}},
      {pscPageWidth, 100, {12, 12, 12 + 174, 12 + 246}},
      {pscUserScaled, 100, {12, 12, 12 + 794, 12 + 1122}},
      {pscUserScaled, 10, {12 + (200 - 105) / 2, 12, 12 + (200 - 105) / 2 + 79, 12 + 112}},  // 79 x 112
  };
  for (const Case& c : cases) {
    p.preview.SetScaleMode(c.mode);
    if (c.mode == pscUserScaled) p.preview.SetScalePercent(c.percent);
    EXPECT_EQ(p.preview.PageRect(), c.page) << int(c.mode) << " " << c.percent;
  }
  p.preview.SetScalePercent(100);
  EXPECT_EQ(p.window.ScrollBar(sbHorizontal).info, (TScrollInfo{0, 819, 200, 0, true}));
  EXPECT_EQ(p.window.ScrollBar(sbVertical).info, (TScrollInfo{0, 1147, 120, 0, true}));
  p.preview.SetScalePercent(-5);
  EXPECT_EQ(p.preview.ScalePercent(), 1);
}

TEST(PrintPreview, InitialSizeAndAlignment) {
  // A window of its own: the preview gives it its initial size.
  FakeWindow alone{{0, 0, 500, 400}};
  alone.SetBounds({30, 40, 530, 440});
  TSynEditPrintPreview single(alone);
  EXPECT_EQ(alone.Bounds(), (TRect{30, 40, 230, 160}));
  EXPECT_EQ(alone.ClientRect(), (TRect{0, 0, 200, 120}));
  EXPECT_EQ(single.Align(), platform::alClient);

  // In a form: it fills the form's client area and follows its resizes.
  FakeWindow form{{0, 0, 640, 480}};
  FakeWindow window{{0, 0, 10, 10}};
  window.SetParent(&form);
  TSynEditPrintPreview preview(window);
  window.SetClient(&preview);
  preview.SetScaleMode(pscPageWidth);
  EXPECT_EQ(window.Bounds(), (TRect{0, 0, 640, 480}));
  EXPECT_EQ(preview.PageSize().cx, 640 - 26);
  form.SetClientRect({0, 0, 800, 600});
  EXPECT_EQ(window.ClientRect(), (TRect{0, 0, 800, 600}));
  EXPECT_EQ(preview.PageSize().cx, 800 - 26);
  window.SetBounds({5, 5, 100, 100});  // the alignment decides
  EXPECT_EQ(window.Bounds(), (TRect{0, 0, 800, 600}));

  // Without alignment it keeps its own size.
  preview.SetAlign(platform::alNone);
  EXPECT_EQ(preview.Align(), platform::alNone);
  form.SetClientRect({0, 0, 300, 200});
  EXPECT_EQ(window.Bounds(), (TRect{0, 0, 800, 600}));
  window.SetBounds({10, 20, 410, 320});
  EXPECT_EQ(window.ClientRect(), (TRect{0, 0, 400, 300}));
  EXPECT_EQ(preview.PageSize().cx, 400 - 26);
  preview.SetAlign(platform::alClient);
  EXPECT_EQ(window.Bounds(), (TRect{0, 0, 300, 200}));
  EXPECT_EQ(preview.PageSize().cx, 300 - 26);
}

TEST(PrintPreview, ScaleChangesAndTheSameScaleAgain) {
  Preview p;
  p.preview.SetSynEditPrint(p.print.get());
  p.preview.SetScaleMode(pscPageWidth);
  EXPECT_EQ(p.scaleChanges, 1);
  const TSize size = p.preview.PageSize();
  p.preview.SetScalePercent(100);
  EXPECT_EQ(p.preview.ScaleMode(), pscUserScaled);
  EXPECT_EQ(p.preview.PageSize(), size);
  EXPECT_EQ(p.scaleChanges, 1);
}

TEST(PrintPreview, WheelScrollsByWholeNotches) {
  Preview p;
  p.preview.SetSynEditPrint(p.print.get());
  struct Step {
    int delta, y;
  } steps[] = {{-240, -240}, {60, -240}, {60, -120}, {-100, -120}, {-20, -240}};
  for (const Step& s : steps) {
    p.preview.MouseWheel({}, s.delta, 0, 0);
    EXPECT_EQ(p.preview.ScrollPosition().Y, s.y) << s.delta;
  }
  p.preview.Scroll(sbHorizontal, platform::SB_LINEDOWN, 0);
  EXPECT_EQ(p.preview.ScrollPosition().X, -20);
  p.preview.Scroll(sbHorizontal, platform::SB_BOTTOM, 0);
  EXPECT_EQ(p.preview.ScrollPosition().X, 200 - 820);
  EXPECT_FALSE(p.window.Invalidations().empty());
  p.preview.Scroll(sbVertical, platform::SB_THUMBTRACK, 300);
  EXPECT_EQ(p.preview.ScrollPosition().Y, -300);
}

TEST(PrintPreview, WholePageScrollsThroughPagesWithAHint) {
  Preview p;
  p.Lines(500);  // 3 pages
  p.preview.SetSynEditPrint(p.print.get());
  p.preview.SetScaleMode(pscWholePage);
  EXPECT_EQ(p.window.ScrollBar(sbVertical).info, (TScrollInfo{1, 3, 1, 1, true}));
  EXPECT_FALSE(p.window.ScrollBar(sbHorizontal).shown);
  p.preview.Scroll(sbVertical, platform::SB_THUMBTRACK, 2);
  EXPECT_TRUE(p.window.HintState().shown);
  EXPECT_EQ(p.window.HintState().text, "Page: 2");
  EXPECT_EQ(p.preview.PageNumber(), 2);
  p.preview.Scroll(sbVertical, platform::SB_ENDSCROLL, 0);
  EXPECT_FALSE(p.window.HintState().shown);
  struct Step {
    platform::TScrollCode code;
    int page;
  } steps[] = {{platform::SB_LINEDOWN, 3}, {platform::SB_PAGEDOWN, 3}, {platform::SB_TOP, 1},
               {platform::SB_LINEUP, 1},   {platform::SB_BOTTOM, 3},   {platform::SB_PAGEUP, 2}};
  for (const Step& s : steps) {
    p.preview.Scroll(sbVertical, s.code, 0);
    EXPECT_EQ(p.preview.PageNumber(), s.page) << int(s.code);
    EXPECT_EQ(p.window.ScrollBar(sbVertical).info.Pos, s.page);
  }
  EXPECT_EQ(p.shownPages, (std::vector<int>{2, 3, 3, 1, 1, 3, 2}));
}

TEST(PrintPreview, NavigationAndTheLinkToThePrintObject) {
  Preview p;
  p.preview.NextPage();
  EXPECT_EQ(p.preview.PageNumber(), 1);
  EXPECT_TRUE(p.shownPages.empty());  // no navigation without a print object
  p.Lines(400);
  p.preview.SetSynEditPrint(p.print.get());
  p.preview.LastPage();
  EXPECT_EQ(p.preview.PageNumber(), 3);
  p.preview.NextPage();
  EXPECT_EQ(p.preview.PageNumber(), 3);
  p.preview.FirstPage();
  p.preview.PreviousPage();
  EXPECT_EQ(p.preview.PageNumber(), 1);
  p.preview.LastPage();
  p.Lines(10);
  p.preview.SetScalePercent(50);
  p.preview.UpdatePreview();
  EXPECT_EQ(p.preview.PageNumber(), 1);
  EXPECT_EQ(p.preview.ScalePercent(), 50);
  EXPECT_EQ(p.shownPages.back(), 1);
  p.print.reset();
  EXPECT_EQ(p.preview.SynEditPrint(), nullptr);
  p.window.PaintNow(true);
  p.preview.OnClick = TNotifyEvent::bind<&Preview::Clicked>(&p);
  p.preview.MouseUp(mbRight, {}, 1, 1);
  p.preview.MouseUp(mbLeft, {}, 1, 1);
  EXPECT_EQ(p.clicks, 1);
}

TEST(PrintPreview, PaintsPaperShadowAndTheScaledPage) {
  Preview p;
  p.Lines(3);
  p.print->Header().Add("Cabecalho", nullptr, taLeftJustify, 1);
  p.preview.SetSynEditPrint(p.print.get());
  p.preview.SetScalePercent(50);  // 397 x 561 at (12, 12)
  const auto& drawn = p.window.PaintNow(true).Drawings();
  int workspace = 0, shadow = 0, texts = 0;
  bool page = false;
  for (const FakeDrawing& d : drawn) {
    if (d.kind == FakeDrawing::FillRect && d.color == clAppWorkSpace) ++workspace;
    if (d.kind == FakeDrawing::Line && d.color == static_cast<TColor>(RGB(128, 128, 128))) ++shadow;
    if (d.kind == FakeDrawing::FillRect && d.rect == TRect{12, 12, 12 + 397, 12 + 561} && d.color == clWhite)
      page = true;
    if (d.kind == FakeDrawing::Text) {
      ++texts;
      EXPECT_GE(d.from.X, 12);
      EXPECT_LT(d.from.X, 12 + 397);
    }
  }
  EXPECT_EQ(workspace, 4);
  EXPECT_EQ(shadow, 4);
  EXPECT_TRUE(page);
  EXPECT_EQ(texts, 4);
  // Header text of the page: 105 printer pixels down, 254 across, at half of 96/300.
  const double s = 397.0 / 2481;
  bool header = false;
  for (const FakeDrawing& d : drawn)
    if (d.kind == FakeDrawing::Text && d.text == "Cabecalho") {
      header = true;
      EXPECT_NEAR(d.from.X, 12 + (65 + 254) * s, 1);
      EXPECT_NEAR(d.from.Y, 12 + (50 + 105) * s, 1);
      EXPECT_EQ(d.font.Height, -7);  // Arial 10 points at 300 dpi, -42, scaled
    }
  EXPECT_TRUE(header);
}

}  // namespace
}  // namespace kau::editor
