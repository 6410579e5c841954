#include "editor/structure/bracket_mark.h"

namespace kau::editor {

namespace {

constexpr std::string_view kOpening = "{[(";
constexpr std::string_view kClosing = "}])";

// The attribute of the token that holds the 0-based offset `offset`.
TSynHighlighterAttributes* AttributeAt(std::string_view text, std::size_t offset, SynRange startRange,
                                       int lineIndex, TSynCustomHighlighter& highlighter) {
    highlighter.SetRange(startRange);
    highlighter.SetLine(text, lineIndex);
    TSynHighlighterAttributes* found = nullptr;
    while (!highlighter.GetEol() && static_cast<std::size_t>(highlighter.GetTokenPos()) <= offset) {
        found = highlighter.GetTokenAttribute();
        highlighter.Next();
    }
    return found;
}

}  // namespace

std::optional<BracketMark> FindBracketMark(std::string_view lineText, TPoint caret, SynRange startRange,
                                           TSynCustomHighlighter& highlighter) {
    if (caret.X < 2 || static_cast<std::size_t>(caret.X) > lineText.size() + 1) return std::nullopt;
    const std::size_t offset = static_cast<std::size_t>(caret.X) - 2;
    const char bracket = lineText[offset];
    const auto opening = kOpening.find(bracket);
    const auto closing = kClosing.find(bracket);
    if (opening == std::string_view::npos && closing == std::string_view::npos) return std::nullopt;
    if (AttributeAt(lineText, offset, startRange, caret.Y - 1, highlighter) !=
        highlighter.GetDefaultAttribute(SYN_ATTR_SYMBOL))
        return std::nullopt;
    const char partner = opening != std::string_view::npos ? kClosing[opening] : kOpening[closing];
    return BracketMark{{caret.X - 1, caret.Y}, bracket, partner};
}

}  // namespace kau::editor
