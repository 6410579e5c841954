// The editor window's keys and mouse: the status bar, the "*" mark, the
// help on the word under the caret, the Ctrl shortcuts of the main window's
// commands and the caret's snap on Up and Down.
#include <QString>

#include "ide/form_editor.h"
#include "ide/form_main.h"
#include "platform/virtual_keys.h"
#include "text/code_pages.h"

namespace kau::ide {

namespace {

struct CtrlCommand {
  char letter;
  void (TFormMain::*command)();
  bool consumed;
};

constexpr CtrlCommand kCtrlCommands[] = {
    {'O', &TFormMain::NovoExecute, false},
    {'A', &TFormMain::MnArquivoAbrirClick, true},
    {'S', &TFormMain::MnArquivoSalvarClick, true},
    {'P', &TFormMain::MnArquivoImprimirClick, false},
    {'R', &TFormMain::MnEditarRefazerClick, true},
    {'T', &TFormMain::MnEditarSelecionarTudoClick, true},
    {'L', &TFormMain::MnEditarLocalizarClick, false},
    {'U', &TFormMain::MnEditarSubstituirClick, false},
    {'I', &TFormMain::MnEditarIrParaLinhaClick, false},
};

// Ctrl+letter without Shift: with Shift the letter is the control's own
// block command (Shift+Ctrl+I indents, +U unindents, +L selects lines).
const CtrlCommand* CtrlCommandOf(std::uint16_t key, TShiftState shift) {
  if (!shift.Contains(ssCtrl) || shift.Contains(ssShift)) return nullptr;
  for (const CtrlCommand& entry : kCtrlCommands)
    if (key == static_cast<std::uint16_t>(entry.letter)) return &entry;
  return nullptr;
}

// Blank: nothing left once blanks and control characters are cut off.
bool IsBlank(const std::string& line) {
  for (char c : line)
    if (static_cast<unsigned char>(c) > ' ') return false;
  return true;
}

}  // namespace

bool TFormEditor::ClaimsKey(std::uint16_t key, TShiftState shift) {
  const bool plain = !shift.Contains(ssCtrl) && !shift.Contains(ssAlt);
  return ((key == VK_F1 || key == VK_F9) && plain) || CtrlCommandOf(key, shift);
}

bool TFormEditor::TypesNothing(std::uint16_t key, TShiftState shift) { return CtrlCommandOf(key, shift) != nullptr; }

void TFormEditor::RichEdit1KeyDown(std::uint16_t& key, TShiftState shift) {
  if (key == VK_F1) {
    main_.HelpJump(QString::fromStdString(text::cp1252ToUtf8(richEdit1_->GetWordAtCursor())));
    return;
  }
  if (const CtrlCommand* entry = CtrlCommandOf(key, shift)) {
    (main_.*entry->command)();
    if (entry->consumed) key = 0;
    return;
  }
  if (shift.Contains(ssCtrl)) return;
  const bool extend = shift.Contains(ssShift);
  if (key == VK_DOWN && richEdit1_->CaretY() < richEdit1_->LineCount())
    SnapCaretTo(richEdit1_->CaretY() + 1, extend);
  else if (key == VK_UP && richEdit1_->CaretY() >= 2)
    SnapCaretTo(richEdit1_->CaretY() - 1, extend);
}

void TFormEditor::SnapCaretTo(int targetLine, bool extendSelection) {
  const std::string target = richEdit1_->LineText(targetLine);
  const int length = static_cast<int>(target.size());
  if (length >= richEdit1_->CaretX() || IsBlank(target)) return;
  if (!extendSelection) {
    richEdit1_->SetCaretX(length + 1);
    return;
  }
  // The anchor stays; the moving end goes with the caret.
  const editor::TPoint anchor = richEdit1_->SelAvail() ? richEdit1_->RawBlockBegin() : richEdit1_->CaretXY();
  const editor::TPoint caret{length + 1, richEdit1_->CaretY()};
  richEdit1_->SetCaretAndSelection(caret, anchor, caret);
}

void TFormEditor::RichEdit1KeyUp(std::uint16_t& key, TShiftState shift) {
  ShowCaretPosition();
  main_.UpdateClipboardCommands(this);
  if (key == VK_F9 && !shift.Contains(ssCtrl) && !shift.Contains(ssAlt)) main_.Executar1Click();
  if (richEdit1_->Modified()) ShowModifiedMark();
}

void TFormEditor::RichEdit1MouseDown() {
  ShowCaretPosition();
  main_.UpdateClipboardCommands(this);
}

void TFormEditor::RichEdit1MouseUp() {
  ShowCaretPosition();
  main_.UpdateClipboardCommands(this);
}

void TFormEditor::RichEdit1MouseMove() {
  main_.setStatusPanelText(2, " Cursor na palavra + F1 para abrir ajuda");
}

}  // namespace kau::ide
