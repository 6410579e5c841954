// Go to line: the question's texts and the move for an answer.
#pragma once

#include <QString>
#include <optional>

#include "editor/control/syn_edit.h"

class QWidget;

namespace kau::ide {

inline const char* const kGoToLineCaption = "Ir Para a Linha...";  // UTF-8
inline const char* const kGoToLinePrompt = "Entre o número da linha:";

// Puts the caret at column 2 of the answered line (a line beyond the last
// is the last). An answer that is not a 32-bit integer (blanks around it
// allowed) moves nothing and gives the message to show.
std::optional<QString> GoToLine(editor::TCustomSynEdit& editor, const QString& answer);

// The whole command: asks with the caret line as the default answer;
// Cancel changes nothing; a wrong answer is reported in an error box.
void AskGoToLine(QWidget* parent, editor::TCustomSynEdit& editor);

}  // namespace kau::ide
