#include "tests/x11_person/x11_person.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace kau::testing {

bool XDoTool(const std::string& arguments) { return std::system(("xdotool " + arguments).c_str()) == 0; }

bool WaitUntil(const std::function<bool()>& done, double seconds) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return true;
}

std::string VisibleWindow(const std::string& titlePattern, double seconds) {
  std::string id;
  WaitUntil(
      [&] {
        const std::string command = "xdotool search --onlyvisible --name '" + titlePattern + "' 2>/dev/null";
        const std::unique_ptr<FILE, int (*)(FILE*)> out(::popen(command.c_str(), "r"), ::pclose);
        if (!out) return false;
        char line[64] = {};
        if (!std::fgets(line, sizeof line, out.get())) return false;
        id = line;
        while (!id.empty() && (id.back() == '\n' || id.back() == '\r')) id.pop_back();
        return !id.empty();
      },
      seconds);
  return id;
}

}  // namespace kau::testing
