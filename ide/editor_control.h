// The editor windows' control: the structure control, with its block lines
// and bracket marks.
#pragma once

#include "editor/structure/syn_edit_kau.h"

namespace kau::ide {

using RichEditControl = editor::TSynEditKAU;

}  // namespace kau::ide
