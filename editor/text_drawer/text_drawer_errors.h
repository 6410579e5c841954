// The failures of the text drawer and its font cache.
#pragma once

#include <stdexcept>
#include <string>

namespace kau::editor {

class EheTextDrawerException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class EheFontStockException : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A broken internal rule (unbalanced drawing brackets, a style above 15, an
// info released while locked): "Assertion failure (editor/SynTextDrawer,
// line N)", or the given text in place of "Assertion failure".
class EAssertionFailed : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

// Callers pass __LINE__, so the text names the line of the broken rule.
inline void DrawerAssert(bool condition, int line, const char* text = "Assertion failure") {
  if (!condition) throw EAssertionFailed(std::string(text) + " (editor/SynTextDrawer, line " + std::to_string(line) + ")");
}

}  // namespace kau::editor
