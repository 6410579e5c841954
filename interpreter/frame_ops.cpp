// Calls, returns and the instructions that move blocks of words between the
// stack and memory.
#include <algorithm>
#include <cstring>

#include "interpreter/interpretador.h"
#include "interpreter/word_arithmetic.h"

namespace kau {

void Interpretador::OpCall() {
  const Word levels = Operand(1);
  const Word relative = Operand(2);
  const Word staticLink = Frame(levels);
  Push(staticLink);
  Push(static_cast<Word>(base_));
  Push(WrapAdd(static_cast<Word>(pc_), 3));
  base_ = WrapSub(static_cast<Word>(top_), 2);
  pc_ = WrapAdd(static_cast<Word>(pc_), relative);
}

void Interpretador::OpReturnFunction() {
  const Word params = Operand(1);
  const Word size = Operand(2);
  const bool isString = Operand(3) == 1;
  const Word frame = static_cast<Word>(base_);
  const Word returnAddress = At(WrapAdd(frame, kReturnAddressOffset));
  const Word dynamicLink = At(WrapAdd(frame, kDynamicLinkOffset));
  const Word result = WrapAdd(frame, 4);
  const Word newTop = WrapSub(WrapSub(frame, params), 1);
  if (isString) {
    // The whole result is read before the place it moves to is written.
    Word chars[kMaxStringLength];
    const int length = ReadStringWords(result, size, chars);
    top_ = newTop;
    PushStringWords(chars, length, false);
  } else if (size > 0) {
    const std::int64_t destination = static_cast<std::int64_t>(newTop) + 1;
    if (CheckRange(result, size) && CheckRange(destination, size)) {
      std::memmove(memory_ + destination, memory_ + result, static_cast<std::size_t>(size) * sizeof(Word));
      Charge(size);
      top_ = WrapAdd(newTop, size);
    }
  } else {
    top_ = newTop;
  }
  pc_ = returnAddress;
  base_ = dynamicLink;
}

void Interpretador::OpElemAddr() {
  const Word dims = Operand(1);
  const Word size = Operand(2);
  const std::int64_t pairs = 2 * static_cast<std::int64_t>(dims);
  const std::int64_t first = static_cast<std::int64_t>(top_) - pairs;
  if (dims < 0 || !CheckRange(first, pairs + 1)) {
    if (dims < 0) Fault();
    return;
  }
  Charge(pairs);
  Word offset = 0;
  for (std::int64_t p = first + 1; p < top_; p += 2) {
    const Word index = memory_[p];
    const Word extent = memory_[p + 1];
    offset = WrapAdd(WrapMul(offset, extent), index);
  }
  memory_[first] = WrapAdd(memory_[first], WrapMul(size, offset));
  top_ = static_cast<Word>(first);
}

void Interpretador::OpStoreN() {
  const Word n = Operand(1);
  const std::int64_t addressSlot = static_cast<std::int64_t>(top_) - n;
  if (n < 0) {
    Fault();
    return;
  }
  if (!CheckRange(addressSlot, static_cast<std::int64_t>(n) + 1)) return;
  const Word address = memory_[addressSlot];
  if (!CheckRange(address, n)) return;
  std::memmove(memory_ + address, memory_ + addressSlot + 1, static_cast<std::size_t>(n) * sizeof(Word));
  Charge(n);
  top_ = static_cast<Word>(addressSlot - 1);
}

void Interpretador::OpLoadN() {
  const Word n = Operand(1);
  const Word address = Pop();
  const std::int64_t destination = static_cast<std::int64_t>(top_) + 1;
  if (n < 0) {
    Fault();
    return;
  }
  if (!CheckRange(address, n) || !CheckRange(destination, n)) return;
  std::memmove(memory_ + destination, memory_ + address, static_cast<std::size_t>(n) * sizeof(Word));
  Charge(n);
  top_ = static_cast<Word>(destination + n - 1);
}

void Interpretador::OpDup() {
  const Word n = Operand(1);
  if (n <= 0) return;
  const Word value = Top();
  const std::int64_t destination = static_cast<std::int64_t>(top_) + 1;
  if (!running_ || !CheckRange(destination, n)) return;
  std::fill(memory_ + destination, memory_ + destination + n, value);
  Charge(n);
  top_ = static_cast<Word>(destination + n - 1);
}

void Interpretador::OpPushN() {
  const Word n = Operand(1);
  const std::int64_t source = static_cast<std::int64_t>(pc_) + 2;
  const std::int64_t destination = static_cast<std::int64_t>(top_) + 1;
  // The inline words belong to the code.
  if (n < 0 || source + n > std::min<std::int64_t>(wordCount_, kProgramMemoryWords)) {
    Fault();
    return;
  }
  // (Only read: no CheckRange, which would count as a write into the code.)
  if (!CheckRange(destination, n)) return;
  std::memmove(memory_ + destination, memory_ + source, static_cast<std::size_t>(n) * sizeof(Word));
  Charge(n);
  top_ = static_cast<Word>(destination + n - 1);
  pc_ = static_cast<Word>(source + n);
}

void Interpretador::OpPopEq() {
  const Word n = Operand(1);
  const Word value = Top();
  for (Word count = 0; count < n; ++count) {
    if (static_cast<std::uint32_t>(top_) >= static_cast<std::uint32_t>(kProgramMemoryWords) ||
        memory_[top_] != value) {
      break;
    }
    --top_;
  }
  Charge(n);
}

}  // namespace kau
