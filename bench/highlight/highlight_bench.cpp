// Scans a 100,000-line Pascal text line by line the way the editor does.
//   highlight_bench [LINES] [ROUNDS]

#include "bench/highlight/scan_timing.h"
#include "editor/highlight/pascal_highlighter.h"

int main(int argc, char** argv) {
  static const char* const lines[] = {
      "program Folha; {$R+}",
      "var total, i: integer; media: real; nome: string;",
      "procedure Mostra(const s: string; n: integer);",
      "begin",
      "  for i := 1 to 10 do",
      "    total := total + i * $1F - 3;",
      "  media := total / 2.5E+1;   // media",
      "  writeln('Total: ', total, ' it''s ', #13#10);",
      "  (* comentario que continua",
      "     na linha seguinte *) if total >= 100 then",
      "    nome := 'grande' else nome := 'pequeno';",
      "  { outro comentario",
      "    longo }",
      "  asm mov eax, 1 end;",
      "end;",
      "",
  };
  kau::editor::TSynPasSyn h;
  return kau::bench::scanBenchMain(argc, argv, h, lines);
}
