// Times the structure scanning of an editor's text the way the editor control
// drives it.
//   structure_bench [FILE]
// Without FILE the text is bench/large_program.py 20000 --structures.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/structure_cache.h"
#include "editor/model/syn_edit_string_list.h"

namespace {

using namespace kau::editor;
using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::vector<std::string> readLines(std::FILE* in) {
  std::vector<std::string> lines;
  std::string line;
  for (int c; (c = std::fgetc(in)) != EOF;) {
    if (c == '\n') {
      lines.push_back(line);
      line.clear();
    } else if (c != '\r') {
      line += static_cast<char>(c);
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::vector<std::string> loadText(int argc, char** argv) {
  if (argc > 1) {
    std::FILE* f = std::fopen(argv[1], "rb");
    if (f == nullptr) return {};
    auto lines = readLines(f);
    std::fclose(f);
    return lines;
  }
  std::FILE* p = popen("python3 " KAU_SOURCE_DIR "/bench/large_program.py 20000 --structures", "r");
  if (p == nullptr) return {};
  auto lines = readLines(p);
  pclose(p);
  return lines;
}

struct Summary {
  double median, p90, max;
};

Summary summarize(std::vector<double> times) {
  if (times.empty()) return {0, 0, 0};
  std::sort(times.begin(), times.end());
  const auto at = [&](double q) { return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))]; };
  return {at(0.5), at(0.9), times.back()};
}

// Best of `rounds` full rebuilds.
double timeRebuild(StructureCache& cache, TSynEditStringList& store, TSynPasSyn& highlighter, int rounds) {
  double best = 1e9;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    cache.Update(store, highlighter);
    best = std::min(best, msSince(start));
  }
  return best;
}

// The highlighter states of the store kept as the editor control keeps them
// (eagerly here): a changed line is scanned again, and the lines after it
// while their end state changes, each reported to the cache.
class StoreStates : public LineStartStates {
 public:
  StoreStates(TSynEditStringList& store, TSynPasSyn& highlighter, StructureCache& cache)
      : store_(store), highlighter_(highlighter), cache_(cache) {
    for (int i = 0; i < store.GetCount(); ++i) Rescan(i, i);
  }
  void ScanThrough(int) override {}
  int RightThrough() const override { return store_.GetCount() - 1; }
  SynRange StartState(int Index) override {
    return Index == 0 ? InitialRange(highlighter_) : store_.GetRange(Index - 1);
  }
  // Lines from First on, First..Through whatever they held.
  void Rescan(int First, int Through) {
    int line = First;
    for (; line < store_.GetCount(); ++line) {
      highlighter_.SetRange(StartState(line));
      highlighter_.SetLine(store_.Get(line), line);
      highlighter_.NextToEol();
      const SynRange range = highlighter_.GetRange();
      const bool same = range == store_.GetRange(line);
      store_.PutRange(line, range);
      if (same && line >= Through) break;
    }
    cache_.LinesChanged(First, line);
  }

 private:
  TSynEditStringList& store_;
  TSynPasSyn& highlighter_;
  StructureCache& cache_;
};

struct Typing {
  Summary all;      // every keystroke
  Summary matched;  // keystrokes that changed a word, so the pairs were matched again
  Summary spread;   // keystrokes whose highlighter state ran on into the following lines
  std::size_t matchedCount = 0, spreadCount = 0;
  double matchedLines = 0;  // mean words the matcher went through when it ran
};

// Types `typed` at the start of line `at` (a line break opens a new line), one
// update per keystroke, matching as far as a window of 40 lines from the
// typed line needs.
Typing timeTyping(StructureCache& cache, TSynEditStringList& store, TSynPasSyn& highlighter, int at,
                  const std::string& typed) {
  std::vector<double> all, matched, spread;
  double matchedLines = 0;
  int line = at;
  cache.Reset(store.GetCount());
  StoreStates states(store, highlighter, cache);
  cache.Update(store, highlighter, states, store.GetCount() - 1);
  store.Insert(line, "");
  cache.LinesInserted(line, 1);
  states.Rescan(line, line + 1);
  cache.Update(store, highlighter, states, line + 40);
  for (const char c : typed) {
    if (c == '\n') {
      ++line;
      store.Insert(line, "");
      cache.LinesInserted(line, 1);
      states.Rescan(line, line + 1);
    } else {
      store.Put(line, store.Get(line) + c);
      states.Rescan(line, line);
    }
    const auto start = Clock::now();
    cache.Update(store, highlighter, states, line + 40);
    const double ms = msSince(start);
    all.push_back(ms);
    if (cache.LastScanCount() > 1) spread.push_back(ms);
    else if (cache.LastMatchCount() > 0) {
      matched.push_back(ms);
      matchedLines += cache.LastMatchCount();
    }
  }
  Typing result{summarize(all), summarize(matched), summarize(spread), matched.size(), spread.size(), 0};
  result.matchedLines = matched.empty() ? 0 : matchedLines / static_cast<double>(matched.size());
  return result;
}

std::string typedText(std::size_t length) {
  const std::string pattern = "begin\n  total := total + 1; { end }\n  s := 'end';\nend;\n";
  std::string text;
  while (text.size() < length) text += pattern;
  text.resize(length);
  return text;
}

void report(const char* name, TSynEditStringList& store, StructureCache& cache, TSynPasSyn& highlighter) {
  const double rebuild = timeRebuild(cache, store, highlighter, 10);
  std::printf("%s: %d lines, %zu structures\n", name, store.GetCount(), cache.Matches().size());
  std::printf("  full rebuild (scan and match), best of 10: %.2f ms\n", rebuild);
  const int at = store.GetCount() / 2;
  const auto typing = timeTyping(cache, store, highlighter, at, typedText(2000));
  std::printf("  2,000 characters typed at line %d, update per keystroke:\n", at + 1);
  std::printf("    all: median %.4f ms, 90%% %.3f ms, max %.3f ms\n", typing.all.median, typing.all.p90, typing.all.max);
  std::printf("    %zu that matched words: median %.3f ms, 90%% %.3f ms, max %.3f ms (%.0f words matched)\n",
              typing.matchedCount, typing.matched.median, typing.matched.p90, typing.matched.max, typing.matchedLines);
  std::printf("    %zu that scanned more than one line: median %.3f ms, max %.3f ms\n",
              typing.spreadCount, typing.spread.median, typing.spread.max);
}

}  // namespace

int main(int argc, char** argv) {
  const auto lines = loadText(argc, argv);
  if (lines.empty()) {
    std::fprintf(stderr, "structure_bench: no text\n");
    return 1;
  }
  TSynPasSyn highlighter;
  StructureCache cache;
  cache.SetPairs({"BEGIN=END", "REPEAT=UNTIL", "CASE=END", "RECORD=END"});

  TSynEditStringList program;
  for (const auto& line : lines) program.Add(line);
  report("program", program, cache, highlighter);

  TSynEditStringList ends;
  ends.Add("begin");
  for (int i = 0; i < 20000; ++i) ends.Add("end");
  report("20,000 end under one begin", ends, cache, highlighter);
  return 0;
}
