// The code array that the translator fills and the interpreter runs, the
// writers the translator emits through, and the translation step that the
// compiler driver calls after an accepted parse.
#pragma once

#include <cstdint>
#include <string>

#include "compiler/word_code.h"

namespace kau {

// The one array of code, frames and expression stack. The compiler writes the
// code from word 0; the interpreter uses the words above it. Nothing clears
// it between a compilation and its run.
extern Word ProgramMemory[kProgramMemoryWords];

// Appends code at the next free word. A write that would pass the end of
// ProgramMemory is dropped and remembered (Overflowed), never performed.
class CodeBuffer {
 public:
  // Index of the next free code word.
  int CodeCounter() const { return counter_; }
  void SetCodeCounter(int index) { counter_ = index; }

  // Each returns the index of the opcode word.
  int Emit1(Word op);
  int Emit2(Word op, Word a);
  int Emit3(Word op, Word a, Word b);
  int Emit4(Word op, Word a, Word b, Word c);

  void PatchCode(int index, Word value);
  Word ReadCode(int index) const;

  // Removes the count words at index at and moves the code after them down.
  // The moved code's jumps to places at or after its old start, and its
  // calls, are adjusted; no code before the removed words may jump past them.
  void RemoveWords(int at, int count);

  // True once a write was refused because the code would not fit.
  bool Overflowed() const { return overflowed_; }

 private:
  void put(Word w);
  int counter_ = 0;
  bool overflowed_ = false;
};

// Translates the parsed program (ProductionList and ValueQueue of the parser,
// the symbol and real tables of the lexer) into ProgramMemory. Returns the
// semantic error flag: 0 success, 1 after the first semantic error (or an
// internal fault). On success the code occupies words 0 to GetCodeCounter()-1
// and OP_HALT stands at GetCodeCounter().
int GenerateCode();

// The state GenerateCode left: the index of the OP_HALT word (the word count
// handed to the interpreter is this plus one).
int GetCodeCounter();
std::string GetSemanticMessage();     // code page 1252
std::int32_t GetSemanticErrorLine();

}  // namespace kau
