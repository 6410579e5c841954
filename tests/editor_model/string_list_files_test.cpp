#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "editor/model/syn_edit_string_list.h"
#include "text/code_pages.h"

namespace kau::editor {
namespace {

namespace fs = std::filesystem;

class StringListFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("kau_store_" + std::to_string(::getpid()) + "_" +
                                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
  }
  void TearDown() override {
    fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder_);
  }

  std::string Path(const std::string& name) const { return (folder_ / name).string(); }

  static void Write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }
  // Loads the bytes from a file and saves them back to another.
  std::string RoundTrip(const std::string& bytes, TSynEditStringList& list) {
    Write(Path("in"), bytes);
    list.LoadFromFile(Path("in"));
    list.SaveToFile(Path("out"));
    return Read(Path("out"));
  }
  std::vector<std::string> FolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path folder_;
};

std::vector<std::string> Lines(const TSynEditStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

using Strings = std::vector<std::string>;

TEST_F(StringListFiles, LineEndDetection) {
  struct Case {
    std::string bytes;
    Strings lines;
    TSynEditFileFormat format;
  };
  const Case cases[] = {
      {"a\nb\n", {"a", "b"}, sffUnix},
      {"a\rb\r", {"a", "b"}, sffMac},
      {"a\r\nb\r\n", {"a", "b"}, sffDos},
      {"a\r\nb", {"a", "b"}, sffDos},
      {"a\r\nb\n", {"a", "b"}, sffDos},  // both seen
      {"abc", {"abc"}, sffUnix},         // none seen: the Linux default
      {"", {}, sffUnix},
      {"a\n\rb", {"a", "", "b"}, sffDos},  // LF CR ends two lines
      {std::string("a\0b", 3), {"a", "b"}, sffUnix},
      {std::string("a\r\0b\n\0c\r\n\0d", 11), {"a", "b", "c", "d"}, sffDos},
      {"\n\n", {"", ""}, sffUnix},
  };
  for (const Case& c : cases) {
    TSynEditStringList list;
    list.FileFormat = sffMac;
    std::istringstream in(c.bytes);
    list.LoadFromStream(in);
    EXPECT_EQ(Lines(list), c.lines) << c.bytes;
    EXPECT_EQ(list.FileFormat, c.format) << c.bytes;
  }
}

TEST_F(StringListFiles, SavedBackByteForByte) {
  const std::string unchanged[] = {
      "program a;\r\nbegin\r\nend.\r\n",
      "program a;\nbegin\nend.\n",
      "program a;\rbegin\rend.\r",
      "",
      "one line\n",
      "\r\n\r\n",
      // UTF-8 with characters that code page 1252 has: read as UTF-8, saved as UTF-8.
      "writeln('Ol\xC3\xA1, a\xC3\xA7\xC3\xA3o \xE2\x82\xAC');\n",
      // Not UTF-8: every byte is a 1252 character.
      "s := 'a\xE7\xE3o \x80 \x81 \xFF';\r\n",
  };
  for (const std::string& bytes : unchanged) {
    TSynEditStringList list;
    EXPECT_EQ(RoundTrip(bytes, list), bytes) << bytes;
  }
}

TEST_F(StringListFiles, EncodingDecidedAtLoad) {
  TSynEditStringList list;
  EXPECT_EQ(list.FileEncoding, TSynEditFileEncoding::Utf8);  // new texts are saved as UTF-8
  RoundTrip("a\xC3\xA7\xC3\xA3o\n", list);
  EXPECT_EQ(list.Get(0), "a\xE7\xE3o");  // held as code page 1252
  EXPECT_EQ(list.FileEncoding, TSynEditFileEncoding::Utf8);
  RoundTrip("a\xE7\xE3o\n", list);
  EXPECT_EQ(list.Get(0), "a\xE7\xE3o");
  EXPECT_EQ(list.FileEncoding, TSynEditFileEncoding::Cp1252);

  // Every byte above 0x7F survives both ways.
  std::string all;
  for (int b = 0x80; b <= 0xFF; ++b) all += static_cast<char>(b);
  all += "\n";
  TSynEditStringList raw;
  EXPECT_EQ(RoundTrip(all, raw), all);
  const std::string utf8 = text::cp1252ToUtf8(all);
  TSynEditStringList decoded;
  EXPECT_EQ(RoundTrip(utf8, decoded), utf8);
  EXPECT_EQ(decoded.Get(0), all.substr(0, 128));

  TSynEditStringList fresh;
  fresh.Add("\xE7");
  fresh.SaveToFile(Path("new"));
  EXPECT_EQ(Read(Path("new")), "\xC3\xA7\n");
}

TEST_F(StringListFiles, LineEndNormalisation) {
  TSynEditStringList list;
  EXPECT_EQ(RoundTrip("a\r\nb\nc\rd", list), "a\r\nb\r\nc\r\nd\r\n");  // mixed: DOS
  EXPECT_EQ(RoundTrip("abc", list), "abc\n");
  EXPECT_EQ(RoundTrip("abc\n", list), "abc\n");
  EXPECT_EQ(RoundTrip(std::string("a\0b\n", 4), list), "a\nb\n");
}

TEST_F(StringListFiles, AppendNewLineAtEOF) {
  TSynEditStringList list;
  list.AppendNewLineAtEOF = false;
  EXPECT_EQ(RoundTrip("a\r\n", list), "a\r\n");
  EXPECT_EQ(Lines(list), (Strings{"a", ""}));
  EXPECT_EQ(RoundTrip("a\r\nb", list), "a\r\nb");
  list.AppendNewLineAtEOF = true;
  EXPECT_EQ(RoundTrip("a\r\n", list), "a\r\n");
  EXPECT_EQ(Lines(list), (Strings{"a"}));

  // The stream path writes the same bytes as the file path.
  for (bool append : {true, false}) {
    TSynEditStringList one;
    one.AppendNewLineAtEOF = append;
    one.Add("");
    std::ostringstream out;
    one.SaveToStream(out);
    EXPECT_EQ(out.str(), append ? "\n" : "");
  }
  TSynEditStringList empty;
  std::ostringstream out;
  empty.SaveToStream(out);
  EXPECT_EQ(out.str(), "");
}

// In word-wrap mode a long line is loaded as several records and saved as
// one line again, by both save paths.
TEST_F(StringListFiles, WordWrapSavesEachLineWhole) {
  const std::string bytes = "program longo; { aaaa bbbb cccc }\r\nbegin\r\n\twriteln('um', 'dois', 'tres');\r\nend.\r\n";
  TSynEditStringList list;
  list.WrapWidth = 10;
  list.SetWordWrap(true);
  EXPECT_EQ(RoundTrip(bytes, list), bytes);
  EXPECT_EQ(list.Count(), 11);
  EXPECT_EQ(list.Get(1), "longo; { ");
  EXPECT_TRUE(list.IsLineWraped(1));
  std::ostringstream out;
  list.SaveToStream(out);
  EXPECT_EQ(out.str(), bytes);
  list.AppendNewLineAtEOF = false;
  EXPECT_EQ(RoundTrip("aaaa bbbb cccc\nx y z w v u t s", list), "aaaa bbbb cccc\nx y z w v u t s");
  EXPECT_EQ(Lines(list), (Strings{"aaaa bbbb ", "cccc", "x y z w v ", "u t s"}));
}

TEST_F(StringListFiles, SaveKeepsPermissionsAndLeavesNoTemporaryFile) {
  Write(Path("prog.pas"), "old\n");
  fs::permissions(Path("prog.pas"), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  TSynEditStringList list;
  list.Add("new");
  list.FileFormat = sffUnix;
  list.SaveToFile(Path("prog.pas"));
  EXPECT_EQ(Read(Path("prog.pas")), "new\n");
  EXPECT_EQ(fs::status(Path("prog.pas")).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  EXPECT_EQ(FolderEntries(), (Strings{"prog.pas"}));
}

TEST_F(StringListFiles, SaveThroughSymbolicLinkReplacesTheFile) {
  Write(Path("real.pas"), "old\n");
  fs::create_symlink(Path("real.pas"), Path("link.pas"));
  TSynEditStringList list;
  list.Add("new");
  list.FileFormat = sffUnix;
  list.SaveToFile(Path("link.pas"));
  EXPECT_TRUE(fs::is_symlink(Path("link.pas")));
  EXPECT_EQ(Read(Path("real.pas")), "new\n");
}

TEST_F(StringListFiles, FailedSaveLeavesOldFileIntact) {
  TSynEditStringList list;
  list.Add("text");
  // A folder that does not exist, and a "folder" that is a file.
  EXPECT_THROW(list.SaveToFile(Path("missing/prog.pas")), EFCreateError);
  Write(Path("plain"), "old\n");
  EXPECT_THROW(list.SaveToFile(Path("plain/prog.pas")), EFCreateError);
  EXPECT_EQ(Read(Path("plain")), "old\n");

  // A write that fails half way (the file size limit binds root too).
  const std::string old = "old contents\r\n";
  Write(Path("prog.pas"), old);
  for (int i = 0; i < 2000; ++i) list.Add(std::string(60, 'x'));
  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previous = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 20000;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(list.SaveToFile(Path("prog.pas")), EWriteError);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previous);
  EXPECT_EQ(Read(Path("prog.pas")), old);
  EXPECT_EQ(FolderEntries(), (Strings{"plain", "prog.pas"}));
}

TEST_F(StringListFiles, SaveIntoReadOnlyFolderFails) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  Write(Path("prog.pas"), "old\n");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  TSynEditStringList list;
  list.Add("new");
  EXPECT_THROW(list.SaveToFile(Path("prog.pas")), EFCreateError);
  EXPECT_EQ(Read(Path("prog.pas")), "old\n");
}

TEST_F(StringListFiles, ReadOnlyFileIsNotReplaced) {
  if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
  Write(Path("prog.pas"), "old\n");
  fs::permissions(Path("prog.pas"), fs::perms::owner_read);
  TSynEditStringList list;
  list.Add("new");
  EXPECT_THROW(list.SaveToFile(Path("prog.pas")), EFCreateError);
  EXPECT_EQ(Read(Path("prog.pas")), "old\n");
}

TEST_F(StringListFiles, LoadFailures) {
  TSynEditStringList list;
  list.Add("kept");
  EXPECT_THROW(list.LoadFromFile(Path("none.pas")), EFOpenError);
  EXPECT_THROW(list.LoadFromFile(folder_.string()), EFOpenError);
  EXPECT_EQ(Lines(list), (Strings{"kept"}));
  // A file larger than the store can hold is refused before anything changes.
  {
    std::ofstream big(Path("big"), std::ios::binary);
    big.seekp(static_cast<std::streamoff>(kMaxTextBytes));
    big.put('x');
  }
  EXPECT_THROW(list.LoadFromFile(Path("big")), EFileTooLarge);
  EXPECT_EQ(Lines(list), (Strings{"kept"}));
}

}  // namespace
}  // namespace kau::editor
