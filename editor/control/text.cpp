// Reading the text: lines, the whole text, and the indentation routines that
// the editing commands share.
#include <algorithm>
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/text_pieces.h"

namespace kau::editor {

std::string TrimTrailing(const std::string& S) {
  const auto last = S.find_last_not_of("\t ");
  return last == std::string::npos ? std::string() : S.substr(0, last + 1);
}

std::string TCustomSynEdit::LineText(int Line) const {
  if (Line < 1 || Line > fLines->GetCount()) return {};
  return fLines->Get(Line - 1);
}

void AppendLines(std::string& Out, const TSynEditStringList& Lines, int First, int Last, std::size_t Reserve) {
  std::size_t size = Out.size() + Reserve;
  for (int i = First; i <= Last; ++i) size += static_cast<std::size_t>(Lines.LineLength(i)) + 2;
  Out.reserve(size);
  for (int i = First; i <= Last; ++i) {
    Out += Lines.LineView(i);
    if (i < Lines.GetCount() - 1) Out += "\r\n";
  }
}

std::string TCustomSynEdit::SynGetText() const {
  std::string text;
  AppendLines(text, *fLines, 0, fLines->GetCount() - 1);
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
