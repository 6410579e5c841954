#include "editor/highlight/comma_text.h"

namespace kau::editor {

namespace {

bool isBlank(char c) {
  return c != 0 && static_cast<unsigned char>(c) <= ' ';
}

bool needsQuotes(std::string_view item) {
  if (item.empty()) return true;
  for (char c : item)
    if (static_cast<unsigned char>(c) <= ' ' || c == '"' || c == ',') return true;
  return false;
}

}  // namespace

std::string CommaText(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (i > 0) text += ',';
    if (!needsQuotes(items[i])) {
      text += items[i];
      continue;
    }
    text += '"';
    for (char c : items[i]) {
      if (c == '"') text += '"';
      text += c;
    }
    text += '"';
  }
  return text;
}

bool ParseCommaText(std::string_view text, std::vector<std::string>& items) {
  std::vector<std::string> result;
  std::size_t p = 0;
  const auto skipBlanks = [&] {
    while (p < text.size() && isBlank(text[p])) ++p;
  };
  skipBlanks();
  while (p < text.size()) {
    std::string item;
    if (text[p] == '"') {
      ++p;
      for (;;) {
        if (p >= text.size()) return false;
        if (text[p] == '"') {
          if (p + 1 < text.size() && text[p + 1] == '"') {
            item += '"';
            p += 2;
            continue;
          }
          ++p;
          break;
        }
        item += text[p++];
      }
    } else {
      while (p < text.size() && !isBlank(text[p]) && text[p] != ',') item += text[p++];
    }
    result.push_back(std::move(item));
    skipBlanks();
    if (p < text.size() && text[p] == ',') {
      ++p;
      skipBlanks();
    }
  }
  items = std::move(result);
  return true;
}

}  // namespace kau::editor
