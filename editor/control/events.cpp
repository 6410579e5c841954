// Event dispatchers, the pending status changes, hooked command handlers and
// plug-ins.
#include <algorithm>

#include "editor/control/syn_edit.h"
#include "platform/draw/font_services.h"

namespace kau::editor {

void TCustomSynEdit::StatusChanged(TSynStatusChanges AChanges) {
  fStatusChanges |= AChanges;
  if (fPaintLock == 0) DoOnStatusChange(fStatusChanges);
}

void TCustomSynEdit::DoOnStatusChange(TSynStatusChanges) {
  if (!OnStatusChange) return;
  // The set is emptied before the handler runs, so that changes the handler
  // itself makes are reported after it instead of being lost.
  const TSynStatusChanges changes = fStatusChanges;
  fStatusChanges = 0;
  OnStatusChange(this, changes);
}

namespace {

// A canvas prepared as the paint events expect it: the editor's font and
// colour. The font lives as long as the preparation.
class PreparedCanvas {
 public:
  PreparedCanvas(platform::Canvas& canvas, const TFont& font, TColor color)
      : font_(platform::Fonts().CreateFont(font.Desc())) {
    canvas.SelectFont(font_.get());
    canvas.SetTextColor(font.Color());
    canvas.SetBkColor(color);
  }

 private:
  std::unique_ptr<platform::PlatformFont> font_;
};

}  // namespace

void TCustomSynEdit::DoOnPaint() {
  if (!OnPaint || !fPaintCanvas) return;
  PreparedCanvas prepared(*fPaintCanvas, *fFont, fColor);
  OnPaint(this, *fPaintCanvas);
}

bool TCustomSynEdit::PaintTransientFires(TTransientType TransientType, bool Lock) {
  if (Lock && TransientType == ttBefore) return fPaintTransientLock++ == 0;
  if (Lock && fPaintTransientLock > 0) --fPaintTransientLock;
  return fPaintTransientLock == 0;
}

void TCustomSynEdit::DoOnPaintTransientEx(TTransientType TransientType, bool Lock) {
  if (!PaintTransientFires(TransientType, Lock) || !OnPaintTransient || !HandleAllocated()) return;
  // Inside a paint the handler draws on the paint's canvas: a second canvas
  // on the same window would compete with it for the surface.
  std::unique_ptr<platform::Canvas> own;
  platform::Canvas* canvas = fPaintCanvas;
  if (!canvas) {
    own = fHost->GetCanvas();
    canvas = own.get();
  }
  PreparedCanvas prepared(*canvas, *fFont, fColor);
  HideCaret();
  struct ShowAgain {
    TCustomSynEdit& edit;
    ~ShowAgain() { edit.ShowCaret(); }
  } showAgain{*this};
  OnPaintTransient(this, *canvas, TransientType);
}

void TCustomSynEdit::DoOnPaintTransient(TTransientType TransientType) { DoOnPaintTransientEx(TransientType, false); }

bool TCustomSynEdit::DoOnSpecialLineColors(int Line, TColor& Foreground, TColor& Background) {
  bool special = false;
  if (OnSpecialLineColors) OnSpecialLineColors(this, Line, special, Foreground, Background);
  return special;
}

void TCustomSynEdit::DoOnClearBookmark(TSynEditMark*& Mark) {
  if (OnClearBookmark) OnClearBookmark(this, Mark);
}

void TCustomSynEdit::DoOnPlaceMark(TSynEditMark*& Mark) {
  if (OnPlaceBookmark) OnPlaceBookmark(this, Mark);
}

void TCustomSynEdit::RegisterCommandHandler(const THookedCommandEvent& AHandlerProc, void* AHandlerData) {
  if (!AHandlerProc) return;
  if (!fHookedCommandHandlers) fHookedCommandHandlers = std::make_unique<std::vector<THookedCommandHandlerEntry>>();
  if (FindHookedCmdEvent(AHandlerProc) >= 0) return;
  fHookedCommandHandlers->push_back({AHandlerProc, AHandlerData});
}

void TCustomSynEdit::UnregisterCommandHandler(const THookedCommandEvent& AHandlerProc) {
  if (!AHandlerProc) return;
  const int i = FindHookedCmdEvent(AHandlerProc);
  if (i >= 0) fHookedCommandHandlers->erase(fHookedCommandHandlers->begin() + i);
}

int TCustomSynEdit::FindHookedCmdEvent(const THookedCommandEvent& AHandlerProc) const {
  if (!fHookedCommandHandlers) return -1;
  for (int i = static_cast<int>(fHookedCommandHandlers->size()) - 1; i >= 0; --i)
    if ((*fHookedCommandHandlers)[static_cast<std::size_t>(i)].Event == AHandlerProc) return i;
  return -1;
}

int TCustomSynEdit::GetHookedCommandHandlersCount() const {
  return fHookedCommandHandlers ? static_cast<int>(fHookedCommandHandlers->size()) : 0;
}

void TCustomSynEdit::NotifyHookedCommandHandlers(bool AfterProcessing, TSynEditorCommand& Command, char& AChar,
                                                 void* Data) {
  if (!fHookedCommandHandlers) return;
  bool handled = false;
  // A handler may unregister itself or another one while the list is walked:
  // the walk goes over a copy and skips a handler that is gone meanwhile.
  const std::vector<THookedCommandHandlerEntry> entries = *fHookedCommandHandlers;
  for (const THookedCommandHandlerEntry& entry : entries)
    if (FindHookedCmdEvent(entry.Event) >= 0)
      entry.Event(this, AfterProcessing, handled, Command, AChar, Data, entry.Data);
  if (handled) Command = ecNone;
}

void TCustomSynEdit::PluginsAfterPaint(platform::Canvas& ACanvas, const TRect& AClip, int FirstLine, int LastLine) {
  // A plug-in may free itself or another one meanwhile: the walk goes over a
  // copy and skips a plug-in that is gone.
  const std::vector<TSynEditPlugin*> plugins = fPlugins;
  for (TSynEditPlugin* plugin : plugins)
    if (std::find(fPlugins.begin(), fPlugins.end(), plugin) != fPlugins.end())
      plugin->AfterPaint(ACanvas, AClip, FirstLine, LastLine);
}

// A new change (not a replayed one) makes what the redo list holds
// unreachable.
void TCustomSynEdit::UndoRedoAdded(TObject* Sender) {
  UpdateModifiedStatus();
  TSynEditUndoList* const list = dynamic_cast<TSynEditUndoList*>(Sender);
  if (list == fUndoList && !(fStateFlags & sfInsideRedo)) {
    const TSynEditUndoItem* const last = fUndoList->PeekItem();
    if (last && last->ChangeReason != crGroupBreak) fRedoList->Clear();
  }
  if (list && list->BlockCount() == 0 && OnChange) OnChange(this);
}

TSynEditPlugin::TSynEditPlugin(TCustomSynEdit* AOwner) : fOwner(AOwner) {
  if (fOwner) fOwner->fPlugins.push_back(this);
}

TSynEditPlugin::~TSynEditPlugin() {
  if (!fOwner) return;
  auto& list = fOwner->fPlugins;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

}  // namespace kau::editor
