#include "interpreter/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <atomic>

#include "platform/console/console.h"
#include "text/code_pages.h"

namespace kau {

TextFile::TextFile(std::string_view name850, Mode mode) {
  const std::string path = text::cp850ToUtf8(name850);
  switch (mode) {
    case Mode::kRead:
      // Reading only: a file opened by RESET is never changed.
      reader_.open(path);
      break;
    case Mode::kRewrite: file_ = std::fopen(path.c_str(), "w+b"); break;
    case Mode::kAppend: file_ = std::fopen(path.c_str(), "ab"); break;
  }
}

TextFile::~TextFile() { close(); }

bool TextFile::close() {
  reader_.close();
  if (!file_) return true;
  // After a stop (Ctrl+C, a terminating signal) the file takes what it can
  // at once: a FIFO or terminal that nobody reads must not keep the process
  // from ending. A regular file takes it all, as before.
  if (console::interruptFlag().load(std::memory_order_relaxed)) {
    const int fd = ::fileno(file_);
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags | O_NONBLOCK);
  }
  const bool written = !std::ferror(file_);
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  return written && closed;
}

// A folder is no file: RESET or APPEND of one reports the file as missing
// instead of opening it as an empty file.
bool FileExists(std::string_view name850) {
  struct stat info;
  return ::stat(text::cp850ToUtf8(name850).c_str(), &info) == 0 && !S_ISDIR(info.st_mode);
}

int TextFile::rawGet() {
  if (rawCount_ > 0) return raw_[--rawCount_];
  if (reader_.isOpen()) return reader_.get();
  // A file opened by REWRITE or APPEND stands at its end, where every write
  // goes: a read there meets the end. Not asked of the stream, whose error
  // state a read of an append-only stream would set, to be taken at the
  // close for a failed write.
  return -1;
}

void TextFile::rawUnget(int byte) {
  if (byte >= 0 && rawCount_ < 4) raw_[rawCount_++] = static_cast<unsigned char>(byte);
}

int TextFile::get() {
  if (pushed_ >= 0) {
    const int c = pushed_;
    pushed_ = -1;
    return c;
  }
  const int c = rawGet();
  if (c == '\r') {
    const int next = rawGet();
    if (next == '\n') return '\n';
    rawUnget(next);
    return c;
  }
  if (c < 0x80) return c;  // ASCII or the end
  // A byte that starts no sequence is a code page 1252 character.
  if (c < 0xC0) return text::cp1252To850(static_cast<unsigned char>(c));
  const int length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
  char bytes[4] = {static_cast<char>(c)};
  int count = 1;
  while (count < length) {
    const int next = rawGet();
    if (next < 0) break;
    if ((next & 0xC0) != 0x80) {
      rawUnget(next);
      break;
    }
    bytes[count++] = static_cast<char>(next);
  }
  char32_t cp = 0;
  if (count == length && text::decodeUtf8(std::string_view(bytes, count), cp) == count) {
    const int byte = text::unicodeToCp850(cp);
    return byte >= 0 ? byte : '?';
  }
  for (int i = count - 1; i >= 1; --i) rawUnget(static_cast<unsigned char>(bytes[i]));
  return text::cp1252To850(static_cast<unsigned char>(c));
}

// The bytes held back first; then a file being read is searched for LF, which
// ends CR LF too and is no part of a UTF-8 sequence.
void TextFile::skipLine() {
  while (pushed_ >= 0 || rawCount_ > 0) {
    const int c = get();
    if (c < 0 || c == '\n') return;
  }
  if (reader_.isOpen()) reader_.skipPast('\n');
  else CharSource::skipLine();
}

bool TextFile::atEnd() {
  const int c = get();
  if (c < 0) return true;
  unget(c);
  return false;
}

bool TextFile::write(std::string_view cp850) {
  if (!file_) return false;
  const std::string utf8 = text::cp850ToUtf8(cp850);
  return std::fwrite(utf8.data(), 1, utf8.size(), file_) == utf8.size();
}

}  // namespace kau
