// The main window's Editar commands on the active editor window: undo, redo,
// the clipboard, find, replace and go to line. With no editor open each
// command, and each button of an open find or replace dialog, does nothing.
#include <QAction>
#include <string>

#include "ide/form_editor.h"
#include "ide/form_main.h"
#include "ide/go_to_line.h"
#include "ide/search_dialogs.h"
#include "ide/text_search.h"
#include "text/code_pages.h"

namespace kau::ide {

namespace {
RichEditControl* ActiveControl(const TFormMain& main) {
  TFormEditor* editor = main.ActiveEditorWindow();
  return editor ? &editor->RichEdit1() : nullptr;
}

QString FromCp1252(const std::string& text) { return QString::fromStdString(text::cp1252ToUtf8(text)); }

}  // namespace

// Find and Replace open their dialog over the active editor, a non-empty
// selection as its search text; it stays open while the user works.
void TFormMain::ShowSearchDialog(SearchDialog* (*dialogOf)(TFormMain&)) {
  RichEditControl* control = ActiveControl(*this);
  if (!control) return;
  ExplorerNormal();
  SearchDialog* dialog = dialogOf(*this);
  if (control->SelAvail()) dialog->setFindText(FromCp1252(control->SelText()));
  dialog->show();
  dialog->raise();
  dialog->activateWindow();
  ExplorerOnTop();
}

void TFormMain::MnEditarDesfazerClick() {
  if (RichEditControl* control = ActiveControl(*this)) control->Undo();
}

void TFormMain::MnEditarRefazerClick() {
  if (RichEditControl* control = ActiveControl(*this)) control->Redo();
}

void TFormMain::MnEditarRecortarClick() {
  RichEditControl* control = ActiveControl(*this);
  if (!control || !control->SelAvail()) return;
  control->CutToClipboard();
  UpdateClipboardCommands(activeEditorWindow_);
}

void TFormMain::MnEditarCopiarClick() {
  RichEditControl* control = ActiveControl(*this);
  if (control && control->SelAvail()) control->CopyToClipboard();
}

void TFormMain::MnEditarColarClick() {
  if (RichEditControl* control = ActiveControl(*this)) control->PasteFromClipboard();
}

void TFormMain::PopRecortarClick() {
  if (RichEditControl* control = ActiveControl(*this)) control->CutToClipboard();
}

void TFormMain::PopCopiarClick() {
  if (RichEditControl* control = ActiveControl(*this)) control->CopyToClipboard();
}

void TFormMain::PopColarClick() {
  if (RichEditControl* control = ActiveControl(*this)) control->PasteFromClipboard();
}

// --- Find and replace --------------------------------------------------------

TFindDialog* TFormMain::FindDialog1() {
  if (!findDialog1_) {
    findDialog1_ = new TFindDialog(this);
    connect(findDialog1_, &SearchDialog::findNext, this, &TFormMain::FindDialog1Find);
    connect(findDialog1_, &SearchDialog::dialogShown, this, &TFormMain::FindDialog1Show);
    connect(findDialog1_, &SearchDialog::dialogClosed, this, &TFormMain::FindDialog1Close);
  }
  return findDialog1_;
}

TReplaceDialog* TFormMain::ReplaceDialog1() {
  if (!replaceDialog1_) {
    replaceDialog1_ = new TReplaceDialog(this);
    connect(replaceDialog1_, &SearchDialog::findNext, this, &TFormMain::ReplaceDialog1Find);
    connect(replaceDialog1_, &TReplaceDialog::replace, this, &TFormMain::ReplaceDialog1Replace);
    connect(replaceDialog1_, &SearchDialog::dialogShown, this, &TFormMain::FindDialog1Show);
    connect(replaceDialog1_, &SearchDialog::dialogClosed, this, &TFormMain::FindDialog1Close);
  }
  return replaceDialog1_;
}

void TFormMain::MnEditarLocalizarClick() {
  ShowSearchDialog([](TFormMain& main) -> SearchDialog* { return main.FindDialog1(); });
}

void TFormMain::MnEditarSubstituirClick() {
  ShowSearchDialog([](TFormMain& main) -> SearchDialog* { return main.ReplaceDialog1(); });
}

// A search text with a character the editor's code page lacks occurs
// nowhere, so it finds nothing.
void TFormMain::FindDialog1Find() {
  RichEditControl* control = ActiveControl(*this);
  const std::optional<std::string> pattern = EditorText(FindDialog1()->findText());
  if (control && pattern) FindNext(*control, *pattern, FindDialog1()->matchCase());
}

// The match case is the one last left in the find dialog.
void TFormMain::ReplaceDialog1Find() {
  FindDialog1()->setFindText(ReplaceDialog1()->findText());
  FindDialog1Find();
}

void TFormMain::ReplaceDialog1Replace(bool all) {
  FindDialog1()->setFindText(ReplaceDialog1()->findText());
  RichEditControl* control = ActiveControl(*this);
  const std::optional<std::string> pattern = EditorText(ReplaceDialog1()->findText());
  const std::optional<std::string> replacement = EditorText(ReplaceDialog1()->replaceText());
  if (control && pattern && replacement) Replace(*control, *pattern, *replacement, FindDialog1()->matchCase(), all);
}

void TFormMain::FindDialog1Show() {
  if (RichEditControl* control = ActiveControl(*this)) ApplySearchSelectionColor(*control, true);
}

void TFormMain::FindDialog1Close() {
  if (RichEditControl* control = ActiveControl(*this)) ApplySearchSelectionColor(*control, false);
}

// --- Go to line -------------------------------------------------------------

void TFormMain::MnEditarIrParaLinhaClick() {
  RichEditControl* control = ActiveControl(*this);
  if (!control) return;
  ExplorerNormal();
  AskGoToLine(this, *control);
  ExplorerOnTop();
}

}  // namespace kau::ide
