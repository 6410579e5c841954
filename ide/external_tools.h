// The Ferramentas menu's other programs (and Leiame.txt), found on PATH and
// started detached: nothing waits for them.
#pragma once

#include <optional>

#include <QString>

namespace kau::ide {

enum class ExternalTool {
  kWindowsExplorer,
  kPromptMsDos,
  kBlocoDeNotas,
  kInternetExplorer,
  kCalculadora,
  kLeiameTxt,
};

// Starts the first of the tool's programs found on PATH, its output sent to
// /dev/null. On failure, the text to show: "Não foi possível iniciar " +
// the menu caption without "&" + ".".
std::optional<QString> StartExternalTool(ExternalTool tool);

// Our own leiame.txt: beside the program, else in ../share/pascalkau;
// empty when neither exists.
QString LeiameTxtPath();

}  // namespace kau::ide
