// Search and replace over the attached search engine. Matches are found one
// line at a time; each is selected, and replaced in normal selection mode
// whatever the editor's mode. Searching forward, the rest of a line's matches
// and the end of the range follow the inserted text, also over the line
// breaks it holds.
#include <cstdint>
#include <optional>
#include <utility>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/undo_block.h"
#include "editor/model/scope_exit.h"

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

int TCustomSynEdit::SearchReplace(const std::string& ASearch, const std::string& AReplace,
                                  TSynSearchOptions AOptions) {
  if (!fSearchEngine) throw ESynEditError("No search engine has been assigned");
  if (ASearch.empty()) return 0;

  const bool backward = AOptions & ssoBackwards;
  bool prompt = AOptions & ssoPrompt;
  const bool replace = AOptions & ssoReplace;
  bool replaceAll = AOptions & ssoReplaceAll;
  const bool fromCursor = !(AOptions & ssoEntireScope);
  if (!GetSelAvail()) AOptions &= static_cast<TSynSearchOptions>(~ssoSelectedOnly);
  const bool selectedOnly = AOptions & ssoSelectedOnly;
  const TSynSelectionMode mode = selectedOnly ? fSelectionMode : smNormal;

  TPoint start, end;
  if (!selectedOnly) {
    start = {1, 1};
    end = {ClampToInt(std::int64_t{LineLength(LineCount())} + 1), LineCount()};
    if (fromCursor) (backward ? end : start) = CaretXY();
  } else {
    start = GetBlockBegin();
    end = GetBlockEnd();
    if (mode == smLine) {
      start.X = 1;
      end.X = ClampToInt(std::int64_t{LineLength(end.Y)} + 1);
    } else if (mode == smColumn && start.X > end.X) {
      std::swap(start.X, end.X);
    }
  }

  TPoint current = backward ? end : start;
  fSearchEngine->SetOptions(AOptions);
  fSearchEngine->SetPattern(ASearch);
  int count = 0;

  DoOnPaintTransient(ttBefore);
  TScopeExit transientAfter([this] { DoOnPaintTransient(ttAfter); });
  // Left in this order: the paint lock, the undo block, the transient paint.
  std::optional<TUndoBlock> undoBlock;
  std::optional<PaintLockGuard> replaceAllLock;
  const auto openUndoBlock = [this, &undoBlock] {
    if (!undoBlock) undoBlock.emplace(*fUndoList);
  };
  if (replaceAll) {
    replaceAllLock.emplace(*this);
    if (!prompt) openUndoBlock();
  }

  while (current.Y >= start.Y && current.Y <= end.Y) {
    const int n = fSearchEngine->FindAll(LineText(current.Y));
    int offset = 0;
    for (int i = 0; i < n; ++i) {
      const int k = backward ? n - 1 - i : i;
      const int found = ClampToInt(std::int64_t{fSearchEngine->GetResult(k)} + offset);
      const int len = fSearchEngine->GetLength(k);
      const std::int64_t foundEnd = std::int64_t{found} + len;
      // An engine's empty or misplaced match is passed over.
      if (len < 1 || found < 1 || foundEnd > std::int64_t{LineLength(current.Y)} + 1) continue;
      bool inRange = true;
      switch (mode) {
        case smNormal:
          inRange = !((current.Y == start.Y && found < start.X) || (current.Y == end.Y && foundEnd > end.X));
          break;
        case smColumn:
          inRange = (found >= start.X && foundEnd <= end.X) || std::int64_t{end.X} - start.X < 1;
          break;
        case smLine:
          break;
      }
      if (!inRange) continue;

      ++count;
      SetCaretXYEx(false, {1, current.Y});
      EnsureCursorPosVisibleEx(true);
      SetBlockBegin({found, current.Y});
      SetBlockEnd({ClampToInt(foundEnd), current.Y});
      InternalSetCaretXY({backward ? found : ClampToInt(foundEnd), current.Y});
      if (!replace && !replaceAll) return count;

      TSynReplaceAction action = raReplace;
      if (prompt && OnReplaceText) {
        // The one asked sees the match where it is, also under the lock.
        ShowPendingScroll();
        action = DoOnReplaceText(ASearch, AReplace, current.Y, found);
        if (action == raCancel) return count;
      }
      const int matchLine = current.Y;
      if (action == raReplaceAll) {
        if (!replaceAll) {
          replaceAll = true;
          replaceAllLock.emplace(*this);
        }
        prompt = false;
        openUndoBlock();
      }
      if (action != raSkip) {
        {
          // The match is one stretch of a line whatever the selection mode,
          // and it is replaced also where eoNoSelection kept it unselected.
          const TSynSelectionMode kept = fSelectionMode;
          fSelectionMode = smNormal;
          TScopeExit restore([this, kept] { fSelectionMode = kept; });
          fBlockBegin = {found, matchLine};
          fBlockEnd = {ClampToInt(foundEnd), matchLine};
          SetSelTextExternal(fSearchEngine->Replace(GetSelText(), AReplace));
        }
        if (backward) {
          InternalSetCaretXY({found, matchLine});
        } else {
          // The rest of the line's matches follow the inserted text, also on
          // the lines it added; so does the end of the range.
          const int shift = ClampToInt(std::int64_t{fCaretX} - foundEnd);
          offset = ClampToInt(std::int64_t{offset} + shift);
          current.Y = fCaretY;
          if (matchLine == end.Y && mode != smColumn && (shift != 0 || fCaretY != matchLine)) {
            end = {ClampToInt(std::int64_t{end.X} + shift), fCaretY};
            SetBlockEnd(end);
          } else {
            end.Y = ClampToInt(std::int64_t{end.Y} + fCaretY - matchLine);
          }
        }
      } else if (!backward) {
        InternalSetCaretXY({ClampToInt(foundEnd), current.Y});
      }
      if (!replaceAll) return count;
    }
    current.Y += backward ? -1 : 1;
  }
  return count;
}

}  // namespace kau::editor
