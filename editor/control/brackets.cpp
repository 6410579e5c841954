// Bracket matching: ( ) [ ] { } < >. The scan walks from the bracket towards
// its partner, counting nesting, and passes over brackets that the
// highlighter puts in a comment or a string. A line is tokenized at most once
// and only when it holds one of the two brackets.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

namespace {

constexpr char kBrackets[] = "()[]{}<>";

// Which columns of one line the highlighter puts in a comment or a string.
class QuotedColumns {
 public:
  QuotedColumns(const TCustomSynEdit& edit, TSynCustomHighlighter* highlighter, int line, const std::string& text) {
    if (!highlighter) return;
    TSynHighlighterAttributes* const comment = highlighter->GetDefaultAttribute(SYN_ATTR_COMMENT);
    TSynHighlighterAttributes* const string = highlighter->GetDefaultAttribute(SYN_ATTR_STRING);
    edit.ScanRangesThrough(line - 2);
    if (line == 1) highlighter->ResetRange();
    else highlighter->SetRange(edit.Lines().GetRange(line - 2));
    highlighter->SetLine(text, line - 1);
    quoted_.assign(text.size(), false);
    for (; !highlighter->GetEol(); highlighter->Next()) {
      TSynHighlighterAttributes* const attr = highlighter->GetTokenAttribute();
      if (!attr || (attr != comment && attr != string)) continue;
      const std::size_t start = static_cast<std::size_t>(std::max(highlighter->GetTokenPos(), 0));
      const std::size_t end = std::min(start + highlighter->GetToken().size(), text.size());
      for (std::size_t i = start; i < end; ++i) quoted_[i] = true;
    }
  }
  // Column is 1-based.
  bool Quoted(int column) const {
    return !quoted_.empty() && column >= 1 && static_cast<std::size_t>(column) <= quoted_.size() &&
           quoted_[static_cast<std::size_t>(column - 1)];
  }

 private:
  std::vector<bool> quoted_;
};

}  // namespace

TPoint TCustomSynEdit::GetMatchingBracketEx(const TPoint& APoint, bool AdjustForTabs) {
  if (APoint.Y < 1 || APoint.Y > LineCount()) return {0, 0};
  std::string text = LineText(APoint.Y);
  if (APoint.X < 1 || APoint.X > static_cast<int>(text.size())) return {0, 0};
  const char* const found = std::strchr(kBrackets, text[static_cast<std::size_t>(APoint.X - 1)]);
  if (!found || *found == '\0') return {0, 0};
  const int index = static_cast<int>(found - kBrackets);
  const char inc = kBrackets[index];
  const char dec = kBrackets[index ^ 1];
  const char pair[] = {inc, dec, '\0'};
  const bool forward = (index & 1) == 0;
  int level = 1;

  int line = APoint.Y;
  int x = APoint.X;  // the column the scan starts from, itself excluded
  for (;;) {
    const bool hasBracket = text.find_first_of(pair) != std::string::npos;
    if (hasBracket) {
      const QuotedColumns quoted(*this, fHighlighter, line, text);
      const int len = static_cast<int>(text.size());
      for (int c = forward ? x + 1 : x - 1; forward ? c <= len : c >= 1; c += forward ? 1 : -1) {
        const char ch = text[static_cast<std::size_t>(c - 1)];
        if ((ch != inc && ch != dec) || quoted.Quoted(c)) continue;
        level += ch == inc ? 1 : -1;
        if (level == 0) {
          TPoint match{c, line};
          // Each tab counts a whole tab width, wherever it stands.
          if (AdjustForTabs) {
            const auto tabs = std::count(text.begin(), text.begin() + c, '\t');
            match.X = ClampToInt(std::int64_t{c} + static_cast<std::int64_t>(tabs) * (fTabWidth - 1));
          }
          return match;
        }
      }
    }
    line += forward ? 1 : -1;
    if (line < 1 || line > LineCount()) return {0, 0};
    text = LineText(line);
    x = forward ? 0 : static_cast<int>(text.size()) + 1;
  }
}

TPoint TCustomSynEdit::GetMatchingBracket() { return GetMatchingBracketEx(CaretXY(), false); }

void TCustomSynEdit::FindMatchingBracket() {
  const TPoint match = GetMatchingBracket();
  if (match.X > 0 && match.Y > 0) InternalSetCaretXY(match);
}

}  // namespace kau::editor
