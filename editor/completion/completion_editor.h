// What the completion list needs of the editor it serves: the editor's
// commands, its caret line, the width of a text in its font, the
// always-show-caret setting, and its window, whose key target the list
// becomes while it is open. The editor control implements it.
#pragma once

#include <string>
#include <string_view>

#include "editor/model/key_cmds.h"
#include "platform/window/window_host.h"

namespace kau::editor {

class TCompletionEditor {
 public:
  virtual ~TCompletionEditor() = default;

  // Runs a command as the key that it stands for would (character and data
  // as the command processor takes them).
  virtual void CommandProcessor(TSynEditorCommand Command, char AChar, void* Data) = 0;
  // The text of the caret's line (code page 1252) and the caret's 1-based
  // character column, which may lie past the line's end.
  virtual std::string LineText() const = 0;
  virtual int CaretX() const = 0;
  // The width of a text (code page 1252) in the editor's font.
  virtual int TextWidth(std::string_view Text) const = 0;
  virtual bool AlwaysShowCaret() const = 0;
  virtual void SetAlwaysShowCaret(bool Value) = 0;
  virtual platform::WindowHost& Host() = 0;
};

}  // namespace kau::editor
