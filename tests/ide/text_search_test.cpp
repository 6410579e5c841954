// Find, replace, the selection colour and go to line on a real editor.
#include <QApplication>
#include <QLineEdit>
#include <QString>

#include "ide/go_to_line.h"
#include "ide/text_search.h"
#include "tests/editor_control/control_fixture.h"
#include "tests/ide/modal_answerer.h"

namespace kau::ide {
namespace {

class TextSearchTest : public editor::testing::ControlTest {
 protected:
  void Select(int start, int end) {
    edit.SetSelStart(start);
    edit.SetSelEnd(end);
  }
};

TEST_F(TextSearchTest, FindUpperCasesBothSidesOnlyWithoutMatchCase) {
  SetLines({"Program x;", "BEGIN", "end."});
  EXPECT_FALSE(FindNext(edit, "begin", true));
  EXPECT_EQ(edit.SelText(), "");
  ASSERT_TRUE(FindNext(edit, "begin", false));
  EXPECT_EQ(edit.SelText(), "BEGIN");
  EXPECT_EQ(edit.GetSelStart(), 12);  // "Program x;" and a line break of two
  EXPECT_EQ(edit.GetSelEnd(), 17);
  // Accented letters through the code page 1252 table.
  SetLines({"A\xC7\xC3O"});
  edit.SetCaretXY({1, 1});
  EXPECT_TRUE(FindNext(edit, "a\xE7\xE3o", false));
  EXPECT_FALSE(FindNext(edit, "", false));
}

TEST_F(TextSearchTest, RepeatedFindStopsAtTheLastOccurrence) {
  SetLines({"a b a", "", "xa"});
  std::vector<int> starts;
  for (int i = 0; i < 5; ++i) {
    FindNext(edit, "a", true);
    starts.push_back(edit.GetSelStart());
  }
  EXPECT_EQ(starts, (std::vector<int>{0, 4, 10, 10, 10}));
  EXPECT_EQ(edit.SelText(), "a");
}

TEST_F(TextSearchTest, FindFromACaretPastTheLineEndStartsAtTheNextLine) {
  edit.SetOptions(edit.Options() | editor::eoScrollPastEol);
  SetLines({"ab", "cd"});
  edit.SetCaretXY({9, 1});
  ASSERT_TRUE(FindNext(edit, "c", true));
  EXPECT_EQ(edit.GetSelStart(), 4);
}

TEST_F(TextSearchTest, ReplaceAllNeverLooksInsideWhatItInserted) {
  SetLines({"aaa"});
  EXPECT_EQ(Replace(edit, "a", "aa", true, true), 3);
  EXPECT_EQ(edit.Text(), "aaaaaa");
  // One undo step per replacement.
  edit.Undo();
  EXPECT_EQ(edit.Text(), "aaaaa");
}

TEST_F(TextSearchTest, ReplaceAllGoesOnFromTheSelectionOverLines) {
  SetLines({"a x", "a", "a"});
  Select(5, 6);  // the second line's a
  EXPECT_EQ(Replace(edit, "A", "b", false, true), 2);
  EXPECT_EQ(edit.Text(), "a x\r\nb\r\nb");
  EXPECT_EQ(Replace(edit, "", "b", false, true), 0);
}

TEST_F(TextSearchTest, ReplaceTakesAMatchingSelectionAndNeverANonMatchingOne) {
  SetLines({"abc"});
  Select(0, 2);
  EXPECT_EQ(Replace(edit, "zz", "y", false, false), 0);
  EXPECT_EQ(edit.Text(), "abc");
  EXPECT_EQ(edit.SelText(), "ab");

  SetLines({"BEGIN", "begin"});
  edit.SetCaretXY({1, 1});
  ASSERT_TRUE(FindNext(edit, "begin", false));
  EXPECT_EQ(Replace(edit, "begin", "inicio", false, false), 1);
  EXPECT_EQ(edit.Text(), "inicio\r\nbegin");
  // A selection that is no occurrence: the next one is replaced.
  SetLines({"x begin"});
  Select(0, 1);
  EXPECT_EQ(Replace(edit, "begin", "fim", true, false), 1);
  EXPECT_EQ(edit.Text(), "x fim");
}

// Half a line break is found at a line's end but selects nothing there:
// replace all ends without inserting, where it would find it again forever.
TEST_F(TextSearchTest, ReplaceAllEndsAtHalfALineBreak) {
  for (const char* pattern : {"\r", "b\r"}) {
    SetLines({"ab", "cd"});
    edit.SetCaretXY({1, 1});
    EXPECT_EQ(Replace(edit, pattern, "zz", true, true), std::string(pattern) == "b\r" ? 1 : 0) << pattern;
  }
  EXPECT_EQ(edit.Text(), "azz\r\ncd");
  // A whole line break is replaced like any text.
  SetLines({"ab", "cd", "ef"});
  edit.SetCaretXY({1, 1});
  EXPECT_EQ(Replace(edit, "\r\n", " ", true, true), 2);
  EXPECT_EQ(edit.Text(), "ab cd ef");
}

TEST_F(TextSearchTest, SelectionColourFollowsTheDialogs) {
  ApplySearchSelectionColor(edit, true);
  EXPECT_EQ(edit.SelectedColor().Background(), 0x46A3FF);
  ApplySearchSelectionColor(edit, false);
  EXPECT_EQ(edit.SelectedColor().Background(), 0xFFBFBF);
}

TEST_F(TextSearchTest, GoToLine) {
  edit.Lines().Clear();
  for (int i = 0; i < 12; ++i) edit.Lines().Add("linha " + std::to_string(i + 1));
  struct Case {
    const char* answer;
    editor::TPoint caret;
  };
  for (const Case& c : {Case{"999", {2, 12}}, Case{" 5 ", {2, 5}}, Case{"$A", {2, 10}}, Case{"0", {2, 1}}}) {
    EXPECT_EQ(GoToLine(edit, QString::fromUtf8(c.answer)), std::nullopt) << c.answer;
    EXPECT_EQ(edit.CaretXY(), c.caret) << c.answer;
  }
  edit.SetCaretXY({4, 3});
  for (const char* answer : {"abc", "", "2147483648", "1 2"}) {
    const auto message = GoToLine(edit, QString::fromUtf8(answer));
    EXPECT_EQ(message, QString::fromUtf8("'%1' não é um valor inteiro válido.").arg(QString::fromUtf8(answer)));
    EXPECT_EQ(edit.CaretXY(), (editor::TPoint{4, 3})) << answer;
  }
}

// Go to line, a found text and a replaced one move the caret as a caret key
// does: what is typed there is undone on its own, and what was typed before
// stays (with a replacement whole, not only its deletion).
TEST_F(TextSearchTest, TypingAfterGoToLineFindOrReplaceIsUndoneOnItsOwn) {
  const struct {
    const char* name;
    void (*move)(editor::TCustomSynEdit&);
    const char* afterTyping;
    const char* afterUndo;
  } cases[] = {
      {"go to line", [](editor::TCustomSynEdit& e) { GoToLine(e, "4"); }, "xaa|bb|cc|dyd", "xaa|bb|cc|dd"},
      {"find", [](editor::TCustomSynEdit& e) { FindNext(e, "cc", true); }, "xaa|bb|y|dd", "xaa|bb|cc|dd"},
      {"replace", [](editor::TCustomSynEdit& e) { Replace(e, "cc", "zz", true, false); }, "xaa|bb|zzy|dd",
       "xaa|bb|zz|dd"},
      {"replace all", [](editor::TCustomSynEdit& e) { Replace(e, "b", "z", true, true); }, "xaa|zzy|cc|dd",
       "xaa|zz|cc|dd"},
  };
  const auto lines = [this] { return QString::fromStdString(edit.Text()).replace("\r\n", "|").toStdString(); };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SetLines({"aa", "bb", "cc", "dd"});
    edit.ClearUndo();
    edit.SetCaretXY({1, 1});
    edit.CommandProcessor(editor::ecChar, 'x', nullptr);
    c.move(edit);
    edit.CommandProcessor(editor::ecChar, 'y', nullptr);
    EXPECT_EQ(lines(), c.afterTyping);
    edit.Undo();
    EXPECT_EQ(lines(), c.afterUndo);
  }
}

// The question as the user sees it: its texts, the caret line as default.
TEST_F(TextSearchTest, GoToLineAsksAndReports) {
  SetLines({"a", "b", "c"});
  edit.SetCaretXY({1, 2});
  auto Answer = [](const char* text) {
    return [text] { QApplication::activeModalWidget()->findChild<QLineEdit*>()->setText(QString::fromUtf8(text)); };
  };
  QString defaultAnswer;
  auto asked = testing::AnswerNextModal("OK", [&] {
    defaultAnswer = QApplication::activeModalWidget()->findChild<QLineEdit*>()->text();
    Answer("3")();
  });
  AskGoToLine(nullptr, edit);
  EXPECT_EQ(asked->title, "Ir Para a Linha...");
  EXPECT_TRUE(asked->labels.values().contains(QString::fromUtf8("Entre o número da linha:")));
  EXPECT_EQ(defaultAnswer, "2");
  EXPECT_EQ(edit.CaretXY(), (editor::TPoint{2, 3}));

  auto cancelled = testing::AnswerNextModal("no such button", Answer("1"));
  AskGoToLine(nullptr, edit);
  EXPECT_TRUE(cancelled->seen);
  EXPECT_EQ(edit.CaretXY(), (editor::TPoint{2, 3}));

  std::shared_ptr<testing::ModalSeen> report;
  auto wrong = testing::AnswerNextModal("OK", [&] {
    Answer("abc")();
    report = testing::AnswerNextModal("OK");
  });
  AskGoToLine(nullptr, edit);
  EXPECT_TRUE(wrong->pressed);
  ASSERT_TRUE(report && report->seen);
  EXPECT_EQ(report->text, QString::fromUtf8("'abc' não é um valor inteiro válido."));
  EXPECT_EQ(edit.CaretXY(), (editor::TPoint{2, 3}));
}

}  // namespace
}  // namespace kau::ide
