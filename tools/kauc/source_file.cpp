#include "tools/kauc/source_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

#include "text/code_pages.h"

namespace kau {

namespace {

// Far beyond a program that fits the code memory; bounds what an endless
// device makes us hold.
constexpr std::size_t kMaxSourceBytes = 64 * 1024 * 1024;

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

// The whole content, or false; a folder fails here with EISDIR.
bool readAll(int fd, std::string& bytes) {
  char block[64 * 1024];
  for (;;) {
    const ssize_t n = ::read(fd, block, sizeof block);
    if (n == 0) return true;
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (bytes.size() + static_cast<std::size_t>(n) > kMaxSourceBytes) return false;
    bytes.append(block, static_cast<std::size_t>(n));
  }
}

// Lines end with CR LF, LF or a lone CR, as the editor reads them; the
// lexer counts line feeds, so a lone CR becomes one.
void lineFeedForLoneCarriageReturn(std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) text[i] = '\n';
  }
}

}  // namespace

bool readSourceFile(const std::string& path, std::string& text) noexcept {
  try {
    const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    std::string bytes;
    if (file.get() < 0 || !readAll(file.get(), bytes)) return false;
    text = text::sourceToCp1252(bytes);
    lineFeedForLoneCarriageReturn(text);
    return true;
  } catch (...) {
    return false;  // out of memory
  }
}

}  // namespace kau
