// The table-driven LR parser. ParseProgram checks the syntax of a whole
// program in one pass and leaves for the translator the production numbers of
// the derivation (ProductionList, pre-order) and the values of the valued
// tokens (ValueQueue, three entries per token: value, value2, line).
#pragma once

#include <cstdint>
#include <string>

#include "compiler/int_list.h"

namespace kau {

// Filled by ParseProgram, read by the translator with PopInt, emptied by the
// compiler driver after every compilation.
extern IntList ValueQueue;
extern IntList ProductionList;
// The line of every BEGIN, in the order of the text: a BEGIN has no value
// for ValueQueue, but the translator names its line when compound
// statements nest too deep. FreeValueQueue empties it too.
extern IntList BeginLines;

// Parses the NUL-terminated program text (code page 1252). Returns the error
// flag: 0 when the text was accepted, 1 after the first lexical or syntax
// error (or an internal fault), whose text and line are then available below.
// ProductionList is only filled after an accepted parse.
int ParseProgram(const char* text);

std::string GetParseMessage();
std::int32_t GetParseErrorLine();

// Removes the head of the list and returns it; 0 when the list is empty.
std::int32_t PopInt(IntList& list);

void FreeValueQueue();
void FreeProductionList();

}  // namespace kau
