#include "tests/x11_person/x11_person.h"

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace kau::testing {

bool XDoTool(const std::string& arguments) { return std::system(("xdotool " + arguments).c_str()) == 0; }

std::string VisibleWindow(const std::string& titlePattern) {
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
      });
  return id;
}

}  // namespace kau::testing
