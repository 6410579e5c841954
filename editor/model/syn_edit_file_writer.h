// TSynEditFileWriter: the buffered writer of the line store's save path. It
// writes lines with the line end of its format through a 16,384-byte buffer
// that grows only for a longer line, into a TSafeFileWriter: the old file is
// replaced by Close only when everything was written.
#pragma once

#include <string>
#include <string_view>

#include "editor/model/file_io.h"
#include "editor/model/syn_edit_string_list.h"

namespace kau::editor {

class TSynEditFileWriter {
 public:
  TSynEditFileWriter(const std::string& FileName, TSynEditFileFormat Format);

  void WriteText(std::string_view S);
  void WriteLine(std::string_view S);
  // Writes out the buffer and puts the new file in place of the old one.
  void Close();

 private:
  void WriteBuffer();
  void MakeRoom(std::size_t Length);

  TSafeFileWriter fFile;
  std::string fBuffer;
  std::size_t fBufferSize = 16384;
  TSynEditFileFormat fFormat;
};

}  // namespace kau::editor
