// The compiler's two hash tables: every name and string literal of a program
// in 211 buckets of elem_tab_simb entries, and every real literal in 211
// buckets of doubles. The lexer enters texts and hands on (bucket, index)
// pairs; the translator finds the entries again from those pairs.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kau {

inline constexpr int kSymbolBucketCount = 211;

// One symbol entry. A new entry is kind 'N' with info ' ' and every other
// field 0 or none. The table owns every entry; pointers stay valid until the
// table is cleared.
struct elem_tab_simb {
  std::string name;            // identifiers and keywords upper case; literals as written
  char kind = 'N';             // N V R O F P L
  std::int32_t info = ' ';     // ' ', 'T', 'V', 'I', or a value / ordinal / parameter count
  std::int32_t address = 0;    // data word, parameter offset, entry instruction, enumeration number
  std::int32_t size = 0;       // in words
  std::int32_t enumerationCount = 0;
  bool isPointer = false;
  bool hasArrayDescriptor = false;
  bool isDeclared = false;
  bool isEnumeration = false;
  elem_tab_simb* type = nullptr;
  elem_tab_simb* owner = nullptr;         // scope that declares it; none while undeclared
  elem_tab_simb* nextSameName = nullptr;  // the name's entry in another scope
  elem_tab_simb* nextInBucket = nullptr;  // next first entry of the same bucket
};

// The PJW hash of a text (bytes taken as signed), reduced to a bucket 0-210.
int HashName(std::string_view text);

// Fixed size in words of a built-in type name ("INTEGER", "CHAR", "BOOLEAN",
// "REAL", "STRING", "TEXT"), or -1 for any other name.
int BuiltInTypeSize(std::string_view name);

class SymbolTable {
 public:
  SymbolTable() = default;
  SymbolTable(const SymbolTable&) = delete;
  SymbolTable& operator=(const SymbolTable&) = delete;

  // Finds the name (exact bytes) or appends a first entry with that size to
  // its bucket; returns its index in the bucket. A built-in type name always
  // gets its fixed size, whatever size its first insertion asked for; the
  // size of an existing entry is never changed.
  int InsertSymbol(std::string_view name, int size);
  // The entry that the last InsertSymbol found or created.
  elem_tab_simb* LastInsertedEntry() const { return lastInserted_; }

  // Head of a bucket chain; none for an empty or invalid bucket.
  elem_tab_simb* SymbolBucket(int bucket) const;
  // First entry at (bucket, index); none when there is no such entry.
  elem_tab_simb* SymbolAt(int bucket, int index) const;
  // First entry of a name; none when the name was never entered.
  elem_tab_simb* FindSymbol(std::string_view name) const;
  int BucketLength(int bucket) const;

  // A new entry owned by the table but in no chain (callers link it).
  elem_tab_simb* NewSymbolEntry(std::string_view name);
  // A copy of the entry (name, kind, info, address, size, flags, type, owner;
  // not the enumeration count) linked as its next same-name entry.
  elem_tab_simb* CloneSymbolForScope(elem_tab_simb* entry);
  // True when the entry or one of its same-name entries has that owner.
  static bool SymbolHasScope(const elem_tab_simb* entry, const elem_tab_simb* owner);
  // Gives `to` its own copy of every entry owned by `from` (the fields of a
  // record type for a variable of that type). For each copied entry that has
  // an array descriptor, `shareArrayDescriptor(copied, clone)` is called so
  // that the owner of the descriptors can give the clone one of its own.
  void CopyScopeSymbols(elem_tab_simb* from, elem_tab_simb* to,
                        const std::function<void(elem_tab_simb& copied, elem_tab_simb& clone)>&
                            shareArrayDescriptor = {});

  // Frees every entry; all buckets empty.
  void ClearSymbolTable();
  bool IsEmpty() const { return entries_.empty(); }

 private:
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  std::deque<elem_tab_simb> entries_;  // stable addresses
  std::array<std::vector<elem_tab_simb*>, kSymbolBucketCount> buckets_{};
  std::unordered_map<std::string, int, NameHash, std::equal_to<>> indexOfName_;
  elem_tab_simb* lastInserted_ = nullptr;
};

struct RealConstantNode {
  double value = 0.0;
  RealConstantNode* next = nullptr;
};

class RealConstantTable {
 public:
  RealConstantTable() = default;
  RealConstantTable(const RealConstantTable&) = delete;
  RealConstantTable& operator=(const RealConstantTable&) = delete;

  // Bucket HashName(text); finds a node of equal value there or appends one.
  // Returns its index in the bucket.
  int InsertRealConstant(std::string_view text);
  const RealConstantNode* RealBucket(int bucket) const;
  // None when there is no such node.
  const RealConstantNode* RealAt(int bucket, int index) const;

  void ClearRealTable();
  bool IsEmpty() const { return nodes_.empty(); }

 private:
  std::deque<RealConstantNode> nodes_;
  std::array<std::vector<RealConstantNode*>, kSymbolBucketCount> buckets_{};
  std::map<std::pair<int, double>, int> indexOfValue_;
};

// The tables of the compilation in progress: filled by the lexer and the
// translator, emptied by the compiler driver after every compilation.
extern SymbolTable Symbols;
extern RealConstantTable RealConstants;

void ClearSymbolTable();
void ClearRealTable();

// The double that a real literal's text denotes (0 when it is not a number).
double RealLiteralValue(std::string_view text);

}  // namespace kau
