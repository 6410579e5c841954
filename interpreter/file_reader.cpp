#include "interpreter/file_reader.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/console/console.h"

namespace kau {

namespace {

// A wait looks at the stop at least this often: the windows' stop sets the
// flag without a signal that would end poll() at once.
constexpr int kWaitSliceMilliseconds = 50;

bool stopAsked() { return console::interruptFlag().load(std::memory_order_relaxed); }

}  // namespace

bool FileReader::open(const std::string& path) {
  close();
  // Without waiting: a FIFO would hold open(2) until a writer comes.
  fd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd_ < 0) return false;
  struct stat info;
  waits_ = ::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode);
  // Before a writer has come, a FIFO reads as ended; poll() waits for it.
  if (waits_ && S_ISFIFO(info.st_mode) && !waitReadable()) {
    close();
    return false;
  }
  buffer_ = std::make_unique<unsigned char[]>(kBufferSize);
  next_ = end_ = buffer_.get();
  return true;
}

void FileReader::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  buffer_.reset();
  next_ = end_ = nullptr;
}

int FileReader::refill() {
  if (fd_ < 0) return -1;
  for (;;) {
    if (stopAsked() || (waits_ && !waitReadable())) return -1;
    const ssize_t n = ::read(fd_, buffer_.get(), kBufferSize);
    if (n > 0) {
      next_ = buffer_.get();
      end_ = next_ + n;
      return *next_++;
    }
    if (n == 0 || (errno != EINTR && errno != EAGAIN)) return -1;
  }
}

void FileReader::skipPast(unsigned char byte) {
  for (;;) {
    if (const void* found = std::memchr(next_, byte, static_cast<std::size_t>(end_ - next_))) {
      next_ = static_cast<const unsigned char*>(found) + 1;
      return;
    }
    next_ = end_;
    if (refill() < 0) return;
    --next_;  // the refill's first byte is searched too
  }
}

// Waits, in slices that look at the stop, until a read will not block (data,
// an end or an error). False when a stop came first.
bool FileReader::waitReadable() const {
  for (;;) {
    if (stopAsked()) return false;
    pollfd p{fd_, POLLIN, 0};
    const int ready = ::poll(&p, 1, kWaitSliceMilliseconds);
    if (ready > 0 || (ready < 0 && errno != EINTR)) return true;
  }
}

}  // namespace kau
