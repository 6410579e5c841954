// Highlighter classes as values, and the program-wide list of the classes
// that can be placed in an editor.
#pragma once

#include <string>
#include <vector>

#include "editor/highlight/custom_highlighter.h"

namespace kau::editor {

struct TSynHighlighterClassInfo {
  std::string (*GetLanguageName)();
  TSynHighlighterCapabilities (*GetCapabilities)();
  // True when the highlighter is of this class or of a class derived from it.
  bool (*IsInstance)(const TSynCustomHighlighter& highlighter);
};

template <class Highlighter>
TSynCustomHighlighterClass HighlighterClass() {
  static const TSynHighlighterClassInfo info{
      &Highlighter::GetLanguageName,
      &Highlighter::GetCapabilities,
      [](const TSynCustomHighlighter& h) { return dynamic_cast<const Highlighter*>(&h) != nullptr; },
  };
  return &info;
}

class TSynHighlighterList {
 public:
  int Count() const { return static_cast<int>(classes_.size()); }
  TSynCustomHighlighterClass GetItem(int index) const;  // nullptr outside the list
  // Index of the first class whose language name is `name` (letter case
  // counts), or -1.
  int FindByName(const std::string& name) const;
  // Index of the first class of which `highlighter` is an instance, or -1.
  int FindByClass(const TSynCustomHighlighter* highlighter) const;
  // Adds the class unless it is already in the list.
  void Add(TSynCustomHighlighterClass highlighterClass);

 private:
  std::vector<TSynCustomHighlighterClass> classes_;
};

void RegisterPlaceableHighlighter(TSynCustomHighlighterClass highlighterClass);
TSynHighlighterList& GetPlaceableHighlighters();

}  // namespace kau::editor
