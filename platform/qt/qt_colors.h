// Colours between the class library's values and Qt's.
#pragma once

#include <QColor>
#include <QPalette>

#include "platform/draw/colors.h"

namespace kau::platform {

// Any colour, system colours through the installed table.
QColor ToQColor(TColor color);
// Installs the system colours taken from a palette (window, text,
// highlight, button face, tool tips, ...).
void InstallSystemColors(const QPalette& palette);

}  // namespace kau::platform
