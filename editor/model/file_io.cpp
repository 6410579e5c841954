#include "editor/model/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "editor/model/exceptions.h"
#include "text/code_pages.h"

namespace kau::editor {

namespace {

std::string SystemError(int error) { return std::strerror(error); }

std::string Quoted(const std::string& FileName) { return "\"" + FileName + "\""; }

class FdCloser {
 public:
  explicit FdCloser(int fd) : fd_(fd) {}
  ~FdCloser() { ::close(fd_); }
  FdCloser(const FdCloser&) = delete;
  FdCloser& operator=(const FdCloser&) = delete;

 private:
  int fd_;
};

// The file a save must replace: the target of a symbolic link, else the name.
std::string ResolveTarget(const std::string& FileName) {
  struct stat st {};
  if (::lstat(FileName.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(FileName.c_str(), nullptr)) {
      std::string resolved = real;
      std::free(real);
      return resolved;
    }
  }
  return FileName;
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
  const auto slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::string ReadFileBytes(const std::string& FileName, std::uint64_t MaxSize) {
  const int fd = ::open(FileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    throw EFOpenError(text::cp1252("Não foi possível abrir o arquivo ") + Quoted(FileName) + ": " +
                      SystemError(errno));
  FdCloser closer(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) throw EReadError("Erro de leitura em " + Quoted(FileName) + ": " + SystemError(errno));
  if (S_ISDIR(st.st_mode))
    throw EFOpenError(text::cp1252("Não foi possível abrir o arquivo ") + Quoted(FileName) + ": " +
                      SystemError(EISDIR));
  const auto tooLarge = [&] {
    return EFileTooLarge(text::cp1252("O arquivo ") + Quoted(FileName) +
                         text::cp1252(" é grande demais para o editor."));
  };
  if (static_cast<std::uint64_t>(st.st_size) > MaxSize) throw tooLarge();
  std::string bytes;
  bytes.reserve(static_cast<std::size_t>(st.st_size));
  // Read until the end rather than trusting the size: files of /proc and pipes
  // report 0.
  char chunk[65536];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got < 0) {
      if (errno == EINTR) continue;
      throw EReadError("Erro de leitura em " + Quoted(FileName) + ": " + SystemError(errno));
    }
    if (got == 0) break;
    if (bytes.size() + static_cast<std::uint64_t>(got) > MaxSize) throw tooLarge();
    bytes.append(chunk, static_cast<std::size_t>(got));
  }
  return bytes;
}

TSafeFileWriter::TSafeFileWriter(const std::string& FileName) : fTarget(ResolveTarget(FileName)) {
  // A file that may not be written stays as it is, although its folder would
  // let us replace it.
  if (::access(fTarget.c_str(), F_OK) == 0 && ::access(fTarget.c_str(), W_OK) != 0)
    throw EFCreateError(text::cp1252("Não foi possível criar o arquivo ") + Quoted(FileName) + ": " +
                        SystemError(errno));
  static std::atomic<unsigned> counter{0};
  const std::string prefix = FolderOf(fTarget) + "/." + BaseNameOf(fTarget) + ".";
  int error = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    fTempName = prefix + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".tmp";
    // 0666 lets the umask decide the permissions of a new file.
    fFd = ::open(fTempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fFd >= 0) return;
    error = errno;
    if (error != EEXIST) break;
  }
  throw EFCreateError(text::cp1252("Não foi possível criar o arquivo ") + Quoted(FileName) + ": " +
                      SystemError(error));
}

TSafeFileWriter::~TSafeFileWriter() {
  if (fFd >= 0) {
    ::close(fFd);
    ::unlink(fTempName.c_str());
  }
}

void TSafeFileWriter::Write(std::string_view Bytes) {
  while (!Bytes.empty()) {
    const ssize_t put = ::write(fFd, Bytes.data(), Bytes.size());
    if (put < 0) {
      if (errno == EINTR) continue;
      throw EWriteError("Erro de escrita em " + Quoted(fTarget) + ": " + SystemError(errno));
    }
    Bytes.remove_prefix(static_cast<std::size_t>(put));
  }
}

void TSafeFileWriter::Commit() {
  const auto fail = [&](int error) {
    return EWriteError("Erro de escrita em " + Quoted(fTarget) + ": " + SystemError(error));
  };
  struct stat old {};
  if (::stat(fTarget.c_str(), &old) == 0) {
    if (::fchown(fFd, old.st_uid, old.st_gid) != 0) {
      // Only a privileged process can keep another user's ownership; the
      // new file then belongs to the user who saves it.
    }
    if (::fchmod(fFd, old.st_mode & 07777) != 0) throw fail(errno);
  }
  if (::fsync(fFd) != 0) throw fail(errno);
  const int fd = fFd;
  fFd = -1;
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(fTempName.c_str());
    throw fail(error);
  }
  if (::rename(fTempName.c_str(), fTarget.c_str()) != 0) {
    const int error = errno;
    ::unlink(fTempName.c_str());
    throw fail(error);
  }
}

void WriteFileSafely(const std::string& FileName, std::string_view Bytes) {
  TSafeFileWriter writer(FileName);
  writer.Write(Bytes);
  writer.Commit();
}

}  // namespace kau::editor
