// Counts the OnChange notifications an option object sends.
#pragma once

#include "editor/model/object.h"

namespace kau::editor::testing {

struct ChangeCounter {
  int count = 0;
  TObject* lastSender = nullptr;
  void Changed(TObject* Sender) {
    ++count;
    lastSender = Sender;
  }
  TNotifyEvent Event() { return makeMethod<&ChangeCounter::Changed>(this); }
};

}  // namespace kau::editor::testing
