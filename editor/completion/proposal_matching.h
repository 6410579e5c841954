// Whether a proposal begins with the typed text, in the four compares of the
// list's options: ordinal (ignoring the case of a to z unless case-sensitive)
// or, with the ANSI option, through code page 1252's case tables (never the
// locale).
#pragma once

#include <string_view>

#include "editor/completion/completion_types.h"

namespace kau::editor {

// The proposal, cut to the length of the typed text, equals it. The empty
// text begins every proposal.
bool ProposalBeginsWith(std::string_view Proposal, std::string_view Typed, TSynCompletionOptions Options);

}  // namespace kau::editor
