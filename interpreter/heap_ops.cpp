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
  if (heap_.WordsFrom(a, k) < n) {
    Fault();
    return nullptr;
  }
  return heap_.At(a, k);
}

void Interpretador::ReadStringAt(Word a, Word k, std::string& out, Word max) {
  out.clear();
  if (a > 0) {
    ReadStringVariable(static_cast<Word>(static_cast<std::int64_t>(a) + k), out, max);
    return;
  }
  Word* first = HeapAwareSpan(a, k, 1);
  if (!first) return;
  const Word limit = std::min({max, static_cast<Word>(kMaxStringLength), heap_.WordsFrom(a, k)});
  for (Word i = 0; i < limit && first[i] != kStringEnd; ++i) out.push_back(static_cast<char>(first[i] & 0xFF));
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
  std::memmove(destination, memory_ + pairSlot + 2, static_cast<std::size_t>(n) * sizeof(Word));
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
  std::memmove(memory_ + destination, source, static_cast<std::size_t>(n) * sizeof(Word));
  Charge(n);
  top_ = static_cast<Word>(destination + n - 1);
}

void Interpretador::OpStoreStrH() {
  PopStackString(work_);
  const Word k = Pop();
  const Word a = Pop();
  StoreStringAt(a, k, work_, Operand(1));
}

void Interpretador::OpLoadStrH() {
  const Word k = Pop();
  const Word a = Pop();
  ReadStringAt(a, k, work_, Operand(1));
  PushNormalString(work_);
}

}  // namespace kau
