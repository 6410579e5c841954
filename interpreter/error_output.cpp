#include "interpreter/error_output.h"

#include <unistd.h>

#include <atomic>
#include <cstdio>

#include "platform/console/console.h"
#include "platform/console/standard_streams.h"
#include "text/code_pages.h"

namespace kau {

std::string ErrorTextLines(const std::string& cp1252Text) {
  std::string utf8 = text::cp1252ToUtf8(cp1252Text);
  const std::size_t split = utf8.find('#');
  if (split != std::string::npos) utf8[split] = '\n';
  utf8 += '\n';
  return utf8;
}

void WriteToStandardError(const std::string& utf8) {
  if (console::interruptFlag().load(std::memory_order_relaxed)) {
    std::fflush(stderr);
    console::writeWithoutWaiting(STDERR_FILENO, utf8.data(), utf8.size());
  } else {
    std::fwrite(utf8.data(), 1, utf8.size(), stderr);
  }
}

void WriteErrorText(const std::string& cp1252Text) { WriteToStandardError(ErrorTextLines(cp1252Text)); }

}  // namespace kau
