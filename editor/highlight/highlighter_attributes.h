// One named display attribute of a highlighter: background and foreground
// colour and font style, with the defaults they had when the highlighter was
// made (only values that differ from their defaults are worth saving).
#pragma once

#include <string>

#include "editor/highlight/highlighter_types.h"
#include "editor/highlight/persistent.h"

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

    TNotifyEvent OnChange;

private:
    TColor background_ = clNone;
    TColor backgroundDefault_ = clNone;
    TColor foreground_ = clNone;
    TColor foregroundDefault_ = clNone;
    std::string name_;
    TFontStyles style_ = 0;
    TFontStyles styleDefault_ = 0;
};

}  // namespace kau::editor
