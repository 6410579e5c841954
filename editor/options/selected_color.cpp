#include "editor/options/selected_color.h"

namespace kau::editor {

void TSynSelectedColor::Changed() {
  if (OnChange) OnChange(this);
}

void TSynSelectedColor::SetBackground(TColor Value) {
  if (fBG == Value) return;
  fBG = Value;
  Changed();
}

void TSynSelectedColor::SetForeground(TColor Value) {
  if (fFG == Value) return;
  fFG = Value;
  Changed();
}

bool TSynSelectedColor::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSynSelectedColor*>(&Source);
  if (!src) return false;
  fBG = src->fBG;
  fFG = src->fFG;
  Changed();
  return true;
}

}  // namespace kau::editor
