// An in-memory console for the interpreter's tests: output collected in a
// string (line ends "\r\n" kept as written), input from a string, keys from
// a queue, and a record of the cursor, colour, clearing and sleeping calls.
#pragma once

#include <deque>
#include <string>

#include "platform/console/console.h"

namespace kau::testing {

class FakeConsole : public console::Console {
 public:
  std::string output;
  std::string input;  // the rest of standard input
  std::size_t inputPos = 0;
  std::deque<int> keys;
  unsigned char attribute = 7;
  int rows = 25;
  int columns = 80;
  int row = 1;
  int column = 1;
  int clears = 0;
  int pendingDiscards = 0;
  long long sleptMs = 0;
  // Output beyond this many bytes sets the interrupt flag (guards fuzzing).
  std::size_t outputLimit = std::string::npos;
  // Output beyond this many bytes is lost, as on a full disk.
  std::size_t writableBytes = std::string::npos;

  void write(std::string_view text) override {
    if (output.size() + text.size() > writableBytes) {
      failed = true;
      ++refusedWrites;
      return;
    }
    output.append(text);
    if (output.size() > outputLimit) {
      console::interruptFlag().store(true);
      output.resize(outputLimit);
    }
  }
  void flush() override {}
  void clearScreen() override {
    ++clears;
    row = column = 1;
    output += "<CLS>";
  }
  void gotoXY(int x, int y) override {
    if (x < 1 || y < 1 || x > columns || y > rows) return;
    column = x;
    row = y;
    output += "<XY " + std::to_string(x) + "," + std::to_string(y) + ">";
  }
  void setTextAttribute(unsigned char a) override { attribute = a; }
  unsigned char textAttribute() const override { return attribute; }
  int windowRows() const override { return rows; }
  int windowColumns() const override { return columns; }
  int cursorRow() const override { return row; }
  int readChar() override {
    if (inputPos >= input.size()) return -1;
    return static_cast<unsigned char>(input[inputPos++]);
  }
  void unreadChar(int) override {
    if (inputPos > 0) --inputPos;
  }
  void discardRestOfLine() override {
    while (inputPos < input.size() && input[inputPos] != '\n') ++inputPos;
    if (inputPos < input.size()) ++inputPos;
  }
  void discardPendingInput() override { ++pendingDiscards; }
  int readKey() override {
    if (keys.empty()) return -1;
    const int k = keys.front();
    keys.pop_front();
    return k;
  }
  void sleepMilliseconds(int ms) override { sleptMs += ms; }
  void beginRun() override { console::interruptFlag().store(false); }
  void endRun() override {}
  bool outputFailed() const override { return failed; }
  bool failed = false;
  int refusedWrites = 0;
};

}  // namespace kau::testing
