// Loading and saving a large source file through the editor's line store.
// The goal: a 200,000-line file loads in well under a second.
//   line_store_bench [LINES]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "editor/model/syn_edit_string_list.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Pascal-like lines with indentation, tabs and accented letters.
std::string MakeFile(int lines) {
  std::string bytes;
  for (int i = 0; i < lines; ++i) {
    switch (i % 4) {
      case 0: bytes += "  writeln('Linha n\xC3\xBAmero ', " + std::to_string(i) + ");\r\n"; break;
      case 1: bytes += "\tif x > " + std::to_string(i) + " then x := x - 1;\r\n"; break;
      case 2: bytes += "  { coment\xC3\xA1rio da a\xC3\xA7\xC3\xA3o }\r\n"; break;
      default: bytes += "\r\n"; break;
    }
  }
  return bytes;
}

int Run(int lines) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("kau_line_store_bench_" + std::to_string(::getpid()));
  fs::create_directories(folder);
  const std::string path = (folder / "big.pas").string();
  const std::string bytes = MakeFile(lines);
  std::ofstream(path, std::ios::binary) << bytes;

  kau::editor::TSynEditStringList store;
  auto start = Clock::now();
  store.LoadFromFile(path);
  const double load = MillisecondsSince(start);

  start = Clock::now();
  const int longest = store.GetLengthOfLongestLine();
  const double longestLine = MillisecondsSince(start);

  start = Clock::now();
  store.SaveToFile(path);
  const double save = MillisecondsSince(start);

  std::printf("lines %d, bytes %zu\n", store.Count(), bytes.size());
  std::printf("load:          %8.1f ms\n", load);
  std::printf("longest line:  %8.1f ms (%d columns)\n", longestLine, longest);
  std::printf("save:          %8.1f ms\n", save);
  fs::remove_all(folder);
  return store.Count() == lines ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(argc > 1 ? std::atoi(argv[1]) : 200000);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
}
