// Formatted proposal text: ordinary characters with commands of the form
// \NAME{parameter} (names case-free) and "\\" for one backslash:
//   \color{clRed}   text colour from here on (a colour name or number)
//   \style{+B}      font style on (+), off (-) or toggled (~): B, I, S or U
//   \column{}       continue at the next column position
//   \hspace{10}     a gap of that many pixels
//   \image{2}       picture 2 of the list's images
// Parsing splits such a text into chunks, one per piece of text or command.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/model/enum_set.h"
#include "platform/draw/colors.h"

namespace kau::editor {

enum TFormatCommand : std::uint8_t {
  fcNoCommand = 0,
  fcColor = 1,
  fcStyle = 2,
  fcColumn = 3,
  fcHSpace = 4,
  fcImage = 5,
};

// A set of commands, one bit per TFormatCommand.
using TFormatCommands = std::uint8_t;
constexpr TFormatCommands FormatCommandSet(TFormatCommand Command) {
  return SetOf<TFormatCommands>(Command);
}
inline constexpr TFormatCommands AllFormatCommands = FormatCommandSet(fcColor) | FormatCommandSet(fcStyle) |
                                                     FormatCommandSet(fcColumn) | FormatCommandSet(fcHSpace) |
                                                     FormatCommandSet(fcImage);

// What a style command does: its letter (upper case B, I, S or U) switched
// on (+1), off (-1) or toggled (0).
struct TFormatStyleData {
  char Style = 'B';
  int Action = 0;
  friend bool operator==(const TFormatStyleData&, const TFormatStyleData&) = default;
};

struct TFormatChunk {
  std::string Str;  // fcNoCommand: the characters of the piece
  TFormatCommand Command = fcNoCommand;
  std::int32_t Data = 0;  // fcColor: the colour; fcHSpace, fcImage: the number
  TFormatStyleData StyleFormat;  // fcStyle
  friend bool operator==(const TFormatChunk&, const TFormatChunk&) = default;
};

using TFormatChunkList = std::vector<TFormatChunk>;

// Appends the chunks of `FormattedString` to `Chunks`, leaving out commands
// in `StripCommands`. False when a command was malformed (unknown name, a
// parameter that does not convert, a missing brace); the well-formed rest is
// still there.
bool ParseFormatChunks(std::string_view FormattedString, TFormatChunkList& Chunks, TFormatCommands StripCommands);

// The text pieces alone, joined: what a formatted entry reads as.
std::string FormattedStringToPlainText(std::string_view FormattedString);

}  // namespace kau::editor
