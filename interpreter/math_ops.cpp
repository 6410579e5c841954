// Real arithmetic and comparisons, the math functions, conversions between
// reals and integers, RANDOM and VAL.
#include <cmath>
#include <cstdint>

#include "interpreter/interpretador.h"
#include "interpreter/number_text.h"
#include "interpreter/runtime_errors.h"
#include "interpreter/word_arithmetic.h"

namespace kau {

namespace {

// Whether a whole real fits an integer word (false for NaN too).
bool fitsInWord(double integral) {
  return integral >= static_cast<double>(INT32_MIN) && integral <= static_cast<double>(INT32_MAX);
}

}  // namespace

void Interpretador::OpRealBinary(int opcode) {
  const double upper = PopReal();
  const double lower = PopReal();
  switch (opcode) {
    case OP_ADDR: PushReal(lower + upper); return;
    case OP_SUBR: PushReal(lower - upper); return;
    case OP_MULR: PushReal(lower * upper); return;
    case OP_DIVR:
      if (upper == 0.0) {
        RaiseRuntimeError(kErrorDivisionByZero);
        PushReal(lower);
      } else {
        PushReal(lower / upper);
      }
      return;
    case OP_EQR: Push(lower == upper); return;
    case OP_NER: Push(lower != upper); return;
    case OP_LTR: Push(lower < upper); return;
    case OP_LER: Push(lower <= upper); return;
    case OP_GTR: Push(lower > upper); return;
    default: Push(lower >= upper); return;
  }
}

void Interpretador::OpMath(int opcode) {
  const double x = Operand(1) == 1 ? static_cast<double>(Pop()) : PopReal();
  double result = 0.0;
  switch (opcode) {
    case OP_SIN: result = std::sin(x); break;
    case OP_COS: result = std::cos(x); break;
    case OP_ARCTAN: result = std::atan(x); break;
    case OP_EXP: result = std::exp(x); break;
    case OP_LN:
      if (x <= 0.0) Fault();
      else result = std::log(x);
      break;
    default:
      if (x < 0.0) Fault();
      else result = std::sqrt(x);
      break;
  }
  PushReal(result);
}

void Interpretador::PushIntegerOf(double integral) {
  if (!fitsInWord(integral)) {
    Fault();
    Push(0);
    return;
  }
  Push(static_cast<Word>(integral));
}

void Interpretador::OpRound() {
  if (Operand(1) == 2) PushIntegerOf(std::round(PopReal()));  // halves away from zero
}

void Interpretador::OpTrunc() { PushIntegerOf(std::trunc(PopReal())); }

void Interpretador::OpIntToReal() {
  if (Operand(1) == 2) {
    PushReal(static_cast<double>(Pop()));
    return;
  }
  const double upper = PopReal();
  PushReal(static_cast<double>(Pop()));
  PushReal(upper);
}

void Interpretador::OpRandom() {
  Word& limit = Top();
  if (!running_) return;
  if (limit == 0) {
    Fault();
    return;
  }
  limit = static_cast<Word>(static_cast<std::int64_t>(NextRandom()) % limit);
}

void Interpretador::OpVal() {
  const Word codeAddress = Pop();
  const Word valueAddress = Pop();
  PopStackString(work_);
  int code = 0;
  if (Operand(1) == 1) {
    Word value = 0;
    code = ValInteger(work_, value);
    At(valueAddress) = value;
  } else {
    double value = 0.0;
    code = ValReal(work_, value);
    if (CheckRange(valueAddress, 2)) RealToWords(value, memory_[valueAddress], memory_[valueAddress + 1]);
  }
  At(codeAddress) = code;
}

}  // namespace kau
