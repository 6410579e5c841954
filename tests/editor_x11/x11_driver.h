// Drives the demo window under a real X server: xdotool sends X events and
// the X server's own pixels are grabbed, while the Qt event loop runs so that
// the window answers them. Every wait is bounded.
#pragma once

#include <QImage>
#include <QPoint>
#include <string>
#include <vector>

#include "tests/editor_x11/x11_events.h"
#include "tools/editor_demo/demo_window.h"

namespace kau::editor::testing {

class X11Demo {
public:
    explicit X11Demo(int editors, const std::vector<std::string>& lines);
    DemoWindow& Window() { return window_; }
    TSynEditKAU& Edit(int index = 0) { return window_.Editor(index); }
    // Gives editor `index` the keyboard through the X server.
    bool Focus(int index = 0);
    // Whether editor `index` has painted all it was asked to and the X
    // server shows those pixels (the caret's cells aside: it blinks).
    bool Shown(int index);
    // A screen position just inside the left edge of a text cell, half way
    // down: a click there puts the caret before the cell's character.
    QPoint CellOnScreen(int index, TPoint cell);
    // The viewport of editor `index` as the X server shows it once shown;
    // also saved as build/screenshots/NAME.png when a name is given.
    QImage Grab(int index, const std::string& name = {});

private:
    DemoWindow window_;
};

}  // namespace kau::editor::testing
