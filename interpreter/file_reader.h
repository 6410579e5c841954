// The bytes of a file opened for reading, through a buffer of its own. A stop
// (Ctrl+C, the windows' stop) is looked at before every refill and during
// every wait, so that a read from a device that never ends, or from a pipe,
// FIFO or terminal that never writes, ends soon after it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace kau {

class FileReader {
 public:
  FileReader() = default;
  ~FileReader() { close(); }
  FileReader(const FileReader&) = delete;
  FileReader& operator=(const FileReader&) = delete;

  // Opens the file at `path` (UTF-8). A FIFO is open once a writer has
  // come, as open(2) would wait, unless a stop comes first. False when it
  // could not be opened.
  bool open(const std::string& path);
  void close();
  bool isOpen() const { return fd_ >= 0; }
  // The next byte; -1 at the end, on an error, or once a stop is asked for.
  int get() { return next_ < end_ ? *next_++ : refill(); }
  // Drops the bytes up to the next `byte`, that one included (or all that
  // are left).
  void skipPast(unsigned char byte);

 private:
  static constexpr std::size_t kBufferSize = 64 * 1024;

  int refill();
  bool waitReadable() const;

  int fd_ = -1;
  bool waits_ = false;  // no regular file: a read may block, so it is polled first
  std::unique_ptr<unsigned char[]> buffer_;
  const unsigned char* next_ = nullptr;
  const unsigned char* end_ = nullptr;
};

}  // namespace kau
