// The failures of the text drawer and its font cache.
#pragma once

#include <source_location>
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

inline void DrawerAssert(bool condition, const char* text = "Assertion failure",
                         std::source_location where = std::source_location::current()) {
  if (!condition)
    throw EAssertionFailed(std::string(text) + " (editor/SynTextDrawer, line " + std::to_string(where.line()) + ")");
}

}  // namespace kau::editor
