// lalr: makes the parser's LALR(1) tables and the enum of its productions
// from the grammar file.
//
//   lalr GRAMMAR TABLES.cpp PRODUCTIONS.h
//
// Fails (exit 1, nothing written) when the grammar is malformed or when its
// conflicts are not exactly the number that its %expect line declares.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/lalr/automaton.h"
#include "tools/lalr/grammar.h"
#include "tools/lalr/table_writer.h"

namespace {

// Written to a temporary beside the target and renamed over it, so that an
// interrupted run never leaves half a file for the build to take as current.
bool writeFile(const std::string& path, const std::string& text) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) {
      std::fprintf(stderr, "lalr: cannot write %s\n", temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::fprintf(stderr, "lalr: cannot write %s\n", path.c_str());
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace kau::lalr;
  if (argc != 4) {
    std::fputs("usage: lalr GRAMMAR TABLES.cpp PRODUCTIONS.h\n", stderr);
    return 1;
  }
  std::ifstream in(argv[1], std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "lalr: cannot read %s\n", argv[1]);
    return 1;
  }
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  Grammar grammar;
  std::string error;
  if (!readGrammar(text, grammar, error)) {
    std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
    return 1;
  }
  Tables tables = buildTables(grammar);
  if (tables.stateCount == 0) {
    std::fprintf(stderr, "%s: too many terminals\n", argv[1]);
    return 1;
  }
  if (static_cast<int>(tables.conflicts.size()) != grammar.expectedConflicts) {
    std::fprintf(stderr, "%s: %zu conflicts, %d expected\n", argv[1], tables.conflicts.size(),
                 grammar.expectedConflicts);
    for (const auto& c : tables.conflicts) std::fprintf(stderr, "  %s\n", describeConflict(grammar, c).c_str());
    return 1;
  }
  if (!writeFile(argv[2], writeTableSource(grammar, tables))) return 1;
  if (!writeFile(argv[3], writeProductionHeader(grammar))) return 1;
  return 0;
}
