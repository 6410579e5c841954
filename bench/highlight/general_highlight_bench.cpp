// Scans a 100,000-line C-like text with the general highlighter (every
// comment style, preprocessor lines, 32 keywords) line by line the way the
// editor does.
//   general_highlight_bench [LINES] [ROUNDS]

#include "bench/highlight/scan_timing.h"
#include "editor/highlight/general_highlighter.h"

int main(int argc, char** argv) {
  static const char* const lines[] = {
      "#include <stdio.h>",
      "/* totals of the sheet,",
      "   over several lines */",
      "static int total(const int *values, int count) {",
      "    int sum = 0; // running sum",
      "    for (int i = 0; i < count; ++i) sum += values[i] * 0x1F - 3;",
      "    if (sum >= 100) return sum; else return -1; { block }",
      "    printf('Total: %d it''s\\n', sum); (* old style *)",
      "    double mean = sum / 2.5e1; ; assembler remark",
      "    while (count-- > 0) { values++; } $FF 1..10",
      "}",
      "",
  };
  kau::editor::TSynGeneralSyn h;
  h.SetComments(kau::editor::TSynGeneralSyn::csAnsiStyle | kau::editor::TSynGeneralSyn::csCStyle |
                kau::editor::TSynGeneralSyn::csCPPStyle | kau::editor::TSynGeneralSyn::csAsmStyle);
  h.SetDetectPreprocessor(true);
  h.SetKeyWords({"auto", "break", "case", "char", "const", "continue", "default", "do", "double", "else", "enum",
                 "extern", "float", "for", "goto", "if", "int", "long", "register", "return", "short", "signed",
                 "sizeof", "static", "struct", "switch", "typedef", "union", "unsigned", "void", "volatile",
                 "while"});
  return kau::bench::scanBenchMain(argc, argv, h, lines);
}
