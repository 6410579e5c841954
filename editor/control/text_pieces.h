// Text in and out of the lines: splitting an inserted text into line pieces
// (a piece ends at CR, LF or CR LF; one CR and then one LF are skipped after
// it) or at the end, and joining lines of the store.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/model/edit_types.h"
#include "editor/model/syn_edit_string_list.h"

namespace kau::editor {

struct TTextPiece {
  std::string_view Text;
  bool Broken;  // a line break follows
};

// Always at least one piece; only the last is not broken.
std::vector<TTextPiece> SplitPieces(std::string_view Value);

// S without its trailing blanks and tabs, but never shorter than Keep
// characters: text a line already had is not trimmed away.
std::string_view TrimTrailingKeeping(std::string_view S, std::size_t Keep);

// Appends the lines First to Last of a store, each followed by CR LF unless
// it is the store's last line, in one pass with one allocation; Reserve more
// bytes are kept free for what follows.
void AppendLines(std::string& Out, const TSynEditStringList& Lines, int First, int Last, std::size_t Reserve = 0);

// The position after Value inserted in normal mode at Start.
TPoint TextEndAfter(const TPoint& Start, std::string_view Value);

}  // namespace kau::editor
