// Code pages 1252 (program and editor text) and 850 (the running program's
// characters), their Unicode tables and the UTF-8 conversions used at every
// boundary with Linux. Nothing here depends on the process locale.
#pragma once

#include <string>
#include <string_view>

namespace kau::text {

// Unicode code point of a byte. Every byte has one: the five bytes that code
// page 1252 leaves undefined map to the C1 controls of the same value, so a
// 1252 text always survives a round trip through Unicode.
char32_t cp1252ToUnicode(unsigned char byte);
char32_t cp850ToUnicode(unsigned char byte);

// Byte of a code point, or -1 when the code page has no such character.
int unicodeToCp1252(char32_t cp);
int unicodeToCp850(char32_t cp);

// A code page 1252 character as the running program keeps it: its code page
// 850 code, or '?' when 850 lacks the character (ASCII is unchanged).
unsigned char cp1252To850(unsigned char byte);
// The reverse, for showing a running program's text in a 1252 message: the
// 1252 byte of an 850 character, or '?' when 1252 lacks it.
unsigned char cp850To1252(unsigned char byte);

bool isValidUtf8(std::string_view bytes);

// Whole-text conversions between an 8-bit code page and UTF-8.
std::string cp1252ToUtf8(std::string_view text);
std::string cp850ToUtf8(std::string_view text);

// UTF-8 to code page 1252. Returns false (and leaves `out` unspecified) when the
// text is not valid UTF-8 or holds a character that 1252 lacks.
bool utf8ToCp1252(std::string_view utf8, std::string& out);

// Source files: valid UTF-8 is converted to 1252 (characters 1252 lacks become
// '?', a leading byte-order mark is dropped); anything else is taken as 1252 bytes already.
std::string sourceToCp1252(std::string_view fileBytes);

// Keyboard and file input of a running program: UTF-8 sequences become their
// code page 850 byte ('?' when 850 lacks the character); a byte that does not
// start a valid UTF-8 sequence is taken as a code page 1252 character.
std::string utf8ToCp850(std::string_view text);

// Decodes one UTF-8 sequence at the front of `bytes`. Returns its length (1 to
// 4) and the code point, or 0 when the front is not a valid sequence.
int decodeUtf8(std::string_view bytes, char32_t& cp);
void appendUtf8(std::string& out, char32_t cp);

}  // namespace kau::text

namespace kau::text {
// A Portuguese text written as a UTF-8 literal in our sources, in code page
// 1252 as the system keeps its messages: cp1252("Não") is "N\xE3o".
inline std::string cp1252(std::string_view utf8Literal) { return sourceToCp1252(utf8Literal); }
}  // namespace kau::text
