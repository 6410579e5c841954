// Reads a whole file into memory in large blocks. The stand-alone runner reads
// its own executable with it (megabytes under the sanitizers), so a byte at
// a time through a stream would cost seconds at every start.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace kau::files {

// False when the file cannot be opened, a read fails before its end (a
// folder, no permission, an I/O error) or it holds more than `maxBytes` (an
// endless device such as /dev/zero); `bytes` then holds nothing useful.
// The file's end is where a read gives nothing, not its recorded size, so a
// file that grows or shrinks meanwhile, or one with no size (/proc), is read
// as it was read. Throws std::bad_alloc when memory runs out.
bool ReadWholeFile(const std::string& path, std::vector<std::uint8_t>& bytes,
                   std::size_t maxBytes = std::numeric_limits<std::size_t>::max());

}  // namespace kau::files
