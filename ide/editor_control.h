// The editor windows' control and the structure features the windows switch.
//
// KAU CONTROL SEAM: the windows' control is the structure control
// `TSynEditKAU` (block-structure lines for BEGIN/END-like pairs and bracket
// marks). Until it joins the program the windows use the plain control, and
// the structure settings below are kept here without an effect on the text.
#pragma once

#include <string>
#include <vector>

#include "editor/control/syn_edit.h"

namespace kau::ide {

using RichEditControl = editor::TSynEdit;

// The structure control's settings as the editor windows give them.
struct StructureSettings {
  std::vector<std::string> tokens;
  TColor lineColor = 0;
  TColor bracketColor = 0;
  bool linesShown = true;
  bool bracketsShown = true;
};

}  // namespace kau::ide
