// The windows' message boxes. Their texts hold file names, a student's typed
// answer and the system's messages, which Qt would take as markup whenever
// they look like it ("<b>x</b>.pas", "a<b.pas"), dropping their line breaks
// too: every box shows its text as plain text.
#pragma once

#include <QMessageBox>
#include <QString>

namespace kau::platform {

// A modal box with `text` shown as it is; the button pressed.
int ShowMessage(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                const QString& title = QStringLiteral("Pascal KAU!"));

}  // namespace kau::platform
