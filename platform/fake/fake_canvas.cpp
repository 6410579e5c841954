#include "platform/fake/fake_canvas.h"

#include "platform/draw/fixed_cell_fonts.h"

namespace kau::platform {

FakeDrawing FakeCanvas::Start(FakeDrawing::Kind kind) const {
  FakeDrawing d{kind, {}, {}, {}, {}, {}, 0, clNone, clNone, {}, psSolid, {}, Current().clip};
  if (Current().font) d.font = Current().font->Desc();
  return d;
}

int FakeCanvas::Advance() const {
  const TFontDesc desc = Current().font ? Current().font->Desc() : TFontDesc{};
  return FixedCellFonts::AdvanceOf(desc) + Current().extra;
}

void FakeCanvas::FillRect(const TRect& rect, TColor color) {
  FakeDrawing d = Start(FakeDrawing::FillRect);
  d.rect = rect;
  d.color = color;
  drawings_.push_back(d);
}

void FakeCanvas::ExtTextOut(int x, int y, unsigned options, const TRect* rect, std::string_view text,
                            const int* advances) {
  FakeDrawing d = Start(FakeDrawing::Text);
  d.from = {x, y};
  if (rect) d.rect = *rect;
  d.text = std::string(text);
  d.options = options;
  d.color = Current().text;
  d.background = Current().back;
  d.advancesGiven = advances != nullptr;
  d.extra = Current().extra;
  for (std::size_t i = 0; i < text.size(); ++i) d.advances.push_back(advances ? advances[i] : Advance());
  drawings_.push_back(d);
}

TSize FakeCanvas::TextExtent(std::string_view text) {
  return {static_cast<std::int32_t>(text.size()) * Advance(), FixedCellFonts::kCellHeight};
}

void FakeCanvas::Line(TPixelPoint from, TPixelPoint to) {
  FakeDrawing d = Start(FakeDrawing::Line);
  d.from = from;
  d.to = to;
  d.color = Current().penColor;
  d.pen = Current().penStyle;
  drawings_.push_back(d);
}

void FakeCanvas::SetPixel(int x, int y, TColor color) {
  FakeDrawing d = Start(FakeDrawing::Pixel);
  d.from = {x, y};
  d.color = color;
  drawings_.push_back(d);
}

void FakeCanvas::DrawImage(const TImage&, const TRect& source, const TRect& dest, std::optional<TColor> transparent) {
  FakeDrawing d = Start(FakeDrawing::Image);
  d.source = source;
  d.rect = dest;
  d.color = transparent.value_or(clNone);
  drawings_.push_back(d);
}

}  // namespace kau::platform
