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

template <bool kCounted>
void Interpretador::Execute() {
  std::atomic<bool>& interrupted = console::interruptFlag();
  Word op = 0;

// Before every instruction: the running flag, Ctrl+C, the budget of a
// counted run, pc inside the code and a known opcode.
#define KAU_CHECK_AND_FETCH()                                                                     \
  if (!running_) goto finished;                                                                   \
  if (interrupted.load(std::memory_order_relaxed)) goto interrupted_by_user;                       \
  if constexpr (kCounted) {                                                                        \
    if (--budget_ < 0) goto finished;                                                              \
  }                                                                                                \
  if (static_cast<std::uint32_t>(pc_) >= static_cast<std::uint32_t>(codeLimit_)) {                 \
    Fault();                                                                                       \
    goto finished;                                                                                 \
  }                                                                                                \
  op = memory_[pc_];                                                                               \
  if (static_cast<std::uint32_t>(op) >= static_cast<std::uint32_t>(kOpcodeCount)) {                \
    RaiseRuntimeError(kErrorBadInstruction);                                                       \
    goto finished;                                                                                 \
  }

#if KAU_THREADED_DISPATCH
#define KAU_LABEL_ADDRESS(name) &&handle_##name,
  static const void* const kHandlers[kOpcodeCount] = {KAU_OPCODE_LIST(KAU_LABEL_ADDRESS)};
#undef KAU_LABEL_ADDRESS
#define HANDLER(name) handle_##name:
#define NEXT(words)      \
  do {                   \
    pc_ += (words);      \
    KAU_CHECK_AND_FETCH() \
    goto* kHandlers[op]; \
  } while (0)
#define JUMPED()         \
  do {                   \
    KAU_CHECK_AND_FETCH() \
    goto* kHandlers[op]; \
  } while (0)
  KAU_CHECK_AND_FETCH()
  goto* kHandlers[op];
  {
#else
#define HANDLER(name) case name:
// (No do-while here: `continue` must reach the loop of the dispatch.)
#define NEXT(words)   \
  {                   \
    pc_ += (words);   \
  }                   \
  continue
#define JUMPED() continue
  for (;;) {
    KAU_CHECK_AND_FETCH()
    switch (op) {
#endif

    // Integers and booleans ------------------------------------------------
    HANDLER(OP_ADDI) { const Word x = Pop(); Word& y = Top(); y = WrapAdd(y, x); } NEXT(1);
    HANDLER(OP_SUBI) { const Word x = Pop(); Word& y = Top(); y = WrapSub(y, x); } NEXT(1);
    HANDLER(OP_MULI) { const Word x = Pop(); Word& y = Top(); y = WrapMul(y, x); } NEXT(1);
    HANDLER(OP_DIVI) {
      const Word x = Pop();
      Word& y = Top();
      if (x == 0) RaiseRuntimeError(kErrorDivisionByZero);
      else if (x == -1 && y == INT_MIN) Fault();
      else y /= x;
    } NEXT(1);
    HANDLER(OP_MOD) {
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
    HANDLER(OP_NOT) { Word& x = Top(); x = x == 0 ? 1 : 0; } NEXT(1);
    HANDLER(OP_AND) { const Word x = Pop(); Word& y = Top(); if (y != 0) y = x; } NEXT(1);
    HANDLER(OP_OR) { const Word x = Pop(); Word& y = Top(); if (y == 0) y = x; } NEXT(1);
    HANDLER(OP_EQI) { const Word x = Pop(); Word& y = Top(); y = y == x; } NEXT(1);
    HANDLER(OP_NEI) { const Word x = Pop(); Word& y = Top(); y = y != x; } NEXT(1);
    HANDLER(OP_LTI) { const Word x = Pop(); Word& y = Top(); y = y < x; } NEXT(1);
    HANDLER(OP_LEI) { const Word x = Pop(); Word& y = Top(); y = y <= x; } NEXT(1);
    HANDLER(OP_GTI) { const Word x = Pop(); Word& y = Top(); y = y > x; } NEXT(1);
    HANDLER(OP_GEI) { const Word x = Pop(); Word& y = Top(); y = y >= x; } NEXT(1);
    HANDLER(OP_CASERANGE) {
      const Word hi = Pop();
      const Word lo = Pop();
      Word& selector = Top();
      selector = (lo <= selector && selector <= hi) ? 0 : 1;
    } NEXT(1);
    HANDLER(OP_CHKINDEX) {
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
    HANDLER(OP_INC) { Word& w = At(Pop()); w = WrapAdd(w, 1); } NEXT(1);
    HANDLER(OP_DEC) { Word& w = At(Pop()); w = WrapSub(w, 1); } NEXT(1);
    HANDLER(OP_RANDOM) { OpRandom(); } NEXT(1);

    // Reals and math -------------------------------------------------------
    HANDLER(OP_ADDR) { OpRealBinary(OP_ADDR); } NEXT(1);
    HANDLER(OP_SUBR) { OpRealBinary(OP_SUBR); } NEXT(1);
    HANDLER(OP_MULR) { OpRealBinary(OP_MULR); } NEXT(1);
    HANDLER(OP_DIVR) { OpRealBinary(OP_DIVR); } NEXT(1);
    HANDLER(OP_EQR) { OpRealBinary(OP_EQR); } NEXT(1);
    HANDLER(OP_NER) { OpRealBinary(OP_NER); } NEXT(1);
    HANDLER(OP_LTR) { OpRealBinary(OP_LTR); } NEXT(1);
    HANDLER(OP_LER) { OpRealBinary(OP_LER); } NEXT(1);
    HANDLER(OP_GTR) { OpRealBinary(OP_GTR); } NEXT(1);
    HANDLER(OP_GER) { OpRealBinary(OP_GER); } NEXT(1);
    HANDLER(OP_NEGR) { PushReal(-PopReal()); } NEXT(1);
    HANDLER(OP_INTTOREAL) { OpIntToReal(); } NEXT(2);
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
    HANDLER(OP_PUSH) { Push(Operand(1)); } NEXT(2);
    HANDLER(OP_PUSH2) { const Word low = Operand(1); Push(Operand(2)); Push(low); } NEXT(3);
    HANDLER(OP_PUSHN) { OpPushN(); } JUMPED();
    HANDLER(OP_POP) { Pop(); } NEXT(1);
    HANDLER(OP_POPEQ) { OpPopEq(); } NEXT(2);
    HANDLER(OP_DUP) { OpDup(); } NEXT(2);
    HANDLER(OP_RESERVE) { if (Operand(1) > 0) top_ = WrapAdd(top_, Operand(1)); } NEXT(2);
    HANDLER(OP_LOADADDR) { Push(WrapAdd(Frame(Operand(1)), Operand(2))); } NEXT(3);
    HANDLER(OP_LOADVAL) { Push(At(WrapAdd(Frame(Operand(1)), Operand(2)))); } NEXT(3);
    HANDLER(OP_LOADN) {
      if (Operand(1) == 1) {  // the common case of one word
        Word& x = Top();
        x = At(x);
      } else {
        OpLoadN();
      }
    } NEXT(2);
    HANDLER(OP_STOREN) {
      if (Operand(1) == 1) {
        const Word value = Pop();
        At(Pop()) = value;
      } else {
        OpStoreN();
      }
    } NEXT(2);
    HANDLER(OP_ELEMADDR) { OpElemAddr(); } NEXT(3);

    // Control ----------------------------------------------------------------
    HANDLER(OP_JMP) { pc_ = Operand(1); } JUMPED();
    HANDLER(OP_JMPF) { pc_ = Pop() != 1 ? Operand(1) : pc_ + 2; } JUMPED();
    HANDLER(OP_CALL) { OpCall(); } JUMPED();
    HANDLER(OP_RET) {
      const Word params = Operand(1);
      const Word frame = base_;
      const Word returnAddress = At(WrapAdd(frame, kReturnAddressOffset));
      const Word dynamicLink = At(WrapAdd(frame, kDynamicLinkOffset));
      top_ = WrapSub(WrapSub(frame, params), 1);
      pc_ = returnAddress;
      base_ = dynamicLink;
    } JUMPED();
    HANDLER(OP_RETF) { OpReturnFunction(); } JUMPED();
    HANDLER(OP_ENTER) {
      top_ = WrapAdd(base_, WrapAdd(Operand(1), kFirstDataOffset));
      if (static_cast<std::int64_t>(top_) + Operand(2) >= kStackLimit) {
        RaiseRuntimeError(kErrorStackOverflow);
      } else {
        pc_ = WrapAdd(pc_, Operand(3));
      }
    } JUMPED();
    HANDLER(OP_GROW) {
      top_ = WrapAdd(top_, Operand(1));
      if (static_cast<std::int64_t>(top_) + Operand(2) >= kStackLimit) RaiseRuntimeError(kErrorStackOverflow);
    } NEXT(3);
    HANDLER(OP_HALT) { running_ = false; } JUMPED();

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

#undef KAU_CHECK_AND_FETCH
#undef HANDLER
#undef NEXT
#undef JUMPED
}

template void Interpretador::Execute<false>();
template void Interpretador::Execute<true>();

}  // namespace kau
