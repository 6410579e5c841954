// A plug-in of an editor control: told after each paint and when lines are
// inserted or deleted. The editor frees the plug-ins still registered with it.
#pragma once

#include "editor/model/edit_types.h"
#include "platform/draw/canvas.h"

namespace kau::editor {

class TCustomSynEdit;

class TSynEditPlugin {
 public:
  // Registers with AOwner when one is given.
  explicit TSynEditPlugin(TCustomSynEdit* AOwner);
  virtual ~TSynEditPlugin();
  TSynEditPlugin(const TSynEditPlugin&) = delete;
  TSynEditPlugin& operator=(const TSynEditPlugin&) = delete;

  TCustomSynEdit* Editor() const { return fOwner; }

  virtual void AfterPaint(platform::Canvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine) = 0;
  virtual void LinesInserted(int FirstLine, int Count) = 0;
  virtual void LinesDeleted(int FirstLine, int Count) = 0;

 private:
  friend class TCustomSynEdit;
  TCustomSynEdit* fOwner;
};

}  // namespace kau::editor
