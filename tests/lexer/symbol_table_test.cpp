#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "compiler/pilha_inteiros.h"
#include "compiler/symbol_table.h"

namespace kau {
namespace {

TEST(SymbolTable, HashValues) {
  struct Case {
    std::string text;
    int bucket;
  };
  const std::vector<Case> cases = {
      {"", 0},
      {"A", 65},
      {"PROGRAM", 68},
      {"INTEGER", 164},
      {"REAL", 172},
      {"STRING", 172},
      {"TEXT", 89},
      {"ABCDEFGHIJ", 8},
      {"ABCDEFGHIJKLMNOPQRSTUVWXYZ", 96},
      {"1.2345E+2", 164},
      {"\x82", 59},  // bytes count as signed: -126
      {"CORA\x87\xC6O", 140},
      {"\xFF\xFF", 145},
  };
  for (const Case& c : cases) EXPECT_EQ(HashName(c.text), c.bucket) << c.text;
}

TEST(SymbolTable, InsertFindsOrAppendsInTheBucket) {
  SymbolTable table;
  EXPECT_EQ(table.InsertSymbol("REAL", 2), 0);
  EXPECT_EQ(table.InsertSymbol("STRING", 255), 1);  // same bucket as REAL
  EXPECT_EQ(table.LastInsertedEntry()->name, "STRING");
  EXPECT_EQ(table.InsertSymbol("X", 7), 0);
  EXPECT_EQ(table.InsertSymbol("X", 3), 0);  // found: the first size stays
  EXPECT_EQ(table.LastInsertedEntry()->size, 7);
  EXPECT_EQ(table.InsertSymbol("x", 0), 0);  // names are compared byte for byte
  EXPECT_NE(table.FindSymbol("x"), table.FindSymbol("X"));

  const int bucket = HashName("REAL");
  EXPECT_EQ(table.BucketLength(bucket), 2);
  EXPECT_EQ(table.SymbolBucket(bucket)->name, "REAL");
  EXPECT_EQ(table.SymbolBucket(bucket)->nextInBucket, table.SymbolAt(bucket, 1));
  EXPECT_EQ(table.SymbolAt(bucket, 1)->name, "STRING");
  EXPECT_EQ(table.SymbolAt(bucket, 1)->nextInBucket, nullptr);
}

TEST(SymbolTable, NewEntryDefaults) {
  SymbolTable table;
  const elem_tab_simb* e = table.NewSymbolEntry("N1");
  EXPECT_EQ(e->name, "N1");
  EXPECT_EQ(e->kind, 'N');
  EXPECT_EQ(e->info, ' ');
  EXPECT_EQ(e->address, 0);
  EXPECT_EQ(e->size, 0);
  EXPECT_FALSE(e->isPointer || e->hasArrayDescriptor || e->isDeclared || e->isEnumeration);
  EXPECT_EQ(e->type, nullptr);
  EXPECT_EQ(e->owner, nullptr);
  EXPECT_EQ(e->nextSameName, nullptr);
  EXPECT_EQ(table.FindSymbol("N1"), nullptr);  // in no chain
}

TEST(SymbolTable, BuiltInTypeNamesKeepTheirSizes) {
  SymbolTable table;
  for (const char* name : {"REAL", "INTEGER", "CHAR", "BOOLEAN", "TEXT", "STRING"}) table.InsertSymbol(name, 0);
  EXPECT_EQ(table.FindSymbol("REAL")->size, 2);
  EXPECT_EQ(table.FindSymbol("INTEGER")->size, 1);
  EXPECT_EQ(table.FindSymbol("CHAR")->size, 1);
  EXPECT_EQ(table.FindSymbol("BOOLEAN")->size, 1);
  EXPECT_EQ(table.FindSymbol("TEXT")->size, 255);
  EXPECT_EQ(table.FindSymbol("STRING")->size, 255);
  table.InsertSymbol("Real", 0);  // not the type's name
  EXPECT_EQ(table.FindSymbol("Real")->size, 0);
}

TEST(SymbolTable, LookupsOutsideTheTableFindNothing) {
  SymbolTable table;
  table.InsertSymbol("A", 0);
  const int bucket = HashName("A");
  EXPECT_EQ(table.SymbolAt(bucket, 1), nullptr);
  EXPECT_EQ(table.SymbolAt(bucket, -1), nullptr);
  EXPECT_EQ(table.SymbolAt(-1, 0), nullptr);
  EXPECT_EQ(table.SymbolAt(211, 0), nullptr);
  EXPECT_EQ(table.SymbolBucket(0), nullptr);
  EXPECT_EQ(table.SymbolBucket(500), nullptr);
  EXPECT_EQ(table.BucketLength(-3), 0);
  EXPECT_EQ(table.FindSymbol("B"), nullptr);
  EXPECT_EQ(table.CloneSymbolForScope(nullptr), nullptr);

  RealConstantTable reals;
  EXPECT_EQ(reals.RealAt(0, 0), nullptr);
  EXPECT_EQ(reals.RealAt(-1, 0), nullptr);
  EXPECT_EQ(reals.RealBucket(211), nullptr);
}

TEST(SymbolTable, CloneIsLinkedAfterTheEntry) {
  SymbolTable table;
  table.InsertSymbol("V", 0);
  elem_tab_simb* first = table.LastInsertedEntry();
  elem_tab_simb owner;
  elem_tab_simb type;
  first->kind = 'V';
  first->info = 'V';
  first->address = 12;
  first->size = 3;
  first->enumerationCount = 4;
  first->isPointer = true;
  first->isDeclared = true;
  first->type = &type;
  first->owner = &owner;
  elem_tab_simb* older = table.CloneSymbolForScope(first);
  elem_tab_simb* newer = table.CloneSymbolForScope(first);
  EXPECT_EQ(first->nextSameName, newer);
  EXPECT_EQ(newer->nextSameName, older);
  EXPECT_EQ(newer->name, "V");
  EXPECT_EQ(newer->kind, 'V');
  EXPECT_EQ(newer->info, 'V');
  EXPECT_EQ(newer->address, 12);
  EXPECT_EQ(newer->size, 3);
  EXPECT_EQ(newer->enumerationCount, 0);
  EXPECT_TRUE(newer->isPointer && newer->isDeclared);
  EXPECT_EQ(newer->type, &type);
  EXPECT_EQ(newer->owner, &owner);
  EXPECT_EQ(table.BucketLength(HashName("V")), 1);  // clones stay out of the chain

  elem_tab_simb elsewhere;
  EXPECT_TRUE(SymbolTable::SymbolHasScope(first, &owner));
  EXPECT_FALSE(SymbolTable::SymbolHasScope(first, &elsewhere));
  older->owner = &elsewhere;
  EXPECT_TRUE(SymbolTable::SymbolHasScope(first, &elsewhere));
}

TEST(SymbolTable, CopyScopeSymbolsGivesTheVariableItsOwnFields) {
  SymbolTable table;
  table.InsertSymbol("REC", 0);
  elem_tab_simb* recordType = table.LastInsertedEntry();
  table.InsertSymbol("VAR1", 0);
  elem_tab_simb* variable = table.LastInsertedEntry();
  table.InsertSymbol("OTHER", 0);
  elem_tab_simb* other = table.LastInsertedEntry();

  // Field A: first entry owned by the record type. Field B: the first entry
  // belongs elsewhere, the record's one hangs behind it. Field C: already
  // has an entry owned by the variable. Field D: an array.
  table.InsertSymbol("A", 0);
  elem_tab_simb* a = table.LastInsertedEntry();
  a->owner = recordType;
  a->address = 0;
  table.InsertSymbol("B", 0);
  elem_tab_simb* b = table.LastInsertedEntry();
  b->owner = other;
  elem_tab_simb* bField = table.CloneSymbolForScope(b);
  bField->owner = recordType;
  bField->address = 1;
  table.InsertSymbol("C", 0);
  elem_tab_simb* c = table.LastInsertedEntry();
  c->owner = recordType;
  elem_tab_simb* cOwn = table.CloneSymbolForScope(c);
  cOwn->owner = variable;
  table.InsertSymbol("D", 0);
  elem_tab_simb* d = table.LastInsertedEntry();
  d->owner = recordType;
  d->hasArrayDescriptor = true;

  std::vector<std::pair<elem_tab_simb*, elem_tab_simb*>> shared;
  table.CopyScopeSymbols(recordType, variable,
                         [&](elem_tab_simb& copied, elem_tab_simb& clone) { shared.emplace_back(&copied, &clone); });

  ASSERT_NE(a->nextSameName, nullptr);
  EXPECT_EQ(a->nextSameName->owner, variable);
  EXPECT_EQ(a->nextSameName->address, 0);
  // B: the clone of the record's entry sits right behind it.
  ASSERT_NE(bField->nextSameName, nullptr);
  EXPECT_EQ(bField->nextSameName->owner, variable);
  EXPECT_EQ(bField->nextSameName->address, 1);
  EXPECT_EQ(b->owner, other);
  // C: nothing new.
  EXPECT_EQ(c->nextSameName, cOwn);
  EXPECT_EQ(cOwn->nextSameName, nullptr);
  // D: copied, and its descriptor handed on.
  ASSERT_EQ(shared.size(), 1u);
  EXPECT_EQ(shared[0].first, d);
  EXPECT_EQ(shared[0].second, d->nextSameName);
  // Names that the record does not own are left alone.
  EXPECT_EQ(recordType->nextSameName, nullptr);
  EXPECT_EQ(other->nextSameName, nullptr);
}

TEST(SymbolTable, ClearEmptiesAndRenumbers) {
  SymbolTable table;
  table.InsertSymbol("REAL", 0);
  table.InsertSymbol("STRING", 0);
  table.NewSymbolEntry("LOOSE");
  table.ClearSymbolTable();
  EXPECT_TRUE(table.IsEmpty());
  EXPECT_EQ(table.FindSymbol("REAL"), nullptr);
  EXPECT_EQ(table.SymbolBucket(HashName("REAL")), nullptr);
  EXPECT_EQ(table.LastInsertedEntry(), nullptr);
  EXPECT_EQ(table.InsertSymbol("STRING", 0), 0);
}

TEST(RealConstantTable, EqualValuesShareANodeInTheirBucket) {
  RealConstantTable reals;
  const int bucket = HashName("1.2345E+2");
  EXPECT_EQ(reals.InsertRealConstant("1.2345E+2"), 0);
  EXPECT_EQ(reals.InsertRealConstant("1.2345E+2"), 0);
  EXPECT_DOUBLE_EQ(reals.RealBucket(bucket)->value, 123.45);

  // Two texts of the same value: shared only when they hash alike.
  const int b1 = HashName("5.E+0");
  const int b2 = HashName("5.0E+0");
  ASSERT_NE(b1, b2);
  EXPECT_EQ(reals.InsertRealConstant("5.E+0"), 0);
  EXPECT_EQ(reals.InsertRealConstant("5.0E+0"), 0);
  EXPECT_NE(reals.RealBucket(b1), reals.RealBucket(b2));

  // Different values in one bucket are appended in order.
  std::string second;
  for (int i = 1; i < 100000 && second.empty(); ++i) {
    const std::string t = std::to_string(i) + ".E+0";
    if (HashName(t) == bucket) second = t;
  }
  ASSERT_FALSE(second.empty());
  EXPECT_EQ(reals.InsertRealConstant(second), 1);
  EXPECT_EQ(reals.RealBucket(bucket)->next, reals.RealAt(bucket, 1));
  EXPECT_DOUBLE_EQ(reals.RealAt(bucket, 1)->value, std::stod(second));

  reals.ClearRealTable();
  EXPECT_TRUE(reals.IsEmpty());
  EXPECT_EQ(reals.RealBucket(bucket), nullptr);
  EXPECT_EQ(reals.InsertRealConstant(second), 0);
}

TEST(PilhaInteiros, PushPopAndTheEmptyMarker) {
  PilhaInteiros stack;
  EXPECT_FALSE(stack.NotEmpty());
  EXPECT_EQ(stack.Pop(), -1);
  EXPECT_FALSE(stack.NotEmpty());
  stack.Push(-1);
  stack.Push(10);
  stack.Push(20);
  EXPECT_TRUE(stack.NotEmpty());
  EXPECT_EQ(stack.Pop(), 20);
  EXPECT_EQ(stack.Pop(), 10);
  EXPECT_EQ(stack.Pop(), -1);
  EXPECT_EQ(stack.Pop(), -1);
  stack.Push(5);
  stack.Clear();
  EXPECT_FALSE(stack.NotEmpty());
}

}  // namespace
}  // namespace kau
