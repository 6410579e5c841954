#include "editor/print/print_stream.h"

#include <cmath>
#include <cstring>
#include <istream>
#include <ostream>

namespace kau::editor {

namespace {

[[noreturn]] void Damaged() { throw EReadError("Erro de leitura: dados de impress\xE3o danificados"); }

void ReadExactly(std::istream& Stream, char* Buffer, std::size_t Count) {
  Stream.read(Buffer, static_cast<std::streamsize>(Count));
  if (static_cast<std::size_t>(Stream.gcount()) != Count) Damaged();
}

void WriteBytes(std::ostream& Stream, const void* Data, std::size_t Count) {
  Stream.write(static_cast<const char*>(Data), static_cast<std::streamsize>(Count));
  if (!Stream) throw EWriteError("Erro de escrita");
}

}  // namespace

void WriteByte(std::ostream& Stream, std::uint8_t Value) { WriteBytes(Stream, &Value, 1); }

void WriteInt32(std::ostream& Stream, std::int32_t Value) {
  const auto u = static_cast<std::uint32_t>(Value);
  const unsigned char b[4] = {static_cast<unsigned char>(u), static_cast<unsigned char>(u >> 8),
                              static_cast<unsigned char>(u >> 16), static_cast<unsigned char>(u >> 24)};
  WriteBytes(Stream, b, 4);
}

void WriteDouble(std::ostream& Stream, double Value) {
  std::uint64_t u;
  std::memcpy(&u, &Value, 8);
  unsigned char b[8];
  for (int i = 0; i < 8; ++i) b[i] = static_cast<unsigned char>(u >> (8 * i));
  WriteBytes(Stream, b, 8);
}

void WriteString(std::ostream& Stream, const std::string& Value) {
  WriteInt32(Stream, static_cast<std::int32_t>(Value.size()));
  WriteBytes(Stream, Value.data(), Value.size());
}

std::uint8_t ReadByte(std::istream& Stream) {
  char c;
  ReadExactly(Stream, &c, 1);
  return static_cast<std::uint8_t>(c);
}

std::uint8_t ReadByteUpTo(std::istream& Stream, std::uint8_t Max) {
  const std::uint8_t b = ReadByte(Stream);
  if (b > Max) Damaged();
  return b;
}

bool ReadBool(std::istream& Stream) { return ReadByteUpTo(Stream, 1) != 0; }

std::int32_t ReadInt32(std::istream& Stream) {
  unsigned char b[4];
  ReadExactly(Stream, reinterpret_cast<char*>(b), 4);
  return static_cast<std::int32_t>(b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<std::uint32_t>(b[3]) << 24));
}

double ReadDouble(std::istream& Stream) {
  unsigned char b[8];
  ReadExactly(Stream, reinterpret_cast<char*>(b), 8);
  std::uint64_t u = 0;
  for (int i = 7; i >= 0; --i) u = (u << 8) | b[i];
  double d;
  std::memcpy(&d, &u, 8);
  if (std::isnan(d)) Damaged();
  return d;
}

std::string ReadString(std::istream& Stream) {
  const std::int32_t length = ReadInt32(Stream);
  if (length < 0) Damaged();
  // In pieces, so that a length beyond the stream fails at its end instead of
  // asking for that much memory first.
  std::string bytes;
  char chunk[4096];
  for (std::int32_t left = length; left > 0;) {
    const std::size_t n = static_cast<std::size_t>(std::min<std::int32_t>(left, sizeof chunk));
    ReadExactly(Stream, chunk, n);
    bytes.append(chunk, n);
    left -= static_cast<std::int32_t>(n);
  }
  const std::size_t zero = bytes.find('\0');
  if (zero != std::string::npos) bytes.resize(zero);
  return bytes;
}

}  // namespace kau::editor
