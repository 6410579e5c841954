// TSynSelectedColor: the colours of selected text.
#pragma once

#include "editor/object.h"
#include "platform/draw/colors.h"

namespace kau::editor {

class TSynSelectedColor : public TObject {
 public:
  TColor Background() const { return fBG; }
  TColor Foreground() const { return fFG; }
  void SetBackground(TColor Value);
  void SetForeground(TColor Value);

  // From another TSynSelectedColor: both colours, then OnChange even when
  // nothing differed. False (nothing copied) for any other source.
  bool Assign(const TObject& Source);

  TNotifyEvent OnChange;

 private:
  void Changed();

  TColor fBG = clHighlight;
  TColor fFG = clHighlightText;
};

}  // namespace kau::editor
