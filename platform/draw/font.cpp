#include "platform/draw/font.h"

#include <cstdlib>

namespace kau {

std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  if (c == 0) return -1;
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) * 2 + c) / (2LL * c);
  return static_cast<std::int32_t>(p < 0 ? -q : q);
}

std::int32_t HeightFromPointSize(std::int32_t size, std::int32_t pixelsPerInch) {
  return -MulDiv(size, pixelsPerInch, 72);
}

std::int32_t PointSizeFromHeight(std::int32_t height, std::int32_t pixelsPerInch) {
  return MulDiv(height < 0 ? -height : height, 72, pixelsPerInch);
}

}  // namespace kau
