// The timers of a window's client, by the client's own ids, run as Qt timers
// of the window: the window starts and stops them and asks, for each of its
// timer events, which id ticked.
#pragma once

#include <QObject>
#include <map>
#include <optional>

namespace kau::platform {

class ClientTimers {
 public:
  explicit ClientTimers(QObject& window) : window_(window) {}

  // Starting a running id starts it afresh with the new interval.
  void Start(int id, int milliseconds);
  void Stop(int id);
  // The client's id of a Qt timer, or none when it is not one of these.
  std::optional<int> IdOf(int qtTimerId) const;

 private:
  QObject& window_;
  std::map<int, int> timers_;  // the client's id -> Qt's timer id
};

}  // namespace kau::platform
