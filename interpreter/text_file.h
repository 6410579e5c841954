// One text file opened by a running program. The program sees code page 850
// bytes; the file holds UTF-8 (a byte that does not start a valid UTF-8
// sequence is read as a code page 1252 character, as files made on Windows
// hold). Lines are written with LF; CR LF reads as LF.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "interpreter/char_source.h"
#include "interpreter/file_reader.h"

namespace kau {

class TextFile final : public CharSource {
 public:
  enum class Mode { kRead, kRewrite, kAppend };
  // Opens the file named by a code page 850 name; check isOpen().
  TextFile(std::string_view name850, Mode mode);
  ~TextFile();
  TextFile(const TextFile&) = delete;
  TextFile& operator=(const TextFile&) = delete;

  bool isOpen() const { return file_ != nullptr || reader_.isOpen(); }
  int get() override;
  void unget(int byte) override { pushed_ = byte; }
  void skipLine() override;
  bool atEnd();
  // False when the text could not be written (a full disk, a device error):
  // the program has to hear of it, or what it wrote is lost unseen.
  bool write(std::string_view cp850);
  // Flushes and closes; false when the buffered text could not be written.
  bool close();

 private:
  int rawGet();
  void rawUnget(int byte);

  std::FILE* file_ = nullptr;  // written (REWRITE, APPEND)
  FileReader reader_;          // or only read (RESET)
  int pushed_ = -1;
  unsigned char raw_[4] = {};
  int rawCount_ = 0;
};

// True when the file system reports a file of that code page 850 name.
bool FileExists(std::string_view name850);

}  // namespace kau
