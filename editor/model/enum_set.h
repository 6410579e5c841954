// A set of values of an enumeration held in an unsigned integer: bit i stands
// for the value i.
#pragma once

#include <type_traits>

namespace kau::editor {

template <class Bits, class E>
  requires std::is_enum_v<E> && std::is_unsigned_v<Bits>
constexpr Bits SetOf(E Value) {
  return static_cast<Bits>(Bits{1} << static_cast<unsigned>(Value));
}

template <class Bits, class E>
  requires std::is_enum_v<E> && std::is_unsigned_v<Bits>
constexpr bool Has(Bits Set, E Value) {
  return (Set & SetOf<Bits>(Value)) != 0;
}

}  // namespace kau::editor
