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

namespace {

using kau::editor::SynRange;
using kau::editor::TSynGeneralSyn;

struct Token {
    int kind, pos;
    std::size_t length;
    bool operator==(const Token&) const = default;
};

std::vector<Token> scan(TSynGeneralSyn& h, std::string_view line, SynRange range, SynRange& end) {
    h.SetRange(range);
    h.SetLine(line, 0);
    std::vector<Token> tokens;
    std::size_t expectedPos = 0;
    while (!h.GetEol()) {
        const std::string token = h.GetToken();
        const auto pos = static_cast<std::size_t>(h.GetTokenPos());
        // Tokens are contiguous, not empty, and inside the line.
        if (pos != expectedPos || token.empty() || pos + token.size() > line.size()) __builtin_trap();
        if (h.GetTokenKind() == TSynGeneralSyn::tkKey && !h.IsKeyword(token)) __builtin_trap();
        if (h.GetTokenKind() == TSynGeneralSyn::tkIdentifier && h.IsKeyword(token)) __builtin_trap();
        expectedPos = pos + token.size();
        tokens.push_back({h.GetTokenKind(), h.GetTokenPos(), token.size()});
        h.Next();
    }
    end = h.GetRange();
    return tokens;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    // The first byte picks the comment styles, preprocessor lines and the
    // string delimiter; the second the range to start from, including values
    // that are no range of this highlighter.
    TSynGeneralSyn h;
    h.SetComments(data[0] & 0x3F);
    h.SetDetectPreprocessor(data[0] & 0x40);
    h.SetStringDelim(data[0] & 0x80 ? TSynGeneralSyn::sdDoubleQuote : TSynGeneralSyn::sdSingleQuote);
    SynRange range = static_cast<std::int8_t>(data[1]);
    const std::string_view text(reinterpret_cast<const char*>(data + 2), size - 2);

    std::size_t start = text.find('\n');
    if (start == std::string_view::npos) start = text.size();
    std::vector<std::string> words;
    if (kau::editor::ParseCommaText(text.substr(0, start), words)) {
        std::vector<std::string> again;
        if (!kau::editor::ParseCommaText(kau::editor::CommaText(words), again) || again != words) __builtin_trap();
        h.SetKeyWords(words);
    }
    ++start;

    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view line = text.substr(start, end - start);
        SynRange first = 0, second = 0;
        const std::vector<Token> tokens = scan(h, line, range, first);
        if (scan(h, line, range, second) != tokens || first != second) __builtin_trap();
        range = first;
        start = end + 1;
    }
    return 0;
}
