// The console of the development environment's own window: a screen of
// 80 x 25 cells and a keyboard queue, with no terminal behind it. A program
// runs on a worker thread and writes and reads here, while the window's
// thread types keys and takes snapshots to paint; every member is safe to
// call from any thread.
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>

#include "platform/console/console.h"
#include "platform/console/cursor_tracker.h"

namespace kau::console {

struct ScreenCell {
  unsigned char byte = ' ';       // code page 850
  unsigned char attribute = 0x07;
};

// A copy of the screen, for painting or reading without holding the console.
struct ScreenSnapshot {
  static constexpr int kRows = 25;
  static constexpr int kColumns = 80;
  std::array<ScreenCell, kRows * kColumns> cells{};
  int cursorColumn = 1;  // from 1
  int cursorRow = 1;
  std::uint64_t bells = 0;  // bells rung since the console was made
  // Column and row from 1.
  const ScreenCell& at(int column, int row) const { return cells[(row - 1) * kColumns + column - 1]; }
};

class ScreenConsole final : public Console {
 public:
  static constexpr int kRows = ScreenSnapshot::kRows;
  static constexpr int kColumns = ScreenSnapshot::kColumns;
  static constexpr unsigned char kDefaultAttribute = 0x07;
  // Keys typed ahead beyond this many are dropped, as a keyboard buffer
  // drops them.
  static constexpr std::size_t kTypedKeyLimit = 4096;
  // A paste is typed whole or not at all: one that would leave more pasted
  // keys than this waiting is refused.
  static constexpr std::size_t kPasteLimit = std::size_t{1} << 20;

  ScreenConsole();
  ~ScreenConsole() override;
  ScreenConsole(const ScreenConsole&) = delete;
  ScreenConsole& operator=(const ScreenConsole&) = delete;

  // Console -----------------------------------------------------------------
  void write(std::string_view cp850) override;
  void flush() override {}
  void clearScreen() override;
  void gotoXY(int column, int row) override;
  void setTextAttribute(unsigned char attribute) override;
  unsigned char textAttribute() const override;
  int windowRows() const override { return kRows; }
  int windowColumns() const override { return kColumns; }
  int cursorRow() const override;
  // Line input: keys are taken from the queue a line at a time and echoed
  // as they are taken (Backspace edits the line, Escape clears it from the
  // screen and the input, as on the system's console, Enter ends it and
  // echoes "\r\n", Ctrl+D on an empty line ends only this read with -1).
  int readChar() override;
  void unreadChar(int byte) override;
  void discardRestOfLine() override;
  void discardPendingInput() override;
  int readKey() override;
  void sleepMilliseconds(int milliseconds) override;
  // A run opens the keyboard (keys typed outside a run are dropped) and
  // clears interruptFlag(); its end closes the keyboard, drops what was left
  // typed, sets attribute 7 again and writes the screen dump when one is asked
  // for (see screen_dump.h).
  void beginRun() override;
  void endRun() override;

  // Keyboard, from the window --------------------------------------------------
  // A character typed: a control character is its key (Enter 13, Backspace 8,
  // Tab 9, Escape 27, Ctrl+D 4, ...), any other is converted to code page
  // 850 and dropped when the code page lacks it.
  void typeCharacter(char32_t character);
  // A pasted text, typed as its characters after the keys typed before it:
  // each line break (CR LF, CR or LF) is Enter, a tab is Tab, other control
  // characters are dropped, and a character that code page 850 lacks becomes
  // '?'. Pasted keys count against kPasteLimit, not against the typed keys'
  // limit; a paste over it types nothing and rings the bell.
  void pasteText(std::u32string_view text);
  // An extended key, by its scan code (see Console::readKey).
  void typeExtendedKey(int scanCode);
  // Ctrl+C: during a run sets interruptFlag() and wakes every read and sleep
  // under way; nothing outside a run.
  void pressCtrlC();
  bool runOpen() const;

  // Screen, for the window ---------------------------------------------------
  ScreenSnapshot snapshot() const;
  // Grows with every change of the screen, so that a painter can tell
  // whether a new snapshot is worth taking.
  std::uint64_t changeCount() const { return changes_.load(std::memory_order_acquire); }

 private:
  struct Key {
    int value;
    bool extended;
    bool pasted;
  };
  enum class LineEnd { Completed, EndOfInput, Stopped };

  // The members below expect mutex_ to be held.
  void put(std::string_view cp850);
  ScreenCell* row(int row);  // from 1
  void blankRow(int row);
  void changed() { changes_.fetch_add(1, std::memory_order_release); }
  bool keyWaitOver() const;
  bool waitForKey(std::unique_lock<std::mutex>& lock);
  void enqueue(Key key);
  Key takeKey();
  void dropKeys();
  void eraseEcho(const CursorTracker& start, std::uint64_t scrollsAtStart, int count);
  LineEnd editLine(std::unique_lock<std::mutex>& lock);

  mutable std::mutex mutex_;
  std::condition_variable keyArrived_;  // also a Ctrl+C or the end of the run
  std::array<ScreenCell, kRows * kColumns> cells_{};
  int topRow_ = 0;  // index of the screen's first row in cells_ (scrolling turns the rows)
  CursorTracker cursor_;
  unsigned char attribute_ = kDefaultAttribute;
  std::uint64_t bells_ = 0;
  std::uint64_t scrolls_ = 0;  // rows scrolled off the top since the console was made
  std::atomic<std::uint64_t> changes_{0};
  bool runOpen_ = false;
  std::deque<Key> keys_;
  std::size_t typedKeys_ = 0;  // of keys_, those typed and those pasted
  std::size_t pastedKeys_ = 0;
  std::string line_;  // an edited line, read from linePosition_ on
  std::size_t linePosition_ = 0;
  int pendingScanCode_ = -1;
};

}  // namespace kau::console
