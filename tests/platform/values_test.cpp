#include <gtest/gtest.h>

#include "platform/draw/colors.h"
#include "platform/draw/font.h"
#include "platform/draw/font_families.h"
#include "platform/draw/geometry.h"
#include "platform/window/clipboard.h"

namespace kau {
namespace {

TEST(Colors, Values) {
  EXPECT_EQ(clNone, 0x1FFFFFFF);
  EXPECT_EQ(static_cast<std::uint32_t>(clWindow), 0x80000005u);
  EXPECT_EQ(static_cast<std::uint32_t>(clInfoBk), 0x80000018u);
  EXPECT_TRUE(IsSystemColor(clBtnFace));
  EXPECT_FALSE(IsSystemColor(clRed));
  EXPECT_FALSE(IsSystemColor(clNone));
  EXPECT_EQ(ColorToRGB(clRed), 0x0000FFu);
  EXPECT_EQ(ColorToRGB(clNone), 0u);
  EXPECT_EQ(GetRValue(ColorToRGB(clAqua)), 0);
  EXPECT_EQ(GetBValue(ColorToRGB(clAqua)), 0xFF);
}

TEST(Colors, SystemColoursFollowTheInstalledTable) {
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
  TSystemColorTable dark = {};
  dark[COLOR_WINDOW] = 0x202020;
  SetSystemColors(dark);
  EXPECT_EQ(ColorToRGB(clWindow), 0x202020u);
  ResetSystemColors();
  EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFFu);
}

TEST(Colors, TextsInBothDirections) {
  const struct {
    const char* text;
    std::optional<TColor> color;
    const char* written;  // what ColorToString gives back
  } cases[] = {
      {"clRed", clRed, "clRed"},
      {"CLRED", clRed, "clRed"},
      {"clbtnface", clBtnFace, "clBtnFace"},
      {"cl3DDkShadow", SystemColor(COLOR_3DDKSHADOW), "cl3DDkShadow"},
      {"clNone", clNone, "clNone"},
      {"255", clRed, "clRed"},
      {"$00C0DCC0", 0xC0DCC0, "$00C0DCC0"},
      {"$ff", clRed, "clRed"},
      {"-1", -1, "$FFFFFFFF"},
      {"$80000005", clWindow, "clWindow"},
      {"", std::nullopt, nullptr},
      {"clRedd", std::nullopt, nullptr},
      {"red", std::nullopt, nullptr},
      {"$", std::nullopt, nullptr},
      {"$123456789", std::nullopt, nullptr},
      {"12 ", std::nullopt, nullptr},
      {"2147483648", std::nullopt, nullptr},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(StringToColor(c.text), c.color) << c.text;
    if (c.color) {
      EXPECT_EQ(ColorToString(*c.color), c.written) << c.text;
    }
  }
}

TEST(Geometry, Rectangles) {
  const TRect a{0, 0, 10, 10}, b{5, 5, 20, 20}, far{30, 30, 40, 40};
  EXPECT_EQ(IntersectRect(a, b), (TRect{5, 5, 10, 10}));
  EXPECT_TRUE(IntersectRect(a, far).IsEmpty());
  EXPECT_EQ(UnionRect(a, b), (TRect{0, 0, 20, 20}));
  EXPECT_EQ(UnionRect(TRect{}, b), b);
  EXPECT_EQ(OffsetRect(a, 3, -2), (TRect{3, -2, 13, 8}));
  EXPECT_TRUE(a.Contains({0, 9}));
  EXPECT_FALSE(a.Contains({10, 0}));
}

TEST(Fonts, PointSizesAndStyles) {
  const struct {
    int size, height;
  } cases[] = {{8, -11}, {9, -12}, {10, -13}, {12, -16}, {14, -19}};
  for (const auto& c : cases) {
    EXPECT_EQ(HeightFromPointSize(c.size), c.height) << c.size;
    EXPECT_EQ(PointSizeFromHeight(c.height), c.size) << c.size;
  }
  TFontDesc d;
  d.SetStyle(fsBold | fsUnderline);
  EXPECT_EQ(d.Weight, FW_BOLD);
  EXPECT_TRUE(d.Underline);
  EXPECT_FALSE(d.Italic);
  EXPECT_EQ(d.Style(), fsBold | fsUnderline);
  TFontDesc e = d;
  EXPECT_EQ(d, e);
  e.Italic = true;
  EXPECT_NE(d, e);
}

TEST(Fonts, WindowsFamiliesMapToLocalOnes) {
  using platform::MapFontFamily;
  const struct {
    const char* requested;
    TFontPitch pitch;
    const char* family;
    bool fixed;
  } cases[] = {
      {"Courier New", fpDefault, "Liberation Mono", true},
      {"courier new", fpFixed, "Liberation Mono", true},
      {"Arial", fpDefault, "Liberation Sans", false},
      {"MS Sans Serif", fpDefault, "Liberation Sans", false},
      {"Terminal", fpDefault, "DejaVu Sans Mono", true},
      {"Arial", fpFixed, "Liberation Mono", true},  // a fixed font was asked for
      {"Times New Roman", fpDefault, "Liberation Serif", false},
      {"Some Font", fpDefault, "Some Font", false},
  };
  for (const auto& c : cases) {
    const auto choice = MapFontFamily(c.requested, c.pitch);
    EXPECT_EQ(choice.Family, c.family) << c.requested;
    EXPECT_EQ(choice.FixedPitch, c.fixed) << c.requested;
    EXPECT_FALSE(choice.Fallback.empty());
  }
}

TEST(ClipboardFormats, RegisteredByName) {
  using namespace platform;
  const TClipboardFormat block = RegisterClipboardFormat("KAU Editor Block Type");
  EXPECT_GE(block, 0xC000u);
  EXPECT_EQ(RegisterClipboardFormat("KAU Editor Block Type"), block);
  EXPECT_NE(RegisterClipboardFormat("Another"), block);
  EXPECT_EQ(ClipboardFormatName(block), "KAU Editor Block Type");
  EXPECT_EQ(ClipboardFormatName(CF_TEXT), "");
  EXPECT_EQ(PrivateFormatMimeType("KAU Editor Block Type"), "application/x-kau-editor-block-type");
  EXPECT_EQ(FormatOfMimeType("application/x-kau-editor-block-type"), block);
  EXPECT_EQ(FormatOfMimeType("text/plain"), 0u);
}

}  // namespace
}  // namespace kau
