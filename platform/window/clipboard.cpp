#include "platform/window/clipboard.h"

#include <cctype>
#include <vector>

namespace kau::platform {

namespace {

// Registered names by number; numbers start where the window system starts
// its registered formats.
constexpr TClipboardFormat kFirstRegistered = 0xC000;
std::vector<std::string>& Registered() {
  static std::vector<std::string> names;
  return names;
}

}  // namespace

TClipboardFormat RegisterClipboardFormat(std::string_view name) {
  auto& names = Registered();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (names[i] == name) return kFirstRegistered + static_cast<TClipboardFormat>(i);
  names.emplace_back(name);
  return kFirstRegistered + static_cast<TClipboardFormat>(names.size() - 1);
}

std::string ClipboardFormatName(TClipboardFormat format) {
  const auto& names = Registered();
  if (format < kFirstRegistered || format - kFirstRegistered >= names.size()) return {};
  return names[format - kFirstRegistered];
}

std::string PrivateFormatMimeType(std::string_view name) {
  std::string mime = "application/x-";
  for (char c : name) mime += c == ' ' ? '-' : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return mime;
}

TClipboardFormat FormatOfMimeType(std::string_view mime) {
  const auto& names = Registered();
  for (std::size_t i = 0; i < names.size(); ++i)
    if (PrivateFormatMimeType(names[i]) == mime) return kFirstRegistered + static_cast<TClipboardFormat>(i);
  return 0;
}

}  // namespace kau::platform
