// The Pascal highlighter's settings, attributes, keyword table and the
// stability of its line states.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "editor/highlight/highlighter_registry.h"
#include "editor/highlight/pascal_highlighter.h"
#include "editor/highlight/pascal_keywords.h"
#include "text/char_class.h"
#include "tests/highlight/scan_helpers.h"

namespace kau::editor {
namespace {

using testing::ScannedLine;
using testing::scanLine;
using testing::scanLines;

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(PascalHighlighter, AttributesAreListedByNameWithTheirStyles) {
  TSynPasSyn h;
  const std::vector<std::pair<std::string, TFontStyles>> expected = {
        {"Assembler", 0}, {"Character", 0}, {"Comment", fsItalic}, {"Float", 0},
        {"Hexadecimal", 0}, {"Identifier", 0}, {"Number", 0}, {"Preprocessor", fsItalic},
        {"Reserved Word", fsBold}, {"Space", 0}, {"String", 0}, {"Symbol", 0},
  };
  ASSERT_EQ(h.GetAttribCount(), 12);
  for (int i = 0; i < 12; ++i) {
    const TSynHighlighterAttributes* a = h.GetAttribute(i);
    EXPECT_EQ(a->Name(), expected[i].first);
    EXPECT_EQ(a->Style(), expected[i].second) << a->Name();
    EXPECT_EQ(a->Background(), clNone);
    EXPECT_EQ(a->Foreground(), clNone);
    EXPECT_FALSE(a->GetFontStyleStored()) << a->Name();
  }
}

TEST(PascalHighlighter, DefaultAttributesByIndex) {
  TSynPasSyn h;
  const TSynHighlighterAttributes* expected[] = {h.CommentAttri(), h.IdentifierAttri(), h.KeyAttri(),
                                                 h.StringAttri(), h.SpaceAttri(), h.SymbolAttri()};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(h.GetDefaultAttribute(i), expected[i]) << i;
  EXPECT_EQ(h.GetDefaultAttribute(-1), nullptr);
  EXPECT_EQ(h.GetDefaultAttribute(6), nullptr);
}

TEST(PascalHighlighter, TokenAttributesFollowTheReportedKind) {
  TSynPasSyn h;
  h.ResetRange();
  h.SetLine("asm mov { c } 'x' end; 1.0 $1 #1 'a' {$D} x ? \xE9", 0);
  std::vector<std::string> names;
  while (!h.GetEol()) {
    names.push_back(h.GetTokenAttribute() ? h.GetTokenAttribute()->Name() : "-");
    h.Next();
  }
  EXPECT_EQ(h.GetTokenAttribute(), nullptr);
  const std::vector<std::string> expected = {
      "Reserved Word", "Space", "Assembler", "Space", "Comment", "Space", "Assembler", "Space",
      "Reserved Word", "Symbol", "Space", "Float", "Space", "Hexadecimal", "Space", "Character",
      "Space", "String", "Space", "Preprocessor", "Space", "Identifier", "Space", "Symbol", "Space",
      "Symbol"};
  EXPECT_EQ(names, expected);
}

// Every reserved word, in any letter case and in the context it needs, is a
// keyword; with a digit or "_" after it, it is an identifier.
TEST(PascalHighlighter, EveryTableWordIsAKeywordInItsContext) {
  using pascal::KeywordRule;
  TSynPasSyn h;
  int checked = 0;
  for (const pascal::Keyword& k : pascal::allKeywords()) {
    int sum = 0;
    for (char c : k.word) sum += pascal::letterValue(static_cast<unsigned char>(c));
    EXPECT_EQ(sum, k.hash) << k.word;

    TRangeState range = rsUnKnown;
    if (k.rule == KeywordRule::InProperty || k.rule == KeywordRule::InPropertyOrExports ||
        k.rule == KeywordRule::Version3InProperty || k.rule == KeywordRule::Version4InProperty)
      range = rsProperty;
    if (k.rule == KeywordRule::InExports) range = rsExports;
    std::string upper(k.word);
    for (char& c : upper) c = static_cast<char>(text::toUpperAscii(static_cast<unsigned char>(c)));
    for (const std::string& word : {std::string(k.word), upper}) {
      const ScannedLine s = scanLine(h, word, range);
      ASSERT_EQ(s.tokens.size(), 1u) << word;
      EXPECT_EQ(s.tokens[0].kind, tkKey) << word;
      for (const char* tail : {"1", "_", "x"}) {
        const ScannedLine t = scanLine(h, word + tail, range);
        ASSERT_EQ(t.tokens.size(), 1u) << word << tail;
        EXPECT_EQ(t.tokens[0].kind, tkIdentifier) << word << tail;
      }
    }
    ++checked;
  }
  EXPECT_EQ(checked, 107);
}

TEST(PascalHighlighter, WordsSharingAKeywordHashAreIdentifiers) {
  TSynPasSyn h;
  for (const char* word : {"fi", "od", "dna", "sa", "dne", "ni", "naem", "ob1", "a_b", "zzzzzzzzzzz"}) {
    const ScannedLine s = scanLine(h, word, rsUnKnown);
    ASSERT_EQ(s.tokens.size(), 1u) << word;
    EXPECT_EQ(s.tokens[0].kind, tkIdentifier) << word;
  }
}

TEST(PascalHighlighter, ForeignRangeValuesCountAsUnknown) {
  TSynPasSyn h;
  for (SynRange value : {kRangeUnscanned, SynRange{9}, SynRange{1} << 40}) {
    h.SetRange(value);
    EXPECT_EQ(h.GetRange(), rsUnKnown) << value;
  }
  h.SetRange(rsBorAsm);
  EXPECT_EQ(h.GetRange(), rsBorAsm);
  h.ResetRange();
  EXPECT_EQ(h.GetRange(), rsUnKnown);
}

// The settings notify the editors with the highlighter as the sender, so that
// they rescan their line states.
struct ChangeRecorder {
  std::vector<TObject*> senders;
  void Changed(TObject* sender) { senders.push_back(sender); }
};

TEST(PascalHighlighter, VersionAndPackageSourceDependOnEachOther) {
  TSynPasSyn h;
  ChangeRecorder rec;
  h.HookAttrChangeEvent(TNotifyEvent::bind<&ChangeRecorder::Changed>(&rec));
  EXPECT_EQ(h.PasVersion(), pasVersion6);
  EXPECT_TRUE(h.PackageSource());

  h.SetPasVersion(pasVersion6);
  EXPECT_TRUE(rec.senders.empty());

  h.SetPasVersion(pasVersion2);
  EXPECT_FALSE(h.PackageSource());
  h.SetPackageSource(true);
  EXPECT_EQ(h.PasVersion(), pasVersion3);
  h.SetPasVersion(pasVersion5);
  EXPECT_TRUE(h.PackageSource());
  h.SetPackageSource(false);
  EXPECT_EQ(h.PasVersion(), pasVersion5);
  EXPECT_EQ(rec.senders, std::vector<TObject*>(4, &h));
}

TEST(PascalHighlighter, ClassFacts) {
  TSynPasSyn h;
  EXPECT_EQ(TSynPasSyn::GetLanguageName(), "Object Pascal");
  EXPECT_EQ(TSynPasSyn::GetCapabilities(), hcRegistry | hcUserSettings);
  EXPECT_FALSE(h.IsFilterStored());
  h.SetDefaultFilter("Pascal (*.pas)|*.pas");
  EXPECT_TRUE(h.IsFilterStored());

  const TSynIdentChars chars = h.GetIdentChars();
  std::string words;
  for (int c = 0; c < 256; ++c)
    if (chars[c]) words += static_cast<char>(c);
  std::string expected = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
  for (int c = 192; c < 256; ++c)
    if (c != 215 && c != 247) expected += static_cast<char>(c);
  EXPECT_EQ(words, expected);

  const TSynHighlighterList& list = GetPlaceableHighlighters();
  const int at = list.FindByName("Object Pascal");
  ASSERT_GE(at, 0);
  EXPECT_EQ(list.FindByClass(&h), at);
  EXPECT_EQ(list.GetItem(at), h.ClassType());
}

TEST(PascalHighlighter, SampleSourceShowsEveryTokenKind) {
  TSynPasSyn h;
  std::set<int> kinds;
  for (const ScannedLine& line : scanLines(h, splitLines(h.GetSampleSource())))
    for (const auto& t : line.tokens) kinds.insert(t.kind);
  for (int kind : {tkAsm, tkComment, tkIdentifier, tkKey, tkNumber, tkSpace, tkString, tkSymbol,
                   tkFloat, tkHex, tkDirec, tkChar})
    EXPECT_TRUE(kinds.count(kind)) << kind;
}

// A text that exercises every range state across lines.
std::vector<std::string> makeFile(int lineCount) {
  static const char* const sampleLines[] = {
      "program P; { open", "still open } var x: Integer;", "(* a", "  b *) begin", "  x := 1.5E+2 + $FF;",
      "  asm mov eax, 1 { in asm", "  } (* more", "  *) end;", "property Q: Integer read R", "  write W;",
      "exports F name 'f' index 1;", "  s := 'it''s' + #13#10; // note", "end."};
  std::vector<std::string> lines;
  std::mt19937 random(7);
  for (int i = 0; i < lineCount; ++i) lines.push_back(sampleLines[random() % std::size(sampleLines)]);
  return lines;
}

TEST(PascalHighlighter, RescanningFromStoredRangesGivesTheSameTokens) {
  TSynPasSyn h;
  const std::vector<std::string> lines = makeFile(2000);
  const std::vector<ScannedLine> first = scanLines(h, lines);
  std::set<SynRange> seen;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const bool top = i == 0;
    const SynRange start = top ? 0 : first[i - 1].range;
    EXPECT_EQ(scanLine(h, lines[i], start, top), first[i]) << "line " << i;
    // Scanning the same line twice from the same state.
    EXPECT_EQ(scanLine(h, lines[i], start, top), scanLine(h, lines[i], start, top)) << "line " << i;
    seen.insert(first[i].range);
  }
  EXPECT_EQ(seen, (std::set<SynRange>{rsAnsi, rsAnsiAsm, rsAsm, rsBor, rsBorAsm, rsProperty, rsUnKnown}));
}

}  // namespace
}  // namespace kau::editor
