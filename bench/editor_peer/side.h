// One editor of the comparison, shown in a 1000 x 700 offscreen window: what
// the steps ask of it beyond the keys sent to its widget.
#pragma once

#include <QWidget>
#include <string>

namespace kau::bench {

class Side {
 public:
  virtual ~Side() = default;
  virtual const char* Name() const = 0;
  // The widget that takes the key events.
  virtual QWidget& Widget() = 0;
  // Replaces the text (CR, LF or CR LF end its lines); no undo.
  virtual void Load(const std::string& text) = 0;
  // The caret to the start of `line` (1-based), scrolled into view; no
  // selection.
  virtual void GoToLine(int line) = 0;
  virtual int LineCount() const = 0;
  // Find next from the caret, forward, case-sensitive, until nothing more
  // is found; the number of matches.
  virtual int FindAll(const std::string& pattern) = 0;
  // Every match of the whole text replaced in one undo step, the editor's
  // fastest way; the number of replacements.
  virtual int ReplaceAll(const std::string& pattern, const std::string& replacement) = 0;
  // For putting the text back between steps, untimed.
  virtual bool CanUndo() const = 0;
  virtual void Undo() = 0;
};

}  // namespace kau::bench
