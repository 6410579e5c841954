#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/options/method_chain.h"

namespace kau::editor {
namespace {

struct Listener : TObject {
  std::vector<std::string>* log = nullptr;
  std::string name;
  TSynNotifyEventChain* chain = nullptr;
  Listener* victim = nullptr;  // removed from the chain when this one runs
  bool fail = false;

  void Notify(TObject* Sender) {
    log->push_back(name + (Sender ? "" : "?"));
    if (victim) chain->Remove(victim->Event());
    if (fail) throw std::runtime_error(name + " failed");
  }
  TNotifyEvent Event() { return makeMethod<&Listener::Notify>(this); }
};

struct ChainTest : ::testing::Test {
  TObject sender;
  TSynNotifyEventChain chain{&sender};
  std::vector<std::string> log;
  Listener a, b, c;
  void SetUp() override {
    for (auto [l, n] : {std::pair{&a, "a"}, {&b, "b"}, {&c, "c"}}) {
      l->log = &log;
      l->name = n;
      l->chain = &chain;
    }
  }
};

TEST_F(ChainTest, FiresInOrderWithTheSender) {
  struct Probe : TObject {
    TObject* seen = nullptr;
    void Notify(TObject* s) { seen = s; }
  } probe;
  chain.Add(makeMethod<&Probe::Notify>(&probe));
  chain.Add(a.Event());
  chain.Add(b.Event());
  chain.Fire();
  EXPECT_EQ(probe.seen, &sender);
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
}

TEST_F(ChainTest, RemoveTakesEveryOccurrence) {
  chain.Add(a.Event());
  chain.Add(b.Event());
  chain.Add(a.Event());
  chain.Remove(a.Event());
  EXPECT_EQ(chain.Count(), 1);
  chain.Fire();
  EXPECT_EQ(log, (std::vector<std::string>{"b"}));
}

TEST_F(ChainTest, EmptyMethodsAreRefusedWithTheirTexts) {
  try {
    chain.Add({});
    FAIL();
  } catch (const ESynMethodChain& e) {
    EXPECT_STREQ(e.what(), "TSynNotifyEventChain.Entry : the parameter `AEvent' must be specified.");
  }
  try {
    chain.Remove({});
    FAIL();
  } catch (const ESynMethodChain& e) {
    EXPECT_STREQ(e.what(), "TSynNotifyEventChain.Remove: the parameter `AEvent' must be specified.");
  }
}

TEST_F(ChainTest, AHandlerRemovedDuringFiringIsSkipped) {
  a.victim = &b;
  chain.Add(a.Event());
  chain.Add(b.Event());
  chain.Add(c.Event());
  chain.Fire();
  EXPECT_EQ(log, (std::vector<std::string>{"a", "c"}));
}

TEST_F(ChainTest, AHandlerRemovingItselfDoesNotDisturbTheOthers) {
  b.victim = &b;
  chain.Add(a.Event());
  chain.Add(b.Event());
  chain.Add(c.Event());
  chain.Fire();
  chain.Fire();
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b", "c", "a", "c"}));
}

TEST_F(ChainTest, FailureWithoutHandlerLeavesFire) {
  a.fail = true;
  chain.Add(a.Event());
  chain.Add(b.Event());
  EXPECT_THROW(chain.Fire(), std::runtime_error);
  EXPECT_EQ(log, (std::vector<std::string>{"a"}));
}

TEST_F(ChainTest, ExceptionHandlerDecidesWhetherToGoOn) {
  struct Handler : TObject {
    bool goOn = true;
    std::string seen;
    void OnError(TObject*, const std::exception& e, bool& DoContinue) {
      seen = e.what();
      EXPECT_TRUE(DoContinue);  // starts set
      DoContinue = goOn;
    }
  } handler;
  a.fail = true;
  chain.Add(a.Event());
  chain.Add(b.Event());
  chain.OnException = makeMethod<&Handler::OnError>(&handler);
  chain.Fire();
  EXPECT_EQ(handler.seen, "a failed");
  EXPECT_EQ(log, (std::vector<std::string>{"a", "b"}));
  handler.goOn = false;
  log.clear();
  chain.Fire();
  EXPECT_EQ(log, (std::vector<std::string>{"a"}));
}

}  // namespace
}  // namespace kau::editor
