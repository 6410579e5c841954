#include "platform/console/input_reader.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>

#include "platform/console/console.h"
#include "text/code_pages.h"

namespace kau::console {
namespace {

// A wait looks at the interrupt flag at least this often, so that a Ctrl+C
// that arrives just before poll() starts still ends it soon.
constexpr int kPollSliceMilliseconds = 100;
constexpr std::size_t kReadChunk = 4096;

// Whether `s` is the start of a UTF-8 sequence that more bytes could complete.
bool isIncompleteUtf8(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  std::size_t length = 0;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (s.size() >= length) return false;
  return std::all_of(s.begin() + 1, s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; });
}

}  // namespace

int InputReader::take() { return static_cast<unsigned char>(ready_[pos_++]); }

int InputReader::next() {
  for (;;) {
    if (pos_ < ready_.size()) return take();
    const Fill result = fill(-1);
    if (result == Fill::End || result == Fill::Interrupted) return kEnd;
  }
}

int InputReader::nextWithin(int milliseconds) {
  for (;;) {
    if (pos_ < ready_.size()) return take();
    const Fill result = fill(milliseconds);
    if (result == Fill::TimedOut) return kTimedOut;
    if (result != Fill::Data) return kEnd;
  }
}

void InputReader::unread(unsigned char byte) {
  if (pos_ > 0) ready_[--pos_] = static_cast<char>(byte);
  else ready_.insert(ready_.begin(), static_cast<char>(byte));
}

void InputReader::discardBuffered() {
  raw_.clear();
  ready_.clear();
  pos_ = 0;
}

// Waits (in slices, watching the interrupt flag) until the descriptor is
// readable, then reads once. A negative timeout waits for ever.
InputReader::Fill InputReader::fill(int timeoutMilliseconds) {
  if (ended_) return Fill::End;
  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    if (interruptFlag().load(std::memory_order_relaxed)) return Fill::Interrupted;
    int slice = kPollSliceMilliseconds;
    if (timeoutMilliseconds >= 0) {
      const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
      if (elapsed >= timeoutMilliseconds) return Fill::TimedOut;
      slice = std::min<int>(slice, static_cast<int>(timeoutMilliseconds - elapsed));
    }
    pollfd p{fd_, POLLIN, 0};
    const int ready = poll(&p, 1, slice);
    if (ready == 0 || (ready < 0 && errno == EINTR)) continue;

    char buffer[kReadChunk];
    const ssize_t n = read(fd_, buffer, sizeof buffer);
    if (n > 0) {
      raw_.append(buffer, static_cast<std::size_t>(n));
      convert(false);
      return Fill::Data;
    }
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    // The end (or an error that no retry mends, such as a hung-up terminal).
    const bool hadPending = !raw_.empty();
    convert(true);
    if (!terminal_ || n < 0) ended_ = true;
    return hadPending ? Fill::Data : Fill::End;
  }
}

// Moves the complete part of raw_ into ready_, converted to code page 850.
void InputReader::convert(bool atEnd) {
  std::size_t i = 0;
  char32_t cp;
  while (i < raw_.size()) {
    const std::string_view rest(raw_.data() + i, raw_.size() - i);
    const int length = text::decodeUtf8(rest, cp);
    if (length > 0) i += static_cast<std::size_t>(length);
    else if (!atEnd && isIncompleteUtf8(rest)) break;
    else ++i;
  }
  if (pos_ == ready_.size()) {
    ready_.clear();
    pos_ = 0;
  }
  ready_ += text::utf8ToCp850(std::string_view(raw_.data(), i));
  raw_.erase(0, i);
}

}  // namespace kau::console
