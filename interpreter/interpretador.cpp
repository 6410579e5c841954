#include "interpreter/interpretador.h"

#include <algorithm>
#include <atomic>
#include <ctime>
#include <exception>

#include "interpreter/runtime_errors.h"
#include "interpreter/word_arithmetic.h"

namespace kau {

namespace {

constexpr unsigned char kLightGreen = 10;
constexpr int kBannerColumn = 2;
// "%c%c%c Pascal KAU! %s" with three full blocks (219 in code page 850) and
// the version, then 44 blanks.
std::string bannerText() {
  return std::string(3, '\xDB') + " Pascal KAU! Versao 4.06" + std::string(44, ' ');
}

}  // namespace

Interpretador::Interpretador(Word* memory, int wordCount, bool consoleRun, console::Console& console)
    : memory_(memory),
      wordCount_(wordCount),
      codeLimit_(std::clamp(wordCount, 0, kProgramMemoryWords - 4)),
      base_(wordCount),
      consoleRun_(consoleRun),
      console_(console) {}

void Interpretador::RaiseRuntimeError(int code, Word value) {
  runtimeErrorFlag_ = true;
  running_ = false;
  // A stop during the instruction cuts its read or wait short (an open of a
  // FIFO, a number read in part): what then failed is the stop's doing.
  const bool stopped = console::interruptFlag().load(std::memory_order_relaxed);
  runtimeMessage_ = stopped ? CtrlCText() : RuntimeErrorText(code, value);
}

void Interpretador::Run() {
  pc_ = 0;
  base_ = wordCount_;
  top_ = 0;
  running_ = true;
  runtimeErrorFlag_ = false;
  runtimeMessage_.clear();
  keyboardLine_ = KeyboardLine::kUntouched;
  files_.ClearOpenFiles();
  // The words above the code start as zeros in every run.
  const int firstFree = std::clamp(wordCount_, 0, kProgramMemoryWords);
  std::fill(memory_ + firstFree, memory_ + kProgramMemoryWords, 0);

  try {
    StartOfRun();
    if (budget_ > 0) {
      Execute<true>();
    } else {
      Execute<false>();
    }
  } catch (...) {
    RaiseRuntimeError(kErrorExecution);
  }
  running_ = false;
  // The screen's output first: a text file that cannot take its text at
  // once (a FIFO nobody reads) must not hold it back.
  try {
    console_.flush();
  } catch (...) {
    // The program's own work is done; a failing console changes nothing.
  }
  // Text still buffered for files left open reaches them now; when it
  // cannot, the program did not do what it said.
  if (!files_.ClearOpenFiles() && !runtimeErrorFlag_) RaiseRuntimeError(kErrorFileWriteFailed);
  try {
    // No wait for Enter before a banner that cannot be shown.
    if (!runtimeErrorFlag_ && !console_.outputFailed() && consoleRun_) EndOfRun();
  } catch (...) {
  }
}

void Interpretador::StartOfRun() {
  console_.discardPendingInput();
  if (consoleRun_) {
    OpTextColor(kLightGreen, false);
    console_.clearScreen();
  }
  randomState_ = static_cast<std::uint32_t>(std::time(nullptr));
  NextRandom();  // seeding draws one value
}

void Interpretador::EndOfRun() {
  OpTextColor(kLightGreen, false);
  int row = console_.cursorRow();
  const int rows = console_.windowRows();
  if (row < rows - 2) row = rows - 1;
  console_.readChar();
  if (row > rows - 1) row = rows - 1;
  console_.gotoXY(kBannerColumn, row);
  console_.write(bannerText());
  console_.flush();
}

std::uint32_t Interpretador::NextRandom() {
  randomState_ = randomState_ * 22695477u + 1u;
  return (randomState_ >> 16) & 0x7FFFu;
}

Word Interpretador::OuterFrame(Word levels) {
  Word frame = static_cast<Word>(base_);
  Charge(levels);
  for (Word i = 0; i < levels && running_; ++i) {
    const Word link = At(frame);
    // A static link always points to an older frame, lower in memory.
    if (link >= frame) {
      Fault();
      break;
    }
    frame = link;
  }
  return frame;
}

}  // namespace kau
