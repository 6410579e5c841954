// The Ferramentas menu's other programs, found on PATH and started
// detached: nothing waits for them; and Leiame.txt, opened by the desktop's
// program for it or else by the caller (the IDE is a text editor too).
#pragma once

#include <functional>
#include <optional>

#include <QObject>
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
// the menu caption without "&" + ".". Leiame.txt goes through OpenLeiameTxt.
std::optional<QString> StartExternalTool(ExternalTool tool);

// Opens our leiame.txt with xdg-open. When xdg-open is missing, does not
// start, or ends reporting that no program could open the file, `openHere`
// gets the file's path; that may happen later, while `owner` lives. When
// `owner` goes first, xdg-open is left running, no longer watched. The
// failure text when there is no leiame.txt.
std::optional<QString> OpenLeiameTxt(QObject* owner, std::function<void(const QString& path)> openHere);

// Our own leiame.txt: beside the program, else in ../share/pascalkau;
// empty when neither exists.
QString LeiameTxtPath();

}  // namespace kau::ide
