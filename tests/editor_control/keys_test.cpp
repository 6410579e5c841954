// The key path: commands from keys, the character of a command key dropped
// once, a key without a number forgetting that, the input method's string.
#include <string>
#include <vector>

#include "platform/virtual_keys.h"
#include "tests/editor_control/entry_fixture.h"

namespace kau::editor::testing {
namespace {

struct KeyLog {
  std::vector<std::string> seen;
  void Down(TObject*, std::uint16_t& Key, TShiftState) { seen.push_back("down " + std::to_string(Key)); }
  void Press(TObject*, char& Key) { seen.push_back(std::string("press ") + Key); }
  void Up(TObject*, std::uint16_t& Key, TShiftState) { seen.push_back("up " + std::to_string(Key)); }
  // A chain handler that takes Tab for itself.
  void EatTab(TObject*, std::uint16_t& Key, TShiftState) {
    if (Key == VK_TAB) Key = 0;
  }
};

TEST_F(EntryTest, AKeyWithoutANumberForgetsTheCommandKeysCharacter) {
  SetLines({"ab"});
  edit.SetCaretXY({3, 1});
  window.SendKey(VK_LEFT);     // a command: its character would be dropped
  window.SendKey(0, {}, ";");  // a dead key or AltGr character comes as 0
  window.SendKey(0, {}, "\xE7");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a;\xE7" "b"}));
  // A command key that also types (as Ctrl+M or Return may) types nothing.
  window.SendKey(VK_RETURN, {}, "\r");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a;\xE7", "b"}));
  // Alt alone types nothing; AltGr's characters (no Alt reported) are typed.
  window.SendKey('X', ssAlt, "x");
  window.SendKey('2', {}, "@");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"a;\xE7", "@b"}));
}

TEST_F(EntryTest, AltBackspaceIsTheUndoKeyAndTypesNothing) {
  SetLines({"ab"});
  edit.SetCaretXY({3, 1});
  window.SendKey('C', {}, "c");
  window.SendKey(VK_BACK, ssAlt, "\b");
  EXPECT_EQ(Lines(), (std::vector<std::string>{"ab"}));
}

TEST_F(EntryTest, KeysPassTheEventsAndTheHandlerChainsBeforeTheCommand) {
  SetLines({"ab"});
  KeyLog events, chain;
  edit.OnKeyDown = makeMethod<&KeyLog::Down>(&events);
  edit.OnKeyPress = makeMethod<&KeyLog::Press>(&events);
  edit.OnKeyUp = makeMethod<&KeyLog::Up>(&events);
  edit.AddKeyDownHandler(makeMethod<&KeyLog::Down>(&chain));
  edit.AddKeyPressHandler(makeMethod<&KeyLog::Press>(&chain));
  edit.AddKeyUpHandler(makeMethod<&KeyLog::Up>(&chain));
  edit.AddKeyDownHandler(makeMethod<&KeyLog::EatTab>(&chain));
  window.SendKey('Q', {}, "q");
  std::uint16_t key = 'Q';
  edit.KeyUp(key, {});
  window.SendKey(VK_TAB, {}, "\t");  // taken by the chain: no command, typed
  EXPECT_EQ(events.seen, (std::vector<std::string>{"down 81", "press q", "up 81", "down 9", "press \t"}));
  EXPECT_EQ(chain.seen, (std::vector<std::string>{"down 81", "press q", "up 81", "press \t"}));
  EXPECT_EQ(edit.LineText(1), "qab");  // a control character types nothing
}

TEST_F(EntryTest, AnInputMethodStringTypesOnceAndItsEchoIsCountedOff) {
  SetLines({"x"});
  edit.SetCaretXY({2, 1});
  const std::string text = "\xE3o";  // "ão" in code page 1252
  edit.ImeResult(text);
  for (char c : text) edit.KeyPress(c);
  EXPECT_EQ(edit.LineText(1), "x\xE3o");
  EXPECT_EQ(edit.CaretX(), 4);
  char next = 'k';
  edit.KeyPress(next);
  EXPECT_EQ(edit.LineText(1), "x\xE3ok");
  edit.Undo();
  edit.Undo();
  EXPECT_EQ(edit.LineText(1), "x");
}

TEST_F(EntryTest, TheInputMethodComposesInTheControlsFont) {
  window.SetFocused(true);
  EXPECT_EQ(window.ImeFont().Name, edit.Font().Desc().Name);
  TFont font;
  font.Assign(edit.Font());
  font.SetSize(edit.Font().Size() + 4);
  edit.SetFont(font);
  EXPECT_EQ(window.ImeFont().Height, edit.Font().Desc().Height);
}

}  // namespace
}  // namespace kau::editor::testing
