// Scans lines with a highlighter the way the editor does and records tokens;
// records the senders of change notifications.
#pragma once

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "editor/highlight/custom_highlighter.h"

namespace kau::editor::testing {

struct Token {
  int kind;
  int pos;
  std::string text;
  bool operator==(const Token&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Token& t) {
  return out << "{" << t.kind << ", " << t.pos << ", \"" << t.text << "\"}";
}

struct ScannedLine {
  std::vector<Token> tokens;
  SynRange range;
  bool operator==(const ScannedLine&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const ScannedLine& s) {
  out << "range " << s.range << ":";
  for (const Token& t : s.tokens) out << " " << t;
  return out;
}

// One line, starting from `range` (or from the first line's state when
// `firstLine`).
inline ScannedLine scanLine(TSynCustomHighlighter& h, const std::string& text, SynRange range,
                            bool firstLine = false, int lineIndex = 0) {
  if (firstLine) h.ResetRange();
  else h.SetRange(range);
  h.SetLine(text, lineIndex);
  ScannedLine result;
  while (!h.GetEol()) {
    result.tokens.push_back({h.GetTokenKind(), h.GetTokenPos(), h.GetToken()});
    h.Next();
  }
  result.range = h.GetRange();
  return result;
}

// Several lines, each starting from the range the line before ended with.
inline std::vector<ScannedLine> scanLines(TSynCustomHighlighter& h, const std::vector<std::string>& lines) {
  std::vector<ScannedLine> result;
  for (std::size_t i = 0; i < lines.size(); ++i)
    result.push_back(scanLine(h, lines[i], i == 0 ? 0 : result.back().range, i == 0, static_cast<int>(i)));
  return result;
}

// Scans `lines` and expects each line's tokens and end state.
inline void expectLines(TSynCustomHighlighter& h, const std::vector<std::string>& lines,
                        const std::vector<ScannedLine>& expected) {
  const std::vector<ScannedLine> got = scanLines(h, lines);
  ASSERT_EQ(got.size(), expected.size());
  for (std::size_t i = 0; i < got.size(); ++i) EXPECT_EQ(got[i], expected[i]) << "line " << i;
}

struct ChangeRecorder {
  std::vector<TObject*> senders;
  void Changed(TObject* sender) { senders.push_back(sender); }
  TNotifyEvent Handler() { return TNotifyEvent::bind<&ChangeRecorder::Changed>(this); }
};

}  // namespace kau::editor::testing
