#include "platform/files/replace_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "tests/settings/temp_folder.h"

namespace {

using kau::files::ReplaceFileContents;

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

int entriesIn(const std::filesystem::path& folder) {
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++entries;
  return entries;
}

TEST(ReplaceFileContents, ReplacesWholeFileWithTheAskedMode) {
  struct Case {
    std::string old;
    std::string bytes;
    std::optional<mode_t> mode;
    mode_t expected;
  };
  const Case cases[] = {
      {"", std::string("new\0bytes", 9), std::nullopt, 0600},  // no old file
      {"a much longer old content", "short", 0640, 0640},
      {"old", "", 0755, 0755},
  };
  for (const auto& c : cases) {
    kau::testing::TempFolder folder;
    const std::string path = folder.File("target");
    if (!c.old.empty()) std::ofstream(path, std::ios::binary) << c.old;
    ASSERT_TRUE(ReplaceFileContents(path, c.bytes, c.mode));
    EXPECT_EQ(readFile(path), c.bytes);
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, c.expected);
    EXPECT_EQ(entriesIn(folder.Path()), 1);  // no temporary file left
  }
}

TEST(ReplaceFileContents, FailureLeavesEverythingAsItWas) {
  kau::testing::TempFolder folder;
  // A folder in the target's place cannot be renamed over.
  std::filesystem::create_directory(folder.File("dir"));
  EXPECT_FALSE(ReplaceFileContents(folder.File("dir"), "x"));
  EXPECT_TRUE(std::filesystem::is_directory(folder.File("dir")));
  EXPECT_EQ(entriesIn(folder.Path()), 1);
  // No folder to put the temporary file in.
  EXPECT_FALSE(ReplaceFileContents(folder.File("missing/target"), "x"));
  EXPECT_EQ(entriesIn(folder.Path()), 1);
}

TEST(NewFileMode, TakesAwayWhatTheUmaskForbids) {
  struct Case {
    mode_t umask, requested, expected;
  } cases[] = {{022, 0666, 0644}, {077, 0666, 0600}, {002, 0777, 0775}, {0, 0640, 0640}};
  const mode_t saved = ::umask(0);
  for (const Case& c : cases) {
    ::umask(c.umask);
    EXPECT_EQ(kau::files::NewFileMode(c.requested), c.expected) << std::oct << c.umask;
    EXPECT_EQ(::umask(c.umask), c.umask);  // left as it was
  }
  ::umask(saved);
}

}  // namespace
