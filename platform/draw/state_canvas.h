// The part of a canvas that only keeps settings: font, colours, extra
// spacing, pen and clip, saved and restored by id. Back ends derive from it
// and draw with the current state.
#pragma once

#include <vector>

#include "platform/draw/canvas.h"

namespace kau::platform {

class StateCanvas : public Canvas {
 public:
  explicit StateCanvas(TRect bounds) { state_.clip = bounds; }

  void SelectFont(const PlatformFont* font) override { state_.font = font; }
  void SetTextColor(TColor color) override { state_.text = color; }
  void SetBkColor(TColor color) override { state_.back = color; }
  void SetCharExtra(int extra) override { state_.extra = extra; }
  void SetPen(TColor color, int width, TPenStyle style) override;
  void IntersectClipRect(const TRect& rect) override;
  TRect ClipBox() const override { return state_.clip; }
  int SaveState() override;
  void RestoreState(int id) override;

  const PlatformFont* SelectedFont() const { return state_.font; }
  TColor TextColor() const { return state_.text; }
  TColor BkColor() const { return state_.back; }
  int CharExtra() const { return state_.extra; }
  int SavedStates() const { return static_cast<int>(saved_.size()); }

 protected:
  struct State {
    const PlatformFont* font = nullptr;  // none: the default font
    TColor text = clBlack;
    TColor back = clWhite;
    int extra = 0;
    TColor penColor = clBlack;
    int penWidth = 1;
    TPenStyle penStyle = psSolid;
    TRect clip;
  };
  const State& Current() const { return state_; }
  // Called when the clip or the font may have changed (intersected, restored).
  virtual void StateRestored() {}

 private:
  State state_;
  std::vector<State> saved_;
};

}  // namespace kau::platform
