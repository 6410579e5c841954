// The print preview in Qt windows, offscreen: at 50 % the page is white with
// a grey shadow and dark text on it, on the workspace colour; it fills its
// parent window unless it is unaligned.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "editor/print/print_preview.h"
#include "platform/qt/qt_editor_host.h"

namespace kau::editor {
namespace {

TEST(PreviewQt, HalfScalePageShadowAndText) {
  platform::QtEditorHost host;
  TSynEditPrintPreview preview(host);
  host.SetClient(&preview);
  host.resize(460, 640);
  host.show();
  QApplication::processEvents();
  TSynEditPrint print;  // no printer: the default sheet
  TSynEditStringList lines;
  for (int i = 0; i < 40; ++i) lines.Add("begin writeln('MMMMMMMMMMMMMMMMMMMMMMMM'); end;");
  print.SetLines(lines);
  print.Font().SetName("Courier New");
  print.Font().SetSize(12);
  preview.SetSynEditPrint(&print);
  preview.SetScalePercent(50);
  host.InvalidateRect(nullptr, false);
  host.Update();
  const QImage& image = host.BackBuffer();
  const TRect page = preview.PageRect();
  ASSERT_EQ(page.Width(), 397);
  ASSERT_EQ(page.Height(), 561);
  if (const char* keep = std::getenv("KAU_KEEP_SCREENSHOTS")) image.save(QString(keep) + "/print_preview.png");
  const auto gray = [&](int x, int y) { return qGray(image.pixel(x, y)); };
  EXPECT_EQ(image.pixel(page.Left + 5, page.Top + 5), qRgb(255, 255, 255));
  EXPECT_EQ(image.pixel(page.Right, page.Top + 20), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(page.Left + 20, page.Bottom + 1), qRgb(128, 128, 128));
  EXPECT_EQ(image.pixel(page.Left, page.Top + 20), qRgb(0, 0, 0));
  const std::uint32_t workspace = ColorToRGB(clAppWorkSpace);
  EXPECT_EQ(image.pixel(page.Right + 10, page.Top + 10),
            qRgb(GetRValue(workspace), GetGValue(workspace), GetBValue(workspace)));
  // Text between the top margin and the bottom one.
  int dark = 0;
  for (int y = page.Top + 50; y < page.Top + 200; ++y)
    for (int x = page.Left + 40; x < page.Right - 30; ++x) dark += gray(x, y) < 100;
  EXPECT_GT(dark, 200);
}

// The preview fills the window it is put in and follows its resizes; with no
// alignment it keeps its own size.
TEST(PreviewQt, FillsItsParentUnlessUnaligned) {
  QWidget form;
  form.resize(500, 300);
  form.show();
  auto* host = new platform::QtEditorHost(&form);
  TSynEditPrintPreview preview(*host);
  host->SetClient(&preview);
  EXPECT_EQ(host->geometry(), form.rect());
  form.resize(640, 360);
  QApplication::processEvents();
  EXPECT_EQ(host->geometry(), QRect(0, 0, 640, 360));
  preview.SetAlign(platform::alNone);
  form.resize(300, 200);
  QApplication::processEvents();
  EXPECT_EQ(host->geometry(), QRect(0, 0, 640, 360));
  host->SetBounds({10, 10, 210, 130});
  EXPECT_EQ(host->geometry(), QRect(10, 10, 200, 120));
  host->SetClient(nullptr);
}

}  // namespace
}  // namespace kau::editor
