// The translator: the compiler's second pass. It walks the production list
// and the value queue that the parser left, declares names, checks types and
// appends word code to ProgramMemory. One Translator per compilation; the
// first semantic error stops all further work.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "compiler/code_buffer.h"
#include "compiler/error_messages.h"
#include "compiler/productions.h"
#include "compiler/scopes.h"

namespace kau::translator {

struct Triple {
  int value = 0;
  int value2 = 0;
  int line = 0;
};

// What a variable reference left on the stack and what it denotes.
struct VarRef {
  Declared* entry = nullptr;   // the named base
  Declared* type = nullptr;    // type of the selected item
  std::string name;            // last name of the reference (for messages)
  bool heap = false;           // a (handle, offset) pair is on the stack
  bool constant = false;       // a named constant (kind 'O')
  bool enumValue = false;      // an enumeration value: its ordinal, no address
  bool functionName = false;   // a function's own name: no address pushed
  bool stringChar = false;     // one character of a string
  bool pointerValue = false;   // the item is a pointer (its value is PONTEIRO)
  bool wholeArray = false;     // an array given without indexes (arguments only)
  bool wholeRecord = false;    // a record given without a field (arguments only)
  bool simple = false;         // a plain name: re-emittable by level and address
  bool referenceParameter = false;
  int level = 0;
  int size = 0;                // words of the selected item
  int targetSize = 0;          // a pointer: words of what it points to
  std::shared_ptr<const Dimensions> targetDims;
  std::shared_ptr<const Dimensions> dims;  // of a whole array
};

// The result of translating an expression.
struct Expr {
  Declared* type = nullptr;
  enum Form { kComputed, kLiteral, kStringLiteral, kVariable } form = kComputed;
  VarRef var;          // kVariable: the reference
  int loadIndex = -1;  // kVariable: index of the load after the address, -1 none
  int start = 0;       // first code word of the expression
};

// A type as declarations hand it on: the element type, its words, the array
// bounds, and for pointers what they point to.
struct TypeDesc {
  Declared* type = nullptr;
  int elementWords = 1;
  std::shared_ptr<const Dimensions> dims;
  bool pointer = false;
  int targetSize = 0;
  std::shared_ptr<const Dimensions> targetDims;
};

// The names of one declaration list and where they are being declared.
struct PendingNames {
  std::vector<Declared*> entries;
  enum Mode { kVariables, kTypes, kFields, kParameters } mode = kVariables;
  Declared* record = nullptr;   // kFields: the record type being declared
  int* recordSize = nullptr;    // kFields: words used so far by its fields
  Dimensions dims;              // bounds of the enclosing ARRAY denoters
};

// What a list of arguments is being translated for.
enum class ArgumentUse { kCall, kWrite };

// Scratch words of a frame through which a call passes a heap variable to a
// VAR parameter: the variable's (handle, index) pair, then a copy of its words.
struct CopySlot {
  int address = 0;
  int words = 0;      // of the copy, after the pair
  bool busy = false;  // taken by a call whose arguments are being translated
};

// The frame whose declarations and statements are being translated.
struct Frame {
  Declared* scope = nullptr;
  int dataCounter = 3;
  int frameDataWords = 0;
  int sizeIndex = -1;        // code word holding the frame's data size
  int stringScratch = -1;    // data word of the frame's scratch string, -1 until needed
  std::vector<CopySlot> copySlots;
};

// The call whose arguments are being translated.
struct CallState {
  Declared* routine = nullptr;
  int argumentCount = 0;
  // Heap variables passed by reference, copied back after the call: the
  // index of each one's slot in the frame's copySlots and its words.
  struct CopyBack {
    std::size_t slot;
    int words;
  };
  std::vector<CopyBack> copies;
};

class Translator {
 public:
  explicit Translator(CodeBuffer& code) : code_(code) {}
  // Returns the semantic error flag.
  int Run();
  const std::string& Message() const { return message_; }
  int Line() const { return currentLine_; }

 private:
  // Lists and errors.
  Production production();
  Triple token();
  std::string nameOf(const Triple& t);
  bool failed() const { return errorFlag_ != 0; }
  void fail(SemanticErrorCode code, const std::string& a = "", const std::string& b = "");
  void failMemory();
  bool enterNesting();
  void leaveNesting() { --nesting_; }

  // Types.
  Declared* builtin(const std::string& name);
  Declared* lookup(const std::string& name, int& levels);
  static bool named(const Declared* t, const char* name);
  static bool isNumeric(const Declared* t);
  static bool isTextual(const Declared* t);
  static bool isEnum(const Declared* t) { return t && t->enumeration; }
  static bool isOrdinal(const Declared* t);
  static int itemType(const Declared* t);

  // Emission helpers.
  int allocateTemp(int words);
  int stringScratch();

  // Program layout and declarations (translator.cpp, translate_declarations.cpp).
  void translateProgram();
  void translateBlock(Frame& frame);
  void translateConstPart();
  void translateConstDeclaration();
  std::vector<Triple> translateIdentifierList();
  void translateTypePart();
  void translateVarPart();
  void translateVarDeclaration();
  void declareNames(const std::vector<Triple>& tokens, PendingNames& names, char kind);
  void translateDenoter(PendingNames& names);
  TypeDesc translateTypeRef();
  TypeDesc translateBaseType();
  void declareWithType(PendingNames& names, const TypeDesc& desc);
  void translateRecord(PendingNames& names);
  void translateEnumeration(PendingNames& names);
  int translateBound(SemanticErrorCode notIntegerCode, const PendingNames& names);

  // Routines and calls (translate_routines.cpp).
  void translateRoutineDeclarations();
  void translateRoutine(bool isFunction);
  void translateFormalParameters(Declared* routine);
  void translateCall(const Triple& nameToken, bool asFactor, bool withArguments, Expr* result);
  void emitCall(Declared* routine, int levels);
  void translateCallArgument(CallState& call);
  void translateReferenceArgument(CallState& call, const Declared* formal);
  void passThroughCopy(CallState& call, int pairStore, int words);
  void emitCopyBacks(const CallState& call);

  // Statements (translate_statements.cpp).
  void translateCompound();
  void translateStatementList();
  void translateStatement();
  void translateAssignment();
  void translateIf(bool withElse);
  void translateWhile();
  void translateRepeat();
  void translateFor(bool down);
  bool knownOrdinal(const Expr& e, int& value) const;
  void translateCase(bool withElse);
  int translateCaseConstant(Declared* selectorType);
  void translateRead(bool line);
  void translateWrite(bool line);
  void translateAssign();
  void translateFileCommand();
  void translateColour(bool background);
  void translateGotoXY();
  void translateDelay();
  void translateVal();
  void translateIncDecNew();
  Declared* translateTextName(SemanticErrorCode notTextCode, int& levels);
  int translateReusableVariable(VarRef& ref);
  void translateCrtCommand();
  void translateBooleanCondition();
  void storeValue(const VarRef& target, Declared* valueType);
  void emitStore(const VarRef& target, int words);
  void emitStoreString(const VarRef& target, int max);
  void emitLoad(const VarRef& ref);
  void emitRestoreAddress(const VarRef& ref, int temp);

  // Expressions (translate_expressions.cpp).
  Expr translateExpression();
  Expr translateSimpleExpression();
  Expr translateTerm();
  Expr translateFactor();
  Expr translateVariableFactor();
  Expr translateStandardFunction();
  void emitCharacterByte();
  void applyRelation(Expr& left, Declared* right, int op);
  void applyAdding(Expr& left, int kind, Declared* right);
  void applyMultiplying(Expr& left, int op, Declared* right);
  VarRef translateVariable();
  void translateArgumentList(ArgumentUse use);
  void translateWriteItem(Production form);

  CodeBuffer& code_;
  ScopeTable scopes_;
  std::vector<Declared*> builtins_;
  std::vector<Declared*> scopeStack_;
  std::vector<Frame*> frames_;
  std::vector<CallState*> calls_;
  std::string message_;
  int currentLine_ = 0;
  int errorFlag_ = 0;
  int nesting_ = 0;
  int enumerationSerial_ = 0;
  bool insideLoop_ = false;
  // Set while a call argument or "@" is translated: the variable reference
  // that follows may name a whole array or record.
  bool wholeAllowed_ = false;
  // Operand indexes of BREAK and CONTINUE jumps; -1 marks where a loop began.
  std::vector<int> breakJumps_, continueJumps_;
  // WRITE and READ statement state.
  int writeItemState_ = 0;
  bool outputToFile_ = false;
};

}  // namespace kau::translator
