// One named display attribute of a highlighter: background and foreground
// colour and font style, with the defaults they had when the highlighter was
// made (only values that differ from their defaults are worth saving).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editor/highlight/highlighter_types.h"
#include "editor/highlight/persistent.h"
#include "platform/settings/settings.h"

namespace kau::editor {

class TSynHighlighterAttributes : public TPersistent {
public:
    explicit TSynHighlighterAttributes(std::string name);

    // From another attribute: its name, colours and style.
    bool Assign(const TPersistent& source) override;
    // Copies the colours and style; one change notification when any differed.
    void AssignColorAndStyle(const TSynHighlighterAttributes& source);
    virtual void Changed();
    void InternalSaveDefaultValues();

    const std::string& Name() const { return name_; }
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    TFontStyles Style() const { return style_; }
    void SetBackground(TColor value);
    void SetForeground(TColor value);
    void SetStyle(TFontStyles value);

    // The style as bits: 1 bold, 2 italic, 4 underline, 8 strike-out.
    int GetStyleFromInt() const { return style_; }
    void SetStyleFromInt(int value);

    // Whether a value differs from its saved default.
    bool GetBackgroundColorStored() const { return background_ != backgroundDefault_; }
    bool GetForegroundColorStored() const { return foreground_ != foregroundDefault_; }
    bool GetFontStyleStored() const { return style_ != styleDefault_; }

    // Settings: the values "Background", "Foreground" and "Style", each an
    // integer, in the registry form below the sub-key of the attribute's name
    // (section key + "\" + name), in the file form in the section of its
    // name. A loader takes only the values present and valid: an invalid
    // colour or a style outside 0 to 15 changes nothing and adds its error
    // text to `errors`. False when the section is missing or a value was bad.
    bool LoadFromRegistry(const settings::Settings& registry, std::string_view key, std::vector<std::string>& errors);
    void SaveToRegistry(settings::Settings& registry, std::string_view key) const;
    bool LoadFromFile(const settings::Settings& file, std::vector<std::string>& errors);
    void SaveToFile(settings::Settings& file) const;

    TNotifyEvent OnChange;

private:
    bool LoadFromSection(const settings::Settings& settings, const std::string& section,
                         std::vector<std::string>& errors);
    void SaveToSection(settings::Settings& settings, const std::string& section) const;

    TColor background_ = clNone;
    TColor backgroundDefault_ = clNone;
    TColor foreground_ = clNone;
    TColor foregroundDefault_ = clNone;
    std::string name_;
    TFontStyles style_ = 0;
    TFontStyles styleDefault_ = 0;
};

}  // namespace kau::editor
