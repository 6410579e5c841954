// The translation pass: reading the parser's lists, raising semantic errors,
// the program layout and the block rule shared by the program and routines.
#include "compiler/translator.h"

#include <cstring>
#include <exception>

#include "compiler/error_messages.h"
#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "compiler/token_kinds.h"
#include "text/code_pages.h"

namespace kau::translator {

namespace {
// Statements, expressions and routines nested deeper than this are refused,
// so that the recursive translation never exhausts the native stack.
constexpr int kMaxNesting = 250;
}  // namespace

Production Translator::production() {
  // An accepted parse always leaves enough productions; running out would
  // mean the lists and the translator disagree, so the pass stops.
  if (ProductionList.Empty() && !errorFlag_) {
    errorFlag_ = 1;
    message_ = AppendNumberText(text::cp1252(" => Erro semântico na linha "), currentLine_) + "...#" +
               text::cp1252(" => Erro interno do compilador!");
  }
  return static_cast<Production>(PopInt(ProductionList));
}

Triple Translator::token() {
  Triple t;
  t.value = PopInt(ValueQueue);
  t.value2 = PopInt(ValueQueue);
  t.line = PopInt(ValueQueue);
  currentLine_ = t.line;
  return t;
}

std::string Translator::nameOf(const Triple& t) {
  const elem_tab_simb* entry = Symbols.SymbolAt(t.value, t.value2);
  return entry ? entry->name : std::string();
}

void Translator::fail(SemanticErrorCode code, const std::string& a, const std::string& b) {
  if (errorFlag_) return;
  errorFlag_ = 1;
  message_ = SemanticErrorMessage(code, currentLine_, a, b);
}

void Translator::failMemory() {
  if (errorFlag_) return;
  errorFlag_ = 1;
  message_ = AppendNumberText(text::cp1252(" => Erro semântico na linha "), currentLine_) + "...#" +
             text::cp1252(" => O programa é grande demais para a memória disponível!");
}

bool Translator::enterNesting() {
  if (++nesting_ <= kMaxNesting) return true;
  if (!errorFlag_) {
    errorFlag_ = 1;
    message_ = AppendNumberText(text::cp1252(" => Erro semântico na linha "), currentLine_) + "...#" +
               text::cp1252(" => Comandos, expressões ou subprogramas aninhados demais!");
  }
  --nesting_;
  return false;
}

Declared* Translator::builtin(const std::string& name) {
  for (Declared* d : builtins_)
    if (d->name == name) return d;
  Declared* d = scopes_.Create(name, 'B');
  d->size = name == "REAL" ? 2 : (name == "STRING" || name == "TEXT") ? 255 : 1;
  builtins_.push_back(d);
  return d;
}

bool Translator::named(const Declared* t, const char* name) { return t && t->kind == 'B' && t->name == name; }

bool Translator::isNumeric(const Declared* t) {
  return named(t, "INTEGER") || named(t, "REAL") || named(t, "LONG");
}

bool Translator::isTextual(const Declared* t) { return named(t, "STRING") || named(t, "CHAR"); }

bool Translator::isOrdinal(const Declared* t) { return named(t, "INTEGER") || named(t, "CHAR") || isEnum(t); }

int Translator::itemType(const Declared* t) {
  if (named(t, "INTEGER")) return 1;
  if (named(t, "CHAR")) return 2;
  if (named(t, "BOOLEAN")) return 3;
  if (named(t, "REAL")) return 4;
  if (named(t, "STRING")) return 6;
  if (named(t, "LONG")) return 7;
  return 0;
}

int Translator::allocateTemp(int words) {
  Frame& frame = *frames_.back();
  int address = frame.dataCounter;
  frame.dataCounter += words;
  frame.frameDataWords = frame.dataCounter - 3;
  if (frame.dataCounter > kProgramMemoryWords) failMemory();
  return address;
}

int Translator::Run() {
  try {
    code_.SetCodeCounter(4);
    translateProgram();
    if (code_.Overflowed()) failMemory();
    int halt = code_.CodeCounter();
    if (halt < kProgramMemoryWords) ProgramMemory[halt] = OP_HALT;
  } catch (const std::exception&) {
    errorFlag_ = 1;
  }
  return errorFlag_;
}

void Translator::translateProgram() {
  Frame main;
  main.dataCounter = 3;
  Triple keyword = token();
  Triple name = token();
  Declared* program = scopes_.Create(nameOf(keyword), 'F');
  scopeStack_.push_back(program);
  if (Declared* d = scopes_.Declare(nameOf(name), program, 'L')) d->kind = 'L';
  enumerationSerial_ = 0;
  main.scope = program;
  frames_.push_back(&main);
  translateBlock(main);
  if (failed()) return;
  code_.PatchCode(0, OP_ENTER);
  code_.PatchCode(1, main.frameDataWords);
  code_.PatchCode(2, kProgramHeadroom);
  code_.PatchCode(3, 4);
  translateCompound();
  if (failed()) return;
  // Words the statements took for themselves (CASE selectors, FOR addresses).
  code_.PatchCode(1, main.frameDataWords);
  long long needed = static_cast<long long>(code_.CodeCounter()) + 1 + 3 + main.frameDataWords + kProgramHeadroom;
  if (code_.Overflowed() || needed >= kStackLimit) failMemory();
  frames_.pop_back();
  scopeStack_.pop_back();
}

void Translator::translateBlock(Frame& frame) {
  frame.frameDataWords = 0;
  translateConstPart();
  int noted = frame.dataCounter;
  int jump = code_.Emit2(OP_JMP, 0);
  translateTypePart();
  frame.dataCounter = noted;
  translateVarPart();
  frame.frameDataWords = frame.dataCounter - 3;
  if (frame.dataCounter > kProgramMemoryWords) failMemory();
  translateRoutineDeclarations();
  code_.PatchCode(jump + 1, code_.CodeCounter());
}

// ---- CONST ----

void Translator::translateConstPart() {
  if (production() != PROD_CONST_PART) return;
  int more = 0;
  while (production() == PROD_CONST_DECL_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) translateConstDeclaration();
}

std::vector<Triple> Translator::translateIdentifierList() {
  int more = 0;
  while (production() == PROD_IDENTIFIER_LIST_MORE) ++more;
  std::vector<Triple> names;
  for (int i = 0; i <= more; ++i) names.push_back(token());
  return names;
}

void Translator::translateConstDeclaration() {
  Production form = production();
  Frame& frame = *frames_.back();
  std::vector<Declared*> entries;
  int count = 0;
  while (production() == PROD_IDENTIFIER_LIST_MORE) ++count;
  for (int i = 0; i <= count; ++i) {
    Triple t = token();
    if (failed()) continue;
    Declared* d = scopes_.Declare(nameOf(t), frame.scope, 'O');
    if (!d) {
      fail(SEM_DUPLICATE_IDENTIFIER, nameOf(t), frame.scope->name);
      continue;
    }
    entries.push_back(d);
  }
  int sign = 1;
  if (form == PROD_CONST_DECL_SIGNED_NUMBER) {
    Triple op = token();
    if (op.value == ADDOP_MINUS)
      sign = -1;
    else if (op.value != ADDOP_PLUS)
      fail(SEM_INVALID_CONSTANT);
  }
  Triple v = token();
  if (failed()) return;
  const int address = frame.dataCounter;
  Declared* type = nullptr;
  int words = 1;
  int value = 0;
  code_.Emit3(OP_LOADADDR, 0, address);
  switch (form) {
    case PROD_CONST_DECL_NUMBER:
    case PROD_CONST_DECL_SIGNED_NUMBER:
      if (v.value2 == kIntegerValue2) {
        type = builtin("INTEGER");
        value = static_cast<int>(static_cast<unsigned>(v.value) * static_cast<unsigned>(sign));
        code_.Emit2(OP_PUSH, value);
        code_.Emit2(OP_STOREN, 1);
      } else {
        type = builtin("REAL");
        words = 2;
        const RealConstantNode* node = RealConstants.RealAt(v.value, v.value2);
        double real = (node ? node->value : 0.0) * sign;
        std::uint64_t bits;
        std::memcpy(&bits, &real, sizeof bits);
        code_.Emit3(OP_PUSH2, static_cast<Word>(bits & 0xFFFFFFFFu), static_cast<Word>(bits >> 32));
        code_.Emit2(OP_STOREN, 2);
      }
      break;
    case PROD_CONST_DECL_BOOLEAN:
      type = builtin("BOOLEAN");
      value = v.value;
      code_.Emit2(OP_PUSH, value);
      code_.Emit2(OP_STOREN, 1);
      break;
    case PROD_CONST_DECL_STRING: {
      type = builtin("STRING");
      std::string s = nameOf(v);
      int n = static_cast<int>(s.size());
      words = n + 1;
      code_.Emit2(OP_PUSH, -1);
      code_.Emit2(OP_PUSHN, n);
      for (int i = n - 1; i >= 0; --i) code_.Emit1(static_cast<unsigned char>(s[static_cast<std::size_t>(i)]));
      code_.Emit2(OP_STORESTR, n);
      for (Declared* d : entries) d->size = n;
      break;
    }
    default:  // PROD_CONST_DECL_CHAR: a character
      type = builtin("CHAR");
      value = v.value & 0xFF;
      code_.Emit2(OP_PUSH, value);
      code_.Emit2(OP_STOREN, 1);
      break;
  }
  for (Declared* d : entries) {
    d->type = type;
    d->address = address;
    d->value = value;
    if (form != PROD_CONST_DECL_STRING) d->size = type->size;
  }
  frame.dataCounter += words;
}

}  // namespace kau::translator

namespace kau {

namespace {
CodeBuffer codeBuffer;
std::string semanticMessage;
std::int32_t semanticLine = 0;
}  // namespace

int GenerateCode() {
  int flag = 1;
  codeBuffer = CodeBuffer();
  try {
    translator::Translator t(codeBuffer);
    flag = t.Run();
    semanticMessage = t.Message();
    semanticLine = t.Line();
  } catch (...) {
    flag = 1;
  }
  return flag;
}

int GetCodeCounter() { return codeBuffer.CodeCounter(); }
std::string GetSemanticMessage() { return semanticMessage; }
std::int32_t GetSemanticErrorLine() { return semanticLine; }

}  // namespace kau
