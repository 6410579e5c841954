#include "ide/form_main.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QStatusTipEvent>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "ide/art.h"
#include "ide/form_about.h"
#include "ide/form_editor.h"
#include "ide/form_explorer.h"
#include "ide/interface_texts.h"
#include "ide/picture_mdi_area.h"
#include "platform/qt/message_box.h"

namespace kau::ide {

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("FormMain");
  setWindowTitle(" Pascal KAU!");
  setWindowIcon(WindowIcon());
  buildMainMenu();
  buildPopupMenu();
  buildToolBar();
  buildCentre();
  buildStatusBar();
  connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
    if (auto* editor = qobject_cast<TFormEditor*>(window)) editor->FormActivate();
  });
  // The file dialogs' settings; the dialogs are made when they are shown.
  openDialog1_ = new QObject(this);
  openDialog1_->setObjectName("OpenDialog1");
  saveDialog1_ = new QObject(this);
  saveDialog1_->setObjectName("SaveDialog1");
  resize(601, 382);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  // No editor window is open yet.
  EnableEditorCommands(false);
  FormCreate();
  QApplication::instance()->installEventFilter(this);
}

// The children go after this window's own members: nothing they do on the
// way (an outside program's end, a window becoming active) may call back
// into it.
TFormMain::~TFormMain() {
  QApplication::instance()->removeEventFilter(this);
  for (QObject* child : findChildren<QObject*>()) child->disconnect(this);
}

QPixmap TFormMain::picture() const { return mdiArea_->picture(); }

QString TFormMain::statusPanelText(int panel) const { return statusPanels_[panel]->text(); }
void TFormMain::setStatusPanelText(int panel, const QString& text) { statusPanels_[panel]->setText(text); }

void TFormMain::setExplorer(TFormExplorer* explorer) {
  explorer_ = explorer;
  // The explorer is a window of its own: after the double click the main
  // window takes the keyboard back for the editor window that opened, and
  // the explorer stays in front of it, where a click reaches it again.
  connect(explorer_, &TFormExplorer::openFileRequested, this, [this](const QString& path) {
    ExplorerFileChosen(path);
    FocusActiveEditor();
  });
  connect(explorer_, &TFormExplorer::closed, this, [this] { btnTaloExplorer_->setChecked(false); });
}

// The window minimizes itself, so no application-wide minimize hook is
// needed.
void TFormMain::FormCreate() {
  QApplication::setApplicationName("Pascal KAU!");
  helpFile_ = QApplication::applicationDirPath() + "/KAU.HLP";
  ApplyInterfaceTexts(*this);
  ReadRecentFiles();
}

void TFormMain::FormShow() {
  if (editorWindowList_.isEmpty()) {
    NovoExecute();
    if (activeEditorWindow_) ativaEditor(activeEditorWindow_);
  }
  activateWindow();
}

void TFormMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_) {
    shownOnce_ = true;
    FormShow();
  }
}

// Status tips are this program's application hint: the long part of a
// control's hint while the mouse is over it, empty when it leaves.
bool TFormMain::event(QEvent* event) {
  if (event->type() == QEvent::StatusTip) {
    applicationHint_ = static_cast<QStatusTipEvent*>(event)->tip();
    ShowHint();
    return true;
  }
  if (event->type() == QEvent::WindowActivate) ShowHint();
  if (running() && !isEnabled()) takeKeysOfTheRun(event);
  return QMainWindow::event(event);
}

// A window manager gives the keys back to the window under a dialog that
// closes; without one they would go nowhere. A pop-up that closes may leave
// an activation that Qt dropped meanwhile.
bool TFormMain::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide) {
    auto* dialog = qobject_cast<QDialog*>(watched);
    QWidget* owner = dialog && dialog->isWindow() ? dialog->parentWidget() : nullptr;
    while (owner && owner != this) owner = owner->parentWidget();
    if (owner) QTimer::singleShot(0, this, &TFormMain::FocusAfterDialog);
    if (auto* widget = qobject_cast<QWidget*>(watched); widget && widget->windowType() == Qt::Popup)
      QTimer::singleShot(0, this, &TFormMain::TakeDroppedActivation);
  }
  return QMainWindow::eventFilter(watched, event);
}

void TFormMain::FocusAfterDialog() {
  if (!isVisible() || isMinimized() || running() || QApplication::activeModalWidget()) return;
  if (QWidget* active = QApplication::activeWindow(); active && active != this) return;
  FocusActiveEditor();
}

// Qt drops an activation that comes while a pop-up is open, such as the
// file dialog's completion list, which closes after its dialog: the X server
// gives a window the keys and Qt's window system knows it, but no widget has
// the focus, and asking the server again changes nothing.
void TFormMain::TakeDroppedActivation() {
  QWindow* focus = QGuiApplication::focusWindow();
  if (!focus || QApplication::activeWindow() || QApplication::activePopupWidget()) return;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->windowHandle() != focus) continue;
    QApplication::setActiveWindow(window);
    return;
  }
}

void TFormMain::ShowHint() { setStatusPanelText(2, applicationHint_); }

void TFormMain::EnableEditorCommands(bool enabled) {
  for (QAction* item : {mnEditarIrParaLinha_, mnEditarSelecionarTudo_, mnEditarLocalizar_, mnEditarSubstituir_,
                        mnEditarDesfazer_, mnArquivoImprimir_, mnArquivoSalvar_, mnArquivoSalvarComo_,
                        mnArquivoFechar_})
    item->setEnabled(enabled);
  mnCompilar_->menuAction()->setEnabled(enabled);
  for (QToolButton* button : {btnExecutar_, btnSalvar_, btnImprimir_, btnDesfazer_, btnRefazer_, btnLocalizar_})
    button->setEnabled(enabled);
  tabControl1_->setVisible(enabled);
}

void TFormMain::UpdateClipboardCommands(bool selectionNotEmpty) {
  btnColar_->setEnabled(true);
  mnEditarColar_->setEnabled(true);
  for (QToolButton* button : {btnRecortar_, btnCopiar_}) button->setEnabled(selectionNotEmpty);
  for (QAction* item : {mnEditarRecortar_, mnEditarCopiar_, popRecortar_, popCopiar_})
    item->setEnabled(selectionNotEmpty);
}

void TFormMain::ExplorerNormal() {
  if (explorer_) explorer_->setStayOnTop(false);
}

void TFormMain::ExplorerOnTop() {
  if (explorer_) explorer_->setStayOnTop(true);
}

void TFormMain::MinimizeMainWindow() { showMinimized(); }

void TFormMain::MnJanelaCascataClick() { mdiArea_->cascadeSubWindows(); }
void TFormMain::MnJanelaDividirHorizontalmenteClick() { mdiArea_->tileEditorWindows(Qt::Vertical); }
void TFormMain::MnJanelaLadoLadoClick() { mdiArea_->tileEditorWindows(Qt::Horizontal); }

// --- Explorer and about box -------------------------------------------------

void TFormMain::centreExplorer() {
  explorer_->move(geometry().center() - explorer_->rect().center());
}

void TFormMain::BtnTaloExplorerClick() {
  if (!explorer_) return;
  explorer_->lbUnidadeDisco()->setText("Unidades de Disco:");
  explorer_->btFechar()->setText("Fechar");
  explorer_->setWindowIcon(windowIcon());
  if (explorer_->isVisible()) {
    explorer_->hide();
  } else {
    centreExplorer();
    explorer_->show();
  }
  btnTaloExplorer_->setChecked(explorer_->isVisible());
}

void TFormMain::MnAjudaSobreClick() {
  ExplorerNormal();
  TFrmAbout about(this);
  about.setPicture(picture());
  about.exec();
  ExplorerOnTop();
}

// --- Quitting ---------------------------------------------------------------

void TFormMain::MnArquivoSairClick() { close(); }

// A running program is stopped from the console, not by quitting.
void TFormMain::closeEvent(QCloseEvent* event) {
  if (running()) {
    event->ignore();
    return;
  }
  FormClose(event);
}

void TFormMain::FormClose(QCloseEvent* event) {
  ExplorerNormal();
  if (!CloseEditorWindowsForQuit()) {
    ExplorerOnTop();
    event->ignore();
    return;
  }
  const bool quit =
      platform::ShowMessage(this, QMessageBox::Warning, "Deseja fechar o Pascal KAU?", QMessageBox::Yes | QMessageBox::No) ==
      QMessageBox::Yes;
  if (!quit) {
    ExplorerOnTop();
    event->ignore();
    return;
  }
  if (explorer_) explorer_->hide();
  event->accept();
}

}  // namespace kau::ide
