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
    case ExternalTool::kBlocoDeNotas: return {"&Bloco de Notas", {"gnome-text-editor", "gedit", "mousepad", "kate", "kwrite", "xed", "pluma", "featherpad"}};
    case ExternalTool::kInternetExplorer: return {"&Internet Explorer", {"x-www-browser", "firefox-esr", "chromium"}};
    case ExternalTool::kCalculadora:
      return {"&Calculadora", {"gnome-calculator", "kcalc", "galculator", "xcalc"}};
    case ExternalTool::kLeiameTxt: return {"Leiame.txt", {"xdg-open"}};
  }
  return {"", {}};
}

void withoutInputOrOutput(QProcess& process) {
  process.setStandardInputFile(QProcess::nullDevice());
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
}

bool startDetached(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  withoutInputOrOutput(process);
  return process.startDetached();
}

// xdg-open runs under a shell that waits for it and ends with its status.
// Freeing the watch (its owner going away, the IDE quitting) stops watching:
// no handler runs any more and only the shell is killed, so xdg-open and the
// viewer it waits for live on.
class OpenerWatch : public QProcess {
 public:
  using QProcess::QProcess;
  ~OpenerWatch() override {
    disconnect();
    if (state() == NotRunning) return;
    kill();
    waitForFinished();
  }
  void startUnderShell(const QString& opener, const QString& path) {
    start("/bin/sh", {"-c", "\"$0\" \"$1\"; exit $?", opener, path});
  }
};

QString failureText(ExternalTool tool) {
  return QString::fromUtf8("Não foi possível iniciar %1.").arg(QString::fromUtf8(describe(tool).caption).remove('&'));
}

}  // namespace

QString LeiameTxtPath() {
  const QDir programDir(QCoreApplication::applicationDirPath());
  for (const QString& candidate : {programDir.filePath("leiame.txt"), programDir.filePath("../share/pascalkau/leiame.txt")})
    if (QFileInfo(candidate).isFile()) return QFileInfo(candidate).absoluteFilePath();
  return {};
}

std::optional<QString> StartExternalTool(ExternalTool tool) {
  QStringList arguments;
  if (tool == ExternalTool::kWindowsExplorer) arguments << QDir::homePath();
  if (tool != ExternalTool::kLeiameTxt) {
    for (const QString& name : describe(tool).programs) {
      const QString program = QStandardPaths::findExecutable(name);
      if (program.isEmpty()) continue;
      if (startDetached(program, arguments)) return std::nullopt;
      break;  // found but would not start
    }
  }
  return failureText(tool);
}

// xdg-open is watched, not detached: it ends at once with a non-zero status
// when the desktop has no program for the file. It may also wait for the
// program it started, which then keeps the file open as long as it likes,
// also after the IDE has quit.
std::optional<QString> OpenLeiameTxt(QObject* owner, std::function<void(const QString& path)> openHere) {
  const QString path = LeiameTxtPath();
  if (path.isEmpty()) return failureText(ExternalTool::kLeiameTxt);
  const QString opener = QStandardPaths::findExecutable(describe(ExternalTool::kLeiameTxt).programs.first());
  if (opener.isEmpty()) {
    openHere(path);
    return std::nullopt;
  }
  auto* process = new OpenerWatch(owner);
  withoutInputOrOutput(*process);
  QObject::connect(process, &QProcess::finished, owner, [process, path, openHere](int code, QProcess::ExitStatus status) {
    process->deleteLater();
    if (status != QProcess::NormalExit || code != 0) openHere(path);
  });
  QObject::connect(process, &QProcess::errorOccurred, owner, [process, path, openHere](QProcess::ProcessError error) {
    if (error != QProcess::FailedToStart) return;
    process->deleteLater();
    openHere(path);
  });
  process->startUnderShell(opener, path);
  return std::nullopt;
}

}  // namespace kau::ide
