// How code page 850 output becomes the bytes written to standard output.
#pragma once

#include <string>
#include <string_view>

namespace kau::console {

// The character a byte shows as on a text-mode screen: the code page's
// glyphs for the control bytes (0 as a blank) and for DEL, the code page 850
// character for the rest.
char32_t screenGlyph(unsigned char byte);

// Whether a byte is one of the controls the console acts on: bell,
// backspace, tab, line feed and carriage return.
bool isConsoleControl(unsigned char byte);

// For a terminal: the console's controls pass as they are, but a line feed
// that does not follow a carriage return becomes ESC D (index: one row down,
// same column, scrolling at the bottom), since the terminal's own output
// translation may add a carriage return to a line feed; every other control
// byte (and DEL) shows as its code page glyph, as a text-mode screen shows
// it, so that program output can never form an escape sequence; the rest is
// converted from code page 850 to UTF-8.
void appendTerminalText(std::string& out, std::string_view cp850);

// For plain output (a file or a pipe): code page 850 to UTF-8, with the
// program's "\r\n" line ends written as "\n". A carriage return at the end of
// one write waits for the next write to see whether a line feed follows.
class PlainTextEncoder {
 public:
  void append(std::string& out, std::string_view cp850);
  // Writes a carriage return still waiting (at the end of the output).
  void finish(std::string& out);

 private:
  bool pendingCarriageReturn_ = false;
};

}  // namespace kau::console
