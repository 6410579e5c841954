// A line store, with its undo and redo lists, shown by editors besides its
// owner. The store keeps one of these while it is shared. The owner's
// handlers stay the first to hear every event; then each viewer hears it
// through the handlers of its own, hidden store and lists, so it reacts as if
// the change had happened in its own text. Viewers come and go in any order:
// each leaves only its own entry, and the owner's handlers are put back when
// the last one goes.
#pragma once

#include <string>
#include <vector>

#include "editor/model/object.h"
#include "editor/model/syn_edit_string_list.h"
#include "editor/model/undo_list.h"

namespace kau::editor {

class TSynSharedTextBuffer {
 public:
  // One editor showing the store. Its own store identifies it.
  struct TViewer {
    TSynEditStringList* OwnLines = nullptr;
    TSynEditUndoList* OwnUndo = nullptr;
    TSynEditUndoList* OwnRedo = nullptr;
    // The store stops being shown to this viewer without its asking (the
    // store goes away, or its owner lets every viewer go); Sender is the store.
    TNotifyEvent Released;
  };

  // From now on V hears the events of Buffer, Undo and Redo. A store is shared
  // with one pair of undo lists, which outlive the sharing (an editor ends it
  // before its lists go); it is never shown to its own owner.
  static void Attach(TSynEditStringList& Buffer, TSynEditUndoList& Undo, TSynEditUndoList& Redo, const TViewer& V);
  // The viewer whose own store is OwnLines hears nothing more from Buffer.
  static void Detach(TSynEditStringList& Buffer, const TSynEditStringList* OwnLines);
  // Every viewer is detached and then told through Released.
  static void ReleaseAll(TSynEditStringList& Buffer);
  static int ViewerCount(const TSynEditStringList& Buffer);

  // The handlers that the owner of a store set on it, also while it is shared.
  struct THandlers {
    TStringListInsertedEvent OnAdded;
    TNotifyEvent OnCleared;
    TStringListIndexEvent OnDeleted;
    TStringListInsertedEvent OnInserted;
    TStringListInsertedEvent OnPutted;
    TNotifyEvent OnChanging;
    TNotifyEvent OnChange;
  };

  TSynSharedTextBuffer(TSynEditStringList& Buffer, TSynEditUndoList& Undo, TSynEditUndoList& Redo);
  TSynSharedTextBuffer(const TSynSharedTextBuffer&) = delete;
  TSynSharedTextBuffer& operator=(const TSynSharedTextBuffer&) = delete;

 private:
  static THandlers OwnerHandlers(const TSynEditStringList& Lines);
  static TNotifyEvent OwnerUndoHandler(const TSynEditStringList& Lines, const TSynEditUndoList& List);
  // The owner's handlers, then each viewer's, in the order they attached.
  std::vector<THandlers> Listeners() const;
  // Calls the handler Event of every listener that has one.
  template <auto Event, typename... Args>
  void Fire(const Args&... args) const {
    for (const THandlers& h : Listeners())
      if (h.*Event) (h.*Event)(args...);
  }
  void InstallDispatch();
  void RestoreOwner();

  void Added(int Index, const std::string& S);
  void Cleared(TObject* Sender);
  void Deleted(int Index);
  void Inserted(int Index, const std::string& S);
  void Putted(int Index, const std::string& S);
  void Changing(TObject* Sender);
  void Change(TObject* Sender);
  void UndoRedoAdded(TObject* Sender);

  TSynEditStringList& fBuffer;
  TSynEditUndoList& fUndo;
  TSynEditUndoList& fRedo;
  THandlers fOwner;
  TNotifyEvent fOwnerUndo;
  TNotifyEvent fOwnerRedo;
  std::vector<TViewer> fViewers;
};

}  // namespace kau::editor
