#include "editor/model/shared_text_buffer.h"

#include <algorithm>
#include <cassert>
#include <memory>

namespace kau::editor {

TSynSharedTextBuffer::TSynSharedTextBuffer(TSynEditStringList& Buffer, TSynEditUndoList& Undo,
                                           TSynEditUndoList& Redo)
    : fBuffer(Buffer), fUndo(Undo), fRedo(Redo) {
  InstallDispatch();
}

void TSynSharedTextBuffer::Attach(TSynEditStringList& Buffer, TSynEditUndoList& Undo, TSynEditUndoList& Redo,
                                  const TViewer& V) {
  assert(V.OwnLines && V.OwnLines != &Buffer && "a store is never shown to its own owner");
  if (!Buffer.fSharing) Buffer.fSharing = std::make_unique<TSynSharedTextBuffer>(Buffer, Undo, Redo);
  TSynSharedTextBuffer& sharing = *Buffer.fSharing;
  assert(&sharing.fUndo == &Undo && &sharing.fRedo == &Redo && "a store is shared with one pair of undo lists");
  auto& viewers = sharing.fViewers;
  const auto same = [&](const TViewer& v) { return v.OwnLines == V.OwnLines; };
  viewers.erase(std::remove_if(viewers.begin(), viewers.end(), same), viewers.end());
  viewers.push_back(V);
}

void TSynSharedTextBuffer::Detach(TSynEditStringList& Buffer, const TSynEditStringList* OwnLines) {
  TSynSharedTextBuffer* sharing = Buffer.fSharing.get();
  if (!sharing) return;
  auto& viewers = sharing->fViewers;
  const auto same = [&](const TViewer& v) { return v.OwnLines == OwnLines; };
  viewers.erase(std::remove_if(viewers.begin(), viewers.end(), same), viewers.end());
  if (!viewers.empty()) return;
  sharing->RestoreOwner();
  Buffer.fSharing.reset();
}

void TSynSharedTextBuffer::ReleaseAll(TSynEditStringList& Buffer) {
  TSynSharedTextBuffer* sharing = Buffer.fSharing.get();
  if (!sharing) return;
  const std::vector<TViewer> viewers = std::move(sharing->fViewers);
  sharing->RestoreOwner();
  Buffer.fSharing.reset();
  for (const TViewer& v : viewers)
    if (v.Released) v.Released(&Buffer);
}

int TSynSharedTextBuffer::ViewerCount(const TSynEditStringList& Buffer) {
  return Buffer.fSharing ? static_cast<int>(Buffer.fSharing->fViewers.size()) : 0;
}

TSynSharedTextBuffer::THandlers TSynSharedTextBuffer::OwnerHandlers(const TSynEditStringList& Lines) {
  if (Lines.fSharing) return Lines.fSharing->fOwner;
  return {Lines.OnAdded,  Lines.OnCleared,  Lines.OnDeleted, Lines.OnInserted,
          Lines.OnPutted, Lines.OnChanging, Lines.OnChange};
}

TNotifyEvent TSynSharedTextBuffer::OwnerUndoHandler(const TSynEditStringList& Lines, const TSynEditUndoList& List) {
  if (const TSynSharedTextBuffer* sharing = Lines.fSharing.get()) {
    if (&List == &sharing->fUndo) return sharing->fOwnerUndo;
    if (&List == &sharing->fRedo) return sharing->fOwnerRedo;
  }
  return List.OnAddedUndo;
}

// A copy, so that a handler may attach or detach viewers, or end the sharing,
// while the others are still to hear the event.
std::vector<TSynSharedTextBuffer::THandlers> TSynSharedTextBuffer::Listeners() const {
  std::vector<THandlers> all;
  all.reserve(fViewers.size() + 1);
  all.push_back(fOwner);
  for (const TViewer& v : fViewers) all.push_back(OwnerHandlers(*v.OwnLines));
  return all;
}

void TSynSharedTextBuffer::InstallDispatch() {
  fOwner = OwnerHandlers(fBuffer);
  fBuffer.OnAdded = makeMethod<&TSynSharedTextBuffer::Added>(this);
  fBuffer.OnCleared = makeMethod<&TSynSharedTextBuffer::Cleared>(this);
  fBuffer.OnDeleted = makeMethod<&TSynSharedTextBuffer::Deleted>(this);
  fBuffer.OnInserted = makeMethod<&TSynSharedTextBuffer::Inserted>(this);
  fBuffer.OnPutted = makeMethod<&TSynSharedTextBuffer::Putted>(this);
  fBuffer.OnChanging = makeMethod<&TSynSharedTextBuffer::Changing>(this);
  fBuffer.OnChange = makeMethod<&TSynSharedTextBuffer::Change>(this);
  fOwnerUndo = fUndo.OnAddedUndo;
  fOwnerRedo = fRedo.OnAddedUndo;
  fUndo.OnAddedUndo = makeMethod<&TSynSharedTextBuffer::UndoRedoAdded>(this);
  fRedo.OnAddedUndo = fUndo.OnAddedUndo;
}

void TSynSharedTextBuffer::RestoreOwner() {
  fBuffer.OnAdded = fOwner.OnAdded;
  fBuffer.OnCleared = fOwner.OnCleared;
  fBuffer.OnDeleted = fOwner.OnDeleted;
  fBuffer.OnInserted = fOwner.OnInserted;
  fBuffer.OnPutted = fOwner.OnPutted;
  fBuffer.OnChanging = fOwner.OnChanging;
  fBuffer.OnChange = fOwner.OnChange;
  fUndo.OnAddedUndo = fOwnerUndo;
  fRedo.OnAddedUndo = fOwnerRedo;
}

void TSynSharedTextBuffer::Added(int Index, const std::string& S) { Fire<&THandlers::OnAdded>(Index, S); }
void TSynSharedTextBuffer::Cleared(TObject* Sender) { Fire<&THandlers::OnCleared>(Sender); }
void TSynSharedTextBuffer::Deleted(int Index) { Fire<&THandlers::OnDeleted>(Index); }
void TSynSharedTextBuffer::Inserted(int Index, const std::string& S) { Fire<&THandlers::OnInserted>(Index, S); }
void TSynSharedTextBuffer::Putted(int Index, const std::string& S) { Fire<&THandlers::OnPutted>(Index, S); }
void TSynSharedTextBuffer::Changing(TObject* Sender) { Fire<&THandlers::OnChanging>(Sender); }
void TSynSharedTextBuffer::Change(TObject* Sender) { Fire<&THandlers::OnChange>(Sender); }

// The undo list's event goes to each viewer's own undo list's handler, the
// redo list's to its own redo list's.
void TSynSharedTextBuffer::UndoRedoAdded(TObject* Sender) {
  const bool undo = Sender == &fUndo;
  std::vector<TNotifyEvent> handlers;
  handlers.reserve(fViewers.size() + 1);
  handlers.push_back(undo ? fOwnerUndo : fOwnerRedo);
  for (const TViewer& v : fViewers) handlers.push_back(OwnerUndoHandler(*v.OwnLines, undo ? *v.OwnUndo : *v.OwnRedo));
  for (const TNotifyEvent& h : handlers)
    if (h) h(Sender);
}

}  // namespace kau::editor
