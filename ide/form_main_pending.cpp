// Handlers of the commands on files, running, editing, the view switches,
// the tools and help. They are connected now so that every menu item,
// button and key has its handler; they do their work once these commands
// join the program.
#include "ide/form_main.h"

#include <QWidget>

namespace kau::ide {


void TFormMain::Executar1Click() {}
void TFormMain::MnCompilarGerarExecutavelClick() {}
void TFormMain::Button1Click() { findChild<QWidget*>("panelErros")->hide(); }

void TFormMain::MnEditarDesfazerClick() {}
void TFormMain::MnEditarRefazerClick() {}
void TFormMain::MnEditarRecortarClick() {}
void TFormMain::MnEditarCopiarClick() {}
void TFormMain::MnEditarColarClick() {}
void TFormMain::MnEditarLocalizarClick() {}
void TFormMain::MnEditarSubstituirClick() {}
void TFormMain::MnEditarIrParaLinhaClick() {}
void TFormMain::PopRecortarClick() {}
void TFormMain::PopCopiarClick() {}
void TFormMain::PopColarClick() {}


}  // namespace kau::ide
