// What the editor draws with: a surface of pixels with a current font, text
// and background colour, pen and clip, as a device context offers them.
#pragma once

#include <optional>
#include <string_view>

#include "platform/draw/colors.h"
#include "platform/draw/font_services.h"
#include "platform/draw/geometry.h"
#include "platform/draw/image.h"

namespace kau::platform {

// Options of ExtTextOut.
inline constexpr unsigned ETO_OPAQUE = 2;   // fill the rectangle with the background first
inline constexpr unsigned ETO_CLIPPED = 4;  // keep the text inside the rectangle

enum TPenStyle : std::uint8_t {
  psSolid,
  psAlternate,  // every other pixel
};

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The font for text output; none means the surface's default font.
  virtual void SelectFont(const PlatformFont* font) = 0;
  virtual void SetTextColor(TColor color) = 0;
  virtual void SetBkColor(TColor color) = 0;
  // Extra pixels after every character of TextOut.
  virtual void SetCharExtra(int extra) = 0;

  virtual void FillRect(const TRect& rect, TColor color) = 0;
  // Text in code page 1252 at (x, y) (the top of the character cell). With
  // `advances`, character i is followed by advances[i] pixels; otherwise each
  // advances by its own width plus the extra spacing.
  virtual void ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                          const int* advances) = 0;
  void TextOut(int x, int y, std::string_view text) { ExtTextOut(x, y, 0, nullptr, text, nullptr); }
  virtual TSize TextExtent(std::string_view text) = 0;

  virtual void SetPen(TColor color, int width, TPenStyle style) = 0;
  // A line from `from` up to but not including `to`.
  virtual void Line(TPixelPoint from, TPixelPoint to) = 0;
  virtual void SetPixel(int x, int y, TColor color) = 0;
  // Copies `source` of the image onto `dest` (same size); pixels of the
  // transparent colour, when one is given, are left out.
  virtual void DrawImage(const TImage& image, const TRect& source, const TRect& dest,
                         std::optional<TColor> transparent) = 0;

  // Clip: later output stays inside the intersection with `rect`.
  virtual void IntersectClipRect(const TRect& rect) = 0;
  virtual TRect ClipBox() const = 0;
  // Saves font, colours, pen, extra spacing and clip; returns the state's id.
  virtual int SaveState() = 0;
  // Restores the state of that id and drops the ones saved after it.
  virtual void RestoreState(int id) = 0;
};

}  // namespace kau::platform
