// The LZSS decoder on arbitrary streams: it must end without fault, and what
// it accepts must survive encoding and decoding again. The input is also
// encoded and decoded as data.
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "interpreter/lzss.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kau::lzss;
  const std::span<const std::uint8_t> input(data, size);
  Bytes output, again;
  std::string message;
  if (Decode(input, output, message) == DecodeStatus::Ok) {
    if (Decode(Encode(output), again, message) != DecodeStatus::Ok || again != output) std::abort();
  }
  if (Decode(Encode(input), again, message) != DecodeStatus::Ok ||
      again != Bytes(input.begin(), input.end()))
    std::abort();
  return 0;
}
