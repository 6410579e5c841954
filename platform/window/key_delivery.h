// One key event of the window system as a control receives it: KeyDown with
// the key's number, then KeyPress for each character the key types. Every
// key press reaches KeyDown, also one without a number (0: AltGr, dead keys),
// so that the control can forget what an earlier key left pending. Keys with
// Alt alone type nothing (they are menu keys; AltGr reports no Alt), and
// Delete types nothing.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/shift_state.h"
#include "platform/virtual_keys.h"
#include "platform/window/window_client.h"

namespace kau::platform {

// `text` is the event's characters in code page 1252.
template <class KeyDownFn, class KeyPressFn>
void DeliverKeyEvent(std::uint16_t key, TShiftState shift, std::string_view text, KeyDownFn&& keyDown,
                     KeyPressFn&& keyPress) {
  const bool deleteKey = key == VK_DELETE;
  keyDown(key, shift);
  if ((shift.Contains(ssAlt) && !shift.Contains(ssCtrl)) || deleteKey) return;
  for (char c : text) keyPress(c);
}

inline void DeliverKeyEvent(WindowClient& client, std::uint16_t key, TShiftState shift, std::string_view text) {
  DeliverKeyEvent(
      key, shift, text, [&](std::uint16_t k, TShiftState s) { client.KeyDown(k, s); },
      [&](char c) { client.KeyPress(c); });
}

}  // namespace kau::platform
