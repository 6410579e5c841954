// The code templates: their texts and carets, and one chosen in an editor
// as the completion list inserts it (the typed word replaced, one undo step).
#include "ide/code_templates.h"
#include "tests/editor_control/control_fixture.h"

namespace kau::ide {
namespace {

TEST(CodeTemplates, EighteenItemsInTheListsOrder) {
  const auto templates = CodeTemplates();
  ASSERT_EQ(templates.size(), 18u);
  EXPECT_EQ(templates.front().item, "array");
  EXPECT_EQ(templates[10].item, "if/else (begin/end)");
  EXPECT_EQ(templates.back().item, "writeln");
}

TEST(CodeTemplates, TextsAndCarets) {
  struct Case {
    const char* item;
    int startX;
    const char* value;
    int caretX;
    int caretY;
  };
  const Case cases[] = {
      {"if", 5, "if (  ) then\n      //comando", 10, 7},
      {"repeat", 1, "repeat\n  //comandos\nuntil (  );", 9, 9},
      {"writeln", 1, "writeln(  ) ; ", 10, 7},
      {"if/else (begin/end)", 1, "if (  ) then begin\n  //comandos\nend\nelse begin\n  //comandos\nend;", 6, 7},
      {"record", 3, "record\n    //campo : integer;\n  end;", 13, 8},
      {"array", 2, "array[1..] of ;", 11, 7},
      {"nada", 4, "wri", 7, 7},  // no template: the typed word stays
  };
  for (const Case& c : cases) {
    const TemplateInsertion got = ExpandTemplate(c.item, "wri", c.startX, 7);
    EXPECT_EQ(got.value, c.value) << c.item;
    EXPECT_EQ(got.caretX, c.caretX) << c.item;
    EXPECT_EQ(got.caretY, c.caretY) << c.item;
  }
}

class TemplateInEditorTest : public editor::testing::ControlTest {};

TEST_F(TemplateInEditorTest, TheTypedWordIsReplaced) {
  SetLines({"  wri"});
  edit.SetCaretXY({6, 1});
  const int start = TemplateStartColumn(edit.CaretX(), "wri");
  EXPECT_EQ(start, 3);
  const TemplateInsertion got = ExpandTemplate("writeln", "wri", start, edit.CaretY());
  edit.SetCaretAndSelection(edit.CaretXY(), {start, 1}, edit.CaretXY());
  edit.SetSelTextExternal(got.value);
  edit.SetCaretXY({got.caretX, got.caretY});
  EXPECT_EQ(edit.LineText(1), "  writeln(  ) ;");  // the editor trims the trailing blank
  EXPECT_EQ(edit.CaretXY(), (editor::TPoint{12, 1}));
  edit.Undo();
  EXPECT_EQ(edit.LineText(1), "  wri");
}

}  // namespace
}  // namespace kau::ide
