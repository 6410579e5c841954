// Scans one line with a highlighter for the fuzz targets, trapping unless
// the tokens are contiguous, not empty and inside the line; `check` sees
// each token too.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editor/highlight/custom_highlighter.h"

namespace kau::fuzz {

struct Token {
  int kind, pos;
  std::size_t length;
  bool operator==(const Token&) const = default;
};

template <class Check>
std::vector<Token> scanLine(editor::TSynCustomHighlighter& h, std::string_view line, editor::SynRange range,
                            editor::SynRange& end, Check check) {
  h.SetRange(range);
  h.SetLine(line, 0);
  std::vector<Token> tokens;
  std::size_t expectedPos = 0;
  while (!h.GetEol()) {
    const std::string token = h.GetToken();
    const auto pos = static_cast<std::size_t>(h.GetTokenPos());
    if (pos != expectedPos || token.empty() || pos + token.size() > line.size()) __builtin_trap();
    check(token);
    expectedPos = pos + token.size();
    tokens.push_back({h.GetTokenKind(), h.GetTokenPos(), token.size()});
    h.Next();
  }
  end = h.GetRange();
  return tokens;
}

// Each line of `text` (split at LF) from the range the line before ended
// with, scanned twice: the same range and tokens both times.
template <class Check>
void scanLines(editor::TSynCustomHighlighter& h, std::string_view text, editor::SynRange range, Check check) {
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    editor::SynRange first = 0, second = 0;
    const std::vector<Token> tokens = scanLine(h, line, range, first, check);
    if (scanLine(h, line, range, second, check) != tokens || first != second) __builtin_trap();
    range = first;
    start = end + 1;
  }
}

}  // namespace kau::fuzz
