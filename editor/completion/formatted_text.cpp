#include "editor/completion/formatted_text.h"

#include <algorithm>
#include <climits>
#include <cstdint>

#include "editor/text_drawer/font_stock.h"

namespace kau::editor {

namespace {

TFontStyles StyleBit(char letter) {
  switch (letter) {
    case 'B': return fsBold;
    case 'I': return fsItalic;
    case 'S': return fsStrikeOut;
    case 'U': return fsUnderline;
    default: return 0;
  }
}

TFontStyles Apply(TFontStyles style, const TFormatStyleData& change) {
  const TFontStyles bit = StyleBit(change.Style);
  const bool on = change.Action > 0 || (change.Action == 0 && !(style & bit));
  return static_cast<TFontStyles>(on ? (style | bit) : (style & ~bit));
}

// Gaps may be any 32-bit number, so x is kept wider and clamped on the way out.
int ToInt(std::int64_t x) { return static_cast<int>(std::clamp<std::int64_t>(x, INT_MIN, INT_MAX)); }

class CanvasStateGuard {
 public:
  explicit CanvasStateGuard(platform::Canvas& canvas) : canvas_(canvas), id_(canvas.SaveState()) {}
  ~CanvasStateGuard() { canvas_.RestoreState(id_); }
  CanvasStateGuard(const CanvasStateGuard&) = delete;
  CanvasStateGuard& operator=(const CanvasStateGuard&) = delete;

 private:
  platform::Canvas& canvas_;
  int id_;
};

}  // namespace

int PaintFormattedText(platform::Canvas& Canvas, const TFont& Font, const TRect& Rect, const TFormatChunkList& Chunks,
                       TProposalColumns* Columns, const TImageList* Images, bool MeasureOnly) {
  TheFontStock fonts(&Font);  // outlives the guard: the canvas holds its fonts until restored
  const CanvasStateGuard guard(Canvas);
  const bool hasColumns = Columns && Columns->Count() > 0;
  TFontStyles style = hasColumns ? Columns->GetItem(0).DefaultFontStyle() : Font.Style();
  const auto selectStyle = [&] {
    fonts.SetStyle(style);
    Canvas.SelectFont(fonts.FontHandle());
  };
  selectStyle();
  if (!MeasureOnly) Canvas.SetTextColor(Font.Color());

  std::int64_t x = Rect.Left;
  std::int64_t columnOrigin = Rect.Left;
  int column = 0;
  for (const TFormatChunk& chunk : Chunks) {
    switch (chunk.Command) {
      case fcNoCommand:
        if (!MeasureOnly) Canvas.TextOut(ToInt(x), Rect.Top, chunk.Str);
        x += Canvas.TextExtent(chunk.Str).cx;
        break;
      case fcColor:
        if (!MeasureOnly) Canvas.SetTextColor(chunk.Data);
        continue;
      case fcStyle:
        style = Apply(style, chunk.StyleFormat);
        selectStyle();
        continue;
      case fcColumn:
        if (hasColumns && column < Columns->Count()) {
          TProposalColumn& current = Columns->GetItem(column);
          current.SetInternalWidth(Canvas.TextExtent(current.BiggestWord() + " ").cx);
          columnOrigin += current.InternalWidth();
          x = columnOrigin;
          if (++column < Columns->Count()) {
            style = Columns->GetItem(column).DefaultFontStyle();
            selectStyle();
          }
        }
        continue;
      case fcHSpace:
        x += chunk.Data;
        break;
      case fcImage:
        if (!Images) continue;
        if (!MeasureOnly && chunk.Data >= 0 && chunk.Data < Images->Count())
          Images->Draw(Canvas, ToInt(x), Rect.Top, chunk.Data, true);
        x += Images->Width();
        break;
    }
    if (x > Rect.Right) break;
  }
  return ToInt(x);
}

void FormattedTextOut(platform::Canvas& Canvas, const TFont& Font, const TRect& Rect, std::string_view Text,
                      bool Selected, TProposalColumns* Columns, const TImageList* Images) {
  TFormatChunkList chunks;
  ParseFormatChunks(Text, chunks, Selected ? FormatCommandSet(fcColor) : 0);
  PaintFormattedText(Canvas, Font, Rect, chunks, Columns, Images, false);
}

int FormattedTextWidth(platform::Canvas& Canvas, const TFont& Font, std::string_view Text, TProposalColumns* Columns,
                       const TImageList* Images) {
  TFormatChunkList chunks;
  ParseFormatChunks(Text, chunks, FormatCommandSet(fcColor));
  return PaintFormattedText(Canvas, Font, TRect{0, 0, INT_MAX, INT_MAX}, chunks, Columns, Images, true);
}

std::string PrettyTextToFormattedString(std::string_view PrettyText, bool BoldColumns) {
  std::string result;
  std::size_t i = 0;
  while (i < PrettyText.size()) {
    const unsigned char byte = static_cast<unsigned char>(PrettyText[i]);
    const std::size_t rest = PrettyText.size() - i - 1;
    switch (byte) {
      case 1:
      case 2: {
        if (rest < 3) return result;
        const auto at = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(PrettyText[i + k])); };
        result += "\\color{" + ColorToString(static_cast<TColor>(at(1) | at(2) << 8 | at(3) << 16)) + "}";
        i += 4;
        break;
      }
      case 3: {
        if (rest < 1) return result;
        const char letter = PrettyText[i + 1];
        if (letter == 'B' || letter == 'I' || letter == 'U') result += std::string("\\style{+") + letter + "}";
        if (letter == 'b' || letter == 'i' || letter == 'u')
          result += std::string("\\style{-") + static_cast<char>(letter - 'a' + 'A') + "}";
        i += 2;
        break;
      }
      case '\t':
        result += "\\column{}";
        if (BoldColumns) result += "\\style{~B}";
        ++i;
        break;
      case '\\':  // a plain backslash, which formatted text writes twice
        result += "\\\\";
        ++i;
        break;
      default:
        result += static_cast<char>(byte);
        ++i;
        break;
    }
  }
  return result;
}

}  // namespace kau::editor
