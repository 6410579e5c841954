#include "ide/make_executable.h"

#include <QFile>

#include "ide/error_panel.h"
#include "interpreter/entry_points.h"
#include "platform/qt/message_box.h"

namespace kau::ide {

namespace {
void Call(const std::function<void()>& hook) {
  if (hook) hook();
}
}  // namespace

MakeExecutableResult MakeExecutable(ErrorPanel& panel, const MakeExecutableHooks& hooks) {
  panel.show({QStringLiteral("Gerando execut\u00E1vel...")});
  SaveAnswer answer = SaveAnswer::No;
  Call(hooks.explorerNormal);
  if (hooks.modified) {
    if (hooks.askToSave) answer = hooks.askToSave();
    Call(hooks.explorerOnTop);
    if (answer == SaveAnswer::Yes) Call(hooks.save);
  }
  if (answer == SaveAnswer::Cancel) {
    panel.hide();
    return MakeExecutableResult::Cancelled;
  }
  Call(hooks.explorerOnTop);
  const std::string source = hooks.text ? hooks.text() : std::string();
  if (source.empty()) return MakeExecutableResult::EmptyText;
  const QByteArray path = QFile::encodeName(hooks.fileName ? hooks.fileName() : QString());
  if (CompileAndGenerateExecutable(source.c_str(), path.constData()) != 0) {
    panel.showErrorText(GetCompileErrorText());
    return MakeExecutableResult::Failed;
  }
  Call(hooks.announceSuccess);
  panel.hide();
  return MakeExecutableResult::Made;
}

SaveAnswer AskToSaveBeforeMaking(QWidget* parent) {
  switch (platform::ShowMessage(parent, QMessageBox::Information,
                                QStringLiteral("O programa ainda n\u00E3o foi salvo. \n Deseja salvar antes de executar?"),
                                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return SaveAnswer::Yes;
    case QMessageBox::No: return SaveAnswer::No;
    default: return SaveAnswer::Cancel;  // also the close box and Escape
  }
}

void AnnounceExecutableMade(QWidget* parent) {
  platform::ShowMessage(parent, QMessageBox::Information, QStringLiteral("O arquivo execut\u00E1vel foi gerado com sucesso!"));
}

}  // namespace kau::ide
