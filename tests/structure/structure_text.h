// Helpers for the structure tests: a line store holding a text, and the
// matches of a text through a fresh cache and the Pascal highlighter.
#pragma once

#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/structure_cache.h"
#include "editor/model/syn_edit_string_list.h"

namespace kau::editor::testing {

inline void setLines(TSynEditStringList& store, const std::vector<std::string>& lines) {
  store.Clear();
  for (const auto& line : lines) store.Add(line);
}

inline std::vector<StructureMatch> matchText(const std::vector<std::string>& lines,
                                             const std::vector<std::string>& pairs = DefaultStrutureTokens()) {
  TSynEditStringList store;
  setLines(store, lines);
  TSynPasSyn highlighter;
  StructureCache cache;
  cache.SetPairs(pairs);
  cache.Reset(store.GetCount());
  cache.Update(store, highlighter);
  return cache.Matches();
}

}  // namespace kau::editor::testing
