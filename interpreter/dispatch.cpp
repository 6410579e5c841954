// The dispatch loop: one handler per opcode and one per fused sequence. The
// code is decoded once before the run into the handler of every position
// (fused_sequences.h); with GCC or clang each handler ends in its own
// indirect jump to the next position's handler, otherwise the loop is a
// switch on the decoded handler numbers.
//
// The registers pc, top and base live in locals. A handler's short way
// works on them and never fails; anything else (a check that does not pass,
// a longer operation) runs through the member functions after KAU_SAVE and
// continues with NEXT or JUMPED, which read the registers back and see
// whether the run ended or the code was written.
#include <atomic>
#include <climits>
#include <cstdint>

#include "interpreter/fused_sequences.h"
#include "interpreter/interpretador.h"
#include "interpreter/runtime_errors.h"
#include "interpreter/word_arithmetic.h"

// GCC's straight-line vectorizer would keep the registers in vector
// registers to save them together, and then joins every handler's jump
// into one shared indirect jump, which the processor cannot predict.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC optimize("no-tree-slp-vectorize")
#endif

#if defined(__GNUC__) && !defined(KAU_SWITCH_DISPATCH)
#define KAU_THREADED_DISPATCH 1
#else
#define KAU_THREADED_DISPATCH 0
// In the switch form only the handlers that fused sequences fall back to
// are reached by their labels.
#if defined(__GNUC__)
#pragma GCC diagnostic ignored "-Wunused-label"
#endif
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

void Interpretador::Decode(const void* const* labels, std::int64_t from, std::int64_t to) {
  const std::int64_t size = static_cast<std::int64_t>(codeLimit_) + kDecodedPadding;
  if (static_cast<std::int64_t>(decoded_.size()) != size) decoded_.assign(static_cast<std::size_t>(size), 0);
  from = std::max<std::int64_t>(from, 0);
  to = std::min(to, size);
  for (std::int64_t p = from; p < to; ++p) {
    const HandlerId id = DecodeHandler(memory_, p, codeLimit_, fusing_);
    decoded_[static_cast<std::size_t>(p)] =
        labels ? reinterpret_cast<std::uintptr_t>(labels[id]) : static_cast<std::uintptr_t>(id);
  }
}

void Interpretador::NoteCodeAccess(std::int64_t from, std::int64_t to) {
  to = std::min<std::int64_t>(to, codeLimit_);
  if (from >= to) return;
  // One instruction touches a few ranges at most; a run of them on
  // neighbouring words grows the last range.
  if (!codeTouched_.empty()) {
    auto& [lastFrom, lastTo] = codeTouched_.back();
    if (from <= lastTo && to >= lastFrom) {
      lastFrom = std::min(lastFrom, from);
      lastTo = std::max(lastTo, to);
      return;
    }
  }
  codeTouched_.emplace_back(from, to);
}

void Interpretador::DecodeTouchedCode(const void* const* labels) {
  if (fusing_) {
    // Only hand-made code reaches its own words. It runs on without fused
    // sequences, so that each later change renews its own positions only.
    fusing_ = false;
    Decode(labels, 0, static_cast<std::int64_t>(codeLimit_) + kDecodedPadding);
  } else {
    for (const auto& [from, to] : codeTouched_) Decode(labels, from, to);
  }
  codeTouched_.clear();
}

// Every index into the memory is checked before it is used; the sanitizers'
// own check of each pointer addition would make this one function take
// minutes to compile.
#if defined(__GNUC__)
#define KAU_NO_POINTER_OVERFLOW_CHECK __attribute__((no_sanitize("pointer-overflow")))
#else
#define KAU_NO_POINTER_OVERFLOW_CHECK
#endif

template <bool kCounted>
KAU_NO_POINTER_OVERFLOW_CHECK void Interpretador::Execute() {
  std::atomic<bool>& interrupted = console::interruptFlag();
  Word* const mem = memory_;
  // The code lies below codeEnd: pc must stay below it, and a short way
  // writes only from it up, so the decoded form stays true to the code.
  // The run-time library notes its writes below (see NoteCodeAccess).
  const std::int64_t codeEnd = codeLimit_;
  std::int64_t pc = pc_;
  std::int64_t top = top_;
  std::int64_t base = base_;
#define KAU_SAVE() (pc_ = pc, top_ = top, base_ = base)
#define KAU_LOAD() (pc = pc_, top = top_, base = base_)
// The stack words first..last lie in memory above the code.
#define KAU_SLOTS(first, last) ((first) >= codeEnd && (last) < kMemoryWords)
// Words that a fused sequence reads or writes beside the stack must lie
// below the top at its start, so that the words it leaves on the stack can
// be written in any order (and, for writes, above the code). (Every fused
// handler has checked a stack word from top or top + 1 up against the
// code's end first, so top >= 0 here.)
#define KAU_BELOW_TOP(address) (static_cast<std::uint64_t>(address) <= static_cast<std::uint64_t>(top))
#define KAU_WRITABLE_BELOW_TOP(address) ((address) >= codeEnd && (address) <= top)

#if KAU_THREADED_DISPATCH
#define KAU_HANDLER_LABEL(name) &&handle_##name,
#define KAU_FUSED_LABEL(name, pattern) &&handle_FUSED_##name,
  static const void* const kLabels[kHandlerCount] = {KAU_OPCODE_LIST(KAU_HANDLER_LABEL) &&handle_kHandlerOutOfCode,
                                                      &&handle_kHandlerBadOpcode, KAU_FUSED_LIST(KAU_FUSED_LABEL)};
#undef KAU_HANDLER_LABEL
#undef KAU_FUSED_LABEL
  const void* const* const labels = kLabels;
#else
  const void* const* const labels = nullptr;
#endif
  fusing_ = fuse_;
  Decode(labels, 0, static_cast<std::int64_t>(codeLimit_) + kDecodedPadding);
  codeTouched_.clear();
  const std::uintptr_t* const decoded = decoded_.data();

// Before every instruction: Ctrl+C and the budget of a counted run. (The
// run ends only in the long ways, which NEXT and JUMPED check.)
#define KAU_BEFORE_INSTRUCTION()                                           \
  if (interrupted.load(std::memory_order_relaxed)) goto interrupted_by_user; \
  if constexpr (kCounted) {                                                \
    if (--budget_ < 0) goto finished;                                      \
  }
// A fused handler charges a counted run for the instructions past its
// first; without budget for them it runs the first alone.
#define KAU_CHARGE_FUSED(instructions, fallback)     \
  if constexpr (kCounted) {                          \
    if (budget_ < (instructions) - 1) goto fallback; \
    budget_ -= (instructions) - 1;                   \
  }

#if KAU_THREADED_DISPATCH
#define HANDLER(name) handle_##name:
#define KAU_DISPATCH()       \
  KAU_BEFORE_INSTRUCTION()   \
  goto* reinterpret_cast<const void*>(decoded[pc]);
#define FAST_NEXT(words) \
  do {                   \
    pc += (words);       \
    KAU_DISPATCH()       \
  } while (0)
#define FAST_JUMPED()                                                                     \
  do {                                                                                    \
    if (static_cast<std::uint64_t>(pc) >= static_cast<std::uint64_t>(codeEnd)) goto handle_kHandlerOutOfCode; \
    KAU_DISPATCH()                                                                        \
  } while (0)
  KAU_DISPATCH()
  {
#else
#define HANDLER(name) \
  case name:          \
  handle_##name:
// (No do-while here: `continue` must reach the loop of the dispatch.)
#define FAST_NEXT(words) \
  {                      \
    pc += (words);       \
  }                      \
  continue
#define FAST_JUMPED()                                                                     \
  {                                                                                       \
    if (static_cast<std::uint64_t>(pc) >= static_cast<std::uint64_t>(codeEnd)) goto handle_kHandlerOutOfCode; \
  }                                                                                       \
  continue
  for (;;) {
    KAU_BEFORE_INSTRUCTION()
    switch (static_cast<int>(decoded[pc])) {
#endif
// After a long way: the registers as it left them; the end of the run; the
// decoded form of code words it wrote.
#define KAU_AFTER_LONG_WAY()                                  \
  KAU_LOAD();                                                 \
  if (!running_) goto finished;                               \
  if (!codeTouched_.empty()) DecodeTouchedCode(labels);
// (No do-while: in the switch form `continue` must reach the loop.)
#define NEXT(words)        \
  {                        \
    KAU_AFTER_LONG_WAY()   \
    FAST_NEXT(words);      \
  }
#define JUMPED()           \
  {                        \
    KAU_AFTER_LONG_WAY()   \
    FAST_JUMPED();         \
  }

    HANDLER(kHandlerOutOfCode) {
      KAU_SAVE();
      Fault();
      goto finished;
    }
    HANDLER(kHandlerBadOpcode) {
      KAU_SAVE();
      RaiseRuntimeError(kErrorBadInstruction);
      goto finished;
    }

    // Integers and booleans ------------------------------------------------
// The short way of an operator on the two top words x (top) and y (below):
// y becomes the expression.
#define KAU_FAST_BINARY(expression)  \
  if (KAU_SLOTS(top - 1, top)) {     \
    const Word x = mem[top];         \
    Word& y = mem[top - 1];          \
    y = (expression);                \
    --top;                           \
    FAST_NEXT(1);                    \
  }                                  \
  KAU_SAVE();
    HANDLER(OP_ADDI) { KAU_FAST_BINARY(WrapAdd(y, x)) const Word x = Pop(); Word& y = Top(); y = WrapAdd(y, x); } NEXT(1);
    HANDLER(OP_SUBI) { KAU_FAST_BINARY(WrapSub(y, x)) const Word x = Pop(); Word& y = Top(); y = WrapSub(y, x); } NEXT(1);
    HANDLER(OP_MULI) { KAU_FAST_BINARY(WrapMul(y, x)) const Word x = Pop(); Word& y = Top(); y = WrapMul(y, x); } NEXT(1);
    HANDLER(OP_AND) { KAU_FAST_BINARY(y != 0 ? x : y) const Word x = Pop(); Word& y = Top(); if (y != 0) y = x; } NEXT(1);
    HANDLER(OP_OR) { KAU_FAST_BINARY(y == 0 ? x : y) const Word x = Pop(); Word& y = Top(); if (y == 0) y = x; } NEXT(1);
    HANDLER(OP_EQI) { KAU_FAST_BINARY(y == x) const Word x = Pop(); Word& y = Top(); y = y == x; } NEXT(1);
    HANDLER(OP_NEI) { KAU_FAST_BINARY(y != x) const Word x = Pop(); Word& y = Top(); y = y != x; } NEXT(1);
    HANDLER(OP_LTI) { KAU_FAST_BINARY(y < x) const Word x = Pop(); Word& y = Top(); y = y < x; } NEXT(1);
    HANDLER(OP_LEI) { KAU_FAST_BINARY(y <= x) const Word x = Pop(); Word& y = Top(); y = y <= x; } NEXT(1);
    HANDLER(OP_GTI) { KAU_FAST_BINARY(y > x) const Word x = Pop(); Word& y = Top(); y = y > x; } NEXT(1);
    HANDLER(OP_GEI) { KAU_FAST_BINARY(y >= x) const Word x = Pop(); Word& y = Top(); y = y >= x; } NEXT(1);
#define KAU_DIVIDES(x, y) ((x) != 0 && !((x) == -1 && (y) == INT_MIN))
    HANDLER(OP_DIVI) {
      if (KAU_SLOTS(top - 1, top) && KAU_DIVIDES(mem[top], mem[top - 1])) {
        mem[top - 1] /= mem[top];
        --top;
        FAST_NEXT(1);
      }
      KAU_SAVE();
      const Word x = Pop();
      Word& y = Top();
      if (x == 0) RaiseRuntimeError(kErrorDivisionByZero);
      else if (x == -1 && y == INT_MIN) Fault();
      else y /= x;
    } NEXT(1);
    HANDLER(OP_MOD) {
      if (KAU_SLOTS(top - 1, top) && KAU_DIVIDES(mem[top], mem[top - 1])) {
        mem[top - 1] %= mem[top];
        --top;
        FAST_NEXT(1);
      }
      KAU_SAVE();
      const Word x = Pop();
      Word& y = Top();
      if (!KAU_DIVIDES(x, y)) Fault();
      else y %= x;
    } NEXT(1);
    HANDLER(OP_NEGI) { KAU_SAVE(); Word& x = Top(); x = WrapNeg(x); } NEXT(1);
    HANDLER(OP_ADDK) { KAU_SAVE(); Word& x = Top(); x = WrapAdd(x, Operand(1)); } NEXT(2);
    HANDLER(OP_SUCC) { KAU_SAVE(); Word& x = Top(); x = WrapAdd(x, 1); } NEXT(1);
    HANDLER(OP_PRED) { KAU_SAVE(); Word& x = Top(); x = WrapSub(x, 1); } NEXT(1);
    HANDLER(OP_ODD) { KAU_SAVE(); Word& x = Top(); x = x & 1; } NEXT(1);
    HANDLER(OP_ABS) {
      KAU_SAVE();
      if (Operand(1) == 1) {
        Word& x = Top();
        if (x < 0) x = WrapNeg(x);
      } else {
        const double x = PopReal();
        PushReal(x < 0 ? -x : x);
      }
    } NEXT(2);
    HANDLER(OP_SQR) {
      KAU_SAVE();
      if (Operand(1) == 1) {
        Word& x = Top();
        x = WrapMul(x, x);
      } else {
        const double x = PopReal();
        PushReal(x * x);
      }
    } NEXT(2);
    HANDLER(OP_NOT) {
      if (KAU_SLOTS(top, top)) {
        mem[top] = mem[top] == 0 ? 1 : 0;
        FAST_NEXT(1);
      }
      KAU_SAVE();
      Word& x = Top();
      x = x == 0 ? 1 : 0;
    } NEXT(1);
    HANDLER(OP_CASERANGE) {
      KAU_SAVE();
      const Word hi = Pop();
      const Word lo = Pop();
      Word& selector = Top();
      selector = (lo <= selector && selector <= hi) ? 0 : 1;
    } NEXT(1);
    HANDLER(OP_CHKINDEX) {
      if (KAU_SLOTS(top, top + 1) && mem[pc + 1] <= mem[top] && mem[top] <= mem[pc + 2]) {
        const Word lo = mem[pc + 1];
        const Word hi = mem[pc + 2];
        mem[top] = WrapSub(mem[top], lo);
        mem[top + 1] = WrapAdd(WrapSub(hi, lo), 1);
        ++top;
        FAST_NEXT(3);
      }
      KAU_SAVE();
      const Word lo = Operand(1);
      const Word hi = Operand(2);
      Word& x = Top();
      if (lo <= x && x <= hi) x = WrapSub(x, lo);
      else RaiseRuntimeError(kErrorIndexOutOfRange, x);
      Push(WrapAdd(WrapSub(hi, lo), 1));
    } NEXT(3);
    HANDLER(OP_CHKENUM) {
      KAU_SAVE();
      const Word x = Top();
      if (x < Operand(1) || x > Operand(2)) RaiseRuntimeError(kErrorBadEnumeration);
    } NEXT(3);
    HANDLER(OP_INC) {
      if (top >= 0 && top < kMemoryWords && mem[top] >= codeEnd && mem[top] < kMemoryWords) {
        Word& w = mem[mem[top--]];
        w = WrapAdd(w, 1);
        FAST_NEXT(1);
      }
      KAU_SAVE();
      Word& w = At(Pop());
      w = WrapAdd(w, 1);
    } NEXT(1);
    HANDLER(OP_DEC) { KAU_SAVE(); Word& w = At(Pop()); w = WrapSub(w, 1); } NEXT(1);
    HANDLER(OP_RANDOM) { KAU_SAVE(); OpRandom(); } NEXT(1);

    // Reals and math -------------------------------------------------------
    // The real operators but "/" are written out here, where the word pairs
    // can stay in registers.
#define KAU_REAL_ARITHMETIC(op)                                   \
  {                                                               \
    if (KAU_SLOTS(top - 3, top)) {                                \
      const double y = RealFromWords(mem[top - 1], mem[top]);     \
      const double x = RealFromWords(mem[top - 3], mem[top - 2]); \
      RealToWords(x op y, mem[top - 3], mem[top - 2]);            \
      top -= 2;                                                   \
      FAST_NEXT(1);                                               \
    }                                                             \
    KAU_SAVE();                                                   \
    const double y = PopReal();                                   \
    const double x = PopReal();                                   \
    PushReal(x op y);                                             \
  }
#define KAU_REAL_COMPARISON(op)                                   \
  {                                                               \
    if (KAU_SLOTS(top - 3, top)) {                                \
      const double y = RealFromWords(mem[top - 1], mem[top]);     \
      const double x = RealFromWords(mem[top - 3], mem[top - 2]); \
      mem[top - 3] = x op y;                                      \
      top -= 3;                                                   \
      FAST_NEXT(1);                                               \
    }                                                             \
    KAU_SAVE();                                                   \
    const double y = PopReal();                                   \
    const double x = PopReal();                                   \
    Push(x op y);                                                 \
  }
    HANDLER(OP_ADDR) KAU_REAL_ARITHMETIC(+) NEXT(1);
    HANDLER(OP_SUBR) KAU_REAL_ARITHMETIC(-) NEXT(1);
    HANDLER(OP_MULR) KAU_REAL_ARITHMETIC(*) NEXT(1);
    HANDLER(OP_DIVR) { KAU_SAVE(); OpRealBinary(OP_DIVR); } NEXT(1);
    HANDLER(OP_EQR) KAU_REAL_COMPARISON(==) NEXT(1);
    HANDLER(OP_NER) KAU_REAL_COMPARISON(!=) NEXT(1);
    HANDLER(OP_LTR) KAU_REAL_COMPARISON(<) NEXT(1);
    HANDLER(OP_LER) KAU_REAL_COMPARISON(<=) NEXT(1);
    HANDLER(OP_GTR) KAU_REAL_COMPARISON(>) NEXT(1);
    HANDLER(OP_GER) KAU_REAL_COMPARISON(>=) NEXT(1);
#undef KAU_REAL_COMPARISON
    HANDLER(OP_NEGR) { KAU_SAVE(); PushReal(-PopReal()); } NEXT(1);
    HANDLER(OP_INTTOREAL) {
      if (mem[pc + 1] == 2 && KAU_SLOTS(top, top + 1)) {  // the right operand
        RealToWords(static_cast<double>(mem[top]), mem[top], mem[top + 1]);
        ++top;
        FAST_NEXT(2);
      }
      KAU_SAVE();
      if (Operand(1) == 2) PushReal(static_cast<double>(Pop()));
      else OpIntToReal();
    } NEXT(2);
    HANDLER(OP_ROUND) { KAU_SAVE(); OpRound(); } NEXT(2);
    HANDLER(OP_TRUNC) { KAU_SAVE(); OpTrunc(); } NEXT(1);
    HANDLER(OP_ARCTAN) { KAU_SAVE(); OpMath(OP_ARCTAN); } NEXT(2);
    HANDLER(OP_COS) { KAU_SAVE(); OpMath(OP_COS); } NEXT(2);
    HANDLER(OP_SIN) { KAU_SAVE(); OpMath(OP_SIN); } NEXT(2);
    HANDLER(OP_EXP) { KAU_SAVE(); OpMath(OP_EXP); } NEXT(2);
    HANDLER(OP_LN) { KAU_SAVE(); OpMath(OP_LN); } NEXT(2);
    HANDLER(OP_SQRT) { KAU_SAVE(); OpMath(OP_SQRT); } NEXT(2);
    HANDLER(OP_VAL) { KAU_SAVE(); OpVal(); } NEXT(2);

    // Stack and memory ----------------------------------------------------
    HANDLER(OP_PUSH) {
      if (KAU_SLOTS(top + 1, top + 1)) {
        mem[++top] = mem[pc + 1];
        FAST_NEXT(2);
      }
      KAU_SAVE();
      Push(Operand(1));
    } NEXT(2);
    HANDLER(OP_PUSH2) {
      if (KAU_SLOTS(top + 1, top + 2)) {
        mem[top + 1] = mem[pc + 2];
        mem[top + 2] = mem[pc + 1];
        top += 2;
        FAST_NEXT(3);
      }
      KAU_SAVE();
      const Word low = Operand(1);
      Push(Operand(2));
      Push(low);
    } NEXT(3);
    HANDLER(OP_PUSHN) { KAU_SAVE(); OpPushN(); } JUMPED();
    HANDLER(OP_POP) { KAU_SAVE(); Pop(); } NEXT(1);
    HANDLER(OP_POPEQ) { KAU_SAVE(); OpPopEq(); } NEXT(2);
    HANDLER(OP_DUP) {
      if (mem[pc + 1] == 1 && KAU_SLOTS(top, top + 1)) {
        mem[top + 1] = mem[top];
        ++top;
        FAST_NEXT(2);
      }
      KAU_SAVE();
      OpDup();
    } NEXT(2);
    HANDLER(OP_RESERVE) { KAU_SAVE(); if (Operand(1) > 0) top_ = WrapAdd(static_cast<Word>(top_), Operand(1)); } NEXT(2);
    HANDLER(OP_LOADADDR) {
      if (mem[pc + 1] <= 0 && KAU_SLOTS(top + 1, top + 1)) {  // a local
        mem[++top] = WrapAdd(static_cast<Word>(base), mem[pc + 2]);
        FAST_NEXT(3);
      }
      KAU_SAVE();
      Push(WrapAdd(Frame(Operand(1)), Operand(2)));
    } NEXT(3);
    HANDLER(OP_LOADVAL) {
      if (mem[pc + 1] <= 0 && KAU_SLOTS(top + 1, top + 1)) {  // a local VAR parameter
        const std::uint32_t address = static_cast<std::uint32_t>(WrapAdd(static_cast<Word>(base), mem[pc + 2]));
        if (address < kMemoryWords) {
          mem[++top] = mem[address];
          FAST_NEXT(3);
        }
      }
      KAU_SAVE();
      Push(At(WrapAdd(Frame(Operand(1)), Operand(2))));
    } NEXT(3);
    HANDLER(OP_LOADN) {
      if (mem[pc + 1] == 1 && KAU_SLOTS(top, top) && static_cast<std::uint32_t>(mem[top]) < kMemoryWords) {
        mem[top] = mem[mem[top]];
        FAST_NEXT(2);
      }
      if (mem[pc + 1] == 2 && KAU_SLOTS(top, top + 1) && static_cast<std::uint32_t>(mem[top]) < kMemoryWords - 1) {
        // A real: both words are read before the address is overwritten.
        const Word address = mem[top];
        const Word high = mem[address];
        const Word low = mem[address + 1];
        mem[top] = high;
        mem[++top] = low;
        FAST_NEXT(2);
      }
      KAU_SAVE();
      if (Operand(1) == 1) {
        Word& x = Top();
        x = At(x);
      } else {
        OpLoadN();
      }
    } NEXT(2);
    HANDLER(OP_STOREN) {
      if (mem[pc + 1] == 1 && KAU_SLOTS(top - 1, top) && mem[top - 1] >= codeEnd && mem[top - 1] < kMemoryWords) {
        mem[mem[top - 1]] = mem[top];
        top -= 2;
        FAST_NEXT(2);
      }
      if (mem[pc + 1] == 2 && KAU_SLOTS(top - 2, top) && mem[top - 2] >= codeEnd && mem[top - 2] < kMemoryWords - 1) {
        const Word address = mem[top - 2];
        const Word high = mem[top - 1];
        const Word low = mem[top];
        mem[address] = high;
        mem[address + 1] = low;
        top -= 3;
        FAST_NEXT(2);
      }
      KAU_SAVE();
      if (Operand(1) == 1) {
        const Word value = Pop();
        At(Pop()) = value;
      } else {
        OpStoreN();
      }
    } NEXT(2);
    HANDLER(OP_ELEMADDR) {
      if (mem[pc + 1] == 1 && KAU_SLOTS(top - 2, top)) {
        // base, index, extent: one dimension needs no extent.
        Word& array = mem[top - 2];
        array = WrapAdd(array, WrapMul(mem[pc + 2], mem[top - 1]));
        top -= 2;
        FAST_NEXT(3);
      }
      KAU_SAVE();
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
      KAU_SAVE();
      pc_ = Pop() != 1 ? Operand(1) : pc_ + 2;
    } JUMPED();
    // CALL, RET and RETF take the short way for calls of a sibling or of a
    // routine declared in the caller (levels 0 and 1) and for results of one
    // or two words, when the frame and the stack lie in memory.
    HANDLER(OP_CALL) {
      const Word levels = mem[pc + 1];
      if ((levels == 0 || levels == 1) && base >= 0 && base < kMemoryWords && KAU_SLOTS(top + 1, top + 3) &&
          (levels == 0 || mem[base] < base)) {
        mem[top + 1] = levels == 0 ? static_cast<Word>(base) : mem[base];
        mem[top + 2] = static_cast<Word>(base);
        mem[top + 3] = WrapAdd(static_cast<Word>(pc), 3);
        top += 3;
        base = top - 2;
        pc = WrapAdd(static_cast<Word>(pc), mem[pc + 2]);
        FAST_JUMPED();
      }
      KAU_SAVE();
      OpCall();
    } JUMPED();
    HANDLER(OP_RET) {
      if (base >= 0 && base + kReturnAddressOffset < kMemoryWords) {
        const Word frame = static_cast<Word>(base);
        top = WrapSub(WrapSub(frame, mem[pc + 1]), 1);
        pc = mem[frame + kReturnAddressOffset];
        base = mem[frame + kDynamicLinkOffset];
        FAST_JUMPED();
      }
      KAU_SAVE();
      const Word params = Operand(1);
      const Word frame = static_cast<Word>(base_);
      const Word returnAddress = At(WrapAdd(frame, kReturnAddressOffset));
      const Word dynamicLink = At(WrapAdd(frame, kDynamicLinkOffset));
      top_ = WrapSub(WrapSub(frame, params), 1);
      pc_ = returnAddress;
      base_ = dynamicLink;
    } JUMPED();
    HANDLER(OP_RETF) {
      const Word size = mem[pc + 2];
      const std::int64_t frame = base;
      const std::int64_t newTop = frame - mem[pc + 1] - 1;
      if (mem[pc + 3] != 1 && (size == 1 || size == 2) && frame >= 0 && frame + 5 < kMemoryWords &&
          KAU_SLOTS(newTop + 1, newTop + size)) {
        const Word high = mem[frame + 4];
        const Word low = mem[frame + 5];
        const Word returnAddress = mem[frame + kReturnAddressOffset];
        const Word dynamicLink = mem[frame + kDynamicLinkOffset];
        mem[newTop + 1] = high;
        if (size == 2) mem[newTop + 2] = low;
        top = newTop + size;
        pc = returnAddress;
        base = dynamicLink;
        FAST_JUMPED();
      }
      KAU_SAVE();
      OpReturnFunction();
    } JUMPED();
    HANDLER(OP_ENTER) {
      KAU_SAVE();
      top_ = WrapAdd(static_cast<Word>(base_), WrapAdd(Operand(1), kFirstDataOffset));
      if (static_cast<std::int64_t>(top_) + Operand(2) >= kStackLimit) {
        RaiseRuntimeError(kErrorStackOverflow);
      } else {
        pc_ = WrapAdd(static_cast<Word>(pc_), Operand(3));
      }
    } JUMPED();
    HANDLER(OP_GROW) {
      const Word grown = WrapAdd(static_cast<Word>(top), mem[pc + 1]);
      if (static_cast<std::int64_t>(grown) + mem[pc + 2] < kStackLimit) {
        top = grown;
        FAST_NEXT(3);
      }
      KAU_SAVE();
      top_ = grown;
      RaiseRuntimeError(kErrorStackOverflow);
    } NEXT(3);
    HANDLER(OP_HALT) { KAU_SAVE(); running_ = false; } JUMPED();

    // Strings ----------------------------------------------------------------
    HANDLER(OP_CONCAT) { KAU_SAVE(); OpConcat(false); } NEXT(2);
    HANDLER(OP_CONCATARG) { KAU_SAVE(); OpConcat(true); } NEXT(2);
    HANDLER(OP_EQS) { KAU_SAVE(); OpCompareStrings(OP_EQS); } NEXT(2);
    HANDLER(OP_NES) { KAU_SAVE(); OpCompareStrings(OP_NES); } NEXT(2);
    HANDLER(OP_LTS) { KAU_SAVE(); OpCompareStrings(OP_LTS); } NEXT(2);
    HANDLER(OP_LES) { KAU_SAVE(); OpCompareStrings(OP_LES); } NEXT(2);
    HANDLER(OP_GTS) { KAU_SAVE(); OpCompareStrings(OP_GTS); } NEXT(2);
    HANDLER(OP_GES) { KAU_SAVE(); OpCompareStrings(OP_GES); } NEXT(2);
    HANDLER(OP_LENGTH) { KAU_SAVE(); OpLength(); } NEXT(1);
    HANDLER(OP_CHARTOSTR) { KAU_SAVE(); const Word c = Pop(); Push(kStringEnd); Push(c); } NEXT(1);
    HANDLER(OP_UPCASE) { KAU_SAVE(); OpUpcase(); } NEXT(1);
    HANDLER(OP_STORESTR) { KAU_SAVE(); OpStoreString(); } NEXT(2);
    HANDLER(OP_LOADSTR) { KAU_SAVE(); OpLoadString(false); } NEXT(2);
    HANDLER(OP_PUSHSTRVAR) { KAU_SAVE(); OpLoadString(true); } NEXT(2);
    HANDLER(OP_STRTOBLOCK) { KAU_SAVE(); OpStrToBlock(); } NEXT(2);

    // Heap ---------------------------------------------------------------------
    HANDLER(OP_NEW) { KAU_SAVE(); OpNew(); } NEXT(2);
    HANDLER(OP_DISPOSE) { KAU_SAVE(); OpDispose(); } NEXT(1);
    // One word through a live heap handle, as for every pointer field of
    // one word: (a, k, value) and (a, k) on the top.
    HANDLER(OP_STORENH) {
      if (mem[pc + 1] == 1 && top >= 2 && top < kMemoryWords && mem[top - 2] < 0) {
        if (Word* w = heap_.At(mem[top - 2], mem[top - 1])) {
          *w = mem[top];
          top -= 3;
          FAST_NEXT(2);
        }
      }
      KAU_SAVE();
      OpStoreNH();
    } NEXT(2);
    HANDLER(OP_LOADNH) {
      if (mem[pc + 1] == 1 && KAU_SLOTS(top - 1, top) && mem[top - 1] < 0) {
        if (const Word* w = heap_.At(mem[top - 1], mem[top])) {
          mem[top - 1] = *w;
          --top;
          FAST_NEXT(2);
        }
      }
      KAU_SAVE();
      OpLoadNH();
    } NEXT(2);
    HANDLER(OP_STORESTRH) { KAU_SAVE(); OpStoreStrH(); } NEXT(2);
    HANDLER(OP_LOADSTRH) { KAU_SAVE(); OpLoadStrH(); } NEXT(2);

    // Console --------------------------------------------------------------------
    HANDLER(OP_WRITE) { KAU_SAVE(); OpWrite(false); } NEXT(2);
    HANDLER(OP_WRITEW) { KAU_SAVE(); OpWrite(true); } NEXT(2);
    HANDLER(OP_WRITERWD) { KAU_SAVE(); OpWriteRealWidthDecimals(); } NEXT(1);
    HANDLER(OP_READ) { KAU_SAVE(); OpRead(); } NEXT(2);
    HANDLER(OP_READSTR) { KAU_SAVE(); OpReadString(); } NEXT(3);
    HANDLER(OP_READKEY) { KAU_SAVE(); OpReadKey(); } NEXT(2);
    HANDLER(OP_FLUSHIN) { KAU_SAVE(); OpFlushIn(); } NEXT(1);
    HANDLER(OP_CLRSCR) { KAU_SAVE(); console_.clearScreen(); } NEXT(1);
    HANDLER(OP_GOTOXY) { KAU_SAVE(); OpGotoXY(); } NEXT(1);
    HANDLER(OP_TEXTCOLOR) { KAU_SAVE(); OpTextColor(Operand(1), false); } NEXT(2);
    HANDLER(OP_TEXTBACKGROUND) { KAU_SAVE(); OpTextColor(Operand(1), true); } NEXT(2);
    HANDLER(OP_DELAY) { KAU_SAVE(); OpDelay(); } NEXT(1);

    // Text files -----------------------------------------------------------------
    HANDLER(OP_RESET) { KAU_SAVE(); OpOpenFile(OP_RESET); } NEXT(1);
    HANDLER(OP_REWRITE) { KAU_SAVE(); OpOpenFile(OP_REWRITE); } NEXT(1);
    HANDLER(OP_APPEND) { KAU_SAVE(); OpOpenFile(OP_APPEND); } NEXT(1);
    HANDLER(OP_CLOSE) { KAU_SAVE(); OpCloseFile(); } NEXT(1);
    HANDLER(OP_EOF) { KAU_SAVE(); OpEof(); } NEXT(1);
    HANDLER(OP_READF) { KAU_SAVE(); OpReadFile(); } NEXT(3);
    HANDLER(OP_READSTRF) { KAU_SAVE(); OpReadStringFile(); } NEXT(3);
    HANDLER(OP_WRITEF) { KAU_SAVE(); OpWriteFile(OP_WRITEF); } NEXT(2);
    HANDLER(OP_WRITEWF) { KAU_SAVE(); OpWriteFile(OP_WRITEWF); } NEXT(2);
    HANDLER(OP_WRITESTRF) { KAU_SAVE(); OpWriteFile(OP_WRITESTRF); } NEXT(1);
    HANDLER(OP_WRITERWDF) { KAU_SAVE(); OpWriteFile(OP_WRITERWDF); } NEXT(1);
    HANDLER(OP_WRITESTRWF) { KAU_SAVE(); OpWriteFile(OP_WRITESTRWF); } NEXT(1);

#include "interpreter/fused_handlers.inc"

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

#undef KAU_SAVE
#undef KAU_LOAD
#undef KAU_SLOTS
#undef KAU_BELOW_TOP
#undef KAU_WRITABLE_BELOW_TOP
#undef KAU_BEFORE_INSTRUCTION
#undef KAU_CHARGE_FUSED
#undef KAU_DISPATCH
#undef KAU_AFTER_LONG_WAY
#undef KAU_FAST_BINARY
#undef KAU_DIVIDES
#undef KAU_REAL_ARITHMETIC
#undef FAST_NEXT
#undef FAST_JUMPED
#undef HANDLER
#undef NEXT
#undef JUMPED
}

template void Interpretador::Execute<false>();
template void Interpretador::Execute<true>();

}  // namespace kau
