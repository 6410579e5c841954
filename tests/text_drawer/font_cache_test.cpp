#include <gtest/gtest.h>

#include <memory>

#include "editor/text_drawer/text_drawer.h"
#include "editor/text_drawer/text_drawer_errors.h"
#include "platform/fake/fake_canvas.h"
#include "platform/fake/fake_system.h"

namespace kau::editor {
namespace {

struct FontCache : ::testing::Test {
  platform::FakeSystem system;  // installs the fixed-cell fonts
  TFont font;
  void SetUp() override {
    font.SetName("Courier New");
    font.SetSize(10);
    ASSERT_EQ(GetFontsInfoManager().Count(), 0);
  }
  void TearDown() override { EXPECT_EQ(GetFontsInfoManager().Count(), 0); }
};

TEST_F(FontCache, TwoDrawersOnOneFontShareOneInfo) {
  auto a = std::make_unique<TheTextDrawer>(fsBold, &font);
  auto b = std::make_unique<TheTextDrawer>(fsBold, &font);
  const TheSharedFontsInfo* info = a->FontStock().FontsInfo();
  EXPECT_EQ(info, b->FontStock().FontsInfo());
  EXPECT_EQ(info->RefCount, 2);
  EXPECT_EQ(info->LockCount, 2);
  EXPECT_EQ(GetFontsInfoManager().Count(), 1);
  a.reset();
  EXPECT_EQ(info->RefCount, 1);
  EXPECT_EQ(GetFontsInfoManager().Count(), 1);
  b.reset();
  EXPECT_EQ(GetFontsInfoManager().Count(), 0);
}

TEST_F(FontCache, StyleFlagsOtherThanBoldShareTheInfo) {
  TFont italic(font), underlined(font), bold(font);
  italic.SetStyle(fsItalic | fsStrikeOut);
  underlined.SetStyle(fsUnderline);
  bold.SetStyle(fsBold);
  TheTextDrawer a(0, &font), b(0, &italic), c(0, &underlined), d(0, &bold);
  EXPECT_EQ(a.FontStock().FontsInfo(), b.FontStock().FontsInfo());
  EXPECT_EQ(a.FontStock().FontsInfo(), c.FontStock().FontsInfo());
  EXPECT_NE(a.FontStock().FontsInfo(), d.FontStock().FontsInfo());
  EXPECT_EQ(a.FontStock().FontsInfo()->RefCount, 3);
}

TEST_F(FontCache, StyleFontsAreMadeOnceAndShared) {
  TheTextDrawer a(0, &font), b(0, &font);
  const int made = system.CellFonts().CreatedCount();  // the plain style
  a.SetStyle(fsBold);
  a.SetStyle(fsItalic);
  b.SetStyle(fsBold);
  b.SetStyle(fsItalic);
  a.SetStyle(fsBold);
  EXPECT_EQ(system.CellFonts().CreatedCount(), made + 2);
  EXPECT_EQ(a.FontStock().FontHandle(), b.FontStock().FontsInfo()->FontsData[fsBold].Handle.get());
}

TEST_F(FontCache, ChangingOneDrawersFontKeepsTheOthersHandles) {
  TheTextDrawer a(0, &font), b(0, &font);
  const platform::PlatformFont* handle = b.FontStock().FontHandle();
  TFont other;
  other.SetName("Arial");
  a.SetBaseFont(&other);
  EXPECT_EQ(GetFontsInfoManager().Count(), 2);
  EXPECT_EQ(b.FontStock().FontsInfo()->RefCount, 1);
  EXPECT_EQ(b.FontStock().FontsInfo()->FontsData[0].Handle.get(), handle);
}

TEST_F(FontCache, SettingTheSameBaseFontKeepsOneReference) {
  TheTextDrawer a(0, &font);
  TFont same(font);
  a.SetBaseFont(&same);
  a.SetBaseFont(&font);
  EXPECT_EQ(a.FontStock().FontsInfo()->RefCount, 1);
}

TEST_F(FontCache, ReleasedHandlesGoWithTheLastLockAndComeBack) {
  TheTextDrawer a(0, &font), b(0, &font);
  const TheSharedFontsInfo* info = a.FontStock().FontsInfo();
  a.ReleaseTemporaryResources();
  EXPECT_EQ(info->LockCount, 1);
  EXPECT_TRUE(info->FontsData[0].Handle);
  b.ReleaseTemporaryResources();
  EXPECT_EQ(info->LockCount, 0);
  EXPECT_FALSE(info->FontsData[0].Handle);
  // Drawing again takes fresh handles.
  platform::FakeCanvas canvas;
  a.BeginDrawing(&canvas);
  EXPECT_NE(canvas.SelectedFont(), nullptr);
  EXPECT_EQ(info->LockCount, 1);
  a.EndDrawing();
}

TEST_F(FontCache, ReleasingALockedInfoIsAConsistencyFault) {
  TheSharedFontsInfo* info = GetFontsInfoManager().GetFontsInfo(font);
  GetFontsInfoManager().LockFontsInfo(info);
  try {
    GetFontsInfoManager().ReleaseFontsInfo(info);
    FAIL();
  } catch (const EAssertionFailed& e) {
    EXPECT_EQ(std::string(e.what()).rfind("Call DeactivateFontsInfo before calling this. (editor/SynTextDrawer, line ", 0), 0u)
        << e.what();
  }
  GetFontsInfoManager().UnLockFontsInfo(info);
  GetFontsInfoManager().ReleaseFontsInfo(info);
}

TEST_F(FontCache, NullBaseFont) {
  try {
    TheTextDrawer d(0, nullptr);
    FAIL();
  } catch (const EheFontStockException& e) {
    EXPECT_STREQ(e.what(), "SetBaseFont: 'Value' must be specified.");
  }
  TheTextDrawer d(0, &font);
  try {
    d.SetBaseFont(nullptr);
    FAIL();
  } catch (const EheTextDrawerException& e) {
    EXPECT_STREQ(e.what(), "SetBaseFont: 'Value' must be specified.");
  }
}

}  // namespace
}  // namespace kau::editor

namespace kau::editor {
namespace {

TEST(Font, DefaultsAndOneNotificationPerChange) {
  TFont f;
  EXPECT_EQ(f.Name(), "MS Sans Serif");
  EXPECT_EQ(f.Size(), 8);
  EXPECT_EQ(f.Height(), -11);
  EXPECT_EQ(f.Color(), clWindowText);
  struct Counter : TObject {
    int n = 0;
    void Changed(TObject*) { ++n; }
  } counter;
  f.OnChange = makeMethod<&Counter::Changed>(&counter);
  f.SetName("MS Sans Serif");
  f.SetSize(8);
  f.SetStyle(0);
  f.SetColor(clWindowText);
  EXPECT_EQ(counter.n, 0);
  f.SetName("Courier New");
  f.SetSize(10);
  f.SetStyle(fsBold | fsItalic);
  f.SetColor(clRed);
  f.SetPitch(fpFixed);
  EXPECT_EQ(counter.n, 5);
  EXPECT_EQ(f.Height(), -13);
  EXPECT_EQ(f.Style(), fsBold | fsItalic);
  TFont g;
  g.Assign(f);
  EXPECT_EQ(g.Desc(), f.Desc());
  f.Assign(g);  // nothing differs: no notification
  EXPECT_EQ(counter.n, 5);
}

}  // namespace
}  // namespace kau::editor
