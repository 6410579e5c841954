// The dispatch loop: one handler per opcode. The short handlers are written
// here in place; the longer ones are member functions in the files of their
// group. With GCC or clang each handler ends in its own indirect jump through
// a table of label addresses; otherwise the loop is a switch.
#include <atomic>
#include <climits>
#include <cstdint>

#include "interpreter/interpretador.h"
#include "interpreter/runtime_errors.h"
#include "interpreter/word_arithmetic.h"

#if defined(__GNUC__) && !defined(KAU_SWITCH_DISPATCH)
#define KAU_THREADED_DISPATCH 1
#else
#define KAU_THREADED_DISPATCH 0
#endif

namespace kau {

namespace {

// Every opcode in numeric order; checked below against the opcode values.
#define KAU_OPCODE_LIST(X) \
  X(OP_ABS) X(OP_ADDI) X(OP_ADDR) X(OP_CONCAT) X(OP_CONCATARG) X(OP_AND) X(OP_APPEND) \
  X(OP_ARCTAN) X(OP_STOREN) X(OP_STORESTR) X(OP_TEXTBACKGROUND) X(OP_CASERANGE) X(OP_GTI) \
  X(OP_GEI) X(OP_GER) X(OP_GES) X(OP_GTR) X(OP_GTS) X(OP_ELEMADDR) X(OP_CALL) X(OP_CHARTOSTR) \
  X(OP_INTTOREAL) X(OP_DUP) X(OP_CLOSE) X(OP_CLRSCR) X(OP_COS) X(OP_DEC) X(OP_DELAY) X(OP_NEI) \
  X(OP_NER) X(OP_NES) X(OP_DIVI) X(OP_DIVR) X(OP_JMPF) X(OP_RETF) X(OP_RET) X(OP_HALT) \
  X(OP_FLUSHIN) X(OP_EQI) X(OP_EQR) X(OP_EQS) X(OP_EXP) X(OP_EOF) X(OP_ADDK) X(OP_STRTOBLOCK) \
  X(OP_GROW) X(OP_PUSH) X(OP_RESERVE) X(OP_JMP) X(OP_GOTOXY) X(OP_INC) X(OP_CHKINDEX) \
  X(OP_LENGTH) X(OP_LTI) X(OP_LEI) X(OP_LER) X(OP_LES) X(OP_LTR) X(OP_LTS) X(OP_POP) X(OP_POPEQ) \
  X(OP_LN) X(OP_NEGI) X(OP_NEGR) X(OP_MOD) X(OP_MULI) X(OP_MULR) X(OP_NOT) X(OP_ODD) X(OP_OR) \
  X(OP_PRED) X(OP_ENTER) X(OP_RANDOM) X(OP_READ) X(OP_READF) X(OP_READSTRF) X(OP_READKEY) \
  X(OP_READSTR) X(OP_PUSH2) X(OP_RESET) X(OP_PUSHSTRVAR) X(OP_REWRITE) X(OP_ROUND) X(OP_SIN) \
  X(OP_SQR) X(OP_SQRT) X(OP_PUSHN) X(OP_VAL) X(OP_SUBI) X(OP_SUBR) X(OP_SUCC) X(OP_TEXTCOLOR) \
  X(OP_TRUNC) X(OP_UPCASE) X(OP_LOADN) X(OP_LOADSTR) X(OP_LOADADDR) X(OP_LOADVAL) X(OP_WRITE) \
  X(OP_WRITEF) X(OP_WRITESTRF) X(OP_WRITEW) X(OP_WRITEWF) X(OP_WRITERWD) X(OP_WRITERWDF) \
  X(OP_WRITESTRWF) X(OP_CHKENUM) X(OP_NEW) X(OP_DISPOSE) X(OP_STORENH) X(OP_LOADNH) \
  X(OP_STORESTRH) X(OP_LOADSTRH)

#define KAU_OPCODE_VALUE(op) op,
constexpr Word kOpcodeOrder[] = {KAU_OPCODE_LIST(KAU_OPCODE_VALUE)};
#undef KAU_OPCODE_VALUE

constexpr bool opcodeListInOrder() {
  if (sizeof kOpcodeOrder / sizeof kOpcodeOrder[0] != kOpcodeCount) return false;
  for (int i = 0; i < kOpcodeCount; ++i) {
    if (kOpcodeOrder[i] != i) return false;
  }
  return true;
}
static_assert(opcodeListInOrder(), "the handler table must follow the opcode numbers");

}  // namespace

constexpr std::int64_t kMemoryWords = kProgramMemoryWords;

template <bool kCounted>
void Interpretador::Execute() {
  std::atomic<bool>& interrupted = console::interruptFlag();
  Word op = 0;
  // The registers live in locals, which the compiler keeps in machine
  // registers. They are written to the members before every handler, so that
  // a handler may work on the members; after such a handler NEXT and JUMPED
  // read them back. The short ways of the hot handlers work on the locals
  // and continue with FAST_NEXT and FAST_JUMPED.
  Word* const mem = memory_;
  std::int64_t pc = pc_;
  std::int64_t top = top_;
#define KAU_SAVE() (pc_ = pc, top_ = top)
#define KAU_LOAD() (pc = pc_, top = top_)

// Before every instruction: the running flag, Ctrl+C, the budget of a
// counted run, pc inside the code and a known opcode.
#define KAU_CHECK_AND_FETCH()                                                                     \
  if (!running_) goto finished;                                                                   \
  if (interrupted.load(std::memory_order_relaxed)) goto interrupted_by_user;                       \
  if constexpr (kCounted) {                                                                        \
    if (--budget_ < 0) goto finished;                                                              \
  }                                                                                                \
  if (static_cast<std::uint64_t>(pc) >= static_cast<std::uint64_t>(codeLimit_)) {                 \
    Fault();                                                                                       \
    goto finished;                                                                                 \
  }                                                                                                \
  op = mem[pc];                                                                                    \
  if (static_cast<std::uint32_t>(op) >= static_cast<std::uint32_t>(kOpcodeCount)) {                \
    RaiseRuntimeError(kErrorBadInstruction);                                                       \
    goto finished;                                                                                 \
  }

// A handler may run the instruction `offset` words ahead itself when the
// checks made before every instruction pass for it: still running, no Ctrl+C,
// budget left, inside the code. Its opcode is compared by the handler.
#define KAU_MAY_RUN_AHEAD(offset)                                                         \
  (running_ && !interrupted.load(std::memory_order_relaxed) && (!kCounted || budget_ > 0) && \
   pc + (offset) < codeLimit_)
#define KAU_RUNS_AHEAD()             \
  do {                               \
    if constexpr (kCounted) --budget_; \
  } while (0)

#if KAU_THREADED_DISPATCH
#define KAU_LABEL_ADDRESS(name) &&handle_##name,
  static const void* const kHandlers[kOpcodeCount] = {KAU_OPCODE_LIST(KAU_LABEL_ADDRESS)};
#undef KAU_LABEL_ADDRESS
#define HANDLER(name) handle_##name:
#define KAU_DISPATCH()    \
  KAU_CHECK_AND_FETCH()   \
  KAU_SAVE();             \
  goto* kHandlers[op];
#define NEXT(words)         \
  do {                      \
    KAU_LOAD();             \
    pc += (words);          \
    KAU_DISPATCH()          \
  } while (0)
#define JUMPED()            \
  do {                      \
    KAU_LOAD();             \
    KAU_DISPATCH()          \
  } while (0)
#define FAST_NEXT(words)    \
  do {                      \
    pc += (words);          \
    KAU_DISPATCH()          \
  } while (0)
#define FAST_JUMPED() \
  do {                \
    KAU_DISPATCH()    \
  } while (0)
  KAU_DISPATCH()
  {
#else
#define HANDLER(name) case name:
// (No do-while here: `continue` must reach the loop of the dispatch.)
#define NEXT(words)   \
  {                   \
    KAU_LOAD();       \
    pc += (words);    \
  }                   \
  continue
#define JUMPED() \
  {              \
    KAU_LOAD();  \
  }              \
  continue
#define FAST_NEXT(words) \
  {                      \
    pc += (words);       \
  }                      \
  continue
#define FAST_JUMPED() continue
  for (;;) {
    KAU_CHECK_AND_FETCH()
    KAU_SAVE();
    switch (op) {
#endif

    // Integers and booleans ------------------------------------------------
// The short way of an operator on the two top words x (top) and y (below),
// when both lie in memory: y becomes the expression.
#define KAU_FAST_BINARY(expression)                  \
  if (top >= 1 && top < kMemoryWords) {              \
    const Word x = mem[top];                         \
    Word& y = mem[top - 1];                          \
    y = (expression);                                \
    --top;                                           \
    FAST_NEXT(1);                                    \
  }
// A comparison followed by JMPF, as in every IF, WHILE and FOR: the jump is
// taken on the comparison's result without storing it.
#define KAU_FAST_COMPARISON(expression)                                  \
  if (top >= 1 && top < kMemoryWords) {                                  \
    const Word x = mem[top];                                             \
    const Word y = mem[top - 1];                                         \
    const Word result = (expression);                                    \
    if (mem[pc + 1] == OP_JMPF && KAU_MAY_RUN_AHEAD(1)) {                \
      KAU_RUNS_AHEAD();                                                  \
      top -= 2;                                                          \
      pc = result != 1 ? mem[pc + 2] : pc + 3;                           \
      FAST_JUMPED();                                                     \
    }                                                                    \
    mem[top - 1] = result;                                               \
    --top;                                                               \
    FAST_NEXT(1);                                                        \
  }
    HANDLER(OP_ADDI) { KAU_FAST_BINARY(WrapAdd(y, x)) const Word x = Pop(); Word& y = Top(); y = WrapAdd(y, x); } NEXT(1);
    HANDLER(OP_SUBI) { KAU_FAST_BINARY(WrapSub(y, x)) const Word x = Pop(); Word& y = Top(); y = WrapSub(y, x); } NEXT(1);
    HANDLER(OP_MULI) { KAU_FAST_BINARY(WrapMul(y, x)) const Word x = Pop(); Word& y = Top(); y = WrapMul(y, x); } NEXT(1);
    HANDLER(OP_DIVI) {
      if (top >= 1 && top < kMemoryWords && mem[top] != 0 && !(mem[top] == -1 && mem[top - 1] == INT_MIN)) {
        mem[top - 1] /= mem[top];
        --top;
        FAST_NEXT(1);
      }
      const Word x = Pop();
      Word& y = Top();
      if (x == 0) RaiseRuntimeError(kErrorDivisionByZero);
      else if (x == -1 && y == INT_MIN) Fault();
      else y /= x;
    } NEXT(1);
    HANDLER(OP_MOD) {
      if (top >= 1 && top < kMemoryWords && mem[top] != 0 && !(mem[top] == -1 && mem[top - 1] == INT_MIN)) {
        mem[top - 1] %= mem[top];
        --top;
        FAST_NEXT(1);
      }
      const Word x = Pop();
      Word& y = Top();
      if (x == 0 || (x == -1 && y == INT_MIN)) Fault();
      else y %= x;
    } NEXT(1);
    HANDLER(OP_NEGI) { Word& x = Top(); x = WrapNeg(x); } NEXT(1);
    HANDLER(OP_ADDK) { Word& x = Top(); x = WrapAdd(x, Operand(1)); } NEXT(2);
    HANDLER(OP_SUCC) { Word& x = Top(); x = WrapAdd(x, 1); } NEXT(1);
    HANDLER(OP_PRED) { Word& x = Top(); x = WrapSub(x, 1); } NEXT(1);
    HANDLER(OP_ODD) { Word& x = Top(); x = x & 1; } NEXT(1);
    HANDLER(OP_ABS) {
      if (Operand(1) == 1) {
        Word& x = Top();
        if (x < 0) x = WrapNeg(x);
      } else {
        const double x = PopReal();
        PushReal(x < 0 ? -x : x);
      }
    } NEXT(2);
    HANDLER(OP_SQR) {
      if (Operand(1) == 1) {
        Word& x = Top();
        x = WrapMul(x, x);
      } else {
        const double x = PopReal();
        PushReal(x * x);
      }
    } NEXT(2);
    HANDLER(OP_NOT) {
      if (top >= 0 && top < kMemoryWords) {
        mem[top] = mem[top] == 0 ? 1 : 0;
        FAST_NEXT(1);
      }
      Word& x = Top(); x = x == 0 ? 1 : 0; } NEXT(1);
    HANDLER(OP_AND) { KAU_FAST_BINARY(y != 0 ? x : y) const Word x = Pop(); Word& y = Top(); if (y != 0) y = x; } NEXT(1);
    HANDLER(OP_OR) { KAU_FAST_BINARY(y == 0 ? x : y) const Word x = Pop(); Word& y = Top(); if (y == 0) y = x; } NEXT(1);
    HANDLER(OP_EQI) { KAU_FAST_COMPARISON(y == x) const Word x = Pop(); Word& y = Top(); y = y == x; } NEXT(1);
    HANDLER(OP_NEI) { KAU_FAST_COMPARISON(y != x) const Word x = Pop(); Word& y = Top(); y = y != x; } NEXT(1);
    HANDLER(OP_LTI) { KAU_FAST_COMPARISON(y < x) const Word x = Pop(); Word& y = Top(); y = y < x; } NEXT(1);
    HANDLER(OP_LEI) { KAU_FAST_COMPARISON(y <= x) const Word x = Pop(); Word& y = Top(); y = y <= x; } NEXT(1);
    HANDLER(OP_GTI) { KAU_FAST_COMPARISON(y > x) const Word x = Pop(); Word& y = Top(); y = y > x; } NEXT(1);
    HANDLER(OP_GEI) { KAU_FAST_COMPARISON(y >= x) const Word x = Pop(); Word& y = Top(); y = y >= x; } NEXT(1);
    HANDLER(OP_CASERANGE) {
      const Word hi = Pop();
      const Word lo = Pop();
      Word& selector = Top();
      selector = (lo <= selector && selector <= hi) ? 0 : 1;
    } NEXT(1);
    HANDLER(OP_CHKINDEX) {
      if (top >= 0 && top + 1 < kMemoryWords && mem[pc + 1] <= mem[top] && mem[top] <= mem[pc + 2]) {
        const Word lo = mem[pc + 1];
        const Word hi = mem[pc + 2];
        mem[top] = WrapSub(mem[top], lo);
        mem[top + 1] = WrapAdd(WrapSub(hi, lo), 1);
        ++top;
        // Followed by ELEMADDR 1, as for every index of a one-dimension array.
        if (mem[pc + 3] == OP_ELEMADDR && mem[pc + 4] == 1 && top >= 2 && KAU_MAY_RUN_AHEAD(3)) {
          KAU_RUNS_AHEAD();
          Word& base = mem[top - 2];
          base = WrapAdd(base, WrapMul(mem[pc + 5], mem[top - 1]));
          top -= 2;
          FAST_NEXT(6);
        }
        FAST_NEXT(3);
      }
      const Word lo = Operand(1);
      const Word hi = Operand(2);
      Word& x = Top();
      if (lo <= x && x <= hi) x = WrapSub(x, lo);
      else RaiseRuntimeError(kErrorIndexOutOfRange, x);
      Push(WrapAdd(WrapSub(hi, lo), 1));
    } NEXT(3);
    HANDLER(OP_CHKENUM) {
      const Word x = Top();
      if (x < Operand(1) || x > Operand(2)) RaiseRuntimeError(kErrorBadEnumeration);
    } NEXT(3);
    HANDLER(OP_INC) {
      if (top >= 0 && top < kMemoryWords && static_cast<std::uint32_t>(mem[top]) < kMemoryWords) {
        Word& w = mem[mem[top--]];
        w = WrapAdd(w, 1);
        FAST_NEXT(1);
      }
      Word& w = At(Pop()); w = WrapAdd(w, 1); } NEXT(1);
    HANDLER(OP_DEC) { Word& w = At(Pop()); w = WrapSub(w, 1); } NEXT(1);
    HANDLER(OP_RANDOM) { OpRandom(); } NEXT(1);

    // Reals and math -------------------------------------------------------
    // The real operators but "/" are written out here, where the word pairs
    // can stay in registers.
#define KAU_REAL_ARITHMETIC(op)                                          \
  {                                                                      \
    if (top >= 3 && top < kMemoryWords) {                                \
      const double y = RealFromWords(mem[top - 1], mem[top]);            \
      const double x = RealFromWords(mem[top - 3], mem[top - 2]);        \
      RealToWords(x op y, mem[top - 3], mem[top - 2]);                   \
      top -= 2;                                                          \
      FAST_NEXT(1);                                                      \
    }                                                                    \
    const double y = PopReal();                                          \
    const double x = PopReal();                                          \
    PushReal(x op y);                                                    \
  }
#define KAU_REAL_COMPARISON(op)                                          \
  {                                                                      \
    if (top >= 3 && top < kMemoryWords) {                                \
      const double y = RealFromWords(mem[top - 1], mem[top]);            \
      const double x = RealFromWords(mem[top - 3], mem[top - 2]);        \
      mem[top - 3] = x op y;                                             \
      top -= 3;                                                          \
      FAST_NEXT(1);                                                      \
    }                                                                    \
    const double y = PopReal();                                          \
    const double x = PopReal();                                          \
    Push(x op y);                                                        \
  }
    HANDLER(OP_ADDR) KAU_REAL_ARITHMETIC(+) NEXT(1);
    HANDLER(OP_SUBR) KAU_REAL_ARITHMETIC(-) NEXT(1);
    HANDLER(OP_MULR) KAU_REAL_ARITHMETIC(*) NEXT(1);
    HANDLER(OP_DIVR) { OpRealBinary(OP_DIVR); } NEXT(1);
    HANDLER(OP_EQR) KAU_REAL_COMPARISON(==) NEXT(1);
    HANDLER(OP_NER) KAU_REAL_COMPARISON(!=) NEXT(1);
    HANDLER(OP_LTR) KAU_REAL_COMPARISON(<) NEXT(1);
    HANDLER(OP_LER) KAU_REAL_COMPARISON(<=) NEXT(1);
    HANDLER(OP_GTR) KAU_REAL_COMPARISON(>) NEXT(1);
    HANDLER(OP_GER) KAU_REAL_COMPARISON(>=) NEXT(1);
#undef KAU_REAL_ARITHMETIC
#undef KAU_REAL_COMPARISON
    HANDLER(OP_NEGR) { PushReal(-PopReal()); } NEXT(1);
    HANDLER(OP_INTTOREAL) {
      if (mem[pc + 1] == 2 && top >= 0 && top + 1 < kMemoryWords) {  // the right operand
        RealToWords(static_cast<double>(mem[top]), mem[top], mem[top + 1]);
        ++top;
        FAST_NEXT(2);
      }
      if (Operand(1) == 2) PushReal(static_cast<double>(Pop()));
      else OpIntToReal();
    } NEXT(2);
    HANDLER(OP_ROUND) { OpRound(); } NEXT(2);
    HANDLER(OP_TRUNC) { OpTrunc(); } NEXT(1);
    HANDLER(OP_ARCTAN) { OpMath(OP_ARCTAN); } NEXT(2);
    HANDLER(OP_COS) { OpMath(OP_COS); } NEXT(2);
    HANDLER(OP_SIN) { OpMath(OP_SIN); } NEXT(2);
    HANDLER(OP_EXP) { OpMath(OP_EXP); } NEXT(2);
    HANDLER(OP_LN) { OpMath(OP_LN); } NEXT(2);
    HANDLER(OP_SQRT) { OpMath(OP_SQRT); } NEXT(2);
    HANDLER(OP_VAL) { OpVal(); } NEXT(2);

    // Stack and memory ----------------------------------------------------
    HANDLER(OP_PUSH) {
      if (top + 1 >= 0 && top + 1 < kMemoryWords) {
        mem[++top] = mem[pc + 1];
        FAST_NEXT(2);
      }
      Push(Operand(1));
    } NEXT(2);
    HANDLER(OP_PUSH2) { const Word low = Operand(1); Push(Operand(2)); Push(low); } NEXT(3);
    HANDLER(OP_PUSHN) { OpPushN(); } JUMPED();
    HANDLER(OP_POP) { Pop(); } NEXT(1);
    HANDLER(OP_POPEQ) { OpPopEq(); } NEXT(2);
    HANDLER(OP_DUP) {
      if (mem[pc + 1] == 1 && top >= 0 && top + 1 < kMemoryWords) {
        mem[top + 1] = mem[top];
        ++top;
        FAST_NEXT(2);
      }
      OpDup();
    } NEXT(2);
    HANDLER(OP_RESERVE) { if (Operand(1) > 0) top_ = WrapAdd(top_, Operand(1)); } NEXT(2);
    HANDLER(OP_LOADADDR) {
      if (mem[pc + 1] <= 0 && top + 1 >= 0 && top + 1 < kMemoryWords) {  // a local
        const Word address = WrapAdd(static_cast<Word>(base_), mem[pc + 2]);
        mem[++top] = address;
        // Followed by LOADN 1, as for every variable read: its value.
        if (mem[pc + 3] == OP_LOADN && mem[pc + 4] == 1 && static_cast<std::uint32_t>(address) < kMemoryWords &&
            KAU_MAY_RUN_AHEAD(3)) {
          KAU_RUNS_AHEAD();
          mem[top] = mem[address];
          FAST_NEXT(5);
        }
        // Or by LOADN 2: the value of a local real.
        if (mem[pc + 3] == OP_LOADN && mem[pc + 4] == 2 && static_cast<std::uint32_t>(address) < kMemoryWords - 1 &&
            top + 1 < kMemoryWords && KAU_MAY_RUN_AHEAD(3)) {
          KAU_RUNS_AHEAD();
          const Word high = mem[address];
          const Word low = mem[address + 1];
          mem[top] = high;
          mem[++top] = low;
          FAST_NEXT(5);
        }
        FAST_NEXT(3);
      }
      Push(WrapAdd(Frame(Operand(1)), Operand(2))); } NEXT(3);
    HANDLER(OP_LOADVAL) {
      if (mem[pc + 1] <= 0 && top + 1 >= 0 && top + 1 < kMemoryWords) {  // a local VAR parameter
        const std::uint32_t address = static_cast<std::uint32_t>(WrapAdd(static_cast<Word>(base_), mem[pc + 2]));
        if (address < kMemoryWords) {
          mem[++top] = mem[address];
          FAST_NEXT(3);
        }
      }
      Push(At(WrapAdd(Frame(Operand(1)), Operand(2)))); } NEXT(3);
    HANDLER(OP_LOADN) {
      if (mem[pc + 1] == 1 && top >= 0 && top < kMemoryWords && static_cast<std::uint32_t>(mem[top]) < kMemoryWords) {
        mem[top] = mem[mem[top]];
        FAST_NEXT(2);
      }
      if (Operand(1) == 1) {  // the common case of one word
        Word& x = Top();
        x = At(x);
      } else if (Operand(1) == 2 && top >= 0 && top < kMemoryWords - 1 &&
                 static_cast<std::uint32_t>(mem[top]) < kMemoryWords - 1) {
        // A real: both words are read before the address is overwritten.
        const Word address = mem[top];
        const Word high = mem[address];
        const Word low = mem[address + 1];
        mem[top] = high;
        mem[++top] = low;
        FAST_NEXT(2);
      } else {
        OpLoadN();
      }
    } NEXT(2);
    HANDLER(OP_STOREN) {
      if (mem[pc + 1] == 1 && top >= 1 && top < kMemoryWords &&
          static_cast<std::uint32_t>(mem[top - 1]) < kMemoryWords) {
        mem[mem[top - 1]] = mem[top];
        top -= 2;
        FAST_NEXT(2);
      }
      if (Operand(1) == 1) {
        const Word value = Pop();
        At(Pop()) = value;
      } else if (Operand(1) == 2 && top >= 2 && top < kMemoryWords &&
                 static_cast<std::uint32_t>(mem[top - 2]) < kMemoryWords - 1) {
        const Word address = mem[top - 2];
        const Word high = mem[top - 1];
        const Word low = mem[top];
        mem[address] = high;
        mem[address + 1] = low;
        top -= 3;
        FAST_NEXT(2);
      } else {
        OpStoreN();
      }
    } NEXT(2);
    HANDLER(OP_ELEMADDR) {
      if (mem[pc + 1] == 1 && top >= 2 && top < kMemoryWords) {
        // base, index, extent: one dimension needs no extent.
        Word& base = mem[top - 2];
        base = WrapAdd(base, WrapMul(mem[pc + 2], mem[top - 1]));
        top -= 2;
        FAST_NEXT(3);
      }
      OpElemAddr();
    } NEXT(3);

    // Control ----------------------------------------------------------------
    HANDLER(OP_JMP) {
      pc = mem[pc + 1];
      FAST_JUMPED();
    }
    HANDLER(OP_JMPF) {
      if (top >= 0 && top < kMemoryWords) {
        pc = mem[top--] != 1 ? mem[pc + 1] : pc + 2;
        FAST_JUMPED();
      }
      pc_ = Pop() != 1 ? Operand(1) : pc_ + 2;
    } JUMPED();
    // CALL, RET and RETF take the short way for calls of a sibling or of a
    // routine declared in the caller (levels 0 and 1) and for results of one
    // or two words, when the frame and the stack lie in memory.
    HANDLER(OP_CALL) {
      const Word levels = mem[pc + 1];
      if ((levels == 0 || levels == 1) && base_ >= 0 && base_ < kMemoryWords && top + 1 >= 0 &&
          top + 3 < kMemoryWords && (levels == 0 || mem[base_] < base_)) {
        mem[top + 1] = levels == 0 ? static_cast<Word>(base_) : mem[base_];
        mem[top + 2] = static_cast<Word>(base_);
        mem[top + 3] = WrapAdd(static_cast<Word>(pc), 3);
        top += 3;
        base_ = top - 2;
        pc = WrapAdd(static_cast<Word>(pc), mem[pc + 2]);
        FAST_JUMPED();
      }
      OpCall();
    } JUMPED();
    HANDLER(OP_RET) {
      if (base_ >= 0 && base_ + kReturnAddressOffset < kMemoryWords) {
        const Word frame = static_cast<Word>(base_);
        top = WrapSub(WrapSub(frame, mem[pc + 1]), 1);
        pc = mem[frame + kReturnAddressOffset];
        base_ = mem[frame + kDynamicLinkOffset];
        FAST_JUMPED();
      }
      const Word params = Operand(1);
      const Word frame = base_;
      const Word returnAddress = At(WrapAdd(frame, kReturnAddressOffset));
      const Word dynamicLink = At(WrapAdd(frame, kDynamicLinkOffset));
      top_ = WrapSub(WrapSub(frame, params), 1);
      pc_ = returnAddress;
      base_ = dynamicLink;
    } JUMPED();
    HANDLER(OP_RETF) {
      const Word size = mem[pc + 2];
      const std::int64_t frame = base_;
      const std::int64_t newTop = frame - mem[pc + 1] - 1;
      if (mem[pc + 3] != 1 && (size == 1 || size == 2) && frame >= 0 && frame + 5 < kMemoryWords &&
          newTop + 1 >= 0 && newTop + size < kMemoryWords) {
        const Word high = mem[frame + 4];
        const Word low = mem[frame + 5];
        const Word returnAddress = mem[frame + kReturnAddressOffset];
        const Word dynamicLink = mem[frame + kDynamicLinkOffset];
        mem[newTop + 1] = high;
        if (size == 2) mem[newTop + 2] = low;
        top = newTop + size;
        pc = returnAddress;
        base_ = dynamicLink;
        FAST_JUMPED();
      }
      OpReturnFunction();
    } JUMPED();
    HANDLER(OP_ENTER) {
      top_ = WrapAdd(base_, WrapAdd(Operand(1), kFirstDataOffset));
      if (static_cast<std::int64_t>(top_) + Operand(2) >= kStackLimit) {
        RaiseRuntimeError(kErrorStackOverflow);
      } else {
        pc_ = WrapAdd(pc_, Operand(3));
      }
    } JUMPED();
    HANDLER(OP_GROW) {
      top = WrapAdd(static_cast<Word>(top), mem[pc + 1]);
      if (top + mem[pc + 2] >= kStackLimit) RaiseRuntimeError(kErrorStackOverflow);
    } FAST_NEXT(3);
    HANDLER(OP_HALT) { running_ = false; } JUMPED();
#undef KAU_FAST_BINARY
#undef KAU_FAST_COMPARISON

    // Strings ----------------------------------------------------------------
    HANDLER(OP_CONCAT) { OpConcat(false); } NEXT(2);
    HANDLER(OP_CONCATARG) { OpConcat(true); } NEXT(2);
    HANDLER(OP_EQS) { OpCompareStrings(OP_EQS); } NEXT(2);
    HANDLER(OP_NES) { OpCompareStrings(OP_NES); } NEXT(2);
    HANDLER(OP_LTS) { OpCompareStrings(OP_LTS); } NEXT(2);
    HANDLER(OP_LES) { OpCompareStrings(OP_LES); } NEXT(2);
    HANDLER(OP_GTS) { OpCompareStrings(OP_GTS); } NEXT(2);
    HANDLER(OP_GES) { OpCompareStrings(OP_GES); } NEXT(2);
    HANDLER(OP_LENGTH) {
      PopStackString(work_);
      Push(static_cast<Word>(work_.size()));
    } NEXT(1);
    HANDLER(OP_CHARTOSTR) { const Word c = Pop(); Push(kStringEnd); Push(c); } NEXT(1);
    HANDLER(OP_UPCASE) { OpUpcase(); } NEXT(1);
    HANDLER(OP_STORESTR) {
      PopStackString(work_);
      StoreString(Pop(), work_, Operand(1));
    } NEXT(2);
    HANDLER(OP_LOADSTR) { OpLoadString(false); } NEXT(2);
    HANDLER(OP_PUSHSTRVAR) { OpLoadString(true); } NEXT(2);
    HANDLER(OP_STRTOBLOCK) { OpStrToBlock(); } NEXT(2);

    // Heap ---------------------------------------------------------------------
    HANDLER(OP_NEW) { OpNew(); } NEXT(2);
    HANDLER(OP_DISPOSE) { OpDispose(); } NEXT(1);
    HANDLER(OP_STORENH) { OpStoreNH(); } NEXT(2);
    HANDLER(OP_LOADNH) { OpLoadNH(); } NEXT(2);
    HANDLER(OP_STORESTRH) { OpStoreStrH(); } NEXT(2);
    HANDLER(OP_LOADSTRH) { OpLoadStrH(); } NEXT(2);

    // Console --------------------------------------------------------------------
    HANDLER(OP_WRITE) { OpWrite(false); } NEXT(2);
    HANDLER(OP_WRITEW) { OpWrite(true); } NEXT(2);
    HANDLER(OP_WRITERWD) { OpWriteRealWidthDecimals(); } NEXT(1);
    HANDLER(OP_READ) { OpRead(); } NEXT(2);
    HANDLER(OP_READSTR) { OpReadString(); } NEXT(3);
    HANDLER(OP_READKEY) { OpReadKey(); } NEXT(2);
    HANDLER(OP_FLUSHIN) { OpFlushIn(); } NEXT(1);
    HANDLER(OP_CLRSCR) { console_.clearScreen(); } NEXT(1);
    HANDLER(OP_GOTOXY) { OpGotoXY(); } NEXT(1);
    HANDLER(OP_TEXTCOLOR) { OpTextColor(Operand(1), false); } NEXT(2);
    HANDLER(OP_TEXTBACKGROUND) { OpTextColor(Operand(1), true); } NEXT(2);
    HANDLER(OP_DELAY) { OpDelay(); } NEXT(1);

    // Text files -----------------------------------------------------------------
    HANDLER(OP_RESET) { OpOpenFile(OP_RESET); } NEXT(1);
    HANDLER(OP_REWRITE) { OpOpenFile(OP_REWRITE); } NEXT(1);
    HANDLER(OP_APPEND) { OpOpenFile(OP_APPEND); } NEXT(1);
    HANDLER(OP_CLOSE) { OpCloseFile(); } NEXT(1);
    HANDLER(OP_EOF) { OpEof(); } NEXT(1);
    HANDLER(OP_READF) { OpReadFile(); } NEXT(3);
    HANDLER(OP_READSTRF) { OpReadStringFile(); } NEXT(3);
    HANDLER(OP_WRITEF) { OpWriteFile(OP_WRITEF); } NEXT(2);
    HANDLER(OP_WRITEWF) { OpWriteFile(OP_WRITEWF); } NEXT(2);
    HANDLER(OP_WRITESTRF) { OpWriteFile(OP_WRITESTRF); } NEXT(1);
    HANDLER(OP_WRITERWDF) { OpWriteFile(OP_WRITERWDF); } NEXT(1);
    HANDLER(OP_WRITESTRWF) { OpWriteFile(OP_WRITESTRWF); } NEXT(1);

#if KAU_THREADED_DISPATCH
  }
#else
    }
  }
#endif

interrupted_by_user:
  runtimeErrorFlag_ = true;
  runtimeMessage_ = CtrlCText();
finished:
  running_ = false;
  KAU_SAVE();

#undef KAU_CHECK_AND_FETCH
#undef KAU_SAVE
#undef KAU_MAY_RUN_AHEAD
#undef KAU_RUNS_AHEAD
#undef KAU_LOAD
#undef FAST_NEXT
#undef FAST_JUMPED
#undef HANDLER
#undef NEXT
#undef JUMPED
}

template void Interpretador::Execute<false>();
template void Interpretador::Execute<true>();

}  // namespace kau
