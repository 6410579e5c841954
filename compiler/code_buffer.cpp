#include "compiler/code_buffer.h"

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

}  // namespace kau
