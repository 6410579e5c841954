// How the line store reads a file's bytes (encoding, byte-order mark, line
// ends) and what it writes back, by both save paths.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "editor/model/syn_edit_string_list.h"
#include "tests/settings/temp_folder.h"
#include "text/code_pages.h"

namespace kau::editor {
namespace {

using Strings = std::vector<std::string>;
using enum TSynEditFileEncoding;

const std::string kBom = "\xEF\xBB\xBF";

Strings Lines(const TSynEditStringList& list) {
  Strings lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

void Load(TSynEditStringList& list, const std::string& bytes) {
  std::istringstream in(bytes);
  list.LoadFromStream(in);
}

std::string SavedByStream(TSynEditStringList& list) {
  std::ostringstream out;
  list.SaveToStream(out);
  return out.str();
}

std::string SavedByFile(TSynEditStringList& list, const testing::TempFolder& folder) {
  list.SaveToFile(folder.File("saved.pas"));
  std::ifstream in(folder.File("saved.pas"), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(StringListEncoding, NewTextIsUtf8WithLinuxLineEnds) {
  TSynEditStringList list;
  EXPECT_EQ(list.FileFormat, sffUnix);
  EXPECT_EQ(list.FileEncoding, Utf8);
  EXPECT_FALSE(list.FileByteOrderMark);
  EXPECT_FALSE(list.CharactersReplaced);
  for (const char* line : {"Program Talo ;", " Begin", "  writeln('Ol\xE1');", " End."}) list.Add(line);
  testing::TempFolder folder;
  const std::string expected = "Program Talo ;\n Begin\n  writeln('Ol\xC3\xA1');\n End.\n";
  EXPECT_EQ(SavedByFile(list, folder), expected);
  EXPECT_EQ(SavedByStream(list), expected);
}

TEST(StringListEncoding, TableOfFiles) {
  struct Case {
    const char* what;
    std::string bytes;
    Strings lines;  // code page 1252
    TSynEditFileEncoding encoding;
    bool bom;
    bool replaced;
    TSynEditFileFormat format;
    std::string saved;
  };
  const Case cases[] = {
      {"plain LF", "program a;\nbegin\nend.\n", {"program a;", "begin", "end."}, Utf8, false, false, sffUnix,
       "program a;\nbegin\nend.\n"},
      {"mark and CR LF", kBom + "program a;\r\nend.\r\n", {"program a;", "end."}, Utf8, true, false, sffDos,
       kBom + "program a;\r\nend.\r\n"},
      {"mark, accents, no line end", kBom + "a\xC3\xA7\xC3\xA3o", {"a\xE7\xE3o"}, Utf8, true, false, sffUnix,
       kBom + "a\xC3\xA7\xC3\xA3o\n"},
      {"the mark alone", kBom, {}, Utf8, true, false, sffUnix, kBom},
      {"an emoji", "x := '\xF0\x9F\x98\x80';\n", {"x := '?';"}, Utf8, false, true, sffUnix, "x := '?';\n"},
      {"mark and a Chinese letter", kBom + "s := '\xE4\xB8\xAD';\r\n", {"s := '?';"}, Utf8, true, true, sffDos,
       kBom + "s := '?';\r\n"},
      {"a square root sign", "x := '\xE2\x88\x9A';\n", {"x := '?';"}, Utf8, false, true, sffUnix, "x := '?';\n"},
      {"a mark inside the text", "a" + kBom + "\n", {"a?"}, Utf8, false, true, sffUnix, "a?\n"},
      {"two marks", kBom + kBom + "a\n", {"?a"}, Utf8, true, true, sffUnix, kBom + "?a\n"},
      {"euro sign and a C1 control", "\xE2\x82\xAC\xC2\x81\n", {"\x80\x81"}, Utf8, false, false, sffUnix,
       "\xE2\x82\xAC\xC2\x81\n"},
      {"code page 1252", "s := 'a\xE7\xE3o';\r\n", {"s := 'a\xE7\xE3o';"}, Cp1252, false, false, sffDos,
       "s := 'a\xE7\xE3o';\r\n"},
      {"1252 after a mark", kBom + "a\xE7\n", {kBom + "a\xE7"}, Cp1252, false, false, sffUnix, kBom + "a\xE7\n"},
      {"UTF-8 cut short", "a\xC3", {"a\xC3"}, Cp1252, false, false, sffUnix, "a\xC3\n"},
      {"overlong UTF-8", "\xC0\xAF\r", {"\xC0\xAF"}, Cp1252, false, false, sffMac, "\xC0\xAF\r"},
      {"UTF-8 of a surrogate", "\xED\xA0\x80\n", {"\xED\xA0\x80"}, Cp1252, false, false, sffUnix, "\xED\xA0\x80\n"},
      {"an emoji and a 1252 byte", "\xF0\x9F\x98\x80\xE7\n", {"\xF0\x9F\x98\x80\xE7"}, Cp1252, false, false, sffUnix,
       "\xF0\x9F\x98\x80\xE7\n"},
      {"CR", "a\rb\r", {"a", "b"}, Utf8, false, false, sffMac, "a\rb\r"},
      {"mixed line ends", "a\r\nb\nc\rd", {"a", "b", "c", "d"}, Utf8, false, false, sffDos, "a\r\nb\r\nc\r\nd\r\n"},
      {"empty", "", {}, Utf8, false, false, sffUnix, ""},
      {"no line end", "abc", {"abc"}, Utf8, false, false, sffUnix, "abc\n"},
      {"NUL bytes", std::string("a\0b\0", 4), {"a", "b"}, Utf8, false, false, sffUnix, "a\nb\n"},
      {"NUL after CR LF", std::string("a\r\n\0b", 5), {"a", "b"}, Utf8, false, false, sffDos, "a\r\nb\r\n"},
  };
  testing::TempFolder folder;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TSynEditStringList list;
    list.FileFormat = sffMac;  // loading decides
    list.FileEncoding = Cp1252;
    list.FileByteOrderMark = !c.bom;
    list.CharactersReplaced = !c.replaced;
    Load(list, c.bytes);
    EXPECT_EQ(Lines(list), c.lines);
    EXPECT_EQ(list.FileEncoding, c.encoding);
    EXPECT_EQ(list.FileByteOrderMark, c.bom);
    EXPECT_EQ(list.CharactersReplaced, c.replaced);
    EXPECT_EQ(list.FileFormat, c.format);
    EXPECT_EQ(SavedByStream(list), c.saved);
    EXPECT_EQ(SavedByFile(list, folder), c.saved);
    // A file the store wrote reads back as the same text, with nothing replaced.
    TSynEditStringList again;
    Load(again, c.saved);
    EXPECT_EQ(Lines(again), c.lines);
    EXPECT_EQ(again.FileEncoding, c.encoding);
    EXPECT_EQ(again.FileByteOrderMark, c.bom);
    EXPECT_FALSE(again.CharactersReplaced);
  }
}

TEST(StringListEncoding, TypedLettersAreSavedInTheFilesEncoding) {
  testing::TempFolder folder;
  TSynEditStringList utf8;
  Load(utf8, kBom + "x := '\xF0\x9F\x98\x80';\n");
  utf8.Put(0, utf8.Get(0) + " { \xE7 }");
  const std::string saved = SavedByFile(utf8, folder);
  EXPECT_EQ(saved, kBom + "x := '?'; { \xC3\xA7 }\n");
  EXPECT_TRUE(text::isValidUtf8(saved));

  TSynEditStringList cp1252;
  Load(cp1252, "x := '\xE3';\r\n");
  cp1252.Put(0, cp1252.Get(0) + " { \xE7 }");
  EXPECT_EQ(SavedByFile(cp1252, folder), "x := '\xE3'; { \xE7 }\r\n");
}

// Random files made of pieces that each rule above cares about.
std::string RandomFile(std::mt19937& random) {
  static const std::string pieces[] = {
      "begin", " ", "\n", "\r\n", "\r", std::string(1, '\0'), "\xC3\xA7", "\xE2\x82\xAC", "\xF0\x9F\x98\x80",
      "\xE4\xB8\xAD", "\xE7", "\x81", "\xC3", kBom,
  };
  std::string bytes = random() % 4 == 0 ? kBom : "";
  const int count = static_cast<int>(random() % 12);
  const bool validUtf8Only = random() % 2 == 0;  // half the files stay valid UTF-8
  for (int i = 0; i < count; ++i) {
    const std::string& piece = pieces[random() % std::size(pieces)];
    if (validUtf8Only && !text::isValidUtf8(piece)) continue;
    bytes += piece;
  }
  return bytes;
}

TEST(StringListEncoding, ReadsAsKaucReadsAndSavesWhatItShows) {
  std::mt19937 random(20261207);
  testing::TempFolder folder;
  for (int n = 0; n < 3000; ++n) {
    const std::string bytes = RandomFile(random);
    SCOPED_TRACE(::testing::PrintToString(bytes));
    TSynEditStringList list;
    Load(list, bytes);
    // The lines are the compiler's source text, split at its line ends.
    const std::string source = text::sourceToCp1252(bytes);
    Strings expected;
    SplitTextLines(source, [&](std::size_t start, std::size_t length) { expected.push_back(source.substr(start, length)); });
    EXPECT_EQ(Lines(list), expected);
    EXPECT_EQ(list.FileEncoding == Utf8, text::isValidUtf8(bytes));
    EXPECT_EQ(list.FileByteOrderMark, list.FileEncoding == Utf8 && bytes.starts_with(kBom));
    // What is saved is in the encoding read, and reads back unchanged.
    const std::string saved = SavedByStream(list);
    EXPECT_EQ(SavedByFile(list, folder), saved);
    EXPECT_TRUE(list.FileEncoding == Cp1252 || text::isValidUtf8(saved));
    TSynEditStringList again;
    Load(again, saved);
    EXPECT_EQ(Lines(again), expected);
    EXPECT_EQ(again.FileEncoding, list.FileEncoding);
    EXPECT_EQ(again.FileByteOrderMark, list.FileByteOrderMark);
    EXPECT_EQ(again.FileFormat, list.FileFormat);
    EXPECT_FALSE(again.CharactersReplaced);
    if (!list.CharactersReplaced) {
      EXPECT_EQ(SavedByStream(again), saved);
    }
  }
}

}  // namespace
}  // namespace kau::editor
