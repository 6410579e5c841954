#include "text/code_pages.h"

#include <array>

namespace kau::text {
namespace {

// Bytes 0x80 to 0x9F of code page 1252; 0xA0 to 0xFF equal Latin-1.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Bytes 0x80 to 0xFF of code page 850.
constexpr char16_t kCp850High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0};

// Reverse tables built once; lookups of whole texts stay linear.
struct ReverseTable {
  std::array<short, 0x10000> byteOf{};
  explicit ReverseTable(char32_t (*forward)(unsigned char)) {
    byteOf.fill(-1);
    for (int b = 0; b < 0x100; ++b) byteOf[forward(static_cast<unsigned char>(b))] = static_cast<short>(b);
  }
  int lookup(char32_t cp) const { return cp < 0x10000 ? byteOf[cp] : -1; }
};

const ReverseTable& cp1252Reverse() {
  static const ReverseTable table(cp1252ToUnicode);
  return table;
}
const ReverseTable& cp850Reverse() {
  static const ReverseTable table(cp850ToUnicode);
  return table;
}

// Moves the leading run of ASCII bytes from `text` to `out` in one append:
// program text is mostly ASCII, and the runs are what a file load and save
// spend their time on.
void takeAsciiRun(std::string_view& text, std::string& out) {
  std::size_t n = 0;
  while (n < text.size() && static_cast<unsigned char>(text[n]) < 0x80) ++n;
  out.append(text.data(), n);
  text.remove_prefix(n);
}

template <typename Forward>
std::string toUtf8(std::string_view text, Forward forward) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  while (!text.empty()) {
    takeAsciiRun(text, out);
    if (text.empty()) break;
    appendUtf8(out, forward(static_cast<unsigned char>(text[0])));
    text.remove_prefix(1);
  }
  return out;
}

}  // namespace

char32_t cp1252ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kCp1252High[byte - 0x80];
  return byte;
}

char32_t cp850ToUnicode(unsigned char byte) {
  if (byte >= 0x80) return kCp850High[byte - 0x80];
  return byte;
}

int unicodeToCp1252(char32_t cp) { return cp < 0x80 ? static_cast<int>(cp) : cp1252Reverse().lookup(cp); }
int unicodeToCp850(char32_t cp) { return cp < 0x80 ? static_cast<int>(cp) : cp850Reverse().lookup(cp); }

unsigned char cp1252To850(unsigned char byte) {
  const int converted = unicodeToCp850(cp1252ToUnicode(byte));
  return static_cast<unsigned char>(converted < 0 ? '?' : converted);
}

unsigned char cp850To1252(unsigned char byte) {
  const int converted = unicodeToCp1252(cp850ToUnicode(byte));
  return static_cast<unsigned char>(converted < 0 ? '?' : converted);
}

int decodeUtf8(std::string_view s, char32_t& cp) {
  if (s.empty()) return 0;
  const auto b0 = static_cast<unsigned char>(s[0]);
  if (b0 < 0x80) { cp = b0; return 1; }
  int len;
  char32_t min;
  if ((b0 & 0xE0) == 0xC0) { len = 2; cp = b0 & 0x1F; min = 0x80; }
  else if ((b0 & 0xF0) == 0xE0) { len = 3; cp = b0 & 0x0F; min = 0x800; }
  else if ((b0 & 0xF8) == 0xF0) { len = 4; cp = b0 & 0x07; min = 0x10000; }
  else return 0;
  if (s.size() < static_cast<size_t>(len)) return 0;
  for (int i = 1; i < len; ++i) {
    const auto b = static_cast<unsigned char>(s[i]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return len;
}

void appendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

bool isValidUtf8(std::string_view bytes) {
  char32_t cp;
  while (!bytes.empty()) {
    const int len = decodeUtf8(bytes, cp);
    if (len == 0) return false;
    bytes.remove_prefix(static_cast<size_t>(len));
  }
  return true;
}

std::string cp1252ToUtf8(std::string_view text) { return toUtf8(text, cp1252ToUnicode); }
std::string cp850ToUtf8(std::string_view text) { return toUtf8(text, cp850ToUnicode); }

bool utf8ToCp1252(std::string_view utf8, std::string& out) {
  out.clear();
  out.reserve(utf8.size());
  char32_t cp;
  while (!utf8.empty()) {
    takeAsciiRun(utf8, out);
    if (utf8.empty()) break;
    const int len = decodeUtf8(utf8, cp);
    if (len == 0) return false;
    const int byte = unicodeToCp1252(cp);
    if (byte < 0) return false;
    out.push_back(static_cast<char>(byte));
    utf8.remove_prefix(static_cast<size_t>(len));
  }
  return true;
}

std::string sourceToCp1252(std::string_view fileBytes) {
  if (!isValidUtf8(fileBytes)) return std::string(fileBytes);
  // A byte-order mark is no character of the program.
  if (fileBytes.substr(0, 3) == "\xEF\xBB\xBF") fileBytes.remove_prefix(3);
  std::string out;
  out.reserve(fileBytes.size());
  char32_t cp;
  while (!fileBytes.empty()) {
    const int len = decodeUtf8(fileBytes, cp);
    const int byte = unicodeToCp1252(cp);
    out.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    fileBytes.remove_prefix(static_cast<size_t>(len));
  }
  return out;
}

std::string utf8ToCp850(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  char32_t cp;
  while (!text.empty()) {
    const int len = decodeUtf8(text, cp);
    if (len == 0) {
      out.push_back(static_cast<char>(cp1252To850(static_cast<unsigned char>(text[0]))));
      text.remove_prefix(1);
      continue;
    }
    const int byte = unicodeToCp850(cp);
    out.push_back(static_cast<char>(byte < 0 ? '?' : byte));
    text.remove_prefix(static_cast<size_t>(len));
  }
  return out;
}

}  // namespace kau::text
