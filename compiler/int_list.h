// The integer lists that the parser hands to the translator: the queue of the
// valued tokens' (value, value2, line) triples and the production list. Both
// are filled at the tail and read from the head.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace kau {

class IntList {
 public:
  // Adds a value at the tail (constant time, amortised).
  void Append(std::int32_t value) { values_.push_back(value); }

  // Removes the head and returns its value; 0 when the list is empty.
  std::int32_t PopFront() { return read_ < values_.size() ? values_[read_++] : 0; }
  // The head's value without removing it; 0 when the list is empty.
  std::int32_t Front() const { return read_ < values_.size() ? values_[read_] : 0; }

  bool Empty() const { return read_ >= values_.size(); }
  std::size_t Size() const { return values_.size() - read_; }

  // The values not yet read, head first.
  std::vector<std::int32_t> Remaining() const {
    return std::vector<std::int32_t>(values_.begin() + static_cast<std::ptrdiff_t>(read_), values_.end());
  }

  // Drops every value and gives the memory back.
  void Free() {
    std::vector<std::int32_t>().swap(values_);
    read_ = 0;
  }

 private:
  std::vector<std::int32_t> values_;
  std::size_t read_ = 0;
};

}  // namespace kau
