// Components that want to hear when another one goes away, as the class
// library's free notification tells them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "editor/model/object.h"

namespace kau::editor {

enum TOperation : std::uint8_t { opInsert, opRemove };

class TFreeNotifiable {
 public:
  virtual ~TFreeNotifiable() = default;
  virtual void Notification(TObject* AComponent, TOperation Operation) = 0;
};

// The listeners of one component; it tells them all when it is destroyed.
class TFreeNotifiers {
 public:
  void Add(TFreeNotifiable* AComponent) {
    if (AComponent && std::find(fList.begin(), fList.end(), AComponent) == fList.end()) fList.push_back(AComponent);
  }
  void Remove(TFreeNotifiable* AComponent) { fList.erase(std::remove(fList.begin(), fList.end(), AComponent), fList.end()); }
  int Count() const { return static_cast<int>(fList.size()); }
  // Tells every listener that Sender goes away; a listener may remove itself.
  void NotifyRemoval(TObject* Sender) {
    const auto listeners = fList;
    for (TFreeNotifiable* c : listeners)
      if (std::find(fList.begin(), fList.end(), c) != fList.end()) c->Notification(Sender, opRemove);
  }

 private:
  std::vector<TFreeNotifiable*> fList;
};

}  // namespace kau::editor
