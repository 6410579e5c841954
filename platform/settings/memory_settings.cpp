#include "platform/settings/memory_settings.h"

namespace kau::settings {

bool MemorySettings::SectionExists(std::string_view section) const {
  return sections_.find(section) != sections_.end();
}

void MemorySettings::CreateSection(std::string_view section) {
  if (!SectionExists(section)) sections_.emplace(std::string(section), Values{});
}

std::optional<std::string> MemorySettings::ReadString(std::string_view section, std::string_view name) const {
  const auto s = sections_.find(section);
  if (s == sections_.end()) return std::nullopt;
  const auto v = s->second.find(name);
  if (v == s->second.end()) return std::nullopt;
  return v->second;
}

void MemorySettings::WriteString(std::string_view section, std::string_view name, std::string_view value) {
  CreateSection(section);
  sections_.find(section)->second.insert_or_assign(std::string(name), std::string(value));
}

}  // namespace kau::settings
