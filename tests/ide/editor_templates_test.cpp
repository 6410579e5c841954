// The code templates in a real editor window: Ctrl+Space opens the list, a
// double click chooses an entry, the template replaces the typed word with
// the caret in its first slot, and one Undo takes it away.
#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "ide/code_templates.h"
#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "main_window_fixture.h"
#include "platform/qt/qt_popup_host.h"

namespace kau::ide::testing {
namespace {

class EditorTemplatesTest : public MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    editor_ = showWithEditor();
    ASSERT_NE(editor_, nullptr);
    main_->activateWindow();
    editor_->Host().setFocus();
  }
  RichEditControl& edit() { return editor_->RichEdit1(); }
  editor::TSynCompletionProposal& list() { return editor_->janelaTemplates(); }
  // The host has no meta-object of its own, so findChild cannot tell it.
  platform::QtPopupHost* popup() {
    for (QWidget* widget : QApplication::allWidgets())
      if (auto* host = dynamic_cast<platform::QtPopupHost*>(widget); host && host->isVisible()) return host;
    return nullptr;
  }
  void openList() {
    QTest::keyClick(&editor_->Host(), Qt::Key_Space, Qt::ControlModifier);
    QApplication::processEvents();
  }
  // Opens the list at the caret and double-clicks its row `row`.
  void choose(int row) {
    openList();
    ASSERT_NE(popup(), nullptr);
    const auto& form = list().Form();
    const int y = form.TitleHeight() + row * form.EffectiveItemHeight() + form.EffectiveItemHeight() / 2;
    const QPointF at(popup()->width() / 2, popup()->FrameThickness() + y);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick}) {
      QMouseEvent event(type, at, popup()->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
      QApplication::sendEvent(popup(), &event);
    }
    QApplication::processEvents();
  }
  static int rowOf(std::string_view item) {
    const auto templates = CodeTemplates();
    for (std::size_t i = 0; i < templates.size(); ++i)
      if (templates[i].item == item) return static_cast<int>(i);
    return -1;
  }

  TFormEditor* editor_ = nullptr;
};

TEST_F(EditorTemplatesTest, ListSettings) {
  EXPECT_EQ(list().Options(), editor::CompletionOptionSet(editor::scoLimitToMatchedText) |
                                  editor::CompletionOptionSet(editor::scoEndCharCompletion));
  EXPECT_EQ(list().ShortCut(), 16416);
  EXPECT_EQ(list().ItemList().size(), 18u);
  EXPECT_EQ(list().ItemList().front(), "array");
  EXPECT_EQ(list().ItemList().back(), "writeln");
  EXPECT_EQ(list().NbLinesInWindow(), 18);
  EXPECT_EQ(list().EndOfTokenChr(), "()[]. ");
  EXPECT_EQ(list().TriggerChars(), ".");
}

// The editor trims trailing blanks of its lines.
TEST_F(EditorTemplatesTest, TemplatesAtTheCaret) {
  const struct Case {
    const char* line;
    int column;
    const char* item;
    std::vector<std::string> lines;
    editor::TPoint caret;
  } cases[] = {
      {"    ", 5, "if", {"    if (  ) then", "      //comando"}, {10, 1}},
      {"", 1, "repeat", {"repeat", "  //comandos", "until (  );"}, {9, 3}},
      {"", 1, "writeln", {"writeln(  ) ;"}, {10, 1}},
      {"", 1, "if/else (begin/end)", {"if (  ) then begin", "  //comandos", "end", "else begin", "  //comandos", "end;"},
       {6, 1}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    edit().SetText(c.line);
    edit().SetCaretXY({c.column, 1});
    choose(rowOf(c.item));
    EXPECT_EQ(popup(), nullptr);
    ASSERT_EQ(edit().Lines().GetCount(), static_cast<int>(c.lines.size()));
    for (std::size_t i = 0; i < c.lines.size(); ++i) EXPECT_EQ(edit().LineText(static_cast<int>(i) + 1), c.lines[i]);
    EXPECT_EQ(edit().CaretXY(), c.caret);
  }
}

TEST_F(EditorTemplatesTest, TheTypedWordIsReplacedAndOneUndoRemovesTheTemplate) {
  edit().SetText("");
  QTest::keyClicks(&editor_->Host(), "wri");
  ASSERT_EQ(edit().LineText(1), "wri");
  choose(0);  // the only entry left for "wri"
  EXPECT_EQ(edit().LineText(1), "writeln(  ) ;");
  EXPECT_EQ(edit().CaretXY(), (editor::TPoint{10, 1}));
  edit().Undo();
  EXPECT_EQ(edit().LineText(1), "wri");
}

TEST_F(EditorTemplatesTest, TabAndEnterChooseNothing) {
  for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return}) {
    SCOPED_TRACE(key);
    edit().SetText("");
    edit().SetCaretXY({1, 1});
    openList();
    ASSERT_NE(popup(), nullptr);
    QTest::keyClick(&editor_->Host(), key);
    QApplication::processEvents();
    for (int line = 1; line <= edit().Lines().GetCount(); ++line)
      EXPECT_EQ(edit().LineText(line).find("array"), std::string::npos) << edit().LineText(line);
    list().CancelCompletion();
  }
}

// The end-of-token characters are typed like any other, also with no list
// open and on keys that have no virtual key of their own.
TEST_F(EditorTemplatesTest, EndOfTokenCharactersAreTyped) {
  edit().SetText("");
  QTest::keyClicks(&editor_->Host(), "a(b)[c]. !");
  EXPECT_EQ(edit().LineText(1), "a(b)[c]. !");
}

}  // namespace
}  // namespace kau::ide::testing
