// Settings in an INI file (UTF-8):
//
//   [section]
//   name=value
//
// Lines starting with ";" or "#" and lines without "=" are skipped. A "%",
// a line break and, in names, an "=" (or a "[", ";" or "#" at the start) are
// written as "%" and two hexadecimal digits, so that every text survives a
// round trip. Flush writes the whole file to a temporary file beside it and
// renames that over the file, so a failed write never leaves a half-written
// file nor loses the old one.
#pragma once

#include <string>

#include "platform/settings/memory_settings.h"

namespace kau::settings {

class IniFileSettings : public MemorySettings {
public:
    explicit IniFileSettings(std::string fileName) : fileName_(std::move(fileName)) {}

    const std::string& FileName() const { return fileName_; }
    // Replaces the values in memory with the file's. A missing file reads as
    // empty; false when the file exists but cannot be read.
    bool Load();
    // Writes every section (creating the file's folder when needed).
    bool Flush() override;

private:
    std::string fileName_;
};

// $XDG_CONFIG_HOME/pascalkau/pascalkau.ini, with ~/.config when
// XDG_CONFIG_HOME is not set: the program's settings file.
std::string ProgramSettingsPath();

}  // namespace kau::settings
