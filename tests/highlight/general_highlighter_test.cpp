// The general highlighter's attributes, keywords and settings, and its
// colours and style kept in the settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/highlight/comma_text.h"
#include "editor/highlight/general_highlighter.h"
#include "editor/highlight/highlighter_registry.h"
#include "platform/settings/ini_file_settings.h"
#include "tests/highlight/scan_helpers.h"
#include "tests/settings/temp_folder.h"

namespace kau::editor {
namespace {

using G = TSynGeneralSyn;
const std::string kKey = "Software\\Pascal KAU\\General";

using testing::ChangeRecorder;

TEST(GeneralHighlighter, AttributesAreListedByNameWithTheirStyles) {
  G h;
  const std::vector<std::pair<std::string, TFontStyles>> expected = {
        {"Comment", fsItalic}, {"Identifier", 0}, {"Number", 0}, {"Preprocessor", 0},
        {"Reserved Word", fsBold}, {"Space", 0}, {"String", 0}, {"Symbol", 0},
  };
  ASSERT_EQ(h.GetAttribCount(), 8);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(h.GetAttribute(i)->Name(), expected[i].first);
    EXPECT_EQ(h.GetAttribute(i)->Style(), expected[i].second);
    EXPECT_FALSE(h.GetAttribute(i)->GetFontStyleStored());
  }
  const TSynHighlighterAttributes* defaults[] = {h.CommentAttri(), h.IdentifierAttri(), h.KeyAttri(),
                                                 h.StringAttri(), h.SpaceAttri(), h.SymbolAttri()};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(h.GetDefaultAttribute(i), defaults[i]) << i;
  EXPECT_EQ(h.GetDefaultAttribute(6), nullptr);
  EXPECT_EQ(h.GetDefaultAttribute(-1), nullptr);
}

TEST(GeneralHighlighter, TokenAttributesFollowTheKind) {
  G h;
  h.SetComments(G::csCPPStyle);
  h.SetKeyWords({"if"});
  const std::vector<std::pair<std::string, const TSynHighlighterAttributes*>> expected = {
        {"if", h.KeyAttri()}, {" ", h.SpaceAttri()}, {"x", h.IdentifierAttri()}, {"(", h.SymbolAttri()},
        {"1", h.NumberAttri()}, {"'s'", h.StringAttri()}, {"}", h.SymbolAttri()}, {"// c", h.CommentAttri()},
  };
  std::string line;
  for (const auto& e : expected) line += e.first;
  h.SetLine(line, 0);
  for (const auto& e : expected) {
    ASSERT_FALSE(h.GetEol());
    EXPECT_EQ(h.GetToken(), e.first);
    EXPECT_EQ(h.GetTokenAttribute(), e.second) << e.first;
    h.Next();
  }
  EXPECT_TRUE(h.GetEol());
  EXPECT_EQ(h.GetTokenAttribute(), nullptr);
  h.SetDetectPreprocessor(true);
  h.SetLine("#x", 0);
  EXPECT_EQ(h.GetTokenAttribute(), h.PreprocessorAttri());
}

TEST(GeneralHighlighter, IsRegisteredAsGeneral) {
  G h;
  EXPECT_EQ(G::GetLanguageName(), "General");
  const int index = GetPlaceableHighlighters().FindByName("General");
  ASSERT_GE(index, 0);
  EXPECT_EQ(GetPlaceableHighlighters().FindByClass(&h), index);
}

TEST(GeneralHighlighter, KeywordsAreAnUpperCaseCopySortedWithoutDuplicates) {
  G h;
  ChangeRecorder rec;
  h.HookAttrChangeEvent(rec.Handler());
  const std::vector<std::string> given = {"while", "Begin", "\xE7\xE3o", "BEGIN", "and", "\xC7\xC3O"};
  h.SetKeyWords(given);
  EXPECT_EQ(given[0], "while");  // the caller's list is left alone
  EXPECT_EQ(h.KeyWords(), (std::vector<std::string>{"AND", "BEGIN", "WHILE", "\xC7\xC3O"}));
  EXPECT_EQ(rec.senders, std::vector<TObject*>{&h});
  // Code page 1252 letters, never the locale.
  for (const char* word : {"and", "bEgIn", "\xE7\xE3o", "\xC7\xE3O"}) EXPECT_TRUE(h.IsKeyword(word)) << word;
  for (const char* word : {"", "an", "begin2", "cao"}) EXPECT_FALSE(h.IsKeyword(word)) << word;
}

TEST(GeneralHighlighter, SettersAnnounceOnlyChanges) {
  G h;
  ChangeRecorder rec;
  h.HookAttrChangeEvent(rec.Handler());
  h.SetComments(0);
  h.SetDetectPreprocessor(false);
  h.SetStringDelim(G::sdSingleQuote);
  EXPECT_TRUE(rec.senders.empty());
  h.SetComments(G::csCStyle);
  h.SetDetectPreprocessor(true);
  EXPECT_EQ(rec.senders, (std::vector<TObject*>{&h, &h}));
  h.KeyAttri()->SetForeground(clRed);
  EXPECT_EQ(rec.senders.back(), h.KeyAttri());
}

TEST(GeneralHighlighter, IdentifierCharsAreTheEditorsWordCharacters) {
  G h;
  std::string everyAboveBlank;
  for (int c = 33; c < 256; ++c) everyAboveBlank += static_cast<char>(c);
  EXPECT_EQ(h.IdentifierChars(), everyAboveBlank);
  h.SetIdentifierChars("z_a\xE9");
  EXPECT_EQ(h.IdentifierChars(), "_az\xE9");
  EXPECT_EQ(h.GetIdentChars().count(), 4u);
  EXPECT_TRUE(h.GetIdentChars().test(0xE9));
}

TEST(CommaText, WritesAndReadsTheClassLibrarysForm) {
  const std::vector<std::string> items = {"A", "B C", "", "x\"y", ",", "\xE9"};
  const std::string text = CommaText(items);
  EXPECT_EQ(text, "A,\"B C\",\"\",\"x\"\"y\",\",\",\xE9");
  std::vector<std::string> back;
  ASSERT_TRUE(ParseCommaText(text, back));
  EXPECT_EQ(back, items);

  ASSERT_TRUE(ParseCommaText("  a , b c,,\"d\"\"e\"f ,", back));
  EXPECT_EQ(back, (std::vector<std::string>{"a", "b", "c", "", "d\"e", "f"}));
  ASSERT_TRUE(ParseCommaText("", back));
  EXPECT_TRUE(back.empty());
  back = {"kept"};
  EXPECT_FALSE(ParseCommaText("a,\"b", back));
  EXPECT_FALSE(ParseCommaText("\"b\"\"", back));
  EXPECT_EQ(back, std::vector<std::string>{"kept"});
}

// A highlighter with every setting away from its default.
void customise(G& h) {
  h.SetKeyWords({"begin", "end", "two words"});
  h.CommentAttri()->SetForeground(clGreen);
  h.CommentAttri()->SetStyle(fsBold | fsUnderline | fsStrikeOut);
  h.KeyAttri()->SetBackground(clHighlight);  // a system colour: negative as an integer
  h.KeyAttri()->SetForeground(0x123456);
  h.StringAttri()->SetBackground(clDefault);
  h.SymbolAttri()->SetStyle(0);
}

void expectSameSettings(const G& a, const G& b) {
  EXPECT_EQ(a.KeyWords(), b.KeyWords());
  ASSERT_EQ(a.GetAttribCount(), b.GetAttribCount());
  for (int i = 0; i < a.GetAttribCount(); ++i) {
    const TSynHighlighterAttributes* x = a.GetAttribute(i);
    const TSynHighlighterAttributes* y = b.GetAttribute(i);
    EXPECT_EQ(x->Background(), y->Background()) << x->Name();
    EXPECT_EQ(x->Foreground(), y->Foreground()) << x->Name();
    EXPECT_EQ(x->Style(), y->Style()) << x->Name();
  }
}

TEST(GeneralHighlighterSettings, RegistryFormRoundTrip) {
  G saved;
  customise(saved);
  settings::MemorySettings registry;
  ASSERT_TRUE(saved.SaveToRegistry(registry, kKey));
  EXPECT_EQ(registry.ReadString(kKey, "KeyWords"), "BEGIN,END,\"TWO WORDS\"");
  EXPECT_EQ(registry.ReadString(kKey + "\\Reserved Word", "Background"), "-2147483635");
  EXPECT_EQ(registry.ReadString(kKey + "\\Comment", "Style"), "13");
  EXPECT_EQ(registry.ReadString(kKey + "\\Space", "Foreground"), "536870911");  // clNone

  G loaded;
  EXPECT_TRUE(loaded.LoadFromRegistry(registry, kKey));
  EXPECT_TRUE(loaded.LoadErrors().empty());
  expectSameSettings(saved, loaded);
  EXPECT_TRUE(loaded.IsKeyword("Two Words"));
}

TEST(GeneralHighlighterSettings, FileFormRoundTripKeepsOtherSections) {
  kau::testing::TempFolder folder;
  const std::string path = folder.File("colours.ini");
  settings::IniFileSettings other(path);
  other.WriteString("Elsewhere", "Value", "kept");
  ASSERT_TRUE(other.Flush());

  G saved;
  customise(saved);
  ASSERT_TRUE(saved.SaveToFile(path));
  G loaded;
  loaded.SetKeyWords(saved.KeyWords());  // the file form holds the attributes only
  EXPECT_TRUE(loaded.LoadFromFile(path));
  expectSameSettings(saved, loaded);

  settings::IniFileSettings reread(path);
  ASSERT_TRUE(reread.Load());
  EXPECT_EQ(reread.ReadString("Elsewhere", "Value"), "kept");
  EXPECT_EQ(reread.ReadString("Reserved Word", "Foreground"), "1193046");
}

TEST(GeneralHighlighterSettings, MissingKeyOrAttributeSection) {
  G h;
  settings::MemorySettings registry;
  EXPECT_FALSE(h.LoadFromRegistry(registry, kKey));

  // One attribute's section is missing: the load fails, the others still load.
  registry.WriteString(kKey, "KeyWords", "x");
  G source;
  source.IdentifierAttri()->SetForeground(clBlue);
  source.SymbolAttri()->SetForeground(clRed);
  source.SaveToRegistry(registry, kKey);
  settings::MemorySettings partial;
  for (const auto& [section, values] : registry.AllSections())
    if (section != kKey + "\\Comment")
      for (const auto& [name, value] : values) partial.WriteString(section, name, value);
  EXPECT_FALSE(h.LoadFromRegistry(partial, kKey));
  EXPECT_EQ(h.IdentifierAttri()->Foreground(), clBlue);
  EXPECT_EQ(h.SymbolAttri()->Foreground(), clRed);
  EXPECT_FALSE(h.LoadFromFile(kau::testing::TempFolder().File("missing.ini")));
}

struct BadValueCase {
  const char* name;
  std::string section;  // below the key
  std::string valueName;
  std::string value;
};

class GeneralHighlighterBadValue : public ::testing::TestWithParam<BadValueCase> {};

TEST_P(GeneralHighlighterBadValue, FailsTheLoadChangesNothingAndTheRestLoads) {
  const BadValueCase& c = GetParam();
  settings::MemorySettings registry;
  G source;
  source.SetKeyWords({"alpha"});
  source.KeyAttri()->SetForeground(clRed);
  source.KeyAttri()->SetBackground(clYellow);
  source.KeyAttri()->SetStyle(fsItalic);
  source.NumberAttri()->SetForeground(clBlue);
  ASSERT_TRUE(source.SaveToRegistry(registry, kKey));
  const std::string section = c.section.empty() ? kKey : kKey + "\\" + c.section;
  registry.WriteString(section, c.valueName, c.value);

  G h;
  h.SetKeyWords({"before"});
  EXPECT_FALSE(h.LoadFromRegistry(registry, kKey));
  ASSERT_EQ(h.LoadErrors().size(), 1u);
  const std::string& error = h.LoadErrors()[0];
  for (const std::string& part : {section, c.valueName, c.value})
    EXPECT_NE(error.find(part), std::string::npos) << error << " lacks " << part;

  // The bad value changed nothing; every other value loaded.
  G expected;
  expected.SetKeyWords(c.valueName == "KeyWords" ? std::vector<std::string>{"before"} : source.KeyWords());
  expected.KeyAttri()->SetForeground(c.valueName == "Foreground" ? clNone : clRed);
  expected.KeyAttri()->SetBackground(c.valueName == "Background" ? clNone : clYellow);
  expected.KeyAttri()->SetStyle(c.valueName == "Style" ? fsBold : fsItalic);
  expected.NumberAttri()->SetForeground(clBlue);
  expectSameSettings(h, expected);
}

const BadValueCase kBadValues[] = {
    {"ColourName", "Reserved Word", "Foreground", "clRed"},
    {"ColourInHex", "Reserved Word", "Background", "$FF"},
    {"ColourWithBlank", "Reserved Word", "Foreground", " 255"},
    {"ColourBeyond32Bits", "Reserved Word", "Background", "4294967296"},
    {"ColourWithUnknownHighByte", "Reserved Word", "Foreground", "16777216"},
    {"EmptyColour", "Reserved Word", "Background", ""},
    {"StyleAbove15", "Reserved Word", "Style", "16"},
    {"NegativeStyle", "Reserved Word", "Style", "-1"},
    {"StyleNotANumber", "Reserved Word", "Style", "bold"},
    {"KeyWordsWithAnUnclosedQuote", "", "KeyWords", "a,\"b c"},
};

INSTANTIATE_TEST_SUITE_P(Table, GeneralHighlighterBadValue, ::testing::ValuesIn(kBadValues),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(GeneralHighlighterSettings, SaveFailsWhenTheFileCannotBeWritten) {
  kau::testing::TempFolder folder;
  settings::IniFileSettings file(folder.File("a-folder"));
  std::filesystem::create_directory(folder.File("a-folder"));
  G h;
  EXPECT_FALSE(h.SaveToRegistry(file, kKey));
  EXPECT_FALSE(h.SaveToFile(folder.File("a-folder")));
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("a-folder")));
}

}  // namespace
}  // namespace kau::editor
