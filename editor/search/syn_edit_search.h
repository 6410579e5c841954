// TSynEditSearch: the plain-text search engine. Letter case is folded through
// the code page 1252 tables unless ssoMatchCase is set; with ssoWholeWord a
// match must not touch a word character (the 125 default identifier
// characters) on either side. Matches never overlap.
#pragma once

#include <string>
#include <vector>

#include "editor/search/syn_edit_search_custom.h"

namespace kau::editor {

class TSynEditSearch : public TSynEditSearchCustom {
 public:
  std::string GetPattern() const override { return fPattern; }
  void SetPattern(const std::string& Value) override;
  // 0 for an index outside the matches.
  int GetLength(int Index) const override;
  int GetResult(int Index) const override;
  int GetResultCount() const override { return static_cast<int>(fResults.size()); }
  void SetOptions(TSynSearchOptions Value) override;
  int FindAll(const std::string& NewText) override;
  // The replacement as it is: a plain text has nothing to substitute.
  std::string Replace(const std::string& aOccurrence, const std::string& aReplacement) override;

 private:
  std::string fPattern;
  std::string fFoldedPattern;  // as compared: upper case unless the case must match
  TSynSearchOptions fOptions = 0;
  std::vector<int> fResults;  // 1-based columns
  void FoldPattern();
};

}  // namespace kau::editor
