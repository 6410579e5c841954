// Fused sequences of the dispatch loop: every program runs with them and
// without them (each instruction through its own handler), and both runs
// must agree in output, error text and memory, the words left above the top
// of the stack included; with every instruction budget too.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "interpreter/fused_sequences.h"
#include "tests/interpreter/assembler.h"

namespace kau::testing {
namespace {

// Memory compared after a run: the code, the frame and this many words
// above the code, and as many at the end of the memory.
constexpr int kWindow = 1024;

struct Outcome {
  std::string output;
  bool error = false;
  std::string message;
  std::vector<Word> low, high;
};

Outcome RunImage(const std::vector<Word>& image, bool fuse, std::int64_t budget) {
  Word* memory = TestMemory();
  std::copy(image.begin(), image.end(), memory);
  FakeConsole console;
  Interpretador machine(memory, static_cast<int>(image.size()), false, console);
  machine.SetInstructionBudget(budget);
  machine.SetFusedSequences(fuse);
  console.beginRun();
  machine.Run();
  console.endRun();
  Outcome out{console.output, machine.HasRuntimeError(), machine.GetRuntimeMessage(), {}, {}};
  out.low.assign(memory, memory + image.size() + kWindow);
  out.high.assign(memory + kProgramMemoryWords - kWindow, memory + kProgramMemoryWords);
  return out;
}

std::vector<Word> ImageOf(const Program& p) {
  std::vector<Word> image = p.words();
  image.push_back(OP_HALT);
  return image;
}

// The first memory word where the runs differ, or -1.
std::int64_t FirstDifference(const Outcome& a, const Outcome& b) {
  for (std::size_t i = 0; i < a.low.size(); ++i) {
    if (a.low[i] != b.low[i]) return static_cast<std::int64_t>(i);
  }
  for (std::size_t i = 0; i < a.high.size(); ++i) {
    if (a.high[i] != b.high[i]) return kProgramMemoryWords - kWindow + static_cast<std::int64_t>(i);
  }
  return -1;
}

// Runs the program fused and unfused with the budget and compares.
::testing::AssertionResult SameRuns(const std::vector<Word>& image, std::int64_t budget = 0) {
  const Outcome fused = RunImage(image, true, budget);
  const Outcome reference = RunImage(image, false, budget);
  auto fail = [&]() {
    return ::testing::AssertionFailure() << "budget " << budget << ": fused (error " << fused.error << " \""
                                         << fused.message << "\" output \"" << fused.output
                                         << "\"), unfused (error " << reference.error << " \""
                                         << reference.message << "\" output \"" << reference.output << "\")";
  };
  if (fused.error != reference.error || fused.message != reference.message || fused.output != reference.output)
    return fail();
  if (const std::int64_t at = FirstDifference(fused, reference); at >= 0) {
    const auto word = [&](const Outcome& o) {
      return at < static_cast<std::int64_t>(o.low.size()) ? o.low[at] : o.high[at - (kProgramMemoryWords - kWindow)];
    };
    return fail() << ", memory word " << at << ": fused " << word(fused) << ", unfused " << word(reference);
  }
  return ::testing::AssertionSuccess();
}

// Pattern parts, as the translator emits them.
std::vector<Word> L(Word offset) { return {OP_LOADADDR, 0, offset, OP_LOADN, 1}; }
std::vector<Word> P(Word offset) { return {OP_LOADVAL, 0, offset, OP_LOADN, 1}; }
std::vector<Word> K(Word value) { return {OP_PUSH, value}; }
std::vector<Word> A(Word offset) { return {OP_LOADADDR, 0, offset}; }
std::vector<Word> V(Word offset) { return {OP_LOADVAL, 0, offset}; }
std::vector<Word> L2(Word offset) { return {OP_LOADADDR, 0, offset, OP_LOADN, 2}; }

std::vector<Word> CharacterByte() { return {std::begin(kCharacterByteCode), std::end(kCharacterByteCode)}; }

std::vector<Word> Join(std::initializer_list<std::vector<Word>> parts) {
  std::vector<Word> all;
  for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Frame words of the test programs (globals from word 3 of the frame).
enum : Word {
  kSeven = 3,        // 7
  kThree = 4,        // 3
  kZero = 5,         // 0
  kToSeven = 6,      // the address of kSeven
  kToFar = 7,        // an address outside the memory
  kToAbove = 8,      // an address far above the top
  kToCode = 9,       // the address of a word of the code (set per case)
  kMinimum = 10,     // INT_MIN
  kMinusOne = 11,    // -1
  kArray = 12,       // ARRAY[1..5] OF INTEGER: 10, 20, 30, 40, 50
  kResult = 17,      // a variable to assign
  kGlobals = 20,
  kAbove = 300,      // a frame word far above the top
};

// Sets up the globals above (through LOADADDR / PUSH / STOREN, which fuse
// themselves, but every case compares both runs anyway). Returns the index
// of the word that becomes kToCode.
std::size_t SetUpGlobals(Program& p, Word codeAddress) {
  const std::pair<Word, Word> constants[] = {{kSeven, 7},         {kThree, 3},       {kZero, 0},
                                             {kToFar, 2000000},   {kToCode, codeAddress},
                                             {kMinimum, INT_MIN}, {kMinusOne, -1}};
  std::size_t codeSlot = 0;
  for (const auto& [offset, value] : constants) {
    if (offset == kToCode) codeSlot = p.words().size() + 4;
    p.op({OP_LOADADDR, 0, offset, OP_PUSH, value, OP_STOREN, 1});
  }
  for (Word i = 0; i < 5; ++i) p.op({OP_LOADADDR, 0, kArray + i, OP_PUSH, 10 * (i + 1), OP_STOREN, 1});
  p.op({OP_LOADADDR, 0, kToSeven, OP_LOADADDR, 0, kSeven, OP_STOREN, 1});
  p.op({OP_LOADADDR, 0, kToAbove, OP_LOADADDR, 0, kAbove, OP_STOREN, 1});
  return codeSlot;
}

// Lowers the top below the code's end: the stack's words then lie in the
// code.
std::vector<Word> PopsIntoTheCode(int pops) { return std::vector<Word>(static_cast<std::size_t>(pops), OP_POP); }
// Keeps the words before it from forming a sequence with those after it.
const std::vector<Word> kApart = {OP_DUP, 1, OP_POP};

struct Case {
  const char* name;
  std::vector<Word> before;    // pushes the operands a sequence takes from the stack
  std::vector<Word> sequence;  // the fused sequence
  HandlerId expected;
  // Stack words left free at the end of the memory (RESERVE before the
  // sequence), or -1 for a normal stack.
  int freeAtEnd = -1;
};

constexpr Word kFarOffset = 2000000;

// After the sequence: the words on the top are written out, so that a
// value left there shows in the output.
std::vector<Word> ImageOfCase(const Case& c, std::size_t* sequenceAt = nullptr) {
  Program p(kGlobals);
  // The code word that kToCode points to: the constant of the PUSH after
  // the sequence (a write there changes what is written).
  const std::size_t codeSlotPatch = SetUpGlobals(p, 0);
  if (c.freeAtEnd >= 0) p.op({OP_RESERVE, 0});
  const std::size_t reservePatch = p.words().size() - 1;
  p.op(c.before);
  if (sequenceAt) *sequenceAt = p.words().size();
  p.op(c.sequence);
  p.op({OP_PUSH, 'z'});
  const Word marker = p.here() - 1;
  p.op({OP_WRITE, 2, OP_LOADADDR, 0, kResult, OP_LOADN, 1, OP_WRITE, 1});
  std::vector<Word> image = ImageOf(p);
  image[codeSlotPatch] = marker;
  if (c.freeAtEnd >= 0) {
    const Word top = static_cast<Word>(image.size()) + kGlobals + kFirstDataOffset;
    image[reservePatch] = kProgramMemoryWords - 1 - c.freeAtEnd - top;
  }
  return image;
}

std::vector<Case> Cases() {
  const auto jump = [](std::vector<Word> v) {  // a JMPF to the next instruction
    v.push_back(0);
    return v;
  };
  std::vector<Case> cases = {
      {"PUSH_L", {}, L(kSeven), FUSED_PUSH_L},
      {"PUSH_L above the top", {}, L(kAbove), FUSED_PUSH_L},
      {"PUSH_L outside the memory", {}, L(kFarOffset), FUSED_PUSH_L},
      {"PUSH_L below the code", {}, L(-3), FUSED_PUSH_L},
      {"PUSH_L at the end of the memory", {}, L(kSeven), FUSED_PUSH_L, 0},
      {"PUSH_P", {}, P(kToSeven), FUSED_PUSH_P},
      {"PUSH_P outside the memory", {}, P(kToFar), FUSED_PUSH_P},
      {"PUSH_P above the top", {}, P(kToAbove), FUSED_PUSH_P},
      {"PUSH_L2", {}, L2(kSeven), FUSED_PUSH_L2},
      {"PUSH_L2 at the top", {}, L2(kGlobals + 2), FUSED_PUSH_L2},
      {"PUSH_L2 at the end of the memory", {}, L2(kSeven), FUSED_PUSH_L2, 1},
      {"CMPJ L L", {}, jump(Join({L(kSeven), L(kThree), {OP_GTI, OP_JMPF}})), FUSED_CMPJ_L_L_GTI},
      {"CMPJ L P", {}, jump(Join({L(kSeven), P(kToSeven), {OP_EQI, OP_JMPF}})), FUSED_CMPJ_L_P_EQI},
      {"CMPJ L K", {}, jump(Join({L(kSeven), K(9), {OP_LTI, OP_JMPF}})), FUSED_CMPJ_L_K_LTI},
      {"CMPJ P L", {}, jump(Join({P(kToSeven), L(kThree), {OP_NEI, OP_JMPF}})), FUSED_CMPJ_P_L_NEI},
      {"CMPJ P P", {}, jump(Join({P(kToSeven), P(kToSeven), {OP_LEI, OP_JMPF}})), FUSED_CMPJ_P_P_LEI},
      {"CMPJ P K", {}, jump(Join({P(kToSeven), K(7), {OP_GEI, OP_JMPF}})), FUSED_CMPJ_P_K_GEI},
      {"CMPJ right above the top", {}, jump(Join({L(kSeven), L(kAbove), {OP_GTI, OP_JMPF}})), FUSED_CMPJ_L_L_GTI},
      {"CMPJ right outside", {}, jump(Join({L(kSeven), P(kToFar), {OP_GTI, OP_JMPF}})), FUSED_CMPJ_L_P_GTI},
      {"CMPJ at the end of the memory", {}, jump(Join({L(kSeven), K(1), {OP_GTI, OP_JMPF}})), FUSED_CMPJ_L_K_GTI, 1},
      {"CJ", Join({K(4), K(9)}), jump({OP_LTI, OP_JMPF}), FUSED_CJ_LTI},
      {"CJ on the code", PopsIntoTheCode(kGlobals + 3), jump({OP_EQI, OP_JMPF}), FUSED_CJ_EQI},
      {"CJ at the end of the memory", {}, jump({OP_EQI, OP_JMPF}), FUSED_CJ_EQI, 0},
      {"SET_A_L", {}, Join({A(kResult), L(kSeven), {OP_STOREN, 1}}), FUSED_SET_A_L},
      {"SET_A_P", {}, Join({A(kResult), P(kToSeven), {OP_STOREN, 1}}), FUSED_SET_A_P},
      {"SET_A_K", {}, Join({A(kResult), K(-4), {OP_STOREN, 1}}), FUSED_SET_A_K},
      {"SET_V_L", {}, Join({V(kToSeven), L(kThree), {OP_STOREN, 1}}), FUSED_SET_V_L},
      {"SET_V_P", {}, Join({V(kToSeven), P(kToSeven), {OP_STOREN, 1}}), FUSED_SET_V_P},
      {"SET_V_K", {}, Join({V(kToSeven), K(5), {OP_STOREN, 1}}), FUSED_SET_V_K},
      {"SET above the top", {}, Join({A(kAbove), K(5), {OP_STOREN, 1}}), FUSED_SET_A_K},
      {"SET outside the memory", {}, Join({V(kToFar), K(5), {OP_STOREN, 1}}), FUSED_SET_V_K},
      {"SET into the code", {}, Join({V(kToCode), K('y'), {OP_STOREN, 1}}), FUSED_SET_V_K},
      {"SET below the code", {}, Join({A(-2), K(5), {OP_STOREN, 1}}), FUSED_SET_A_K},
      {"SET at the end of the memory", {}, Join({A(kResult), K(5), {OP_STOREN, 1}}), FUSED_SET_A_K, 1},
      {"SETOP A L L ADDI", {}, Join({A(kResult), L(kSeven), L(kThree), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_A_L_L_ADDI},
      {"SETOP A L P SUBI", {}, Join({A(kResult), L(kSeven), P(kToSeven), {OP_SUBI, OP_STOREN, 1}}),
       FUSED_SETOP_A_L_P_SUBI},
      {"SETOP A L K MULI", {}, Join({A(kResult), L(kMinimum), K(-1), {OP_MULI, OP_STOREN, 1}}),
       FUSED_SETOP_A_L_K_MULI},
      {"SETOP A P L", {}, Join({A(kResult), P(kToSeven), L(kThree), {OP_SUBI, OP_STOREN, 1}}),
       FUSED_SETOP_A_P_L_SUBI},
      {"SETOP A P P", {}, Join({A(kResult), P(kToSeven), P(kToSeven), {OP_MULI, OP_STOREN, 1}}),
       FUSED_SETOP_A_P_P_MULI},
      {"SETOP A P K", {}, Join({A(kResult), P(kToSeven), K(1), {OP_ADDI, OP_STOREN, 1}}), FUSED_SETOP_A_P_K_ADDI},
      {"SETOP V L L", {}, Join({V(kToSeven), L(kSeven), L(kThree), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_V_L_L_ADDI},
      {"SETOP V P K", {}, Join({V(kToSeven), P(kToSeven), K(1), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_V_P_K_ADDI},
      {"SETOP into the code", {}, Join({V(kToCode), L(kSeven), K(100), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_V_L_K_ADDI},
      {"SETOP outside the memory", {}, Join({V(kToFar), L(kSeven), K(1), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_V_L_K_ADDI},
      {"SETOP operand outside", {}, Join({A(kResult), L(kSeven), P(kToFar), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_A_L_P_ADDI},
      {"SETOP at the end of the memory", {}, Join({A(kResult), L(kSeven), K(1), {OP_ADDI, OP_STOREN, 1}}),
       FUSED_SETOP_A_L_K_ADDI, 2},
      {"OPY L ADDI", K(1), Join({L(kSeven), {OP_ADDI}}), FUSED_OPY_L_ADDI},
      {"OPY P SUBI", K(1), Join({P(kToSeven), {OP_SUBI}}), FUSED_OPY_P_SUBI},
      {"OPY K MULI", K(1), Join({K(6), {OP_MULI}}), FUSED_OPY_K_MULI},
      {"OPY L DIVI", K(50), Join({L(kSeven), {OP_DIVI}}), FUSED_OPY_L_DIVI},
      {"OPY L DIVI by zero", K(50), Join({L(kZero), {OP_DIVI}}), FUSED_OPY_L_DIVI},
      {"OPY P MOD outside the memory", K(50), Join({P(kToFar), {OP_MOD}}), FUSED_OPY_P_MOD},
      {"OPY K MOD", K(-50), Join({K(7), {OP_MOD}}), FUSED_OPY_K_MOD},
      {"OPY K MOD by zero", K(50), Join({K(0), {OP_MOD}}), FUSED_OPY_K_MOD},
      {"OPY K DIVI of the minimum", K(INT_MIN), Join({K(-1), {OP_DIVI}}), FUSED_OPY_K_DIVI},
      {"OPY L DIVI of the minimum", L(kMinimum), Join({L(kMinusOne), {OP_DIVI}}), FUSED_OPY_L_DIVI},
      {"OPY on the code", PopsIntoTheCode(kGlobals + 4), Join({K(3), {OP_ADDI}}), FUSED_OPY_K_ADDI},
      {"OPY at the end of the memory", K(1), Join({K(3), {OP_ADDI}}), FUSED_OPY_K_ADDI, 0},
      {"STORE_L", Join({A(kResult), kApart}), Join({L(kSeven), {OP_STOREN, 1}}), FUSED_STORE_L},
      {"STORE_P", Join({A(kResult), kApart}), Join({P(kToSeven), {OP_STOREN, 1}}), FUSED_STORE_P},
      {"STORE_K", Join({A(kResult), kApart}), Join({K(8), {OP_STOREN, 1}}), FUSED_STORE_K},
      {"STORE into the code", L(kToCode), Join({K('q'), {OP_STOREN, 1}}), FUSED_STORE_K},
      {"STORE outside the memory", L(kToFar), Join({K(8), {OP_STOREN, 1}}), FUSED_STORE_K},
      {"STORE just above the top", Join({A(kGlobals + 4), kApart}), Join({K(8), {OP_STOREN, 1}}), FUSED_STORE_K},
      {"STORE on its own address", Join({A(kGlobals + 3), kApart}), Join({L(kGlobals + 3), {OP_STOREN, 1}}), FUSED_STORE_L},
      {"ELEM_L", {}, Join({A(kArray), L(kThree), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}}), FUSED_ELEM_L},
      {"ELEM_P", {}, Join({A(kArray), P(kToSeven), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}}), FUSED_ELEM_P},
      {"ELEMV_L", {}, Join({A(kArray), L(kThree), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}}),
       FUSED_ELEMV_L},
      {"ELEMV_P out of range", {}, Join({A(kArray), P(kToSeven), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}}),
       FUSED_ELEMV_P},
      {"ELEMV above the top", {}, Join({A(kArray), L(kSeven), {OP_CHKINDEX, 1, 9, OP_ELEMADDR, 1, 100, OP_LOADN, 1}}),
       FUSED_ELEMV_L},
      {"ELEMV outside the memory", {},
       Join({A(kArray), L(kSeven), {OP_CHKINDEX, 1, 9, OP_ELEMADDR, 1, 1000000, OP_LOADN, 1}}), FUSED_ELEMV_L},
      {"ELEMV below the code", {}, Join({A(kArray), L(kSeven), {OP_CHKINDEX, 1, 9, OP_ELEMADDR, 1, -40, OP_LOADN, 1}}),
       FUSED_ELEMV_L},
      {"ELEMV at the end of the memory", {},
       Join({A(kArray), L(kThree), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}}), FUSED_ELEMV_L, 2},
      {"ELEM_LKA", {}, Join({A(kArray), L(kThree), K(1), {OP_ADDI, OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}}),
       FUSED_ELEM_LKA},
      {"ELEMV_LKS", {}, Join({A(kArray), L(kThree), K(1), {OP_SUBI, OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}}),
       FUSED_ELEMV_LKS},
      {"ELEMV_LKA out of range", {},
       Join({A(kArray), L(kSeven), K(1), {OP_ADDI, OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}}), FUSED_ELEMV_LKA},
      {"SETELEM L K", {}, Join({A(kArray), L(kThree), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, K(99), {OP_STOREN, 1}}),
       FUSED_SETELEM_L_K},
      {"SETELEM L L out of range", {},
       Join({A(kArray), L(kSeven), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, L(kThree), {OP_STOREN, 1}}), FUSED_SETELEM_L_L},
      {"SETELEM LKA K", {},
       Join({A(kArray), L(kThree), K(2), {OP_ADDI, OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, K(-4), {OP_STOREN, 1}}),
       FUSED_SETELEM_LKA_K},
      {"SETELEM LKA L into the code", {},
       Join({A(kArray), L(kThree), K(0), {OP_ADDI, OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, -100}, L(kSeven), {OP_STOREN, 1}}),
       FUSED_SETELEM_LKA_L},
      {"SETELEM at the end of the memory", {},
       Join({A(kArray), L(kThree), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, K(99), {OP_STOREN, 1}}), FUSED_SETELEM_L_K, 2},
      {"CMPJR L", K(4), jump(Join({L(kSeven), {OP_LTI, OP_JMPF}})), FUSED_CMPJR_L_LTI},
      {"CMPJR P", K(9), jump(Join({P(kToSeven), {OP_GEI, OP_JMPF}})), FUSED_CMPJR_P_GEI},
      {"CMPJR K", K(9), jump(Join({K(9), {OP_EQI, OP_JMPF}})), FUSED_CMPJR_K_EQI},
      {"CMPJR outside the memory", K(9), jump(Join({L(kFarOffset), {OP_NEI, OP_JMPF}})), FUSED_CMPJR_L_NEI},
      {"CMPDJ L K", {}, jump(Join({L(kSeven), K(100), {OP_LTI, OP_DUP, 1, OP_JMPF}})), FUSED_CMPDJ_L_K_LTI},
      {"CMPDJ L L false", {}, jump(Join({L(kSeven), L(kThree), {OP_LEI, OP_DUP, 1, OP_JMPF}})), FUSED_CMPDJ_L_L_LEI},
      {"AJ AND", Join({K(1), K(0)}), jump({OP_AND, OP_JMPF}), FUSED_AJ_AND},
      {"AJ OR", Join({K(0), K(1)}), jump({OP_OR, OP_JMPF}), FUSED_AJ_OR},
      {"CMPR K2", L2(kSeven), Join({{OP_PUSH2, 0, 1074790400}, {OP_LER}}), FUSED_CMPR_K2_LER},
      {"CMPR K2 at the end of the memory", L2(kSeven), Join({{OP_PUSH2, 0, 1074790400}, {OP_GTR}}), FUSED_CMPR_K2_GTR, 3},
      {"SETR", {}, Join({A(kResult), L2(kSeven), L2(kThree), {OP_MULR, OP_STOREN, 2}}), FUSED_SETR_MULR},
      {"SETR operand outside", {}, Join({A(kResult), L2(kSeven), L2(kFarOffset), {OP_ADDR, OP_STOREN, 2}}), FUSED_SETR_ADDR},
      {"SETR into the code", {}, Join({A(-60), L2(kSeven), L2(kThree), {OP_SUBR, OP_STOREN, 2}}), FUSED_SETR_SUBR},
      {"OPR_STORE", Join({A(kResult), L2(kSeven)}), Join({L2(kThree), {OP_ADDR, OP_STOREN, 2}}), FUSED_OPR_STORE_ADDR},
      {"OPR_STORE into the code", Join({A(-60), L2(kSeven)}), Join({L2(kThree), {OP_SUBR, OP_STOREN, 2}}),
       FUSED_OPR_STORE_SUBR},
      {"BINR L2 L2", {}, Join({L2(kSeven), L2(kThree), {OP_SUBR}}), FUSED_BINR_L2_L2_SUBR},
      {"BINR K2 L2", {}, Join({{OP_PUSH2, 0, 1073741824}, L2(kSeven), {OP_MULR}}), FUSED_BINR_K2_L2_MULR},
      {"BINR above the top", {}, Join({L2(kSeven), L2(kAbove), {OP_ADDR}}), FUSED_BINR_L2_L2_ADDR},
      {"BINR K2 L2 above the top", {}, Join({{OP_PUSH2, 0, 1073741824}, L2(kAbove), {OP_MULR}}), FUSED_BINR_K2_L2_MULR},
      {"BIN L K", {}, Join({L(kSeven), K(5), {OP_SUBI}}), FUSED_BIN_L_K_SUBI},
      {"BIN P L", {}, Join({P(kToSeven), L(kThree), {OP_MOD}}), FUSED_BIN_P_L_MOD},
      {"BIN L L by zero", {}, Join({L(kSeven), L(kZero), {OP_DIVI}}), FUSED_BIN_L_L_DIVI},
      {"BIN smallest DIV -1", {}, Join({L(kMinimum), L(kMinusOne), {OP_DIVI}}), FUSED_BIN_L_L_DIVI},
      {"OPYS K", Join({A(kResult), L(kSeven)}), Join({K(3), {OP_MULI, OP_STOREN, 1}}), FUSED_OPYS_K_MULI},
      {"OPYS L by zero", Join({A(kResult), L(kSeven)}), Join({L(kZero), {OP_MOD, OP_STOREN, 1}}), FUSED_OPYS_L_MOD},
      {"OPYS into the code", Join({L(kToCode), L(kSeven)}), Join({K(1), {OP_ADDI, OP_STOREN, 1}}), FUSED_OPYS_K_ADDI},
      {"OPS", Join({A(kResult), L(kSeven), kApart, L(kThree), kApart}), {OP_SUBI, OP_STOREN, 1}, FUSED_OPS_SUBI},
      {"OPS outside the memory", Join({L(kToFar), L(kSeven), kApart, L(kThree), kApart}), {OP_ADDI, OP_STOREN, 1},
       FUSED_OPS_ADDI},
      {"INDEX", Join({A(kArray), K(3)}), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, FUSED_INDEX},
      {"INDEX out of range", Join({A(kArray), K(0)}), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, FUSED_INDEX},
      {"INDEXV", Join({A(kArray), K(5)}), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}, FUSED_INDEXV},
      {"INDEXV on its own words", Join({A(kGlobals + 2), K(1)}), {OP_CHKINDEX, 0, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1},
       FUSED_INDEXV},
      {"INDEXV outside the memory", Join({A(kArray), K(5)}),
       {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1 << 29, OP_LOADN, 1}, FUSED_INDEXV},
      {"INDEXV at the end of the memory", Join({A(kArray), K(2)}),
       {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1}, FUSED_INDEXV, 0},
      {"OPR_L2_ADDR", L2(kSeven), Join({L2(kThree), {OP_ADDR}}), FUSED_OPR_L2_ADDR},
      {"OPR_L2_SUBR", L2(kSeven), Join({L2(kThree), {OP_SUBR}}), FUSED_OPR_L2_SUBR},
      {"OPR_L2_MULR", L2(kSeven), Join({L2(kThree), {OP_MULR}}), FUSED_OPR_L2_MULR},
      {"OPR above the top", L2(kSeven), Join({L2(kGlobals + 2), {OP_MULR}}), FUSED_OPR_L2_MULR},
      {"OPR at the end of the memory", L2(kSeven), Join({L2(kThree), {OP_ADDR}}), FUSED_OPR_L2_ADDR, 1},
      {"OPR on the code", PopsIntoTheCode(kGlobals + 4), Join({L2(kThree), {OP_ADDR}}), FUSED_OPR_L2_ADDR},
      {"CHARBYTE", K(-1), CharacterByte(), FUSED_CHARBYTE},
      {"CHARBYTE at the end of the memory", K(256), CharacterByte(), FUSED_CHARBYTE, 0},
      {"CHARBYTE on the code", PopsIntoTheCode(kGlobals + 4), CharacterByte(), FUSED_CHARBYTE},
  };
  return cases;
}

// Every sequence in its normal case and in each way it falls back, run to
// the end and then with every budget that stops the run before it ends.
TEST(FusedSequences, AgreeWithTheirInstructionsOneByOne) {
  for (const Case& c : Cases()) {
    std::size_t at = 0;
    std::vector<Word> image = ImageOfCase(c, &at);
    // A JMPF in the sequence jumps to what follows it.
    if (c.sequence.size() >= 2 && c.sequence[c.sequence.size() - 2] == OP_JMPF)
      image[at + c.sequence.size() - 1] = static_cast<Word>(at + c.sequence.size());
    ASSERT_EQ(DecodeHandler(image.data(), static_cast<std::int64_t>(at), static_cast<std::int64_t>(image.size()), true),
              c.expected)
        << c.name;
    EXPECT_TRUE(SameRuns(image)) << c.name;
    // The globals take 43 instructions; the sequence and the end at most
    // 20, the words before it one each at most.
    const std::int64_t last = 70 + static_cast<std::int64_t>(c.before.size());
    for (std::int64_t budget = 40; budget <= last; ++budget) EXPECT_TRUE(SameRuns(image, budget)) << c.name;
    EXPECT_EQ(RunImage(image, true, last).output, RunImage(image, true, 0).output) << c.name;
  }
}

// The loop-shaped sequences: a FOR loop's step (A INC JMP) and a routine's
// start (GROW JMP), with their fallbacks.
TEST(FusedSequences, LoopStepsAndRoutineStarts) {
  // FOR i := 1 TO 5 DO write(i): the step jumps back to the test.
  Program loop(kGlobals);
  loop.op({OP_LOADADDR, 0, 3, OP_PUSH, 1, OP_STOREN, 1});
  const Word test = loop.here();
  loop.op(Join({L(3), K(5), {OP_LEI, OP_JMPF, 0}}));
  const Word exitPatch = loop.here() - 1;
  loop.op(Join({L(3), {OP_WRITE, 1}}));
  const Word step = loop.here();
  loop.op({OP_LOADADDR, 0, 3, OP_INC, OP_JMP, test});
  loop.at(static_cast<std::size_t>(exitPatch)) = loop.here();
  std::vector<Word> image = ImageOf(loop);
  EXPECT_EQ(DecodeHandler(image.data(), step, static_cast<std::int64_t>(image.size()), true), FUSED_FORSTEP);
  EXPECT_EQ(RunImage(image, true, 0).output, "12345");
  EXPECT_TRUE(SameRuns(image));
  for (std::int64_t budget = 1; budget <= 80; ++budget) EXPECT_TRUE(SameRuns(image, budget)) << "FOR";

  // The step on a variable outside the memory, below the code and above the top.
  for (const Word offset : {kFarOffset, Word{-2}, Word{kAbove}}) {
    Program p(kGlobals);
    p.op({OP_LOADADDR, 0, offset, OP_INC, OP_JMP, 0});
    p.at(static_cast<std::size_t>(p.here() - 1)) = p.here();
    p.op(Join({L(kAbove), {OP_WRITE, 1}}));
    image = ImageOf(p);
    ASSERT_EQ(DecodeHandler(image.data(), 4, static_cast<std::int64_t>(image.size()), true), FUSED_FORSTEP);
    EXPECT_TRUE(SameRuns(image)) << offset;
  }

  // GROW; JMP in a routine, and a GROW beyond the stack's limit.
  for (const Word grow : {Word{5}, Word{kStackLimit}}) {
    Program p(kGlobals);
    p.op({OP_CALL, 0, 0});
    const Word callAt = p.here() - 3;
    p.op({OP_JMP, 0});
    const Word endPatch = p.here() - 1;
    const Word routine = p.here();
    p.op({OP_GROW, grow, 100, OP_JMP, 0});
    p.at(static_cast<std::size_t>(p.here() - 1)) = p.here();
    p.op(Join({L(3), {OP_WRITE, 1, OP_RET, 0}}));
    p.at(static_cast<std::size_t>(callAt + 2)) = routine - callAt;
    p.at(static_cast<std::size_t>(endPatch)) = p.here();
    image = ImageOf(p);
    ASSERT_EQ(DecodeHandler(image.data(), routine, static_cast<std::int64_t>(image.size()), true), FUSED_GROWJMP);
    EXPECT_TRUE(SameRuns(image)) << grow;
    for (std::int64_t budget = 1; budget <= 12; ++budget) EXPECT_TRUE(SameRuns(image, budget)) << grow;
  }
}

// A jump into the middle of a fused sequence runs the rest of it one
// instruction at a time (or a shorter sequence starting there).
TEST(FusedSequences, JumpIntoTheMiddle) {
  const std::vector<Word> sequence = Join({A(kResult), L(kSeven), L(kThree), {OP_ADDI, OP_STOREN, 1}});
  // Every instruction boundary of the sequence, with the words that
  // instruction expects already on the stack.
  const struct {
    std::size_t offset;
    std::vector<Word> stack;
  } entries[] = {{3, A(kResult)},
                 {6, Join({A(kResult), A(kSeven)})},
                 {8, Join({A(kResult), K(70)})},
                 {11, Join({A(kResult), K(70), A(kThree)})},
                 {13, Join({A(kResult), K(70), K(2)})},
                 {14, Join({A(kResult), K(72)})}};
  for (const auto& entry : entries) {
    Program p(kGlobals);
    SetUpGlobals(p, 0);
    p.op(entry.stack);
    p.op({OP_JMP, 0});
    const Word jumpPatch = p.here() - 1;
    const Word start = p.here();
    p.op(sequence);
    p.at(static_cast<std::size_t>(jumpPatch)) = start + static_cast<Word>(entry.offset);
    p.op(Join({L(kResult), {OP_WRITE, 1}}));
    const std::vector<Word> image = ImageOf(p);
    ASSERT_EQ(DecodeHandler(image.data(), start, static_cast<std::int64_t>(image.size()), true),
              FUSED_SETOP_A_L_L_ADDI);
    EXPECT_TRUE(SameRuns(image)) << entry.offset;
  }
}

// The program changes its own code with STOREN (the constant of a PUSH,
// the opcode and an operand inside a fused sequence) and then runs the
// changed code again.
TEST(FusedSequences, CodeWrittenByTheProgram) {
  const struct {
    const char* name;
    std::size_t word;  // in the sequence below
    Word value;
    const char* output = nullptr;  // when it is plain
  } changes[] = {
      {"the constant of the PUSH", 9, 100, "12107"},
      {"the operation", 10, OP_MULI, "1235"},
      {"the operation into a non-fusing one", 10, OP_AND},
      {"the LOADN operand", 7, 2},
      {"the level of the second LOADADDR", 4, 1},
      {"the STOREN into a bad opcode", 11, 500},
      {"the opcode of the first LOADADDR", 0, OP_LOADVAL},
  };
  for (const auto& change : changes) {
    Program p(kGlobals);
    p.op({OP_LOADADDR, 0, 4, OP_PUSH, 7, OP_STOREN, 1});
    // Runs twice: var 5 counts the passes.
    const Word start = p.here();
    p.op(Join({A(3), L(4), K(5), {OP_ADDI, OP_STOREN, 1}}));  // v3 := v4 + 5 (SETOP_A_L_K_ADDI)
    p.op(Join({L(3), {OP_WRITE, 1}}));
    p.op(Join({A(5), L(5), K(1), {OP_ADDI, OP_STOREN, 1}}));
    p.op(Join({L(5), K(2), {OP_EQI, OP_JMPF, 0}}));
    const Word loopPatch = p.here() - 1;
    p.op({OP_JMP, 0});
    const Word endPatch = p.here() - 1;
    p.at(static_cast<std::size_t>(loopPatch)) = p.here();
    p.op({OP_PUSH, start + static_cast<Word>(change.word), OP_PUSH, change.value, OP_STOREN, 1, OP_JMP, start});
    p.at(static_cast<std::size_t>(endPatch)) = p.here();
    const std::vector<Word> image = ImageOf(p);
    ASSERT_EQ(DecodeHandler(image.data(), start, static_cast<std::int64_t>(image.size()), true),
              FUSED_SETOP_A_L_K_ADDI);
    EXPECT_TRUE(SameRuns(image)) << change.name;
    if (change.output) {
      EXPECT_EQ(RunImage(image, true, 0).output, change.output) << change.name;
    }
    for (std::int64_t budget = 1; budget <= 80; ++budget) EXPECT_TRUE(SameRuns(image, budget)) << change.name;
  }
}

// A local variable that the routine reads before assigning it sees the word
// that the caller's fused sequences left there.
TEST(FusedSequences, UninitializedLocalReadsTheSameStaleWord) {
  Program p(kGlobals);
  SetUpGlobals(p, 0);
  for (int pass = 0; pass < 2; ++pass) {
    // One word on the stack, then sequences that leave words above it.
    p.op({OP_PUSH, 1});
    if (pass == 0) p.op(Join({A(kResult), L(kSeven), L(kThree), {OP_MULI, OP_STOREN, 1}}));
    else p.op(Join({A(kArray), L(kThree), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 1, OP_POP}}));
    p.op({OP_POP, OP_CALL, 0, 0});
    const Word callAt = p.here() - 3;
    p.op({OP_JMP, 0});
    const Word endPatch = p.here() - 1;
    const Word routine = p.here();
    p.op({OP_GROW, 3, 100});
    p.op(Join({L(3), {OP_WRITE, 1}, L(4), {OP_WRITE, 1}, L(5), {OP_WRITE, 1, OP_RET, 0}}));
    p.at(static_cast<std::size_t>(callAt + 2)) = routine - callAt;
    p.at(static_cast<std::size_t>(endPatch)) = p.here();
  }
  const std::vector<Word> image = ImageOf(p);
  const Outcome fused = RunImage(image, true, 0);
  EXPECT_FALSE(fused.error);
  EXPECT_NE(fused.output, "000000");
  EXPECT_TRUE(SameRuns(image));
}

// A fused handler whose stack top lies just below the code's end (after
// POPs into the code) must not write below the code's end or outside the
// memory. Each sequence here changes the opcode of the PUSH of a character
// ahead: the unfused instruction writes it through the checked path, so the
// change is decoded (HALT or RESERVE runs there, and no "x" is written).
// (With top == the code's end - 1, a check of the target against top alone
// once let every address through: the code word was written without being
// noted, and an address outside the memory was written out of bounds.)
TEST(FusedSequences, WritesThroughAnAddressBelowTheCodeWithTheTopJustBelowTheCodeEnd) {
  const struct {
    const char* name;
    std::vector<Word> sequence;  // the LOADADDR's offset is set to the PUSH below
    HandlerId expected;
  } cases[] = {
      {"SET A K", Join({A(0), K(OP_HALT), {OP_STOREN, 1}}), FUSED_SET_A_K},
      {"SETOP A L K", Join({A(0), L(-1), K(0), {OP_ADDI, OP_STOREN, 1}}), FUSED_SETOP_A_L_K_ADDI},  // L: the HALT
      {"FORSTEP", {OP_LOADADDR, 0, 0, OP_INC, OP_JMP, 0}, FUSED_FORSTEP},
  };
  for (const auto& c : cases) {
    Program p(0);
    p.op(PopsIntoTheCode(4));  // top = the code's end - 1
    const Word start = p.here();
    p.op(c.sequence);
    const Word target = p.here();
    p.op({OP_PUSH, 'x', OP_WRITE, 2});
    std::vector<Word> image = ImageOf(p);
    image[static_cast<std::size_t>(start + 2)] = target - static_cast<Word>(image.size());
    if (c.expected == FUSED_FORSTEP) image[static_cast<std::size_t>(target - 1)] = target;
    ASSERT_EQ(DecodeHandler(image.data(), start, static_cast<std::int64_t>(image.size()), true), c.expected)
        << c.name;
    EXPECT_EQ(RunImage(image, false, 0).output.find('x'), std::string::npos) << c.name;
    EXPECT_TRUE(SameRuns(image)) << c.name;
  }
}

// The decoder: the longest pattern that matches, locals only (levels <= 0),
// the operands a pattern names, and nothing past the code's end.
TEST(FusedSequences, DecodeHandler) {
  const std::vector<Word> cmp = Join({L(3), K(9), {OP_LTI, OP_JMPF, 0}});
  const struct {
    const char* name;
    std::vector<Word> code;
    std::int64_t limit;  // -1: the whole code
    HandlerId expected;
  } cases[] = {
      {"longest match", cmp, -1, FUSED_CMPJ_L_K_LTI},
      {"JMPF operand past the end", cmp, static_cast<std::int64_t>(cmp.size()) - 1, FUSED_PUSH_L},
      {"LOADN operand past the end", cmp, 4, static_cast<HandlerId>(OP_LOADADDR)},
      {"level -1 is local", Join({{OP_LOADADDR, -1, 3, OP_LOADN, 1}}), -1, FUSED_PUSH_L},
      {"level 1 is not", Join({{OP_LOADADDR, 1, 3, OP_LOADN, 1}}), -1, static_cast<HandlerId>(OP_LOADADDR)},
      {"VAR parameter of level 1", Join({{OP_LOADVAL, 1, 3, OP_LOADN, 1}}), -1, static_cast<HandlerId>(OP_LOADVAL)},
      {"second part of level 1", Join({L(3), {OP_LOADADDR, 1, 4, OP_LOADN, 1, OP_EQI, OP_JMPF, 0}}), -1,
       FUSED_PUSH_L},
      {"LOADN 2", L2(3), -1, FUSED_PUSH_L2},
      {"LOADN 3", {OP_LOADADDR, 0, 3, OP_LOADN, 3}, -1, static_cast<HandlerId>(OP_LOADADDR)},
      {"STOREN 2 is no assignment", Join({A(3), K(1), {OP_STOREN, 2}}), -1, static_cast<HandlerId>(OP_LOADADDR)},
      {"ELEMADDR of two dimensions", Join({A(3), L(4), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 2, 1}}), -1,
       static_cast<HandlerId>(OP_LOADADDR)},
      {"ELEMV without its LOADN", Join({A(3), L(4), {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1, OP_LOADN, 2}}), -1,
       FUSED_ELEM_L},
      {"INDEX", {OP_CHKINDEX, 1, 5, OP_ELEMADDR, 1, 1}, -1, FUSED_INDEX},
      {"FORSTEP", {OP_LOADADDR, 0, 3, OP_INC, OP_JMP, 0}, -1, FUSED_FORSTEP},
      {"FORSTEP cut", {OP_LOADADDR, 0, 3, OP_INC, OP_JMP, 0}, 5, static_cast<HandlerId>(OP_LOADADDR)},
      {"GROWJMP", {OP_GROW, 1, 2, OP_JMP, 0}, -1, FUSED_GROWJMP},
      {"position past the code", {OP_HALT}, 0, kHandlerOutOfCode},
      {"no opcode", {500}, -1, kHandlerBadOpcode},
      {"negative word", {-1}, -1, kHandlerBadOpcode},
  };
  for (const auto& c : cases) {
    std::vector<Word> code = c.code;
    const std::int64_t limit = c.limit < 0 ? static_cast<std::int64_t>(code.size()) : c.limit;
    code.resize(code.size() + 8, 0);  // readable past the end
    EXPECT_EQ(DecodeHandler(code.data(), 0, limit, true), c.expected) << c.name;
    const HandlerId plain = DecodeHandler(code.data(), 0, limit, false);
    EXPECT_TRUE(plain < kOpcodeCount || plain == kHandlerOutOfCode || plain == kHandlerBadOpcode) << c.name;
  }
  EXPECT_EQ(DecodeHandler(cmp.data(), -1, static_cast<std::int64_t>(cmp.size()), true), kHandlerOutOfCode);
  EXPECT_EQ(InstructionsOf(FUSED_CMPJ_L_K_LTI), 5);
  EXPECT_EQ(InstructionsOf(FUSED_SETOP_V_P_P_MULI), 7);
  EXPECT_EQ(InstructionsOf(FUSED_ELEMV_P), 6);
  EXPECT_EQ(InstructionsOf(static_cast<HandlerId>(OP_ADDI)), 1);
  EXPECT_GE(MaxFusedWords(), 16);
}

}  // namespace
}  // namespace kau::testing
