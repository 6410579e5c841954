#include "interpreter/executable_file.h"

#include <sys/stat.h>

#include "platform/files/replace_file.h"
#include "text/code_pages.h"

namespace kau {

namespace {

std::string CannotWriteText(const std::string& path) {
  return ExecutableErrorHeader() + "#" + text::cp1252(" => Não foi possível gravar o arquivo '") + path + "'!";
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
  const std::string_view content(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (files::ReplaceFileContents(path, content, ExecutableMode())) return true;
  errorText = CannotWriteText(path);
  return false;
}

}  // namespace kau
