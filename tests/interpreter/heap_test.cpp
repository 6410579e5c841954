// NEW and DISPOSE, heap-aware loads and stores, and the heap's faults.
#include <gtest/gtest.h>

#include "interpreter/lista_alocacao_dinamica.h"
#include "interpreter/runtime_errors.h"
#include "tests/interpreter/assembler.h"

namespace kau::testing {
namespace {

TEST(Heap, HandlesAreNeverReused) {
  ListaAlocacaoDinamica heap;
  EXPECT_EQ(heap.Allocate(2), -1);
  EXPECT_EQ(heap.Allocate(3), -2);
  EXPECT_TRUE(heap.Free(-1));
  EXPECT_EQ(heap.Allocate(1), -3);
  EXPECT_FALSE(heap.Free(-1));
  EXPECT_FALSE(heap.Free(-9));
  EXPECT_FALSE(heap.Free(5));
  EXPECT_EQ(heap.Read(-2, 2), 0);  // new blocks are zeroed
  heap.Write(-2, 2, 7);
  EXPECT_EQ(heap.Read(-2, 2), 7);
  EXPECT_EQ(heap.At(-2, 3), nullptr);
  EXPECT_EQ(heap.At(-1, 0), nullptr);
  EXPECT_EQ(heap.At(0, 0), nullptr);
  EXPECT_EQ(heap.Allocate(-1), 0);
  EXPECT_EQ(heap.Allocate(ListaAlocacaoDinamica::kMaxLiveWords), 0);  // past the bound
}

// p: pointer at word 3. NEW(p); p^.b := 'hi' (string at block word 1,
// max 4); p^.a := 42 (block word 0); write them back.
TEST(Heap, StoreAndLoadThroughPointers) {
  Program p(1);
  p.op({OP_LOADADDR, 0, 3, OP_NEW, 5, OP_STOREN, 1});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 1}).pushString("hi").op({OP_STORESTRH, 4});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 0, OP_PUSH, 42, OP_STORENH, 1});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 0, OP_LOADNH, 1, OP_WRITE, 1});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 1, OP_LOADSTRH, 4, OP_WRITE, 6});
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 4, OP_LOADNH, 1, OP_WRITE, 1});  // zeroed
  p.op({OP_LOADADDR, 0, 3, OP_LOADN, 1, OP_DISPOSE});
  p.op({OP_PUSH, 0, OP_DISPOSE});  // DISPOSE(NIL) does nothing
  const auto result = p.run();
  EXPECT_FALSE(result.error) << result.message << result.output;
  EXPECT_EQ(result.output, "42hi-10");
}

// A pointer taken with @ reaches memory word a + k.
TEST(Heap, PointerToMemoryVariable) {
  Program p(3);
  p.op({OP_LOADADDR, 0, 3, OP_PUSH, 2, OP_PUSH, 99, OP_STORENH, 1});
  p.op({OP_LOADVAL, 0, 5, OP_WRITE, 1});
  EXPECT_EQ(p.run().output, "99");
}

TEST(Heap, FaultsAreRuntimeErrors) {
  const struct {
    const char* name;
    std::vector<Word> code;
  } cases[] = {
      {"load through NIL", {OP_PUSH, 0, OP_PUSH, 0, OP_LOADNH, 1}},
      {"store through NIL", {OP_PUSH, 0, OP_PUSH, 0, OP_PUSH, 1, OP_STORENH, 1}},
      {"unknown handle", {OP_PUSH, -5, OP_PUSH, 0, OP_LOADNH, 1}},
      {"past the block", {OP_NEW, 2, OP_PUSH, 2, OP_LOADNH, 1}},
      {"negative index", {OP_NEW, 2, OP_PUSH, -1, OP_LOADNH, 1}},
      {"disposed block", {OP_NEW, 2, OP_DUP, 1, OP_DISPOSE, OP_PUSH, 0, OP_LOADNH, 1}},
      {"dispose twice", {OP_NEW, 2, OP_DUP, 1, OP_DISPOSE, OP_DISPOSE}},
      {"dispose a non-handle", {OP_PUSH, 17, OP_DISPOSE}},
      {"negative size", {OP_NEW, -4}},
      {"heap exhausted", {OP_NEW, 20000000, OP_NEW, 20000000}},
      {"string through NIL", {OP_PUSH, 0, OP_PUSH, 0, OP_LOADSTRH, 10}},
  };
  for (const auto& c : cases) {
    Program p;
    for (Word w : c.code) p.op({w});
    const auto result = p.run();
    EXPECT_EQ(result.message, ErrorText(kErrorExecution)) << c.name;
  }
}

}  // namespace
}  // namespace kau::testing
