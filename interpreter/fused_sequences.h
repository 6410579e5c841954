// Fused sequences: runs of word-code instructions that the translator emits
// together (read a variable, compare and jump, assign an operation, index an
// array) and that the dispatch loop runs as one handler.
//
// Before a run every word position of the code is decoded to a handler: its
// own opcode's, or the fused sequence that starts there. The fused handler
// checks at run time everything the instructions would check one by one;
// when any check fails it runs the first instruction alone through its own
// handler, so faults, messages and the words left on the stack are the
// same as without fusion.
#pragma once

#include <cstdint>

#include "compiler/word_code.h"

namespace kau {

// Pattern parts: L reads a variable of the current frame (LOADADDR with
// levels <= 0, then LOADN 1), P reads through a VAR parameter (LOADVAL with
// levels <= 0, then LOADN 1), K pushes a constant (PUSH), A and V push the
// address of such a variable or VAR parameter, L2 reads a real variable,
// K2 pushes a real constant (PUSH2).
// An opcode name with "/n" needs its first operand to be n.
// M(X, x, y, NAME, operator) for every integer comparison, and for every
// real one: the names below and the handlers (fused_handlers.inc) come from
// the same lists.
#define KAU_EACH_COMPARISON(M, X, x, y)                                                   \
  M(X, x, y, EQI, ==) M(X, x, y, NEI, !=) M(X, x, y, LTI, <) M(X, x, y, LEI, <=) \
  M(X, x, y, GTI, >) M(X, x, y, GEI, >=)
#define KAU_EACH_REAL_COMPARISON(M, X, x, y)                                              \
  M(X, x, y, EQR, ==) M(X, x, y, NER, !=) M(X, x, y, LTR, <) M(X, x, y, LER, <=) \
  M(X, x, y, GTR, >) M(X, x, y, GER, >=)
// x; y; comparison; JMPF
#define KAU_FUSED_COMPARISON_NAME(X, x, y, name, op) X(CMPJ_##x##_##y##_##name, #x " " #y " " #name " JMPF")
#define KAU_FUSED_COMPARISONS(X, x, y) KAU_EACH_COMPARISON(KAU_FUSED_COMPARISON_NAME, X, x, y)
// y; comparison; JMPF (the left operand on the stack)
#define KAU_FUSED_RIGHT_COMPARISON_NAME(X, y, unused, name, op) X(CMPJR_##y##_##name, #y " " #name " JMPF")
#define KAU_FUSED_RIGHT_COMPARISONS(X, y) KAU_EACH_COMPARISON(KAU_FUSED_RIGHT_COMPARISON_NAME, X, y, )
// x; y; comparison; DUP 1; JMPF (a short-circuit AND)
#define KAU_FUSED_SHORT_CIRCUIT_NAME(X, x, y, name, op) \
  X(CMPDJ_##x##_##y##_##name, #x " " #y " " #name " DUP/1 JMPF")
#define KAU_FUSED_SHORT_CIRCUITS(X, x, y) KAU_EACH_COMPARISON(KAU_FUSED_SHORT_CIRCUIT_NAME, X, x, y)
// comparison; JMPF (both operands on the stack)
#define KAU_FUSED_JUMP_ON_NAME(X, unused1, unused2, name, op) X(CJ_##name, #name " JMPF")
// K2; real comparison (the left operand on the stack)
#define KAU_FUSED_REAL_COMPARISON_NAME(X, unused1, unused2, name, op) X(CMPR_K2_##name, "K2 " #name)
#define KAU_FUSED_REAL_ASSIGNMENTS(X)                 \
  X(SETR_ADDR, "A L2 L2 ADDR STOREN/2")               \
  X(SETR_SUBR, "A L2 L2 SUBR STOREN/2")               \
  X(SETR_MULR, "A L2 L2 MULR STOREN/2")               \
  X(OPR_STORE_ADDR, "L2 ADDR STOREN/2")               \
  X(OPR_STORE_SUBR, "L2 SUBR STOREN/2")               \
  X(OPR_STORE_MULR, "L2 MULR STOREN/2")
#define KAU_FUSED_ASSIGNMENTS(X, d, x, y)                           \
  X(SETOP_##d##_##x##_##y##_ADDI, #d " " #x " " #y " ADDI STOREN/1") \
  X(SETOP_##d##_##x##_##y##_SUBI, #d " " #x " " #y " SUBI STOREN/1") \
  X(SETOP_##d##_##x##_##y##_MULI, #d " " #x " " #y " MULI STOREN/1")
// M(X, x, y, NAME, expression of left and right) for every integer
// operator (DIVI and MOD check their divisor in the handler).
#define KAU_EACH_OPERATOR(M, X, x, y)                                                   \
  M(X, x, y, ADDI, WrapAdd(left, right)) M(X, x, y, SUBI, WrapSub(left, right))        \
  M(X, x, y, MULI, WrapMul(left, right)) M(X, x, y, DIVI, left / right) M(X, x, y, MOD, left % right)
// x; y; operator: the value of a simple expression
#define KAU_FUSED_BINARY_NAME(X, x, y, name, expression) X(BIN_##x##_##y##_##name, #x " " #y " " #name)
#define KAU_FUSED_BINARIES(X, x, y) KAU_EACH_OPERATOR(KAU_FUSED_BINARY_NAME, X, x, y)
// y; operator (the left operand on the stack)
#define KAU_FUSED_OPERATION_NAME(X, y, unused, name, expression) X(OPY_##y##_##name, #y " " #name)
#define KAU_FUSED_OPERATIONS(X, y) KAU_EACH_OPERATOR(KAU_FUSED_OPERATION_NAME, X, y, )
// y; operator; STOREN 1 (the address and the left operand on the stack)
#define KAU_FUSED_OPERATION_STORE_NAME(X, y, unused, name, expression) \
  X(OPYS_##y##_##name, #y " " #name " STOREN/1")
// operator; STOREN 1 (the address and both operands on the stack)
#define KAU_FUSED_STORE_OF_NAME(X, unused1, unused2, name, expression) X(OPS_##name, #name " STOREN/1")
#define KAU_FUSED_ASSIGNMENTS_OF(X, d)                                                     \
  KAU_FUSED_ASSIGNMENTS(X, d, L, L) KAU_FUSED_ASSIGNMENTS(X, d, L, P) KAU_FUSED_ASSIGNMENTS(X, d, L, K) \
  KAU_FUSED_ASSIGNMENTS(X, d, P, L) KAU_FUSED_ASSIGNMENTS(X, d, P, P) KAU_FUSED_ASSIGNMENTS(X, d, P, K)

// Every fused sequence: X(name, pattern).
#define KAU_FUSED_LIST(X)                                                                    \
  X(PUSH_L, "L")                                                                             \
  X(PUSH_P, "P")                                                                             \
  X(PUSH_L2, "L2")                                                                           \
  KAU_FUSED_COMPARISONS(X, L, L) KAU_FUSED_COMPARISONS(X, L, P) KAU_FUSED_COMPARISONS(X, L, K) \
  KAU_FUSED_COMPARISONS(X, P, L) KAU_FUSED_COMPARISONS(X, P, P) KAU_FUSED_COMPARISONS(X, P, K) \
  X(SET_A_L, "A L STOREN/1")                                                                 \
  X(SET_A_P, "A P STOREN/1")                                                                 \
  X(SET_A_K, "A K STOREN/1")                                                                 \
  X(SET_V_L, "V L STOREN/1")                                                                 \
  X(SET_V_P, "V P STOREN/1")                                                                 \
  X(SET_V_K, "V K STOREN/1")                                                                 \
  KAU_FUSED_ASSIGNMENTS_OF(X, A) KAU_FUSED_ASSIGNMENTS_OF(X, V)                              \
  KAU_FUSED_OPERATIONS(X, L) KAU_FUSED_OPERATIONS(X, P) KAU_FUSED_OPERATIONS(X, K)           \
  KAU_FUSED_RIGHT_COMPARISONS(X, L) KAU_FUSED_RIGHT_COMPARISONS(X, P) KAU_FUSED_RIGHT_COMPARISONS(X, K) \
  KAU_FUSED_SHORT_CIRCUITS(X, L, L) KAU_FUSED_SHORT_CIRCUITS(X, L, K)                        \
  KAU_EACH_REAL_COMPARISON(KAU_FUSED_REAL_COMPARISON_NAME, X, , )                            \
  KAU_FUSED_REAL_ASSIGNMENTS(X)                                                              \
  X(AJ_AND, "AND JMPF")                                                                      \
  X(AJ_OR, "OR JMPF")                                                                        \
  KAU_FUSED_BINARIES(X, L, L) KAU_FUSED_BINARIES(X, L, P) KAU_FUSED_BINARIES(X, L, K)       \
  KAU_FUSED_BINARIES(X, P, L) KAU_FUSED_BINARIES(X, P, P) KAU_FUSED_BINARIES(X, P, K)       \
  KAU_EACH_OPERATOR(KAU_FUSED_OPERATION_STORE_NAME, X, L, )                                  \
  KAU_EACH_OPERATOR(KAU_FUSED_OPERATION_STORE_NAME, X, P, )                                  \
  KAU_EACH_OPERATOR(KAU_FUSED_OPERATION_STORE_NAME, X, K, )                                  \
  KAU_EACH_OPERATOR(KAU_FUSED_STORE_OF_NAME, X, , )                                          \
  X(SETELEM_L_L, "A L CHKINDEX ELEMADDR/1 L STOREN/1")                                      \
  X(SETELEM_L_K, "A L CHKINDEX ELEMADDR/1 K STOREN/1")                                      \
  X(SETELEM_LKA_L, "A L K ADDI CHKINDEX ELEMADDR/1 L STOREN/1")                             \
  X(SETELEM_LKA_K, "A L K ADDI CHKINDEX ELEMADDR/1 K STOREN/1")                             \
  X(BINR_L2_L2_ADDR, "L2 L2 ADDR")                                                           \
  X(BINR_L2_L2_SUBR, "L2 L2 SUBR")                                                           \
  X(BINR_L2_L2_MULR, "L2 L2 MULR")                                                           \
  X(BINR_K2_L2_ADDR, "K2 L2 ADDR")                                                           \
  X(BINR_K2_L2_SUBR, "K2 L2 SUBR")                                                           \
  X(BINR_K2_L2_MULR, "K2 L2 MULR")                                                           \
  X(STORE_L, "L STOREN/1")                                                                   \
  X(STORE_P, "P STOREN/1")                                                                   \
  X(STORE_K, "K STOREN/1")                                                                   \
  X(FORSTEP, "A INC JMP")                                                                    \
  X(ELEM_L, "A L CHKINDEX ELEMADDR/1")                                                       \
  X(ELEM_P, "A P CHKINDEX ELEMADDR/1")                                                       \
  X(ELEMV_L, "A L CHKINDEX ELEMADDR/1 LOADN/1")                                              \
  X(ELEMV_P, "A P CHKINDEX ELEMADDR/1 LOADN/1")                                              \
  X(ELEM_LKA, "A L K ADDI CHKINDEX ELEMADDR/1")                                              \
  X(ELEM_LKS, "A L K SUBI CHKINDEX ELEMADDR/1")                                              \
  X(ELEMV_LKA, "A L K ADDI CHKINDEX ELEMADDR/1 LOADN/1")                                     \
  X(ELEMV_LKS, "A L K SUBI CHKINDEX ELEMADDR/1 LOADN/1")                                     \
  X(INDEX, "CHKINDEX ELEMADDR/1")                                                            \
  X(INDEXV, "CHKINDEX ELEMADDR/1 LOADN/1")                                                   \
  KAU_EACH_COMPARISON(KAU_FUSED_JUMP_ON_NAME, X, , )                                         \
  X(GROWJMP, "GROW JMP")                                                                     \
  X(CHARBYTE, "PUSH/256 MOD ADDK/256 PUSH/256 MOD")                                          \
  X(OPR_L2_ADDR, "L2 ADDR")                                                                  \
  X(OPR_L2_SUBR, "L2 SUBR")                                                                  \
  X(OPR_L2_MULR, "L2 MULR")

// Handler numbers: the opcodes first, then two for positions that hold no
// instruction, then the fused sequences.
enum HandlerId : std::uint16_t {
  kHandlerOutOfCode = kOpcodeCount,  // pc ran past the code
  kHandlerBadOpcode,                 // the word is no opcode
#define KAU_FUSED_ID(name, pattern) FUSED_##name,
  KAU_FUSED_LIST(KAU_FUSED_ID)
#undef KAU_FUSED_ID
  kHandlerCount
};

// Positions past the code that the decoded form keeps, so that an
// instruction ending the code runs into kHandlerOutOfCode.
inline constexpr int kDecodedPadding = 8;

// The longest fused sequence in words: a change of a code word can change
// the decoding of this many positions up to it.
int MaxFusedWords();

// The handler for the position p of code whose instructions lie below
// codeLimit (code must be readable up to codeLimit + 4). Without `fuse`,
// only opcodes.
HandlerId DecodeHandler(const Word* code, std::int64_t p, std::int64_t codeLimit, bool fuse);

// The number of word-code instructions a handler runs (1 but for fused
// sequences).
int InstructionsOf(HandlerId id);

}  // namespace kau
