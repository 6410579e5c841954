// NEW, DISPOSE and the instructions that reach a variable through a
// heap-aware pair (a, k): a heap block's word k when a is a handle, memory
// word a + k when a is an address (a pointer taken with @).
#include <algorithm>
#include <cstring>

#include "interpreter/interpretador.h"

namespace kau {

Word* Interpretador::HeapAwareSpan(Word a, Word k, Word n) {
  if (n < 0 || a == 0) {  // a == 0 is NIL
    Fault();
    return nullptr;
  }
  if (a > 0) {
    const std::int64_t address = static_cast<std::int64_t>(a) + k;
    return CheckRange(address, n) ? memory_ + address : nullptr;
  }
  if (n == 0) return &scratch_;
  Word* span = heap_.Span(a, k, n);
  if (!span) Fault();
  return span;
}

int Interpretador::ReadStringWordsAt(Word a, Word k, Word max, Word* chars) {
  if (a > 0) return ReadStringWords(static_cast<Word>(static_cast<std::int64_t>(a) + k), max, chars);
  const Word* first = HeapAwareSpan(a, k, 1);
  if (!first) return 0;
  const Word limit = std::min({max, static_cast<Word>(kMaxStringLength), heap_.WordsFrom(a, k)});
  int n = 0;
  while (n < limit && first[n] != kStringEnd) {
    chars[n] = first[n] & 0xFF;
    ++n;
  }
  return n;
}

void Interpretador::StoreStringAt(Word a, Word k, const std::string& chars, Word max) {
  if (a > 0) {
    StoreString(static_cast<Word>(static_cast<std::int64_t>(a) + k), chars, max);
    return;
  }
  const Word n = std::clamp<Word>(static_cast<Word>(chars.size()), 0, std::max<Word>(max, 0));
  const bool endMark = n < max;
  Word* out = HeapAwareSpan(a, k, n + (endMark ? 1 : 0));
  if (!out) return;
  for (Word i = 0; i < n; ++i) out[i] = static_cast<unsigned char>(chars[static_cast<std::size_t>(i)]);
  if (endMark) out[n] = kStringEnd;
}

void Interpretador::OpNew() {
  const Word handle = heap_.Allocate(Operand(1));
  Charge(Operand(1));
  if (handle == 0) Fault();
  Push(handle);
}

void Interpretador::OpDispose() {
  const Word handle = Pop();
  if (handle != 0 && !heap_.Free(handle)) Fault();
}

void Interpretador::OpStoreNH() {
  const Word n = Operand(1);
  const std::int64_t pairSlot = static_cast<std::int64_t>(top_) - n - 1;
  if (n < 0) {
    Fault();
    return;
  }
  if (!CheckRange(pairSlot, static_cast<std::int64_t>(n) + 2)) return;
  Word* destination = HeapAwareSpan(memory_[pairSlot], memory_[pairSlot + 1], n);
  if (!destination) return;
  // Most stores through a pointer move one word.
  if (n == 1) *destination = memory_[pairSlot + 2];
  else std::memmove(destination, memory_ + pairSlot + 2, static_cast<std::size_t>(n) * sizeof(Word));
  Charge(n);
  top_ = static_cast<Word>(pairSlot - 1);
}

void Interpretador::OpLoadNH() {
  const Word n = Operand(1);
  const Word k = Pop();
  const Word a = Pop();
  const Word* source = HeapAwareSpan(a, k, n);
  const std::int64_t destination = static_cast<std::int64_t>(top_) + 1;
  if (!source || !CheckRange(destination, n)) return;
  if (n == 1) memory_[destination] = *source;
  else std::memmove(memory_ + destination, source, static_cast<std::size_t>(n) * sizeof(Word));
  Charge(n);
  top_ = static_cast<Word>(destination + n - 1);
}

void Interpretador::OpStoreStrH() {
  const Word max = Operand(1);
  const std::int64_t top = top_;
  const std::int64_t mark = StringMarkBelow(top);
  // The common case, NIL or a heap block as the destination, copies from
  // the stack directly; a memory destination may lie over the characters.
  if (mark >= 2 && memory_[mark - 2] <= 0) {
    const Word a = memory_[mark - 2];
    const Word k = memory_[mark - 1];
    const std::int64_t length = top - mark;
    const Word kept = static_cast<Word>(std::clamp<std::int64_t>(length, 0, std::max<Word>(max, 0)));
    const bool endMark = kept < max;
    Charge(length);
    top_ = mark - 3;
    if (Word* out = HeapAwareSpan(a, k, kept + (endMark ? 1 : 0))) StoreStackString(top, out, kept, endMark);
    return;
  }
  PopStackString(work_);
  const Word k = Pop();
  const Word a = Pop();
  StoreStringAt(a, k, work_, max);
}

void Interpretador::OpLoadStrH() {
  const Word k = Pop();
  const Word a = Pop();
  Word chars[kMaxStringLength];
  const int n = ReadStringWordsAt(a, k, Operand(1), chars);
  PushStringWords(chars, n, false);
}

}  // namespace kau
