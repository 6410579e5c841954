// Writes the parse tables as a C++ source that defines the arrays declared in
// compiler/parse_tables.h, and the header that names the productions.
#pragma once

#include <string>

#include "tools/lalr/automaton.h"
#include "tools/lalr/grammar.h"

namespace kau::lalr {

std::string writeTableSource(const Grammar& grammar, const Tables& tables);

// compiler/productions.h: enum Production, PROD_ and each production's name
// valued by its number.
std::string writeProductionHeader(const Grammar& grammar);

}  // namespace kau::lalr
