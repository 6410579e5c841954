#include "platform/draw/font.h"

#include <cstdlib>

namespace kau {

namespace {

// a * b / c rounded half away from zero.
std::int32_t MulDiv(std::int32_t a, std::int32_t b, std::int32_t c) {
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) * 2 + c) / (2LL * c);
  return static_cast<std::int32_t>(p < 0 ? -q : q);
}

}  // namespace

std::int32_t HeightFromPointSize(std::int32_t size) { return -MulDiv(size, kScreenPixelsPerInch, 72); }

std::int32_t PointSizeFromHeight(std::int32_t height) {
  return MulDiv(height < 0 ? -height : height, 72, kScreenPixelsPerInch);
}

}  // namespace kau
