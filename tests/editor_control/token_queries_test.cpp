#include <string>

#include "editor/highlight/pascal_highlighter.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::editor::testing {
namespace {

TEST_F(ControlTest, TokenAndAttributeAtAPosition) {
  SetLines({"begin { a", "b } x := 'it''s';", ""});
  std::string token;
  TSynHighlighterAttributes* attr = nullptr;
  int kind = -1, start = -1;
  EXPECT_FALSE(edit.GetHighlighterAttriAtRowColEx({1, 1}, token, kind, start, attr));  // no highlighter
  TSynPasSyn pascal;
  edit.SetHighlighter(&pascal);
  ASSERT_TRUE(edit.GetHighlighterAttriAtRowColEx({3, 1}, token, kind, start, attr));
  EXPECT_EQ(token, "begin");
  EXPECT_EQ(attr, pascal.GetDefaultAttribute(SYN_ATTR_KEYWORD));
  EXPECT_EQ(start, 1);
  // The comment goes on from the range of the line before.
  ASSERT_TRUE(edit.GetHighlighterAttriAtRowColEx({1, 2}, token, kind, start, attr));
  EXPECT_EQ(attr, pascal.GetDefaultAttribute(SYN_ATTR_COMMENT));
  ASSERT_TRUE(edit.GetHighlighterAttriAtRowCol({12, 2}, token, attr));
  EXPECT_EQ(token, "'it''s'");
  EXPECT_EQ(attr, pascal.GetDefaultAttribute(SYN_ATTR_STRING));
  ASSERT_TRUE(edit.GetHighlighterAttriAtRowColEx({5, 2}, token, kind, start, attr));
  EXPECT_EQ(token, "x");
  EXPECT_EQ(kind, tkIdentifier);
  EXPECT_EQ(start, 5);

  // Just after the last character, and outside the text.
  for (const TPoint p : {TPoint{10, 1}, TPoint{18, 2}, TPoint{0, 1}, TPoint{1, 0}, TPoint{1, 3}, TPoint{1, 4}}) {
    attr = pascal.GetDefaultAttribute(SYN_ATTR_KEYWORD);
    token = "?";
    EXPECT_FALSE(edit.GetHighlighterAttriAtRowCol(p, token, attr)) << p.X << "," << p.Y;
    EXPECT_EQ(token, "");
    EXPECT_EQ(attr, nullptr);
  }
}

TEST_F(ControlTest, WordAtAPositionAndUnderTheMouse) {
  SetLines({"  soma := a_1 + A\xE7\xE3o;", ""});
  const struct {
    TPoint at;
    const char* word;
  } cases[] = {
      {{3, 1}, "soma"}, {{5, 1}, "soma"}, {{7, 1}, "soma"},  // just after the word
      {{8, 1}, ""},     {{11, 1}, "a_1"}, {{17, 1}, "A\xE7\xE3o"},
      {{22, 1}, ""},    {{23, 1}, ""},    {{0, 1}, ""},       {{1, 2}, ""}, {{1, 3}, ""}, {{1, 0}, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(edit.GetWordAtRowCol(c.at), c.word) << c.at.X << "," << c.at.Y;

  // Cells of 8 x 16 pixels, the text from x 32.
  window.SetCursorPos({32 + 8 * 11 + 3, 5});
  EXPECT_EQ(edit.GetWordAtMouse(), "a_1");
  window.SetCursorPos({500, 5});
  EXPECT_EQ(edit.GetWordAtMouse(), "");
}

TEST_F(ControlTest, IdentifierCharacters) {
  const TSynIdentChars plain = edit.IdentChars();
  EXPECT_EQ(plain.count(), 223u);
  EXPECT_FALSE(plain.test(' '));
  EXPECT_TRUE(plain.test('!'));
  TSynPasSyn pascal;
  edit.SetHighlighter(&pascal);
  EXPECT_EQ(edit.IdentChars(), DefaultIdentChars());
  EXPECT_EQ(DefaultIdentChars().count(), 125u);
}

TEST_F(ControlTest, WordBlockSelectsTheRunOfIdentifierCharacters) {
  SetLines({"x := soma_2+b;", "", "fim"});
  const auto statuses = RecordStatusChanges();
  const struct {
    TPoint at;
    TPoint begin, end;
  } cases[] = {
      {{7, 1}, {6, 1}, {12, 1}},  {{12, 1}, {6, 1}, {12, 1}}, {{6, 1}, {6, 1}, {12, 1}},
      {{3, 1}, {3, 1}, {3, 1}},   {{14, 1}, {13, 1}, {14, 1}}, {{15, 1}, {15, 1}, {15, 1}},
      {{1, 2}, {1, 2}, {1, 2}},   {{2, 9}, {1, 3}, {4, 3}},    {{-5, 3}, {1, 3}, {4, 3}},
  };
  for (const auto& c : cases) {
    edit.SetWordBlock(c.at);
    EXPECT_EQ(edit.BlockBegin(), c.begin) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(edit.BlockEnd(), c.end) << c.at.X << "," << c.at.Y;
    EXPECT_EQ(edit.CaretXY(), c.end) << c.at.X << "," << c.at.Y;
  }
  EXPECT_NE(statusReports.back() & scSelection, 0);

  // Past the end of the line only the caret moves.
  edit.SetWordBlock({7, 1});
  edit.SetWordBlock({40, 1});
  EXPECT_EQ(edit.CaretXY(), (TPoint{15, 1}));
  EXPECT_EQ(edit.SelText(), "soma_2");
}

}  // namespace
}  // namespace kau::editor::testing
