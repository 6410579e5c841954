// The virtual machine that runs the word code of a compiled program on the
// console, with its run-time library: console and file input and output,
// strings, arithmetic and math, the heap, run-time errors and Ctrl+C.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "compiler/word_code.h"
#include "interpreter/lista_alocacao_dinamica.h"
#include "interpreter/open_files.h"
#include "interpreter/word_arithmetic.h"
#include "platform/console/console.h"

namespace kau {

class Interpretador {
 public:
  // `memory` is the program memory of kProgramMemoryWords words (not owned)
  // with the code in its first `wordCount` words; the first frame begins at
  // word `wordCount`. With `consoleRun` the run belongs to the development
  // environment: light green and a cleared window at the start, the wait for
  // Enter and the banner after a normal end.
  Interpretador(Word* memory, int wordCount, bool consoleRun, console::Console& console);
  Interpretador(const Interpretador&) = delete;
  Interpretador& operator=(const Interpretador&) = delete;

  // Runs the program from word 0 until HALT, a run-time error or Ctrl+C.
  void Run();
  bool HasRuntimeError() const { return runtimeErrorFlag_; }
  std::string GetRuntimeMessage() const { return runtimeMessage_; }

  // Stops the run after the current instruction with the text of `code`.
  [[gnu::cold]] void RaiseRuntimeError(int code, Word value = 0);

  // Test hook for fuzzing: when above 0, the run stops (as if HALT) after
  // this many instructions (an instruction that moves many words counts
  // more). Runs with a budget use a separate copy of the dispatch loop, so
  // the loop of a normal run does not count.
  void SetInstructionBudget(std::int64_t instructions) { budget_ = instructions; }
  // Test hook: without fused sequences every instruction runs through its
  // own handler (the reference the fused handlers are compared with).
  void SetFusedSequences(bool on) { fuse_ = on; }

 private:
  template <bool kCounted>
  void Execute();
  void StartOfRun();
  void EndOfRun();
  void Fault() { RaiseRuntimeError(kFaultCode); }
  static constexpr int kFaultCode = 18;
  // No string the compiler puts on the stack is longer (its literals keep at
  // most 256 characters); a longer search for the marker is a fault.
  static constexpr Word kMaxStackStringWords = 4096;
  // Counts the words an instruction moves against the budget of a counted
  // run (unchecked otherwise). A count taken from a bad operand may be
  // negative; it must still use the budget up, never give it back.
  void Charge(std::int64_t words) { budget_ -= static_cast<std::int64_t>(WordMagnitude(words) >> 4); }
  static std::uint64_t WordMagnitude(std::int64_t words) {
    return words < 0 ? 0 - static_cast<std::uint64_t>(words) : static_cast<std::uint64_t>(words);
  }

  // Checked memory access ------------------------------------------------
  // Every write into memory by the run-time library goes through At, Push
  // or a range passed by CheckRange first; they note accesses to the code,
  // whose decoded form the dispatch loop then renews (see NoteCodeAccess).
  // A bad address raises the fault and yields a scratch word.
  Word& At(Word address) {
    if (static_cast<std::uint32_t>(address) < static_cast<std::uint32_t>(kProgramMemoryWords)) [[likely]] {
      if (address < codeLimit_) [[unlikely]] NoteCodeAccess(address, address + 1);
      return memory_[address];
    }
    Fault();
    scratch_ = 0;
    return scratch_;
  }
  // True when the count words from address lie in memory; else the fault.
  bool CheckRange(std::int64_t address, std::int64_t count) {
    if (address >= 0 && count >= 0 && address + count <= kProgramMemoryWords) {
      if (address < codeLimit_) [[unlikely]] NoteCodeAccess(address, address + count);
      return true;
    }
    Fault();
    return false;
  }
  void Push(Word value) {
    const Word next = static_cast<Word>(top_ + 1);
    if (static_cast<std::uint32_t>(next) < static_cast<std::uint32_t>(kProgramMemoryWords)) [[likely]] {
      if (next < codeLimit_) [[unlikely]] NoteCodeAccess(next, next + 1);
      memory_[next] = value;
      top_ = next;
    } else {
      Fault();
    }
  }
  // The words [from, to) may have been written: the decoded form of the
  // code around them is renewed before the next instruction.
  void NoteCodeAccess(std::int64_t from, std::int64_t to);
  // Decodes the positions [from, to) of the code (clamped to the decoded
  // form) into handler addresses of the threaded loop, or into handler
  // numbers when `labels` is null (the switch form).
  void Decode(const void* const* labels, std::int64_t from, std::int64_t to);
  void DecodeTouchedCode(const void* const* labels);
  Word Pop() {
    if (static_cast<std::uint32_t>(top_) < static_cast<std::uint32_t>(kProgramMemoryWords)) [[likely]]
      return memory_[top_--];
    Fault();
    return 0;
  }
  Word& Top() { return At(static_cast<Word>(top_)); }
  Word Operand(int k) const { return memory_[pc_ + k]; }  // pc_ + 3 < memory size
  double PopReal() {
    const Word low = Pop();
    const Word high = Pop();
    return RealFromWords(high, low);
  }
  void PushReal(double value) {
    Word high, low;
    RealToWords(value, high, low);
    Push(high);
    Push(low);
  }
  // base followed through the static links `levels` times.
  Word Frame(Word levels) { return levels <= 0 ? static_cast<Word>(base_) : OuterFrame(levels); }
  Word OuterFrame(Word levels);

  // Strings ----------------------------------------------------------------
  // The index of the nearest string marker at or below `from`, at most
  // kMaxStackStringWords words down; -1 when there is none or `from` lies
  // outside the memory (popping that string would be the fault).
  std::int64_t StringMarkBelow(std::int64_t from) const;
  // An operand of a string instruction as it lies on the stack: its lowest
  // word (a string's marker), its lowest character and its length; the
  // characters go up from `first`.
  struct StackOperand {
    std::int64_t bottom;
    std::int64_t first;
    std::int64_t length;
  };
  // The operand whose top word is `top`: one character word or a stack
  // string; false where popping it would be the fault.
  bool FindStackOperand(std::int64_t top, bool isChar, StackOperand& out) const;
  // The two operands of a string instruction of the mode, right on top.
  bool FindStringOperands(Word mode, StackOperand& left, StackOperand& right) const;
  // Pops a stack string of either form with its marker; its characters as
  // they lie from the top down.
  void PopStackString(std::string& out);
  // The string variable at an address, up to its end mark, at most `max`
  // characters (and at most 255): into `chars` (room for 255), its length.
  int ReadStringWords(Word address, Word max, Word* chars);
  void ReadStringVariable(Word address, std::string& out, Word max = kMaxStringLength);
  // Pushes -1 and the characters, last to first (the first on top) or, in
  // the argument form, first to last.
  void PushStringWords(const Word* chars, std::int64_t count, bool argumentForm);
  void PushNormalString(const std::string& chars);
  void StoreString(Word address, const std::string& chars, Word max);
  // Writes the first `kept` characters of the stack string whose first
  // character lies at `top`, then the end mark when `endMark`.
  void StoreStackString(std::int64_t top, Word* destination, Word kept, bool endMark);
  void OpConcat(bool argumentForm);
  void OpCompareStrings(int opcode);
  void OpLength();
  void OpStoreString();
  void OpStrToBlock();
  void OpLoadString(bool argumentForm);

  // Heap-aware destinations ----------------------------------------------
  // The word of the pair (a, k): a heap word when a is a handle, else
  // memory word a + k. NIL, a disposed block or an unknown handle: the fault.
  // The n words from the pair (a, k), or nullptr after raising the fault.
  Word* HeapAwareSpan(Word a, Word k, Word n);
  void StoreStringAt(Word a, Word k, const std::string& chars, Word max);
  // The string variable of the pair (a, k) as ReadStringWords reads one.
  int ReadStringWordsAt(Word a, Word k, Word max, Word* chars);
  void OpNew();
  void OpDispose();
  void OpStoreNH();
  void OpLoadNH();
  void OpStoreStrH();
  void OpLoadStrH();

  // Calls and blocks of words ------------------------------------------------
  void OpCall();
  void OpReturnFunction();
  void OpElemAddr();
  void OpStoreN();
  void OpLoadN();
  void OpDup();
  void OpPushN();
  void OpPopEq();

  // Arithmetic and math ----------------------------------------------------
  void OpRealBinary(int opcode);
  void OpMath(int opcode);
  // Pushes a whole real as an integer; outside the integer range, or not a
  // number, it is the fault.
  void PushIntegerOf(double integral);
  void OpRound();
  void OpTrunc();
  void OpRandom();
  void OpVal();
  void OpIntToReal();
  void OpUpcase();

  // Console ------------------------------------------------------------------
  // Pops a write item of the type (1 integer, 2 char, 3 boolean, 4 real,
  // 6 string, 7 long) and formats it as WRITE does without a width.
  bool PopItemText(Word type, std::string& out);
  void OpWrite(bool withWidth);
  void OpWriteRealWidthDecimals();
  void OpRead();
  void OpReadString();
  void OpReadKey();
  void OpFlushIn();
  void OpGotoXY();
  void OpTextColor(Word colour, bool background);
  void OpDelay();
  // Writes text padded to a field width (negative: left-aligned) followed by
  // zeros more characters '0'; to a file when `file` is set.
  void WriteField(TextFile* file, const std::string& text, std::int64_t width, std::int64_t zeros = 0);
  // Program output to the console; a console whose output failed ends the
  // run.
  void WriteToConsole(std::string_view cp850);
  [[gnu::cold]] void StopForLostOutput();

  // Text files ---------------------------------------------------------------
  void OpOpenFile(int opcode);
  void OpCloseFile();
  void OpEof();
  void OpReadFile();
  void OpReadStringFile();
  void OpWriteFile(int opcode);
  // The open file of the file variable whose address is on the stack at
  // `depth` words below the top.
  TextFile* FileOfVariableAt(Word depth);
  void StoreScalar(Word a, Word k, bool heapAware, int type, Word value, double real);

  std::uint32_t NextRandom();

  Word* memory_;
  Word wordCount_;
  Word codeLimit_;  // pc must stay below
  // The handler of every code position (plus padding past the code).
  std::vector<std::uintptr_t> decoded_;
  bool fuse_ = true;
  bool fusing_ = true;  // in this run (see DecodeTouchedCode)
  // The ranges [from, to) of code words read or written by the run-time
  // library since the last decoding (apart, so that two words far from
  // each other do not renew all the code between them).
  std::vector<std::pair<std::int64_t, std::int64_t>> codeTouched_;
  // The registers hold word indexes; they are wider than a word only so that
  // the compiler knows that stores into the memory never change them. Where
  // a word is wanted, a register is read as the machine's 32-bit register
  // would be (static_cast<Word>).
  std::int64_t pc_ = 0;
  std::int64_t base_ = 0;
  std::int64_t top_ = 0;
  bool consoleRun_;
  console::Console& console_;
  ListaAlocacaoDinamica heap_;
  OpenFileList files_;

  bool running_ = false;
  bool runtimeErrorFlag_ = false;
  std::string runtimeMessage_;
  std::int64_t budget_ = 0;
  Word scratch_ = 0;
  std::uint32_t randomState_ = 0;
  // What the reads of the current READ or READLN statement left of the
  // keyboard's line: the discard that ends the statement drops the rest of a
  // line only a keyboard read began. A statement that read a file, or a
  // READLN that consumed its line, leaves nothing typed to drop or wait for.
  enum class KeyboardLine { kUntouched, kPartlyRead, kConsumed };
  KeyboardLine keyboardLine_ = KeyboardLine::kUntouched;
  std::string work_;  // reused string buffer
};

}  // namespace kau
