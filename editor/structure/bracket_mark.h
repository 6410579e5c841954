// Which bracket the editor marks beside the caret: the character left of the
// caret when it is one of "()[]{}" and the highlighter takes it for a symbol
// (in Pascal braces open comments, so only parentheses and square brackets
// qualify). Only the caret's line is read. The partner's place is the
// editor's matching-bracket search; this gives the character to draw there.
#pragma once

#include <optional>
#include <string_view>

#include "editor/model/edit_types.h"
#include "editor/highlight/custom_highlighter.h"
#include "editor/model/syn_range.h"

namespace kau::editor {

struct BracketMark {
  TPoint At;     // the bracket's own cell (caret column - 1, caret line)
  char Bracket;  // the character there
  char Partner;  // the character its match shows
  friend bool operator==(const BracketMark&, const BracketMark&) = default;
};

// `lineText` is the caret's line, begun in `startRange`; `caret` is the
// logical caret position (1-based).
std::optional<BracketMark> FindBracketMark(std::string_view lineText, TPoint caret, SynRange startRange,
                                           TSynCustomHighlighter& highlighter);

}  // namespace kau::editor
