#include "editor/model/syn_edit_file_writer.h"

namespace kau::editor {

TSynEditFileWriter::TSynEditFileWriter(const std::string& FileName, TSynEditFileFormat Format)
    : fFile(FileName), fFormat(Format) {
  fBuffer.reserve(fBufferSize);
}

void TSynEditFileWriter::WriteBuffer() {
  if (!fBuffer.empty()) fFile.Write(fBuffer);
  fBuffer.clear();
}

void TSynEditFileWriter::MakeRoom(std::size_t Length) {
  while (fBuffer.size() + Length > fBufferSize) {
    WriteBuffer();
    if (Length > fBufferSize) {
      fBufferSize = Length;
      fBuffer.reserve(fBufferSize);
    }
  }
}

void TSynEditFileWriter::WriteText(std::string_view S) {
  MakeRoom(S.size());
  fBuffer += S;
}

void TSynEditFileWriter::WriteLine(std::string_view S) {
  MakeRoom(S.size() + (fFormat == sffDos ? 2 : 1));
  fBuffer += S;
  if (fFormat != sffUnix) fBuffer += '\r';
  if (fFormat != sffMac) fBuffer += '\n';
}

void TSynEditFileWriter::Close() {
  WriteBuffer();
  fFile.Commit();
}

}  // namespace kau::editor
