// Tokens and end states of the general highlighter, line by line, under its
// settings: comment styles, preprocessor lines, string delimiter, keywords.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/highlight/general_highlighter.h"
#include "tests/highlight/scan_helpers.h"

namespace kau::editor {
namespace {

using testing::ScannedLine;
using G = TSynGeneralSyn;

struct LinesCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<ScannedLine> expected;  // per line
  G::TCommentStyles comments = 0;
  bool detectPreprocessor = false;
  G::TStringDelim delim = G::sdSingleQuote;
  std::vector<std::string> keywords = {};
};

void PrintTo(const LinesCase& c, std::ostream* out) { *out << c.name; }

class GeneralLines : public ::testing::TestWithParam<LinesCase> {};

TEST_P(GeneralLines, GivesTheTokensAndEndStates) {
  const LinesCase& c = GetParam();
  G h;
  h.SetComments(c.comments);
  h.SetDetectPreprocessor(c.detectPreprocessor);
  h.SetStringDelim(c.delim);
  h.SetKeyWords(c.keywords);
  testing::expectLines(h, c.lines, c.expected);
}

constexpr G::TCommentStyles kAll =
    G::csAnsiStyle | G::csPasStyle | G::csCStyle | G::csAsmStyle | G::csBasStyle | G::csCPPStyle;

const LinesCase kCases[] = {
    {"BracesWithoutCommentStyles",
     {"{ x }"},
     {{{{G::tkSymbol, 0, "{"}, {G::tkSpace, 1, " "}, {G::tkIdentifier, 2, "x"}, {G::tkSpace, 3, " "},
        {G::tkUnknown, 4, "}"}},
       G::rsUnKnown}}},
    {"OtherOpenersWithoutCommentStyles",
     {"(* /* // ; (.x"},
     {{{{G::tkSymbol, 0, "("}, {G::tkUnknown, 1, "*"}, {G::tkSpace, 2, " "}, {G::tkSymbol, 3, "/"},
        {G::tkUnknown, 4, "*"}, {G::tkSpace, 5, " "}, {G::tkSymbol, 6, "/"}, {G::tkSymbol, 7, "/"},
        {G::tkSpace, 8, " "}, {G::tkSymbol, 9, ";"}, {G::tkSpace, 10, " "}, {G::tkSymbol, 11, "(."},
        {G::tkIdentifier, 13, "x"}},
       G::rsUnKnown}}},
    {"AnsiCommentOverLines",
     {"a (* one", "", "two", "three *) b", "(*)", "*)"},
     {{{{G::tkIdentifier, 0, "a"}, {G::tkSpace, 1, " "}, {G::tkComment, 2, "(* one"}}, G::rsAnsi},
      {{}, G::rsAnsi},
      {{{G::tkComment, 0, "two"}}, G::rsAnsi},
      {{{G::tkComment, 0, "three *)"}, {G::tkSpace, 8, " "}, {G::tkIdentifier, 9, "b"}}, G::rsUnKnown},
      {{{G::tkComment, 0, "(*)"}}, G::rsAnsi},
      {{{G::tkComment, 0, "*)"}}, G::rsUnKnown}},
     G::csAnsiStyle},
    {"PasCommentOverLinesClosedAtTheLineStart",
     {"x { one", "two", "}y {z}"},
     {{{{G::tkIdentifier, 0, "x"}, {G::tkSpace, 1, " "}, {G::tkComment, 2, "{ one"}}, G::rsPasStyle},
      {{{G::tkComment, 0, "two"}}, G::rsPasStyle},
      {{{G::tkComment, 0, "}"}, {G::tkIdentifier, 1, "y"}, {G::tkSpace, 2, " "}, {G::tkComment, 3, "{z}"}},
       G::rsUnKnown}},
     G::csPasStyle},
    {"CCommentOverLines",
     {"/* a *", "/ b */c", "/*/"},
     {{{{G::tkComment, 0, "/* a *"}}, G::rsCStyle},
      {{{G::tkComment, 0, "/ b */"}, {G::tkIdentifier, 6, "c"}}, G::rsUnKnown},
      {{{G::tkComment, 0, "/*/"}}, G::rsCStyle}},
     G::csCStyle},
    {"CppCommentEndsWithTheLine",
     {"a // b (* { /*", "c / d"},
     {{{{G::tkIdentifier, 0, "a"}, {G::tkSpace, 1, " "}, {G::tkComment, 2, "// b (* { /*"}}, G::rsUnKnown},
      {{{G::tkIdentifier, 0, "c"}, {G::tkSpace, 1, " "}, {G::tkSymbol, 2, "/"}, {G::tkSpace, 3, " "},
        {G::tkIdentifier, 4, "d"}},
       G::rsUnKnown}},
     G::csCPPStyle},
    {"AsmCommentEndsWithTheLine",
     {"mov ; x {", "y"},
     {{{{G::tkIdentifier, 0, "mov"}, {G::tkSpace, 3, " "}, {G::tkComment, 4, "; x {"}}, G::rsUnKnown},
      {{{G::tkIdentifier, 0, "y"}}, G::rsUnKnown}},
     G::csAsmStyle},
    {"BasCommentEndsWithTheLine",
     {";", "y"},
     {{{{G::tkComment, 0, ";"}}, G::rsUnKnown}, {{{G::tkIdentifier, 0, "y"}}, G::rsUnKnown}},
     G::csBasStyle},
    {"CommentInsideAnotherStyleIsText",
     {"{ (* }", "(* } *) /* { */"},
     {{{{G::tkComment, 0, "{ (* }"}}, G::rsUnKnown},
      {{{G::tkComment, 0, "(* } *)"}, {G::tkSpace, 7, " "}, {G::tkComment, 8, "/* { */"}}, G::rsUnKnown}},
     kAll},
    {"NumberRange",
     {"1..10"},
     {{{{G::tkNumber, 0, "1"}, {G::tkUnknown, 1, "."}, {G::tkUnknown, 2, "."}, {G::tkNumber, 3, "10"}},
       G::rsUnKnown}}},
    {"Numbers",
     {"0x1Fg 1.5e3 12ab $FFg 1E 7."},
     {{{{G::tkNumber, 0, "0x1F"}, {G::tkIdentifier, 4, "g"}, {G::tkSpace, 5, " "}, {G::tkNumber, 6, "1.5e3"},
        {G::tkSpace, 11, " "}, {G::tkNumber, 12, "12"}, {G::tkIdentifier, 14, "ab"}, {G::tkSpace, 16, " "},
        {G::tkNumber, 17, "$FF"}, {G::tkIdentifier, 20, "g"}, {G::tkSpace, 21, " "}, {G::tkNumber, 22, "1E"},
        {G::tkSpace, 24, " "}, {G::tkNumber, 25, "7."}},
       G::rsUnKnown}}},
    {"HashDigitsWithoutPreprocessor",
     {"#13#10 #x"},
     {{{{G::tkString, 0, "#13"}, {G::tkString, 3, "#10"}, {G::tkSpace, 6, " "}, {G::tkString, 7, "#"},
        {G::tkIdentifier, 8, "x"}},
       G::rsUnKnown}}},
    {"PreprocessorLine",
     {"#include <x> // y", "a #b"},
     {{{{G::tkPreprocessor, 0, "#include <x> // y"}}, G::rsUnKnown},
      {{{G::tkIdentifier, 0, "a"}, {G::tkSpace, 1, " "}, {G::tkPreprocessor, 2, "#b"}}, G::rsUnKnown}},
     G::csCPPStyle, true},
    {"LowerCaseKeywordsMatchAnyCase",
     {"Begin END x_1 begin2"},
     {{{{G::tkKey, 0, "Begin"}, {G::tkSpace, 5, " "}, {G::tkKey, 6, "END"}, {G::tkSpace, 9, " "},
        {G::tkIdentifier, 10, "x_1"}, {G::tkSpace, 13, " "}, {G::tkIdentifier, 14, "begin2"}},
       G::rsUnKnown}},
     0, false, G::sdSingleQuote, {"begin", "end"}},
    {"SingleQuotedStrings",
     {"'a' 'it''s' '''b' '' \"c\" 'open"},
     {{{{G::tkString, 0, "'a'"}, {G::tkSpace, 3, " "}, {G::tkString, 4, "'it'"}, {G::tkString, 8, "'s'"},
        {G::tkSpace, 11, " "}, {G::tkString, 12, "'''b'"}, {G::tkSpace, 17, " "}, {G::tkString, 18, "''"},
        {G::tkSpace, 20, " "}, {G::tkUnknown, 21, "\""}, {G::tkIdentifier, 22, "c"}, {G::tkUnknown, 23, "\""},
        {G::tkSpace, 24, " "}, {G::tkString, 25, "'open"}},
       G::rsUnKnown}}},
    {"DoubleQuotedStringsDoNotContinue",
     {"\"a\" 'b' \"\"\"", "x\""},
     {{{{G::tkString, 0, "\"a\""}, {G::tkSpace, 3, " "}, {G::tkUnknown, 4, "'"}, {G::tkIdentifier, 5, "b"},
        {G::tkUnknown, 6, "'"}, {G::tkSpace, 7, " "}, {G::tkString, 8, "\"\"\""}},
       G::rsUnKnown},
      {{{G::tkIdentifier, 0, "x"}, {G::tkString, 1, "\""}}, G::rsUnKnown}},
     0, false, G::sdDoubleQuote},
    {"ControlsLineEndsAndHighBytes",
     {"\t\x01 a\r\nb\n\r\xE9\x80)"},
     {{{{G::tkSpace, 0, "\t\x01 "}, {G::tkIdentifier, 3, "a"}, {G::tkSpace, 4, "\r\n"}, {G::tkIdentifier, 6, "b"},
        {G::tkSpace, 7, "\n"}, {G::tkSpace, 8, "\r"}, {G::tkUnknown, 9, "\xE9"}, {G::tkUnknown, 10, "\x80"},
        {G::tkUnknown, 11, ")"}},
       G::rsUnKnown}}},
    {"NulEndsTheLineAlsoInsideAComment",
     {std::string("ab\0cd", 5), std::string("{x\0}", 4), std::string("\0}", 2)},
     {{{{G::tkIdentifier, 0, "ab"}}, G::rsUnKnown},
      {{{G::tkComment, 0, "{x"}}, G::rsPasStyle},
      {{}, G::rsPasStyle}},
     G::csPasStyle},
};

INSTANTIATE_TEST_SUITE_P(Table, GeneralLines, ::testing::ValuesIn(kCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(GeneralRanges, AForeignRangeCountsAsOutsideAnyComment) {
  for (SynRange foreign : {SynRange(-5), SynRange(5), SynRange(99), kRangeUnscanned}) {
    G h;
    h.SetComments(kAll);
    const ScannedLine got = testing::scanLine(h, "x *)}*/", foreign);
        const ScannedLine want{{{G::tkIdentifier, 0, "x"}, {G::tkSpace, 1, " "}, {G::tkUnknown, 2, "*"},
                                {G::tkUnknown, 3, ")"}, {G::tkUnknown, 4, "}"}, {G::tkUnknown, 5, "*"},
                                {G::tkSymbol, 6, "/"}},
                           G::rsUnKnown};
    EXPECT_EQ(got, want) << "range " << foreign;
  }
}

}  // namespace
}  // namespace kau::editor
