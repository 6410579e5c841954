#include "platform/qt/client_timers.h"

#include <algorithm>

namespace kau::platform {

void ClientTimers::Start(int id, int milliseconds) {
  Stop(id);
  timers_[id] = window_.startTimer(std::max(milliseconds, 1));
}

void ClientTimers::Stop(int id) {
  const auto it = timers_.find(id);
  if (it == timers_.end()) return;
  window_.killTimer(it->second);
  timers_.erase(it);
}

std::optional<int> ClientTimers::IdOf(int qtTimerId) const {
  for (const auto& [id, qtId] : timers_)
    if (qtId == qtTimerId) return id;
  return std::nullopt;
}

}  // namespace kau::platform
