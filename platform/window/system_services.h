// Process-wide services of the window system: the clipboard, the keyboard's
// state, and the metrics that the control's mouse and scrolling use.
#pragma once

#include <cstdint>

#include "platform/draw/geometry.h"
#include "platform/shift_state.h"
#include "platform/window/clipboard.h"

namespace kau::platform {

class WindowHost;

class SystemServices {
 public:
  virtual ~SystemServices() = default;

  virtual Clipboard& TheClipboard() = 0;
  // Whether a key (virtual-key number) is held now.
  virtual bool KeyPressed(std::uint16_t key) = 0;
  // How far the pointer moves with a button held before a drag begins.
  virtual TSize DragDistance() = 0;
  // Lines scrolled per wheel notch.
  virtual int WheelScrollLines() = 0;
  // Height of the arrow of a vertical scroll bar.
  virtual int VerticalArrowHeight() = 0;
  // The usable part (without panels and task bars) of the screen that holds
  // a screen point.
  virtual TRect WorkAreaAt(TPixelPoint screenPoint) = 0;
  // Whether a window of this program is the active one.
  virtual bool ApplicationActive() = 0;
  // Reports a failure that reached the event loop (a message box).
  virtual void ShowException(const std::string& message) = 0;
  // The window of this program under a screen point, none when another
  // program's or none is there.
  virtual WindowHost* HostAt(TPixelPoint screenPoint) {
    (void)screenPoint;
    return nullptr;
  }

  TShiftState KeyShiftState();
};

// Whether the window system is of the old consumer family, whose pens lack
// the alternate style. Never here.
constexpr bool IsWindows9xFamily() { return false; }

// The installed services; the back end installs them at start. Without any,
// the clipboard cannot be opened, no key is held and the metrics are the
// window system's defaults.
SystemServices& System();
void SetSystem(SystemServices* services);

}  // namespace kau::platform
