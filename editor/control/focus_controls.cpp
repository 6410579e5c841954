// Windows that take the focus in the editor's place, and the pointer's shape
// over the editor.
#include <algorithm>

#include "editor/control/syn_edit.h"

namespace kau::editor {

void TCustomSynEdit::AddFocusControl(platform::WindowHost* aControl) { fFocusList.push_back(aControl); }

void TCustomSynEdit::RemoveFocusControl(platform::WindowHost* aControl) {
  const auto found = std::find(fFocusList.begin(), fFocusList.end(), aControl);
  if (found != fFocusList.end()) fFocusList.erase(found);
}

void TCustomSynEdit::SetFocus() {
  if (!fFocusList.empty()) {
    if (fFocusList.back()) fFocusList.back()->SetFocus();
  } else if (HandleAllocated()) {
    fHost->SetFocus();
  }
}

void TCustomSynEdit::UpdateMouseCursor() {
  // A drag shows its own cursor until it ends.
  if (!HandleAllocated() || fDrag) return;
  const TPixelPoint p = fHost->CursorPos();
  TCursor cursor;
  if (p.X < fGutterWidth) {
    cursor = fGutter->Cursor();
  } else {
    const TPoint position = PhysicalToLogicalPos(PixelsToRowColumn(p));
    const bool overSelection = (fOptions & eoDragDropEditing) && !fHost->HasCapture() && IsPointInSelection(position);
    cursor = overSelection ? crArrow : fCursor;
    if (OnMouseCursor) OnMouseCursor(this, position, cursor);
  }
  fHost->SetCursorShape(cursor);
}

}  // namespace kau::editor
