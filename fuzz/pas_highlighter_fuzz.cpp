// Scans arbitrary bytes with the Pascal highlighter, line by line with the
// carried ranges, under every dialect setting: no read may leave the line or
// the keyword table, every token must lie inside its line, and scanning a line
// again from the same range must give the same tokens.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"

namespace {

using kau::editor::SynRange;
using kau::editor::TSynPasSyn;

struct Token {
    int kind, pos;
    std::size_t length;
    bool operator==(const Token&) const = default;
};

std::vector<Token> scan(TSynPasSyn& h, std::string_view line, SynRange range, SynRange& end) {
    h.SetRange(range);
    h.SetLine(line, 0);
    std::vector<Token> tokens;
    std::size_t expectedPos = 0;
    while (!h.GetEol()) {
        const std::size_t length = h.GetToken().size();
        const auto pos = static_cast<std::size_t>(h.GetTokenPos());
        // Tokens are contiguous, not empty, and inside the line.
        if (pos != expectedPos || length == 0 || pos + length > line.size()) __builtin_trap();
        expectedPos = pos + length;
        tokens.push_back({h.GetTokenKind(), h.GetTokenPos(), length});
        h.Next();
    }
    end = h.GetRange();
    return tokens;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the dialect and a stored range to start from,
    // including values that are no range of this highlighter.
    const std::uint8_t setup = data[0];
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    TSynPasSyn h;
    h.SetPackageSource(setup & 0x40);
    h.SetPasVersion(static_cast<kau::editor::TSynPasVersion>((setup & 0x07) % 6));
    SynRange range = static_cast<SynRange>((setup >> 3) & 0x07) + ((setup & 0x80) ? -5 : 0);

    std::size_t start = 0;
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
