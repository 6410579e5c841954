#include "editor/completion/completion_form.h"

#include <gtest/gtest.h>

#include "editor/completion/proposal_matching.h"
#include "platform/fake/fake_popup.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"
#include "platform/virtual_keys.h"

namespace kau::editor {
namespace {

using namespace platform;

// The editor the list serves: it records the commands it is given.
struct FakeEditor : TCompletionEditor {
  FakeWindow window;
  std::vector<std::pair<TSynEditorCommand, char>> commands;
  std::string line;
  int caretX = 1;
  bool alwaysShowCaret = false;

  void CommandProcessor(TSynEditorCommand Command, char AChar, void*) override { commands.push_back({Command, AChar}); }
  std::string LineText() const override { return line; }
  int CaretX() const override { return caretX; }
  int TextWidth(std::string_view Text) const override { return 8 * static_cast<int>(Text.size()); }
  bool AlwaysShowCaret() const override { return alwaysShowCaret; }
  void SetAlwaysShowCaret(bool Value) override { alwaysShowCaret = Value; }
  WindowHost& Host() override { return window; }
};

// The owner's side of the events, as a log.
struct Owner : TObject {
  std::vector<std::string> log;
  void Validate(TObject*, TShiftState, char EndToken) { log.push_back(std::string("validate ") + EndToken); }
  void Cancel(TObject*) { log.push_back("cancel"); }
  void KeyPress(TObject*, char& Key) { log.push_back(std::string("key ") + Key); }
  void Change(TObject*, int Index) { log.push_back("change " + std::to_string(Index)); }
  void SizeChosen(TObject*, int Width, int Lines) {
    log.push_back("size " + std::to_string(Width) + " " + std::to_string(Lines));
  }
};

constexpr int kRow = FixedCellFonts::kCellHeight;

class CompletionForm : public ::testing::Test {
 protected:
  CompletionForm() {
    form.SetCurrentEditor(&editor);
    form.OnValidate = makeMethod<&Owner::Validate>(&owner);
    form.OnCancel = makeMethod<&Owner::Cancel>(&owner);
    form.OnKeyPress = makeMethod<&Owner::KeyPress>(&owner);
    form.OnSizeChosen = makeMethod<&Owner::SizeChosen>(&owner);
  }

  // Opens the list with `rows` rows and the options.
  void Open(const std::vector<std::string>& items, int rows, TSynCompletionOptions options) {
    form.SetOptions(options);
    form.SetItemList(items);
    popup.SetBounds({100, 100, 360, 100 + rows * kRow + form.TitleHeight() + 2 * FakePopup::kFrame});
    form.SetCurrentString("");
    form.Show();
  }
  void Type(const std::string& text) {
    for (char c : text) form.KeyPress(c);
  }
  void Key(std::uint16_t key, TShiftState shift = {}) { form.KeyDown(key, shift); }
  std::vector<std::string> Shown() const {
    std::vector<std::string> shown;
    for (int i = 0; i < form.AssignedCount(); ++i) shown.push_back(form.AssignedItem(i));
    return shown;
  }

  FakeSystem system;
  FakePopup popup;
  FakeEditor editor;
  Owner owner;
  TSynBaseCompletionProposalForm form{popup, &owner};
};

const std::vector<std::string> kIfs = {"if", "if (begin/end)", "if/else"};
constexpr TSynCompletionOptions kLimited = CompletionOptionSet(scoLimitToMatchedText);

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back("item" + std::to_string(i));
  return items;
}

TEST(ProposalMatching, FourCompares) {
  const TSynCompletionOptions ansi = CompletionOptionSet(scoAnsiStrings);
  const TSynCompletionOptions exact = CompletionOptionSet(scoCaseSensitive);
  const struct {
    const char* proposal;
    const char* typed;
    TSynCompletionOptions options;
    bool match;
  } cases[] = {
      {"writeln", "WRI", 0, true},         {"writeln", "WRI", exact, false},
      {"writeln", "wri", exact, true},     {"writeln", "", exact, true},
      {"wr", "wri", 0, false},             {"\xC7\xC3O", "\xE7\xE3", 0, false},  // ordinal: only a to z fold
      {"\xC7\xC3O", "\xE7\xE3", ansi, true},  {"\xC7\xC3O", "\xE7\xE3", ansi | exact, false},
      {"\xE7\xE3o", "\xE7\xE3", ansi | exact, true},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ProposalBeginsWith(c.proposal, c.typed, c.options), c.match) << c.proposal << " / " << c.typed;
}

TEST_F(CompletionForm, Defaults) {
  EXPECT_EQ(form.Font().Name(), "MS Sans Serif");
  EXPECT_EQ(form.Font().Size(), 8);
  EXPECT_EQ(form.TitleFont().Name(), "MS Sans Serif");
  EXPECT_EQ(form.TitleFont().Style(), fsBold);
  EXPECT_EQ(form.TitleFont().Color(), clBtnText);
  EXPECT_EQ((std::vector<TColor>{form.ClSelect, form.ClSelectedText, form.ClTitleBackground, form.ClBackground}),
            (std::vector<TColor>{clHighlight, clHighlightText, clBtnFace, clWindow}));
  EXPECT_TRUE(form.Resizeable());
  EXPECT_EQ(popup.Frame(), pfSizeable);
  EXPECT_EQ(form.ItemHeight(), 0);
  EXPECT_EQ(form.EffectiveItemHeight(), kRow);  // the font's height of "CompletionProposal"
  form.SetItemHeight(20);
  EXPECT_EQ(form.EffectiveItemHeight(), 20);
  EXPECT_EQ(form.Margin(), 2);
  EXPECT_EQ(form.NbLinesInWindow(), 8);
  EXPECT_EQ(form.DisplayKind(), ctCode);
  EXPECT_EQ(form.Position(), 0);
  EXPECT_EQ(form.TitleHeight(), 0);
  EXPECT_EQ(form.Columns().Count(), 0);
  EXPECT_EQ(form.Images(), nullptr);
  form.SetOptions(0xFFFF);  // only the window's own options are kept
  EXPECT_EQ(form.Options(), 0x07FF & ~(CompletionOptionSet(scoUseBuiltInTimer) |
                                       CompletionOptionSet(scoEndCharCompletion) |
                                       CompletionOptionSet(scoConsiderWordBreakChars)));
}

TEST_F(CompletionForm, TypingFiltersAndBackspaceBringsEntriesBack) {
  Open(kIfs, 8, kLimited);
  Type("if");
  EXPECT_EQ(Shown(), kIfs);
  Type("/");
  EXPECT_EQ(Shown(), std::vector<std::string>{"if/else"});
  EXPECT_EQ(form.LogicalToPhysicalIndex(0), 2);
  Key(VK_BACK);
  EXPECT_EQ(Shown(), kIfs);
  EXPECT_EQ(form.Position(), 0);
  EXPECT_EQ(form.CurrentString(), "if");
  EXPECT_EQ(owner.log, (std::vector<std::string>{"key i", "key f", "key /"}));
  EXPECT_EQ(editor.commands, (std::vector<std::pair<TSynEditorCommand, char>>{{ecDeleteLastChar, '\0'}}));
}

TEST_F(CompletionForm, WithoutLimitTypingSelectsFirstMatch) {
  Open({"read", "readln", "write", "writeln"}, 8, 0);
  Type("WRI");
  EXPECT_EQ(form.Position(), 2);
  Type("TEL");
  EXPECT_EQ(form.AssignedItem(form.Position()), "writeln");
  EXPECT_EQ(form.AssignedCount(), 4);
  Type("x");
  EXPECT_EQ(form.Position(), 0);
}

TEST_F(CompletionForm, MatchesPlainTextOfPrettyEntriesOrTheInsertTexts) {
  Open({"\\style{+B}wr\\style{-B}iteln", "\\color{clRed}read"}, 8,
       kLimited | CompletionOptionSet(scoUsePrettyText));
  Type("wri");
  EXPECT_EQ(form.AssignedCount(), 1);
  form.ItemList()[1] = "writeln";  // a change through the list is seen
  form.SetCurrentString("wri");
  EXPECT_EQ(form.AssignedCount(), 2);
  form.SetInsertList({"begin", "while"});
  form.SetOptions(kLimited | CompletionOptionSet(scoUseInsertList));
  form.SetCurrentString("wh");
  EXPECT_EQ(form.LogicalToPhysicalIndex(0), 1);
  EXPECT_EQ(form.AssignedCount(), 1);
}

TEST_F(CompletionForm, FilterShowingNothing) {
  Open(kIfs, 8, kLimited);
  Key(VK_DOWN);
  Key(VK_DOWN);
  Type("x");
  EXPECT_EQ(form.AssignedCount(), 0);
  EXPECT_EQ(form.Position(), 0);
  EXPECT_EQ(form.LogicalToPhysicalIndex(form.Position()), -1);
  Key(VK_DOWN);
  Key(VK_END);
  EXPECT_EQ(form.Position(), 0);
  EXPECT_TRUE(popup.PaintNow(true).Drawings().size() > 0);
  for (const FakeDrawing& d : popup.LastPaint()->Drawings()) EXPECT_NE(d.kind, FakeDrawing::Text);
}

TEST_F(CompletionForm, KeysMoveTheSelection) {
  Open(Numbered(30), 18, 0);
  const struct {
    std::uint16_t key;
    TShiftState shift;
    int position;
  } steps[] = {
      {VK_NEXT, {}, 18},  {VK_NEXT, {}, 29},   {VK_PRIOR, {}, 11}, {VK_PRIOR, {}, 0},   {VK_DOWN, {}, 1},
      {VK_UP, {}, 0},     {VK_UP, {}, 0},      {VK_END, {}, 29},   {VK_HOME, {}, 0},    {VK_DOWN, ssCtrl, 29},
      {VK_UP, ssCtrl, 0},
  };
  for (const auto& s : steps) {
    Key(s.key, s.shift);
    EXPECT_EQ(form.Position(), s.position) << s.key;
  }
  Key(VK_END);
  EXPECT_EQ(form.ScrollPosition(), 12);
  EXPECT_EQ(popup.ScrollBar().info.Max, 12);
  EXPECT_EQ(popup.ScrollBar().info.Pos, 12);
  EXPECT_TRUE(popup.ScrollBar().enabled);
}

TEST_F(CompletionForm, WheelMovesByTheSystemLines) {
  Open(Numbered(30), 18, 0);
  popup.Wheel(-120);
  EXPECT_EQ(form.Position(), 3);
  popup.Wheel(-60);
  EXPECT_EQ(form.Position(), 3);
  popup.Wheel(-60);
  EXPECT_EQ(form.Position(), 6);
  popup.Wheel(240);
  EXPECT_EQ(form.Position(), 0);
  popup.Wheel(120);
  EXPECT_EQ(form.Position(), 0);
  popup.Wheel(-120, ssCtrl);
  EXPECT_EQ(form.Position(), 18);
  popup.Wheel(-1200);
  EXPECT_EQ(form.Position(), 29);
}

TEST_F(CompletionForm, ClickSelectsTheRowUnderThePointer) {
  form.SetTitle("Modelos");
  Open(Numbered(30), 18, 0);
  Key(VK_END);
  for (int r : {0, 5, 17}) {
    popup.Click(10, form.TitleHeight() + r * kRow + 3);
    EXPECT_EQ(form.Position(), 12 + r);
  }
  popup.Click(10, 1);
  EXPECT_EQ(form.Position(), 29);
}

TEST_F(CompletionForm, ThumbDragBringsTheSelectionIntoView) {
  Open(Numbered(30), 18, 0);
  popup.DragThumb(10);
  EXPECT_EQ(form.ScrollPosition(), 10);
  EXPECT_EQ(form.Position(), 10);
  popup.DragThumb(99);
  EXPECT_EQ(form.ScrollPosition(), 12);
}

TEST_F(CompletionForm, FrameDragChangesTheRows) {
  Open(Numbered(30), 8, 0);
  EXPECT_EQ(form.NbLinesInWindow(), 8);
  EXPECT_TRUE(popup.DragFrame(feBottom, 0, 3 * kRow));
  EXPECT_EQ(form.NbLinesInWindow(), 11);
  EXPECT_TRUE(popup.DragFrame(feRight | feBottom, 40, -10 * kRow - 5));
  EXPECT_EQ(form.NbLinesInWindow(), 1);
  form.Hide();
  EXPECT_EQ(owner.log, std::vector<std::string>{"size 300 1"});
  form.SetResizeable(false);
  EXPECT_FALSE(popup.DragFrame(feBottom, 0, kRow));
}

TEST_F(CompletionForm, PaintsOnlyExistingRowsWithTheSelection) {
  Open(kIfs, 8, 0);
  Key(VK_DOWN);
  FakeCanvas& canvas = popup.PaintNow(true);
  std::vector<std::string> texts;
  for (const FakeDrawing& d : canvas.Drawings()) {
    if (d.kind != FakeDrawing::Text) continue;
    texts.push_back(d.text);
    EXPECT_EQ(d.color, d.text == "if (begin/end)" ? form.ClSelectedText : form.Font().Color()) << d.text;
  }
  EXPECT_EQ(texts, kIfs);
  int selectFills = 0;
  for (const FakeDrawing& d : canvas.Drawings())
    if (d.kind == FakeDrawing::FillRect && d.color == form.ClSelect) {
      ++selectFills;
      EXPECT_EQ(d.rect.Top, kRow);
      EXPECT_EQ(d.rect.Bottom, 2 * kRow);
    }
  EXPECT_EQ(selectFills, 1);
}

TEST_F(CompletionForm, KeyPressRules) {
  Open(kIfs, 8, kLimited);
  form.EndOfTokenChars().set('(').set(' ');
  Type("i(");
  Type(" ");
  EXPECT_EQ(owner.log, (std::vector<std::string>{"key i", "validate (", "key (", std::string("validate \0", 10),
                                                  "key  "}));
  owner.log.clear();
  Type("\r\x1B\t");
  Key(VK_TAB);
  Key(VK_RETURN);
  EXPECT_TRUE(owner.log.empty());
  form.SetOptions(CompletionOptionSet(scoCompleteWithTab) | CompletionOptionSet(scoCompleteWithEnter));
  Key(VK_TAB);
  Key(VK_RETURN);
  Key(VK_ESCAPE);
  Type("{");
  EXPECT_EQ(owner.log, (std::vector<std::string>{std::string("validate \0", 10), std::string("validate \0", 10),
                                                  "cancel", "cancel"}));
  EXPECT_EQ(editor.commands.back(), (std::pair<TSynEditorCommand, char>{ecChar, '{'}));
}

TEST_F(CompletionForm, EditingKeysGoToTheEditor) {
  Open(kIfs, 8, kLimited);
  form.EndOfTokenChars().set('(');
  editor.line = "ifx(";
  editor.caretX = 3;
  Type("if");
  Key(VK_RIGHT);
  EXPECT_EQ(form.CurrentString(), "ifx");
  editor.caretX = 4;
  Key(VK_RIGHT);
  Key(VK_LEFT, ssShift);
  Key(VK_DELETE);
  Key(VK_BACK, ssCtrl);
  EXPECT_EQ(form.CurrentString(), "if");
  EXPECT_EQ(owner.log.back(), "cancel");
  EXPECT_EQ(editor.commands, (std::vector<std::pair<TSynEditorCommand, char>>{
                                 {ecRight, '\0'}, {ecRight, '\0'}, {ecLeft, '\0'}, {ecDeleteChar, '\0'}}));
  form.SetCurrentString("");
  Key(VK_BACK);
  EXPECT_EQ(editor.commands.back(), (std::pair<TSynEditorCommand, char>{ecDeleteLastChar, '\0'}));
  EXPECT_EQ(owner.log.back(), "cancel");
}

TEST_F(CompletionForm, OpenListTakesTheEditorsKeysAndCaretSetting) {
  struct EditorClient : WindowClient {
    std::string typed;
    void Paint(Canvas&, const TRect&) override {}
    void KeyDown(std::uint16_t&, TShiftState) override {}
    void KeyUp(std::uint16_t&, TShiftState) override {}
    void KeyPress(char& ch) override { typed += ch; }
    void MouseDown(TMouseButton, TShiftState, int, int) override {}
    void MouseMove(TShiftState, int, int) override {}
    void MouseUp(TMouseButton, TShiftState, int, int) override {}
  } client;
  editor.window.SetClient(&client);
  form.OnChange = makeMethod<&Owner::Change>(&owner);
  Open(Numbered(30), 8, kLimited);
  form.Show();  // again: the saved caret setting stays the editor's own
  EXPECT_TRUE(popup.Visible());
  EXPECT_TRUE(editor.alwaysShowCaret);
  editor.window.SendKey('I', {}, "i");
  editor.window.SendKey(VK_DOWN);
  editor.window.SendWheel(-120);
  EXPECT_EQ(form.CurrentString(), "i");
  EXPECT_EQ(form.Position(), 4);
  EXPECT_EQ(owner.log, (std::vector<std::string>{"key i", "change 1", "change 4"}));
  form.Hide();
  EXPECT_FALSE(editor.alwaysShowCaret);
  editor.window.SendKey('A', {}, "a");
  EXPECT_EQ(client.typed, "a");
  EXPECT_EQ(form.CurrentString(), "i");

  // A list destroyed while open gives the keys back.
  {
    FakePopup other;
    TSynBaseCompletionProposalForm open(other);
    open.SetCurrentEditor(&editor);
    open.Show();
  }
  editor.window.SendKey('B', {}, "b");
  EXPECT_EQ(client.typed, "ab");
}

TEST_F(CompletionForm, TitleAndHintKinds) {
  form.SetTitle("Modelos");
  Open(kIfs, 8, CompletionOptionSet(scoTitleIsCentered));
  EXPECT_EQ(form.TitleHeight(), kRow + 4);
  const int clientWidth = popup.ClientRect().Width();
  std::vector<std::pair<std::string, int>> texts;
  for (const FakeDrawing& d : popup.PaintNow(true).Drawings())
    if (d.kind == FakeDrawing::Text) texts.push_back({d.text, d.from.X});
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts.back(), (std::pair<std::string, int>{"Modelos", (clientWidth - 7 * 9) / 2}));
  EXPECT_EQ(texts.front(), (std::pair<std::string, int>{"if", form.Margin()}));

  // A parameter hint: every entry, the parameter at Position in bold.
  form.SetDisplayKind(ctParams);
  form.SetItemList({"a,b"});
  form.SetPosition(0);
  std::vector<std::pair<std::string, bool>> pieces;
  for (const FakeDrawing& d : popup.PaintNow(true).Drawings())
    if (d.kind == FakeDrawing::Text) pieces.push_back({d.text, d.font.Weight >= FW_BOLD});
  EXPECT_EQ(pieces, (std::vector<std::pair<std::string, bool>>{{"a", true}, {" b", false}}));
  EXPECT_TRUE(popup.ScrollBar().bounds.IsEmpty());
  EXPECT_EQ(popup.FrameThickness(), 0);
}

TEST(ParameterHint, BoldsTheCurrentParameter) {
  EXPECT_EQ(ParameterHintText("a: integer,b: real", 1), "a: integer \\style{~B}b: real\\style{~B}");
  EXPECT_EQ(ParameterHintText("x", 0), "\\style{~B}x\\style{~B}");
  EXPECT_EQ(ParameterHintText("x,y", 5), "x y");
}

}  // namespace
}  // namespace kau::editor
