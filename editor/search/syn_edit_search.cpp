// The plain-text search engine.
#include "editor/search/syn_edit_search.h"

#include <cstddef>

#include "editor/highlight/custom_highlighter.h"
#include "text/char_class.h"

namespace kau::editor {

namespace {

std::string Folded(const std::string& S) {
  std::string folded(S.size(), '\0');
  for (std::size_t i = 0; i < S.size(); ++i)
    folded[i] = static_cast<char>(text::toUpper1252(static_cast<unsigned char>(S[i])));
  return folded;
}

}  // namespace

void TSynEditSearch::SetPattern(const std::string& Value) {
  fPattern = Value;
  FoldPattern();
}

void TSynEditSearch::SetOptions(TSynSearchOptions Value) {
  fOptions = Value;
  FoldPattern();
}

void TSynEditSearch::FoldPattern() { fFoldedPattern = (fOptions & ssoMatchCase) ? fPattern : Folded(fPattern); }

int TSynEditSearch::GetLength(int Index) const {
  return Index >= 0 && Index < GetResultCount() ? static_cast<int>(fPattern.size()) : 0;
}

int TSynEditSearch::GetResult(int Index) const {
  return Index >= 0 && Index < GetResultCount() ? fResults[static_cast<std::size_t>(Index)] : 0;
}

int TSynEditSearch::FindAll(const std::string& NewText) {
  fResults.clear();
  if (fFoldedPattern.empty()) return 0;
  const std::string folded = (fOptions & ssoMatchCase) ? std::string() : Folded(NewText);
  const std::string& line = (fOptions & ssoMatchCase) ? NewText : folded;
  const TSynIdentChars word = DefaultIdentChars();
  const auto isWord = [&](std::size_t i) { return word.test(static_cast<unsigned char>(line[i])); };
  const std::size_t len = fFoldedPattern.size();
  std::size_t at = line.find(fFoldedPattern);
  while (at != std::string::npos) {
    const bool whole = !(fOptions & ssoWholeWord) ||
                       ((at == 0 || !isWord(at - 1)) && (at + len == line.size() || !isWord(at + len)));
    if (whole) {
      fResults.push_back(static_cast<int>(at + 1));
      at = line.find(fFoldedPattern, at + len);
    } else {
      at = line.find(fFoldedPattern, at + 1);
    }
  }
  return GetResultCount();
}

std::string TSynEditSearch::Replace(const std::string&, const std::string& aReplacement) { return aReplacement; }

}  // namespace kau::editor
