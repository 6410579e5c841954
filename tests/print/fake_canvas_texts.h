// What the print tests read back from a fake canvas.
#pragma once

#include <vector>

#include "platform/fake/fake_canvas.h"

namespace kau::editor {

// The text outputs, in order.
inline std::vector<platform::FakeDrawing> Texts(const platform::FakeCanvas& c) {
  std::vector<platform::FakeDrawing> t;
  for (const platform::FakeDrawing& d : c.Drawings())
    if (d.kind == platform::FakeDrawing::Text) t.push_back(d);
  return t;
}

}  // namespace kau::editor
