// TYPE and VAR parts, record fields, array bounds, string lengths, pointers
// and enumerations. Declarations emit no code; they give every name its type,
// size and storage place.
#include <string>

#include "compiler/token_kinds.h"
#include "compiler/translator.h"

namespace kau::translator {

Declared* Translator::lookup(const std::string& name, int& levels) {
  for (int i = static_cast<int>(scopeStack_.size()) - 1; i >= 0; --i) {
    if (Declared* d = scopes_.Find(scopeStack_[static_cast<std::size_t>(i)], name)) {
      levels = static_cast<int>(scopeStack_.size()) - 1 - i;
      return d;
    }
  }
  levels = 0;
  fail(SEM_UNDECLARED_IDENTIFIER, name, scopeStack_.empty() ? std::string() : scopeStack_.back()->name);
  return nullptr;
}

void Translator::declareNames(const std::vector<Triple>& tokens, PendingNames& names, char kind) {
  Declared* owner = names.mode == PendingNames::kFields ? names.record : frames_.back()->scope;
  for (const Triple& t : tokens) {
    if (failed()) return;
    std::string name = nameOf(t);
    Declared* d = scopes_.Declare(name, owner, kind);
    if (!d) {
      currentLine_ = t.line;
      fail(SEM_DUPLICATE_IDENTIFIER, name, owner->name);
      return;
    }
    names.entries.push_back(d);
  }
}

void Translator::translateTypePart() {
  if (production() != PROD_TYPE_PART) return;
  int more = 0;
  while (production() == PROD_TYPE_DECL_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) {
    PendingNames names;
    names.mode = PendingNames::kTypes;
    declareNames(translateIdentifierList(), names, 'T');
    translateDenoter(names);
  }
}

void Translator::translateVarPart() {
  if (production() != PROD_VAR_PART) return;
  int more = 0;
  while (production() == PROD_VAR_DECL_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) translateVarDeclaration();
}

void Translator::translateVarDeclaration() {
  Production form = production();
  PendingNames names;
  declareNames(translateIdentifierList(), names, 'V');
  if (form == PROD_VAR_DECL_TEXT) {
    token();
    TypeDesc text;
    text.type = builtin("TEXT");
    text.elementWords = 255;
    declareWithType(names, text);
    return;
  }
  translateDenoter(names);
}

void Translator::declareWithType(PendingNames& names, const TypeDesc& desc) {
  if (failed()) return;
  Dimensions all = names.dims;
  if (desc.dims) all.insert(all.end(), desc.dims->begin(), desc.dims->end());
  long long words = desc.pointer ? 1 : desc.elementWords;
  for (const Dimension& d : all) {
    words *= static_cast<long long>(d.high) - d.low + 1;
    if (words > kProgramMemoryWords) break;
  }
  if (words > kProgramMemoryWords || words < 0) {
    failMemory();
    return;
  }
  auto dims = all.empty() ? nullptr : std::make_shared<const Dimensions>(std::move(all));
  Frame& frame = *frames_.back();
  for (Declared* e : names.entries) {
    e->type = desc.type;
    e->pointer = desc.pointer;
    e->targetSize = desc.targetSize;
    e->targetDims = desc.targetDims;
    e->dims = dims;
    e->size = static_cast<int>(words);
    switch (names.mode) {
      case PendingNames::kVariables:
        e->address = frame.dataCounter;
        frame.dataCounter += static_cast<int>(words);
        if (frame.dataCounter > kProgramMemoryWords) failMemory();
        break;
      case PendingNames::kFields:
        e->address = *names.recordSize;
        *names.recordSize += static_cast<int>(words);
        if (*names.recordSize > kProgramMemoryWords) failMemory();
        break;
      default:
        break;
    }
  }
}

void Translator::translateDenoter(PendingNames& names) {
  if (failed() || !enterNesting()) return;
  switch (production()) {
    case PROD_TYPE_DENOTER_REF:
      declareWithType(names, translateTypeRef());
      break;
    case PROD_TYPE_DENOTER_POINTER: {
      TypeDesc target = translateTypeRef();
      if (failed()) break;
      TypeDesc desc;
      desc.type = target.type;
      desc.pointer = true;
      long long words = target.pointer ? 1 : target.elementWords;
      if (target.dims)
        for (const Dimension& d : *target.dims) words *= static_cast<long long>(d.high) - d.low + 1;
      desc.targetSize = words > kProgramMemoryWords ? kProgramMemoryWords : static_cast<int>(words);
      desc.targetDims = target.dims;
      declareWithType(names, desc);
      break;
    }
    case PROD_TYPE_DENOTER_ARRAY: {
      token();  // ARRAY
      int more = 0;
      while (production() == PROD_INDEX_RANGE_LIST_MORE) ++more;
      for (int i = 0; i <= more && !failed(); ++i) {
        int low = translateBound(SEM_ARRAY_BOUND_NOT_INTEGER, names);
        int high = translateBound(SEM_ARRAY_BOUND_NOT_INTEGER, names);
        if (failed()) break;
        if (low > high) {
          bool inRecord = names.mode == PendingNames::kFields;
          fail(SEM_INVALID_ARRAY_BOUND, inRecord ? "I" : std::string(1, frames_.back()->scope->kind),
               inRecord ? names.record->name : frames_.back()->scope->name);
          break;
        }
        names.dims.push_back({low, high});
      }
      translateDenoter(names);
      break;
    }
    case PROD_TYPE_DENOTER_RECORD:
      translateRecord(names);
      break;
    default:  // PROD_TYPE_DENOTER_ENUMERATION
      translateEnumeration(names);
      break;
  }
  leaveNesting();
}

TypeDesc Translator::translateTypeRef() {
  TypeDesc desc;
  if (production() == PROD_TYPE_REF_BASE) return translateBaseType();
  Triple t = token();
  if (failed()) return desc;
  int levels = 0;
  Declared* d = lookup(nameOf(t), levels);
  if (!d) return desc;
  if (d->kind != 'T') {
    fail(SEM_NOT_TYPE, d->name);
    return desc;
  }
  desc.type = d->type;
  desc.pointer = d->pointer;
  desc.targetSize = d->targetSize;
  desc.targetDims = d->targetDims;
  desc.dims = d->dims;
  long long extent = 1;
  if (d->dims)
    for (const Dimension& x : *d->dims) extent *= static_cast<long long>(x.high) - x.low + 1;
  desc.elementWords = extent > 0 ? static_cast<int>(d->size / extent) : d->size;
  return desc;
}

TypeDesc Translator::translateBaseType() {
  TypeDesc desc;
  Production form = production();
  Triple t = token();
  desc.type = builtin(nameOf(t));
  desc.elementWords = desc.type->size;
  if (form == PROD_BASE_TYPE_STRING) {
    int length = 255;
    if (production() == PROD_STRING_LENGTH) {
      PendingNames none;
      length = translateBound(SEM_STRING_LENGTH_NOT_INTEGER, none);
      if (!failed() && (length < 1 || length > 255)) fail(SEM_STRING_TOO_LONG);
    }
    desc.elementWords = length;
  }
  return desc;
}

int Translator::translateBound(SemanticErrorCode notIntegerCode, const PendingNames& names) {
  Production form = production();
  Triple t = token();
  if (failed()) return 0;
  bool inRecord = names.mode == PendingNames::kFields;
  std::string kindLetter = inRecord ? "I" : std::string(1, frames_.back()->scope->kind);
  std::string scopeName = inRecord ? names.record->name : frames_.back()->scope->name;
  if (form == PROD_BOUND_NUMBER) {
    if (t.value2 != kIntegerValue2) fail(notIntegerCode, kindLetter, scopeName);
    return t.value;
  }
  int levels = 0;
  Declared* d = lookup(nameOf(t), levels);
  if (!d) return 0;
  if (d->kind != 'O') {
    fail(SEM_NOT_CONSTANT, d->name);
    return 0;
  }
  if (!named(d->type, "INTEGER")) {
    fail(notIntegerCode, kindLetter, scopeName);
    return 0;
  }
  return d->value;
}

void Translator::translateRecord(PendingNames& names) {
  if (failed()) return;
  Declared* record = scopes_.Create(names.entries.empty() ? std::string() : names.entries.front()->name, 'K');
  record->recordType = true;
  // A type name is its record type from here on, so that its own fields can
  // point to it.
  if (names.mode == PendingNames::kTypes)
    for (Declared* e : names.entries) e->type = record;
  int size = 0;
  int more = 0;
  while (production() == PROD_FIELD_DECL_LIST_MORE) ++more;
  for (int i = 0; i <= more && !failed(); ++i) {
    PendingNames fields;
    fields.mode = PendingNames::kFields;
    fields.record = record;
    fields.recordSize = &size;
    declareNames(translateIdentifierList(), fields, 'I');
    translateDenoter(fields);
  }
  if (failed()) return;
  record->size = size;
  TypeDesc desc;
  desc.type = record;
  desc.elementWords = size;
  declareWithType(names, desc);
}

void Translator::translateEnumeration(PendingNames& names) {
  if (failed()) return;
  ++enumerationSerial_;
  Declared* type = scopes_.Create("ENUMERACAO" + std::to_string(enumerationSerial_), 'B');
  type->enumeration = true;
  type->size = 1;
  TypeDesc desc;
  desc.type = type;
  declareWithType(names, desc);
  std::vector<Triple> values = translateIdentifierList();
  Declared* owner = frames_.back()->scope;
  int ordinal = 0;
  for (const Triple& t : values) {
    if (failed()) return;
    Declared* d = scopes_.Declare(nameOf(t), owner, 'O');
    if (!d) {
      currentLine_ = t.line;
      fail(SEM_DUPLICATE_IDENTIFIER, nameOf(t), owner->name);
      return;
    }
    d->type = type;
    d->value = ordinal++;
    d->address = enumerationSerial_;
    d->size = 1;
    d->enumeration = true;
  }
  type->enumCount = ordinal;
}

}  // namespace kau::translator
