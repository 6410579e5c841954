// What the print tests read back from a fake canvas.
#pragma once

#include <string>
#include <utility>
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

// The lines' text as printed on a page of the default sheet (the text area
// from x `left`, y 245 to 3162): pieces on the same row joined.
inline std::vector<std::string> Rows(const platform::FakeCanvas& c, int left = 230) {
  std::vector<std::pair<int, std::string>> rows;
  for (const platform::FakeDrawing& d : Texts(c)) {
    if (d.from.X < left || d.from.Y < 245 || d.from.Y >= 3162) continue;
    if (rows.empty() || rows.back().first != d.from.Y) rows.push_back({d.from.Y, ""});
    rows.back().second += d.text;
  }
  std::vector<std::string> out;
  for (auto& r : rows) out.push_back(r.second);
  return out;
}

}  // namespace kau::editor
