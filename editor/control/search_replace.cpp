// Search and replace over the attached search engine.
#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::SetSearchEngine(TSynEditSearchCustom* Value) {
  if (Value == fSearchEngine) return;
  if (fSearchEngine) fSearchEngine->RemoveFreeNotification(this);
  fSearchEngine = Value;
  if (fSearchEngine) fSearchEngine->FreeNotification(this);
}

TSynReplaceAction TCustomSynEdit::DoOnReplaceText(const std::string& ASearch, const std::string& AReplace, int Line,
                                                  int Column) {
  TSynReplaceAction action = raCancel;
  if (OnReplaceText) OnReplaceText(this, ASearch, AReplace, Line, Column, action);
  return action;
}

}  // namespace kau::editor
