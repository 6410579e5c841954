// Terminal key sequences (what follows ESC) turned into the DOS scan codes of
// extended keys.
#pragma once

#include <cstddef>
#include <string_view>

namespace kau::console {

struct KeySequenceMatch {
  enum class Kind {
    Incomplete,     // a prefix of a sequence: more bytes are needed
    Extended,       // an extended key: `scanCode`, `length` bytes after ESC
    Ignored,        // a sequence of no key we know: drop `length` bytes
    NotASequence,   // the ESC key itself; the bytes after it are keys
  };
  Kind kind = Kind::NotASequence;
  int scanCode = 0;
  std::size_t length = 0;
};

// Up 72, Down 80, Left 75, Right 77, Home 71, End 79, PgUp 73, PgDn 81,
// Ins 82, Del 83, F1-F10 59-68, F11 133, F12 134, in the xterm, VT220 and
// Linux console forms; modifier parameters are ignored.
KeySequenceMatch matchKeySequence(std::string_view afterEscape);

}  // namespace kau::console
