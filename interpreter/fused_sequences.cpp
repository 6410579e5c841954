#include "interpreter/fused_sequences.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace kau {

namespace {

// What a pattern asks of an instruction's first operand.
enum class OperandRule { kAny, kLocalLevel, kEquals };

struct Step {
  Word opcode;
  OperandRule rule;
  Word value;  // for kEquals
};

struct Pattern {
  HandlerId id;
  std::vector<Step> steps;
  int words = 0;
};

int instructionWords(Word opcode) { return 1 + kOpcodeTable[opcode].operandCount; }

Word opcodeNamed(const std::string& name) {
  for (int op = 0; op < kOpcodeCount; ++op) {
    if (std::strcmp(kOpcodeTable[op].name + 3, name.c_str()) == 0) return op;  // past "OP_"
  }
  return -1;  // a mistake in a pattern: the pattern never matches
}

void appendPart(const std::string& part, std::vector<Step>& steps) {
  const Step address{OP_LOADADDR, OperandRule::kLocalLevel, 0};
  const Step parameter{OP_LOADVAL, OperandRule::kLocalLevel, 0};
  const Step loadOne{OP_LOADN, OperandRule::kEquals, 1};
  if (part == "L") {
    steps.insert(steps.end(), {address, loadOne});
  } else if (part == "P") {
    steps.insert(steps.end(), {parameter, loadOne});
  } else if (part == "L2") {
    steps.insert(steps.end(), {address, {OP_LOADN, OperandRule::kEquals, 2}});
  } else if (part == "K2") {
    steps.push_back({OP_PUSH2, OperandRule::kAny, 0});
  } else if (part == "K") {
    steps.push_back({OP_PUSH, OperandRule::kAny, 0});
  } else if (part == "A") {
    steps.push_back(address);
  } else if (part == "V") {
    steps.push_back(parameter);
  } else if (const auto slash = part.find('/'); slash != std::string::npos) {
    steps.push_back({opcodeNamed(part.substr(0, slash)), OperandRule::kEquals, std::stoi(part.substr(slash + 1))});
  } else {
    steps.push_back({opcodeNamed(part), OperandRule::kAny, 0});
  }
}

// The patterns by their first two opcodes (every pattern has two steps at
// least), longest first, so that the decoder takes the longest sequence that
// matches.
struct PatternTable {
  std::vector<std::vector<Pattern>> byFirstTwo =
      std::vector<std::vector<Pattern>>(static_cast<std::size_t>(kOpcodeCount) * kOpcodeCount);
  std::array<int, kHandlerCount> instructions{};
  int maxWords = 0;

  PatternTable() {
    instructions.fill(1);
    const std::pair<HandlerId, const char*> all[] = {
#define KAU_FUSED_ENTRY(name, pattern) {FUSED_##name, pattern},
        KAU_FUSED_LIST(KAU_FUSED_ENTRY)
#undef KAU_FUSED_ENTRY
    };
    for (const auto& [id, text] : all) {
      Pattern pattern{id, {}, 0};
      std::istringstream parts(text);
      for (std::string part; parts >> part;) appendPart(part, pattern.steps);
      bool known = true;
      for (const Step& step : pattern.steps) {
        if (!isValidOpcode(step.opcode)) known = false;
        else pattern.words += instructionWords(step.opcode);
      }
      if (!known || pattern.steps.size() < 2) continue;
      instructions[id] = static_cast<int>(pattern.steps.size());
      maxWords = std::max(maxWords, pattern.words);
      byFirstTwo[slot(pattern.steps[0].opcode, pattern.steps[1].opcode)].push_back(std::move(pattern));
    }
    for (auto& patterns : byFirstTwo) {
      std::stable_sort(patterns.begin(), patterns.end(),
                       [](const Pattern& a, const Pattern& b) { return a.words > b.words; });
    }
  }

  static std::size_t slot(Word first, Word second) {
    return static_cast<std::size_t>(first) * kOpcodeCount + static_cast<std::size_t>(second);
  }
};

const PatternTable& patternTable() {
  static const PatternTable table;
  return table;
}

bool matches(const Pattern& pattern, const Word* code, std::int64_t p, std::int64_t codeLimit) {
  if (p + pattern.words > codeLimit) return false;
  std::int64_t at = p;
  for (const Step& step : pattern.steps) {
    if (code[at] != step.opcode) return false;
    const Word operand = code[at + 1];
    if (step.rule == OperandRule::kLocalLevel && operand > 0) return false;
    if (step.rule == OperandRule::kEquals && operand != step.value) return false;
    at += instructionWords(step.opcode);
  }
  return true;
}

}  // namespace

int MaxFusedWords() { return patternTable().maxWords; }

int InstructionsOf(HandlerId id) { return id < kHandlerCount ? patternTable().instructions[id] : 1; }

HandlerId DecodeHandler(const Word* code, std::int64_t p, std::int64_t codeLimit, bool fuse) {
  if (p < 0 || p >= codeLimit) return kHandlerOutOfCode;
  const Word op = code[p];
  if (!isValidOpcode(op)) return kHandlerBadOpcode;
  const std::int64_t next = p + instructionWords(op);
  if (fuse && next < codeLimit && isValidOpcode(code[next])) {
    const PatternTable& table = patternTable();
    for (const Pattern& pattern : table.byFirstTwo[PatternTable::slot(op, code[next])]) {
      if (matches(pattern, code, p, codeLimit)) return pattern.id;
    }
  }
  return static_cast<HandlerId>(op);
}

}  // namespace kau
