// The integer stack of the translator's patch lists (jumps of CASE arms,
// BREAK and CONTINUE waiting for their target).
#pragma once

#include <cstdint>
#include <vector>

namespace kau {

class PilhaInteiros {
 public:
  void Push(std::int32_t value) { values_.push_back(value); }
  // Removes and returns the top value; -1 when the stack is empty (which the
  // patch lists also use as their start marker).
  std::int32_t Pop() {
    if (values_.empty()) return -1;
    const std::int32_t top = values_.back();
    values_.pop_back();
    return top;
  }
  bool NotEmpty() const { return !values_.empty(); }
  void Clear() { values_.clear(); }

 private:
  std::vector<std::int32_t> values_;
};

}  // namespace kau
