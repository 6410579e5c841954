#include "platform/console/key_sequences.h"

namespace kau::console {
namespace {

using Kind = KeySequenceMatch::Kind;

// Longer control sequences are no key; they are dropped.
constexpr std::size_t kMaxSequence = 32;

// Final letter of CSI and SS3 key sequences.
int scanCodeOfLetter(char c) {
  switch (c) {
    case 'A': return 72;
    case 'B': return 80;
    case 'C': return 77;
    case 'D': return 75;
    case 'H': return 71;
    case 'F': return 79;
    case 'P': return 59;
    case 'Q': return 60;
    case 'R': return 61;
    case 'S': return 62;
    default: return 0;
  }
}

// First parameter of a VT220 "ESC [ n ~" sequence.
int scanCodeOfTilde(int n) {
  switch (n) {
    case 1: case 7: return 71;
    case 2: return 82;
    case 3: return 83;
    case 4: case 8: return 79;
    case 5: return 73;
    case 6: return 81;
    case 11: case 12: case 13: case 14: case 15: return 59 + (n - 11);
    case 17: case 18: case 19: case 20: case 21: return 64 + (n - 17);
    case 23: return 133;
    case 24: return 134;
    default: return 0;
  }
}

KeySequenceMatch found(int scanCode, std::size_t length) {
  return scanCode ? KeySequenceMatch{Kind::Extended, scanCode, length} : KeySequenceMatch{Kind::Ignored, 0, length};
}

// After "ESC [": parameters, intermediates, one final byte.
KeySequenceMatch matchCsi(std::string_view s) {
  if (s.size() < 2) return {Kind::Incomplete};
  if (s[1] == '[') {  // Linux console F1-F5: ESC [ [ A..E
    if (s.size() < 3) return {Kind::Incomplete};
    return found(s[2] >= 'A' && s[2] <= 'E' ? 59 + (s[2] - 'A') : 0, 3);
  }
  int firstParameter = 0;
  bool inFirstParameter = true;
  for (std::size_t i = 1; i < s.size(); ++i) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (i >= kMaxSequence) return {Kind::Ignored, 0, i};
    if (c >= '0' && c <= '9') {
      if (inFirstParameter && firstParameter < 1000) firstParameter = firstParameter * 10 + (c - '0');
    } else if (c >= 0x20 && c <= 0x3F) {
      inFirstParameter = false;
    } else if (c >= 0x40 && c <= 0x7E) {
      return found(c == '~' ? scanCodeOfTilde(firstParameter) : scanCodeOfLetter(static_cast<char>(c)), i + 1);
    } else {
      return {Kind::Ignored, 0, i};
    }
  }
  return {Kind::Incomplete};
}

}  // namespace

KeySequenceMatch matchKeySequence(std::string_view s) {
  if (s.empty()) return {Kind::Incomplete};
  if (s[0] == '[') return matchCsi(s);
  if (s[0] == 'O') {
    if (s.size() < 2) return {Kind::Incomplete};
    return found(scanCodeOfLetter(s[1]), 2);
  }
  return {Kind::NotASequence};
}

}  // namespace kau::console
