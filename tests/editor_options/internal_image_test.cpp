#include <gtest/gtest.h>

#include <memory>

#include "editor/options/bookmark_glyphs.h"
#include "editor/options/internal_image.h"
#include "platform/fake/fake_canvas.h"

namespace kau::editor {
namespace {

using platform::FakeCanvas;
using platform::FakeDrawing;

TEST(InternalImage, TheGlyphStrip) {
  const auto strip = LoadBitmapResource("SYNEDITINTERNALIMAGES");
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->Width(), 110);
  EXPECT_EQ(strip->Height(), 14);
  // Each glyph has ink of its own, and no two glyphs are alike.
  for (int a = 0; a < 10; ++a)
    for (int b = a + 1; b < 10; ++b) {
      bool differ = false;
      for (int y = 0; y < 14 && !differ; ++y)
        for (int x = 0; x < 11 && !differ; ++x) differ = strip->Pixel(a * 11 + x, y) != strip->Pixel(b * 11 + x, y);
      EXPECT_TRUE(differ) << a << " " << b;
    }
  EXPECT_FALSE(LoadBitmapResource("NoSuchPicture"));
}

TEST(InternalImage, SharesOneBitmapPerName) {
  ASSERT_EQ(TSynInternalImage::SharedBitmapCount(), 0);
  auto first = std::make_unique<TSynInternalImage>("SynEditInternalImages", 10);
  auto second = std::make_unique<TSynInternalImage>("synEDITinternalimages", 10);
  EXPECT_EQ(first->Bitmap(), second->Bitmap());
  EXPECT_EQ(first->Width(), 11);  // (110 + 5) div 10
  EXPECT_EQ(first->Height(), 14);
  EXPECT_EQ(TSynInternalImage::SharedBitmapUsage("SynEditInternalImages"), 2);
  first.reset();
  EXPECT_EQ(TSynInternalImage::SharedBitmapCount(), 1);
  EXPECT_EQ(TSynInternalImage::SharedBitmapUsage("SynEditInternalImages"), 1);
  second.reset();
  EXPECT_EQ(TSynInternalImage::SharedBitmapCount(), 0);
}

TEST(InternalImage, UnknownResource) {
  EXPECT_THROW(TSynInternalImage("Nothing", 10), EResNotFound);
  EXPECT_EQ(TSynInternalImage::SharedBitmapCount(), 0);
}

TEST(InternalImage, DrawMarkCentresInTheRow) {
  TSynInternalImage image("SynEditInternalImages", 10);
  FakeCanvas canvas;
  const struct {
    int number, lineHeight;
    TRect source, dest;
  } cases[] = {
      {3, 20, {33, 0, 44, 14}, {5, 103, 16, 117}},  // taller row: moved down by 3
      {0, 14, {0, 0, 11, 14}, {5, 100, 16, 114}},
      {9, 10, {99, 2, 110, 12}, {5, 100, 16, 110}},  // lower row: the middle band
  };
  for (const auto& c : cases) {
    canvas.ClearDrawings();
    image.DrawMark(canvas, c.number, 5, 100, c.lineHeight);
    ASSERT_EQ(canvas.Drawings().size(), 1u);
    const FakeDrawing& d = canvas.Drawings()[0];
    EXPECT_EQ(d.kind, FakeDrawing::Image);
    EXPECT_EQ(d.source, c.source) << c.number;
    EXPECT_EQ(d.rect, c.dest) << c.number;
    EXPECT_EQ(d.color, clNone);
  }
  canvas.ClearDrawings();
  image.DrawMark(canvas, 10, 0, 0, 16);
  image.DrawMark(canvas, -1, 0, 0, 16);
  EXPECT_TRUE(canvas.Drawings().empty());
  image.DrawMarkTransparent(canvas, 1, 0, 0, 16, clFuchsia);
  ASSERT_EQ(canvas.Drawings().size(), 1u);
  EXPECT_EQ(canvas.Drawings()[0].color, clFuchsia);
}

}  // namespace
}  // namespace kau::editor
