// Hand-assembled programs for the interpreter's tests: OP_ENTER at word 0,
// the instructions from word 4, OP_HALT after the last one.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "compiler/word_code.h"
#include "interpreter/interpretador.h"
#include "tests/interpreter/fake_console.h"

namespace kau::testing {

// The one program memory of the tests (4 MB, kept off the stack).
Word* TestMemory();

class Program {
 public:
  explicit Program(int globals = 0) : code_{OP_ENTER, globals, kProgramHeadroom, 4} {}

  Program& op(std::initializer_list<Word> words) {
    code_.insert(code_.end(), words);
    return *this;
  }
  Program& op(const std::vector<Word>& words) {
    code_.insert(code_.end(), words.begin(), words.end());
    return *this;
  }
  // The index the next instruction will have (for jump targets).
  Word here() const { return static_cast<Word>(code_.size()); }
  // Pushes a string literal in the normal form (first character on top).
  Program& pushString(const std::string& s);
  // Pushes a real constant.
  Program& pushReal(double value);
  // Stores the string literal in the variable at frame word `offset`.
  Program& storeString(Word offset, const std::string& s, Word max);
  Word& at(std::size_t index) { return code_[index]; }
  // The words so far (without the OP_HALT that run adds).
  const std::vector<Word>& words() const { return code_; }

  struct Result {
    std::string output;
    bool error = false;
    std::string message;  // UTF-8
  };
  // Loads the code (plus OP_HALT) into the test memory and runs it.
  Result run(FakeConsole& console, bool consoleRun = false, std::int64_t budget = 0) const;
  Result run(const std::string& input = "") const;

 private:
  std::vector<Word> code_;
};

// The UTF-8 text of a run-time error code (header, "...#", message).
std::string ErrorText(int code, Word value = 0);

}  // namespace kau::testing
