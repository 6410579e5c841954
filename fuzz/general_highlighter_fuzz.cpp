// Scans arbitrary bytes with the general highlighter under every setting,
// line by line with the carried ranges: no read may leave the line, every
// token must lie inside its line, a line scanned again from the same range
// must give the same tokens, and keywords must be told from identifiers by
// IsKeyword. The first line is a keyword list in comma text, which must
// survive being written and read again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "editor/highlight/comma_text.h"
#include "editor/highlight/general_highlighter.h"
#include "fuzz/highlighter_scan.h"

using kau::editor::TSynGeneralSyn;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  // The first byte picks the comment styles, preprocessor lines and the
  // string delimiter; the second the range to start from, including values
  // that are no range of this highlighter.
  TSynGeneralSyn h;
  h.SetComments(data[0] & 0x3F);
  h.SetDetectPreprocessor(data[0] & 0x40);
  h.SetStringDelim(data[0] & 0x80 ? TSynGeneralSyn::sdDoubleQuote : TSynGeneralSyn::sdSingleQuote);
  const kau::editor::SynRange range = static_cast<std::int8_t>(data[1]);
  const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

  std::size_t firstEnd = text.find('\n');
  if (firstEnd == std::string_view::npos) firstEnd = text.size();
  std::vector<std::string> words;
  if (kau::editor::ParseCommaText(text.substr(0, firstEnd), words)) {
    std::vector<std::string> again;
    if (!kau::editor::ParseCommaText(kau::editor::CommaText(words), again) || again != words) __builtin_trap();
    h.SetKeyWords(words);
  }
  if (firstEnd == text.size()) return 0;

  kau::fuzz::scanLines(h, text.substr(firstEnd + 1), range, [&h](const std::string& token) {
    const bool keyword = h.IsKeyword(token);
    if (h.GetTokenKind() == TSynGeneralSyn::tkKey && !keyword) __builtin_trap();
    if (h.GetTokenKind() == TSynGeneralSyn::tkIdentifier && keyword) __builtin_trap();
  });
  return 0;
}
