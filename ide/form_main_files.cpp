// The file commands: New, Open, the recent files, Save, Save As, Close and
// Print. A save that fails or is refused changes nothing: the text stays
// marked as modified, the old file and the recent list stay, and the close
// questions ask again.
#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QPrintDialog>
#include <QToolButton>
#include <exception>

#include "ide/app_setup.h"
#include "ide/form_editor.h"
#include "ide/form_explorer.h"
#include "ide/form_main.h"
#include "platform/qt/message_box.h"
#include "platform/qt/qt_printer.h"
#include "text/code_pages.h"

namespace kau::ide {

namespace {

const QString kUntitled = "Untitled";
constexpr const char* kSkeleton[] = {"Program Talo ;", " Begin", "  ", " End."};

QString FromCp1252(const char* text) { return QString::fromStdString(text::cp1252ToUtf8(text)); }
std::string ToCp1252(const QString& text) { return text::cp1252(text.toStdString()); }
std::string FileNameOnDisk(const QString& name) { return QFile::encodeName(name).toStdString(); }

// Two windows on one file would each write over the other's text.
QString OpenElsewhereMessage(const QString& fileName) {
  return QString::fromUtf8(" O arquivo ") + fileName +
         QString::fromUtf8(" está aberto em outra janela. Feche-a antes de gravar por cima dele.");
}

QString ReplacedCharactersQuestion(const QString& fileName) {
  return QString::fromUtf8(" O arquivo ") + fileName +
         QString::fromUtf8(" tem caracteres que o Pascal KAU! não reconhece.\n"
                           " Eles aparecem como \"?\" e, ao salvar, serão substituídos por \"?\".\n"
                           " Deseja salvar mesmo assim?");
}

// "Arquivos Pascal (*.pas)|*.pas" as a Qt name filter that also lists the
// upper-case suffix, which Linux tells apart.
QString NameFilter(const QObject* dialogSettings) {
  const QStringList parts = dialogSettings->property("Filter").toString().split('|');
  const QString description = parts.value(0).section('(', 0, 0).trimmed();
  const QString pattern = parts.value(1);
  return description + " (" + pattern + " " + pattern.toUpper() + ")";
}

void SetUpFileDialog(QFileDialog& dialog, const QObject* settings) {
  dialog.setNameFilter(NameFilter(settings));
  dialog.setDefaultSuffix("pas");
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
}

}  // namespace

// --- The recent-files list ---------------------------------------------------

void TFormMain::ReadRecentFiles() {
  recentFiles_.Read();
  ShowRecentFiles();
}

// The items ARQ1-ARQ5 show the list; once it holds a file the submenu shows
// and the open button gets its drop-down.
void TFormMain::ShowRecentFiles() {
  for (int n = 1; n <= RecentFilesList::kEntries; ++n) {
    QAction* item = arq_[n - 1];
    item->setText(recentFiles_.MenuText(n));
    item->setData(recentFiles_.FileName(n));
    item->setVisible(recentFiles_.Visible(n));
  }
  if (!recentFiles_.HasEntries()) return;
  mnArquivoAbrirArquivo_->menuAction()->setVisible(true);
  btnAbrir_->setMenu(arquivosBotaoAbrir_);
  btnAbrir_->setPopupMode(QToolButton::MenuButtonPopup);
}

void TFormMain::UpdateRecentFiles(const QString& path) {
  recentFiles_.UpdateRecentFiles(path);  // an unwritable settings file is not reported
  ShowRecentFiles();
}

void TFormMain::arquivosBotaoAbrirPopup() {
  for (int n = 1; n <= RecentFilesList::kEntries; ++n) {
    const QAction* recent = arq_[n - 1];
    QAction* item = arqBotao_[n - 1];
    item->setText(recent->text());
    item->setData(recent->data());
    if (recentFiles_.Visible(n)) item->setVisible(true);
  }
}

void TFormMain::AbrirArquivo() {
  if (auto* item = qobject_cast<QAction*>(sender())) OpenRecentFile(item->data().toString());
}

void TFormMain::OpenRecentFile(const QString& name) {
  if (QFileInfo(name).isFile()) {
    if (OpenInEditor(name)) UpdateRecentFiles(activeEditorWindow_->GetFileName());
    return;
  }
  ExplorerNormal();
  platform::ShowMessage(this, QMessageBox::Information, FileNotFoundMessage(name));
  ExplorerOnTop();
}

// --- New and Open -------------------------------------------------------------

// A modified "Untitled" window, active or not, is saved first: New never
// drops its text, and stops while it stays unsaved.
void TFormMain::NovoExecute() {
  for (TFormEditor* editor : editorWindowList_) {
    if (editor->GetFileName() != kUntitled || !editor->RichEdit1().Modified()) continue;
    ativaEditor(editor);
    MnArquivoSalvarComoClick();
    if (editor->RichEdit1().Modified()) return;
    break;
  }
  if (!OpenInEditor(kUntitled) || !activeEditorWindow_) return;
  TFormEditor* editor = activeEditorWindow_;
  RichEditControl& edit = editor->RichEdit1();
  edit.Lines().Clear();
  for (const char* line : kSkeleton) edit.Lines().Add(line);
  edit.SetModified(false);
  setEditorTabTitle(editor, kUntitled);
  edit.SetCaretXY({4, 3});
  setStatusPanelText(0, QString::fromUtf8(" Linha 3 : Posição 4"));
}

void TFormMain::MnArquivoAbrirClick() {
  ExplorerNormal();
  QFileDialog dialog(this);
  SetUpFileDialog(dialog, openDialog1_);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString name = dialog.selectedFiles().first();
    if (QFileInfo(name).isFile()) {
      if (OpenInEditor(name)) UpdateRecentFiles(activeEditorWindow_->GetFileName());
    } else {
      platform::ShowMessage(this, QMessageBox::Information, FileNotFoundMessage(name));
    }
  }
  ExplorerOnTop();
  if (activeEditorWindow_) UpdateClipboardCommands(activeEditorWindow_);
}

// --- Save, Save As, Close ---------------------------------------------------

bool TFormMain::ConfirmReplacedCharacters(TFormEditor* editor) {
  editor::TSynEditStringList& lines = editor->RichEdit1().Lines();
  if (!lines.CharactersReplaced) return true;
  ExplorerNormal();
  const bool confirmed = platform::ShowMessage(this, QMessageBox::Information, ReplacedCharactersQuestion(editor->TabTitle()),
                                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  ExplorerOnTop();
  if (confirmed) lines.CharactersReplaced = false;
  return confirmed;
}

bool TFormMain::SaveEditorTo(TFormEditor* editor, const QString& name) {
  if (!ConfirmReplacedCharacters(editor)) return false;
  try {
    editor->RichEdit1().Lines().SaveToFile(FileNameOnDisk(name));
    return true;
  } catch (const std::exception& failure) {
    ExplorerNormal();
    platform::ShowMessage(this, QMessageBox::Critical,
                          QString::fromUtf8("Não foi possível salvar o arquivo ") + name + ".\n" + FromCp1252(failure.what()));
    ExplorerOnTop();
    return false;
  }
}

void TFormMain::MnArquivoSalvarClick() {
  TFormEditor* editor = activeEditorWindow_;
  if (!editor) return;
  if (editor->GetFileName() == kUntitled) {
    MnArquivoSalvarComoClick();
  } else {
    lastSaveSucceeded_ = SaveEditorTo(editor, editor->GetFileName());
    if (lastSaveSucceeded_) {
      if (explorer_) explorer_->fileWritten(editor->GetFileName());
      editor->RichEdit1().SetModified(false);
      UpdateRecentFiles(editor->GetFileName());
      editor->ShowModifiedMark();
    }
  }
  ativaEditor(editor);
}

void TFormMain::MnArquivoSalvarComoClick() {
  TFormEditor* editor = activeEditorWindow_;
  if (!editor) return;
  ExplorerNormal();
  QFileDialog dialog(this);
  SetUpFileDialog(dialog, saveDialog1_);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.selectFile(editor->GetFileName());
  lastSaveSucceeded_ = false;
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
    const QString name = QFileInfo(dialog.selectedFiles().first()).absoluteFilePath();
    // A file another window holds is not written: the later save of either
    // window would drop the other's text. The student is told before the
    // question to replace it, whose Sim would do nothing.
    const TFormEditor* holder = EditorWindowOf(name);
    const bool heldElsewhere = holder && holder != editor;
    if (heldElsewhere) platform::ShowMessage(this, QMessageBox::Information, OpenElsewhereMessage(QFileInfo(name).fileName()));
    lastSaveSucceeded_ = !heldElsewhere;
    if (lastSaveSucceeded_ && QFileInfo::exists(name)) {
      lastSaveSucceeded_ = platform::ShowMessage(this, QMessageBox::Information,
                                                 " Deseja substituir o arquivo " + QFileInfo(name).fileName() + "?",
                                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    // The window takes the new name only once its text is there.
    if (lastSaveSucceeded_) lastSaveSucceeded_ = SaveEditorTo(editor, name);
    if (lastSaveSucceeded_) {
      if (explorer_) explorer_->fileWritten(name);
      editor->SetFileName(name);
      editor->RichEdit1().SetModified(false);
      setEditorTabTitle(editor, editor->TabTitle());
      UpdateRecentFiles(name);
    }
  }
  ExplorerOnTop();
  ativaEditor(editor);
}

int TFormMain::AskToSaveModified(TFormEditor* editor) {
  lastSaveSucceeded_ = false;
  return platform::ShowMessage(this, QMessageBox::Information,
                               "O arquivo " + editor->GetFileName() +
                                   QString::fromUtf8(" ainda não foi salvo. \n Deseja salvar agora?"),
                               QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
}

void TFormMain::MnArquivoFecharClick() {
  TFormEditor* editor = activeEditorWindow_;
  if (!editor) return;
  if (!editor->RichEdit1().Modified()) {
    CloseEditorWindow();
    return;
  }
  ExplorerNormal();
  const int answer = AskToSaveModified(editor);
  ExplorerOnTop();
  if (answer == QMessageBox::Yes) {
    MnArquivoSalvarClick();
    if (lastSaveSucceeded_) CloseEditorWindow();
  } else if (answer == QMessageBox::No) {
    CloseEditorWindow();
  }
}

// --- Print --------------------------------------------------------------------

// The print object gets the active editor's lines, highlighter and font,
// titled with the file name; the dialog offers the printers and a PDF file.
void TFormMain::MnArquivoImprimirClick() {
  TFormEditor* editor = activeEditorWindow_;
  if (!editor) return;
  platform::QtPrinter& printer = ApplicationPrinter();
  printer.NameAfterProgram(editor->GetFileName() == kUntitled ? QString() : editor->GetFileName());
  ExplorerNormal();
  QPrintDialog dialog(&printer.Device(), this);
  dialog.setOptions(QAbstractPrintDialog::PrintToFile);
  if (dialog.exec() == QDialog::Accepted) {
    try {
      editor::TSynEditPrint& print = editor->SynEditPrint1();
      print.SetPrinter(&printer);
      print.SetSynEdit(editor->RichEdit1());
      print.Title = ToCp1252(editor->TabTitle());
      print.Print();
    } catch (const std::exception& failure) {
      platform::ShowMessage(this, QMessageBox::Critical, FromCp1252(failure.what()));
    }
  }
  ExplorerOnTop();
}

}  // namespace kau::ide
