#include "platform/console/console.h"

namespace kau::console {

std::atomic<bool>& interruptFlag() {
  static std::atomic<bool> flag{false};
  return flag;
}

}  // namespace kau::console
