// The whole-file reader behind the runner's look at its own file: every byte
// up to the end, whatever size the file records, and false for what cannot
// be read whole.
#include "interpreter/whole_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "tests/images/test_files.h"

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

TEST(WholeFile, ReadsEveryByteOrSaysItCannot) {
  const fs::path dir = fs::temp_directory_path() / ("whole_file_test_" + std::to_string(::getpid()));
  fs::create_directories(dir / "folder");
  Bytes large(300'000);
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<std::uint8_t>(i * 7 + i / 251);
  std::ofstream(dir / "large", std::ios::binary).write(reinterpret_cast<const char*>(large.data()),
                                                       static_cast<std::streamsize>(large.size()));
  std::ofstream(dir / "empty").close();

  struct Case {
    fs::path path;
    bool readable;
  };
  const Case cases[] = {
      {dir / "large", true},             // more than one block
      {dir / "empty", true},             // nothing
      {KAU_RUNNER_PATH, true},           // the runner itself
      {"/proc/self/cmdline", true},      // records no size at all
      {dir / "folder", false},           // opens, but every read fails
      {dir / "missing", false},
  };
  for (const Case& c : cases) {
    Bytes bytes;
    EXPECT_EQ(kau::ReadWholeFile(c.path.string(), bytes), c.readable) << c.path;
    if (c.readable) EXPECT_EQ(bytes, kau::testing::ReadFile(c.path)) << c.path;
  }
  Bytes command;
  EXPECT_TRUE(kau::ReadWholeFile("/proc/self/cmdline", command) && !command.empty());
  fs::remove_all(dir);
}

}  // namespace
