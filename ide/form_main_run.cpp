// The main window's Run and Make-executable commands and the error panel's
// close button.
#include <QKeyEvent>
#include <QPointer>
#include <string>

#include "ide/error_panel.h"
#include "ide/form_editor.h"
#include "ide/form_explorer.h"
#include "ide/form_main.h"
#include "ide/make_executable.h"
#include "ide/run_controller.h"

namespace kau::ide {

ErrorPanel TFormMain::errorPanel() const { return ErrorPanel(panelErros_, listErros_); }

bool TFormMain::running() const { return runController_ && runController_->running(); }

// The windows stay alive while the program runs on the console: the main
// window is minimized and disabled (its editors, dialogs and shortcuts with
// it) so that nothing starts a second run or changes the text meanwhile.
void TFormMain::Executar1Click() {
  if (!activeEditorWindow_ || !runController_ || running()) return;
  const QPointer<TFormEditor> editor = activeEditorWindow_;
  Qt::WindowStates savedState;
  bool explorerWasVisible = false;
  RunHooks hooks;
  hooks.prepare = [&] {
    errorPanel().clear();
    ExplorerNormal();
    savedState = windowState();
    explorerWasVisible = explorer_ && explorer_->isVisible();
    if (explorer_) explorer_->hide();
    MinimizeMainWindow();
    setEnabled(false);
    ExplorerOnTop();
  };
  // The panel paints at once, the main window with it: the line is marked
  // after that, so that its one special painting is the one the user sees.
  hooks.reportError = [&](const RunOutcome& outcome) {
    errorPanel().show(outcome.panelLines);
    if (outcome.errorLine > 0 && editor) {
      RichEditControl& control = editor->RichEdit1();
      const auto length = static_cast<int>(control.Lines().Get(outcome.errorLine - 1).size());
      // What is typed at the error line is undone apart from what came before.
      control.EndUndoGroup();
      control.SetCaretXY({length + 1, outcome.errorLine});
      editor->SetErrorLine(outcome.errorLine);
    }
  };
  // A window enabled again does not get back the focus it lost: the keys go
  // to the editor explicitly, the main window in front of the console.
  hooks.restore = [&] {
    setEnabled(true);
    setWindowState(savedState);
    show();
    if (explorer_) explorer_->setVisible(explorerWasVisible);
    FocusActiveEditor();
  };
  runController_->run(editor->RichEdit1().Lines().GetText(), hooks);
}

// While a program runs the main window is disabled, and a key typed at it
// would reach nothing: the console window, where the program reads, takes
// the keys as soon as the main window is activated (a click on it without a
// window manager, the task bar with one), and a key that came before that
// is typed there.
void TFormMain::takeKeysOfTheRun(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) runController_->giveConsoleTheKeys();
  if (event->type() == QEvent::KeyPress) runController_->typeInConsole(static_cast<QKeyEvent*>(event));
}

void TFormMain::MnCompilarGerarExecutavelClick() {
  TFormEditor* editor = activeEditorWindow_;
  if (!editor || running()) return;
  ErrorPanel panel = errorPanel();
  MakeExecutableHooks hooks;
  hooks.modified = editor->RichEdit1().Modified();
  hooks.askToSave = [this] { return AskToSaveBeforeMaking(this); };
  hooks.save = [this] { MnArquivoSalvarClick(); };
  hooks.explorerNormal = [this] { ExplorerNormal(); };
  hooks.explorerOnTop = [this] { ExplorerOnTop(); };
  hooks.text = [editor] { return editor->RichEdit1().Lines().GetText(); };
  hooks.fileName = [editor] { return editor->GetFileName(); };
  hooks.announceSuccess = [this] {
    ExplorerNormal();
    AnnounceExecutableMade(this);
    ExplorerOnTop();
  };
  MakeExecutable(panel, hooks);
}

void TFormMain::Button1Click() { errorPanel().hide(); }

}  // namespace kau::ide
