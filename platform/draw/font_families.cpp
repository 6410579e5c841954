#include "platform/draw/font_families.h"

#include <cctype>

namespace kau::platform {

namespace {

struct Entry {
  std::string_view windowsName;
  std::string_view family;
  std::string_view fallback;
  bool fixedPitch;
};

// Liberation Mono, Sans and Serif are metric-compatible with Courier New,
// Arial and Times New Roman; the bitmap fonts get their closest outline kin.
constexpr Entry kTable[] = {
    {"courier new", "Liberation Mono", "DejaVu Sans Mono", true},
    {"courier", "Liberation Mono", "DejaVu Sans Mono", true},
    {"fixedsys", "DejaVu Sans Mono", "Liberation Mono", true},
    {"terminal", "DejaVu Sans Mono", "Liberation Mono", true},
    {"lucida console", "DejaVu Sans Mono", "Liberation Mono", true},
    {"arial", "Liberation Sans", "DejaVu Sans", false},
    {"ms sans serif", "Liberation Sans", "DejaVu Sans", false},
    {"microsoft sans serif", "Liberation Sans", "DejaVu Sans", false},
    {"tahoma", "DejaVu Sans", "Liberation Sans", false},
    {"verdana", "DejaVu Sans", "Liberation Sans", false},
    {"times new roman", "Liberation Serif", "DejaVu Serif", false},
};

constexpr Entry kFixedDefault{"", "Liberation Mono", "DejaVu Sans Mono", true};

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != b[i]) return false;
  return true;
}

TFontFamilyChoice Choice(const Entry& e) { return {std::string(e.family), std::string(e.fallback), e.fixedPitch}; }

}  // namespace

TFontFamilyChoice MapFontFamily(std::string_view requested, TFontPitch pitch) {
  for (const Entry& e : kTable) {
    if (!SameName(requested, e.windowsName)) continue;
    if (pitch == fpFixed && !e.fixedPitch) return Choice(kFixedDefault);
    return Choice(e);
  }
  // A family the table does not know is asked for by its own name; DejaVu
  // stands in when it is missing.
  if (pitch == fpFixed) return {std::string(requested), "DejaVu Sans Mono", true};
  return {std::string(requested), "DejaVu Sans", false};
}

}  // namespace kau::platform
