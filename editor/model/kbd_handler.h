// TSynEditKbdHandler: the key-down, key-up, key-press and mouse-down handler
// chains of one editor control. Add-ons register handlers here to see the
// control's key and mouse events before the control acts on them. A chain
// runs from the last added handler to the first; a chain that is running is
// not entered again by an event its own handlers cause.
#pragma once

#include <cstdint>

#include "editor/model/method_list.h"
#include "editor/model/object.h"
#include "platform/shift_state.h"

namespace kau::editor {

using TKeyEvent = Method<void(TObject* Sender, std::uint16_t& Key, TShiftState Shift)>;
using TKeyPressEvent = Method<void(TObject* Sender, char& Key)>;
using TMouseEvent = Method<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;

class TSynEditKbdHandler {
 public:
  void AddKeyDownHandler(const TKeyEvent& AHandler) { fKeyDownChain.Add(AHandler); }
  void RemoveKeyDownHandler(const TKeyEvent& AHandler) { fKeyDownChain.Remove(AHandler); }
  void AddKeyUpHandler(const TKeyEvent& AHandler) { fKeyUpChain.Add(AHandler); }
  void RemoveKeyUpHandler(const TKeyEvent& AHandler) { fKeyUpChain.Remove(AHandler); }
  void AddKeyPressHandler(const TKeyPressEvent& AHandler) { fKeyPressChain.Add(AHandler); }
  void RemoveKeyPressHandler(const TKeyPressEvent& AHandler) { fKeyPressChain.Remove(AHandler); }
  void AddMouseDownHandler(const TMouseEvent& AHandler) { fMouseDownChain.Add(AHandler); }
  void RemoveMouseDownHandler(const TMouseEvent& AHandler) { fMouseDownChain.Remove(AHandler); }

  void ExecuteKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
  void ExecuteKeyUp(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
  void ExecuteKeyPress(TObject* Sender, char& Key);
  void ExecuteMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);

 private:
  TMethodList<void(TObject*, char&)> fKeyPressChain;
  TMethodList<void(TObject*, std::uint16_t&, TShiftState)> fKeyDownChain;
  TMethodList<void(TObject*, std::uint16_t&, TShiftState)> fKeyUpChain;
  TMethodList<void(TObject*, TMouseButton, TShiftState, int, int)> fMouseDownChain;
  bool fInKeyPress = false;
  bool fInKeyDown = false;
  bool fInKeyUp = false;
  bool fInMouseDown = false;
};

}  // namespace kau::editor
