#include "platform/fake/fake_canvas.h"

#include "platform/draw/fixed_cell_fonts.h"

namespace kau::platform {

FakeCanvas::FakeCanvas(TRect bounds) { state_.clip = bounds; }

void FakeCanvas::SelectFont(const PlatformFont* font) { state_.font = font; }

FakeDrawing FakeCanvas::Start(FakeDrawing::Kind kind) const {
  FakeDrawing d{kind, {}, {}, {}, {}, {}, 0, clNone, clNone, {}, psSolid, {}, state_.clip};
  if (state_.font) d.font = state_.font->Desc();
  return d;
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
  d.color = state_.text;
  d.background = state_.back;
  const int own = FixedCellFonts::AdvanceOf(d.font) + state_.extra;
  for (std::size_t i = 0; i < text.size(); ++i) d.advances.push_back(advances ? advances[i] : own);
  drawings_.push_back(d);
}

TSize FakeCanvas::TextExtent(std::string_view text) {
  const TFontDesc desc = state_.font ? state_.font->Desc() : TFontDesc{};
  return {static_cast<std::int32_t>(text.size()) * (FixedCellFonts::AdvanceOf(desc) + state_.extra),
          FixedCellFonts::kCellHeight};
}

void FakeCanvas::SetPen(TColor color, int, TPenStyle style) {
  state_.penColor = color;
  state_.penStyle = style;
}

void FakeCanvas::Line(TPixelPoint from, TPixelPoint to) {
  FakeDrawing d = Start(FakeDrawing::Line);
  d.from = from;
  d.to = to;
  d.color = state_.penColor;
  d.pen = state_.penStyle;
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

int FakeCanvas::SaveState() {
  saved_.push_back(state_);
  return static_cast<int>(saved_.size());
}

void FakeCanvas::RestoreState(int id) {
  if (id < 1 || id > static_cast<int>(saved_.size())) return;
  state_ = saved_[static_cast<std::size_t>(id - 1)];
  saved_.resize(static_cast<std::size_t>(id - 1));
}

}  // namespace kau::platform
