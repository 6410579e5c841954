// Which built-in commands change the text: a read-only editor refuses them,
// and a command outside them that moves the caret ends the undo group.
#pragma once

#include "editor/model/key_cmds.h"

namespace kau::editor {

inline bool ChangesText(TSynEditorCommand Command) {
  return Command == ecCut || Command == ecPaste || Command == ecUndo || Command == ecRedo ||
         (Command >= ecDeleteLastChar && Command <= ecChar) || Command == ecImeStr ||
         (Command >= ecBlockIndent && Command <= ecShiftTab) ||
         (Command >= ecUpperCase && Command <= ecToggleCaseBlock);
}

}  // namespace kau::editor
