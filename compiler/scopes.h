// The translator's view of declared names: one Declared record per name and
// scope (program, routine or record type), found through a hash on
// (owner, name), so a lookup costs one probe per enclosing routine scope.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace kau::translator {

struct Dimension {
  int low;
  int high;
};
using Dimensions = std::vector<Dimension>;

struct Declared;

struct Parameter {
  Declared* entry;
  bool byReference;
};

// A declared name. Kinds as the symbol entries: 'V' variable, 'R' reference
// parameter, 'O' constant or enumeration value, 'F' function, 'P' procedure,
// 'L' program name, 'T' type name, 'I' record field, 'B' built-in type.
struct Declared {
  std::string name;
  char kind = 'N';
  Declared* owner = nullptr;
  Declared* type = nullptr;     // element type for arrays, target for pointers
  int address = 0;              // data word, field offset, negative parameter offset, entry index
  int size = 0;                 // words of storage (all elements of an array)
  int value = 0;                // compile-time value of INTEGER/CHAR/BOOLEAN constants, ordinals
  bool pointer = false;         // a pointer variable (one word per element)
  int targetSize = 0;           // words of what a pointer points to
  std::shared_ptr<const Dimensions> dims;  // array bounds, null when not an array
  std::shared_ptr<const Dimensions> targetDims;  // bounds of what a pointer points to
  bool parameter = false;
  // Types: record types own fields; enumerations count their values.
  bool recordType = false;
  bool enumeration = false;
  int enumCount = 0;
  // Routines.
  int depth = 0;                // 0 for the program scope
  std::vector<Parameter> params;
  int parameterWords = 0;
};

class ScopeTable {
 public:
  Declared* Create(const std::string& name, char kind);
  // Declares in `owner`; null when the name is already declared there.
  Declared* Declare(const std::string& name, Declared* owner, char kind);
  Declared* Find(Declared* owner, const std::string& name) const;

 private:
  struct KeyHash {
    std::size_t operator()(const std::pair<const Declared*, std::string>& k) const {
      return std::hash<std::string>()(k.second) * 31u ^ std::hash<const void*>()(k.first);
    }
  };
  std::deque<Declared> storage_;
  std::unordered_map<std::pair<const Declared*, std::string>, Declared*, KeyHash> index_;
};

}  // namespace kau::translator
