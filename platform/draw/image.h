// A picture held in memory as 0xBBGGRR pixels, row by row: the bitmaps that
// the editor copies onto a canvas (the bookmark glyphs).
#pragma once

#include <cstdint>
#include <vector>

namespace kau {

class TImage {
 public:
  TImage() = default;
  TImage(int width, int height, std::uint32_t fill = 0)
      : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool Empty() const { return pixels_.empty(); }
  // Pixels outside the picture read as 0 and are not written.
  std::uint32_t Pixel(int x, int y) const {
    return Inside(x, y) ? pixels_[static_cast<std::size_t>(y) * width_ + x] : 0;
  }
  void SetPixel(int x, int y, std::uint32_t rgb) {
    if (Inside(x, y)) pixels_[static_cast<std::size_t>(y) * width_ + x] = rgb;
  }
  friend bool operator==(const TImage&, const TImage&) = default;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace kau
