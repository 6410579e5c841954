#include "editor/highlight/highlighter_attributes.h"

#include <utility>

namespace kau::editor {

TSynHighlighterAttributes::TSynHighlighterAttributes(std::string name) : name_(std::move(name)) {}

bool TSynHighlighterAttributes::Assign(const TPersistent& source) {
  const auto* other = dynamic_cast<const TSynHighlighterAttributes*>(&source);
  if (!other) return TPersistent::Assign(source);
  name_ = other->name_;
  AssignColorAndStyle(*other);
  return true;
}

void TSynHighlighterAttributes::AssignColorAndStyle(const TSynHighlighterAttributes& source) {
  bool changed = false;
  if (background_ != source.background_) {
    background_ = source.background_;
    changed = true;
  }
  if (foreground_ != source.foreground_) {
    foreground_ = source.foreground_;
    changed = true;
  }
  if (style_ != source.style_) {
    style_ = source.style_;
    changed = true;
  }
  if (changed) Changed();
}

void TSynHighlighterAttributes::Changed() {
  if (OnChange) OnChange(this);
}

void TSynHighlighterAttributes::InternalSaveDefaultValues() {
  backgroundDefault_ = background_;
  foregroundDefault_ = foreground_;
  styleDefault_ = style_;
}

void TSynHighlighterAttributes::SetBackground(TColor value) {
  if (background_ == value) return;
  background_ = value;
  Changed();
}

void TSynHighlighterAttributes::SetForeground(TColor value) {
  if (foreground_ == value) return;
  foreground_ = value;
  Changed();
}

void TSynHighlighterAttributes::SetStyle(TFontStyles value) {
  if (style_ == value) return;
  style_ = value;
  Changed();
}

void TSynHighlighterAttributes::SetStyleFromInt(int value) {
  SetStyle(value & fsBold ? fsBold : 0);
  if (value & fsItalic) SetStyle(style_ | fsItalic);
  if (value & fsUnderline) SetStyle(style_ | fsUnderline);
  if (value & fsStrikeOut) SetStyle(style_ | fsStrikeOut);
}

}  // namespace kau::editor
