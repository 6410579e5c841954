// Replacing a file's whole content so that readers see the old file or the
// new one, never a part of either.
#pragma once

#include <sys/types.h>

#include <optional>
#include <string>
#include <string_view>

namespace kau::files {

// Writes the bytes to a new temporary file in the target's folder (mode 0600,
// or `mode` when given), flushes it to the disk and renames it over the
// target. On any failure the temporary file is removed, an older target stays
// as it was, and false is returned; errno is not kept, callers word their own
// message.
bool ReplaceFileContents(const std::string& path, std::string_view bytes, std::optional<mode_t> mode = std::nullopt);

// The mode a file created with `requested` gets under the process's umask,
// for a temporary file that becomes an ordinary one when renamed.
mode_t NewFileMode(mode_t requested);

}  // namespace kau::files
