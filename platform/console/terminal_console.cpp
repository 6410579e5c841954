#include "platform/console/terminal_console.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <utility>

#include "platform/console/ansi_sequences.h"
#include "platform/console/cursor_tracker.h"
#include "platform/console/input_reader.h"
#include "platform/console/key_sequences.h"
#include "platform/console/output_encoding.h"
#include "platform/console/run_guard.h"
#include "platform/console/standard_streams.h"

namespace kau::console {
namespace {

constexpr unsigned char kDefaultAttribute = 0x07;  // light grey on black
constexpr int kDefaultRows = 25;
constexpr int kDefaultColumns = 80;
// Plain output is written in blocks of about this size.
constexpr std::size_t kPlainBufferLimit = 64 * 1024;
// The bytes of one key's escape sequence arrive together; a lone ESC is the
// Escape key when nothing follows within this time.
constexpr int kKeySequenceGapMilliseconds = 50;
constexpr int kSleepSliceMilliseconds = 100;

// Non-canonical input without echo for one key, then the modes from before.
class SingleKeyMode {
 public:
  explicit SingleKeyMode(int fd) : fd_(fd) {
    if (tcgetattr(fd_, &previous_) != 0) {
      fd_ = -1;
      return;
    }
    termios modes = previous_;
    modes.c_lflag &= ~(ICANON | ECHO);
    modes.c_cc[VMIN] = 1;
    modes.c_cc[VTIME] = 0;
    tcsetattr(fd_, TCSANOW, &modes);
  }
  ~SingleKeyMode() {
    if (fd_ >= 0) tcsetattr(fd_, TCSANOW, &previous_);
  }
  SingleKeyMode(const SingleKeyMode&) = delete;
  SingleKeyMode& operator=(const SingleKeyMode&) = delete;

 private:
  int fd_;
  termios previous_{};
};

class TerminalConsole final : public Console {
 public:
  TerminalConsole(int inputFd, int outputFd)
      : inputFd_(inputFd),
        outputFd_(outputFd),
        inputTerminal_(isatty(inputFd) == 1),
        outputTerminal_(isatty(outputFd) == 1),
        input_(inputFd, inputTerminal_) {}

  ~TerminalConsole() override {
    endRun();
    plain_.finish(buffer_);
    flush();
  }

  void write(std::string_view cp850) override {
    int rows, columns;
    windowSize(rows, columns);
    cursor_.advance(cp850, rows, columns);
    if (outputTerminal_) {
      appendTerminalText(buffer_, cp850);
      flush();
    } else {
      plain_.append(buffer_, cp850);
      if (buffer_.size() >= kPlainBufferLimit) flush();
    }
  }

  void flush() override {
    std::size_t done = 0;
    while (done < buffer_.size()) {
      if (interruptFlag().load(std::memory_order_relaxed)) {
        // Ctrl+C: the output gets what it takes at once, for a terminal that
        // nobody reads (or one stopped with Ctrl+S) would hold the run for
        // ever. A blocked write ends with the signal (no SA_RESTART).
        writeWithoutWaiting(outputFd_, buffer_.data() + done, buffer_.size() - done);
        break;
      }
      const ssize_t n = ::write(outputFd_, buffer_.data() + done, buffer_.size() - done);
      if (n > 0) {
        done += static_cast<std::size_t>(n);
      } else if (n < 0 && errno == EAGAIN) {
        pollfd p{outputFd_, POLLOUT, 0};
        poll(&p, 1, kSleepSliceMilliseconds);
      } else if (!(n < 0 && errno == EINTR)) {
        // The output is gone (full disk, closed pipe, hung-up terminal): drop
        // it and remember the loss.
        outputFailed_ = true;
        break;
      }
    }
    buffer_.clear();
  }

  void clearScreen() override {
    cursor_.moveTo(1, 1);
    emitSequence(ansi::kClearScreen);
  }

  void gotoXY(int column, int row) override {
    int rows, columns;
    windowSize(rows, columns);
    if (column < 1 || column > columns || row < 1 || row > rows) return;
    cursor_.moveTo(column, row);
    emitSequence(ansi::cursorTo(column, row));
  }

  void setTextAttribute(unsigned char attribute) override {
    attribute_ = attribute;
    if (attribute == emittedAttribute_) return;
    emittedAttribute_ = attribute;
    emitSequence(ansi::attribute(attribute));
  }

  unsigned char textAttribute() const override { return attribute_; }

  int windowRows() const override {
    int rows, columns;
    windowSize(rows, columns);
    return rows;
  }

  int windowColumns() const override {
    int rows, columns;
    windowSize(rows, columns);
    return columns;
  }

  int cursorRow() const override { return std::min(cursor_.row(), windowRows()); }

  int readChar() override {
    flush();
    return followEcho(input_.next());
  }

  void unreadChar(int byte) override {
    if (byte >= 0) input_.unread(static_cast<unsigned char>(byte));
  }

  void discardRestOfLine() override {
    flush();
    for (int c = followEcho(input_.next()); c >= 0 && c != '\n'; c = followEcho(input_.next())) {
    }
  }

  void discardPendingInput() override {
    if (!inputTerminal_) return;
    tcflush(inputFd_, TCIFLUSH);
    input_.discardBuffered();
  }

  int readKey() override {
    flush();
    if (pendingScanCode_ >= 0) return std::exchange(pendingScanCode_, -1);
    std::unique_ptr<SingleKeyMode> mode;
    if (inputTerminal_) mode = std::make_unique<SingleKeyMode>(inputFd_);
    for (;;) {
      const int c = input_.next();
      if (c < 0) return -1;
      if (c == '\n') return 13;   // Enter, also from a file or pipe
      if (c == 0x7F) return 8;    // Backspace sends DEL on most terminals
      if (c != 0x1B) return c;
      const int key = readEscapedKey();
      if (key >= 0) return key;
    }
  }

  void sleepMilliseconds(int milliseconds) override {
    flush();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
    while (!interruptFlag().load(std::memory_order_relaxed)) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
      if (left <= 0) return;
      poll(nullptr, 0, static_cast<int>(std::min<long long>(left, kSleepSliceMilliseconds)));
    }
  }

  void beginRun() override {
    interruptFlag().store(false);
    if (running_) return;
    running_ = true;
    beginRunGuard(inputFd_, outputFd_);
  }

  void finishLine() override {
    if (!outputTerminal_ || cursor_.column() == 1) return;
    int rows, columns;
    windowSize(rows, columns);
    cursor_.advance("\r\n", rows, columns);
    buffer_ += "\r\n";
    flush();
  }

  bool outputFailed() const override { return outputFailed_; }

  void endRun() override {
    if (outputTerminal_ && emittedAttribute_ >= 0) buffer_ += ansi::kResetAttributes;
    plain_.finish(buffer_);
    flush();
    attribute_ = kDefaultAttribute;
    emittedAttribute_ = -1;
    if (!running_) return;
    running_ = false;
    endRunGuard();
  }

 private:
  // Screen sequences reach only a terminal.
  void emitSequence(std::string_view sequence) {
    if (!outputTerminal_) return;
    buffer_ += sequence;
    flush();
  }

  void windowSize(int& rows, int& columns) const {
    winsize size{};
    if (outputTerminal_ && ioctl(outputFd_, TIOCGWINSZ, &size) == 0 && size.ws_row > 0 && size.ws_col > 0) {
      rows = size.ws_row;
      columns = size.ws_col;
    } else {
      rows = kDefaultRows;
      columns = kDefaultColumns;
    }
  }

  // The terminal echoes line input on the screen; the cursor moves with it
  // (Enter to the start of the next row).
  int followEcho(int c) {
    if (c >= 0 && inputTerminal_ && outputTerminal_) {
      int rows, columns;
      windowSize(rows, columns);
      const char byte = static_cast<char>(c);
      cursor_.advance(byte == '\n' ? std::string_view("\r\n") : std::string_view(&byte, 1), rows, columns);
    }
    return c;
  }

  // After an ESC: 0 for an extended key (its scan code comes next), 27 for
  // the Escape key itself, -1 for a sequence of no known key (dropped).
  int readEscapedKey() {
    std::string sequence;
    for (;;) {
      const KeySequenceMatch match = matchKeySequence(sequence);
      switch (match.kind) {
        case KeySequenceMatch::Kind::Incomplete: {
          const int c = input_.nextWithin(kKeySequenceGapMilliseconds);
          if (c < 0) return giveBack(sequence, 0, 0x1B);
          sequence.push_back(static_cast<char>(c));
          continue;
        }
        case KeySequenceMatch::Kind::Extended:
          pendingScanCode_ = match.scanCode;
          return giveBack(sequence, match.length, 0);
        case KeySequenceMatch::Kind::Ignored:
          giveBack(sequence, match.length, 0);
          return -1;
        case KeySequenceMatch::Kind::NotASequence:
          return giveBack(sequence, 0, 0x1B);
      }
    }
  }

  // Puts back the bytes of `sequence` from `used` on; returns `key`.
  int giveBack(const std::string& sequence, std::size_t used, int key) {
    for (std::size_t i = sequence.size(); i > used; --i) input_.unread(static_cast<unsigned char>(sequence[i - 1]));
    return key;
  }

  const int inputFd_;
  const int outputFd_;
  const bool inputTerminal_;
  const bool outputTerminal_;
  InputReader input_;
  std::string buffer_;  // output not yet written
  PlainTextEncoder plain_;
  CursorTracker cursor_;
  unsigned char attribute_ = kDefaultAttribute;
  int emittedAttribute_ = -1;  // the attribute the terminal shows; -1 its own
  int pendingScanCode_ = -1;
  bool running_ = false;
  bool outputFailed_ = false;
};

}  // namespace

std::unique_ptr<Console> makeTerminalConsole(int inputFd, int outputFd) {
  return std::make_unique<TerminalConsole>(inputFd, outputFd);
}

std::unique_ptr<Console> makeTerminalConsole() { return makeTerminalConsole(STDIN_FILENO, STDOUT_FILENO); }

}  // namespace kau::console
