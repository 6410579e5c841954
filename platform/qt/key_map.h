// Qt's keys and modifiers as the Windows virtual-key numbers and the shift
// state that the editor's key tables use.
#pragma once

#include <QKeyEvent>
#include <cstdint>

#include "platform/shift_state.h"

namespace kau::platform {

// 0 for a key that has no virtual-key number here.
std::uint16_t VirtualKeyOf(int qtKey);
// The virtual key of a key event: keypad keys as the keypad's, a key of the
// digit row as its digit whatever Shift made of it (from the X key code
// where the event has one, else by the US keyboard's shifted digits), the
// punctuation keys as VK_OEM_*; 0 for AltGr, dead keys and unknown keys.
std::uint16_t VirtualKeyOf(const QKeyEvent& event);
// The Qt key of a virtual-key number (Qt::Key_unknown when none).
int QtKeyOf(std::uint16_t virtualKey);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers);
TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace kau::platform
