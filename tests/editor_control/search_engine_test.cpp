#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/search/syn_edit_search.h"

namespace kau::editor::testing {
namespace {

struct FindCase {
  const char* pattern;
  TSynSearchOptions options;
  const char* line;
  std::vector<int> columns;
};

TEST(SearchEngine, FindsEveryMatchLeftToRight) {
  const FindCase cases[] = {
      {"a", 0, "aaa", {1, 2, 3}},
      {"aa", 0, "aaaaa", {1, 3}},  // matches never overlap
      {"in", ssoWholeWord, "in begin in.", {1, 10}},
      {"in", 0, "in begin in.", {1, 7, 10}},
      {"A\xC7\xC3O", 0, "a\xE7\xE3o x A\xC7\xC3O", {1, 8}},  // case folded by the 1252 tables
      {"A\xC7\xC3O", ssoMatchCase, "a\xE7\xE3o x A\xC7\xC3O", {8}},
      {"x", ssoWholeWord, "x_x x\xE9 \xD7x\xF7", {9}},  // 215 and 247 are no word characters
      {"", 0, "abc", {}},
      {"abc", 0, "ab", {}},
      {";", 0, "a;b;c", {2, 4}},
  };
  for (const FindCase& c : cases) {
    TSynEditSearch engine;
    engine.SetOptions(c.options);
    engine.SetPattern(c.pattern);
    const int n = engine.FindAll(c.line);
    std::vector<int> columns;
    for (int i = 0; i < n; ++i) {
      columns.push_back(engine.GetResult(i));
      EXPECT_EQ(engine.GetLength(i), static_cast<int>(std::string(c.pattern).size()));
    }
    EXPECT_EQ(columns, c.columns) << c.pattern << " in " << c.line;
    EXPECT_EQ(engine.GetResultCount(), n);
    EXPECT_EQ(engine.GetResult(n), 0);
    EXPECT_EQ(engine.GetLength(-1), 0);
  }
  TSynEditSearch engine;
  EXPECT_EQ(engine.Replace("abc", "x\r\ny"), "x\r\ny");
}

}  // namespace
}  // namespace kau::editor::testing
