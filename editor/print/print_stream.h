// The little-endian binary fields of the print settings' stream form. Every
// read checks what it got: a stream that ends early, a negative length or a
// length beyond the stream raises EReadError.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>

#include "editor/model/exceptions.h"

namespace kau::editor {

void WriteByte(std::ostream& Stream, std::uint8_t Value);
void WriteInt32(std::ostream& Stream, std::int32_t Value);
void WriteDouble(std::ostream& Stream, double Value);
// A 32-bit length and the bytes, no terminator.
void WriteString(std::ostream& Stream, const std::string& Value);

std::uint8_t ReadByte(std::istream& Stream);
// A byte that must not exceed `Max` (an enumeration or a set).
std::uint8_t ReadByteUpTo(std::istream& Stream, std::uint8_t Max);
bool ReadBool(std::istream& Stream);
std::int32_t ReadInt32(std::istream& Stream);
// NaN is refused.
double ReadDouble(std::istream& Stream);
// The bytes up to the first zero byte among them; all of them are consumed.
std::string ReadString(std::istream& Stream);

}  // namespace kau::editor
