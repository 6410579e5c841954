#include "platform/qt/guarded_event.h"

#include <exception>
#include <string>

#include "platform/window/system_services.h"

namespace kau::platform {

void RunGuarded(const std::function<void()>& work) {
  std::string failure;
  try {
    work();
    return;
  } catch (const std::exception& e) {
    failure = e.what();
  } catch (...) {
    failure = "Unknown exception";
  }
  try {
    System().ShowException(failure);
  } catch (...) {
    // Reporting failed too; nothing more can be done from an event handler.
  }
}

}  // namespace kau::platform
