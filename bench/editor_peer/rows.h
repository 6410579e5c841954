// The measured steps, in the order a run takes them, and how the two
// processes of a run talk: the measuring child writes one line per event
// to standard output,
//   begin SIDE ROW REP        a step (with its untimed set-up) starts
//   time SIDE ROW REP MS      its time, from the key or call to the end of
//                             the repaint (per-key steps: their median)
//   count SIDE ROW N          matches found or replaced
//   memory SIDE BYTES         resident bytes per line after the first load
//   nopaint SIDE ROW          the step ended without a repaint (a fault)
//   done
#pragma once

namespace kau::bench {

enum Row : int {
  kLoad,           // load + first paint
  kPageDown,       // page down (median of 20)
  kKeystroke,      // a character typed in the middle of the text (median of 30)
  kBrace,          // "{" typed at line 1: comments out the rest
  kFind,           // find all: Find next until none
  kFindDialog,     // the same through the find dialog's code (ours only)
  kReplace,        // replace all, the editor's own fastest way
  kDelete,         // Delete of the whole text selected
  kUndoDelete,     // Undo of that
  kReplaceDialog,  // replace all through the replace dialog's code (ours only;
                   // last, as its replacements are undone one by one)
  kRowCount
};

inline constexpr const char* kRowIds[kRowCount] = {"load",    "pagedown", "keystroke", "brace",      "find",
                                                   "finddlg", "replace",  "delete",    "undodelete", "replacedlg"};

// Ours only: the peer's figure is that of the row it is compared with.
inline Row ComparedWith(Row row) {
  return row == kFindDialog ? kFind : row == kReplaceDialog ? kReplace : row;
}
inline bool OursOnly(Row row) { return ComparedWith(row) != row; }

}  // namespace kau::bench
