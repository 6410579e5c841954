// Settings in memory and in an INI file, and their integer values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/settings/ini_file_settings.h"
#include "platform/settings/memory_settings.h"
#include "platform/settings/setting_values.h"
#include "tests/settings/temp_folder.h"

namespace kau::settings {
namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

TEST(SettingValues, IntegersAreSignedDecimalOf32Bits) {
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
        {"0", 0}, {"15", 15}, {"-1", -1}, {"536870911", 0x1FFFFFFF}, {"2147483647", INT32_MAX},
        {"-2147483648", INT32_MIN}, {"4294967295", -1}, {"2147483661", -2147483635}, {"0007", 7},
        {"", std::nullopt}, {"-", std::nullopt}, {"+5", std::nullopt}, {" 5", std::nullopt}, {"5 ", std::nullopt},
        {"$FF", std::nullopt}, {"0x10", std::nullopt}, {"4294967296", std::nullopt},
        {"-2147483649", std::nullopt}, {"99999999999", std::nullopt}, {"1e3", std::nullopt},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(ParseInteger(text), value) << '"' << text << '"';
  for (std::int32_t v : {0, -1, INT32_MIN, INT32_MAX, 0x1FFFFFFF}) EXPECT_EQ(ParseInteger(IntegerText(v)), v);
}

TEST(MemorySettings, SectionsAndValues) {
  MemorySettings s;
  EXPECT_FALSE(s.SectionExists("A"));
  EXPECT_EQ(s.ReadString("A", "x"), std::nullopt);
  s.CreateSection("A");
  EXPECT_TRUE(s.SectionExists("A"));
  EXPECT_EQ(s.ReadString("A", "x"), std::nullopt);
  s.WriteString("A\\B", "x", "1");
  s.WriteString("A\\B", "x", "2");
  EXPECT_EQ(s.ReadString("A\\B", "x"), "2");
  EXPECT_FALSE(s.SectionExists("a\\b"));  // letter case counts
  EXPECT_EQ(SubSection("A", "B"), "A\\B");
  EXPECT_EQ(SubSection("", "B"), "B");
}

TEST(IniFileSettings, EveryTextSurvivesTheFile) {
  kau::testing::TempFolder folder;
  const std::string path = folder.File("deep/er/settings.ini");
  IniFileSettings out(path);
  const std::pair<std::string, std::string> values[] = {
      {"plain", "value with = and ] and ; inside"},
      {"a=b", "100%"},
      {"[not a section]", "%41 stays"},
      {";not a comment", "line\nbreak\r\nand CR"},
      {"#neither", ""},
      {"ma\xE7\xE3", "a\xE7\xE3o \x80"},  // code page 1252
      {"", "empty name"},
  };
  for (const auto& [name, value] : values) out.WriteString("Software\\Pascal KAU\\[x]", name, value);
  out.CreateSection("Empty");
  out.WriteString("", "top", "level");
  ASSERT_TRUE(out.Flush());

  const std::string bytes = readFile(path);
  EXPECT_NE(bytes.find("[Software\\Pascal KAU\\[x]]\n"), std::string::npos) << bytes;
  EXPECT_NE(bytes.find("ma\xC3\xA7\xC3\xA3=a\xC3\xA7\xC3\xA3o \xE2\x82\xAC"), std::string::npos) << bytes;  // UTF-8

  IniFileSettings in(path);
  ASSERT_TRUE(in.Load());
  EXPECT_EQ(in.AllSections(), out.AllSections());
  // Only the file itself is left in its folder.
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.File("deep/er"))) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST(IniFileSettings, ReadsAHandWrittenFile) {
  kau::testing::TempFolder folder;
  const std::string path = folder.File("hand.ini");
  std::ofstream(path, std::ios::binary) << "; comment\r\nbefore=any section\r\n[One]\r\nname = spaced \r\n"
                                           "no equals sign\r\n# comment\r\nurl=a=b\r\n[Two]\nx=1\n[One]\ny=\xE9\n";
  IniFileSettings s(path);
  ASSERT_TRUE(s.Load());
  EXPECT_EQ(s.ReadString("", "before"), "any section");
  EXPECT_EQ(s.ReadString("One", "name "), " spaced ");
  EXPECT_EQ(s.ReadString("One", "url"), "a=b");
  EXPECT_EQ(s.ReadString("One", "y"), "\xE9");  // not UTF-8: taken as code page 1252
  EXPECT_EQ(s.ReadString("Two", "x"), "1");
  EXPECT_EQ(s.AllSections().size(), 3u);
}

TEST(IniFileSettings, MissingUnreadableAndUnwritableFiles) {
  kau::testing::TempFolder folder;
  IniFileSettings missing(folder.File("none.ini"));
  missing.WriteString("A", "x", "1");
  EXPECT_TRUE(missing.Load());
  EXPECT_TRUE(missing.AllSections().empty());

  // A folder where the file should be: it cannot be read, and a save
  // leaves it as it was, with no temporary file beside it.
  std::filesystem::create_directory(folder.File("dir.ini"));
  IniFileSettings blocked(folder.File("dir.ini"));
  EXPECT_FALSE(blocked.Load());
  blocked.WriteString("A", "x", "1");
  EXPECT_FALSE(blocked.Flush());
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir.ini")));
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path())) ++entries;
  EXPECT_EQ(entries, 1);

  // A file where its folder should be.
  std::ofstream(folder.File("plain")) << "x";
  IniFileSettings underFile(folder.File("plain/s.ini"));
  underFile.WriteString("A", "x", "1");
  EXPECT_FALSE(underFile.Flush());
  EXPECT_EQ(readFile(folder.File("plain")), "x");
}

TEST(IniFileSettings, ProgramSettingsPathFollowsXdgConfigHome) {
  const char* oldConfig = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = oldConfig ? oldConfig : "";
  ::setenv("XDG_CONFIG_HOME", "/cfg", 1);
  EXPECT_EQ(ProgramSettingsPath(), "/cfg/pascalkau/pascalkau.ini");
  ::unsetenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  EXPECT_EQ(ProgramSettingsPath(), std::string(home ? home : "") + "/.config/pascalkau/pascalkau.ini");
  if (oldConfig) ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace kau::settings
