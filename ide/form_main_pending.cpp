// Handlers of the commands on files, the view switches, the tools and
// help. They are connected now so that every menu item, button and key has
// its handler; they do their work once these commands join the program.
#include "ide/form_main.h"

namespace kau::ide {

void TFormMain::MnArquivoAbrirClick() {}
void TFormMain::AbrirArquivo() {}
void TFormMain::arquivosBotaoAbrirPopup() {}
void TFormMain::UpdateRecentFiles(const QString&) {}
void TFormMain::MnArquivoSalvarClick() {}
void TFormMain::MnArquivoSalvarComoClick() {}
void TFormMain::MnArquivoFecharClick() {}
void TFormMain::MnArquivoImprimirClick() {}
void TFormMain::MnArquivoLeiameTxtClick() {}

void TFormMain::btnShowGutterClick() {}
void TFormMain::btnShowStrutureClick() {}
void TFormMain::btnShowBracketClick() {}
void TFormMain::btnAumentarFonteClick() {}
void TFormMain::btnReduzirFonteClick() {}
void TFormMain::MnFerramentasBlocoNotasClick() {}
void TFormMain::MnFerramentasCalculadoraClick() {}
void TFormMain::IExplore1Click() {}
void TFormMain::MnFerramentasPromptMSDOSClick() {}
void TFormMain::MnFerramentasWindowsExplorerClick() {}
void TFormMain::MnAjudaTopicosAjudaClick() {}
void TFormMain::MnAjudaIndiceAjudaClick() {}
void TFormMain::HelpJump(const QString&) {}

}  // namespace kau::ide
