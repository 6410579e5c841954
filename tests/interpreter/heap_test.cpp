// NEW and DISPOSE, heap-aware loads and stores, and the heap's faults.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <random>
#include <vector>

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


// Handles go on to the most negative word, then the heap refuses.
TEST(Heap, HandlesEndAtTheMostNegativeWord) {
  ListaAlocacaoDinamica heap(ListaAlocacaoDinamica::kHandleCount - 2);
  EXPECT_EQ(heap.Allocate(1), -2147483647);
  const Word last = heap.Allocate(1);
  EXPECT_EQ(last, INT32_MIN);
  EXPECT_TRUE(heap.Free(last));
  EXPECT_EQ(heap.Allocate(1), 0);
  EXPECT_EQ(heap.Read(-2147483647, 0), 0);
  EXPECT_FALSE(heap.Free(last));
}

// Random NEW, DISPOSE and writes against a plain model: every live block
// keeps its words, every disposed handle stays dead. The list first grows,
// then churns (old blocks leave the window for the hash table), then
// empties; afterwards NEW and DISPOSE run in little memory.
TEST(Heap, LiveBlocksMatchAModel) {
  ListaAlocacaoDinamica heap;
  std::map<Word, std::vector<Word>> model;
  std::vector<Word> dead;
  std::mt19937 random(1234);
  const auto given = [&] { return static_cast<Word>(model.size() + dead.size()); };
  const auto step = [&](unsigned newOdds, unsigned disposeOdds) {
    const unsigned action = random() % 8;
    if (action < newOdds || model.empty()) {
      const Word size = static_cast<Word>(random() % 6);
      const Word handle = heap.Allocate(size);
      ASSERT_EQ(handle, -given() - 1);
      model[handle].assign(static_cast<std::size_t>(size), 0);
      return;
    }
    auto it = model.lower_bound(-static_cast<Word>(random() % static_cast<unsigned>(given())) - 1);
    if (it == model.end()) it = model.begin();
    if (action >= 8 - disposeOdds) {
      ASSERT_TRUE(heap.Free(it->first));
      dead.push_back(it->first);
      model.erase(it);
      return;
    }
    for (std::size_t k = 0; k < it->second.size(); ++k) ASSERT_EQ(heap.Read(it->first, static_cast<Word>(k)), it->second[k]);
    if (!it->second.empty()) {
      const auto k = random() % it->second.size();
      it->second[k] = static_cast<Word>(random());
      heap.Write(it->first, static_cast<Word>(k), it->second[k]);
    }
  };
  for (int i = 0; i < 100000; ++i) step(5, 1);
  for (int i = 0; i < 300000; ++i) step(3, 3);
  EXPECT_EQ(heap.LiveBlocks(), static_cast<std::int64_t>(model.size()));
  for (Word handle : dead) EXPECT_EQ(heap.At(handle, 0), nullptr);
  const std::size_t fullSlots = heap.Slots();
  while (!model.empty()) step(0, 8);
  for (int i = 0; i < 100000; ++i) step(4, 4);
  EXPECT_GT(fullSlots, 100000u);
  EXPECT_LT(heap.Slots(), 20000u);
}

// The storage of a disposed block may serve the next NEW of its size, but
// never its handle: the old handle stays dead and the new block is zeroed.
TEST(Heap, DisposedStorageComesBackZeroedUnderANewHandle) {
  for (Word size : {0, 1, 3, 32, 33, 1000}) {
    ListaAlocacaoDinamica heap;
    const Word first = heap.Allocate(size);
    for (Word k = 0; k < size; ++k) heap.Write(first, k, k + 1);
    ASSERT_TRUE(heap.Free(first));
    const Word second = heap.Allocate(size);
    EXPECT_EQ(second, first - 1) << size;
    for (Word k = 0; k < size; ++k) EXPECT_EQ(heap.Read(second, k), 0) << size << " " << k;
    EXPECT_EQ(heap.At(first, 0), nullptr);
    EXPECT_FALSE(heap.Free(first));
    EXPECT_EQ(heap.WordsFrom(second, 0), size);
    EXPECT_TRUE(heap.Free(second));
    EXPECT_FALSE(heap.Free(second));
  }
}

TEST(Heap, SpansStayInsideTheirBlock) {
  ListaAlocacaoDinamica heap;
  const Word h = heap.Allocate(4);
  const struct {
    Word handle, k, n;
    bool inside;
  } cases[] = {
      {h, 0, 4, true}, {h, 3, 1, true}, {h, 1, 3, true}, {h, 1, 4, false}, {h, 4, 1, false},
      {h, -1, 1, false}, {0, 0, 1, false}, {5, 0, 1, false}, {h - 1, 0, 1, false},
  };
  for (const auto& c : cases) {
    Word* span = heap.Span(c.handle, c.k, c.n);
    EXPECT_EQ(span != nullptr, c.inside) << c.handle << " " << c.k << " " << c.n;
    if (span) {
      EXPECT_EQ(span, heap.At(c.handle, c.k));
    }
  }
}

// A string in a block of 5 words stored from word k with a maximum and
// read back with another; it may not pass the end of the block.
TEST(Heap, StringsInBlocks) {
  const struct {
    Word k, storeMax, loadMax;
    std::string text, output;  // output empty and fault: the fault
    bool fault;
  } cases[] = {
      {1, 4, 4, "hi", "hi", false},
      {1, 4, 4, "abcd", "abcd", false},
      {1, 4, 4, "abcdef", "abcd", false},
      {2, 4, 4, "ab", "ab", false},
      {2, 4, 4, "abc", "", true},
      {4, 4, 4, "", "", false},
      {3, 2, 10, "xy", "xy", false},
      {0, 5, 255, std::string("\0\xFF" "a", 3), std::string("\0\xFF" "a", 3), false},
      {5, 1, 1, "", "", true},
  };
  for (const auto& c : cases) {
    Program p(1);
    p.op({OP_LOADADDR, 0, 3, OP_NEW, 5, OP_STOREN, 1});
    p.op({OP_LOADVAL, 0, 3, OP_PUSH, c.k}).pushString(c.text).op({OP_STORESTRH, c.storeMax});
    p.op({OP_LOADVAL, 0, 3, OP_PUSH, c.k, OP_LOADSTRH, c.loadMax, OP_WRITE, 6});
    const auto result = p.run();
    if (c.fault) {
      EXPECT_EQ(result.message, ErrorText(kErrorExecution)) << c.text << " at " << c.k;
    } else {
      EXPECT_FALSE(result.error) << result.message;
      EXPECT_EQ(result.output, c.output) << c.text << " at " << c.k;
    }
  }
}

// Lists built and freed again and again: every NEW after a DISPOSE gets a
// fresh handle and zeroed words, and the old handles stay dead.
TEST(Heap, RecycledBlocksInAProgram) {
  Program p(2);  // pointer at word 3, old pointer at word 4
  p.op({OP_LOADADDR, 0, 3, OP_NEW, 2, OP_STOREN, 1});
  p.op({OP_LOADVAL, 0, 3, OP_PUSH, 1, OP_PUSH, 77, OP_STORENH, 1});
  p.op({OP_LOADADDR, 0, 4, OP_LOADVAL, 0, 3, OP_STOREN, 1});
  p.op({OP_LOADVAL, 0, 3, OP_DISPOSE});
  p.op({OP_LOADADDR, 0, 3, OP_NEW, 2, OP_STOREN, 1});
  p.op({OP_LOADVAL, 0, 3, OP_WRITE, 1, OP_LOADVAL, 0, 3, OP_PUSH, 1, OP_LOADNH, 1, OP_WRITE, 1});
  p.op({OP_LOADVAL, 0, 4, OP_PUSH, 1, OP_LOADNH, 1});  // the old handle
  const auto result = p.run();
  EXPECT_EQ(result.output, "-20");
  EXPECT_EQ(result.message, ErrorText(kErrorExecution));
}

}  // namespace
}  // namespace kau::testing
