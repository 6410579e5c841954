// TImageList: a list of equally sized pictures that controls draw from, and
// that tells the components registered with it when it goes away. A picture
// added with a mask colour is drawn with that colour left out.
#pragma once

#include <optional>
#include <vector>

#include "editor/model/object.h"
#include "editor/options/free_notifiable.h"
#include "platform/draw/canvas.h"

namespace kau::editor {

class TImageList : public TObject {
 public:
  TImageList(int Width, int Height) : fWidth(Width), fHeight(Height) {}
  ~TImageList() override;
  TImageList(const TImageList&) = delete;
  TImageList& operator=(const TImageList&) = delete;

  int Width() const { return fWidth; }
  int Height() const { return fHeight; }
  int Count() const { return static_cast<int>(fImages.size()); }
  // Adds a picture of the list's size; returns its index.
  int Add(const TImage& Image);
  // Adds a picture whose pixels of MaskColor are transparent; returns its index.
  int AddMasked(const TImage& Image, TColor MaskColor);
  void Draw(platform::Canvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;

  // AComponent hears opRemove when this list is destroyed.
  void FreeNotification(TFreeNotifiable* AComponent);
  void RemoveFreeNotification(TFreeNotifiable* AComponent);
  // How many components listen (for tests).
  int ListenerCount() const { return fFreeNotifies.Count(); }

 private:
  int fWidth;
  int fHeight;
  struct Picture {
    TImage Image;
    std::optional<TColor> Mask;
  };
  std::vector<Picture> fImages;
  TFreeNotifiers fFreeNotifies;
};

}  // namespace kau::editor
