// Our editor control, built as the IDE's editor window builds it, against
// QScintilla 2 with its Pascal lexer, folding and brace matching, side by
// side on the same generated Pascal text, offscreen, 1000 x 700 pixels.
// Each step is timed from its key event (or call) to the end of its
// repaint; the table gives medians over the rounds and ours / QScintilla.
//   editor_peer_bench [--cap SECONDS] [--rounds N] [LINES...]
// (default: cap 60 s, 3 rounds, 1 at 1,000,000 lines and more; 1000 100000
// 1000000 lines). A step that passes the cap is reported as ">cap": the
// measuring child process is stopped and a new one goes on with the other
// editor only; the steps it then cannot reach are "n/r". Prints times;
// never fails on them.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "bench/editor_peer/pascal_text.h"
#include "bench/editor_peer/rows.h"
#include "bench/editor_peer/scenario.h"

namespace kau::bench {
namespace {

enum SideIndex { kOurs, kPeer };
constexpr const char* kSideNames[2] = {"kau", "qsci"};

struct Cell {
  std::map<int, double> byRound;  // ms
  bool capped = false;
  bool failed = false;
  int count = -1;
  bool noPaint = false;
};

struct SizeResult {
  int lines = 0;
  Cell cells[2][kRowCount];
  double memory[2] = {-1, -1};
  bool stopped[2] = {false, false};  // by the cap or a failure
};

int RowOf(const std::string& id) {
  for (int r = 0; r < kRowCount; ++r)
    if (id == kRowIds[r]) return r;
  return -1;
}
int SideOf(const std::string& name) { return name == kSideNames[kOurs] ? kOurs : kPeer; }

using Clock = std::chrono::steady_clock;

// One child process from (round, row) on, for the editors not yet stopped;
// false when the child was stopped (then `round` and `row` say where).
bool RunChild(const char* self, SizeResult& result, int rounds, double capSeconds, int& round, int& row) {
  int out[2];
  if (pipe(out) != 0) return true;
  const std::string sides = result.stopped[kOurs] ? "qsci" : result.stopped[kPeer] ? "kau" : "both";
  const std::vector<std::string> args = {self, "--child", std::to_string(result.lines), std::to_string(rounds),
                                         std::to_string(round), std::to_string(row), sides};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    close(out[1]);
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv("/proc/self/exe", argv.data());
    _exit(127);
  }
  close(out[1]);
  std::string pending;
  int side = -1;
  Clock::time_point began = Clock::now();
  bool done = false, capped = false;
  for (;;) {
    pollfd p{out[0], POLLIN, 0};
    const int ready = poll(&p, 1, 200);
    if (side >= 0 && std::chrono::duration<double>(Clock::now() - began).count() > capSeconds) {
      kill(pid, SIGKILL);
      capped = true;
      break;
    }
    if (ready <= 0) continue;
    char buffer[4096];
    const ssize_t n = read(out[0], buffer, sizeof buffer);
    if (n <= 0) break;
    pending.append(buffer, static_cast<std::size_t>(n));
    for (std::size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
      std::istringstream line(pending.substr(0, end));
      std::string what, name, id;
      line >> what;
      if (what == "done") {
        done = true;
        continue;
      }
      line >> name;
      if (what == "memory") {
        line >> result.memory[SideOf(name)];
        continue;
      }
      line >> id;
      const int r = RowOf(id);
      if (r < 0) continue;
      Cell& cell = result.cells[SideOf(name)][r];
      if (what == "begin") {
        side = SideOf(name);
        row = r;
        line >> round;
        began = Clock::now();
      } else if (what == "time") {
        int k;
        double ms;
        line >> k >> ms;
        cell.byRound[k] = ms;
      } else if (what == "count") {
        line >> cell.count;
      } else if (what == "nopaint") {
        cell.noPaint = true;
      }
    }
  }
  close(out[0]);
  int status = 0;
  waitpid(pid, &status, 0);
  if (done && !capped) return true;
  if (side < 0) side = kOurs;
  Cell& cell = result.cells[side][row];
  (capped ? cell.capped : cell.failed) = true;
  result.stopped[side] = true;
  return false;
}

SizeResult Measure(const char* self, int lines, int rounds, double capSeconds) {
  SizeResult result;
  result.lines = lines;
  int round = 0, row = 0;
  while (!RunChild(self, result, rounds, capSeconds, round, row) && !(result.stopped[kOurs] && result.stopped[kPeer])) {
  }
  return result;
}

std::string Figure(const Cell& cell, double cap) {
  if (cell.capped && cell.byRound.empty()) return ">" + std::to_string(static_cast<int>(cap)) + " s";
  if (cell.failed && cell.byRound.empty()) return "failed";
  if (cell.byRound.empty()) return "n/r";
  std::vector<double> values;
  for (const auto& [round, ms] : cell.byRound) values.push_back(ms);
  std::sort(values.begin(), values.end());
  char text[32];
  std::snprintf(text, sizeof text, "%.3f", values[values.size() / 2]);
  return text;
}

double MedianOf(const Cell& cell) {
  if (cell.byRound.empty()) return -1;
  std::vector<double> values;
  for (const auto& [round, ms] : cell.byRound) values.push_back(ms);
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

constexpr const char* kRowTitles[kRowCount] = {
    "load + first paint",           "page down (median of 20)",
    "keystroke in the middle (median)", "{ typed at line 1",
    "find all (Find next until none)",  "find all, the find dialog's code",
    "replace all (control's SearchReplace)", "the delete of select all",
    "Undo of select all + delete",  "replace all, the replace dialog's code"};

// The rows in the order of the report.
constexpr Row kReportOrder[] = {kLoad,    kUndoDelete, kBrace,  kFind,      kFindDialog, kReplace,
                                kReplaceDialog, kDelete, kKeystroke, kPageDown};

std::string Ratio(double ours, double peer) {
  if (ours < 0 || peer <= 0) return "-";
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", ours / peer);
  return text;
}

void Report(const SizeResult& r, double cap) {
  std::printf("\n%d lines (%s found %d times); times in ms\n", r.lines, kSearchWord,
              r.cells[kOurs][kFind].count >= 0 ? r.cells[kOurs][kFind].count : r.cells[kPeer][kFind].count);
  std::printf("%-42s %12s %12s %8s\n", "step", "ours", "QScintilla", "ratio");
  for (Row row : kReportOrder) {
    const Cell& ours = r.cells[kOurs][row];
    const Cell& peer = r.cells[kPeer][ComparedWith(row)];
    std::string note;
    if (ours.count >= 0 && peer.count >= 0 && ours.count != peer.count)
      note = "  (counts differ: " + std::to_string(ours.count) + " / " + std::to_string(peer.count) + ")";
    if (ours.noPaint || peer.noPaint) note += "  (no repaint seen)";
    std::printf("%-42s %12s %12s %8s%s\n", kRowTitles[row], Figure(ours, cap).c_str(), Figure(peer, cap).c_str(),
                Ratio(MedianOf(ours), MedianOf(peer)).c_str(), note.c_str());
  }
  char ours[32] = "-", peer[32] = "-";
  if (r.memory[kOurs] >= 0) std::snprintf(ours, sizeof ours, "%.1f", r.memory[kOurs]);
  if (r.memory[kPeer] >= 0) std::snprintf(peer, sizeof peer, "%.1f", r.memory[kPeer]);
  std::printf("%-42s %12s %12s %8s\n", "resident memory per line (bytes)", ours, peer,
              Ratio(r.memory[kOurs], r.memory[kPeer]).c_str());
  std::fflush(stdout);
}

int Parent(int argc, char** argv) {
  double cap = 60;
  int rounds = 3;
  std::vector<int> sizes;
  for (int i = 1; i < argc; ++i) {
    if (!std::strcmp(argv[i], "--cap") && i + 1 < argc) cap = std::atof(argv[++i]);
    else if (!std::strcmp(argv[i], "--rounds") && i + 1 < argc) rounds = std::max(1, std::atoi(argv[++i]));
    else sizes.push_back(std::atoi(argv[i]));
  }
  if (sizes.empty()) sizes = {1000, 100000, 1000000};
  std::printf("editor_peer_bench: cap %.0f s per step, %d round(s) (1 at 1,000,000 lines and more)\n", cap, rounds);
  std::vector<SizeResult> results;
  for (int lines : sizes) {
    results.push_back(Measure(argv[0], lines, lines >= 1000000 ? 1 : rounds, cap));
    Report(results.back(), cap);
  }
  std::printf("\nours / QScintilla\n%-42s", "step");
  for (const SizeResult& r : results) std::printf(" %10d", r.lines);
  std::printf("\n");
  for (Row row : kReportOrder) {
    std::printf("%-42s", kRowTitles[row]);
    for (const SizeResult& r : results) {
      const Cell& ours = r.cells[kOurs][row];
      const Cell& peer = r.cells[kPeer][ComparedWith(row)];
      std::string ratio = Ratio(MedianOf(ours), MedianOf(peer));
      for (const Cell* cell : {&ours, &peer}) {
        if (!cell->byRound.empty()) continue;
        ratio = cell->capped ? (cell == &ours ? ">cap" : "peer>cap") : cell->failed ? "failed" : "n/r";
        break;
      }
      std::printf(" %10s", ratio.c_str());
    }
    std::printf("\n");
  }
  std::printf("%-42s", "resident memory per line");
  for (const SizeResult& r : results) std::printf(" %10s", Ratio(r.memory[kOurs], r.memory[kPeer]).c_str());
  std::printf("\n");
  return 0;
}

int Child(int argc, char** argv) {
  if (argc < 7) return 2;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  ScenarioOptions options;
  options.lines = std::atoi(argv[2]);
  options.rounds = std::atoi(argv[3]);
  options.fromRound = std::atoi(argv[4]);
  options.fromRow = std::atoi(argv[5]);
  const std::string sides = argv[6];
  options.ours = sides != "qsci";
  options.peer = sides != "kau";
  RunScenario(options);
  return 0;
}

}  // namespace
}  // namespace kau::bench

int main(int argc, char** argv) {
  if (argc > 1 && !std::strcmp(argv[1], "--child")) return kau::bench::Child(argc, argv);
  return kau::bench::Parent(argc, argv);
}
