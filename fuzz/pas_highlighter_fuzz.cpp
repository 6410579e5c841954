// Scans arbitrary bytes with the Pascal highlighter, line by line with the
// carried ranges, under every dialect setting: no read may leave the line or
// the keyword table, every token must lie inside its line, and scanning a line
// again from the same range must give the same tokens.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/highlight/pascal_highlighter.h"
#include "fuzz/highlighter_scan.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the dialect and a stored range to start from,
  // including values that are no range of this highlighter.
  const std::uint8_t setup = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  kau::editor::TSynPasSyn h;
  h.SetPackageSource(setup & 0x40);
  h.SetPasVersion(static_cast<kau::editor::TSynPasVersion>((setup & 0x07) % 6));
  const auto range = static_cast<kau::editor::SynRange>((setup >> 3) & 0x07) + ((setup & 0x80) ? -5 : 0);
  kau::fuzz::scanLines(h, text, range, [](const std::string&) {});
  return 0;
}
