// Files and processes for the tests of program images: whole files as bytes
// or text, and shell commands run in a folder of their own.
#pragma once

#include <sys/wait.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace kau::testing {

inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string ReadText(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = ReadFile(path);
  return std::string(bytes.begin(), bytes.end());
}

struct CommandResult {
  int status;       // exit status, -1 when killed by a signal
  std::string out;  // standard output
  std::string err;  // standard error
};

// Runs a shell command in `folder` with no input; its output is kept in the
// files out and err there.
inline CommandResult RunIn(const std::filesystem::path& folder, const std::string& command) {
  const std::string line = "cd '" + folder.string() + "' && " + command + " < /dev/null > out 2> err";
  const int status = std::system(line.c_str());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, ReadText(folder / "out"), ReadText(folder / "err")};
}

}  // namespace kau::testing
