#include "ide/go_to_line.h"

#include <algorithm>

#include "text/int_text.h"

namespace kau::ide {

std::optional<QString> GoToLine(editor::TCustomSynEdit& editor, const QString& answer) {
  const std::optional<std::int32_t> line = text::StrToInt(answer.trimmed().toStdString());
  if (!line) return QStringLiteral("'") + answer + QString::fromUtf8("' não é um valor inteiro válido.");
  // The control keeps the caret within its lines and columns.
  editor.SetCaretXY({2, std::min(*line, editor.LineCount())});
  return std::nullopt;
}

}  // namespace kau::ide
