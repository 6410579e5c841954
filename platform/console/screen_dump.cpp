#include "platform/console/screen_dump.h"

#include <cstdio>
#include <cstdlib>

#include "platform/console/output_encoding.h"
#include "text/code_pages.h"

namespace kau::console {

std::string screenText(const ScreenSnapshot& screen) {
  std::string text;
  for (int row = 1; row <= ScreenSnapshot::kRows; ++row) {
    std::string line;
    for (int column = 1; column <= ScreenSnapshot::kColumns; ++column)
      text::appendUtf8(line, screenGlyph(screen.at(column, row).byte));
    line.erase(line.find_last_not_of(' ') + 1);
    text += line;
    text += '\n';
  }
  return text;
}

bool writeScreenDumpIfAsked(const ScreenConsole& console) {
  const char* path = std::getenv("PASCALKAU_CONSOLE_DUMP");
  if (path == nullptr || *path == '\0') return true;
  const std::string text = screenText(console.snapshot());
  const std::string temporary = std::string(path) + ".tmp";
  std::FILE* file = std::fopen(temporary.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(text.data(), 1, text.size(), file) == text.size();
  if (std::fclose(file) != 0 || !written || std::rename(temporary.c_str(), path) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

}  // namespace kau::console
