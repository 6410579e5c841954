#include "editor/completion/format_chunks.h"

#include <optional>

#include "text/char_class.h"
#include "text/int_text.h"

namespace kau::editor {

namespace {

struct CommandName {
  const char* name;
  TFormatCommand command;
};

constexpr CommandName kCommandNames[] = {
    {"COLOR", fcColor}, {"STYLE", fcStyle}, {"COLUMN", fcColumn}, {"HSPACE", fcHSpace}, {"IMAGE", fcImage},
};

std::optional<TFormatCommand> CommandOf(std::string_view name) {
  for (const CommandName& entry : kCommandNames)
    if (text::sameText1252(name, entry.name)) return entry.command;
  return std::nullopt;
}

// One of the twelve forms: "+", "-" or "~", then B, I, S or U in either case.
std::optional<TFormatStyleData> StyleOf(std::string_view param) {
  if (param.size() != 2) return std::nullopt;
  TFormatStyleData style;
  switch (param[0]) {
    case '+': style.Action = 1; break;
    case '-': style.Action = -1; break;
    case '~': style.Action = 0; break;
    default: return std::nullopt;
  }
  style.Style = static_cast<char>(text::toUpperAscii(static_cast<unsigned char>(param[1])));
  if (style.Style != 'B' && style.Style != 'I' && style.Style != 'S' && style.Style != 'U') return std::nullopt;
  return style;
}

// The chunk of a command, or nothing when its parameter does not fit it.
std::optional<TFormatChunk> CommandChunk(TFormatCommand command, std::string_view param) {
  TFormatChunk chunk;
  chunk.Command = command;
  switch (command) {
    case fcColor: {
      const std::optional<TColor> color = StringToColor(param);
      if (!color) return std::nullopt;
      chunk.Data = *color;
      break;
    }
    case fcStyle: {
      const std::optional<TFormatStyleData> style = StyleOf(param);
      if (!style) return std::nullopt;
      chunk.StyleFormat = *style;
      break;
    }
    case fcHSpace:
    case fcImage: {
      const std::optional<std::int32_t> number = text::StrToInt(param);
      if (!number) return std::nullopt;
      chunk.Data = *number;
      break;
    }
    case fcColumn:  // the parameter means nothing
    case fcNoCommand:
      break;
  }
  return chunk;
}

}  // namespace

bool ParseFormatChunks(std::string_view FormattedString, TFormatChunkList& Chunks, TFormatCommands StripCommands) {
  bool wellFormed = true;
  std::string pending;
  const auto flush = [&] {
    if (pending.empty()) return;
    TFormatChunk chunk;
    chunk.Str = std::move(pending);
    Chunks.push_back(std::move(chunk));
    pending.clear();
  };
  std::size_t at = 0;
  const std::size_t end = FormattedString.size();
  while (at < end) {
    const std::size_t backslash = FormattedString.find('\\', at);
    if (backslash == std::string_view::npos) {
      pending.append(FormattedString.substr(at));
      break;
    }
    pending.append(FormattedString.substr(at, backslash - at));
    if (backslash + 1 < end && FormattedString[backslash + 1] == '\\') {
      pending += '\\';
      at = backslash + 2;
      continue;
    }
    flush();
    const std::size_t open = FormattedString.find('{', backslash + 1);
    const std::size_t close = open == std::string_view::npos ? open : FormattedString.find('}', open + 1);
    if (close == std::string_view::npos) return false;  // the rest is an unfinished command
    at = close + 1;
    const std::optional<TFormatCommand> command = CommandOf(FormattedString.substr(backslash + 1, open - backslash - 1));
    const std::optional<TFormatChunk> chunk =
        command ? CommandChunk(*command, FormattedString.substr(open + 1, close - open - 1)) : std::nullopt;
    if (!chunk) {
      wellFormed = false;
      continue;
    }
    if (!Has(StripCommands, chunk->Command)) Chunks.push_back(*chunk);
  }
  flush();
  return wellFormed;
}

std::string FormattedStringToPlainText(std::string_view FormattedString) {
  TFormatChunkList chunks;
  ParseFormatChunks(FormattedString, chunks, AllFormatCommands);
  std::string plain;
  for (const TFormatChunk& chunk : chunks) plain += chunk.Str;
  return plain;
}

}  // namespace kau::editor
