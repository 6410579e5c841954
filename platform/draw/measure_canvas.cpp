#include "platform/draw/measure_canvas.h"

namespace kau::platform {

TSize MeasureCanvas::TextExtent(std::string_view text) {
  const PlatformFont* font = Current().font;
  if (!font) {
    if (!defaultFont_) defaultFont_ = Fonts().CreateFont(TFontDesc{});
    font = defaultFont_.get();
  }
  TSize size = Fonts().TextExtent(*font, text);
  size.cx += static_cast<std::int32_t>(text.size()) * Current().extra;
  return size;
}

}  // namespace kau::platform
