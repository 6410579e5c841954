#include "ide/external_tools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace kau::ide {

namespace {

struct ToolDescription {
  const char* caption;  // the menu item's caption
  QStringList programs;  // tried in order
};

ToolDescription describe(ExternalTool tool) {
  switch (tool) {
    case ExternalTool::kWindowsExplorer: return {"&Windows Explorer", {"xdg-open"}};
    case ExternalTool::kPromptMsDos: return {"&Prompt do MS-DOS", {"x-terminal-emulator", "xterm"}};
    case ExternalTool::kBlocoDeNotas: return {"&Bloco de Notas", {"gnome-text-editor", "gedit", "mousepad", "kate"}};
    case ExternalTool::kInternetExplorer: return {"&Internet Explorer", {"x-www-browser", "firefox-esr", "chromium"}};
    case ExternalTool::kCalculadora:
      return {"&Calculadora", {"gnome-calculator", "kcalc", "galculator", "xcalc"}};
    case ExternalTool::kLeiameTxt: return {"Leiame.txt", {"xdg-open"}};
  }
  return {"", {}};
}

bool startDetached(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  return process.startDetached();
}

}  // namespace

QString LeiameTxtPath() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {programDir.filePath("leiame.txt"), programDir.filePath("../share/pascalkau/leiame.txt")})
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
  return {};
}

std::optional<QString> StartExternalTool(ExternalTool tool) {
  const ToolDescription description = describe(tool);
  QStringList arguments;
  if (tool == ExternalTool::kWindowsExplorer) arguments << QDir::homePath();
  if (tool == ExternalTool::kLeiameTxt) arguments << LeiameTxtPath();
  const bool haveArguments = arguments.isEmpty() || !arguments.first().isEmpty();

  if (haveArguments) {
    for (const QString& name : description.programs) {
      const QString program = QStandardPaths::findExecutable(name);
      if (program.isEmpty()) continue;
      if (startDetached(program, arguments)) return std::nullopt;
      break;  // found but would not start
    }
  }
  return QString::fromUtf8("Não foi possível iniciar %1.").arg(QString::fromUtf8(description.caption).remove('&'));
}

}  // namespace kau::ide
