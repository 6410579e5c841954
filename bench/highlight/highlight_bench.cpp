// Scans a 100,000-line Pascal text line by line the way the editor does:
// each line starts from the range stored for the line before, every token is
// read with its attribute, and the end range is stored.
//   highlight_bench [LINES] [ROUNDS]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/highlight/pascal_highlighter.h"

namespace {

using kau::editor::SynRange;
using kau::editor::TSynPasSyn;

std::vector<std::string> makeText(int lineCount) {
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
    std::vector<std::string> text;
    text.reserve(static_cast<std::size_t>(lineCount));
    for (int i = 0; i < lineCount; ++i) text.emplace_back(lines[i % std::size(lines)]);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const int lineCount = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 10;
    const std::vector<std::string> text = makeText(lineCount);
    std::vector<SynRange> ranges(text.size());
    TSynPasSyn h;

    double best = 1e9;
    std::size_t tokens = 0, bytes = 0;
    for (int r = 0; r < rounds; ++r) {
        tokens = bytes = 0;
        const auto start = std::chrono::steady_clock::now();
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == 0) h.ResetRange();
            else h.SetRange(ranges[i - 1]);
            h.SetLine(text[i], static_cast<int>(i));
            while (!h.GetEol()) {
                bytes += h.GetToken().size();
                tokens += h.GetTokenAttribute() != nullptr;
                h.Next();
            }
            ranges[i] = h.GetRange();
        }
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        best = std::min(best, ms);
    }
    std::printf("%d lines, %zu tokens, %zu bytes: best of %d rounds %.2f ms (%.0f lines/ms)\n", lineCount, tokens,
                bytes, rounds, best, lineCount / best);
    return 0;
}
