#include "tools/kauc/source_file.h"

#include <cstdint>
#include <vector>

#include "platform/files/whole_file.h"
#include "text/code_pages.h"

namespace kau {

namespace {

// Far beyond a program that fits the code memory; bounds what an endless
// device makes us hold.
constexpr std::size_t kMaxSourceBytes = 64 * 1024 * 1024;

// Lines end with CR LF, LF or a lone CR, as the editor reads them; the
// lexer counts line feeds, so a lone CR becomes one.
void lineFeedForLoneCarriageReturn(std::string& text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) text[i] = '\n';
  }
}

}  // namespace

bool readSourceFile(const std::string& path, std::string& text) noexcept {
  try {
    std::vector<std::uint8_t> bytes;
    if (!files::ReadWholeFile(path, bytes, kMaxSourceBytes)) return false;
    text = text::sourceToCp1252(std::string(bytes.begin(), bytes.end()));
    lineFeedForLoneCarriageReturn(text);
    return true;
  } catch (...) {
    return false;  // out of memory
  }
}

}  // namespace kau
