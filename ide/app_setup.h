// What the application object needs before any window exists.
#pragma once

class QApplication;

namespace kau::platform {
class QtPrinter;
}

namespace kau::ide {

// Qt's own dialogs instead of the desktop's, Qt's texts in Brazilian
// Portuguese (Sim, Não, Cancelar) when the translation is installed, and
// the program's icon on every window.
// It also installs the Qt printer as the process's printer.
void SetUpApplication(QApplication& app);

// The process's printer, for the print dialog. It lives until the process
// ends, never destroyed after the application object.
platform::QtPrinter& ApplicationPrinter();

}  // namespace kau::ide
