#include "editor/completion/proposal_matching.h"

#include <algorithm>

#include "text/char_class.h"

namespace kau::editor {

bool ProposalBeginsWith(std::string_view Proposal, std::string_view Typed, TSynCompletionOptions Options) {
  if (Proposal.size() < Typed.size()) return false;
  const std::string_view head = Proposal.substr(0, Typed.size());
  if (HasOption(Options, scoCaseSensitive)) return head == Typed;
  if (HasOption(Options, scoAnsiStrings)) return text::sameText1252(head, Typed);
  return std::equal(head.begin(), head.end(), Typed.begin(), [](char a, char b) {
    return text::toUpperAscii(static_cast<unsigned char>(a)) == text::toUpperAscii(static_cast<unsigned char>(b));
  });
}

}  // namespace kau::editor
