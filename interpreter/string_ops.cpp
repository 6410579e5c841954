// Strings on the stack and in string variables: loading, storing, joining,
// comparing. A character is stored as its unsigned byte, so the end mark -1
// never collides with a character.
#include "interpreter/string_ops.h"

#include <algorithm>

#include "interpreter/interpretador.h"

namespace kau {

namespace {

Word charWord(char c) { return static_cast<unsigned char>(c); }
char wordChar(Word w) { return static_cast<char>(w & 0xFF); }

}  // namespace

int CompareStrings(std::string_view left, std::string_view right) {
  // char_traits<char> compares as unsigned char.
  const int c = left.compare(right);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

void Interpretador::PopStackString(std::string& out) {
  out.clear();
  // The common case: the end mark lies in memory below the top; the
  // characters are taken in one pass. Anything else pops word by word.
  if (running_ && top_ >= 0 && top_ < kProgramMemoryWords) {
    const std::int64_t lowest = std::max<std::int64_t>(0, top_ - kMaxStackStringWords);
    std::int64_t mark = top_;
    while (mark >= lowest && memory_[mark] != kStringEnd) --mark;
    if (mark >= lowest) {
      out.resize(static_cast<std::size_t>(top_ - mark));
      for (std::size_t i = 0; i < out.size(); ++i) out[i] = wordChar(memory_[top_ - static_cast<std::int64_t>(i)]);
      top_ = mark - 1;
      Charge(static_cast<std::int64_t>(out.size()));
      return;
    }
  }
  while (running_) {
    const Word w = Pop();
    if (w == kStringEnd || !running_) break;
    if (static_cast<Word>(out.size()) >= kMaxStackStringWords) {
      Fault();
      break;
    }
    out.push_back(wordChar(w));
  }
  Charge(static_cast<std::int64_t>(out.size()));
}

void Interpretador::ReadStringVariable(Word address, std::string& out, Word max) {
  out.clear();
  const Word limit = std::min<Word>(max, kMaxStringLength);
  // The common case: the whole variable lies in memory.
  if (running_ && address >= 0 && limit >= 0 && static_cast<std::int64_t>(address) + limit <= kProgramMemoryWords) {
    const Word* chars = memory_ + address;
    const Word* end = std::find(chars, chars + limit, kStringEnd);
    out.resize(static_cast<std::size_t>(end - chars));
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = wordChar(chars[i]);
    return;
  }
  for (Word i = 0; i < limit; ++i) {
    const Word w = At(static_cast<Word>(static_cast<std::int64_t>(address) + i));
    if (!running_ || w == kStringEnd) break;
    out.push_back(wordChar(w));
  }
}

void Interpretador::PopStringOperands(Word mode, std::string& left, std::string& right) {
  const bool rightIsChar = mode == 3 || mode == 2;
  const bool leftIsChar = mode == 3 || mode == 1;
  if (rightIsChar) right.assign(1, wordChar(Pop()));
  else PopStackString(right);
  if (leftIsChar) left.assign(1, wordChar(Pop()));
  else PopStackString(left);
}

void Interpretador::PushNormalString(const std::string& chars) {
  const std::int64_t first = static_cast<std::int64_t>(top_) + 1;
  const std::int64_t count = static_cast<std::int64_t>(chars.size()) + 1;
  if (!CheckRange(first, count)) return;
  Word* out = memory_ + first;
  *out++ = kStringEnd;
  for (auto it = chars.rbegin(); it != chars.rend(); ++it) *out++ = charWord(*it);
  top_ = static_cast<Word>(first + count - 1);
}

void Interpretador::StoreString(Word address, const std::string& chars, Word max) {
  const Word n = std::clamp<Word>(static_cast<Word>(chars.size()), 0, std::max<Word>(max, 0));
  const bool endMark = n < max;
  if (!CheckRange(address, static_cast<std::int64_t>(n) + (endMark ? 1 : 0))) return;
  for (Word i = 0; i < n; ++i) memory_[address + i] = charWord(chars[static_cast<std::size_t>(i)]);
  if (endMark) memory_[address + n] = kStringEnd;
}

void Interpretador::OpConcat(bool argumentForm) {
  PopStringOperands(Operand(1), left_, right_);
  // Operands in the argument form come off the stack reversed; joining them
  // right first gives the reversed result, pushed so that its last
  // character ends on top.
  if (argumentForm) {
    work_ = right_;
    work_ += left_;
  } else {
    work_ = left_;
    work_ += right_;
  }
  // Every byte, 0 included, is an ordinary character: only the length cuts.
  if (work_.size() > kMaxStringLength) work_.resize(kMaxStringLength);
  PushNormalString(work_);
}

void Interpretador::OpCompareStrings(int opcode) {
  PopStringOperands(Operand(1), left_, right_);
  const int c = CompareStrings(left_, right_);
  bool result = false;
  switch (opcode) {
    case OP_EQS: result = c == 0; break;
    case OP_NES: result = c != 0; break;
    case OP_LTS: result = c < 0; break;
    case OP_LES: result = c <= 0; break;
    case OP_GTS: result = c > 0; break;
    default: result = c >= 0; break;
  }
  Push(result ? 1 : 0);
}

void Interpretador::OpStrToBlock() {
  const Word n = Operand(1);
  Word marker = static_cast<Word>(top_);
  const Word lowest = static_cast<Word>(top_) - kMaxStackStringWords;
  while (marker >= lowest && static_cast<std::uint32_t>(marker) < static_cast<std::uint32_t>(kProgramMemoryWords) &&
         memory_[marker] != kStringEnd) {
    --marker;
  }
  if (marker < lowest || static_cast<std::uint32_t>(marker) >= static_cast<std::uint32_t>(kProgramMemoryWords)) {
    Fault();
    return;
  }
  Charge(top_ - marker);
  const Word length = top_ - marker;
  const Word kept = std::clamp<Word>(length, 0, std::max<Word>(n, 0));
  for (Word i = 0; i < kept; ++i) memory_[marker + i] = memory_[marker + 1 + i];
  if (length < n) memory_[marker + length] = kStringEnd;
  top_ = static_cast<Word>(static_cast<std::int64_t>(marker) + n - 1);
}

void Interpretador::OpLoadString(bool argumentForm) {
  ReadStringVariable(Pop(), work_, Operand(1));
  if (!argumentForm) {
    PushNormalString(work_);
    return;
  }
  Push(kStringEnd);
  for (char c : work_) Push(charWord(c));
}

void Interpretador::OpUpcase() {
  Word& x = Top();
  if (x == kStringEnd) return;
  Word byte = x & 0xFF;
  if (byte >= 'a' && byte <= 'z') byte -= 'a' - 'A';
  x = byte;
}

}  // namespace kau
