// The LZSS codec of compiled programs and of the stored runner: a 4,096-byte
// window counted from its oldest byte, 12-bit positions and 4-bit lengths.
//
// Stream: the byte 7 and the name "in.pas" with its 0 byte, then a bit stream
// (most significant bit first) of literals (0, 8 bits) and matches (1, 12-bit
// window position, 4-bit length 2..15), the last byte padded with 0 bits, then
// one byte giving the number of valid bits in it (0 to 7).
//
// The encoder is deterministic: the same input always gives the same stream,
// which the stored runner relies on.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace kau::lzss {

using Bytes = std::vector<std::uint8_t>;

inline constexpr int kWindowSize = 4096;
inline constexpr int kLookahead = 16;
inline constexpr int kMinMatch = 2;
inline constexpr int kMaxMatch = 15;
inline constexpr std::uint8_t kStoredName[] = {'i', 'n', '.', 'p', 'a', 's', 0};

Bytes Encode(std::span<const std::uint8_t> input);

enum class DecodeStatus {
  Ok,
  NotOurStream,   // stored name longer than the data or with a byte above 128
  Truncated,      // a token cut by the end of the stream, or a bad bit count
  BadMatch,       // a match reaching past the bytes produced so far
};

// Decodes a whole stream. On failure `output` holds what was decoded before
// the fault and `message` the diagnostic text.
DecodeStatus Decode(std::span<const std::uint8_t> stream, Bytes& output, std::string& message);

// File to file. EncodeFile writes beside `path` under its name with the last
// three characters replaced by "kau". Diagnostics go to standard output.
// Both return false when a file cannot be read or written or the stream is bad.
bool EncodeFile(const std::string& path);
bool DecodeFile(const std::string& inputPath, const std::string& outputPath);

}  // namespace kau::lzss
