// The kinds of completion window and the options of a completion list.
#pragma once

#include <cstdint>

#include "editor/model/enum_set.h"

namespace kau::editor {

enum SynCompletionType : std::uint8_t {
  ctCode = 0,    // the interactive list
  ctHint = 1,    // a list shown as a hint, without input
  ctParams = 2,  // a parameter hint that follows the typing
};

enum TSynCompletionOption : std::uint8_t {
  scoAnsiStrings = 0,
  scoCaseSensitive = 1,
  scoLimitToMatchedText = 2,
  scoTitleIsCentered = 3,
  scoUseInsertList = 4,
  scoUsePrettyText = 5,
  scoUseBuiltInTimer = 6,
  scoEndCharCompletion = 7,
  scoConsiderWordBreakChars = 8,
  scoCompleteWithTab = 9,
  scoCompleteWithEnter = 10,
};

// A set of options, one bit per TSynCompletionOption.
using TSynCompletionOptions = std::uint16_t;
constexpr TSynCompletionOptions CompletionOptionSet(TSynCompletionOption Option) {
  return SetOf<TSynCompletionOptions>(Option);
}
constexpr bool HasOption(TSynCompletionOptions Options, TSynCompletionOption Option) {
  return Has(Options, Option);
}

}  // namespace kau::editor
