// Statements: assignment, control flow, input and output, files, console
// commands and the standard procedures.
#include <string>

#include "compiler/parser.h"
#include "compiler/symbol_table.h"
#include "compiler/token_kinds.h"
#include "compiler/translator.h"

namespace kau::translator {

namespace {
void patchList(CodeBuffer& code, std::vector<int>& list, int target) {
  while (!list.empty()) {
    int at = list.back();
    list.pop_back();
    if (at < 0) return;
    code.PatchCode(at, target);
  }
}
}  // namespace

void Translator::translateCompound() {
  if (failed()) return;
  PopInt(BeginLines);
  if (production() == PROD_STATEMENTS) translateStatementList();
}

void Translator::translateStatementList() {
  int more = 0;
  while (production() == PROD_STATEMENT_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) translateStatement();
}

void Translator::translateStatement() {
  // A compound statement nests at its BEGIN, which may stand lines below the
  // last token taken: nesting too deep names the BEGIN's line.
  if (ProductionList.Front() == PROD_STATEMENT_COMPOUND) currentLine_ = BeginLines.Front();
  if (failed() || !enterNesting()) return;
  Production p = production();
  switch (p) {
    case PROD_STATEMENT_ASSIGNMENT: translateAssignment(); break;
    case PROD_STATEMENT_COMPOUND: translateCompound(); break;
    case PROD_STATEMENT_CALL: translateCall(token(), false, false, nullptr); break;
    case PROD_STATEMENT_CALL_WITH_ARGUMENTS: translateCall(token(), false, true, nullptr); break;
    case PROD_STATEMENT_IF:
    case PROD_STATEMENT_IF_ELSE: translateIf(p == PROD_STATEMENT_IF_ELSE); break;
    case PROD_STATEMENT_CASE:
    case PROD_STATEMENT_CASE_ELSE: translateCase(p == PROD_STATEMENT_CASE_ELSE); break;
    case PROD_STATEMENT_WHILE: translateWhile(); break;
    case PROD_STATEMENT_REPEAT: translateRepeat(); break;
    case PROD_STATEMENT_FOR_TO:
    case PROD_STATEMENT_FOR_DOWNTO: translateFor(p == PROD_STATEMENT_FOR_DOWNTO); break;
    case PROD_STATEMENT_READ:
    case PROD_STATEMENT_READLN: translateRead(p == PROD_STATEMENT_READLN); break;
    case PROD_STATEMENT_READLN_BARE:
    case PROD_STATEMENT_READKEY: code_.Emit2(OP_READKEY, 0); break;
    case PROD_STATEMENT_WRITE:
    case PROD_STATEMENT_WRITELN: translateWrite(p == PROD_STATEMENT_WRITELN); break;
    case PROD_STATEMENT_WRITELN_BARE: code_.Emit2(OP_WRITE, 5); break;
    case PROD_STATEMENT_ASSIGN: translateAssign(); break;
    case PROD_STATEMENT_FILE_COMMAND: translateFileCommand(); break;
    case PROD_STATEMENT_TEXTCOLOR:
    case PROD_STATEMENT_TEXTBACKGROUND: translateColour(p == PROD_STATEMENT_TEXTBACKGROUND); break;
    case PROD_STATEMENT_GOTOXY: translateGotoXY(); break;
    case PROD_STATEMENT_DELAY: translateDelay(); break;
    case PROD_STATEMENT_VAL: translateVal(); break;
    case PROD_STATEMENT_INC_DEC_NEW: translateIncDecNew(); break;
    default: translateCrtCommand(); break;  // PROD_STATEMENT_CRT_COMMAND
  }
  leaveNesting();
}

// ---- assignment ----

void Translator::translateAssignment() {
  VarRef target = translateVariable();
  if (failed()) return;
  if (target.constant || target.enumValue) {
    fail(SEM_ASSIGNMENT_TO_CONSTANT);
    return;
  }
  if (target.functionName) {
    if (target.entry != scopeStack_.back()) {
      fail(SEM_FUNCTION_RESULT_OUT_OF_SCOPE, target.entry->name, scopeStack_.back()->name);
      return;
    }
    code_.Emit3(OP_LOADADDR, 0, 4);
    target.size = target.entry->size;
  }
  Expr e = translateExpression();
  if (failed()) return;
  storeValue(target, e.type);
}

void Translator::storeValue(const VarRef& target, Declared* valueType) {
  Declared* v = target.pointerValue ? builtin("PONTEIRO") : target.type;
  Declared* e = valueType;
  if (!v || !e) {
    fail(SEM_INCOMPATIBLE_ASSIGNMENT);
    return;
  }
  if (v != e) {
    if (named(v, "REAL") && named(e, "INTEGER")) {
      code_.Emit2(OP_INTTOREAL, 2);
      emitStore(target, 2);
    } else if (named(v, "STRING") && named(e, "CHAR")) {
      code_.Emit1(OP_CHARTOSTR);
      emitStoreString(target, target.size);
    } else {
      fail(SEM_INCOMPATIBLE_ASSIGNMENT);
    }
    return;
  }
  if (named(v, "STRING")) {
    emitStoreString(target, target.size);
  } else if (named(v, "TEXT") || v->recordType) {
    fail(SEM_INCOMPATIBLE_ASSIGNMENT);
  } else {
    emitStore(target, target.pointerValue || target.stringChar ? 1 : target.size);
  }
}

void Translator::emitStore(const VarRef& target, int words) {
  code_.Emit2(target.heap ? OP_STORENH : OP_STOREN, words);
}

void Translator::emitStoreString(const VarRef& target, int max) {
  code_.Emit2(target.heap ? OP_STORESTRH : OP_STORESTR, max);
}

void Translator::emitLoad(const VarRef& ref) {
  if (named(ref.type, "STRING") && !ref.stringChar && !ref.pointerValue && !ref.wholeArray)
    code_.Emit2(ref.heap ? OP_LOADSTRH : OP_LOADSTR, ref.size);
  else
    code_.Emit2(ref.heap ? OP_LOADNH : OP_LOADN, ref.pointerValue || ref.stringChar ? 1 : ref.size);
}

void Translator::translateBooleanCondition() {
  Expr e = translateExpression();
  if (!failed() && !named(e.type, "BOOLEAN")) fail(SEM_BOOLEAN_EXPECTED);
}

// ---- control flow ----

void Translator::translateIf(bool withElse) {
  translateBooleanCondition();
  if (failed()) return;
  int test = code_.Emit2(OP_JMPF, 0);
  translateStatement();
  if (failed()) return;
  if (withElse) {
    int skip = code_.Emit2(OP_JMP, 0);
    code_.PatchCode(test + 1, code_.CodeCounter());
    translateStatement();
    code_.PatchCode(skip + 1, code_.CodeCounter());
  } else {
    code_.PatchCode(test + 1, code_.CodeCounter());
  }
}

void Translator::translateWhile() {
  bool saved = insideLoop_;
  insideLoop_ = true;
  int head = code_.CodeCounter();
  translateBooleanCondition();
  int test = code_.Emit2(OP_JMPF, 0);
  breakJumps_.push_back(-1);
  continueJumps_.push_back(-1);
  translateStatement();
  code_.Emit2(OP_JMP, head);
  code_.PatchCode(test + 1, code_.CodeCounter());
  patchList(code_, breakJumps_, code_.CodeCounter());
  patchList(code_, continueJumps_, head);
  insideLoop_ = saved;
}

void Translator::translateRepeat() {
  bool saved = insideLoop_;
  insideLoop_ = true;
  breakJumps_.push_back(-1);
  continueJumps_.push_back(-1);
  int head = code_.CodeCounter();
  translateStatementList();
  int test = code_.CodeCounter();
  translateBooleanCondition();
  code_.Emit2(OP_JMPF, head);
  patchList(code_, breakJumps_, code_.CodeCounter());
  patchList(code_, continueJumps_, test);
  insideLoop_ = saved;
}

// The address of a variable that a statement needs more than once: a plain
// name is emitted again; anything else is kept in a scratch word (two for a
// heap pair) that the statement set up before translating the variable.
void Translator::emitRestoreAddress(const VarRef& ref, int temp) {
  if (temp < 0) {
    code_.Emit3(ref.referenceParameter ? OP_LOADVAL : OP_LOADADDR, ref.level, ref.entry->address);
  } else {
    code_.Emit3(OP_LOADADDR, 0, temp);
    code_.Emit2(OP_LOADN, ref.heap ? 2 : 1);
  }
}

// Translates a variable whose address is used more than once. Returns the
// scratch word holding its address, or -1 for a plain name (nothing left on
// the stack in either case).
int Translator::translateReusableVariable(VarRef& ref) {
  int start = code_.Emit3(OP_LOADADDR, 0, 0);  // the scratch word, given below
  ref = translateVariable();
  if (failed()) return -1;
  if ((ref.simple && !ref.heap) || ref.enumValue || ref.functionName) {
    // Nothing or a single LOADADDR/LOADVAL after the placeholder: drop both;
    // the name is emitted again where its address is needed.
    code_.SetCodeCounter(start);
    return -1;
  }
  int temp = allocateTemp(ref.heap ? 2 : 1);
  code_.PatchCode(start + 2, temp);
  code_.Emit2(OP_STOREN, ref.heap ? 2 : 1);
  return temp;
}

// The value of an ordinal expression known while translating: a literal or
// enumeration value (one PUSH), or a named INTEGER or CHAR constant.
bool Translator::knownOrdinal(const Expr& e, int& value) const {
  if (e.form == Expr::kLiteral && code_.CodeCounter() == e.start + 2 && code_.ReadCode(e.start) == OP_PUSH) {
    value = code_.ReadCode(e.start + 1);
    return true;
  }
  if (e.form == Expr::kVariable && e.var.constant && e.var.simple &&
      (named(e.type, "INTEGER") || named(e.type, "CHAR"))) {
    value = e.var.entry->value;
    return true;
  }
  return false;
}

void Translator::translateFor(bool down) {
  bool saved = insideLoop_;
  insideLoop_ = true;
  VarRef var;
  int temp = translateReusableVariable(var);
  if (failed()) return;
  if (var.constant || var.enumValue || var.functionName) {
    fail(SEM_ASSIGNMENT_TO_CONSTANT);
    return;
  }
  Declared* vt = var.type;
  if (!isOrdinal(vt) || var.pointerValue) {
    fail(SEM_FOR_VARIABLE_NOT_ORDINAL);
    return;
  }
  auto checkValue = [&](Declared* t) {
    if (!isOrdinal(t)) return fail(SEM_FOR_INCOMPATIBLE);
    if (named(vt, "INTEGER") && !named(t, "INTEGER")) return fail(SEM_INTEGER_EXPECTED);
    if (named(vt, "CHAR") && !named(t, "CHAR")) return fail(SEM_CHAR_EXPECTED);
    if (isEnum(vt) && !isEnum(t)) return fail(SEM_ENUMERATION_EXPECTED);
  };
  emitRestoreAddress(var, temp);
  Expr start = translateExpression();
  if (failed()) return;
  checkValue(start.type);
  emitStore(var, 1);
  int head = code_.CodeCounter();
  Expr limit = translateExpression();
  if (failed()) return;
  checkValue(limit.type);
  // The last value of the word needs its own exit: one step more would wrap
  // around to the other end and the loop would never end. A limit known here
  // to be another value never lets the variable get there. A character stops
  // at #255 or #0 the same way, for one step more is no character.
  const bool character = named(vt, "CHAR");
  const Word last = down ? (character ? 0 : INT32_MIN) : (character ? 255 : INT32_MAX);
  int known = 0;
  const bool limitKnown = knownOrdinal(limit, known);
  const bool guardLast = !limitKnown || known == last;
  emitRestoreAddress(var, temp);
  code_.Emit2(var.heap ? OP_LOADNH : OP_LOADN, 1);
  code_.Emit1(down ? OP_LEI : OP_GEI);
  int exit = code_.Emit2(OP_JMPF, 0);
  breakJumps_.push_back(-1);
  continueJumps_.push_back(-1);
  translateStatement();
  int step = code_.CodeCounter();
  int lastExit = -1;
  if (guardLast) {
    if (temp < 0 && !var.referenceParameter) {
      code_.Emit3(OP_LOADVAL, var.level, var.entry->address);
    } else {
      emitRestoreAddress(var, temp);
      code_.Emit2(var.heap ? OP_LOADNH : OP_LOADN, 1);
    }
    code_.Emit2(OP_PUSH, last);
    code_.Emit1(OP_NEI);
    lastExit = code_.Emit2(OP_JMPF, 0);
  }
  if (var.heap) {
    emitRestoreAddress(var, temp);
    emitRestoreAddress(var, temp);
    code_.Emit2(OP_LOADNH, 1);
    code_.Emit2(OP_ADDK, down ? -1 : 1);
    code_.Emit2(OP_STORENH, 1);
  } else {
    emitRestoreAddress(var, temp);
    code_.Emit1(down ? OP_DEC : OP_INC);
  }
  code_.Emit2(OP_JMP, head);
  code_.PatchCode(exit + 1, code_.CodeCounter());
  if (lastExit >= 0) code_.PatchCode(lastExit + 1, code_.CodeCounter());
  patchList(code_, breakJumps_, code_.CodeCounter());
  patchList(code_, continueJumps_, step);
  insideLoop_ = saved;
}

// CASE keeps its selector in a scratch word of the frame, so the stack is
// the same after the statement whichever arm ran, and BREAK or CONTINUE may
// leave it at any point.
void Translator::translateCase(bool withElse) {
  int selector = allocateTemp(1);
  code_.Emit3(OP_LOADADDR, 0, selector);
  Expr e = translateExpression();
  if (failed()) return;
  if (!isOrdinal(e.type)) {
    fail(SEM_CASE_SELECTOR_NOT_ORDINAL);
    return;
  }
  code_.Emit2(OP_STOREN, 1);
  std::vector<int> exits;
  int more = 0;
  while (production() == PROD_CASE_ARM_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) {
    int labels = 0;
    while (production() == PROD_CASE_LABEL_LIST_MORE) ++labels;
    std::vector<int> tests;
    for (int l = 0; l <= labels && !failed(); ++l) {
      bool range = production() == PROD_CASE_LABEL_RANGE;
      int low = translateCaseConstant(e.type);
      code_.Emit3(OP_LOADVAL, 0, selector);
      code_.Emit2(OP_PUSH, low);
      if (range) {
        int high = translateCaseConstant(e.type);
        code_.Emit2(OP_PUSH, high);
        code_.Emit1(OP_CASERANGE);
      } else {
        code_.Emit1(OP_NEI);
      }
      if (l == labels) code_.Emit1(OP_NOT);
      tests.push_back(code_.Emit2(OP_JMPF, 0) + 1);
    }
    if (failed()) return;
    int statement = code_.CodeCounter();
    translateStatement();
    exits.push_back(code_.Emit2(OP_JMP, 0) + 1);
    code_.PatchCode(tests.back(), code_.CodeCounter());
    tests.pop_back();
    for (int at : tests) code_.PatchCode(at, statement);
  }
  if (withElse) translateStatement();
  for (int at : exits) code_.PatchCode(at, code_.CodeCounter());
}

int Translator::translateCaseConstant(Declared* selectorType) {
  Production form = production();
  Triple t = token();
  if (failed()) return 0;
  if (form == PROD_CASE_CONSTANT_NUMBER) {
    if (t.value2 != kIntegerValue2 || !named(selectorType, "INTEGER")) fail(SEM_CASE_CONSTANT_TYPE);
    return t.value;
  }
  if (form == PROD_CASE_CONSTANT_CHAR) {
    if (!named(selectorType, "CHAR")) fail(SEM_CASE_CONSTANT_TYPE);
    return t.value & 0xFF;
  }
  int levels = 0;
  Declared* d = lookup(nameOf(t), levels);
  if (!d) return 0;
  if (d->kind != 'O' || d->type != selectorType) {
    fail(SEM_CASE_CONSTANT_TYPE);
    return 0;
  }
  return d->value;
}

// ---- input and output ----

void Translator::translateRead(bool line) {
  int more = 0;
  while (production() == PROD_READ_TARGET_LIST_MORE) ++more;
  bool toFile = false;
  int lastOperand = -1;
  for (int i = 0; i <= more && !failed(); ++i) {
    VarRef ref = translateVariable();
    if (failed()) return;
    if (ref.constant || ref.enumValue || ref.functionName) {
      fail(SEM_NOT_VARIABLE, ref.name);
      return;
    }
    if (ref.pointerValue) {
      fail(SEM_POINTER_READ_OR_WRITTEN);
      return;
    }
    if (isEnum(ref.type)) {
      fail(SEM_ENUMERATION_READ_OR_WRITTEN);
      return;
    }
    if (named(ref.type, "TEXT")) {
      if (i != 0) {
        fail(SEM_TEXT_NOT_FIRST);
        return;
      }
      toFile = true;
      continue;
    }
    const int heap = ref.heap ? 10 : 0;
    const bool isString = named(ref.type, "STRING") && !ref.stringChar;
    const int type = ref.stringChar ? 2 : itemType(ref.type);
    if (type == 0) {
      fail(SEM_INVALID_IN_CONTEXT, ref.name);
      return;
    }
    int at;
    if (toFile)
      at = isString ? code_.Emit3(OP_READSTRF, ref.size, heap) : code_.Emit3(OP_READF, type + heap, 0);
    else
      at = isString ? code_.Emit3(OP_READSTR, ref.size, heap) : code_.Emit2(OP_READ, type + heap);
    if (toFile || isString) lastOperand = at + 2;
  }
  if (failed()) return;
  if (line && lastOperand >= 0) code_.PatchCode(lastOperand, code_.ReadCode(lastOperand) + 1);
  // READLN(f) alone: the interpreter's end-of-line read skips one line.
  if (line && toFile && more == 0) code_.Emit3(OP_READF, 5, 1);
  if (toFile) code_.Emit1(OP_POP);
  code_.Emit1(OP_FLUSHIN);
}

void Translator::translateWrite(bool line) {
  writeItemState_ = 2;
  outputToFile_ = false;
  translateArgumentList(ArgumentUse::kWrite);
  if (failed()) return;
  if (line) code_.Emit2(outputToFile_ ? OP_WRITEF : OP_WRITE, 5);
  if (outputToFile_) code_.Emit1(OP_POP);
  writeItemState_ = 0;
  outputToFile_ = false;
}

// ---- files ----

Declared* Translator::translateTextName(SemanticErrorCode notTextCode, int& levels) {
  Triple t = token();
  if (failed()) return nullptr;
  Declared* d = lookup(nameOf(t), levels);
  if (!d) return nullptr;
  if ((d->kind != 'V' && d->kind != 'R') || !named(d->type, "TEXT") || d->dims) {
    fail(notTextCode, d->name);
    return nullptr;
  }
  return d;
}

void Translator::translateAssign() {
  int levels = 0;
  Declared* file = translateTextName(SEM_ASSIGN_PARAMETER_NOT_TEXT, levels);
  if (!file) return;
  code_.Emit3(OP_LOADADDR, levels, file->address);
  if (production() == PROD_FILE_NAME_LITERAL) {
    std::string s = nameOf(token());
    code_.Emit2(OP_PUSH, -1);
    code_.Emit2(OP_PUSHN, static_cast<int>(s.size()));
    for (auto it = s.rbegin(); it != s.rend(); ++it) code_.Emit1(static_cast<unsigned char>(*it));
  } else {
    VarRef name = translateVariable();
    if (failed()) return;
    if (!named(name.type, "STRING") || name.pointerValue || name.functionName) {
      fail(SEM_PARAMETER_NOT_STRING, name.name);
      return;
    }
    emitLoad(name);
    if (name.stringChar) code_.Emit1(OP_CHARTOSTR);
  }
  code_.Emit2(OP_STORESTR, 255);
}

void Translator::translateFileCommand() {
  int op = token().value;
  int levels = 0;
  Declared* file = translateTextName(SEM_PARAMETER_NOT_TEXT, levels);
  if (!file) return;
  code_.Emit3(OP_LOADADDR, levels, file->address);
  code_.Emit2(OP_LOADSTR, 255);
  static const Word ops[] = {OP_RESET, OP_REWRITE, OP_APPEND, OP_CLOSE};
  code_.Emit1(ops[(op >= 1 && op <= 4) ? op - 1 : 0]);
}

// ---- console and standard procedures ----

void Translator::translateColour(bool background) {
  int more = 0;
  while (production() == PROD_COLOUR_EXPR_MORE) ++more;
  long long sum = 0;
  for (int i = 0; i <= more && !failed(); ++i) {
    int sign = 1;
    if (i > 0) {
      int op = token().value;
      if (op == ADDOP_MINUS)
        sign = -1;
      else if (op != ADDOP_PLUS)
        fail(SEM_INVALID_EXPRESSION);
    }
    Triple n = token();
    if (n.value2 != kIntegerValue2) fail(SEM_COLOUR_NOT_INTEGER);
    sum += sign * static_cast<long long>(n.value);
  }
  if (failed()) return;
  code_.Emit2(background ? OP_TEXTBACKGROUND : OP_TEXTCOLOR, static_cast<Word>(sum));
}

void Translator::translateGotoXY() {
  for (int i = 0; i < 2 && !failed(); ++i) {
    Expr e = translateExpression();
    if (!failed() && !named(e.type, "INTEGER")) fail(SEM_INTEGER_EXPECTED);
  }
  if (!failed()) code_.Emit1(OP_GOTOXY);
}

void Translator::translateDelay() {
  Expr e = translateSimpleExpression();
  if (failed()) return;
  if (!named(e.type, "INTEGER")) return fail(SEM_DELAY_NOT_INTEGER);
  code_.Emit1(OP_DELAY);
}

// VAL stores through plain addresses; a target reached through a pointer
// receives its value from a scratch copy afterwards.
void Translator::translateVal() {
  Expr text = translateSimpleExpression();
  if (failed()) return;
  if (!isTextual(text.type)) return fail(SEM_VAL_FIRST_NOT_TEXTUAL);
  if (named(text.type, "CHAR")) code_.Emit1(OP_CHARTOSTR);
  VarRef targets[2];
  int temps[2] = {-1, -1};
  for (int i = 0; i < 2; ++i) {
    VarRef& ref = targets[i];
    temps[i] = translateReusableVariable(ref);
    if (failed()) return;
    if (ref.constant || ref.enumValue || ref.functionName) return fail(SEM_ASSIGNMENT_TO_CONSTANT);
    bool ok = i == 0 ? (named(ref.type, "INTEGER") || named(ref.type, "REAL")) : named(ref.type, "INTEGER");
    if (!ok || ref.pointerValue) return fail(i == 0 ? SEM_VAL_SECOND_NOT_NUMERIC : SEM_VAL_THIRD_NOT_INTEGER);
  }
  int values[2] = {-1, -1};
  for (int i = 0; i < 2; ++i) {
    if (targets[i].heap) {
      values[i] = allocateTemp(2);
      code_.Emit3(OP_LOADADDR, 0, values[i]);
    } else {
      emitRestoreAddress(targets[i], temps[i]);
    }
  }
  code_.Emit2(OP_VAL, named(targets[0].type, "REAL") ? 2 : 1);
  for (int i = 0; i < 2; ++i) {
    if (!targets[i].heap) continue;
    int words = named(targets[i].type, "REAL") ? 2 : 1;
    emitRestoreAddress(targets[i], temps[i]);
    code_.Emit3(OP_LOADADDR, 0, values[i]);
    code_.Emit2(OP_LOADN, words);
    code_.Emit2(OP_STORENH, words);
  }
}

void Translator::translateIncDecNew() {
  int op = token().value;
  if (op == INCDEC_INC || op == INCDEC_DEC) {
    SemanticErrorCode code = op == INCDEC_INC ? SEM_INC_NOT_ORDINAL : SEM_DEC_NOT_ORDINAL;
    VarRef ref;
    int temp = translateReusableVariable(ref);
    if (failed()) return;
    if (ref.constant || ref.enumValue || ref.functionName || ref.pointerValue ||
        !(named(ref.type, "INTEGER") || named(ref.type, "CHAR")))
      return fail(code);
    const bool character = named(ref.type, "CHAR");
    if (ref.heap || character) {
      emitRestoreAddress(ref, temp);
      emitRestoreAddress(ref, temp);
      code_.Emit2(ref.heap ? OP_LOADNH : OP_LOADN, 1);
      code_.Emit2(OP_ADDK, op == INCDEC_INC ? 1 : -1);
      if (character) emitCharacterByte();  // INC(#255) is #0, DEC(#0) is #255
      code_.Emit2(ref.heap ? OP_STORENH : OP_STOREN, 1);
    } else {
      emitRestoreAddress(ref, temp);
      code_.Emit1(op == INCDEC_INC ? OP_INC : OP_DEC);
    }
    return;
  }
  VarRef ref = translateVariable();
  if (failed()) return;
  if (!ref.pointerValue) return fail(op == INCDEC_NEW ? SEM_NEW_NOT_POINTER : SEM_DISPOSE_NOT_POINTER);
  if (op == INCDEC_NEW) {
    int size = ref.targetSize;
    if (!ref.targetDims && ref.type && ref.type->recordType) size = ref.type->size;
    code_.Emit2(OP_NEW, size < 1 ? 1 : size);
    emitStore(ref, 1);
  } else {
    code_.Emit2(ref.heap ? OP_LOADNH : OP_LOADN, 1);
    code_.Emit1(OP_DISPOSE);
  }
}

void Translator::translateCrtCommand() {
  int op = token().value;
  switch (op) {
    case CRT_CLRSCR:
      code_.Emit1(OP_CLRSCR);
      break;
    case CRT_BREAK:
    case CRT_CONTINUE: {
      if (!insideLoop_) return fail(SEM_BREAK_OUTSIDE_LOOP);
      int at = code_.Emit2(OP_JMP, 0) + 1;
      (op == CRT_BREAK ? breakJumps_ : continueJumps_).push_back(at);
      break;
    }
    default:  // RANDOMIZE: the interpreter seeds the generator at every run
      break;
  }
}

}  // namespace kau::translator
