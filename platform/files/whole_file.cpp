#include "platform/files/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <limits>

namespace kau::files {

namespace {

constexpr std::size_t kMinimumBlock = 64 * 1024;

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes, std::size_t maxBytes) {
  bytes.clear();
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (file.get() < 0) return false;
  struct stat info {};
  const std::size_t recorded =
      ::fstat(file.get(), &info) == 0 && info.st_size > 0 ? static_cast<std::size_t>(info.st_size) : 0;
  if (recorded > maxBytes) return false;
  // Room for one byte past the recorded size, so that the read meeting the
  // end needs no second allocation, and never for more than one byte past
  // the limit, so that a file over it shows.
  const std::size_t limit = maxBytes < std::numeric_limits<std::size_t>::max() ? maxBytes + 1 : maxBytes;
  bytes.resize(std::min(std::max(recorded + 1, kMinimumBlock), limit));
  std::size_t filled = 0;
  while (filled <= maxBytes) {
    if (filled == bytes.size()) bytes.resize(std::min(bytes.size() * 2, limit));
    const ssize_t n = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (n == 0) {
      bytes.resize(filled);
      return true;
    }
    if (n < 0) {
      if (errno == EINTR) continue;
      break;
    }
    filled += static_cast<std::size_t>(n);
  }
  bytes.clear();
  return false;
}

}  // namespace kau::files
