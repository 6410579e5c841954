#include "ide/display_check.h"

#include <cstdlib>

namespace kau::ide {

namespace {
bool IsSet(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}
}  // namespace

bool HasDisplay() { return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM"); }

const char* NoDisplayMessage() {
  return "O Pascal KAU! precisa de uma sessão gráfica (X11 ou Wayland) para abrir suas janelas.\n"
         "Para executar um programa no terminal, use: kauc run --console PROGRAMA.pas\n";
}

}  // namespace kau::ide
