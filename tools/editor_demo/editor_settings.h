// The settings an editor window gives its editor control: Courier New,
// a gutter with line numbers, the editing options, tabs as input, the
// structure pairs and bracket marks, and the classic colour style on its
// Pascal highlighter.
#pragma once

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/syn_edit_kau.h"

namespace kau::editor {

void ApplyEditorWindowSettings(TSynEditKAU& Edit);
// The classic style: dark blue background and Highlighter's colours; Edit
// takes Highlighter.
void ApplyClassicStyle(TSynEditKAU& Edit, TSynPasSyn& Highlighter);

}  // namespace kau::editor
