#include "bench/editor_peer/pascal_text.h"

namespace kau::bench {

namespace {

// 40 lines; "#" stands for the unit's number.
constexpr const char* kUnit =
    "procedure Rotina#(var contador: integer; limite: integer);\n"
    "var\n"
    "  i, j: integer;\n"
    "  nome: string;\n"
    "\n"
    "  procedure Interna#(k: integer);\n"
    "  begin\n"
    "    if k > 0 then\n"
    "      total := total + k   { soma parcial }\n"
    "    else\n"
    "      writeln('negativo: ', k);\n"
    "  end;\n"
    "\n"
    "begin\n"
    "  nome := 'rotina #';  // o nome aparece no fim\n"
    "  (* lacos aninhados:\n"
    "     cada volta chama Interna *)\n"
    "  for i := 1 to limite do\n"
    "  begin\n"
    "    j := i mod 7;\n"
    "    while j > 0 do\n"
    "    begin\n"
    "      Interna#(j);\n"
    "      j := j - 1;\n"
    "    end;\n"
    "    case i mod 3 of\n"
    "      0: contador := contador + 1;\n"
    "      1: begin writeln(nome, ' um'); total := total - 1; end;\n"
    "    else\n"
    "      writeln('outro: ', i);\n"
    "    end;\n"
    "  end;\n"
    "  repeat\n"
    "    total := total div 2;\n"
    "  until total < 100;\n"
    "  if total > 0 then\n"
    "    contador := total\n"
    "  else writeln('fim de ', nome);\n"
    "end;\n"
    "\n";

}  // namespace

std::string GeneratedPascal(int lines) {
  const int units = lines > 48 ? (lines - 8) / 40 : 1;
  std::string text = "program Grande;\nvar\n  total: integer;\n\n";
  text.reserve(static_cast<std::size_t>(lines) * 24);
  const std::string unit = kUnit;
  for (int n = 1; n <= units; ++n) {
    const std::string number = std::to_string(n);
    for (char c : unit) {
      if (c == '#') text += number;
      else text += c;
    }
  }
  text += "begin\n  total := 0;\n  Rotina1(total, 10);\n  writeln(total);\nend.\n";
  return text;
}

}  // namespace kau::bench
