#include "platform/console/ansi_sequences.h"

namespace kau::console::ansi {
namespace {

// DOS colours count blue, green, red in bits 0, 1, 2; ANSI counts red,
// green, blue. Swapping bits 0 and 2 maps one order onto the other.
int ansiColour(int dosColour) {
  return ((dosColour & 1) << 2) | (dosColour & 2) | ((dosColour & 4) >> 2);
}

}  // namespace

std::string attribute(unsigned char dosAttribute) {
  const int text = dosAttribute & 0x0F;
  const int background = (dosAttribute >> 4) & 0x07;
  const int textCode = (text & 8 ? 90 : 30) + ansiColour(text & 7);
  std::string sgr = "\033[0;" + std::to_string(textCode) + ";" + std::to_string(40 + ansiColour(background));
  if (dosAttribute & 0x80) sgr += ";5";
  sgr += "m";
  return sgr;
}

std::string cursorTo(int column, int row) {
  return "\033[" + std::to_string(row) + ";" + std::to_string(column) + "H";
}

}  // namespace kau::console::ansi
