// Expressions, factors, variable references with their selectors, standard
// functions, and the argument lists of calls, WRITE items and indexes.
#include <cstring>
#include <string>

#include "compiler/symbol_table.h"
#include "compiler/token_kinds.h"
#include "compiler/translator.h"

namespace kau::translator {

namespace {
long long extentProduct(const Dimensions& dims) {
  long long p = 1;
  for (const Dimension& d : dims) p *= static_cast<long long>(d.high) - d.low + 1;
  return p;
}
}  // namespace

// ---- operators ----

Expr Translator::translateExpression() {
  Expr left;
  if (failed() || !enterNesting()) return left;
  left.start = code_.CodeCounter();
  std::vector<Production> ops;
  for (Production p = production(); p == PROD_EXPRESSION_EQUAL || p == PROD_EXPRESSION_RELATION; p = production())
    ops.push_back(p);
  if (!ops.empty()) wholeAllowed_ = false;
  left = translateSimpleExpression();
  for (auto it = ops.rbegin(); it != ops.rend() && !failed(); ++it) {
    int op = *it == PROD_EXPRESSION_EQUAL ? 0 : token().value;  // 0 is "="
    Expr right = translateSimpleExpression();
    if (failed()) break;
    applyRelation(left, right.type, op);
  }
  leaveNesting();
  return left;
}

void Translator::applyRelation(Expr& left, Declared* r, int op) {
  Declared* l = left.type;
  left.form = Expr::kComputed;
  left.type = builtin("BOOLEAN");
  static const Word intOps[] = {OP_EQI, OP_LTI, OP_GTI, OP_NEI, OP_GEI, OP_LEI};
  static const Word realOps[] = {OP_EQR, OP_LTR, OP_GTR, OP_NER, OP_GER, OP_LER};
  static const Word stringOps[] = {OP_EQS, OP_LTS, OP_GTS, OP_NES, OP_GES, OP_LES};
  const std::size_t k = op >= 0 && op <= 5 ? static_cast<std::size_t>(op) : 0;
  if (!l || !r) return fail(SEM_INCOMPATIBLE_OPERANDS);
  if (l != r) {
    if (isNumeric(l) && isNumeric(r)) {
      code_.Emit2(OP_INTTOREAL, named(l, "INTEGER") ? 1 : 2);
      code_.Emit1(realOps[k]);
    } else if (isTextual(l) && isTextual(r)) {
      code_.Emit2(stringOps[k], named(r, "CHAR") ? 2 : 1);
    } else {
      fail(SEM_INCOMPATIBLE_OPERANDS);
    }
    return;
  }
  const bool equality = op == 0 || op == RELOP_NE;
  if (named(l, "INTEGER") || named(l, "CHAR")) {
    code_.Emit1(intOps[k]);
  } else if (named(l, "REAL")) {
    code_.Emit1(realOps[k]);
  } else if (named(l, "STRING")) {
    code_.Emit2(stringOps[k], 0);
  } else if (!equality) {
    fail(SEM_BOOLEAN_COMPARISON);
  } else if (named(l, "PONTEIRO") || named(l, "BOOLEAN") || isEnum(l) || named(l, "LONG")) {
    code_.Emit1(intOps[k]);
  } else {
    fail(SEM_INCOMPATIBLE_OPERANDS);  // records, arrays and files are not compared
  }
}

Expr Translator::translateSimpleExpression() {
  Expr left;
  if (failed()) return left;
  int more = 0;
  while (production() == PROD_SIMPLE_EXPRESSION_ADDING) ++more;
  if (more) wholeAllowed_ = false;
  left = translateTerm();
  for (int i = 0; i < more && !failed(); ++i) {
    int op = token().value;
    int jump = -1;
    if (op == ADDOP_OR) {
      code_.Emit2(OP_DUP, 1);
      code_.Emit1(OP_NOT);
      jump = code_.Emit2(OP_JMPF, 0);
    } else if (op == ADDOP_NOT) {
      fail(SEM_INVALID_EXPRESSION);
      break;
    }
    Expr right = translateTerm();
    if (failed()) break;
    if (jump >= 0) {
      if (left.type != right.type || !named(left.type, "BOOLEAN")) return fail(SEM_INCOMPATIBLE_OPERANDS), left;
      code_.Emit1(OP_OR);
      code_.PatchCode(jump + 1, code_.CodeCounter());
    } else {
      applyAdding(left, op == ADDOP_MINUS ? 1 : 0, right.type);
    }
    left.form = Expr::kComputed;
  }
  return left;
}

// kind 0 "+", 1 "-".
void Translator::applyAdding(Expr& left, int kind, Declared* r) {
  Declared* l = left.type;
  if (!l || !r) return fail(SEM_INCOMPATIBLE_OPERANDS);
  if (kind == 1) {
    if (!(named(l, "INTEGER") || named(l, "REAL")) || !(named(r, "INTEGER") || named(r, "REAL")))
      return fail(SEM_OPERANDS_NOT_NUMERIC);
    if (l == r) {
      code_.Emit1(named(l, "INTEGER") ? OP_SUBI : OP_SUBR);
    } else {
      code_.Emit2(OP_INTTOREAL, named(l, "INTEGER") ? 1 : 2);
      code_.Emit1(OP_SUBR);
      left.type = builtin("REAL");
    }
    return;
  }
  if (l != r) {
    if (isTextual(l) && isTextual(r)) {
      code_.Emit2(OP_CONCAT, named(r, "CHAR") ? 2 : 1);
      left.type = builtin("STRING");
    } else if (isNumeric(l) && isNumeric(r)) {
      code_.Emit2(OP_INTTOREAL, named(l, "INTEGER") ? 1 : 2);
      code_.Emit1(OP_ADDR);
      left.type = builtin("REAL");
    } else {
      fail(SEM_INCOMPATIBLE_OPERANDS);
    }
    return;
  }
  if (named(l, "INTEGER")) {
    code_.Emit1(OP_ADDI);
  } else if (named(l, "REAL")) {
    code_.Emit1(OP_ADDR);
  } else if (named(l, "STRING")) {
    code_.Emit2(OP_CONCAT, 0);
  } else if (named(l, "CHAR")) {
    code_.Emit2(OP_CONCAT, 3);
    left.type = builtin("STRING");
  } else {
    fail(SEM_BOOLEAN_COMPARISON);
  }
}

Expr Translator::translateTerm() {
  Expr left;
  if (failed()) return left;
  int more = 0;
  while (production() == PROD_TERM_MULTIPLYING) ++more;
  if (more) wholeAllowed_ = false;
  left = translateFactor();
  for (int i = 0; i < more && !failed(); ++i) {
    int op = token().value;
    int jump = -1;
    if (op == MULOP_AND) {
      code_.Emit2(OP_DUP, 1);
      jump = code_.Emit2(OP_JMPF, 0);
    }
    Expr right = translateFactor();
    if (failed()) break;
    if (jump >= 0) {
      if (left.type != right.type || !named(left.type, "BOOLEAN")) return fail(SEM_INCOMPATIBLE_OPERANDS), left;
      code_.Emit1(OP_AND);
      code_.PatchCode(jump + 1, code_.CodeCounter());
    } else {
      applyMultiplying(left, op, right.type);
    }
    left.form = Expr::kComputed;
  }
  return left;
}

void Translator::applyMultiplying(Expr& left, int op, Declared* r) {
  Declared* l = left.type;
  if (!l || !r) return fail(SEM_INCOMPATIBLE_OPERANDS);
  if (op == MULOP_DIV || op == MULOP_MOD) {
    if (l != r || !named(l, "INTEGER")) return fail(SEM_INCOMPATIBLE_OPERANDS);
    code_.Emit1(op == MULOP_DIV ? OP_DIVI : OP_MOD);
    return;
  }
  if (!(named(l, "INTEGER") || named(l, "REAL")) || !(named(r, "INTEGER") || named(r, "REAL")))
    return fail(SEM_OPERANDS_NOT_NUMERIC);
  if (op == MULOP_DIVIDE) {
    if (l == r && named(l, "INTEGER")) {
      code_.Emit2(OP_INTTOREAL, 2);
      code_.Emit2(OP_INTTOREAL, 1);
    } else if (l != r) {
      code_.Emit2(OP_INTTOREAL, named(l, "INTEGER") ? 1 : 2);
    }
    code_.Emit1(OP_DIVR);
    left.type = builtin("REAL");
    return;
  }
  if (l == r) {
    code_.Emit1(named(l, "INTEGER") ? OP_MULI : OP_MULR);
  } else {
    code_.Emit2(OP_INTTOREAL, named(l, "INTEGER") ? 1 : 2);
    code_.Emit1(OP_MULR);
    left.type = builtin("REAL");
  }
}

// ---- factors ----

Expr Translator::translateFactor() {
  Expr e;
  if (failed()) return e;
  e.start = code_.CodeCounter();
  Production p = production();
  if (p != PROD_FACTOR_VARIABLE && p != PROD_FACTOR_ADDRESS) wholeAllowed_ = false;
  switch (p) {
    case PROD_FACTOR_ADDRESS: {
      wholeAllowed_ = true;
      VarRef ref = translateVariable();
      if (!failed() && (ref.heap || ref.functionName || ref.enumValue)) fail(SEM_INVALID_IN_CONTEXT, ref.name);
      e.type = builtin("PONTEIRO");
      break;
    }
    case PROD_FACTOR_VARIABLE:
      e = translateVariableFactor();
      break;
    case PROD_FACTOR_NUMBER: {
      Triple t = token();
      e.form = Expr::kLiteral;
      if (t.value2 == kIntegerValue2) {
        code_.Emit2(OP_PUSH, t.value);
        e.type = builtin("INTEGER");
      } else {
        const RealConstantNode* node = RealConstants.RealAt(t.value, t.value2);
        double real = node ? node->value : 0.0;
        std::uint64_t bits;
        std::memcpy(&bits, &real, sizeof bits);
        code_.Emit3(OP_PUSH2, static_cast<Word>(bits & 0xFFFFFFFFu), static_cast<Word>(bits >> 32));
        e.type = builtin("REAL");
      }
      break;
    }
    case PROD_FACTOR_CHAR:
      code_.Emit2(OP_PUSH, token().value & 0xFF);
      e.type = builtin("CHAR");
      e.form = Expr::kLiteral;
      break;
    case PROD_FACTOR_STRING: {
      std::string s = nameOf(token());
      code_.Emit2(OP_PUSH, -1);
      code_.Emit2(OP_PUSHN, static_cast<int>(s.size()));
      for (auto it = s.rbegin(); it != s.rend(); ++it) code_.Emit1(static_cast<unsigned char>(*it));
      e.type = builtin("STRING");
      e.form = Expr::kStringLiteral;
      break;
    }
    case PROD_FACTOR_BOOLEAN:
      code_.Emit2(OP_PUSH, token().value);
      e.type = builtin("BOOLEAN");
      e.form = Expr::kLiteral;
      break;
    case PROD_FACTOR_PARENTHESES:
      e = translateExpression();
      e.form = Expr::kComputed;
      break;
    case PROD_FACTOR_CALL:
      translateCall(token(), true, true, &e);
      break;
    case PROD_FACTOR_UNARY: {
      int op = token().value;
      if (!enterNesting()) break;
      e = translateFactor();
      leaveNesting();
      if (failed()) break;
      e.form = Expr::kComputed;
      if (op == ADDOP_MINUS) {
        if (named(e.type, "INTEGER"))
          code_.Emit1(OP_NEGI);
        else if (named(e.type, "REAL"))
          code_.Emit1(OP_NEGR);
        else
          fail(SEM_NEGATION_NOT_NUMERIC);
      } else if (op == ADDOP_NOT) {
        if (!named(e.type, "BOOLEAN")) fail(SEM_NOT_OPERAND_NOT_BOOLEAN);
        code_.Emit1(OP_NOT);
      } else if (op == ADDOP_OR) {
        fail(SEM_INVALID_EXPRESSION);
      }
      break;
    }
    case PROD_FACTOR_READKEY:
      code_.Emit2(OP_READKEY, 1);
      e.type = builtin("CHAR");
      break;
    case PROD_FACTOR_EOF: {
      int levels = 0;
      Declared* file = translateTextName(SEM_PARAMETER_NOT_TEXT, levels);
      if (!file) break;
      code_.Emit3(OP_LOADADDR, levels, file->address);
      code_.Emit2(OP_LOADSTR, 255);
      code_.Emit1(OP_EOF);
      e.type = builtin("BOOLEAN");
      break;
    }
    case PROD_FACTOR_STANDARD_FUNCTION:
      e = translateStandardFunction();
      break;
    default:  // PROD_FACTOR_NIL
      code_.Emit2(OP_PUSH, 0);
      e.type = builtin("PONTEIRO");
      e.form = Expr::kLiteral;
      break;
  }
  return e;
}

Expr Translator::translateVariableFactor() {
  Expr e;
  e.start = code_.CodeCounter();
  VarRef ref = translateVariable();
  if (failed()) return e;
  if (ref.enumValue) {
    code_.Emit2(OP_PUSH, ref.entry->value);
    e.type = ref.type;
    e.form = Expr::kLiteral;
    return e;
  }
  if (ref.functionName) {
    if (!ref.entry->params.empty()) {
      fail(SEM_ARGUMENT_COUNT, std::to_string(ref.entry->params.size()));
      return e;
    }
    emitCall(ref.entry, ref.level);
    e.type = ref.entry->type;
    return e;
  }
  e.form = Expr::kVariable;
  e.var = ref;
  e.type = ref.pointerValue ? builtin("PONTEIRO") : ref.type;
  if (named(ref.type, "TEXT")) return e;
  e.loadIndex = code_.CodeCounter();
  emitLoad(ref);
  return e;
}

Expr Translator::translateStandardFunction() {
  Expr e;
  int fn = token().value;
  Expr arg = translateSimpleExpression();
  if (failed()) return e;
  Declared* t = arg.type;
  const bool isInt = named(t, "INTEGER");
  const bool isReal = named(t, "REAL");
  const int kind = isInt ? 1 : 2;
  e.type = t;
  auto numeric = [&](SemanticErrorCode code, Word op, const char* result) {
    if (!isInt && !isReal) return fail(code);
    code_.Emit2(op, kind);
    e.type = result ? builtin(result) : t;
  };
  switch (fn) {
    case STDFUNC_LENGTH:
      if (named(t, "STRING")) {
        code_.Emit1(OP_LENGTH);
      } else if (named(t, "CHAR")) {
        if (arg.form == Expr::kLiteral) {
          code_.PatchCode(code_.CodeCounter() - 1, 1);
        } else {
          code_.Emit1(OP_POP);
          code_.Emit2(OP_PUSH, 1);
        }
      } else {
        fail(SEM_LENGTH_NOT_TEXTUAL);
      }
      e.type = builtin("INTEGER");
      break;
    case STDFUNC_CHR:
      if (!isInt) fail(SEM_ARGUMENT_NOT_INTEGER);
      if (arg.form == Expr::kLiteral) {
        code_.PatchCode(code_.CodeCounter() - 1, code_.ReadCode(code_.CodeCounter() - 1) & 0xFF);
      } else {
        emitCharacterByte();
      }
      e.type = builtin("CHAR");
      break;
    case STDFUNC_ORD:
      if (!named(t, "CHAR") && !isEnum(t)) fail(SEM_ORD_NOT_ORDINAL);
      e.type = builtin("INTEGER");
      break;
    case STDFUNC_LN: numeric(SEM_LN_NOT_NUMERIC, OP_LN, "REAL"); break;
    case STDFUNC_EXP: numeric(SEM_EXP_NOT_NUMERIC, OP_EXP, "REAL"); break;
    case STDFUNC_SQR: numeric(SEM_SQR_NOT_NUMERIC, OP_SQR, nullptr); break;
    case STDFUNC_SQRT: numeric(SEM_SQRT_NOT_NUMERIC, OP_SQRT, "REAL"); break;
    case STDFUNC_ABS: numeric(SEM_ABS_NOT_NUMERIC, OP_ABS, nullptr); break;
    case STDFUNC_TRUNC:
      if (!isInt && !isReal) return fail(SEM_TRUNC_NOT_NUMERIC), e;
      if (isReal) code_.Emit1(OP_TRUNC);
      e.type = builtin("INTEGER");
      break;
    case STDFUNC_ROUND: numeric(SEM_ROUND_NOT_NUMERIC, OP_ROUND, "INTEGER"); break;
    case STDFUNC_SIN: numeric(SEM_SIN_NOT_NUMERIC, OP_SIN, "REAL"); break;
    case STDFUNC_COS: numeric(SEM_COS_NOT_NUMERIC, OP_COS, "REAL"); break;
    case STDFUNC_ARCTAN: numeric(SEM_ARCTAN_NOT_NUMERIC, OP_ARCTAN, "REAL"); break;
    case STDFUNC_ODD:
      if (!isInt) return fail(SEM_ODD_NOT_INTEGER), e;
      // The remainder keeps the sign of a negative number; any non-zero
      // remainder is odd, and the result is the boolean 1.
      code_.Emit1(OP_ODD);
      code_.Emit2(OP_PUSH, 0);
      code_.Emit1(OP_NEI);
      e.type = builtin("BOOLEAN");
      break;
    case STDFUNC_SUCC:
    case STDFUNC_PRED:
      if (!isOrdinal(t)) return fail(fn == STDFUNC_SUCC ? SEM_SUCC_NOT_ORDINAL : SEM_PRED_NOT_ORDINAL), e;
      code_.Emit1(fn == STDFUNC_SUCC ? OP_SUCC : OP_PRED);
      if (isEnum(t)) code_.Emit3(OP_CHKENUM, 0, t->enumCount - 1);
      if (named(t, "CHAR")) emitCharacterByte();  // SUCC(#255) is #0, PRED(#0) is #255
      break;
    case STDFUNC_UPCASE:
      if (!named(t, "CHAR")) fail(SEM_UPCASE_NOT_CHAR);
      code_.Emit1(OP_UPCASE);
      break;
    default:  // RANDOM
      if (!isInt) fail(SEM_RANDOM_NOT_INTEGER);
      code_.Emit1(OP_RANDOM);
      break;
  }
  return e;
}

void Translator::emitCharacterByte() {
  for (const Word w : kCharacterByteCode) code_.Emit1(w);
}

// ---- variable references ----

VarRef Translator::translateVariable() {
  VarRef ref;
  const bool whole = wholeAllowed_;
  wholeAllowed_ = false;
  Production form = production();
  Triple t = token();
  if (failed()) return ref;
  int levels = 0;
  Declared* d = lookup(nameOf(t), levels);
  if (!d) return ref;
  ref.entry = d;
  ref.name = d->name;
  ref.level = levels;
  ref.type = d->type;
  ref.size = d->size;
  switch (d->kind) {
    case 'L':
      fail(SEM_PROGRAM_NAME_USED);
      return ref;
    case 'F':
    case 'O':
      if (d->kind == 'F' || d->enumeration) {
        if (form == PROD_VARIABLE_DEREFERENCED) {
          fail(SEM_NOT_POINTER, d->name);
          return ref;
        }
        if (production() != PROD_SELECTORS_NONE) {
          fail(SEM_INVALID_IN_CONTEXT, d->name);
          return ref;
        }
        ref.functionName = d->kind == 'F';
        ref.enumValue = d->kind == 'O';
        return ref;
      }
      ref.constant = true;
      code_.Emit3(OP_LOADADDR, levels, d->address);
      break;
    case 'V':
    case 'R':
      ref.referenceParameter = d->parameter && d->kind == 'R';
      code_.Emit3(ref.referenceParameter ? OP_LOADVAL : OP_LOADADDR, levels, d->address);
      break;
    default:
      fail(SEM_INVALID_IN_CONTEXT, d->name);
      return ref;
  }
  // The item selected so far.
  Declared* type = d->type;
  int size = d->size;
  std::shared_ptr<const Dimensions> dims = d->dims;
  bool pointer = d->pointer;
  int targetSize = d->targetSize;
  std::shared_ptr<const Dimensions> targetDims = d->targetDims;
  bool heap = false, offsetPushed = false, stringChar = false, selected = false;
  int given = 0;
  auto dereference = [&]() {
    heap = true;
    offsetPushed = false;
    pointer = false;
    dims = targetDims;
    size = !targetDims && type && type->recordType ? type->size : targetSize;
    targetDims = nullptr;
  };
  auto elementSize = [&]() {
    long long p = dims ? extentProduct(*dims) : 1;
    return p > 0 ? static_cast<int>(size / p) : size;
  };
  auto closeIndexes = [&]() {
    code_.Emit3(OP_ELEMADDR, given, elementSize());
    size = elementSize();
    dims = nullptr;
    given = 0;
  };
  if (form == PROD_VARIABLE_DEREFERENCED) {
    if (!pointer || dims) {
      fail(SEM_NOT_POINTER, d->name);
      return ref;
    }
    code_.Emit2(OP_LOADN, 1);
    dereference();
  }
  for (Production p = production(); p != PROD_SELECTORS_NONE && !failed(); p = production()) {
    selected = true;
    if (p == PROD_SELECTORS_FIELD || p == PROD_SELECTORS_FIELD_DEREFERENCED) {
      std::string field = nameOf(token());
      if (pointer && !dims) return fail(SEM_POINTER_WITHOUT_CARET, ref.name), ref;
      if (dims) {
        if (given < static_cast<int>(dims->size()))
          return fail(SEM_INDEXES_EXPECTED, std::to_string(dims->size()), ref.name), ref;
        closeIndexes();
      }
      Declared* f = type && type->recordType ? scopes_.Find(type, field) : nullptr;
      if (!f || stringChar) return fail(SEM_FIELD_NOT_IN_RECORD, field, ref.name), ref;
      if (heap && !offsetPushed) {
        code_.Emit2(OP_PUSH, f->address);
        offsetPushed = true;
      } else {
        code_.Emit2(OP_ADDK, f->address);
      }
      ref.name = f->name;
      type = f->type;
      size = f->size;
      dims = f->dims;
      pointer = f->pointer;
      targetSize = f->targetSize;
      targetDims = f->targetDims;
      if (p == PROD_SELECTORS_FIELD_DEREFERENCED) {
        if (!pointer || dims) return fail(SEM_NOT_POINTER, f->name), ref;
        code_.Emit2(heap ? OP_LOADNH : OP_LOADN, 1);
        dereference();
      }
      continue;
    }
    // PROD_SELECTORS_INDEXES: an index list.
    const bool isString = named(type, "STRING") && !stringChar && !pointer;
    if ((pointer && !dims) || (!dims && !isString)) return fail(SEM_NOT_ARRAY, ref.name), ref;
    if (heap && !offsetPushed) {
      code_.Emit2(OP_PUSH, 0);
      offsetPushed = true;
    }
    int more = 0;
    while (production() == PROD_ARGUMENT_LIST_MORE) ++more;
    for (int i = 0; i <= more && !failed(); ++i) {
      Production fp = production();
      wholeAllowed_ = false;
      if (dims && given < static_cast<int>(dims->size())) {
        Expr index = translateExpression();
        if (failed()) break;
        if (!named(index.type, "INTEGER")) return fail(SEM_INDEX_NOT_INTEGER, std::to_string(i + 1)), ref;
        const Dimension& dim = (*dims)[static_cast<std::size_t>(given)];
        code_.Emit3(OP_CHKINDEX, dim.low, dim.high);
        ++given;
      } else {
        if (dims) closeIndexes();
        if (stringChar) return fail(SEM_STRING_INDEX_FORM), ref;
        if (!named(type, "STRING") || pointer) {
          if (dims || given) return fail(SEM_ARRAY_DIMENSIONS, ref.name, std::to_string(dims ? dims->size() : 0)), ref;
          return fail(SEM_NOT_ARRAY, ref.name), ref;
        }
        Expr index = translateExpression();
        if (failed()) break;
        if (!named(index.type, "INTEGER")) return fail(SEM_STRING_INDEX_FORM), ref;
        // Checked against 1..length so that an error reports the index itself.
        code_.Emit3(OP_CHKINDEX, 1, size);
        code_.Emit3(OP_ELEMADDR, 1, 1);
        stringChar = true;
        type = builtin("CHAR");
        size = 1;
      }
      if (fp != PROD_FORMATTED_ARGUMENT_PLAIN) return fail(SEM_UNEXPECTED_COLON), ref;
    }
  }
  if (failed()) return ref;
  if (dims) {
    const int count = static_cast<int>(dims->size());
    if (given == 0 && whole) {
      ref.wholeArray = true;
      ref.dims = dims;
    } else if (given < count) {
      if (whole && given > 0) return fail(SEM_ARRAY_DIMENSIONS, ref.name, std::to_string(count)), ref;
      return fail(SEM_INDEXES_EXPECTED, std::to_string(count), ref.name), ref;
    } else {
      closeIndexes();
    }
  }
  if (!pointer && type && type->recordType && !ref.wholeArray) {
    if (!whole) return fail(SEM_FIELD_EXPECTED, ref.name), ref;
    ref.wholeRecord = true;
  }
  if (heap && !offsetPushed) code_.Emit2(OP_PUSH, 0);
  ref.type = type;
  ref.size = size;
  ref.heap = heap;
  ref.stringChar = stringChar;
  ref.pointerValue = pointer && !ref.wholeArray;
  ref.targetSize = targetSize;
  ref.targetDims = targetDims;
  ref.simple = !selected && !heap;
  return ref;
}

// ---- argument lists ----

void Translator::translateArgumentList(ArgumentUse use) {
  int more = 0;
  while (production() == PROD_ARGUMENT_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) {
    Production form = production();
    if (use == ArgumentUse::kWrite) {
      translateWriteItem(form);
      continue;
    }
    translateCallArgument(*calls_.back());
    if (!failed() && form != PROD_FORMATTED_ARGUMENT_PLAIN) fail(SEM_UNEXPECTED_COLON);
  }
}

void Translator::translateWriteItem(Production form) {
  wholeAllowed_ = false;
  Expr e = translateExpression();
  if (failed()) return;
  const bool first = writeItemState_ == 2;
  writeItemState_ = 1;
  if (named(e.type, "PONTEIRO")) return fail(SEM_POINTER_READ_OR_WRITTEN);
  if (isEnum(e.type)) return fail(SEM_ENUMERATION_READ_OR_WRITTEN);
  int at = -1;
  if (named(e.type, "TEXT")) {
    if (!first || e.form != Expr::kVariable) return fail(SEM_TEXT_NOT_FIRST);
    outputToFile_ = true;
  } else {
    int t = itemType(e.type);
    if (t == 0) return fail(SEM_INCOMPATIBLE_OPERANDS);
    if (outputToFile_)
      at = named(e.type, "STRING") ? code_.Emit1(OP_WRITESTRF) : code_.Emit2(OP_WRITEF, t);
    else
      at = code_.Emit2(OP_WRITE, t);
  }
  if (form == PROD_FORMATTED_ARGUMENT_PLAIN) return;
  if (at < 0) return fail(SEM_UNEXPECTED_COLON);
  const Word op = code_.ReadCode(at);
  const Word t = op == OP_WRITESTRF ? 6 : code_.ReadCode(at + 1);
  if (form == PROD_FORMATTED_ARGUMENT_WIDTH_DECIMALS && t != 4) return fail(SEM_UNEXPECTED_COLON);
  code_.SetCodeCounter(at);
  const int widths = form == PROD_FORMATTED_ARGUMENT_WIDTH_DECIMALS ? 2 : 1;
  for (int i = 0; i < widths && !failed(); ++i) {
    Expr w = translateSimpleExpression();
    if (!failed() && !named(w.type, "INTEGER")) fail(SEM_WRITE_WIDTH_NOT_INTEGER);
  }
  if (failed()) return;
  if (form == PROD_FORMATTED_ARGUMENT_WIDTH_DECIMALS)
    code_.Emit1(op == OP_WRITEF ? OP_WRITERWDF : OP_WRITERWD);
  else if (op == OP_WRITESTRF)
    code_.Emit1(OP_WRITESTRWF);
  else
    code_.Emit2(op == OP_WRITEF ? OP_WRITEWF : OP_WRITEW, t);
}

}  // namespace kau::translator
