// Find and replace over an editor control, as the find and replace dialogs
// run them. Texts are code page 1252 like the editor's; offsets are those of
// SelStart (a line break counts as two characters). The search always runs
// forward from the end of the selection and never wraps around.
#pragma once

#include <string_view>

#include "editor/control/syn_edit.h"

namespace kau::ide {

// Selects the first occurrence of `pattern` at or after SelEnd. Without
// `matchCase` both sides are upper-cased through the code page 1252 table.
// An empty pattern finds nothing; when nothing is found the selection stays.
bool FindNext(editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase);

// Whether the selection is an occurrence of `pattern` under FindNext's rule.
bool SelectionMatches(const editor::TCustomSynEdit& editor, std::string_view pattern, bool matchCase);

// Replace (`all` false) replaces the selection when it is an occurrence,
// else the next occurrence found. Replace all goes on with each following
// occurrence; the search resumes after the inserted text, so it never looks
// inside it, and it stops at an occurrence that selects nothing (half a line
// break at a line's end), so it always ends. Each replacement is one undo
// step. Returns the number of replacements.
int Replace(editor::TCustomSynEdit& editor, std::string_view pattern, std::string_view replacement, bool matchCase,
            bool all);

// The selection colour while a find or replace dialog is shown, and after.
inline constexpr TColor kSearchSelectionColor = 0x46A3FF;
inline constexpr TColor kNormalSelectionColor = 0xFFBFBF;
void ApplySearchSelectionColor(editor::TCustomSynEdit& editor, bool dialogShown);

}  // namespace kau::ide
