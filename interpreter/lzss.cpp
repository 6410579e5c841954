#include "interpreter/lzss.h"

#include <cstdio>
#include <cstring>

#include "platform/files/whole_file.h"

namespace kau::lzss {

namespace {

constexpr int kPositionBits = 12;
constexpr int kLengthBits = 4;
constexpr int kLiteralBits = 9;
constexpr int kMatchBits = 1 + kPositionBits + kLengthBits;

const char kNotOurStream[] = "\n\nThis does not appear to be a file encoded by TALO";
const char kTruncated[] = "Error..";
const char kError[] = "\nError";

// Collects bits most significant first; complete bytes go out after each token.
class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out_(out) {}

  void Put(std::uint32_t value, int bits) {
    for (int i = bits - 1; i >= 0; --i) {
      pending_ = static_cast<std::uint8_t>((pending_ << 1) | ((value >> i) & 1));
      if (++count_ == 8) {
        out_.push_back(pending_);
        pending_ = 0;
        count_ = 0;
      }
    }
  }

  // The last byte, padded with 0 bits (also when nothing is pending), then
  // the number of valid bits in it.
  void Finish() {
    out_.push_back(static_cast<std::uint8_t>(pending_ << (8 - count_)));
    out_.push_back(static_cast<std::uint8_t>(count_));
  }

 private:
  Bytes& out_;
  std::uint8_t pending_ = 0;
  int count_ = 0;
};

void EmitLiteral(BitWriter& bits, std::uint8_t byte) { bits.Put(byte, kLiteralBits); }

void EmitMatch(BitWriter& bits, int position, int length) {
  bits.Put(1, 1);
  bits.Put(static_cast<std::uint32_t>(position), kPositionBits);
  bits.Put(static_cast<std::uint32_t>(length), kLengthBits);
}

struct Match {
  int position = 0;
  int length = 0;
};

// One left-to-right scan of the window without backtracking: a byte that
// breaks a match is not tried as the start of the next one, and a later match
// wins over an earlier one of the same length.
Match FindLongestMatch(const std::uint8_t* window, int fill, const std::uint8_t* lookahead) {
  Match best, recent;
  int i = 0;
  while (i < fill) {
    const void* hit = std::memchr(window + i, lookahead[0], static_cast<std::size_t>(fill - i));
    if (hit == nullptr) break;
    const int start = static_cast<int>(static_cast<const std::uint8_t*>(hit) - window);
    int length = 1;
    i = start + 1;
    while (i < fill && length < kMaxMatch && window[i] == lookahead[length]) {
      ++length;
      ++i;
    }
    recent = {start, length};
    if (length == kMaxMatch || i == fill) break;
    if (length > best.length) best = recent;
    ++i;  // the byte that ended the match
  }
  return best.length > recent.length ? best : recent;
}

bool WriteWholeFile(const std::string& path, const Bytes& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace

Bytes Encode(std::span<const std::uint8_t> input) {
  Bytes out;
  out.reserve(input.size() + input.size() / 8 + 16);
  out.push_back(sizeof kStoredName);
  out.insert(out.end(), std::begin(kStoredName), std::end(kStoredName));
  BitWriter bits(out);

  const std::size_t size = input.size();
  const std::uint8_t* data = input.data();
  // The window is the last up to 4,096 bytes coded, the look-ahead the next
  // 16; both are views of the input. The first two bytes are literals.
  std::size_t coded = 0;
  for (; coded < size && coded < 2; ++coded) EmitLiteral(bits, data[coded]);
  // The loop runs while the look-ahead is full; it ends as soon as a refill
  // meets the end of the input, and whatever is left goes out as literals.
  while (coded + kLookahead <= size) {
    const std::size_t windowStart = coded > kWindowSize ? coded - kWindowSize : 0;
    const Match match = FindLongestMatch(data + windowStart, static_cast<int>(coded - windowStart), data + coded);
    if (match.length >= kMinMatch) {
      EmitMatch(bits, match.position, match.length);
      coded += static_cast<std::size_t>(match.length);
    } else {
      EmitLiteral(bits, data[coded]);
      ++coded;
    }
  }
  for (; coded < size; ++coded) EmitLiteral(bits, data[coded]);
  bits.Finish();
  return out;
}

DecodeStatus Decode(std::span<const std::uint8_t> stream, Bytes& output, std::string& message) {
  output.clear();
  message.clear();
  auto fail = [&message](DecodeStatus status, const char* text) {
    message = text;
    return status;
  };
  // Header, then at least the last byte and its bit count.
  if (stream.empty()) return fail(DecodeStatus::NotOurStream, kNotOurStream);
  const std::size_t nameLength = stream[0];
  if (stream.size() < 1 + nameLength + 2) return fail(DecodeStatus::NotOurStream, kNotOurStream);
  for (std::size_t i = 1; i <= nameLength; ++i)
    if (stream[i] > 128) return fail(DecodeStatus::NotOurStream, kNotOurStream);
  const unsigned lastBits = stream[stream.size() - 1];
  if (lastBits > 7) return fail(DecodeStatus::Truncated, kTruncated);

  const std::uint8_t* bytes = stream.data() + 1 + nameLength;
  const std::size_t totalBits = (stream.size() - 3 - nameLength) * 8 + lastBits;
  std::size_t bit = 0;
  auto take = [&](int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i, ++bit) value = (value << 1) | ((bytes[bit >> 3] >> (7 - (bit & 7))) & 1);
    return value;
  };

  output.reserve(stream.size() * 2);
  while (bit < totalBits) {
    const bool isMatch = (bytes[bit >> 3] >> (7 - (bit & 7))) & 1;
    if (totalBits - bit < static_cast<std::size_t>(isMatch ? kMatchBits : kLiteralBits))
      return fail(DecodeStatus::Truncated, kTruncated);
    ++bit;
    if (!isMatch) {
      output.push_back(static_cast<std::uint8_t>(take(8)));
      continue;
    }
    const std::size_t position = take(kPositionBits);
    const std::size_t length = take(kLengthBits);
    // The window is the tail of the output; a match copies from it as it
    // stood before the match, so it must lie within those bytes.
    const std::size_t fill = output.size() < kWindowSize ? output.size() : kWindowSize;
    if (position + length > fill) return fail(DecodeStatus::BadMatch, kError);
    const std::size_t from = output.size() - fill + position;
    for (std::size_t k = 0; k < length; ++k) output.push_back(output[from + k]);
  }
  return DecodeStatus::Ok;
}

bool EncodeFile(const std::string& path) {
  Bytes input;
  if (!files::ReadWholeFile(path, input)) {
    std::printf("\nCould not open program file %s... Aborting operation", path.c_str());
    return false;
  }
  const std::string outputPath = path.substr(0, path.size() >= 3 ? path.size() - 3 : 0) + "kau";
  if (!WriteWholeFile(outputPath, Encode(input))) {
    std::printf("%s", kError);
    return false;
  }
  return true;
}

bool DecodeFile(const std::string& inputPath, const std::string& outputPath) {
  Bytes stream;
  if (!files::ReadWholeFile(inputPath, stream)) {
    std::printf("\nCould not open program file %s... Aborting operation", inputPath.c_str());
    return false;
  }
  Bytes output;
  std::string message;
  const DecodeStatus status = Decode(stream, output, message);
  if (status != DecodeStatus::Ok) {
    std::printf("%s", message.c_str());
    // A stream that is not ours decodes to nothing; a damaged one keeps
    // what came before the fault.
    if (status == DecodeStatus::NotOurStream) return false;
  }
  if (!WriteWholeFile(outputPath, output)) {
    std::printf("%s", kError);
    return false;
  }
  return status == DecodeStatus::Ok;
}

}  // namespace kau::lzss
