#include "ide/go_to_line.h"

#include <QApplication>
#include <QInputDialog>
#include <algorithm>

#include "platform/qt/message_box.h"
#include "text/int_text.h"

namespace kau::ide {

std::optional<QString> GoToLine(editor::TCustomSynEdit& editor, const QString& answer) {
  const std::optional<std::int32_t> line = text::StrToInt(answer.trimmed().toStdString());
  if (!line) return QStringLiteral("'") + answer + QString::fromUtf8("' não é um valor inteiro válido.");
  // Typing at the new line is undone on its own, as after a caret key. The
  // control keeps the caret within its lines and columns.
  editor.EndUndoGroup();
  editor.SetCaretXY({2, std::min(*line, editor.LineCount())});
  return std::nullopt;
}

void AskGoToLine(QWidget* parent, editor::TCustomSynEdit& editor) {
  QInputDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("GoToLineDialog"));
  dialog.setWindowTitle(QString::fromUtf8(kGoToLineCaption));
  dialog.setLabelText(QString::fromUtf8(kGoToLinePrompt));
  dialog.setTextValue(QString::number(editor.CaretY()));
  if (dialog.exec() != QDialog::Accepted) return;
  if (const auto message = GoToLine(editor, dialog.textValue()))
    platform::ShowMessage(parent, QMessageBox::Critical, *message, QMessageBox::Ok, QApplication::applicationName());
}

}  // namespace kau::ide
