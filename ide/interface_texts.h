// The main window's Portuguese texts in one table: menu captions, two
// status-bar texts, the buttons' hints and the file dialogs' filters.
#pragma once

#include <span>

namespace kau::ide {

class TFormMain;

struct InterfaceText {
  enum Property { kCaption, kPanelText, kHint, kFilter };
  const char* component;  // the object's name
  Property property;
  const char* text;       // UTF-8
};

std::span<const InterfaceText> InterfaceTexts();

// Applies the table in order. A hint "short | long" becomes the tool tip
// (short) and the status tip (long) that the status bar shows on hover.
void ApplyInterfaceTexts(TFormMain& form);

}  // namespace kau::ide
