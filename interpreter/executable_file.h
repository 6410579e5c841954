// Writing a generated executable: its name beside the source, and a write
// that either puts the whole file in place or leaves everything as it was.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace kau {

// The last three characters of the source's file name become "exe" (prog.pas
// gives prog.exe, prog.p gives proexe); a file name shorter than four
// characters, or one that would name the source itself, gets ".exe" appended.
std::string ExecutablePathFor(const std::string& sourcePath);

// Writes the bytes to a temporary file in the target's folder, gives it the
// executable bits and renames it into place. On failure the temporary file is
// removed, an older target stays as it was, and `errorText` (code page 1252)
// holds the header and the message joined by "#".
bool WriteExecutableFile(const std::string& path, std::span<const std::uint8_t> bytes, std::string& errorText);

// The header of every failure to make an executable.
std::string ExecutableErrorHeader();

}  // namespace kau
