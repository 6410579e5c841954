// The word code shared by the translator, the interpreter and the program
// dump: opcode numbers, their names and operand counts, and the layout
// constants of the memory that code, frames and the expression stack share.
#pragma once

#include <cstdint>

namespace kau {

using Word = std::int32_t;

// The one array of code, frames and expression stack.
inline constexpr int kProgramMemoryWords = 1000000;
// top plus the headroom of OP_ENTER / OP_GROW must stay below this.
inline constexpr int kStackLimit = 800001;
inline constexpr int kProgramHeadroom = 4000;
inline constexpr int kRoutineHeadroom = 1000;
// Frame offsets relative to base.
inline constexpr int kStaticLinkOffset = 0;
inline constexpr int kDynamicLinkOffset = 1;
inline constexpr int kReturnAddressOffset = 2;
inline constexpr int kFirstDataOffset = 3;
// The end mark of a string in words, and the marker under a stack string.
inline constexpr Word kStringEnd = -1;
inline constexpr int kMaxStringLength = 255;

enum Opcode : Word {
  OP_ABS = 0,
  OP_ADDI = 1,
  OP_ADDR = 2,
  OP_CONCAT = 3,
  OP_CONCATARG = 4,
  OP_AND = 5,
  OP_APPEND = 6,
  OP_ARCTAN = 7,
  OP_STOREN = 8,
  OP_STORESTR = 9,
  OP_TEXTBACKGROUND = 10,
  OP_CASERANGE = 11,
  OP_GTI = 12,
  OP_GEI = 13,
  OP_GER = 14,
  OP_GES = 15,
  OP_GTR = 16,
  OP_GTS = 17,
  OP_ELEMADDR = 18,
  OP_CALL = 19,
  OP_CHARTOSTR = 20,
  OP_INTTOREAL = 21,
  OP_DUP = 22,
  OP_CLOSE = 23,
  OP_CLRSCR = 24,
  OP_COS = 25,
  OP_DEC = 26,
  OP_DELAY = 27,
  OP_NEI = 28,
  OP_NER = 29,
  OP_NES = 30,
  OP_DIVI = 31,
  OP_DIVR = 32,
  OP_JMPF = 33,
  OP_RETF = 34,
  OP_RET = 35,
  OP_HALT = 36,
  OP_FLUSHIN = 37,
  OP_EQI = 38,
  OP_EQR = 39,
  OP_EQS = 40,
  OP_EXP = 41,
  OP_EOF = 42,
  OP_ADDK = 43,
  OP_STRTOBLOCK = 44,
  OP_GROW = 45,
  OP_PUSH = 46,
  OP_RESERVE = 47,
  OP_JMP = 48,
  OP_GOTOXY = 49,
  OP_INC = 50,
  OP_CHKINDEX = 51,
  OP_LENGTH = 52,
  OP_LTI = 53,
  OP_LEI = 54,
  OP_LER = 55,
  OP_LES = 56,
  OP_LTR = 57,
  OP_LTS = 58,
  OP_POP = 59,
  OP_POPEQ = 60,
  OP_LN = 61,
  OP_NEGI = 62,
  OP_NEGR = 63,
  OP_MOD = 64,
  OP_MULI = 65,
  OP_MULR = 66,
  OP_NOT = 67,
  OP_ODD = 68,
  OP_OR = 69,
  OP_PRED = 70,
  OP_ENTER = 71,
  OP_RANDOM = 72,
  OP_READ = 73,
  OP_READF = 74,
  OP_READSTRF = 75,
  OP_READKEY = 76,
  OP_READSTR = 77,
  OP_PUSH2 = 78,
  OP_RESET = 79,
  OP_PUSHSTRVAR = 80,
  OP_REWRITE = 81,
  OP_ROUND = 82,
  OP_SIN = 83,
  OP_SQR = 84,
  OP_SQRT = 85,
  OP_PUSHN = 86,
  OP_VAL = 87,
  OP_SUBI = 88,
  OP_SUBR = 89,
  OP_SUCC = 90,
  OP_TEXTCOLOR = 91,
  OP_TRUNC = 92,
  OP_UPCASE = 93,
  OP_LOADN = 94,
  OP_LOADSTR = 95,
  OP_LOADADDR = 96,
  OP_LOADVAL = 97,
  OP_WRITE = 98,
  OP_WRITEF = 99,
  OP_WRITESTRF = 100,
  OP_WRITEW = 101,
  OP_WRITEWF = 102,
  OP_WRITERWD = 103,
  OP_WRITERWDF = 104,
  OP_WRITESTRWF = 105,
  OP_CHKENUM = 106,
  OP_NEW = 107,
  OP_DISPOSE = 108,
  OP_STORENH = 109,
  OP_LOADNH = 110,
  OP_STORESTRH = 111,
  OP_LOADSTRH = 112,
};

inline constexpr int kOpcodeCount = 113;

struct OpcodeInfo {
  const char* name;   // "OP_ADDI"
  int operandCount;   // words after the opcode; OP_PUSHN has this many plus its count
};

// Indexed by opcode 0 to 112.
extern const OpcodeInfo kOpcodeTable[kOpcodeCount];

inline bool isValidOpcode(Word op) { return op >= 0 && op < kOpcodeCount; }

// A character is an unsigned byte: a computed one (CHR, SUCC, PRED, INC,
// DEC) is the low byte of its word, x mod 256 taken non-negative. No opcode
// does that alone, so the translator follows the value with these words,
// which the dispatch loop runs as one step.
inline constexpr Word kCharacterByteCode[] = {OP_PUSH, 256, OP_MOD, OP_ADDK, 256, OP_PUSH, 256, OP_MOD};

}  // namespace kau
