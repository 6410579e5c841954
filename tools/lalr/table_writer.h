// Writes the parse tables as a C++ source that defines the arrays declared in
// compiler/parse_tables.h.
#pragma once

#include <string>

#include "tools/lalr/automaton.h"
#include "tools/lalr/grammar.h"

namespace kau::lalr {

std::string writeTableSource(const Grammar& grammar, const Tables& tables);

}  // namespace kau::lalr
