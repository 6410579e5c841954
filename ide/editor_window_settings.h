// What an editor window gives its control, without the window: the form's
// settings (fonts, gutter, options, structure pairs, bracket marks, context
// help on Ctrl+F1) and the two colour styles. Qt-free, so that other
// programs showing the control as the windows do can share it.
#pragma once

#include "editor/highlight/pascal_highlighter.h"
#include "editor/structure/syn_edit_kau.h"

namespace kau::ide {

enum EditorStyle : int { kStyleClassic = 1, kStyleModern = 2 };

void ApplyEditorWindowSettings(editor::TSynEditKAU& edit);
// The style's colours on its highlighter; no keyword is bold.
void ColourHighlighter(editor::TSynPasSyn& highlighter, int style);
// The style's background, structure-line colour (rebuilt and repainted) and
// bracket colour (stored only), with `highlighter` in its colours.
void ApplyStyleToControl(editor::TSynEditKAU& edit, editor::TSynPasSyn& highlighter, int style);

}  // namespace kau::ide
