// TSynEditUndoList: a stack of recorded edits of one editor control (the
// control keeps one for undo and one for redo). Items of one user action share
// a change number so that they are undone together; the list bounds its
// length, can be locked against recording, marks group breaks and remembers
// the change number that was on top when the text was last saved.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "editor/model/edit_types.h"
#include "editor/model/object.h"

namespace kau::editor {

enum TSynChangeReason : std::uint8_t {
  crInsert,
  crPaste,
  crDragDropInsert,
  crDeleteAfterCursor,
  crDelete,
  crLineBreak,
  crIndent,
  crUnindent,
  crSilentDelete,
  crSilentDeleteAfterCursor,
  crAutoCompleteBegin,
  crAutoCompleteEnd,
  crPasteBegin,
  crPasteEnd,
  crSpecial1Begin,
  crSpecial1End,
  crSpecial2Begin,
  crSpecial2End,
  crCaret,
  crSelection,
  crNothing,
  crGroupBreak,
  crDeleteAll,
  crWrap,
  crUnWrap,
  crWhiteSpaceAdd,
};

class TSynEditUndoItem : public TObject {
 public:
  void Assign(const TSynEditUndoItem& Source);

  TSynChangeReason ChangeReason = crNothing;
  TSynSelectionMode ChangeSelMode = smNormal;
  TPoint ChangeStartPos;
  TPoint ChangeEndPos;
  std::string ChangeStr;
  std::int32_t ChangeNumber = 0;
  // On a mirror of an insertion: the text the insertion replaced, which its
  // replay must remove again (typing over characters).
  std::string ChangeReplacedStr;
};

class TSynEditUndoList : public TObject {
 public:
  TSynEditUndoList();
  ~TSynEditUndoList() override;

  void Assign(const TSynEditUndoList& Source);

  // The text is taken over, not copied, when the caller hands it on.
  void AddChange(TSynChangeReason AReason, const TPoint& AStart, const TPoint& AEnd, std::string ChangeText,
                 TSynSelectionMode SelMode);
  void BeginBlock();
  void EndBlock();
  void AddGroupBreak();
  void PushItem(std::unique_ptr<TSynEditUndoItem> Item);
  std::unique_ptr<TSynEditUndoItem> PopItem();
  TSynEditUndoItem* PeekItem() const;
  void Clear();
  void Lock();
  void Unlock();
  TSynChangeReason LastChangeReason() const;
  bool GetCanUndo() const { return !fItems.empty(); }
  int GetItemCount() const { return static_cast<int>(fItems.size()); }
  // Index 0 is the oldest item; an index outside the list raises
  // std::out_of_range. SetItems does not check the new item and hands the
  // old one back to the caller.
  TSynEditUndoItem* GetItems(int Index) const;
  std::unique_ptr<TSynEditUndoItem> SetItems(int Index, std::unique_ptr<TSynEditUndoItem> Item);
  bool GetInitialState() const;
  void SetInitialState(bool Value);
  void EnsureMaxEntries();

  int MaxUndoActions() const { return fMaxUndoActions; }
  void SetMaxUndoActions(int Value);
  bool FullUndoImpossible() const { return fFullUndoImpossible; }
  int BlockCount() const { return fBlockCount; }
  int LockCount() const { return fLockCount; }
  std::int32_t NextChangeNumber() const { return fNextChangeNumber; }
  void SetNextChangeNumber(std::int32_t Value) { fNextChangeNumber = Value == 0 ? 1 : Value; }
  std::int32_t InitialChangeNumber() const { return fInitialChangeNumber; }

  // While not 0, every recorded item takes this number and the next number
  // does not move; the owner may set it directly.
  std::int32_t BlockChangeNumber = 0;

  TNotifyEvent OnAddedUndo;

 private:
  void AdvanceChangeNumber();
  void CheckItemIndex(int Index) const;

  int fBlockCount = 0;
  bool fFullUndoImpossible = false;
  std::vector<std::unique_ptr<TSynEditUndoItem>> fItems;
  int fLockCount = 0;
  int fMaxUndoActions = 1024;
  std::int32_t fNextChangeNumber = 1;
  std::int32_t fInitialChangeNumber = 0;
  // The change number of the last group the limit dropped: its younger items
  // are dropped too, so that what stays always undoes to a real text.
  std::int32_t fDroppedChangeNumber = 0;
};

}  // namespace kau::editor
