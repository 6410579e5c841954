// Tokens and end states of the Pascal highlighter, line by line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "tests/highlight/scan_helpers.h"

namespace kau::editor {
namespace {

using testing::ScannedLine;
using testing::Token;

struct LinesCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<ScannedLine> expected;  // per line
  TSynPasVersion version = pasVersion6;
  bool packageSource = true;
};

void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.name; }

class PascalLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(PascalLines, GivesTheTokensAndEndStates) {
  const LinesCase& c = GetParam();
  TSynPasSyn h;
  h.SetPackageSource(c.packageSource);
  h.SetPasVersion(c.version);  // below version 3 this turns package source off
  testing::expectLines(h, c.lines, c.expected);
}

const LinesCase kCases[] = {
    {"MixedLineThenCommentContinues",
     {"  IF a>=1.5E-3 THEN s:='it''s'; {$R+} x:=$FF+#13 (* c", "still *) end."},
     {{{{tkSpace, 0, "  "}, {tkKey, 2, "IF"}, {tkSpace, 4, " "}, {tkIdentifier, 5, "a"},
        {tkSymbol, 6, ">="}, {tkFloat, 8, "1.5E-3"}, {tkSpace, 14, " "}, {tkKey, 15, "THEN"},
        {tkSpace, 19, " "}, {tkIdentifier, 20, "s"}, {tkSymbol, 21, ":="}, {tkString, 23, "'it''s'"},
        {tkSymbol, 30, ";"}, {tkSpace, 31, " "}, {tkDirec, 32, "{$R+}"}, {tkSpace, 37, " "},
        {tkIdentifier, 38, "x"}, {tkSymbol, 39, ":="}, {tkHex, 41, "$FF"}, {tkSymbol, 44, "+"},
        {tkChar, 45, "#13"}, {tkSpace, 48, " "}, {tkComment, 49, "(* c"}},
       rsAnsi},
      {{{tkComment, 0, "still *)"}, {tkSpace, 8, " "}, {tkKey, 9, "end"}, {tkSymbol, 12, "."}}, rsUnKnown}}},
    {"DigitEndsTheHashAndRangeStaysApart",
     {"End1 _x 1..10"},
     {{{{tkIdentifier, 0, "End1"}, {tkSpace, 4, " "}, {tkIdentifier, 5, "_x"}, {tkSpace, 7, " "},
        {tkNumber, 8, "1"}, {tkSymbol, 9, ".."}, {tkNumber, 11, "10"}},
       rsUnKnown}}},
    {"KeywordsIgnoreLetterCase",
     {"If IF if iF"},
     {{{{tkKey, 0, "If"}, {tkSpace, 2, " "}, {tkKey, 3, "IF"}, {tkSpace, 5, " "}, {tkKey, 6, "if"},
        {tkSpace, 8, " "}, {tkKey, 9, "iF"}},
       rsUnKnown}}},
    {"ReadIsAKeywordInsideAProperty",
     {"property Name: string read FName write FName;"},
     {{{{tkKey, 0, "property"}, {tkSpace, 8, " "}, {tkIdentifier, 9, "Name"}, {tkSymbol, 13, ":"},
        {tkSpace, 14, " "}, {tkKey, 15, "string"}, {tkSpace, 21, " "}, {tkKey, 22, "read"},
        {tkSpace, 26, " "}, {tkIdentifier, 27, "FName"}, {tkSpace, 32, " "}, {tkKey, 33, "write"},
        {tkSpace, 38, " "}, {tkIdentifier, 39, "FName"}, {tkSymbol, 44, ";"}},
       rsUnKnown}}},
    {"PropertyRangeCrossesLines",
     {"property Count: Integer", "  read FCount stored False;", "read(x);"},
     {{{{tkKey, 0, "property"}, {tkSpace, 8, " "}, {tkIdentifier, 9, "Count"}, {tkSymbol, 14, ":"},
        {tkSpace, 15, " "}, {tkIdentifier, 16, "Integer"}},
       rsProperty},
      {{{tkSpace, 0, "  "}, {tkKey, 2, "read"}, {tkSpace, 6, " "}, {tkIdentifier, 7, "FCount"},
        {tkSpace, 13, " "}, {tkKey, 14, "stored"}, {tkSpace, 20, " "}, {tkIdentifier, 21, "False"},
        {tkSymbol, 26, ";"}},
       rsUnKnown},
      {{{tkIdentifier, 0, "read"}, {tkSymbol, 4, "("}, {tkIdentifier, 5, "x"}, {tkSymbol, 6, ")"},
        {tkSymbol, 7, ";"}},
       rsUnKnown}}},
    {"ExportsClauseKeywords",
     {"exports Foo name 'F' index 3;", "name index"},
     {{{{tkKey, 0, "exports"}, {tkSpace, 7, " "}, {tkIdentifier, 8, "Foo"}, {tkSpace, 11, " "},
        {tkKey, 12, "name"}, {tkSpace, 16, " "}, {tkString, 17, "'F'"}, {tkSpace, 20, " "},
        {tkKey, 21, "index"}, {tkSpace, 26, " "}, {tkNumber, 27, "3"}, {tkSymbol, 28, ";"}},
       rsUnKnown},
      {{{tkIdentifier, 0, "name"}, {tkSpace, 4, " "}, {tkIdentifier, 5, "index"}}, rsUnKnown}}},
    {"AsmBlock",
     {"asm", "  mov eax, 1 { note }", "  (* a", "  b *) int 3", "end;"},
     {{{{tkKey, 0, "asm"}}, rsAsm},
      {{{tkSpace, 0, "  "}, {tkAsm, 2, "mov"}, {tkSpace, 5, " "}, {tkAsm, 6, "eax"}, {tkAsm, 9, ","},
        {tkSpace, 10, " "}, {tkAsm, 11, "1"}, {tkSpace, 12, " "}, {tkComment, 13, "{ note }"}},
       rsAsm},
      {{{tkSpace, 0, "  "}, {tkComment, 2, "(* a"}}, rsAnsiAsm},
      {{{tkComment, 0, "  b *)"}, {tkSpace, 6, " "}, {tkAsm, 7, "int"}, {tkSpace, 10, " "}, {tkAsm, 11, "3"}},
       rsAsm},
      {{{tkKey, 0, "end"}, {tkSymbol, 3, ";"}}, rsUnKnown}}},
    // The directive ends with the range back at rsAsm, so it counts as assembler.
    {"AsmOnOneLine",
     {"asm nop; {$I x} end"},
     {{{{tkKey, 0, "asm"}, {tkSpace, 3, " "}, {tkAsm, 4, "nop"}, {tkAsm, 7, ";"}, {tkSpace, 8, " "},
        {tkAsm, 9, "{$I x}"}, {tkSpace, 15, " "}, {tkKey, 16, "end"}},
       rsUnKnown}}},
    {"SlashesAreACommentFromVersion2",
     {"a // b {", "c"},
     {{{{tkIdentifier, 0, "a"}, {tkSpace, 1, " "}, {tkComment, 2, "// b {"}}, rsUnKnown},
      {{{tkIdentifier, 0, "c"}}, rsUnKnown}},
     pasVersion2},
    {"SlashesAreSymbolsInVersion1",
     {"a // b {", "c"},
     {{{{tkIdentifier, 0, "a"}, {tkSpace, 1, " "}, {tkSymbol, 2, "/"}, {tkSymbol, 3, "/"},
        {tkSpace, 4, " "}, {tkIdentifier, 5, "b"}, {tkSpace, 6, " "}, {tkComment, 7, "{"}},
       rsBor},
      {{{tkComment, 0, "c"}}, rsBor}},
     pasVersion1},
    {"BraceCommentOverLines",
     {"x { one", "", "two", "three } y"},
     {{{{tkIdentifier, 0, "x"}, {tkSpace, 1, " "}, {tkComment, 2, "{ one"}}, rsBor},
      {{}, rsBor},
      {{{tkComment, 0, "two"}}, rsBor},
      {{{tkComment, 0, "three }"}, {tkSpace, 7, " "}, {tkIdentifier, 8, "y"}}, rsUnKnown}}},
    {"ParenStarCommentOverLines",
     {"x (* one", "", "two", "three *) y", "(*)", "*)"},
     {{{{tkIdentifier, 0, "x"}, {tkSpace, 1, " "}, {tkComment, 2, "(* one"}}, rsAnsi},
      {{}, rsAnsi},
      {{{tkComment, 0, "two"}}, rsAnsi},
      {{{tkComment, 0, "three *)"}, {tkSpace, 8, " "}, {tkIdentifier, 9, "y"}}, rsUnKnown},
      {{{tkComment, 0, "(*)"}}, rsAnsi},
      {{{tkComment, 0, "*)"}}, rsUnKnown}}},
    {"CommentOpenedAtTheLineEnd",
     {"(*", "{"},
     {{{{tkComment, 0, "(*"}}, rsAnsi}, {{{tkComment, 0, "{"}}, rsAnsi}}},
    {"ContinuedBraceLineWithDollarSecondIsADirective",
     {"{ a", "x$ b } c"},
     {{{{tkComment, 0, "{ a"}}, rsBor},
      {{{tkDirec, 0, "x$ b }"}, {tkSpace, 6, " "}, {tkIdentifier, 7, "c"}}, rsUnKnown}}},
    {"BraceCommentInsideAsmReturnsToAsm",
     {"asm {", "} mov"},
     {{{{tkKey, 0, "asm"}, {tkSpace, 3, " "}, {tkComment, 4, "{"}}, rsBorAsm},
      {{{tkComment, 0, "}"}, {tkSpace, 1, " "}, {tkAsm, 2, "mov"}}, rsAsm}}},
    {"Numbers",
     {"5-3 1.5.3 1e+5 2E 7.5-1 0.."},
     {{{{tkNumber, 0, "5"}, {tkSymbol, 1, "-"}, {tkNumber, 2, "3"}, {tkSpace, 3, " "},
        {tkFloat, 4, "1.5.3"}, {tkSpace, 9, " "}, {tkFloat, 10, "1e+5"}, {tkSpace, 14, " "},
        {tkFloat, 15, "2E"}, {tkSpace, 17, " "}, {tkFloat, 18, "7.5"}, {tkSymbol, 21, "-"},
        {tkNumber, 22, "1"}, {tkSpace, 23, " "}, {tkNumber, 24, "0"}, {tkSymbol, 25, ".."}},
       rsUnKnown}}},
    {"HexCharsAndStrings",
     {"$1fG #$0D#10 '' '''' 'open"},
     {{{{tkHex, 0, "$1f"}, {tkIdentifier, 3, "G"}, {tkSpace, 4, " "}, {tkChar, 5, "#$0D"},
        {tkChar, 9, "#10"}, {tkSpace, 12, " "}, {tkString, 13, "''"}, {tkSpace, 15, " "},
        {tkString, 16, "''''"}, {tkSpace, 20, " "}, {tkString, 21, "'open"}},
       rsUnKnown}}},
    {"TwoCharacterSymbols",
     {"(.x.) <> <= >= := @@p ^ ..:"},
     {{{{tkSymbol, 0, "(."}, {tkIdentifier, 2, "x"}, {tkSymbol, 3, ".)"}, {tkSpace, 5, " "},
        {tkSymbol, 6, "<>"}, {tkSpace, 8, " "}, {tkSymbol, 9, "<="}, {tkSpace, 11, " "},
        {tkSymbol, 12, ">="}, {tkSpace, 14, " "}, {tkSymbol, 15, ":="}, {tkSpace, 17, " "},
        {tkSymbol, 18, "@@"}, {tkIdentifier, 20, "p"}, {tkSpace, 21, " "}, {tkSymbol, 22, "^"},
        {tkSpace, 23, " "}, {tkSymbol, 24, ".."}, {tkSymbol, 26, ":"}},
       rsUnKnown}}},
    {"ControlsLineEndsAndHighBytes",
     {"\t\x01 a\r\nb\n\xE9\x80\x7F}"},
     {{{{tkSpace, 0, "\t\x01 "}, {tkIdentifier, 3, "a"}, {tkSpace, 4, "\r\n"}, {tkIdentifier, 6, "b"},
        {tkSpace, 7, "\n"}, {tkUnknown, 8, "\xE9"}, {tkUnknown, 9, "\x80"}, {tkUnknown, 10, "\x7F"},
        {tkSymbol, 11, "}"}},
       rsUnKnown}}},
    {"ConditionalKeywordsInVersion1",
     {"stdcall cdecl package finalization"},
     {{{{tkIdentifier, 0, "stdcall"}, {tkSpace, 7, " "}, {tkIdentifier, 8, "cdecl"}, {tkSpace, 13, " "},
        {tkIdentifier, 14, "package"}, {tkSpace, 21, " "}, {tkIdentifier, 22, "finalization"}},
       rsUnKnown}},
     pasVersion1, false},
    {"ConditionalKeywordsInVersion5",
     {"deprecated platform overload requires property P read X readonly implements"},
     {{{{tkIdentifier, 0, "deprecated"}, {tkSpace, 10, " "}, {tkIdentifier, 11, "platform"},
        {tkSpace, 19, " "}, {tkKey, 20, "overload"}, {tkSpace, 28, " "}, {tkKey, 29, "requires"},
        {tkSpace, 37, " "}, {tkKey, 38, "property"}, {tkSpace, 46, " "}, {tkIdentifier, 47, "P"},
        {tkSpace, 48, " "}, {tkKey, 49, "read"}, {tkSpace, 53, " "}, {tkIdentifier, 54, "X"},
        {tkSpace, 55, " "}, {tkKey, 56, "readonly"}, {tkSpace, 64, " "}, {tkKey, 65, "implements"}},
       rsProperty}},
     pasVersion5},
    {"PackageSourceOff",
     {"package contains requires program"},
     {{{{tkIdentifier, 0, "package"}, {tkSpace, 7, " "}, {tkIdentifier, 8, "contains"},
        {tkSpace, 16, " "}, {tkIdentifier, 17, "requires"}, {tkSpace, 25, " "}, {tkKey, 26, "program"}},
       rsUnKnown}},
     pasVersion6, false},
    {"NulEndsTheLine",
     {std::string("ab\0cd", 5)},
     {{{{tkIdentifier, 0, "ab"}}, rsUnKnown}}},
};

INSTANTIATE_TEST_SUITE_P(Table, PascalLines, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace kau::editor
