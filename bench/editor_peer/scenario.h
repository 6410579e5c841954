// The measuring child: both editors in one process, each step on each side
// in turn, the side that goes first alternating from step to step and from
// round to round.
#pragma once

namespace kau::bench {

struct ScenarioOptions {
  int lines = 1000;
  int rounds = 1;
  int fromRound = 0, fromRow = 0;  // where a run stopped by the time cap goes on
  bool ours = true, peer = true;
};

// Needs a QApplication; writes the lines of rows.h to standard output.
void RunScenario(const ScenarioOptions& options);

}  // namespace kau::bench
