#include "editor/model/hot_key.h"

#include <gtest/gtest.h>

#include "platform/virtual_keys.h"

namespace kau::editor {
namespace {

TEST(ShortCutTexts, ReadBackInAnyOrderAndCase) {
  const struct {
    const char* text;
    TShortCut value;
  } cases[] = {
      {"Ctrl+A", scCtrl | 'A'},
      {"Shift+Ctrl+Z", scShift | scCtrl | 'Z'},
      {"ctrl+SHIFT+z", scShift | scCtrl | 'Z'},
      {"Alt+Shift+BkSp", scAlt | scShift | VK_BACK},
      {"Ctrl+Alt+Shift+Tab", scCtrl | scAlt | scShift | VK_TAB},
      {"f12", VK_F12},
      {"Ctrl", VK_CONTROL},
      {"Ctrl+", 0},
      {"None", 0},
      {"Ctrl+Foo", 0},
      {"", 0},
      {"Ctrl+A+", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(TextToShortCut(c.text), c.value) << c.text;
  EXPECT_EQ(ShortCutToText(VK_CONTROL), "Ctrl");
  EXPECT_EQ(ShortCutToText(VK_MENU), "Alt");
  EXPECT_EQ(ShortCutToText(VK_SHIFT), "Shift");
  for (TShortCut value : {TShortCut(scCtrl | VK_F1), TShortCut(scShift | scAlt | VK_DELETE), TShortCut('7')})
    EXPECT_EQ(TextToShortCut(ShortCutToText(value)), value);
}

// One key stroke as the window system delivers it: down, its character, up.
void Stroke(TSynHotKey& hk, std::uint16_t key, TShiftState shift, char ch) {
  hk.KeyDown(key, shift);
  if (ch) hk.KeyPress(ch);
  hk.KeyUp(key, shift);
}

TEST(SynHotKey, ShowsTheCombinationPressed) {
  TSynHotKey hk;
  hk.KeyDown(VK_CONTROL, ssCtrl);
  EXPECT_EQ(hk.GetText(), "Ctrl+");
  hk.KeyDown('A', ssCtrl);
  EXPECT_FALSE(hk.KeyPress('\x01'));
  hk.KeyUp('A', ssCtrl);
  hk.KeyUp(VK_CONTROL, {});
  EXPECT_EQ(hk.GetText(), "Ctrl+A");
  EXPECT_EQ(hk.GetHotKey(), 16449);
  EXPECT_EQ(hk.GetSelStart(), 6);

  hk.KeyDown(VK_CONTROL, ssCtrl);
  hk.KeyDown(VK_SHIFT, ssCtrl | ssShift);
  hk.KeyDown(VK_MENU, ssCtrl | ssShift | ssAlt);
  EXPECT_EQ(hk.GetText(), "Ctrl+Alt+Shift+");
  Stroke(hk, VK_TAB, ssCtrl | ssShift | ssAlt, '\t');
  EXPECT_EQ(hk.GetText(), "Ctrl+Alt+Shift+Tab");
  EXPECT_EQ(hk.GetHotKey(), scCtrl | scAlt | scShift | VK_TAB);
}

TEST(SynHotKey, AModifierAloneLeavesNone) {
  TSynHotKey hk;
  hk.SetHotKey(scCtrl | 'A');
  hk.KeyDown(VK_CONTROL, ssCtrl);
  hk.KeyUp(VK_CONTROL, {});
  EXPECT_EQ(hk.GetText(), "None");
  EXPECT_EQ(hk.GetHotKey(), 0);
  hk.KeyDown(VK_SHIFT, ssShift);
  hk.DoExit();
  EXPECT_EQ(hk.GetText(), "None");
  EXPECT_EQ(hk.GetSelStart(), 4);
  hk.SetHotKey(0);
  EXPECT_EQ(hk.GetText(), "None");
}

TEST(SynHotKey, TypedCharactersNeverEnterACombination) {
  TSynHotKey hk;
  for (char ch : std::string("ab1 ")) Stroke(hk, static_cast<std::uint16_t>(std::toupper(ch)), {}, ch);
  EXPECT_EQ(hk.GetText(), "Space");
  Stroke(hk, 'Q', ssShift, 'Q');
  EXPECT_EQ(hk.GetText(), "Shift+Q");
  // A key without a name shows nothing, and then its character is typed.
  Stroke(hk, 0xBC, {}, ',');
  EXPECT_EQ(hk.GetText(), ",");
  EXPECT_EQ(hk.GetHotKey(), 0);
}

}  // namespace
}  // namespace kau::editor
