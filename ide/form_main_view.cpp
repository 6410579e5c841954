// The view switches, the font size, the other programs and help. A switch
// that is down hides its feature on every editor window; new windows take
// the switches when they open.
#include <QToolButton>
#include <algorithm>

#include "ide/form_editor.h"
#include "ide/form_main.h"
#include "ide/help_window.h"
#include "platform/qt/message_box.h"

namespace kau::ide {

namespace {
// Below 6 points the character cells lose their measures.
constexpr int kSmallestFontSize = 6;
constexpr int kLargestFontSize = 72;
}  // namespace

void TFormMain::ApplySwitchToEditors(const QToolButton* viewSwitch, void (*apply)(TFormEditor&, bool shown)) {
  const bool shown = !viewSwitch->isChecked();
  for (TFormEditor* editor : editorWindowList_) apply(*editor, shown);
}

void TFormMain::btnShowGutterClick() {
  ApplySwitchToEditors(btnShowGutter_, [](TFormEditor& e, bool shown) { e.RichEdit1().Gutter().SetVisible(shown); });
}

void TFormMain::btnShowStrutureClick() {
  ApplySwitchToEditors(btnShowStruture_, [](TFormEditor& e, bool shown) { e.RichEdit1().SetShowStrutureLine(shown); });
}

void TFormMain::btnShowBracketClick() {
  ApplySwitchToEditors(btnShowBracket_, [](TFormEditor& e, bool shown) { e.RichEdit1().SetShowBracketPair(shown); });
}

void TFormMain::ChangeFontSize(int delta) {
  if (!activeEditorWindow_) return;
  editor::TFont& font = activeEditorWindow_->RichEdit1().Font();
  font.SetSize(std::clamp(font.Size() + delta, kSmallestFontSize, kLargestFontSize));
}

void TFormMain::btnAumentarFonteClick() { ChangeFontSize(+1); }
void TFormMain::btnReduzirFonteClick() { ChangeFontSize(-1); }

// --- Other programs -------------------------------------------------------------

void TFormMain::StartTool(ExternalTool tool) {
  if (const std::optional<QString> failure = StartExternalTool(tool)) ShowToolFailure(*failure);
}

void TFormMain::ShowToolFailure(const QString& failure) {
  ExplorerNormal();
  platform::ShowMessage(this, QMessageBox::Information, failure);
  ExplorerOnTop();
}

void TFormMain::MnFerramentasWindowsExplorerClick() { StartTool(ExternalTool::kWindowsExplorer); }
void TFormMain::MnFerramentasPromptMSDOSClick() { StartTool(ExternalTool::kPromptMsDos); }
// Without a text editor on the desktop, the IDE's own New serves.
void TFormMain::MnFerramentasBlocoNotasClick() {
  if (StartExternalTool(ExternalTool::kBlocoDeNotas)) NovoExecute();
}
void TFormMain::IExplore1Click() { StartTool(ExternalTool::kInternetExplorer); }
void TFormMain::MnFerramentasCalculadoraClick() { StartTool(ExternalTool::kCalculadora); }
// Without a desktop program for it, leiame.txt opens in an editor window.
void TFormMain::MnArquivoLeiameTxtClick() {
  const std::optional<QString> failure = OpenLeiameTxt(this, [this](const QString& path) { OpenInEditor(path); });
  if (failure) ShowToolFailure(*failure);
}

// --- Help -------------------------------------------------------------------------

HelpWindow& TFormMain::helpWindow() {
  if (!helpWindow_) helpWindow_ = new HelpWindow(this);
  return *helpWindow_;
}

void TFormMain::MnAjudaTopicosAjudaClick() { helpWindow().ShowContents(); }
void TFormMain::MnAjudaIndiceAjudaClick() { helpWindow().ShowIndex(); }
void TFormMain::HelpJump(const QString& word) { helpWindow().ShowTopic(word); }

}  // namespace kau::ide
