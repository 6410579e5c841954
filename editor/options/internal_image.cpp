#include "editor/options/internal_image.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <vector>

#include "editor/options/bookmark_glyphs.h"

namespace kau::editor {

namespace {

struct TInternalResource {
  int UsageCount;
  std::string Name;  // upper-cased
  std::unique_ptr<TImage> Bitmap;
};

// The module-wide list, made on first use and dropped with its last entry.
std::unique_ptr<std::vector<TInternalResource>> InternalResources;

std::string UpperCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

const TImage* CreateBitmapFromInternalList(const std::string& Name) {
  if (!InternalResources) InternalResources = std::make_unique<std::vector<TInternalResource>>();
  const std::string key = UpperCase(Name);
  for (TInternalResource& r : *InternalResources)
    if (r.Name == key) {
      ++r.UsageCount;
      return r.Bitmap.get();
    }
  std::optional<TImage> loaded = LoadBitmapResource(Name);
  if (!loaded) {
    if (InternalResources->empty()) InternalResources.reset();
    throw EResNotFound("Resource " + Name + " not found");
  }
  InternalResources->push_back({1, key, std::make_unique<TImage>(std::move(*loaded))});
  return InternalResources->back().Bitmap.get();
}

void FreeBitmapFromInternalList(const TImage* Bitmap) {
  if (!InternalResources) return;
  auto& list = *InternalResources;
  const auto it = std::find_if(list.begin(), list.end(), [&](const auto& r) { return r.Bitmap.get() == Bitmap; });
  if (it != list.end() && --it->UsageCount == 0) list.erase(it);
  if (list.empty()) InternalResources.reset();
}

}  // namespace

TSynInternalImage::TSynInternalImage(const std::string& Name, int Count)
    : fImages(CreateBitmapFromInternalList(Name)),
      fWidth(Count > 0 ? (fImages->Width() + Count / 2) / Count : 0),
      fHeight(fImages->Height()),
      fCount(Count) {}

TSynInternalImage::~TSynInternalImage() { FreeBitmapFromInternalList(fImages); }

bool TSynInternalImage::Rects(int Number, int X, int Y, int LineHeight, TRect& source, TRect& dest) const {
  if (Number < 0 || Number >= fCount) return false;
  if (LineHeight < fHeight) {
    const int top = (fHeight - LineHeight) / 2;
    source = {Number * fWidth, top, (Number + 1) * fWidth, top + LineHeight};
    dest = {X, Y, X + fWidth, Y + LineHeight};
  } else {
    const int down = (LineHeight - fHeight) / 2;
    source = {Number * fWidth, 0, (Number + 1) * fWidth, fHeight};
    dest = {X, Y + down, X + fWidth, Y + down + fHeight};
  }
  return true;
}

void TSynInternalImage::DrawMark(platform::Canvas& ACanvas, int Number, int X, int Y, int LineHeight) const {
  TRect source, dest;
  if (Rects(Number, X, Y, LineHeight, source, dest)) ACanvas.DrawImage(*fImages, source, dest, std::nullopt);
}

void TSynInternalImage::DrawMarkTransparent(platform::Canvas& ACanvas, int Number, int X, int Y, int LineHeight,
                                            TColor TransparentColor) const {
  TRect source, dest;
  if (Rects(Number, X, Y, LineHeight, source, dest)) ACanvas.DrawImage(*fImages, source, dest, TransparentColor);
}

int TSynInternalImage::SharedBitmapCount() {
  return InternalResources ? static_cast<int>(InternalResources->size()) : 0;
}

int TSynInternalImage::SharedBitmapUsage(const std::string& Name) {
  if (!InternalResources) return 0;
  for (const auto& r : *InternalResources)
    if (r.Name == UpperCase(Name)) return r.UsageCount;
  return 0;
}

}  // namespace kau::editor
