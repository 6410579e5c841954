// TSynInternalImage: a strip of equally wide pictures from a built-in bitmap.
// Images made from the same bitmap share one copy of it, counted.
#pragma once

#include <stdexcept>
#include <string>

#include "platform/draw/canvas.h"

namespace kau::editor {

class EResNotFound : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TSynInternalImage {
 public:
  // Raises EResNotFound for an unknown name.
  TSynInternalImage(const std::string& Name, int Count);
  ~TSynInternalImage();
  TSynInternalImage(const TSynInternalImage&) = delete;
  TSynInternalImage& operator=(const TSynInternalImage&) = delete;

  // Draws picture Number (ignored outside 0..Count-1) at X, centred in a row
  // of LineHeight from Y; a row lower than the picture shows its middle band.
  void DrawMark(platform::Canvas& ACanvas, int Number, int X, int Y, int LineHeight) const;
  void DrawMarkTransparent(platform::Canvas& ACanvas, int Number, int X, int Y, int LineHeight,
                           TColor TransparentColor) const;

  int Width() const { return fWidth; }
  int Height() const { return fHeight; }
  int Count() const { return fCount; }
  const TImage* Bitmap() const { return fImages; }

  // Shared bitmaps alive now (for tests).
  static int SharedBitmapCount();
  static int SharedBitmapUsage(const std::string& Name);

 private:
  bool Rects(int Number, int X, int Y, int LineHeight, TRect& source, TRect& dest) const;

  const TImage* fImages;
  int fWidth;
  int fHeight;
  int fCount;
};

}  // namespace kau::editor
