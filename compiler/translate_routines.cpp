// FUNCTION and PROCEDURE declarations, their frames, and the calls with the
// arguments that fill a routine's parameters.
#include <string>

#include "compiler/translator.h"

namespace kau::translator {

void Translator::translateRoutineDeclarations() {
  int count = 0;
  while (production() == PROD_ROUTINE_DECLS_MORE) ++count;  // the base (PROD_ROUTINE_DECLS_NONE) is empty
  for (int i = 0; i < count && !failed(); ++i) translateRoutine(production() == PROD_ROUTINE_DECL_FUNCTION);
}

void Translator::translateRoutine(bool isFunction) {
  if (failed() || !enterNesting()) return;
  Frame& outer = *frames_.back();
  Triple nameToken = token();
  std::string name = nameOf(nameToken);
  Declared* routine = scopes_.Declare(name, outer.scope, isFunction ? 'F' : 'P');
  if (!routine) {
    fail(SEM_DUPLICATE_IDENTIFIER, name, outer.scope->name);
    leaveNesting();
    return;
  }
  routine->depth = outer.scope->depth + 1;
  scopeStack_.push_back(routine);
  Frame frame;
  frame.scope = routine;
  frames_.push_back(&frame);
  translateFormalParameters(routine);
  if (isFunction) {
    TypeDesc result = translateBaseType();
    routine->type = result.type;
    routine->size = result.elementWords;
    frame.dataCounter = routine->size + 4;
  } else {
    frame.dataCounter = 3;  // a procedure's data words are its own
  }
  if (failed()) {
    frames_.pop_back();
    leaveNesting();
    return;
  }
  routine->address = code_.CodeCounter();
  int grow = code_.Emit3(OP_GROW, 0, kRoutineHeadroom);
  frame.sizeIndex = grow + 1;
  bool savedLoop = insideLoop_;
  insideLoop_ = false;
  translateBlock(frame);
  translateCompound();
  insideLoop_ = savedLoop;
  code_.PatchCode(frame.sizeIndex, frame.frameDataWords);
  if (isFunction)
    code_.Emit4(OP_RETF, routine->parameterWords, routine->size, named(routine->type, "STRING") ? 1 : 0);
  else
    code_.Emit2(OP_RET, routine->parameterWords);
  frames_.pop_back();
  scopeStack_.pop_back();
  leaveNesting();
}

void Translator::translateFormalParameters(Declared* routine) {
  if (production() != PROD_FORMAL_PARAMS) return;
  int more = 0;
  while (production() == PROD_PARAM_GROUP_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) {
    bool byReference = production() == PROD_PARAM_GROUP_VAR;
    PendingNames names;
    names.mode = PendingNames::kParameters;
    declareNames(translateIdentifierList(), names, byReference ? 'R' : 'V');
    declareWithType(names, translateTypeRef());
    for (Declared* e : names.entries) {
      e->parameter = true;
      routine->params.push_back({e, byReference});
      routine->parameterWords += e->size;
    }
  }
  int offset = 0;
  for (auto it = routine->params.rbegin(); it != routine->params.rend(); ++it) {
    offset -= it->entry->size;
    it->entry->address = offset;
  }
}

void Translator::emitCall(Declared* routine, int levels) {
  int at = code_.CodeCounter();
  code_.Emit3(OP_CALL, levels, routine->address - at);
}

void Translator::translateCall(const Triple& nameToken, bool asFactor, bool withArguments, Expr* result) {
  if (failed()) return;
  int levels = 0;
  Declared* routine = lookup(nameOf(nameToken), levels);
  if (!routine) return;
  if (asFactor ? routine->kind != 'F' : routine->kind != 'P') {
    fail(asFactor ? SEM_INVALID_FUNCTION : SEM_INVALID_PROCEDURE_CALL);
    return;
  }
  const int declared = static_cast<int>(routine->params.size());
  if (withArguments) {
    CallState call;
    call.routine = routine;
    calls_.push_back(&call);
    translateArgumentList(ArgumentUse::kCall);
    calls_.pop_back();
    if (failed()) return;
    if (call.argumentCount != declared) {
      fail(SEM_ARGUMENT_COUNT, std::to_string(declared));
      return;
    }
    emitCall(routine, levels);
    emitCopyBacks(call);
  } else if (declared != 0) {
    fail(SEM_ARGUMENT_COUNT, std::to_string(declared));
    return;
  } else {
    emitCall(routine, levels);
  }
  if (result) {
    result->type = routine->type;
    result->form = Expr::kComputed;
  }
}

namespace {
bool sameBounds(const std::shared_ptr<const Dimensions>& a, const std::shared_ptr<const Dimensions>& b) {
  if (!a || !b) return !a && !b;
  if (a->size() != b->size()) return false;
  for (std::size_t i = 0; i < a->size(); ++i)
    if ((*a)[i].low != (*b)[i].low || (*a)[i].high != (*b)[i].high) return false;
  return true;
}
}  // namespace

void Translator::translateCallArgument(CallState& call) {
  Declared* routine = call.routine;
  ++call.argumentCount;
  if (routine->params.empty()) {
    fail(SEM_NO_PARAMETERS);
    return;
  }
  const bool surplus = call.argumentCount > static_cast<int>(routine->params.size());
  const Parameter& formal = routine->params[surplus ? 0 : static_cast<std::size_t>(call.argumentCount - 1)];
  Declared* f = formal.entry;
  wholeAllowed_ = true;
  if (formal.byReference && !surplus) {
    translateReferenceArgument(call, f);
    return;
  }
  if (!surplus && named(f->type, "STRING") && !f->dims && !f->pointer) {
    // The parameter receives what assigning the argument to a variable of
    // its type would store: the value is stored in the frame's scratch
    // string, then copied out as the parameter's block.
    int scratch = stringScratch();
    int at = code_.Emit3(OP_LOADADDR, 0, scratch);
    (void)at;
    Expr e = translateExpression();
    wholeAllowed_ = false;
    if (failed()) return;
    if (!isTextual(e.type)) {
      fail(SEM_INCOMPATIBLE_PARAMETER);
      return;
    }
    if (named(e.type, "CHAR")) code_.Emit1(OP_CHARTOSTR);
    code_.Emit2(OP_STORESTR, f->size);
    code_.Emit3(OP_LOADADDR, 0, scratch);
    code_.Emit2(OP_PUSHSTRVAR, f->size);
    code_.Emit2(OP_STRTOBLOCK, f->size);
    return;
  }
  Expr e = translateExpression();
  wholeAllowed_ = false;
  if (failed() || surplus) return;
  if (f->pointer && !f->dims) {
    if (!named(e.type, "PONTEIRO")) fail(SEM_INCOMPATIBLE_PARAMETER);
    return;
  }
  if (named(f->type, "REAL") && !f->dims && named(e.type, "INTEGER")) {
    code_.Emit2(OP_INTTOREAL, 2);
    return;
  }
  bool wholeFormal = f->dims != nullptr || (f->type && f->type->recordType);
  if (e.type != f->type) {
    fail(SEM_INCOMPATIBLE_PARAMETER);
    return;
  }
  if (wholeFormal) {
    bool whole = e.form == Expr::kVariable && (e.var.wholeArray || e.var.wholeRecord);
    if (!whole || e.var.size != f->size || !sameBounds(e.var.dims, f->dims)) fail(SEM_INCOMPATIBLE_PARAMETER);
  } else if (e.form == Expr::kVariable && (e.var.wholeArray || e.var.wholeRecord)) {
    fail(SEM_INCOMPATIBLE_PARAMETER);
  }
}

// A VAR argument pushes one address word. A variable in a heap block has
// none (it is a handle and an index), so it is passed through a copy.
void Translator::translateReferenceArgument(CallState& call, const Declared* f) {
  // Where a heap variable's pair will be stored; removed for any other
  // argument, which is then translated exactly as if it had never been there.
  const int pairStore = code_.Emit3(OP_LOADADDR, 0, 0);
  Expr e = translateExpression();
  wholeAllowed_ = false;
  if (failed()) return;
  if (e.form != Expr::kVariable || e.var.constant || e.var.functionName) {
    fail(SEM_VAR_ARGUMENT_NOT_VARIABLE);
    return;
  }
  const VarRef& v = e.var;
  bool pointerFormal = f->pointer && !f->dims;
  bool same = pointerFormal ? v.pointerValue : (!v.pointerValue && v.type == f->type && v.size == f->size &&
                                               sameBounds(v.wholeArray ? v.dims : nullptr, f->dims));
  if (!same) {
    fail(SEM_INCOMPATIBLE_PARAMETER);
    return;
  }
  if (e.loadIndex >= 0) code_.SetCodeCounter(e.loadIndex);
  if (v.heap)
    passThroughCopy(call, pairStore, v.pointerValue || v.stringChar ? 1 : v.size);
  else
    code_.RemoveWords(pairStore, 3);
  if (f->size - 1 > 0) code_.Emit2(OP_RESERVE, f->size - 1);
}

// The heap variable's pair is on the stack above the address of pairStore.
// The pair is kept in a slot of the caller's frame, the variable's words are
// copied into the slot after it, and the copy's address is the argument.
void Translator::passThroughCopy(CallState& call, int pairStore, int words) {
  std::vector<CopySlot>& slots = frames_.back()->copySlots;
  std::size_t slot = 0;
  while (slot < slots.size() && (slots[slot].busy || slots[slot].words < words)) ++slot;
  if (slot == slots.size()) slots.push_back({allocateTemp(2 + words), words, false});
  slots[slot].busy = true;
  const int pair = slots[slot].address;
  const int copy = pair + 2;
  code_.PatchCode(pairStore + 2, pair);
  code_.Emit2(OP_STOREN, 2);
  code_.Emit3(OP_LOADADDR, 0, copy);
  code_.Emit3(OP_LOADADDR, 0, pair);
  code_.Emit2(OP_LOADN, 2);
  code_.Emit2(OP_LOADNH, words);
  code_.Emit2(OP_STOREN, words);
  code_.Emit3(OP_LOADADDR, 0, copy);
  call.copies.push_back({slot, words});
}

// After the call (above a function's result) each copy goes back into its
// block through the kept pair: a block disposed meanwhile faults there.
// Later arguments are written last, so they win when two name one word.
void Translator::emitCopyBacks(const CallState& call) {
  std::vector<CopySlot>& slots = frames_.back()->copySlots;
  for (const CallState::CopyBack& c : call.copies) {
    const int pair = slots[c.slot].address;
    code_.Emit3(OP_LOADADDR, 0, pair);
    code_.Emit2(OP_LOADN, 2);
    code_.Emit3(OP_LOADADDR, 0, pair + 2);
    code_.Emit2(OP_LOADN, c.words);
    code_.Emit2(OP_STORENH, c.words);
    slots[c.slot].busy = false;
  }
}

int Translator::stringScratch() {
  Frame& frame = *frames_.back();
  if (frame.stringScratch < 0) frame.stringScratch = allocateTemp(kMaxStringLength);
  return frame.stringScratch;
}

}  // namespace kau::translator
