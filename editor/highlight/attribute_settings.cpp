// An attribute's colours and style in the settings (registry and file forms).
#include <optional>

#include "editor/highlight/highlighter_attributes.h"
#include "platform/settings/setting_values.h"

namespace kau::editor {

namespace {

// An RGB value, a system colour, clNone or clDefault; the other high bytes
// mean nothing to the drawing layer.
bool isValidColor(TColor color) {
  const auto bits = static_cast<std::uint32_t>(color);
  return (bits & 0xFF000000u) == 0 || (bits & 0xFFFFFF00u) == 0x80000000u || color == clNone ||
         color == clDefault;
}

}  // namespace

bool TSynHighlighterAttributes::LoadFromSection(const settings::Settings& settings, const std::string& section,
                                                std::vector<std::string>& errors) {
  if (!settings.SectionExists(section)) return false;
  bool ok = true;
  const auto read = [&](const char* name, bool (*valid)(std::int32_t)) -> std::optional<std::int32_t> {
    const std::optional<std::string> text = settings.ReadString(section, name);
    if (!text) return std::nullopt;
    const std::optional<std::int32_t> value = settings::ParseInteger(*text);
    if (value && valid(*value)) return value;
    errors.push_back(settings::InvalidValueText(section, name, *text));
    ok = false;
    return std::nullopt;
  };
  if (const auto value = read("Background", isValidColor)) SetBackground(*value);
  if (const auto value = read("Foreground", isValidColor)) SetForeground(*value);
  if (const auto value = read("Style", [](std::int32_t v) { return v >= 0 && v <= 15; })) SetStyleFromInt(*value);
  return ok;
}

void TSynHighlighterAttributes::SaveToSection(settings::Settings& settings, const std::string& section) const {
  settings.WriteString(section, "Background", settings::IntegerText(background_));
  settings.WriteString(section, "Foreground", settings::IntegerText(foreground_));
  settings.WriteString(section, "Style", settings::IntegerText(GetStyleFromInt()));
}

bool TSynHighlighterAttributes::LoadFromRegistry(const settings::Settings& registry, std::string_view key,
                                                 std::vector<std::string>& errors) {
  return LoadFromSection(registry, settings::SubSection(key, name_), errors);
}

void TSynHighlighterAttributes::SaveToRegistry(settings::Settings& registry, std::string_view key) const {
  SaveToSection(registry, settings::SubSection(key, name_));
}

bool TSynHighlighterAttributes::LoadFromFile(const settings::Settings& file, std::vector<std::string>& errors) {
  return LoadFromSection(file, name_, errors);
}

void TSynHighlighterAttributes::SaveToFile(settings::Settings& file) const {
  SaveToSection(file, name_);
}

}  // namespace kau::editor
