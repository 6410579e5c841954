#include <gtest/gtest.h>

#include "editor/options/gutter.h"
#include "tests/editor_options/change_counter.h"

namespace kau::editor {
namespace {

using testing::ChangeCounter;

TEST(Gutter, Defaults) {
  TSynGutter g;
  EXPECT_EQ(g.Font().Name(), "Courier New");
  EXPECT_EQ(g.Font().Size(), 8);
  EXPECT_EQ(g.Font().Style(), 0);
  EXPECT_EQ(g.Color(), clBtnFace);
  EXPECT_EQ(g.Width(), 30);
  EXPECT_FALSE(g.ShowLineNumbers());
  EXPECT_EQ(g.DigitCount(), 4);
  EXPECT_EQ(g.EffectiveDigitCount(), 4);
  EXPECT_FALSE(g.LeadingZeros());
  EXPECT_FALSE(g.ZeroStart());
  EXPECT_EQ(g.LeftOffset(), 16);
  EXPECT_EQ(g.RightOffset(), 2);
  EXPECT_EQ(g.Cursor(), crDefault);
  EXPECT_TRUE(g.Visible());
  EXPECT_TRUE(g.UseFontStyle());
  EXPECT_FALSE(g.AutoSize());
  EXPECT_EQ(g.BorderStyle(), gbsMiddle);
}

TEST(Gutter, RealGutterWidth) {
  TSynGutter g;
  EXPECT_EQ(g.RealGutterWidth(8), 30);  // Width without line numbers
  g.SetShowLineNumbers(true);
  EXPECT_EQ(g.RealGutterWidth(8), 16 + 2 + 4 * 8 + 2);
  EXPECT_EQ(g.RealGutterWidth(10), 16 + 2 + 4 * 10 + 2);
  g.SetDigitCount(6);
  EXPECT_EQ(g.RealGutterWidth(8), 16 + 2 + 6 * 8 + 2);
  g.SetVisible(false);
  EXPECT_EQ(g.RealGutterWidth(8), 0);
}

TEST(Gutter, DigitCountIsClamped) {
  const struct {
    int given, stored;
  } cases[] = {{1, 2}, {-5, 2}, {2, 2}, {7, 7}, {12, 12}, {13, 12}, {1000, 12}};
  for (const auto& c : cases) {
    TSynGutter g;
    g.SetDigitCount(c.given);
    EXPECT_EQ(g.DigitCount(), c.stored) << c.given;
    EXPECT_EQ(g.EffectiveDigitCount(), c.stored) << c.given;
  }
}

TEST(Gutter, OffsetsAndWidthNeverNegative) {
  TSynGutter g;
  g.SetLeftOffset(-3);
  g.SetRightOffset(-1);
  g.SetWidth(-10);
  EXPECT_EQ(g.LeftOffset(), 0);
  EXPECT_EQ(g.RightOffset(), 0);
  EXPECT_EQ(g.Width(), 0);
}

TEST(Gutter, AutoSizeDigitCount) {
  const struct {
    bool zeroStart;
    int lines, effective, events;
  } cases[] = {{false, 123456, 6, 1}, {true, 100000, 5, 1}, {false, 100000, 6, 1},
               {false, 99, 4, 0},     {false, 10000, 5, 1}, {true, 10000, 4, 0}};
  for (const auto& c : cases) {
    TSynGutter g;
    g.SetShowLineNumbers(true);
    g.SetAutoSize(true);
    g.SetZeroStart(c.zeroStart);
    ChangeCounter changes;
    g.OnChange = changes.Event();
    g.AutoSizeDigitCount(c.lines);
    EXPECT_EQ(g.EffectiveDigitCount(), c.effective) << c.lines;
    EXPECT_EQ(changes.count, c.events) << c.lines;
    g.AutoSizeDigitCount(c.lines);  // the same count again: no event
    EXPECT_EQ(changes.count, c.events) << c.lines;
  }
}

TEST(Gutter, AutoSizeOffFallsBackToDigitCountSilently) {
  TSynGutter g;
  g.SetShowLineNumbers(true);
  g.SetAutoSize(true);
  g.AutoSizeDigitCount(1000000);
  ASSERT_EQ(g.EffectiveDigitCount(), 7);
  g.SetAutoSize(false);
  ChangeCounter changes;
  g.OnChange = changes.Event();
  g.AutoSizeDigitCount(1000000);
  EXPECT_EQ(g.EffectiveDigitCount(), 4);
  EXPECT_EQ(changes.count, 0);
}

TEST(Gutter, FormatLineNumber) {
  const struct {
    bool leadingZeros, zeroStart;
    int digits, line;
    const char* text;
  } cases[] = {
      {false, false, 4, 7, "   7"},     {true, false, 4, 7, "0007"},     {true, true, 4, 1, "0000"},
      {false, true, 4, 1, "   0"},     {false, false, 4, 12345, "12345"}, {true, false, 2, 5, "05"},
      {true, false, 4, 1234, "1234"},  {false, false, 2, 100, "100"},   {true, true, 3, 11, "010"},
  };
  for (const auto& c : cases) {
    TSynGutter g;
    g.SetDigitCount(c.digits);
    g.SetLeadingZeros(c.leadingZeros);
    g.SetZeroStart(c.zeroStart);
    EXPECT_EQ(g.FormatLineNumber(c.line), c.text) << c.line;
  }
}

// Each setter stores a different value and notifies once; the same value again
// neither stores nor notifies.
TEST(Gutter, SettersNotifyOnlyOnChange) {
  TSynGutter g;
  ChangeCounter changes;
  g.OnChange = changes.Event();
  const struct {
    const char* name;
    void (*set)(TSynGutter&);
  } setters[] = {
      {"Color", [](TSynGutter& x) { x.SetColor(clRed); }},
      {"Width", [](TSynGutter& x) { x.SetWidth(40); }},
      {"ShowLineNumbers", [](TSynGutter& x) { x.SetShowLineNumbers(true); }},
      {"DigitCount", [](TSynGutter& x) { x.SetDigitCount(5); }},
      {"LeadingZeros", [](TSynGutter& x) { x.SetLeadingZeros(true); }},
      {"ZeroStart", [](TSynGutter& x) { x.SetZeroStart(true); }},
      {"LeftOffset", [](TSynGutter& x) { x.SetLeftOffset(3); }},
      {"RightOffset", [](TSynGutter& x) { x.SetRightOffset(4); }},
      {"Visible", [](TSynGutter& x) { x.SetVisible(false); }},
      {"UseFontStyle", [](TSynGutter& x) { x.SetUseFontStyle(false); }},
      {"AutoSize", [](TSynGutter& x) { x.SetAutoSize(true); }},
      {"Font", [](TSynGutter& x) { x.Font().SetSize(12); }},
  };
  for (const auto& s : setters) {
    const int before = changes.count;
    s.set(g);
    EXPECT_EQ(changes.count, before + 1) << s.name;
    EXPECT_EQ(changes.lastSender, &g) << s.name;
    s.set(g);
    EXPECT_EQ(changes.count, before + 1) << s.name << " again";
  }
  // The border style notifies without comparing.
  g.SetBorderStyle(gbsMiddle);
  g.SetBorderStyle(gbsMiddle);
  EXPECT_EQ(changes.count, 14);
}

TEST(Gutter, AssignCopiesEverythingAndNotifies) {
  TSynGutter a, b;
  a.SetShowLineNumbers(true);
  a.SetAutoSize(true);
  a.SetDigitCount(3);
  a.SetLeadingZeros(true);
  a.SetColor(clAqua);
  a.Font().SetName("Arial");
  a.AutoSizeDigitCount(123456);
  ChangeCounter changes;
  b.OnChange = changes.Event();
  EXPECT_TRUE(b.Assign(a));
  EXPECT_EQ(b.Font().Name(), "Arial");
  EXPECT_TRUE(b.ShowLineNumbers());
  EXPECT_EQ(b.DigitCount(), 3);
  EXPECT_EQ(b.EffectiveDigitCount(), 6);
  EXPECT_EQ(b.Color(), clAqua);
  EXPECT_EQ(b.FormatLineNumber(7), "000007");
  EXPECT_GE(changes.count, 1);
  TPersistent other;
  EXPECT_FALSE(b.Assign(other));
}

}  // namespace
}  // namespace kau::editor
