// What the application object needs before any window exists.
#pragma once

class QApplication;

namespace kau::ide {

// Qt's own dialogs instead of the desktop's, Qt's texts in Brazilian
// Portuguese (Sim, Não, Cancelar) when the translation is installed, and
// the program's icon on every window.
void SetUpApplication(QApplication& app);

}  // namespace kau::ide
