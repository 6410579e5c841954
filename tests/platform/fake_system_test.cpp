#include <gtest/gtest.h>

#include "platform/fake/fake_system.h"
#include "platform/virtual_keys.h"

namespace kau::platform {
namespace {

TEST(FakeSystem, InstallsItselfAndItsFonts) {
  {
    FakeSystem system;
    EXPECT_EQ(&System(), &system);
    EXPECT_EQ(&Fonts(), &system.CellFonts());
    EXPECT_EQ(System().DragDistance(), (TSize{4, 4}));
    EXPECT_EQ(System().WheelScrollLines(), 3);
    EXPECT_EQ(System().WorkAreaAt({2000, 10}), (TRect{0, 0, 1024, 768}));
    EXPECT_TRUE(System().ApplicationActive());
    system.SetApplicationActive(false);
    EXPECT_FALSE(System().ApplicationActive());
    System().ShowException("boom");
    EXPECT_EQ(system.ShownExceptions(), (std::vector<std::string>{"boom"}));
  }
  EXPECT_FALSE(System().TheClipboard().Open());  // the built-in stand-in
}

TEST(FakeSystem, KeyState) {
  FakeSystem system;
  EXPECT_TRUE(System().KeyShiftState().Empty());
  system.Hold(VK_SHIFT);
  system.Hold(VK_CONTROL);
  EXPECT_TRUE(System().KeyPressed(VK_SHIFT));
  EXPECT_EQ(System().KeyShiftState(), ssShift | ssCtrl);
  system.Release(VK_SHIFT);
  EXPECT_EQ(System().KeyShiftState(), ssCtrl);
}

TEST(FakeSystem, FixedCellFonts) {
  FakeSystem system;
  TFontDesc plain, bold;
  bold.SetStyle(fsBold);
  auto p = Fonts().CreateFont(plain);
  auto b = Fonts().CreateFont(bold);
  EXPECT_EQ(Fonts().GetTextMetrics(*p).Height, 16);
  TAbc abc;
  ASSERT_TRUE(Fonts().GetCharABCWidths(*p, 'M', abc));
  EXPECT_EQ(abc.Sum(), 8);
  ASSERT_TRUE(Fonts().GetCharABCWidths(*b, 'M', abc));
  EXPECT_EQ(abc.Sum(), 9);
  EXPECT_EQ(Fonts().TextExtent(*p, "abcd"), (TSize{32, 16}));
  // The default family is proportional; Courier New, or any with fixed pitch, is not.
  const TTextMetrics sans = Fonts().GetTextMetrics(*p);
  EXPECT_NE(sans.AveCharWidth, sans.MaxCharWidth);
  TFontDesc courier;
  courier.Name = "Courier New";
  const TTextMetrics mono = Fonts().GetTextMetrics(*Fonts().CreateFont(courier));
  EXPECT_EQ(mono.AveCharWidth, mono.MaxCharWidth);
  plain.Pitch = fpFixed;
  const TTextMetrics fixedSans = Fonts().GetTextMetrics(*Fonts().CreateFont(plain));
  EXPECT_EQ(fixedSans.AveCharWidth, fixedSans.MaxCharWidth);
  EXPECT_EQ(system.CellFonts().CreatedCount(), 4);
}

TEST(FakeClipboard, BothFormatsRoundTripAndAreSeenAfterClose) {
  FakeSystem system;
  Clipboard& clip = System().TheClipboard();
  const TClipboardFormat block = RegisterClipboardFormat("KAU Editor Block Type");
  const std::string entry("\x02" "ab\r\ncd", 7);
  ASSERT_TRUE(clip.Open());
  EXPECT_FALSE(clip.Open());  // already open
  ASSERT_TRUE(clip.Empty());
  ASSERT_TRUE(clip.SetData(CF_TEXT, "ab\r\ncd"));
  ASSERT_TRUE(clip.SetData(block, entry));
  EXPECT_FALSE(clip.HasFormat(CF_TEXT));  // not before closing
  clip.Close();
  EXPECT_TRUE(clip.HasFormat(CF_TEXT));
  EXPECT_TRUE(clip.HasFormat(block));
  std::string text, bytes;
  EXPECT_FALSE(clip.GetData(CF_TEXT, text));  // reading needs it open
  ASSERT_TRUE(clip.Open());
  ASSERT_TRUE(clip.GetData(CF_TEXT, text));
  ASSERT_TRUE(clip.GetData(block, bytes));
  clip.Close();
  EXPECT_EQ(text, "ab\r\ncd");
  EXPECT_EQ(bytes, entry);
}

TEST(FakeClipboard, TextFromAnotherProgramAndRefusedFormats) {
  FakeSystem system;
  const TClipboardFormat block = RegisterClipboardFormat("KAU Editor Block Type");
  system.FakeClip().PutTextFromOutside("hello");
  Clipboard& clip = System().TheClipboard();
  EXPECT_TRUE(clip.HasFormat(CF_TEXT));
  EXPECT_FALSE(clip.HasFormat(block));
  system.FakeClip().Refuse(block);
  ASSERT_TRUE(clip.Open());
  clip.Empty();
  EXPECT_TRUE(clip.SetData(CF_TEXT, "x"));
  EXPECT_FALSE(clip.SetData(block, "\0x"));
  clip.Close();
  EXPECT_TRUE(clip.HasFormat(CF_TEXT));
  EXPECT_FALSE(clip.HasFormat(block));
}

}  // namespace
}  // namespace kau::platform
