// Standard input of a running program, byte by byte in code page 850: UTF-8
// from the keyboard, a pipe or a file is converted as it arrives (bytes that
// are not valid UTF-8 pass unchanged). Waits give up when interruptFlag() is
// set; after the end of a pipe or a file no read is tried again.
#pragma once

#include <cstddef>
#include <string>

namespace kau::console {

class InputReader {
 public:
  static constexpr int kEnd = -1;       // end of input, or interrupted
  static constexpr int kTimedOut = -2;

  InputReader(int fd, bool isTerminal) : fd_(fd), terminal_(isTerminal) {}

  // The next byte; kEnd at the end of input or when interrupted. On a
  // terminal an end (Ctrl+D) ends only the read under way.
  int next();
  // The next byte when one comes within `milliseconds`, else kTimedOut.
  int nextWithin(int milliseconds);
  // Puts a byte back in front of what is buffered.
  void unread(unsigned char byte);
  // Drops everything read but not yet taken.
  void discardBuffered();

 private:
  enum class Fill { Data, End, Interrupted, TimedOut };
  Fill fill(int timeoutMilliseconds);
  void convert(bool atEnd);
  int take();

  int fd_;
  bool terminal_;
  bool ended_ = false;
  std::string raw_;    // read but not converted: the head of a UTF-8 sequence
  std::string ready_;  // converted, from position pos_ on
  std::size_t pos_ = 0;
};

}  // namespace kau::console
