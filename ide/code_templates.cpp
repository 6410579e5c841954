#include "ide/code_templates.h"

#include <algorithm>

namespace kau::ide {

std::span<const CodeTemplate> CodeTemplates() {
  static const std::vector<CodeTemplate> templates = {
      {"array", {"array[1..] of ;"}, 9, 0},
      {"case", {"case (  ) of \n", "  1:  ;\n", "  2:  ;\n", "  else ;\n", "end;"}, 7, 0},
      {"for/to", {"for i := 1 to  do\n", "  //comando"}, 14, 0},
      {"for/to (begin/end)", {"for i := 1 to  do\n", "begin\n", "  //comandos\n", "end;"}, 14, 0},
      {"for/downto", {"for i :=  downto 1 do\n", "  //comando"}, 9, 0},
      {"for/downto (begin/end)", {"for i :=  downto 1 do\n", "begin\n", "  //comandos\n", "end;"}, 9, 0},
      {"function", {"Function  : integer ;\n", "Begin\n", "  //comandos\n", "End;"}, 9, 0},
      {"if", {"if (  ) then\n", "  //comando"}, 5, 0},
      {"if (begin/end)", {"if (  ) then begin\n", "  //comandos\n", "end;"}, 5, 0},
      {"if/else", {"if (  ) then\n", "  //comando\n", "else\n", "  //comando"}, 5, 0},
      // The then-part's "end" ends its line like every other piece an
      // indent follows, so "else begin" starts the next one.
      {"if/else (begin/end)",
       {"if (  ) then begin\n", "  //comandos\n", "end\n", "else begin\n", "  //comandos\n", "end;"},
       5,
       0},
      {"procedure", {"Procedure  ;\n", "Begin\n", "  //comandos\n", "End;"}, 10, 0},
      {"readln", {"readln(  ) ; "}, 8, 0},
      {"repeat", {"repeat\n", "  //comandos\n", "until (  );"}, 8, 2},
      {"record", {"record\n", "  //campo : integer;\n", "end;"}, 10, 1},
      {"while", {"while (  ) do\n", "  //comando"}, 8, 0},
      {"while (begin/end)", {"while (  ) do begin\n", "  //comandos\n", "end;"}, 8, 0},
      {"writeln", {"writeln(  ) ; "}, 9, 0},
  };
  return templates;
}

int TemplateStartColumn(int caretX, std::string_view input) {
  return std::max(1, caretX - static_cast<int>(input.size()));
}

TemplateInsertion ExpandTemplate(std::string_view chosen, std::string_view input, int startX, int startY) {
  const auto templates = CodeTemplates();
  const auto match = std::find_if(templates.begin(), templates.end(),
                                  [&](const CodeTemplate& t) { return t.item == chosen; });
  // Not a template: the typed word stays and so does the caret after it.
  if (match == templates.end()) return {std::string(input), startX + static_cast<int>(input.size()), startY};
  const std::string indent(static_cast<std::size_t>(std::max(startX - 1, 0)), ' ');
  std::string value;
  for (std::size_t i = 0; i < match->pieces.size(); ++i) {
    if (i > 0) value += indent;
    value += match->pieces[i];
  }
  return {value, startX + match->caretColumns, startY + match->caretLines};
}

}  // namespace kau::ide
