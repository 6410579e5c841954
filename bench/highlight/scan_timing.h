// Times scanning a text line by line the way the editor does: each line
// starts from the range stored for the line before, every token is read with
// its attribute, and the end range is stored. Prints the best of the rounds.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/best_time.h"
#include "editor/highlight/custom_highlighter.h"

namespace kau::bench {

inline void timeScan(editor::TSynCustomHighlighter& h, const std::vector<std::string>& text, int rounds) {
  std::vector<editor::SynRange> ranges(text.size());
  std::size_t tokens = 0, bytes = 0;
  const double best = BestMs(rounds, [&] {
    tokens = bytes = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (i == 0) h.ResetRange();
      else h.SetRange(ranges[i - 1]);
      h.SetLine(text[i], static_cast<int>(i));
      while (!h.GetEol()) {
        bytes += h.GetToken().size();
        tokens += h.GetTokenAttribute() != nullptr;
        h.Next();
      }
      ranges[i] = h.GetRange();
    }
  });
  const auto lineCount = static_cast<double>(text.size());
  std::printf("%zu lines, %zu tokens, %zu bytes: best of %d rounds %.2f ms (%.0f lines/ms)\n", text.size(), tokens,
              bytes, rounds, best, lineCount / best);
}

// `lineCount` lines repeating `sample`.
template <std::size_t N>
std::vector<std::string> repeatLines(const char* const (&sample)[N], int lineCount) {
  std::vector<std::string> text;
  text.reserve(static_cast<std::size_t>(lineCount));
  for (int i = 0; i < lineCount; ++i) text.emplace_back(sample[static_cast<std::size_t>(i) % N]);
  return text;
}

// A scan benchmark's main: times `h` over `sample` repeated to LINES lines
// (default 100,000), best of ROUNDS rounds (default 10), both from the
// command line.
template <std::size_t N>
int scanBenchMain(int argc, char** argv, editor::TSynCustomHighlighter& h, const char* const (&sample)[N]) {
  const int lineCount = argc > 1 ? std::atoi(argv[1]) : 100000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 10;
  timeScan(h, repeatLines(sample, lineCount), rounds);
  return 0;
}

}  // namespace kau::bench
