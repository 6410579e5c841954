// The clipboard: a copy puts the text there twice, as plain text and as the
// control's own block entry (the selection mode byte, the text, a 0), so
// that a column or line block pastes back in its mode; a paste prefers the
// block entry and is undone and redone as one group between crPasteBegin
// and crPasteEnd.
#include <cstdint>

#include "editor/control/clamp.h"
#include "editor/control/syn_edit.h"
#include "editor/control/undo_block.h"
#include "platform/window/system_services.h"

namespace kau::editor {

const platform::TClipboardFormat SynEditClipboardFormat = platform::RegisterClipboardFormat("KAU Editor Block Type");

namespace {

constexpr const char* kCopyFailed = "Clipboard copy operation failed";
constexpr const char* kPasteFailed = "Clipboard paste operation failed.";

std::string UpToNul(std::string_view bytes) { return std::string(bytes.substr(0, bytes.find('\0'))); }

// What a paste inserts and in which mode; nothing when the clipboard offers
// neither entry. A block entry that is empty or names no mode is passed
// over for the text entry.
struct PasteSource {
  bool found = false;
  TSynSelectionMode mode = smNormal;
  std::string text;
};

PasteSource ReadPasteSource(TSynSelectionMode currentMode) {
  platform::Clipboard& clip = platform::System().TheClipboard();
  const bool hasBlock = clip.HasFormat(SynEditClipboardFormat);
  const bool hasText = clip.HasFormat(platform::CF_TEXT);
  PasteSource source;
  if (!hasBlock && !hasText) return source;
  if (!clip.Open()) throw ESynEditError(kPasteFailed);
  std::string bytes;
  bool failed = false;
  if (hasBlock) {
    if (!clip.GetData(SynEditClipboardFormat, bytes)) failed = true;
    else if (!bytes.empty() && static_cast<unsigned char>(bytes[0]) <= smColumn)
      source = {true, static_cast<TSynSelectionMode>(bytes[0]), UpToNul(std::string_view(bytes).substr(1))};
  }
  if (!failed && !source.found && hasText && clip.GetData(platform::CF_TEXT, bytes))
    source = {true, currentMode, UpToNul(bytes)};
  clip.Close();
  if (failed) throw ESynEditError(kPasteFailed);
  return source;
}

}  // namespace

void TCustomSynEdit::DoCopyToClipboard(const std::string& Text) {
  if (Text.empty()) return;
  platform::Clipboard& clip = platform::System().TheClipboard();
  if (!clip.Open()) throw ESynEditError(kCopyFailed);
  bool failed = !clip.Empty() || !clip.SetData(platform::CF_TEXT, Text);
  if (!failed) {
    std::string entry(1, static_cast<char>(fSelectionMode));
    entry += Text;
    entry += '\0';
    failed = !clip.SetData(SynEditClipboardFormat, entry);
  }
  clip.Close();
  if (failed) throw ESynEditError(kCopyFailed);
}

// A column block is copied with its rows filled to equal width, also with
// eoTrimTrailingSpaces.
void TCustomSynEdit::CopyToClipboard() {
  if (GetSelAvail()) DoCopyToClipboard(SelectedText(true));
}

void TCustomSynEdit::CutToClipboard() {
  if (ReadOnly() || !GetSelAvail()) return;
  DoCopyToClipboard(SelectedText(true));
  TUndoBlock block(*fUndoList);
  // crDelete whichever way the selection was made: its undo leaves the caret
  // at the moving end, where it stood before the cut.
  DeleteSelectionUndoable(crDelete);
}

void TCustomSynEdit::PasteFromClipboard() {
  if (ReadOnly()) return;
  const PasteSource source = ReadPasteSource(fSelectionMode);
  if (!source.found) return;
  DoOnPaintTransient(ttBefore);
  TUndoBlock block(*fUndoList);
  const bool wrapped = fWordWrap;
  try {
    PasteText(source.mode, source.text);
  } catch (...) {
    EndPaste(wrapped);
    throw;
  }
  EndPaste(wrapped);
}

void TCustomSynEdit::PasteText(TSynSelectionMode Mode, const std::string& Text) {
  fUndoList->AddChange(crPasteBegin, GetBlockBegin(), GetBlockEnd(), std::string(), smNormal);
  if (GetSelAvail())
    fUndoList->AddChange(crDelete, UndoPoint(fBlockBegin), UndoPoint(fBlockEnd), SelectedText(false), fSelectionMode);
  if (fWordWrap) {
    fUndoList->AddChange(crUnWrap, CaretXY(), CaretXY(), std::string(), smNormal);
    fWordWrap = false;
  }
  const TPoint end = GetBlockEnd();
  fBlockBegin = GetBlockBegin();
  fBlockEnd = end;
  SetSelTextPrimitive(Mode, Text);
  // A column insertion records its own items.
  if (Mode == smColumn) return;
  if (Mode == smLine && fLastInsertEnd.X == 1 && fLastInsertEnd.Y > fLastInsertStart.Y) {
    // Whole lines: the item's end column lies past any line, whatever the
    // window's width.
    fUndoList->AddChange(crPaste, {1, fLastInsertStart.Y},
                         {ClampToInt(std::int64_t{fMaxLineWidth} + 1), fLastInsertEnd.Y - 1}, std::string(), smLine);
  } else {
    fUndoList->AddChange(crPaste, fLastInsertStart, fLastInsertEnd, std::string(), smNormal);
  }
}

void TCustomSynEdit::EndPaste(bool Wrapped) {
  if (Wrapped) {
    fWordWrap = true;
    fUndoList->AddChange(crWrap, CaretXY(), CaretXY(), std::string(), smNormal);
  }
  fUndoList->AddChange(crPasteEnd, GetBlockBegin(), GetBlockEnd(), std::string(), smNormal);
}

bool TCustomSynEdit::GetCanPaste() const {
  if (ReadOnly()) return false;
  platform::Clipboard& clip = platform::System().TheClipboard();
  return clip.HasFormat(platform::CF_TEXT) || clip.HasFormat(SynEditClipboardFormat);
}

}  // namespace kau::editor
