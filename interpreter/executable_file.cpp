#include "interpreter/executable_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "text/code_pages.h"

namespace kau {

namespace {

std::string CannotWriteText(const std::string& path) {
  return ExecutableErrorHeader() + "#" + text::cp1252(" => Não foi possível gravar o arquivo '") + path + "'!";
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(written));
  }
  return true;
}

// The permissions a newly created executable gets: all execute and read and
// write bits, less the process's umask.
mode_t ExecutableMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0777 & ~mask;
}

}  // namespace

std::string ExecutableErrorHeader() { return text::cp1252(" => Erro ao gerar o executável..."); }

std::string ExecutablePathFor(const std::string& sourcePath) {
  const std::size_t slash = sourcePath.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::string path;
  if (sourcePath.size() - nameStart < 4) path = sourcePath + ".exe";
  else path = sourcePath.substr(0, sourcePath.size() - 3) + "exe";
  if (path == sourcePath) path += ".exe";
  return path;
}

bool WriteExecutableFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& errorText) {
  const std::size_t slash = path.find_last_of('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  std::vector<char> temporary(folder.begin(), folder.end());
  // A short prefix of the name keeps the temporary name within the limit.
  const std::string pattern = "." + name.substr(0, 200) + ".XXXXXX";
  temporary.insert(temporary.end(), pattern.begin(), pattern.end());
  temporary.push_back('\0');

  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) {
    errorText = CannotWriteText(path);
    return false;
  }
  bool ok = WriteAll(fd, bytes) && ::fchmod(fd, ExecutableMode()) == 0 && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  ok = ok && ::rename(temporary.data(), path.c_str()) == 0;
  if (!ok) {
    ::unlink(temporary.data());
    errorText = CannotWriteText(path);
  }
  return ok;
}

}  // namespace kau
