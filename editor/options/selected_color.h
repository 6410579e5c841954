// TSynSelectedColor: the colours of selected text.
#pragma once

#include "editor/highlight/persistent.h"
#include "platform/draw/colors.h"

namespace kau::editor {

class TSynSelectedColor : public TPersistent {
 public:
  TColor Background() const { return fBG; }
  TColor Foreground() const { return fFG; }
  void SetBackground(TColor Value);
  void SetForeground(TColor Value);

  // From another TSynSelectedColor: both colours, then OnChange even when
  // nothing differed. False (nothing copied) for any other source.
  bool Assign(const TPersistent& Source) override;

  TNotifyEvent OnChange;

 private:
  void Changed();

  TColor fBG = clHighlight;
  TColor fFG = clHighlightText;
};

}  // namespace kau::editor
