#include "editor/highlight/highlighter_registry.h"

#include <algorithm>

namespace kau::editor {

TSynCustomHighlighterClass TSynHighlighterList::GetItem(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return classes_[static_cast<std::size_t>(index)];
}

int TSynHighlighterList::FindByName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i)
    if (GetItem(i)->GetLanguageName() == name) return i;
  return -1;
}

int TSynHighlighterList::FindByClass(const TSynCustomHighlighter* highlighter) const {
  if (!highlighter) return -1;
  for (int i = 0; i < Count(); ++i)
    if (GetItem(i)->IsInstance(*highlighter)) return i;
  return -1;
}

void TSynHighlighterList::Add(TSynCustomHighlighterClass highlighterClass) {
  if (!highlighterClass) return;
  if (std::find(classes_.begin(), classes_.end(), highlighterClass) != classes_.end()) return;
  classes_.push_back(highlighterClass);
}

void RegisterPlaceableHighlighter(TSynCustomHighlighterClass highlighterClass) {
  GetPlaceableHighlighters().Add(highlighterClass);
}

TSynHighlighterList& GetPlaceableHighlighters() {
  // Made on first use, so that registrations from any file's start-up find it.
  static TSynHighlighterList list;
  return list;
}

}  // namespace kau::editor
