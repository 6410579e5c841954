// One typed character in an open completion list of 20,000 entries: the list
// filters all of them and repaints its rows (on the fake back end, which
// records the drawing). Prints the time per character and two ratios: against
// a bare prefix scan of the same entries (the least any filter must do), and
// against one frame at 60 Hz (the goal: well under 1).
//   completion_bench [ENTRIES] [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/completion/completion_form.h"
#include "platform/fake/fake_popup.h"
#include "platform/fake/fake_system.h"

namespace {

using Clock = std::chrono::steady_clock;
using kau::editor::CompletionOptionSet;

constexpr double kFrameMs = 1000.0 / 60.0;

// Names that share prefixes the way identifiers do.
std::vector<std::string> MakeEntries(int count, bool pretty) {
  static const char* const stems[] = {"write", "read", "while", "with", "window", "word", "begin", "beep", "case", "char"};
  std::vector<std::string> entries;
  for (int i = 0; i < count; ++i) {
    std::string name = std::string(stems[i % 10]) + std::to_string(i);
    entries.push_back(pretty ? "\\style{+B}" + name + "\\style{-B}\\column{}procedure" : name);
  }
  return entries;
}

// The typed texts of one round: "w", "wr", ... "write1", then back to "".
const std::vector<std::string>& Steps() {
  static const std::vector<std::string> steps = {"w", "wr", "wri", "writ", "write", "write1",
                                                 "write", "writ", "wri", "wr", "w", ""};
  return steps;
}

double TimeForm(const std::vector<std::string>& entries, kau::editor::TSynCompletionOptions options, int rounds,
                int& shown) {
  kau::platform::FakeSystem system;
  kau::platform::FakePopup popup;
  kau::editor::TSynBaseCompletionProposalForm form(popup);
  form.SetOptions(options);
  form.SetItemList(entries);
  popup.SetBounds({100, 100, 360, 100 + 8 * form.EffectiveItemHeight() + 4});
  form.Show();
  double best = 1e9;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (const std::string& typed : Steps()) {
      form.SetCurrentString(typed);
      popup.PaintNow();
    }
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  shown = form.AssignedCount();
  return best / static_cast<double>(Steps().size());
}

double TimeBareScan(const std::vector<std::string>& entries, int rounds) {
  double best = 1e9;
  std::vector<int> matches;
  std::size_t sink = 0;
  for (int r = 0; r < rounds; ++r) {
    const auto start = Clock::now();
    for (const std::string& typed : Steps()) {
      matches.clear();
      for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].compare(0, typed.size(), typed) == 0) matches.push_back(static_cast<int>(i));
      sink += matches.size();
    }
    best = std::min(best, std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  if (sink == 1) std::printf(" ");
  return best / static_cast<double>(Steps().size());
}

}  // namespace

int main(int argc, char** argv) {
  const int count = argc > 1 ? std::atoi(argv[1]) : 20000;
  const int rounds = argc > 2 ? std::atoi(argv[2]) : 20;
  const auto limited = CompletionOptionSet(kau::editor::scoLimitToMatchedText);
  const std::vector<std::string> plain = MakeEntries(count, false);
  const double bare = TimeBareScan(plain, rounds);
  std::printf("%d entries, best of %d rounds of %zu typed characters\n", count, rounds, Steps().size());
  std::printf("%-36s %10s %12s %12s\n", "case", "ms/char", "list/bare", "of a frame");
  std::printf("%-36s %10.3f %12s %12.3f\n", "bare prefix scan", bare, "1.00", bare / kFrameMs);
  const struct {
    const char* name;
    bool pretty;
    kau::editor::TSynCompletionOptions options;
  } cases[] = {
      {"filter (limit to matched text)", false, limited},
      {"filter, case-sensitive", false, limited | CompletionOptionSet(kau::editor::scoCaseSensitive)},
      {"filter, ANSI compare", false, limited | CompletionOptionSet(kau::editor::scoAnsiStrings)},
      {"filter, pretty text", true, limited | CompletionOptionSet(kau::editor::scoUsePrettyText)},
      {"select first match (no filter)", false, 0},
  };
  for (const auto& c : cases) {
    int shown = 0;
    const double ms = TimeForm(c.pretty ? MakeEntries(count, true) : plain, c.options, rounds, shown);
    std::printf("%-36s %10.3f %12.2f %12.3f\n", c.name, ms, ms / bare, ms / kFrameMs);
    if (shown != count) return 1;  // the round ends with all entries shown
  }
  return 0;
}
