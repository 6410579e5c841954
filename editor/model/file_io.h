// Whole-file reading and crash-safe file replacement for the editor's saves.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kau::editor {

// Reads the whole file in one go. Raises EFOpenError when it cannot be
// opened, EFileTooLarge when it holds more than MaxSize bytes, EReadError
// when reading fails.
std::string ReadFileBytes(const std::string& FileName, std::uint64_t MaxSize);

// Writes a new version of a file without ever truncating the old one: the
// bytes go to a temporary file in the same folder, and Commit renames it over
// the target (following a symbolic link to the file it names), keeping the
// old file's permissions. Until Commit succeeds the old file is untouched; a
// writer destroyed without Commit removes its temporary file.
// Failures raise EFCreateError (no temporary file) or EWriteError.
class TSafeFileWriter {
 public:
  explicit TSafeFileWriter(const std::string& FileName);
  ~TSafeFileWriter();
  TSafeFileWriter(const TSafeFileWriter&) = delete;
  TSafeFileWriter& operator=(const TSafeFileWriter&) = delete;

  void Write(std::string_view Bytes);
  void Commit();

 private:
  std::string fTarget;
  std::string fTempName;
  int fFd = -1;
};

// The whole content at once through a TSafeFileWriter.
void WriteFileSafely(const std::string& FileName, std::string_view Bytes);

}  // namespace kau::editor
