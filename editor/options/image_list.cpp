#include "editor/options/image_list.h"

#include <algorithm>

namespace kau::editor {

TImageList::~TImageList() {
  fFreeNotifies.NotifyRemoval(this);
}

int TImageList::Add(const TImage& Image) {
  fImages.push_back({Image, std::nullopt});
  return Count() - 1;
}

int TImageList::AddMasked(const TImage& Image, TColor MaskColor) {
  fImages.push_back({Image, MaskColor});
  return Count() - 1;
}

void TImageList::Draw(platform::Canvas& Canvas, int X, int Y, int Index, bool) const {
  if (Index < 0 || Index >= Count()) return;
  const Picture& picture = fImages[static_cast<std::size_t>(Index)];
  const TImage& image = picture.Image;
  Canvas.DrawImage(image, {0, 0, image.Width(), image.Height()}, {X, Y, X + image.Width(), Y + image.Height()},
                   picture.Mask);
}

void TImageList::FreeNotification(TFreeNotifiable* AComponent) { fFreeNotifies.Add(AComponent); }

void TImageList::RemoveFreeNotification(TFreeNotifiable* AComponent) { fFreeNotifies.Remove(AComponent); }

}  // namespace kau::editor
