#include "editor/model/key_strokes.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "platform/virtual_keys.h"

namespace kau::editor {
namespace {

const TShiftState kNone;
const TShiftState kShiftCtrl = ssShift | ssCtrl;

TEST(KeyCommands, CommandTable) {
  const TIdentMapEntry* names = EditorCommandNames();
  std::set<int> values;
  std::set<std::string> idents;
  for (int i = 0; i < kEditorCommandCount; ++i) {
    values.insert(names[i].Value);
    idents.insert(names[i].Name);
  }
  EXPECT_EQ(values.size(), 99u);
  EXPECT_EQ(idents.size(), 99u);
  EXPECT_EQ(IndexToEditorCommand(0), ecNone);
  EXPECT_EQ(IndexToEditorCommand(98), ecString);
  EXPECT_EQ(IndexToEditorCommand(99), ecNone);
  EXPECT_EQ(IndexToEditorCommand(-1), ecNone);
  std::vector<std::string> seen;
  GetEditorCommandValues([&](const std::string& s) { seen.push_back(s); });
  ASSERT_EQ(seen.size(), 99u);
  EXPECT_EQ(seen[51], "ecCopy");  // between ecCut and ecPaste
  seen.clear();
  GetEditorCommandExtended([&](const std::string& s) { seen.push_back(s); });
  EXPECT_EQ(seen[22], "Select Word Left");
}

TEST(KeyCommands, NameConversions) {
  struct Case {
    TSynEditorCommand command;
    const char* code;
    const char* extended;
  };
  const Case cases[] = {
      {ecSelWordLeft, "ecSelWordLeft", "Select Word Left"},
      {ecGotoMarker(0), "ecGotoMarker0", "Goto Bookmark 0"},
      {ecSetMarker(9), "ecSetMarker9", "Set Bookmark 9"},
      {ecGotoXY, "ecGotoXY", "Goto XY"},
      {ecSelGotoXY, "ecSelGotoXY", "Select Goto XY"},
      {ecDeleteBOL, "ecDeleteBOL", "Delete BOL"},
      {ecUndo, "ecUndo", "Undo"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EditorCommandToCodeString(c.command), c.code);
    EXPECT_EQ(ConvertCodeStringToExtended(c.code), c.extended);
    EXPECT_EQ(ConvertExtendedToCodeString(c.extended), c.code);
    EXPECT_EQ(ConvertExtendedToCommand(c.extended), c.command);
    int value = -1;
    EXPECT_TRUE(IdentToEditorCommand(c.code, value));
    EXPECT_EQ(value, c.command);
    std::string ident;
    EXPECT_TRUE(EditorCommandToIdent(c.command, ident));
    EXPECT_EQ(ident, c.code);
  }
  EXPECT_EQ(ConvertCodeStringToExtended("ecSelectAll"), "Select All");
  EXPECT_EQ(ConvertExtendedToCodeString("Select All"), "ecSelAll");
  EXPECT_EQ(ConvertExtendedToCommand("Select All"), ecNone);
  EXPECT_EQ(ConvertCodeStringToCommand("ECUNDO"), 601);
  EXPECT_EQ(ConvertCodeStringToCommand("ecNothing"), ecNone);
  EXPECT_EQ(ConvertCodeStringToExtended("Other"), "Other");
  EXPECT_EQ(ConvertExtendedToCodeString("ecUndo"), "ecUndo");
  EXPECT_EQ(EditorCommandToCodeString(1002), "1002");
  EXPECT_EQ(EditorCommandToDescrString(ecUndo), "");
  int value = 0;
  EXPECT_TRUE(IdentToEditorCommand("eccopy", value));
  EXPECT_EQ(value, ecCopy);
  EXPECT_FALSE(IdentToEditorCommand("ecNothing", value));
  std::string ident;
  EXPECT_FALSE(EditorCommandToIdent(1002, ident));
}

TEST(KeyStrokes, Defaults) {
  TSynEditKeyStrokes keys;
  keys.ResetDefaults();
  ASSERT_EQ(keys.Count(), 82);
  struct Lookup {
    std::uint16_t key;
    TShiftState shift;
    TSynEditorCommand command;
  };
  const Lookup lookups[] = {
      {'Z', ssCtrl, ecUndo},
      {'Z', kShiftCtrl, ecRedo},
      {VK_BACK, ssAlt, ecUndo},
      {VK_BACK, ssShift | ssAlt, ecRedo},
      {'M', ssCtrl, ecLineBreak},
      {'B', kShiftCtrl, ecMatchBracket},
      {'3', ssCtrl, ecGotoMarker(3)},
      {'3', kShiftCtrl, ecSetMarker(3)},
      {VK_F1, kNone, ecContextHelp},
      {VK_UP, ssCtrl, ecScrollUp},
      {VK_NEXT, kShiftCtrl, ecSelPageBottom},
      {VK_INSERT, ssShift, ecPaste},
      {VK_TAB, ssShift, ecShiftTab},
  };
  for (const Lookup& l : lookups) {
    const int i = keys.FindKeycode(l.key, l.shift);
    ASSERT_GE(i, 0) << l.key;
    EXPECT_EQ(keys.Items(i).Command(), l.command) << l.key;
    EXPECT_EQ(keys.FindShortcut(ShortCut(l.key, l.shift)), i);
  }
  EXPECT_EQ(keys.FindKeycode(VK_UP, kShiftCtrl), -1);
  EXPECT_EQ(keys.FindKeycode('Q', ssCtrl), -1);
  // The first binding in collection order wins.
  EXPECT_EQ(keys.Items(keys.FindCommand(ecCopy)).Key(), VK_INSERT);
  EXPECT_EQ(keys.FindCommand(ecCopy), 31);
  EXPECT_EQ(keys.Items(0).Command(), ecUp);
  EXPECT_EQ(keys.Items(81).Command(), ecMatchBracket);
  for (int i = 0; i < keys.Count(); ++i) EXPECT_EQ(keys.Items(i).Key2(), 0);
  // No two defaults share a key.
  std::set<TShortCut> shortcuts;
  for (int i = 0; i < keys.Count(); ++i) shortcuts.insert(keys.Items(i).GetShortCut());
  EXPECT_EQ(shortcuts.size(), 82u);
}

TEST(KeyStrokes, ShortcutValuesAndTexts) {
  EXPECT_EQ(ShortCut(VK_F1, ssCtrl), 16496);
  EXPECT_EQ(ShortCut('Z', kShiftCtrl), 'Z' + 0x6000);
  EXPECT_EQ(ShortCut(VK_BACK, ssAlt), VK_BACK + 0x8000);
  std::uint16_t key;
  TShiftState shift;
  ShortCutToKey(static_cast<TShortCut>('Z' + 0x6000), key, shift);
  EXPECT_EQ(key, 'Z');
  EXPECT_EQ(shift, kShiftCtrl);
  EXPECT_EQ(ShortCutToText(ShortCut('Z', kShiftCtrl)), "Shift+Ctrl+Z");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_BACK, ssAlt)), "Alt+BkSp");
  EXPECT_EQ(ShortCutToText(ShortCut(VK_F1, kNone)), "F1");
  EXPECT_EQ(ShortCutToText(0), "");

  TSynEditKeyStrokes keys;
  keys.AddKey(ecUndo, 'Z', ssCtrl);
  EXPECT_EQ(keys.Items(0).GetDisplayName(), "ecUndo - Ctrl+Z ");
}

TEST(KeyStrokes, ShortcutAlreadyExists) {
  TSynEditKeyStrokes keys;
  TSynEditKeyStroke& first = keys.Add();
  first.SetCommand(ecUndo);
  first.SetShortCut(ShortCut('K', ssCtrl));
  first.SetShortCut2(ShortCut('B', ssCtrl));
  TSynEditKeyStroke& second = keys.Add();
  second.SetCommand(ecRedo);
  second.SetShortCut2(ShortCut('B', ssCtrl));
  try {
    second.SetShortCut(ShortCut('K', ssCtrl));
    FAIL();
  } catch (const ESynKeyError& e) {
    EXPECT_STREQ(e.what(), "Shortcut already exists");
  }
  EXPECT_EQ(second.Key(), 0);  // the item keeps its keys
  // The same first key with another second key (Shift differs) is allowed:
  // both keys of the chord are compared with their modifiers.
  second.SetShortCut2(ShortCut('B', kShiftCtrl));
  second.SetShortCut(ShortCut('K', ssCtrl));
  EXPECT_EQ(second.Key(), 'K');
  EXPECT_THROW(second.SetShortCut2(ShortCut('B', ssCtrl)), ESynKeyError);
  EXPECT_EQ(second.Shift2(), kShiftCtrl);
  // An item may set its own shortcut again; 0 clears without a check.
  first.SetShortCut(ShortCut('K', ssCtrl));
  second.SetShortCut(0);
  EXPECT_EQ(second.GetShortCut(), 0);
  EXPECT_EQ(keys.FindKeycode2('K', ssCtrl, 'B', ssCtrl), 0);
  EXPECT_EQ(keys.FindShortcut2(ShortCut('K', ssCtrl), ShortCut('B', ssCtrl)), 0);
  EXPECT_EQ(keys.FindKeycode('K', ssCtrl), -1);  // a chord is not a one-key binding
}

TEST(KeyStrokes, AssignAndStreams) {
  TSynEditKeyStrokes keys;
  keys.ResetDefaults();
  keys.Items(0).SetKey2('Q');
  keys.Items(0).SetShift2(ssAlt);
  std::stringstream stream;
  keys.SaveToStream(stream);
  EXPECT_EQ(stream.str().size(), 4u + 82u * 8u);
  EXPECT_EQ(stream.str().substr(0, 12), std::string("\x52\0\0\0\x26\0\0\x51\0\x02\x03\0", 12));
  TSynEditKeyStrokes loaded;
  loaded.AddKey(ecCut, 'W', ssCtrl);
  loaded.LoadFromStream(stream);
  ASSERT_EQ(loaded.Count(), 82);
  for (int i = 0; i < 82; ++i) {
    EXPECT_EQ(loaded.Items(i).GetShortCut(), keys.Items(i).GetShortCut());
    EXPECT_EQ(loaded.Items(i).GetShortCut2(), keys.Items(i).GetShortCut2());
    EXPECT_EQ(loaded.Items(i).Command(), keys.Items(i).Command());
  }
  std::istringstream shortStream(std::string("\x02\0\0\0\x26\0\0\0\0\0\x03\0", 12));
  EXPECT_THROW(loaded.LoadFromStream(shortStream), EReadError);
  EXPECT_EQ(loaded.Count(), 82);  // unchanged

  TSynEditKeyStrokes copy;
  copy.Assign(keys);
  ASSERT_EQ(copy.Count(), 82);
  EXPECT_EQ(copy.Items(0).Key2(), 'Q');
  EXPECT_EQ(&copy.Items(0).Collection(), &copy);
}

}  // namespace
}  // namespace kau::editor
