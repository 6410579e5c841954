// The modifier keys and mouse buttons held during a key or mouse event, and
// the mouse button of a click, as the editor's handlers receive them.
#pragma once

#include <cstdint>

namespace kau {

// A set of one byte: bit 0 Shift, bit 1 Alt, bit 2 Ctrl, then the buttons.
class TShiftState {
 public:
  constexpr TShiftState() = default;
  static constexpr TShiftState FromBits(std::uint8_t bits) {
    TShiftState s;
    s.bits_ = bits;
    return s;
  }
  constexpr std::uint8_t Bits() const { return bits_; }
  constexpr bool Contains(TShiftState other) const { return (bits_ & other.bits_) == other.bits_; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TShiftState operator|(TShiftState other) const { return FromBits(bits_ | other.bits_); }
  constexpr TShiftState operator-(TShiftState other) const {
    return FromBits(static_cast<std::uint8_t>(bits_ & ~other.bits_));
  }
  friend constexpr bool operator==(TShiftState, TShiftState) = default;

 private:
  std::uint8_t bits_ = 0;
};

inline constexpr TShiftState ssShift = TShiftState::FromBits(1);
inline constexpr TShiftState ssAlt = TShiftState::FromBits(2);
inline constexpr TShiftState ssCtrl = TShiftState::FromBits(4);
inline constexpr TShiftState ssLeft = TShiftState::FromBits(8);
inline constexpr TShiftState ssRight = TShiftState::FromBits(16);
inline constexpr TShiftState ssMiddle = TShiftState::FromBits(32);
inline constexpr TShiftState ssDouble = TShiftState::FromBits(64);

enum TMouseButton : std::uint8_t { mbLeft, mbRight, mbMiddle };

}  // namespace kau
