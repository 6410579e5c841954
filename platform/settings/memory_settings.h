// Settings kept only in memory: for tests, and the store behind the INI file.
#pragma once

#include <map>
#include <string>

#include "platform/settings/settings.h"

namespace kau::settings {

class MemorySettings : public Settings {
public:
    // Sections by name, each with its values by name (letter case counts).
    using Values = std::map<std::string, std::string, std::less<>>;
    using Sections = std::map<std::string, Values, std::less<>>;

    bool SectionExists(std::string_view section) const override;
    void CreateSection(std::string_view section) override;
    std::optional<std::string> ReadString(std::string_view section, std::string_view name) const override;
    void WriteString(std::string_view section, std::string_view name, std::string_view value) override;
    bool Flush() override { return true; }

    const Sections& AllSections() const { return sections_; }

protected:
    Sections& MutableSections() { return sections_; }

private:
    Sections sections_;
};

}  // namespace kau::settings
