// The main window's editor windows: opening, activating, cycling, tabs,
// window-list items, closing, the commands that need an editor, and the
// questions about unsaved files when quitting.
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QTabBar>
#include <QTimer>
#include <QToolButton>

#include "editor/model/exceptions.h"
#include "ide/editor_control_host.h"
#include "ide/form_editor.h"
#include "ide/form_explorer.h"
#include "ide/form_main.h"
#include "ide/literal_caption.h"
#include "ide/picture_mdi_area.h"
#include "platform/qt/message_box.h"
#include "text/code_pages.h"

namespace kau::ide {

namespace {
const QString kUntitled = "Untitled";

QString FromCp1252(const std::string& text) { return QString::fromStdString(text::cp1252ToUtf8(text)); }

// One file on disk, whatever path reaches it: through a link to it or to a
// folder on its way, or with "." and "..". A file that is gone is known by
// its path alone.
bool SameFile(const QString& a, const QString& b) {
  if (a == b) return true;
  if (a == kUntitled || b == kUntitled) return false;
  const QString canonical = QFileInfo(a).canonicalFilePath();
  return !canonical.isEmpty() && canonical == QFileInfo(b).canonicalFilePath();
}

// An editor window's tab stands at its place in the list, so the place is an
// int, as the tab bar's indexes are.
int TabOf(const QList<TFormEditor*>& windows, TFormEditor* editor) { return static_cast<int>(windows.indexOf(editor)); }
}  // namespace

TFormEditor* TFormMain::EditorWindowOf(const QString& name) const {
  for (TFormEditor* editor : editorWindowList_)
    if (SameFile(editor->GetFileName(), name)) return editor;
  return nullptr;
}

bool TFormMain::OpenInEditor(const QString& given) {
  const QString name = given == kUntitled ? given : QFileInfo(given).absoluteFilePath();
  if (TFormEditor* editor = EditorWindowOf(name)) {
    ativaEditor(editor);
    return true;
  }
  // The file is read before the window joins anything: a file that cannot
  // be read leaves no window, tab or list entry behind.
  auto editor = std::make_unique<TFormEditor>(*this);
  if (name != kUntitled) {
    try {
      editor->RichEdit1().Lines().LoadFromFile(QFile::encodeName(name).toStdString());
    } catch (const editor::Exception& failure) {
      ExplorerNormal();
      platform::ShowMessage(this, QMessageBox::Critical,
                            QString::fromUtf8("Não foi possível abrir o arquivo ") + name + ".\n" + FromCp1252(failure.what()));
      ExplorerOnTop();
      return false;
    }
  }
  EnableEditorCommands(true);
  TFormEditor* window = editor.release();
  mdiArea_->addSubWindow(window);
  window->FormCreate();
  window->RichEdit1().SetShowBracketPair(!btnShowBracket_->isChecked());
  window->RichEdit1().SetShowStrutureLine(!btnShowStruture_->isChecked());
  window->RichEdit1().Gutter().SetVisible(!btnShowGutter_->isChecked());
  UpdateClipboardCommands(window);
  window->showMaximized();
  window->SetFileName(name);
  window->RichEdit1().SetModified(false);
  window->setWindowIcon(windowIcon());
  setStatusPanelText(1, QString::fromUtf8("CRTL+ESPAÇO para templates"));
  editorWindowList_.append(window);
  addEditorTab(window->TabTitle());
  barraBotoesEditor_->show();
  if (editorWindowList_.size() >= 2) {
    btnProxEditor_->setEnabled(true);
    btnPrevEditor_->setEnabled(true);
  }
  ativaEditor(window);
  return true;
}

void TFormMain::ativaEditor(TFormEditor* editor) {
  activeEditorWindow_ = editor;
  if (editor->isMinimized()) ShowMinimizedEditor(editor);
  mdiArea_->setActiveSubWindow(editor);
  editor->show();
  editor->Host().setFocus(Qt::OtherFocusReason);
  selectEditorTab(editor);
}

void TFormMain::ShowMinimizedEditor(TFormEditor* editor) {
  bool othersShown = false, maximized = false;
  for (TFormEditor* other : editorWindowList_) {
    if (other == editor || other->isMinimized()) continue;
    othersShown = true;
    maximized = maximized || other->isMaximized();
  }
  if (!othersShown) maximized = editor->MaximizedWhenMinimized();
  if (maximized)
    editor->showMaximized();
  else
    editor->showNormal();
}

// The area may activate the next window by itself, as the keys leave the
// minimized one, or not: either way that window takes its place.
void TFormMain::EditorWindowMinimized(TFormEditor* editor) {
  if (editor != activeEditorWindow_) return;
  QTimer::singleShot(0, this, [this, minimized = QPointer<TFormEditor>(editor)] {
    if (!minimized || !minimized->isMinimized()) return;
    TFormEditor* next = activeEditorWindow_ != minimized ? activeEditorWindow_ : nullptr;
    const QList<QMdiSubWindow*> recent = mdiArea_->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto window = recent.rbegin(); !next && window != recent.rend(); ++window) {
      auto* shown = qobject_cast<TFormEditor*>(*window);
      if (shown && shown != minimized && !shown->isMinimized() && editorWindowList_.contains(shown)) next = shown;
    }
    if (!next || next->isMinimized()) return;
    // As after a closing, the window in its place is maximized when it was.
    if (minimized->MaximizedWhenMinimized()) next->showMaximized();
    ativaEditor(next);
  });
}

void TFormMain::FocusActiveEditor() {
  raise();
  activateWindow();
  // Without a window manager nothing keeps the explorer, a window of its
  // own, above this one.
  if (explorer_ && explorer_->isVisible()) explorer_->raise();
  if (activeEditorWindow_) ativaEditor(activeEditorWindow_);
}

void TFormMain::ActivateEditorAt(qsizetype index) {
  if (index >= 0 && index < editorWindowList_.size()) ativaEditor(editorWindowList_[index]);
}

void TFormMain::NextEditor() {
  const qsizetype i = editorWindowList_.indexOf(activeEditorWindow_);
  ActivateEditorAt(i + 1 < editorWindowList_.size() ? i + 1 : 0);
}

void TFormMain::PreviousEditor() {
  const qsizetype i = editorWindowList_.indexOf(activeEditorWindow_);
  ActivateEditorAt(i >= 1 ? i - 1 : editorWindowList_.size() - 1);
}

void TFormMain::btnProxEditorClick() { NextEditor(); }
void TFormMain::btnPrevEditorClick() { PreviousEditor(); }
void TFormMain::btnCloseEditorClick() { MnArquivoFecharClick(); }

void TFormMain::TabControl1Change(int index) { ActivateEditorAt(index); }

// A click on the selected tab changes no tab: it still brings its window
// back when that is minimized, and gives it the keys.
void TFormMain::TabControl1Click(int index) {
  if (index == tabControl1_->currentIndex()) ActivateEditorAt(index);
}

void TFormMain::selectEditorTab(TFormEditor* editor) {
  const int index = TabOf(editorWindowList_, editor);
  if (index >= 0 && index < tabControl1_->count()) tabControl1_->setCurrentIndex(index);
}

void TFormMain::setEditorTabTitle(TFormEditor* editor, const QString& title) {
  const int index = TabOf(editorWindowList_, editor);
  if (index >= 0 && index < tabControl1_->count()) tabControl1_->setTabText(index, LiteralCaption(title));
}

void TFormMain::ActivateWindowListItem(bool fromPopup, QObject* item) {
  for (TFormEditor* editor : editorWindowList_) {
    if ((fromPopup ? editor->PopupListItem() : editor->WindowListItem()) == item) {
      ativaEditor(editor);
      return;
    }
  }
}

void TFormMain::janelasEditor1Click() { ActivateWindowListItem(false, sender()); }
void TFormMain::janelasEditorPopupClick() { ActivateWindowListItem(true, sender()); }

void TFormMain::CloseEditorWindow() {
  TFormEditor* editor = activeEditorWindow_;
  if (!editor) return;
  const int index = TabOf(editorWindowList_, editor);
  const bool wasMaximized = editor->isMaximized();
  editorWindowList_.removeAt(index);
  activeEditorWindow_ = nullptr;
  {
    const QSignalBlocker quiet(tabControl1_);
    tabControl1_->removeTab(index);
  }
  UpdateClipboardCommands(editor);
  editor->FreeWindowListItems();
  // The close box and the icon's menu get here inside the window's own event
  // handling: it leaves the area at once and is freed once that is over,
  // held by this window meanwhile.
  mdiArea_->removeSubWindow(editor);
  editor->setParent(this);
  editor->deleteLater();
  if (editorWindowList_.isEmpty()) {
    EnableEditorCommands(false);
    for (QToolButton* button : {btnRecortar_, btnCopiar_, btnColar_}) button->setEnabled(false);
    for (QAction* item : {mnEditarRecortar_, mnEditarCopiar_, mnEditarColar_}) item->setEnabled(false);
    setStatusPanelText(0, " ");
    setStatusPanelText(1, " ");
    barraBotoesEditor_->hide();
    return;
  }
  // The area maximizes a newly active window only while the window before it
  // is there and maximized; this one is gone.
  if (wasMaximized) editorWindowList_.first()->showMaximized();
  ActivateEditorAt(0);
  if (editorWindowList_.size() == 1) {
    btnProxEditor_->setEnabled(false);
    btnPrevEditor_->setEnabled(false);
  }
}

void TFormMain::UpdateClipboardCommands(TFormEditor* editor) {
  UpdateClipboardCommands(editor && editor->RichEdit1().SelAvail());
}

void TFormMain::ExplorerFileChosen(const QString& path) {
  if (OpenInEditor(path)) UpdateRecentFiles(activeEditorWindow_->GetFileName());
}

void TFormMain::MnEditarSelecionarTudoClick() {
  if (!activeEditorWindow_) return;
  // As the control's own key does: typing after it starts a new undo group.
  activeEditorWindow_->RichEdit1().CommandProcessor(editor::ecSelectAll, '\0', nullptr);
  UpdateClipboardCommands(activeEditorWindow_);
}

void TFormMain::MnJanelaEditorClassicoClick() {
  if (activeEditorWindow_) activeEditorWindow_->ApplyEditorStyle(TFormEditor::StyleClassic);
  mnJanelaEditorClassico_->setChecked(true);
  mnJanelaEditorModerno_->setChecked(false);
}

void TFormMain::MnJanelaEditorModernoClick() {
  if (activeEditorWindow_) activeEditorWindow_->ApplyEditorStyle(TFormEditor::StyleModern);
  mnJanelaEditorClassico_->setChecked(false);
  mnJanelaEditorModerno_->setChecked(true);
}

bool TFormMain::CloseEditorWindowsForQuit() {
  while (!editorWindowList_.isEmpty()) {
    TFormEditor* editor = activeEditorWindow_ ? activeEditorWindow_ : editorWindowList_.first();
    activeEditorWindow_ = editor;
    if (!editor->RichEdit1().Modified()) {
      CloseEditorWindow();
      continue;
    }
    ativaEditor(editor);
    const int answer = AskToSaveModified(editor);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::Yes) {
      MnArquivoSalvarClick();
      if (!lastSaveSucceeded_) continue;
    }
    CloseEditorWindow();
  }
  return true;
}

}  // namespace kau::ide
