#include "editor/model/kbd_handler.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "platform/virtual_keys.h"

namespace kau::editor {
namespace {

// A handler that notes its name in a shared trace and may act on the event.
struct Handler : TObject {
  std::string name;
  std::string* trace = nullptr;
  std::uint16_t setKey = 0xFFFF;  // 0xFFFF: leave the key alone
  char setChar = '\xFF';
  TSynEditKbdHandler* chains = nullptr;
  bool reRaise = false;
  bool removeSelf = false;
  Handler* removeOther = nullptr;
  bool throws = false;

  void KeyDown(TObject* sender, std::uint16_t& key, TShiftState shift) {
    *trace += name;
    if (reRaise) chains->ExecuteKeyDown(sender, key, shift);
    if (removeSelf) chains->RemoveKeyDownHandler(makeMethod<&Handler::KeyDown>(this));
    if (removeOther) chains->RemoveKeyDownHandler(makeMethod<&Handler::KeyDown>(removeOther));
    if (throws) throw std::runtime_error("handler failed");
    if (setKey != 0xFFFF) key = setKey;
  }
  void KeyPress(TObject*, char& key) {
    *trace += name;
    if (setChar != '\xFF') key = setChar;
  }
  void MouseDown(TObject*, TMouseButton, TShiftState, int x, int) {
    *trace += name + std::to_string(x);
  }
};

class KbdHandler : public ::testing::Test {
 protected:
  Handler& Make(const std::string& name) {
    Handler& h = name == "A" ? a_ : name == "B" ? b_ : c_;
    h.name = name;
    h.trace = &trace_;
    h.chains = &chains_;
    return h;
  }
  void AddDown(Handler& h) { chains_.AddKeyDownHandler(makeMethod<&Handler::KeyDown>(&h)); }
  std::uint16_t Down(std::uint16_t key = VK_RETURN) {
    chains_.ExecuteKeyDown(nullptr, key, TShiftState());
    return key;
  }

  TSynEditKbdHandler chains_;
  std::string trace_;
  Handler a_, b_, c_;
};

TEST_F(KbdHandler, LastAddedRunsFirstAndZeroStops) {
  Handler& a = Make("A");
  Handler& b = Make("B");
  AddDown(a);
  AddDown(b);
  EXPECT_EQ(Down(), VK_RETURN);
  EXPECT_EQ(trace_, "BA");
  trace_.clear();
  b.setKey = 0;
  EXPECT_EQ(Down(), 0);
  EXPECT_EQ(trace_, "B");
}

TEST_F(KbdHandler, AddedTwiceRunsTwiceRemovedOnce) {
  Handler& a = Make("A");
  Handler& b = Make("B");
  AddDown(a);
  AddDown(b);
  AddDown(a);
  Down();
  EXPECT_EQ(trace_, "ABA");
  trace_.clear();
  chains_.RemoveKeyDownHandler(makeMethod<&Handler::KeyDown>(&a));  // the last registration goes
  Down();
  EXPECT_EQ(trace_, "BA");
  trace_.clear();
  chains_.RemoveKeyDownHandler(makeMethod<&Handler::KeyDown>(&c_));  // absent: nothing
  Down();
  EXPECT_EQ(trace_, "BA");
}

TEST_F(KbdHandler, NoReEntry) {
  Handler& a = Make("A");
  a.reRaise = true;
  AddDown(a);
  Down();
  EXPECT_EQ(trace_, "A");
  // The running flag is cleared: the next event runs the chain again.
  Down();
  EXPECT_EQ(trace_, "AA");
}

TEST_F(KbdHandler, HandlersThatChangeTheChainWhileItRuns) {
  Handler& a = Make("A");
  Handler& b = Make("B");
  Handler& c = Make("C");
  AddDown(a);
  AddDown(b);
  AddDown(c);
  c.removeSelf = true;
  Down();
  EXPECT_EQ(trace_, "CBA");  // removing itself skips nobody
  trace_.clear();
  b.removeOther = &a;  // a removed handler is not called any more
  Down();
  EXPECT_EQ(trace_, "B");
}

TEST_F(KbdHandler, ThrowingHandlerClearsTheRunningFlag) {
  Handler& a = Make("A");
  a.throws = true;
  AddDown(a);
  EXPECT_THROW(Down(), std::runtime_error);
  a.throws = false;
  Down();
  EXPECT_EQ(trace_, "AA");
}

TEST_F(KbdHandler, KeyPressKeyUpAndMouseDown) {
  Handler& a = Make("A");
  Handler& b = Make("B");
  chains_.AddKeyPressHandler(makeMethod<&Handler::KeyPress>(&a));
  chains_.AddKeyPressHandler(makeMethod<&Handler::KeyPress>(&b));
  b.setChar = '\0';
  char key = 'x';
  chains_.ExecuteKeyPress(nullptr, key);
  EXPECT_EQ(key, '\0');
  EXPECT_EQ(trace_, "B");

  trace_.clear();
  chains_.AddKeyUpHandler(makeMethod<&Handler::KeyDown>(&a));
  chains_.AddKeyUpHandler(makeMethod<&Handler::KeyDown>(&b));
  b.setKey = 0;
  std::uint16_t up = VK_TAB;
  chains_.ExecuteKeyUp(nullptr, up, ssShift);
  EXPECT_EQ(trace_, "B");
  EXPECT_EQ(up, 0);

  trace_.clear();
  chains_.AddMouseDownHandler(makeMethod<&Handler::MouseDown>(&a));
  chains_.AddMouseDownHandler(makeMethod<&Handler::MouseDown>(&b));
  chains_.ExecuteMouseDown(nullptr, mbLeft, TShiftState(), 5, 6);
  EXPECT_EQ(trace_, "B5A5");  // nothing stops the mouse chain
  chains_.RemoveMouseDownHandler(makeMethod<&Handler::MouseDown>(&b));
  trace_.clear();
  chains_.ExecuteMouseDown(nullptr, mbLeft, TShiftState(), 1, 1);
  EXPECT_EQ(trace_, "A1");
}

}  // namespace
}  // namespace kau::editor
