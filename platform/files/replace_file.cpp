#include "platform/files/replace_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <vector>

namespace kau::files {

namespace {

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::optional<mode_t> mode) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  // ".NAME.XXXXXX" beside the target, for mkstemp to fill in; a short
  // prefix of the name keeps the temporary name within the limit. Appended
  // piece by piece: g++ 12 at -O3 takes "." + string for an overlapping copy.
  const std::string_view prefix = std::string_view(name).substr(0, 200);
  std::vector<char> temporary(folder.begin(), folder.end());
  temporary.push_back('.');
  temporary.insert(temporary.end(), prefix.begin(), prefix.end());
  for (const char c : std::string_view(".XXXXXX")) temporary.push_back(c);
  temporary.push_back('\0');

  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) return false;
  bool ok = WriteAll(fd, bytes) && (!mode || ::fchmod(fd, *mode) == 0) && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.data(), path.c_str()) == 0;
  if (!ok) ::unlink(temporary.data());
  return ok;
}

mode_t NewFileMode(mode_t requested) {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return requested & ~mask;
}

}  // namespace kau::files
