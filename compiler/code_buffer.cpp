#include "compiler/code_buffer.h"

#include <cstring>

namespace kau {

Word ProgramMemory[kProgramMemoryWords];

void CodeBuffer::put(Word w) {
  if (counter_ < 0 || counter_ >= kProgramMemoryWords) {
    overflowed_ = true;
    return;
  }
  ProgramMemory[counter_++] = w;
}

int CodeBuffer::Emit1(Word op) {
  int at = counter_;
  put(op);
  return at;
}

int CodeBuffer::Emit2(Word op, Word a) {
  int at = Emit1(op);
  put(a);
  return at;
}

int CodeBuffer::Emit3(Word op, Word a, Word b) {
  int at = Emit2(op, a);
  put(b);
  return at;
}

int CodeBuffer::Emit4(Word op, Word a, Word b, Word c) {
  int at = Emit3(op, a, b);
  put(c);
  return at;
}

void CodeBuffer::PatchCode(int index, Word value) {
  if (index >= 0 && index < kProgramMemoryWords) ProgramMemory[index] = value;
}

Word CodeBuffer::ReadCode(int index) const {
  return index >= 0 && index < kProgramMemoryWords ? ProgramMemory[index] : 0;
}

void CodeBuffer::RemoveWords(int at, int count) {
  const int from = at + count;
  if (count <= 0 || at < 0 || from > counter_) return;
  for (int i = from; i < counter_;) {
    const Word op = ProgramMemory[i];
    if (!isValidOpcode(op)) break;
    if (op == OP_JMP || op == OP_JMPF) {
      if (ReadCode(i + 1) >= from) PatchCode(i + 1, ReadCode(i + 1) - count);
    } else if (op == OP_CALL) {
      PatchCode(i + 2, ReadCode(i + 2) + count);  // relative to the call, which moves
    }
    const Word inlineWords = op == OP_PUSHN ? ReadCode(i + 1) : 0;
    if (inlineWords < 0) break;
    i += 1 + kOpcodeTable[op].operandCount + inlineWords;
  }
  std::memmove(ProgramMemory + at, ProgramMemory + from, static_cast<std::size_t>(counter_ - from) * sizeof(Word));
  counter_ -= count;
}

}  // namespace kau
