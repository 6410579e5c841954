#include "editor/highlight/custom_highlighter.h"

#include <algorithm>

#include "editor/highlight/highlighter_registry.h"
#include "editor/highlight/scan_chars.h"
#include "text/char_class.h"

namespace kau::editor {

namespace {

// The attribute list's order and uniqueness ignore letter case.
int compareNames(std::string_view a, std::string_view b) {
  return text::compareText1252(a, b);
}

}  // namespace

TSynIdentChars DefaultWordBreakChars() {
  TSynIdentChars chars;
  for (unsigned char c : std::string_view("!\"'()*+,-./:;=?[\\]^{|}")) chars.set(c);
  return chars;
}

TSynIdentChars DefaultIdentChars() {
  // Built once: the search asks for it on every line it looks at.
  static const TSynIdentChars chars = [] {
    TSynIdentChars set;
    for (int c = 0; c < 256; ++c)
      if (scan::isIdentChar(static_cast<unsigned char>(c)) || (c >= 192 && c != 215 && c != 247))
        set.set(static_cast<std::size_t>(c));
    return set;
  }();
  return chars;
}

TSynCustomHighlighter::TSynCustomHighlighter() : wordBreakChars_(DefaultWordBreakChars()) {}

TSynCustomHighlighter::~TSynCustomHighlighter() {
  // Editors and print objects still using this highlighter let go of it first.
  freeNotifiers_.NotifyRemoval(this);
  FreeHighlighterAttributes();
}

int TSynCustomHighlighter::GetAttribCount() const {
  return static_cast<int>(attributes_.size());
}

TSynHighlighterAttributes* TSynCustomHighlighter::GetAttribute(int index) const {
  if (index < 0 || index >= GetAttribCount()) return nullptr;
  return attributes_[static_cast<std::size_t>(index)].attribute.get();
}

TSynIdentChars TSynCustomHighlighter::GetIdentChars() const {
  TSynIdentChars chars;
  for (int c = 33; c <= 255; ++c) chars.set(static_cast<std::size_t>(c));
  return chars;
}

void TSynCustomHighlighter::NextToEol() {
  while (!GetEol()) Next();
}

void TSynCustomHighlighter::SetEnabled(bool value) {
  if (enabled_ == value) return;
  enabled_ = value;
  DefHighlightChange(nullptr);
}

bool TSynCustomHighlighter::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSynCustomHighlighter*>(&source);
  if (!other) return TPersistent::Assign(source);
  for (int i = 0; i < GetAttribCount(); ++i) {
    TSynHighlighterAttributes* own = GetAttribute(i);
    for (int j = 0; j < other->GetAttribCount(); ++j) {
      const TSynHighlighterAttributes* theirs = other->GetAttribute(j);
      if (theirs->Name() == own->Name()) own->Assign(*theirs);
    }
  }
  if (ClassType()->IsInstance(*other)) SetSampleSource(other->GetSampleSource());
  SetWordBreakChars(other->WordBreakChars());
  SetDefaultFilter(other->GetDefaultFilter());
  SetEnabled(other->Enabled());
  return true;
}

void TSynCustomHighlighter::EndUpdate() {
  if (updateCount_ <= 0) return;
  if (--updateCount_ == 0 && updatePending_) {
    updatePending_ = false;
    DefHighlightChange(nullptr);
  }
}

void TSynCustomHighlighter::DefHighlightChange(TObject* sender) {
  if (updateCount_ > 0) {
    updatePending_ = true;
    return;
  }
  if (loading_) return;
  attrChangeHooks_.SetSender(sender);
  attrChangeHooks_.Fire();
}

void TSynCustomHighlighter::Loaded() {
  loading_ = false;
  DefHighlightChange(nullptr);
}

TSynHighlighterAttributes* TSynCustomHighlighter::AddAttribute(
    std::unique_ptr<TSynHighlighterAttributes> attribute) {
  if (!attribute) return nullptr;
  const std::string& name = attribute->Name();
  auto at = std::lower_bound(attributes_.begin(), attributes_.end(), name,
                             [](const AttributeEntry& e, const std::string& n) { return compareNames(e.key, n) < 0; });
  if (at != attributes_.end() && compareNames(at->key, name) == 0) throw EStringListError(kDuplicateString);
  TSynHighlighterAttributes* added = attribute.get();
  attributes_.insert(at, AttributeEntry{name, std::move(attribute)});
  return added;
}

TSynHighlighterAttributes* TSynCustomHighlighter::AddNewAttribute(std::string name, TFontStyles style) {
  auto attribute = std::make_unique<TSynHighlighterAttributes>(std::move(name));
  attribute->SetStyle(style);
  return AddAttribute(std::move(attribute));
}

void TSynCustomHighlighter::SetAttributesOnChange(TNotifyEvent handler) {
  for (auto it = attributes_.rbegin(); it != attributes_.rend(); ++it) {
    it->attribute->OnChange = handler;
    it->attribute->InternalSaveDefaultValues();
  }
}

void TSynCustomHighlighter::FreeHighlighterAttributes() {
  while (!attributes_.empty()) attributes_.pop_back();
}

}  // namespace kau::editor
