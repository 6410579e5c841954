// The completion component on a real editor: opening on Ctrl+Space,
// placement, choosing by Tab, Enter and end-of-token characters, cancelling,
// undo, failing handlers and editors going away.
#include <functional>
#include <stdexcept>

#include "editor/completion/completion_proposal.h"
#include "platform/fake/fake_popup.h"
#include "tests/completion/proposal_fixture.h"

namespace kau::editor::testing {
namespace {

using platform::FakePopup;

constexpr TSynCompletionOptions Without(TSynCompletionOption Option) {
  return static_cast<TSynCompletionOptions>(1668 & ~CompletionOptionSet(Option));
}

class ProposalTest : public KeyedEditorTest {
 protected:
  ProposalTest() {
    auto host = std::make_unique<FakePopup>();
    popup = host.get();
    proposal = std::make_unique<TSynCompletionProposal>(std::move(host));
    proposal->SetItemHeight(16);
    proposal->SetItemList({"write", "writeln", "readln"});
    proposal->SetEditor(&edit);
    proposal->OnCancelled = makeMethod<&ProposalTest::Cancelled>(this);
    proposal->OnCodeCompletion = makeMethod<&ProposalTest::CodeCompletion>(this);
  }
  void CtrlSpace(const std::string& text = " ") { window.SendKey(VK_SPACE, ssCtrl, text); }
  bool Open() const { return popup->Visible(); }

  // What the handlers record outlives the component, whose destruction may
  // still report a cancel.
  int cancelled = 0;
  int chosenIndex = -2;
  std::function<void(std::string&)> codeHook;
  FakePopup* popup = nullptr;
  std::unique_ptr<TSynCompletionProposal> proposal;

 private:
  void Cancelled(TObject*) { ++cancelled; }
  void CodeCompletion(TObject*, std::string& Value, TShiftState, int Index, char) {
    chosenIndex = Index;
    if (codeHook) codeHook(Value);
  }
};

TEST_F(ProposalTest, Defaults) {
  EXPECT_EQ(proposal->Options(), 1668);
  EXPECT_EQ(proposal->Width(), 260);
  EXPECT_EQ(proposal->NbLinesInWindow(), 8);
  EXPECT_EQ(proposal->EndOfTokenChr(), "()[]. ");
  EXPECT_EQ(proposal->TriggerChars(), ".");
  EXPECT_EQ(proposal->ShortCut(), 16416);
  EXPECT_EQ(proposal->TimerInterval(), 1000);
  EXPECT_FALSE(proposal->TimerExists());
  EXPECT_EQ(proposal->DefaultType(), ctCode);
  proposal->SetOptions(1668 | CompletionOptionSet(scoUseBuiltInTimer));
  EXPECT_TRUE(proposal->TimerExists());
}

TEST_F(ProposalTest, AddItemAtOutsideTheListFailsWithItsPosition) {
  proposal->ClearList();
  proposal->AddItem("a", "A");
  proposal->AddItemAt(0, "b", "B");
  EXPECT_EQ(proposal->DisplayItem(0), "b");
  EXPECT_EQ(proposal->InsertItem(1), "A");
  try {
    proposal->AddItemAt(5, "c", "C");
    FAIL();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Cannot insert item at position 5.");
  }
}

TEST_F(ProposalTest, CtrlSpaceInAReadOnlyEditorDoesNothing) {
  SetText({"wri"}, {4, 1});
  edit.SetReadOnly(true);
  CtrlSpace();
  EXPECT_FALSE(Open());
  EXPECT_EQ(Lines(), std::vector<std::string>{"wri"});
}

TEST_F(ProposalTest, CtrlSpaceOpensBelowTheCaretLineWithoutTypingItsBlank) {
  for (const char* text : {" ", ""}) {
    SetText({"  wri"}, {6, 1});
    CtrlSpace(text);
    ASSERT_TRUE(Open()) << "text '" << text << "'";
    // Caret x 32 + 5 * 8, y 0 + 16 in the client; the window at (100, 100).
    EXPECT_EQ(popup->Bounds().Left, 172);
    EXPECT_EQ(popup->Bounds().Top, 116);
    EXPECT_EQ(proposal->CurrentString(), "wri");
    EXPECT_EQ(proposal->Form().AssignedCount(), 2);
    EXPECT_EQ(Lines(), std::vector<std::string>{"  wri"});
    Key(VK_ESCAPE, "\x1b");
  }
}

TEST_F(ProposalTest, WithAnEmptyListTheShortcutsBlankIsDroppedAndTheNextLetterTyped) {
  proposal->ClearList();
  for (const char* text : {" ", ""}) {
    SetText({""}, {1, 1});
    CtrlSpace(text);
    EXPECT_FALSE(Open());
    Type("a");
    EXPECT_EQ(Lines(), std::vector<std::string>{"a"});
  }
}

TEST_F(ProposalTest, NearTheWorkAreasEdgesTheListOpensAboveAndToTheLeft) {
  // The editor that last opened the list gives the line height.
  SetText({""}, {1, 1});
  CtrlSpace();
  Key(VK_ESCAPE, "\x1b");
  proposal->ExecuteEx("", 900, 700, ctCode);
  EXPECT_EQ(popup->Bounds(), (TRect{640, 550, 900, 682}));
}

TEST_F(ProposalTest, ChoosingReplacesTheWordAtTheCaret) {
  struct Case {
    const char* name;
    TSynCompletionOptions options;
    std::string keys;  // "\t", "\r" or typed characters
    std::string line;
    bool open;
  };
  const Case cases[] = {
      {"Tab", 1668, "\t", "begin writeln('') end", false},
      {"Enter", 1668, "\r", "begin writeln('') end", false},
      {"Tab off", Without(scoCompleteWithTab), "\t", "begin wriX end", true},
      {"Enter off", Without(scoCompleteWithEnter), "\r", "begin wriX end", true},
      {"end char", 1668, "(", "begin writeln('')(X end", false},
      {"end char off", Without(scoEndCharCompletion), "(", "begin wri(X end", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    proposal->SetOptions(c.options);
    codeHook = [](std::string& Value) {
      if (Value == "writeln") Value = "writeln('')";
    };
    SetText({"begin wriX end"}, {10, 1});
    CtrlSpace();
    ASSERT_TRUE(Open());
    Key(VK_DOWN);
    if (c.keys == "\t") {
      Key(VK_TAB, "\t");
    } else if (c.keys == "\r") {
      Key(VK_RETURN, "\r");
    } else {
      Type(c.keys);
    }
    EXPECT_EQ(Lines(), std::vector<std::string>{c.line});
    EXPECT_EQ(Open(), c.open);
    if (c.open) {
      EXPECT_EQ(chosenIndex, -2);
      Key(VK_ESCAPE, "\x1b");
    } else {
      EXPECT_EQ(chosenIndex, 1);
    }
    chosenIndex = -2;
  }
}

TEST_F(ProposalTest, ATriggerCharacterTypedIntoTheListOpensItAgain) {
  SetText({"x"}, {2, 1});
  CtrlSpace();
  ASSERT_TRUE(Open());
  Type(".");
  EXPECT_EQ(Lines(), std::vector<std::string>{"x."});
  EXPECT_TRUE(Open());
  EXPECT_EQ(popup->ShowCount(), 2);
  EXPECT_EQ(proposal->CurrentString(), "");
}

TEST_F(ProposalTest, EscapeClosesWithOneCancelNotice) {
  SetText({"wri"}, {4, 1});
  CtrlSpace();
  Key(VK_ESCAPE, "\x1b");
  EXPECT_FALSE(Open());
  EXPECT_EQ(cancelled, 1);
  EXPECT_EQ(Lines(), std::vector<std::string>{"wri"});
}

TEST_F(ProposalTest, OneUndoRestoresTheTypedWord) {
  codeHook = [](std::string& Value) { Value = "writeln('');\r\nreadln;"; };
  SetText({"  wri"}, {6, 1});
  CtrlSpace();
  Key(VK_TAB, "\t");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"  writeln('');", "readln;"}));
  edit.Undo();
  EXPECT_EQ(Lines(), std::vector<std::string>{"  wri"});
  EXPECT_EQ(edit.CaretXY(), (TPoint{6, 1}));
}

TEST_F(ProposalTest, AFailingCompletionHandlerLeavesNoUpdateOrUndoBlockOpen) {
  codeHook = [](std::string&) { throw std::runtime_error("handler failed"); };
  SetText({"wri"}, {4, 1});
  CtrlSpace();
  EXPECT_THROW(Key(VK_TAB, "\t"), std::runtime_error);
  EXPECT_EQ(edit.PaintLock(), 0);
  EXPECT_EQ(edit.UndoList().BlockCount(), 0);
  EXPECT_EQ(Lines(), std::vector<std::string>{"wri"});
}

TEST_F(ProposalTest, AFilterShowingNothingInsertsNothingAndReportsNoIndex) {
  SetText({"zz"}, {3, 1});
  CtrlSpace();
  ASSERT_TRUE(Open());
  EXPECT_EQ(proposal->Form().AssignedCount(), 0);
  Key(VK_TAB, "\t");
  EXPECT_FALSE(Open());
  EXPECT_EQ(chosenIndex, -1);
  EXPECT_EQ(Lines(), std::vector<std::string>{"zz"});
}

TEST_F(ProposalTest, PastTheLineEndTheProposalGoesInAtTheCaret) {
  SetText({"\tab"}, {6, 1});
  CtrlSpace();
  ASSERT_TRUE(Open());
  Key(VK_TAB, "\t");
  EXPECT_EQ(Lines(), std::vector<std::string>{"\tab  write"});
}

TEST_F(ProposalTest, TheListClosesWhenTheEditorLosesTheFocusOrIsClicked) {
  SetText({"wri"}, {4, 1});
  CtrlSpace();
  ASSERT_TRUE(Open());
  window.SetFocused(false);
  EXPECT_FALSE(Open());
  EXPECT_EQ(cancelled, 1);
  EXPECT_FALSE(window.Focused());

  window.SetFocused(true);
  CtrlSpace();
  ASSERT_TRUE(Open());
  edit.MouseDown(mbLeft, ssLeft, 100, 40);
  edit.MouseUp(mbLeft, {}, 100, 40);
  EXPECT_FALSE(Open());
  EXPECT_EQ(cancelled, 2);
  EXPECT_EQ(Lines(), std::vector<std::string>{"wri"});
}

TEST_F(ProposalTest, AnEditorDestroyedWithTheListOpenIsLetGo) {
  platform::FakeWindow otherWindow{{0, 0, 400, 320}};
  auto other = std::make_unique<TSynEdit>();
  otherWindow.SetClient(other.get());
  other->CreateWnd(otherWindow);
  proposal->AddEditor(other.get());
  ASSERT_EQ(proposal->EditorsCount(), 2);
  other->Lines().Add("wri");
  other->SetCaretXY({4, 1});
  otherWindow.SendKey(VK_SPACE, ssCtrl, " ");
  ASSERT_TRUE(Open());
  other.reset();
  EXPECT_FALSE(Open());
  EXPECT_EQ(proposal->EditorsCount(), 1);
  EXPECT_EQ(proposal->Form().CurrentEditor(), nullptr);
  proposal.reset();
  Type("a");  // the editor's handlers are gone with the component
  EXPECT_EQ(edit.LineText(1), "a");
}

}  // namespace
}  // namespace kau::editor::testing

namespace kau::editor::testing {
namespace {

TEST_F(ProposalTest, AComponentDestroyedWithTheListOpenGivesTheKeysBack) {
  SetText({"wri"}, {4, 1});
  CtrlSpace();
  ASSERT_TRUE(Open());
  proposal.reset();
  EXPECT_EQ(cancelled, 1);
  Type("a");
  EXPECT_EQ(Lines(), std::vector<std::string>{"wria"});
}

TEST_F(ProposalTest, ADoubleClickChoosesTheRow) {
  SetText({"wri"}, {4, 1});
  CtrlSpace();
  popup->DoubleClick(10, 16 + 8);
  EXPECT_FALSE(Open());
  EXPECT_EQ(Lines(), std::vector<std::string>{"writeln"});
  EXPECT_EQ(chosenIndex, 1);
}

TEST_F(ProposalTest, TheSizeTheUserDraggedIsTheNextOpeningsSize) {
  SetText({"wri"}, {4, 1});
  CtrlSpace();
  ASSERT_TRUE(popup->DragFrame(platform::feRight | platform::feBottom, 40, 32));
  Key(VK_ESCAPE, "\x1b");
  EXPECT_EQ(proposal->Width(), 300);
  EXPECT_EQ(proposal->NbLinesInWindow(), 10);
  CtrlSpace();
  EXPECT_EQ(popup->Bounds().Width(), 300);
  EXPECT_EQ(popup->Bounds().Height(), 10 * 16 + 2 * FakePopup::kFrame);
}

TEST_F(ProposalTest, TheBuiltInTimerOpensTheListAfterATriggerCharacter) {
  proposal->SetOptions(1668 | CompletionOptionSet(scoUseBuiltInTimer));
  constexpr int timer = 1;
  SetText({"x"}, {2, 1});
  Type(".");
  EXPECT_TRUE(popup->TimerRunning(timer));
  Type("a");
  EXPECT_FALSE(popup->TimerRunning(timer));
  Type(".");
  ASSERT_TRUE(popup->TickTimer(timer));
  EXPECT_TRUE(Open());
  EXPECT_FALSE(popup->TimerRunning(timer));
  EXPECT_EQ(Lines(), std::vector<std::string>{"x.a."});
  Key(VK_ESCAPE, "\x1b");
  // While another program is active the tick opens nothing.
  system.SetApplicationActive(false);
  Type(".");
  ASSERT_TRUE(popup->TickTimer(timer));
  EXPECT_FALSE(Open());
  proposal->SetOptions(1668);
  EXPECT_FALSE(proposal->TimerExists());
}

// The hint kinds take the size of their entries, in the list's font (8
// pixels a character, bold 9), with margins of 2 and the frame line; a
// parameter entry is as wide as its widest text with one parameter bold.
TEST_F(ProposalTest, TheHintKindsTakeTheSizeOfTheirEntries) {
  std::vector<std::pair<int, int>> measured;
  std::function<void(int, int&)> measure = [&](int Index, int& Width) { measured.push_back({Index, Width}); };
  struct Measurer {
    std::function<void(int, int&)>* f;
    void Measure(TObject*, int Index, platform::Canvas&, int& Width) { (*f)(Index, Width); }
  } measurer{&measure};
  proposal->OnMeasureItem() = makeMethod<&Measurer::Measure>(&measurer);
  proposal->SetTitle("Title");  // a hint shows no title
  const struct {
    SynCompletionType kind;
    std::vector<std::string> items;
    int width, height;
    std::vector<std::pair<int, int>> measured;
  } cases[] = {
      {ctHint, {"write", "writeln", "readln"}, 7 * 8 + 6, 3 * 16 + 6, {}},
      {ctHint, {"ab\\style{+B}cd", "abc"}, 2 * 8 + 2 * 9 + 6, 2 * 16 + 6, {}},
      // "a bb" with a bold, then with bb bold; "ccc" bold.
      {ctParams, {"a,bb", "ccc"}, 8 + 8 + 2 * 9 + 6, 2 * 16 + 6, {{0, 34}, {1, 27}}},
      {ctParams, {"x"}, 9 + 6, 16 + 6, {{0, 9}}},
  };
  for (const auto& c : cases) {
    proposal->SetItemList(c.items);
    measured.clear();
    proposal->ExecuteEx("", 100, 100, c.kind);
    ASSERT_TRUE(Open());
    EXPECT_EQ(popup->Bounds(), (TRect{100, 100, 100 + c.width, 100 + c.height})) << c.items[0];
    EXPECT_EQ(measured, c.measured) << c.items[0];
    proposal->CancelCompletion();
  }
  // The measuring handler has the last word on an entry's width.
  measure = [](int Index, int& Width) {
    if (Index == 1) Width = 100;
  };
  proposal->SetItemList({"a,bb", "ccc"});
  proposal->ExecuteEx("", 100, 100, ctParams);
  EXPECT_EQ(popup->Bounds().Width(), 106);
  proposal->SetItemList({"a,bb", "ccc"});
  proposal->ExecuteEx("", 100, 100, ctHint);  // not fired for a plain hint
  EXPECT_EQ(popup->Bounds().Width(), 4 * 8 + 6);
}

// The window moves left by the width of the first dot-offset characters of
// the typed text in the editor's font (bold here: 9 pixels a character),
// and 3 pixels between each two of them.
TEST_F(ProposalTest, TheDotOffsetMovesTheWindowLeftByTheTypedTextInTheEditorsFont) {
  EXPECT_EQ(proposal->DotOffset(), 0);
  edit.Font().SetStyle(fsBold);
  SetText({"  wri"}, {6, 1});
  CtrlSpace();
  ASSERT_TRUE(Open());
  const int left = popup->Bounds().Left;
  Key(VK_ESCAPE, "\x1b");
  const struct {
    int dotOffset, shift;
  } cases[] = {{0, 0}, {1, 9}, {2, 2 * 9 + 3}, {3, 3 * 9 + 6}, {5, 3 * 9 + 6}, {-1, 0}};
  for (const auto& c : cases) {
    proposal->SetDotOffset(c.dotOffset);
    CtrlSpace();
    ASSERT_TRUE(Open());
    EXPECT_EQ(popup->Bounds().Left, left - c.shift) << c.dotOffset;
    Key(VK_ESCAPE, "\x1b");
  }
  // Without an editor to measure in, the window stays where it was asked.
  TSynBaseCompletionProposal bare(std::make_unique<FakePopup>());
  bare.SetItemList({"write"});
  bare.SetDotOffset(2);
  bare.ExecuteEx("wri", 300, 100, ctCode);
  EXPECT_EQ(bare.Form().Host().Bounds().Left, 300);
}

TEST_F(ProposalTest, AHintClosesOnTheEditorsNextCommand) {
  proposal->SetDefaultType(ctHint);
  SetText({"wri"}, {4, 1});
  proposal->ActivateCompletion();
  ASSERT_TRUE(Open());
  EXPECT_EQ(proposal->DisplayKind(), ctHint);
  Type("a");  // the hint does not take the keys
  EXPECT_FALSE(Open());
  EXPECT_EQ(Lines(), std::vector<std::string>{"wria"});
}

}  // namespace
}  // namespace kau::editor::testing
