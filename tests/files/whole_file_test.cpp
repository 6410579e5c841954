// The whole-file reader behind the runner's look at its own file and kauc's
// read of a source: every byte up to the end, whatever size the file records,
// and false for what cannot be read whole or holds more than asked for.
#include "platform/files/whole_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <limits>
#include <string>

#include "tests/settings/temp_folder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::size_t kNoLimit = std::numeric_limits<std::size_t>::max();

Bytes streamed(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(ReadWholeFile, ReadsEveryByteOrSaysItCannot) {
  const kau::testing::TempFolder folder;
  std::string large(300'000, '\0');
  for (std::size_t i = 0; i < large.size(); ++i) large[i] = static_cast<char>(i * 7 + i / 251);
  std::ofstream(folder.File("large"), std::ios::binary) << large;
  std::ofstream(folder.File("empty")).close();
  std::filesystem::create_directory(folder.File("folder"));

  struct Case {
    std::string path;
    std::size_t maxBytes;
    bool readable;
  };
  const Case cases[] = {
      {folder.File("large"), kNoLimit, true},  // more than one block
      {folder.File("large"), large.size(), true},
      {folder.File("large"), large.size() - 1, false},
      {folder.File("empty"), 0, true},
      {"/proc/self/exe", kNoLimit, true},      // this test program, megabytes
      {"/proc/self/cmdline", kNoLimit, true},  // records no size at all
      {"/dev/zero", 100'000, false},           // never ends
      {folder.File("folder"), kNoLimit, false},  // opens, but every read fails
      {folder.File("missing"), kNoLimit, false},
  };
  for (const Case& c : cases) {
    Bytes bytes;
    EXPECT_EQ(kau::files::ReadWholeFile(c.path, bytes, c.maxBytes), c.readable) << c.path << " " << c.maxBytes;
    if (c.readable) {
      EXPECT_EQ(bytes, streamed(c.path)) << c.path;
      EXPECT_FALSE(c.path == "/proc/self/cmdline" && bytes.empty());
    }
  }
}

}  // namespace
