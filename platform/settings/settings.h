// Settings as named strings in sections: the program's replacement for the
// registry and for INI files. A registry key becomes a section named by the
// key's path ("Software\Pascal KAU\General"), and its sub-keys sections of
// their own (key + "\" + sub-key). Texts are code page 1252 like the rest of
// the program; where a back end keeps them outside the process it converts.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kau::settings {

class Settings {
 public:
  virtual ~Settings() = default;

  virtual bool SectionExists(std::string_view section) const = 0;
  // Makes the section exist (empty when it is new), like a registry key
  // opened with creation allowed.
  virtual void CreateSection(std::string_view section) = 0;
  // The value, or nothing when the section or the name is absent.
  virtual std::optional<std::string> ReadString(std::string_view section, std::string_view name) const = 0;
  // Creates the section when needed.
  virtual void WriteString(std::string_view section, std::string_view name, std::string_view value) = 0;
  // Makes the values written so far durable where the back end keeps them;
  // false when that failed (the values stay in the object).
  virtual bool Flush() = 0;
};

// The section of a registry key's sub-key.
inline std::string SubSection(std::string_view section, std::string_view subKey) {
  std::string result(section);
  if (!result.empty()) result += '\\';
  result += subKey;
  return result;
}

}  // namespace kau::settings
