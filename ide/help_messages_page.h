// The help page that lists every compile and run-time error message, built
// from the very functions that make the messages, so it cannot drift from
// them. Where a message takes a name, a character or a number, the page
// shows an italic placeholder (see kMessagePlaceholders).
#pragma once

#include <QString>

namespace kau::ide {

struct MessagePlaceholder {
  const char* shown;   // the italic word the page shows
  const char* sample;  // what it stands for in the tests' sample messages
};

// The placeholders, in the order: line, name A, name B, character, spelled
// token, index value.
inline constexpr MessagePlaceholder kMessagePlaceholders[] = {
    {"n", "12"}, {"nome", "abc"}, {"escopo", "def"}, {"c", "%"}, {"símbolo", "xyz"}, {"valor", "99"},
};

QString MessagesPageHtml();

}  // namespace kau::ide
