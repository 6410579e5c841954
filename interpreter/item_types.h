// Item types of the read and write instructions' type operand.
#pragma once

namespace kau {

constexpr int kItemInteger = 1;
constexpr int kItemChar = 2;
constexpr int kItemBoolean = 3;
constexpr int kItemReal = 4;
constexpr int kItemLineEnd = 5;
constexpr int kItemString = 6;
constexpr int kItemLong = 7;
// Added to the type of a read whose destination is a heap-aware pair.
constexpr int kItemHeapAware = 10;

}  // namespace kau
