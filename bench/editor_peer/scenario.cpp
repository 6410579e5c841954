#include "bench/editor_peer/scenario.h"

#include <malloc.h>
#include <unistd.h>

#include <QAbstractScrollArea>
#include <QApplication>
#include <QKeyEvent>
#include <QPixmap>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "bench/editor_peer/kau_side.h"
#include "bench/editor_peer/pascal_text.h"
#include "bench/editor_peer/peer_side.h"
#include "bench/editor_peer/rows.h"
#include "tests/ide/paint_counter.h"

namespace kau::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

long ResidentBytes() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE);
}

// Everything posted so far delivered, the repaints it asked for included.
void Flush() {
  QCoreApplication::sendPostedEvents();
  QApplication::processEvents();
}

void Key(Side& side, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(&side.Widget(), &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&side.Widget(), &release);
}

void Say(const char* format, auto... values) {
  std::printf(format, values...);
  std::printf("\n");
  std::fflush(stdout);
}

struct Shown {
  explicit Shown(std::unique_ptr<Side> s) : side(std::move(s)) {
    side->Widget().resize(1000, 700);
    side->Widget().show();
    static_cast<QAbstractScrollArea&>(side->Widget()).viewport()->installEventFilter(&counter);
    Flush();
  }
  std::unique_ptr<Side> side;
  ide::testing::PaintCounter counter;  // of its viewport
};

class Scenario {
 public:
  explicit Scenario(const ScenarioOptions& options) : options_(options), text_(GeneratedPascal(options.lines)) {}

  void Run() {
    if (options_.ours) sides_.push_back(std::make_unique<Shown>(std::make_unique<KauSide>()));
    if (options_.peer) sides_.push_back(std::make_unique<Shown>(std::make_unique<PeerSide>()));
    for (int round = options_.fromRound; round < options_.rounds; ++round) {
      // The undo of the delete goes on from the delete.
      const int firstRow =
          round != options_.fromRound ? 0 : options_.fromRow == kUndoDelete ? kDelete : options_.fromRow;
      for (int row = firstRow; row < kRowCount; ++row) {
        // The side that goes first alternates from step to step and from
        // round to round.
        const auto turn = static_cast<std::size_t>(row + round);
        for (std::size_t i = 0; i < sides_.size(); ++i) {
          Shown& shown = *sides_[(i + turn) % sides_.size()];
          if (OursOnly(static_cast<Row>(row)) && !dynamic_cast<KauSide*>(shown.side.get())) continue;
          Say("begin %s %s %d", shown.side->Name(), kRowIds[row], round);
          if (row == firstRow && row != kLoad) Load(*shown.side);
          unpainted_ = false;
          row_ = static_cast<Row>(row);
          const double ms = Step(shown, static_cast<Row>(row), round);
          if (unpainted_) Say("nopaint %s %s", shown.side->Name(), kRowIds[row]);
          Say("time %s %s %d %.3f", shown.side->Name(), kRowIds[row], round, ms);
          PutBack(*shown.side, static_cast<Row>(row));
        }
      }
    }
    Say("done");
  }

 private:
  void Load(Side& side) {
    side.Load(text_);
    side.GoToLine(1);
    Flush();
  }

  // After a step, untimed: the text as loaded (but after the last step and
  // between the delete and its undo), the caret at the top.
  void PutBack(Side& side, Row row) {
    if (row == kDelete || row == kReplaceDialog) return;
    if (row == kKeystroke || row == kBrace)
      while (side.CanUndo()) side.Undo();
    // Our control keeps the last 1024 undo items only.
    if (row == kReplace) side.Load(text_);
    side.GoToLine(1);
    Flush();
  }

  void Count(Side& side, Row row, int n) { Say("count %s %s %d", side.Name(), kRowIds[row], n); }

  // The time of `work` and the repaint it asks for; a work that changes
  // the view but paints nothing is noted.
  double Timed(Shown& shown, auto work) {
    const int paints = shown.counter.paints;
    const auto start = Clock::now();
    work();
    Flush();
    const double ms = MsSince(start);
    if (shown.counter.paints == paints) unpainted_ = true;
    Shoot(shown);
    return ms;
  }

  // With EDITOR_PEER_SHOTS set to a folder, each side's window after the
  // last timed work of each step, as a PNG, to see that both show what they
  // should.
  void Shoot(Shown& shown) {
    const QString folder = qEnvironmentVariable("EDITOR_PEER_SHOTS");
    if (folder.isEmpty()) return;
    shown.side->Widget().grab().save(
        QString("%1/%2-%3-%4.png").arg(folder).arg(options_.lines).arg(kRowIds[row_]).arg(shown.side->Name()));
  }

  // Each step starts with the text as loaded and the caret at the top.
  double Step(Shown& shown, Row row, int round) {
    Side& side = *shown.side;
    KauSide* ours = dynamic_cast<KauSide*>(&side);
    double ms = 0;
    switch (row) {
      case kLoad: {
        malloc_trim(0);
        const long before = ResidentBytes();
        ms = Timed(shown, [&] { side.Load(text_); });
        malloc_trim(0);  // what the load freed again
        if (round == 0)
          Say("memory %s %.1f", side.Name(),
              static_cast<double>(ResidentBytes() - before) / std::max(side.LineCount(), 1));
        break;
      }
      case kPageDown: {
        std::vector<double> times;
        for (int i = 0; i < 20; ++i) times.push_back(Timed(shown, [&] { Key(side, Qt::Key_PageDown); }));
        ms = Median(times);
        break;
      }
      case kKeystroke: {
        side.GoToLine(side.LineCount() / 2);
        Flush();
        std::vector<double> times;
        for (char c : std::string("total := total + 1; { x }  ")) {
          // Qt's key codes of these characters are their upper-case ASCII codes.
          const int key = std::toupper(static_cast<unsigned char>(c));
          times.push_back(Timed(shown, [&] { Key(side, key, Qt::NoModifier, QString(QChar::fromLatin1(c))); }));
        }
        ms = Median(times);
        break;
      }
      case kBrace:
        ms = Timed(shown, [&] { Key(side, Qt::Key_BraceLeft, Qt::NoModifier, "{"); });
        break;
      case kFind:
      case kFindDialog: {
        int found = 0;
        ms = Timed(shown, [&] {
          found = row == kFind ? side.FindAll(kSearchWord) : ours->FindAllAsTheFindDialog(kSearchWord);
        });
        Count(side, row, found);
        break;
      }
      case kReplace:
      case kReplaceDialog: {
        int replaced = 0;
        ms = Timed(shown, [&] {
          replaced = row == kReplace ? side.ReplaceAll(kSearchWord, kReplacementWord)
                                     : ours->ReplaceAllAsTheReplaceDialog(kSearchWord, kReplacementWord);
        });
        Count(side, row, replaced);
        break;
      }
      case kDelete:
        Key(side, Qt::Key_A, Qt::ControlModifier);
        Flush();
        ms = Timed(shown, [&] { Key(side, Qt::Key_Delete); });
        break;
      case kUndoDelete:
        ms = Timed(shown, [&] { Key(side, Qt::Key_Z, Qt::ControlModifier); });
        break;
      case kRowCount:
        break;
    }
    return ms;
  }

  const ScenarioOptions options_;
  bool unpainted_ = false;
  Row row_ = kLoad;
  const std::string text_;
  std::vector<std::unique_ptr<Shown>> sides_;
};

}  // namespace

void RunScenario(const ScenarioOptions& options) { Scenario(options).Run(); }

}  // namespace kau::bench
