// QScintilla, the peer: its Pascal lexer, folding in a fold margin, brace
// matching and line numbers, a fixed-pitch font.
#pragma once

#include <Qsci/qscilexerpascal.h>
#include <Qsci/qsciscintilla.h>

#include "bench/editor_peer/side.h"

namespace kau::bench {

class PeerSide : public Side {
 public:
  PeerSide();
  const char* Name() const override { return "qsci"; }
  QWidget& Widget() override { return editor_; }
  void Load(const std::string& text) override;
  void GoToLine(int line) override;
  int LineCount() const override;
  // findFirst and findNext.
  int FindAll(const std::string& pattern) override;
  // Its fastest loop: search and replace in the target, with the
  // modification events masked (its own replace loop reports every change
  // to the accessibility layer).
  int ReplaceAll(const std::string& pattern, const std::string& replacement) override;
  bool CanUndo() const override;
  void Undo() override;

 private:
  QsciLexerPascal lexer_;
  QsciScintilla editor_;
};

}  // namespace kau::bench
