#include "platform/console/output_encoding.h"

#include "text/code_pages.h"

namespace kau::console {
namespace {

// Glyphs of the control bytes 0 to 31 on a text-mode screen (byte 0 shows
// as a blank).
constexpr char16_t kControlGlyphs[32] = {
    0x0020, 0x263A, 0x263B, 0x2665, 0x2666, 0x2663, 0x2660, 0x2022,
    0x25D8, 0x25CB, 0x25D9, 0x2642, 0x2640, 0x266A, 0x266B, 0x263C,
    0x25BA, 0x25C4, 0x2195, 0x203C, 0x00B6, 0x00A7, 0x25AC, 0x21A8,
    0x2191, 0x2193, 0x2192, 0x2190, 0x221F, 0x2194, 0x25B2, 0x25BC};
constexpr char16_t kDeleteGlyph = 0x2302;

}  // namespace

char32_t screenGlyph(unsigned char byte) {
  if (byte < 0x20) return kControlGlyphs[byte];
  if (byte == 0x7F) return kDeleteGlyph;
  return text::cp850ToUnicode(byte);
}

bool isConsoleControl(unsigned char byte) {
  return byte == '\a' || byte == '\b' || byte == '\t' || byte == '\n' || byte == '\r';
}

void appendTerminalText(std::string& out, std::string_view cp850) {
  char previous = 0;
  for (const char c : cp850) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\n' && previous != '\r') out += "\033D";
    else if (isConsoleControl(byte) || (byte >= 0x20 && byte < 0x7F)) out.push_back(c);
    else text::appendUtf8(out, screenGlyph(byte));
    previous = c;
  }
}

void PlainTextEncoder::append(std::string& out, std::string_view cp850) {
  for (const char c : cp850) {
    if (pendingCarriageReturn_) {
      pendingCarriageReturn_ = false;
      if (c != '\n') out.push_back('\r');
    }
    if (c == '\r') {
      pendingCarriageReturn_ = true;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x80) out.push_back(c);
    else text::appendUtf8(out, text::cp850ToUnicode(byte));
  }
}

void PlainTextEncoder::finish(std::string& out) {
  if (pendingCarriageReturn_) out.push_back('\r');
  pendingCarriageReturn_ = false;
}

}  // namespace kau::console
