// Reading the text: lines, the whole text, and the indentation routines that
// the editing commands share.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"

namespace kau::editor {

std::string TrimTrailing(const std::string& S) {
  const auto last = S.find_last_not_of("\t ");
  return last == std::string::npos ? std::string() : S.substr(0, last + 1);
}

std::string TCustomSynEdit::LineText(int Line) const {
  if (Line < 1 || Line > fLines->GetCount()) return {};
  return fLines->Get(Line - 1);
}

std::string TCustomSynEdit::SynGetText() const {
  std::string text;
  const int count = fLines->GetCount();
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += "\r\n";
    text += fLines->Get(i);
  }
  return text;
}

std::string TCustomSynEdit::GetLineText() const { return LineText(fCaretY); }

int TCustomSynEdit::LeftSpacesEx(const std::string& Line, bool WantTabs) const {
  if (Line.empty() || !(fOptions & eoAutoIndent)) return 0;
  std::int64_t count = 0;
  for (unsigned char c : Line) {
    if (c < 1 || c > 32) break;
    count += (c == '\t' && WantTabs) ? fTabWidth : 1;
  }
  return ClampToInt(count);
}

std::string TCustomSynEdit::GetLeftSpacing(int CharCount, bool WantTabs) const {
  if (CharCount <= 0) return {};
  if (WantTabs && !(fOptions & eoTabsToSpaces) && CharCount >= fTabWidth)
    return std::string(static_cast<std::size_t>(CharCount / fTabWidth), '\t') +
           std::string(static_cast<std::size_t>(CharCount % fTabWidth), ' ');
  return std::string(static_cast<std::size_t>(CharCount), ' ');
}

}  // namespace kau::editor
