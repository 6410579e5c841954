#include "platform/console/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>

namespace kau::console {

std::size_t writeWithoutWaiting(int fd, const char* data, std::size_t size) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0) return 0;
  const bool blocking = (flags & O_NONBLOCK) == 0;
  if (blocking && fcntl(fd, F_SETFL, flags | O_NONBLOCK) != 0) return 0;
  std::size_t done = 0;
  while (done < size) {
    const ssize_t n = write(fd, data + done, size - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
    } else if (!(n < 0 && errno == EINTR)) {
      break;  // full (EAGAIN) or gone
    }
  }
  if (blocking) fcntl(fd, F_SETFL, flags);
  return done;
}

namespace {

void occupy(int fd, const char* device, int mode) {
  if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) return;
  const int opened = open(device, mode);
  if (opened < 0 || opened == fd) return;
  // A lower descriptor was free as well (and is being filled in its turn).
  dup2(opened, fd);
  close(opened);
}

}  // namespace

void occupyClosedStandardDescriptors() {
  occupy(STDIN_FILENO, "/dev/null", O_RDONLY);
  occupy(STDOUT_FILENO, "/dev/full", O_WRONLY);
  occupy(STDOUT_FILENO, "/dev/null", O_WRONLY);  // without /dev/full the output is only dropped
  occupy(STDERR_FILENO, "/dev/null", O_WRONLY);
}

}  // namespace kau::console
