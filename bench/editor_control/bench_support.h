// What the control's benchmarks share: a Pascal text of any length (a
// typical mix of keywords, identifiers, numbers, strings and comments, one
// of them over two lines), a window of 120 × 50 cells, and timing.
#pragma once

#include <string>

#include "bench/best_time.h"
#include "editor/control/syn_edit.h"
#include "editor/highlight/pascal_highlighter.h"
#include "platform/fake/fake_window.h"

namespace kau::bench {

inline void FillPascal(editor::TSynEdit& edit, int lineCount) {
  static const char* const lines[] = {
      "program Folha; {$R+}",
      "var total, i: integer; media: real; nome: string;",
      "procedure Mostra(const s: string; n: integer);",
      "begin",
      "  for i := 1 to 10 do",
      "    total := total + i * $1F - 3;",
      "  media := total / 2.5E+1;   // media das notas da turma inteira",
      "  writeln('Total: ', total, ' it''s ', #13#10);",
      "  (* comentario que continua",
      "     na linha seguinte *) if total >= 100 then",
      "    nome := 'grande' else nome := 'pequeno';",
      "  { outro comentario } while (i > 0) and not (total < 0) do i := i - 1;",
      "end;",
      "",
  };
  edit.Lines().BeginUpdate();
  for (int i = 0; i < lineCount; ++i) edit.Lines().Add(lines[i % std::size(lines)]);
  edit.Lines().EndUpdate();
}

// An editor showing highlighted Pascal in a window, detached at the end.
template <typename Window>
class PascalView {
 public:
  PascalView(Window& window, int lineCount) : fWindow(window) {
    window.SetClient(&edit);
    edit.CreateWnd(window);
    FillPascal(edit, lineCount);
    edit.SetHighlighter(&pascal);
  }
  ~PascalView() {
    edit.SetHighlighter(nullptr);
    edit.DestroyWnd();
    fWindow.SetClient(nullptr);
  }
  PascalView(const PascalView&) = delete;
  PascalView& operator=(const PascalView&) = delete;

  editor::TSynPasSyn pascal;
  editor::TSynEdit edit;

 private:
  Window& fWindow;
};

// Sizes a fake window to 120 columns and 50 rows of the control's cells.
inline void Hold120By50(editor::TSynEdit& edit, platform::FakeWindow& window) {
  window.SetClientRect({0, 0, edit.GutterWidth() + 2 + 120 * edit.CharWidth(), 50 * edit.LineHeight()});
}

}  // namespace kau::bench
