#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "interpreter/lzss.h"

using kau::lzss::Bytes;
using kau::lzss::Decode;
using kau::lzss::DecodeStatus;
using kau::lzss::Encode;

namespace {

Bytes FromText(std::string_view text) { return Bytes(text.begin(), text.end()); }

// Lists the tokens of a stream as "a b 0,3 ..." (literal bytes as characters,
// matches as position,length), read independently of the decoder.
std::string Tokens(const Bytes& stream) {
  const std::size_t bits = (stream.size() - 10) * 8 + stream.back();
  std::size_t at = 8 * 8;
  auto take = [&](int n) {
    unsigned v = 0;
    for (int i = 0; i < n; ++i, ++at) v = (v << 1) | ((stream[at / 8] >> (7 - at % 8)) & 1);
    return v;
  };
  std::string out;
  while (at < bits + 8 * 8) {
    if (!out.empty()) out += ' ';
    if (take(1) == 0) {
      out += static_cast<char>(take(8));
    } else {
      const unsigned position = take(12);
      out += std::to_string(position) + "," + std::to_string(take(4));
    }
  }
  return out;
}

Bytes RoundTrip(const Bytes& input) {
  Bytes output;
  std::string message;
  EXPECT_EQ(Decode(Encode(input), output, message), DecodeStatus::Ok) << message;
  return output;
}

}  // namespace

TEST(Lzss, EncodesTheReferenceStreamExactly) {
  std::string abc;
  for (int i = 0; i < 8; ++i) abc += "abc";
  const Bytes expected = {0x07, 0x69, 0x6E, 0x2E, 0x70, 0x61, 0x73, 0x00, 0x30, 0x98, 0x8C,
                          0x70, 0x00, 0x38, 0x00, 0x31, 0x84, 0xC4, 0x63, 0x30, 0x98, 0x8C,
                          0x66, 0x13, 0x11, 0x8C, 0xC2, 0x62, 0x31, 0x80, 0x01};
  EXPECT_EQ(Encode(FromText(abc)), expected);
  EXPECT_EQ(Tokens(expected), "a b c 0,3 0,6 a b c a b c a b c a b c");
}

TEST(Lzss, TokenChoices) {
  struct Case {
    std::string input, tokens;
  };
  const Case cases[] = {
      // Doubling matches of one letter, the longest 15, then the tail as literals.
      {std::string(40, 'a'), "a a 0,2 0,4 0,8 0,15 a a a a a a a a a"},
      // Of two matches of the same length the later one wins.
      {"abQabRabZ!#$%&()*+,-./012", "a b Q 0,2 R 3,2 Z ! # $ % & ( ) * + , - . / 0 1 2"},
      // The byte that breaks a match does not start the next one.
      {"aababcdefghijklmnopqr", "a a b a b c d e f g h i j k l m n o p q r"},
      // Inputs shorter than the look-ahead are all literals.
      {"", ""},
      {"x", "x"},
      {"aaaaaaaaaaaaaaaaa", "a a a a a a a a a a a a a a a a a"},
  };
  for (const Case& c : cases) {
    const Bytes stream = Encode(FromText(c.input));
    EXPECT_EQ(Tokens(stream), c.tokens) << c.input;
    EXPECT_EQ(RoundTrip(FromText(c.input)), FromText(c.input)) << c.input;
  }
}

TEST(Lzss, WholeBytesStillEndWithAPaddingByteAndACountOfZero) {
  // Eight literals are 72 bits, nine whole bytes.
  const Bytes stream = Encode(FromText("12345678"));
  ASSERT_EQ(stream.size(), 8u + 9u + 2u);
  EXPECT_EQ(stream[stream.size() - 2], 0x00);
  EXPECT_EQ(stream.back(), 0x00);
}

TEST(Lzss, RandomInputsRoundTripAndEncodeTheSameTwice) {
  std::mt19937 random(1234);
  const std::size_t sizes[] = {0, 1, 2, 3, 15, 16, 17, 18, 19, 33, 4095, 4096, 4097, 4113, 70000, 3 << 20};
  for (std::size_t size : sizes) {
    for (int kind = 0; kind < 3; ++kind) {
      // Noise; a small alphabet (many short matches); text-like runs that
      // repeat from far back in the window.
      Bytes input(size);
      for (std::size_t i = 0; i < size; ++i) {
        if (kind == 0) input[i] = static_cast<std::uint8_t>(random());
        else if (kind == 1) input[i] = static_cast<std::uint8_t>('a' + random() % 3);
        else input[i] = i >= 4000 && random() % 8 ? input[i - 4000 + random() % 2] : static_cast<std::uint8_t>(random() % 40);
      }
      if (size > (1u << 20) && kind != 2) continue;  // one multi-megabyte case is enough
      const Bytes stream = Encode(input);
      EXPECT_EQ(Encode(input), stream) << size;
      EXPECT_EQ(RoundTrip(input), input) << "size " << size << " kind " << kind;
    }
  }
}

TEST(Lzss, MalformedStreamsAreRejected) {
  const Bytes good = Encode(FromText("abcabcabcabcabcabcabcabc"));
  Bytes highName = good;
  highName[3] = 0x81;
  Bytes borderName = good;
  borderName[3] = 0x80;  // 128 is still accepted
  Bytes cutLiteral = Encode(FromText("abc"));
  cutLiteral.back() = 2;  // 27 bits become 26
  Bytes badCount = good;
  badCount.back() = 9;
  struct Case {
    const char* what;
    Bytes stream;
    DecodeStatus status;
  };
  const Case cases[] = {
      {"empty", {}, DecodeStatus::NotOurStream},
      {"name beyond the data", {7, 'i', 'n', '.'}, DecodeStatus::NotOurStream},
      {"name fills the data", {2, 'a', 0, 0}, DecodeStatus::NotOurStream},
      {"name byte above 128", highName, DecodeStatus::NotOurStream},
      {"name byte 128", borderName, DecodeStatus::Ok},
      {"no name, no tokens", {0, 0, 0}, DecodeStatus::Ok},
      {"literal cut", cutLiteral, DecodeStatus::Truncated},
      {"bit count above 7", badCount, DecodeStatus::Truncated},
      // A match first: there is nothing to copy from yet.
      {"match before the start", {0, 0x80, 0x01, 0x00, 1}, DecodeStatus::BadMatch},
      // Literal 'a', then a match of 2 at position 0: only one byte exists.
      {"match past the output", {0, 0x30, 0xC0, 0x00, 0x80, 2}, DecodeStatus::BadMatch},
      // The same match cut after its position.
      {"match cut", {0, 0x30, 0xC0, 0x00, 6}, DecodeStatus::Truncated},
  };
  for (const Case& c : cases) {
    Bytes output;
    std::string message;
    EXPECT_EQ(Decode(c.stream, output, message), c.status) << c.what;
    EXPECT_EQ(message.empty(), c.status == DecodeStatus::Ok) << c.what;
  }
  std::string message;
  Bytes output;
  Decode(highName, output, message);
  EXPECT_EQ(message, "\n\nThis does not appear to be a file encoded by TALO");
  Decode(cutLiteral, output, message);
  EXPECT_EQ(message, "Error..");
  EXPECT_EQ(output, FromText("ab"));  // what came before the fault
}

// A prefix holds the stream's first tokens whole or cut: it decodes to the
// start of the text, and its matches reach only bytes already decoded.
TEST(Lzss, EveryPrefixOfAStreamDecodesWithoutFault) {
  const Bytes text = FromText("the cat sat on the mat; the cat sat on the hat");
  const Bytes good = Encode(text);
  for (std::size_t n = 0; n <= good.size(); ++n) {
    Bytes output;
    std::string message;
    const DecodeStatus status = Decode(std::span(good.data(), n), output, message);
    EXPECT_NE(status, DecodeStatus::BadMatch) << n;
    EXPECT_EQ(output, Bytes(text.begin(), text.begin() + std::min(output.size(), text.size()))) << n;
    if (n == good.size()) {
      EXPECT_EQ(status, DecodeStatus::Ok);
      EXPECT_EQ(output, text);
    }
  }
}

TEST(Lzss, FilesEncodeBesideTheInputAndDecode) {
  const auto dir = std::filesystem::temp_directory_path() / ("lzss_test_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "prog.out").string();
  {
    std::ofstream(input, std::ios::binary) << "3 4 36 0 0 ";
  }
  ASSERT_TRUE(kau::lzss::EncodeFile(input));
  ASSERT_TRUE(std::filesystem::exists(dir / "prog.kau"));
  ASSERT_TRUE(kau::lzss::DecodeFile((dir / "prog.kau").string(), (dir / "back").string()));
  std::ifstream back(dir / "back");
  std::string text;
  std::getline(back, text);
  EXPECT_EQ(text, "3 4 36 0 0 ");

  std::filesystem::create_directory(dir / "folder");
  for (const char* unreadable : {"missing", "folder"}) {
    testing::internal::CaptureStdout();
    EXPECT_FALSE(kau::lzss::DecodeFile((dir / unreadable).string(), (dir / "out").string()));
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "\nCould not open program file " + (dir / unreadable).string() + "... Aborting operation");
  }
  std::filesystem::remove_all(dir);
}
