#include "editor/model/kbd_handler.h"

namespace kau::editor {

namespace {

// Sets a chain's running flag for one run and clears it on every way out.
class RunningFlag {
 public:
  explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~RunningFlag() { flag_ = false; }
  RunningFlag(const RunningFlag&) = delete;
  RunningFlag& operator=(const RunningFlag&) = delete;

 private:
  bool& flag_;
};

// Calls the handlers from the last added to the first, over a copy of the
// chain: a handler removed by an earlier one is skipped, one added during the
// run waits for the next event. Stops as soon as `stop` says so.
template <typename Signature, typename Call, typename Stop>
void RunChain(const TMethodList<Signature>& chain, bool& running, Call call, Stop stop) {
  if (running) return;
  RunningFlag flag(running);
  const auto handlers = chain.Snapshot();
  for (auto it = handlers.rbegin(); it != handlers.rend(); ++it) {
    if (!chain.Contains(*it)) continue;
    call(*it);
    if (stop()) break;
  }
}

}  // namespace

void TSynEditKbdHandler::ExecuteKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift) {
  RunChain(fKeyDownChain, fInKeyDown, [&](const auto& h) { h(Sender, Key, Shift); }, [&] { return Key == 0; });
}

void TSynEditKbdHandler::ExecuteKeyUp(TObject* Sender, std::uint16_t& Key, TShiftState Shift) {
  RunChain(fKeyUpChain, fInKeyUp, [&](const auto& h) { h(Sender, Key, Shift); }, [&] { return Key == 0; });
}

void TSynEditKbdHandler::ExecuteKeyPress(TObject* Sender, char& Key) {
  RunChain(fKeyPressChain, fInKeyPress, [&](const auto& h) { h(Sender, Key); }, [&] { return Key == '\0'; });
}

void TSynEditKbdHandler::ExecuteMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y) {
  RunChain(fMouseDownChain, fInMouseDown, [&](const auto& h) { h(Sender, Button, Shift, X, Y); },
           [] { return false; });
}

}  // namespace kau::editor
