// Parses arbitrary bytes as formatted proposal text and measures and draws
// them on the fake canvas with 0 to 3 columns and a small image list: the
// measure must equal the drawn width, the canvas must be left as it was, and
// the older control-byte form must always convert to well-formed text.
#include <climits>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "editor/completion/formatted_text.h"
#include "platform/fake/fake_canvas.h"

using namespace kau;
using namespace kau::editor;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte picks the commands to drop, the columns and their styles.
  const std::uint8_t setup = data[0];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  TFormatChunkList chunks, again;
  const bool wellFormed = ParseFormatChunks(text, chunks, setup & AllFormatCommands);
  if (ParseFormatChunks(text, again, setup & AllFormatCommands) != wellFormed || again != chunks) __builtin_trap();
  if (FormattedStringToPlainText(text).size() > text.size()) __builtin_trap();

  TProposalColumns columns;
  for (int i = 0; i < (setup >> 6); ++i) columns.Add().SetDefaultFontStyle(static_cast<TFontStyles>((setup >> i) & 15));
  TImageList images(5, 5);
  images.Add(TImage(5, 5));
  TFont font;
  platform::FakeCanvas canvas;

  const int width = FormattedTextWidth(canvas, font, text, &columns, &images);
  TFormatChunkList drawn;
  ParseFormatChunks(text, drawn, 0);
  if (PaintFormattedText(canvas, font, {0, 0, INT_MAX, INT_MAX}, drawn, &columns, &images, false) != width)
    __builtin_trap();
  FormattedTextOut(canvas, font, {3, 4, 100, 20}, text, setup & 1, &columns, &images);
  if (canvas.SavedStates() != 0 || canvas.SelectedFont() != nullptr) __builtin_trap();

  TFormatChunkList converted;
  if (!ParseFormatChunks(PrettyTextToFormattedString(text, setup & 2), converted, 0)) __builtin_trap();
  return 0;
}
