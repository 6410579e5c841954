#include "editor/options/bookmark_opt.h"

namespace kau::editor {

void TSynBookMarkOpt::Changed() {
  if (OnChange) OnChange(this);
}

template <typename T>
void TSynBookMarkOpt::Store(T& field, T Value) {
  if (field == Value) return;
  field = Value;
  Changed();
}

void TSynBookMarkOpt::SetBookmarkImages(TImageList* Value) {
  if (fBookmarkImages == Value) return;
  fBookmarkImages = Value;
  if (Value) Value->FreeNotification(fOwner);
  Changed();
}

void TSynBookMarkOpt::SetDrawBookmarksFirst(bool Value) { Store(fDrawBookmarksFirst, Value); }
void TSynBookMarkOpt::SetGlyphsVisible(bool Value) { Store(fGlyphsVisible, Value); }
void TSynBookMarkOpt::SetLeftMargin(int Value) { Store(fLeftMargin, Value); }
void TSynBookMarkOpt::SetXoffset(int Value) { Store(fXoffset, Value); }

bool TSynBookMarkOpt::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TSynBookMarkOpt*>(&Source);
  if (!src) return false;
  fBookmarkImages = src->fBookmarkImages;
  // The owner must hear of this list's end too, or it would keep a stale one.
  if (fBookmarkImages) fBookmarkImages->FreeNotification(fOwner);
  fDrawBookmarksFirst = src->fDrawBookmarksFirst;
  fEnableKeys = src->fEnableKeys;
  fGlyphsVisible = src->fGlyphsVisible;
  fLeftMargin = src->fLeftMargin;
  fXoffset = src->fXoffset;
  Changed();
  return true;
}

}  // namespace kau::editor
