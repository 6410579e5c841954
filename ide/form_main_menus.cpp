// The main menu and the editor windows' pop-up menu. Captions are the
// form's; the interface texts set them again at creation.
#include <QMenu>
#include <QMenuBar>

#include "ide/form_main.h"

namespace kau::ide {

namespace {
QMenu* Menu(QWidget* parent, const char* name, const QString& caption) {
  auto* menu = new QMenu(caption, parent);
  menu->setObjectName(name);
  menu->menuAction()->setObjectName(name);
  return menu;
}

QKeySequence Ctrl(char letter) { return QKeySequence(Qt::CTRL | Qt::Key(letter)); }
}  // namespace

QAction* TFormMain::menuItem(QMenu* menu, const char* name, const QString& caption,
                             void (TFormMain::*handler)(), const QKeySequence& shortcut) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setShortcut(shortcut);
  connect(item, &QAction::triggered, this, handler);
  return item;
}

void TFormMain::buildMainMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  const auto T = [](const char* utf8) { return QString::fromUtf8(utf8); };

  QMenu* arquivo = Menu(bar, "MnArquivo", "&Arquivo");
  menuItem(arquivo, "Novo", "&Novo", &TFormMain::NovoExecute, Ctrl('O'));
  arquivo->addSeparator();
  menuItem(arquivo, "MnArquivoAbrir", "&Abrir...", &TFormMain::MnArquivoAbrirClick, Ctrl('A'));
  mnArquivoAbrirArquivo_ = Menu(arquivo, "MnArquivoAbrirArquivo", "Abrir Arquivo");
  for (int i = 1; i <= RecentFilesList::kEntries; ++i) {
    arq_[i - 1] =
        menuItem(mnArquivoAbrirArquivo_, qPrintable(QString("ARQ%1").arg(i)), QString(), &TFormMain::AbrirArquivo);
    arq_[i - 1]->setVisible(false);
  }
  arquivo->addMenu(mnArquivoAbrirArquivo_)->setVisible(false);
  arquivo->addSeparator();
  mnArquivoSalvar_ = menuItem(arquivo, "MnArquivoSalvar", "&Salvar", &TFormMain::MnArquivoSalvarClick, Ctrl('S'));
  mnArquivoSalvarComo_ =
      menuItem(arquivo, "MnArquivoSalvarComo", "Salvar &Como...", &TFormMain::MnArquivoSalvarComoClick);
  mnArquivoFechar_ = menuItem(arquivo, "MnArquivoFechar", "&Fechar", &TFormMain::MnArquivoFecharClick);
  arquivo->addSeparator();
  mnArquivoImprimir_ =
      menuItem(arquivo, "MnArquivoImprimir", "&Imprimir...", &TFormMain::MnArquivoImprimirClick, Ctrl('P'));
  arquivo->addSeparator();
  menuItem(arquivo, "MnArquivoLeiameTxt", "Leiame.txt", &TFormMain::MnArquivoLeiameTxtClick);
  arquivo->addSeparator();
  menuItem(arquivo, "MnArquivoSair", "Sa&ir", &TFormMain::MnArquivoSairClick);
  bar->addMenu(arquivo);

  QMenu* editar = Menu(bar, "MnEditar", "&Editar");
  mnEditarDesfazer_ = menuItem(editar, "MnEditarDesfazer", "&Desfazer", &TFormMain::MnEditarDesfazerClick, Ctrl('Z'));
  menuItem(editar, "MnEditarRefazer", "&Refazer", &TFormMain::MnEditarRefazerClick, Ctrl('R'));
  editar->addSeparator();
  mnEditarRecortar_ = menuItem(editar, "MnEditarRecortar", "Recor&tar", &TFormMain::MnEditarRecortarClick, Ctrl('X'));
  mnEditarCopiar_ = menuItem(editar, "MnEditarCopiar", "&Copiar", &TFormMain::MnEditarCopiarClick, Ctrl('C'));
  mnEditarColar_ = menuItem(editar, "MnEditarColar", "C&olar", &TFormMain::MnEditarColarClick, Ctrl('V'));
  mnEditarSelecionarTudo_ = menuItem(editar, "MnEditarSelecionarTudo", "Selecionar &Tudo",
                                     &TFormMain::MnEditarSelecionarTudoClick, Ctrl('T'));
  editar->addSeparator();
  mnEditarLocalizar_ =
      menuItem(editar, "MnEditarLocalizar", "&Localizar....", &TFormMain::MnEditarLocalizarClick, Ctrl('L'));
  mnEditarSubstituir_ =
      menuItem(editar, "MnEditarSubstituir", "S&ubstituir...", &TFormMain::MnEditarSubstituirClick, Ctrl('U'));
  mnEditarIrParaLinha_ =
      menuItem(editar, "MnEditarIrParaLinha", "&Ir para linha...", &TFormMain::MnEditarIrParaLinhaClick, Ctrl('I'));
  bar->addMenu(editar);

  mnCompilar_ = Menu(bar, "MnCompilar", "&Compilar");
  menuItem(mnCompilar_, "Executar1", "&Executar!", &TFormMain::Executar1Click, QKeySequence(Qt::Key_F9));
  menuItem(mnCompilar_, "MnCompilarGerarExecutavel", T("Gerar E&xecutável"),
           &TFormMain::MnCompilarGerarExecutavelClick);
  bar->addMenu(mnCompilar_);

  QMenu* ferramentas = Menu(bar, "MnFerramentas", "&Ferramentas");
  menuItem(ferramentas, "MnFerramentasExplorer", "Pascal KAU! Explorer", &TFormMain::BtnTaloExplorerClick);
  ferramentas->addSeparator();
  menuItem(ferramentas, "MnFerramentasBlocoNotas", "&Bloco de Notas", &TFormMain::MnFerramentasBlocoNotasClick);
  menuItem(ferramentas, "MnFerramentasCalculadora", "&Calculadora", &TFormMain::MnFerramentasCalculadoraClick);
  menuItem(ferramentas, "IExplore1", "&Internet Explorer", &TFormMain::IExplore1Click);
  menuItem(ferramentas, "MnFerramentasPromptMSDOS", "&Prompt do MS-DOS", &TFormMain::MnFerramentasPromptMSDOSClick);
  menuItem(ferramentas, "MnFerramentasWindowsExplorer", "&Windows Explorer",
           &TFormMain::MnFerramentasWindowsExplorerClick);
  bar->addMenu(ferramentas);

  mnJanela_ = Menu(bar, "MnJanela", "&Janela");
  QMenu* janela = mnJanela_;
  mnJanelaEditorModerno_ =
      menuItem(janela, "MnJanelaEditorModerno", "Estilo Moderno", &TFormMain::MnJanelaEditorModernoClick);
  mnJanelaEditorModerno_->setCheckable(true);
  mnJanelaEditorClassico_ =
      menuItem(janela, "MnJanelaEditorClassico", T("Estilo Clássico"), &TFormMain::MnJanelaEditorClassicoClick);
  mnJanelaEditorClassico_->setCheckable(true);
  mnJanelaEditorClassico_->setChecked(true);
  janela->addSeparator();
  menuItem(janela, "MnJanelaCascata", "&Cascata", &TFormMain::MnJanelaCascataClick);
  menuItem(janela, "MnJanelaDividirHorizontalmente", "Dividir &Horizontalmente",
           &TFormMain::MnJanelaDividirHorizontalmenteClick);
  menuItem(janela, "MnJanelaLadoLado", "&Lado a Lado", &TFormMain::MnJanelaLadoLadoClick);
  QAction* listSeparator = janela->addSeparator();
  listSeparator->setObjectName("janelasSeparador");
  listSeparator->setVisible(false);
  menuItem(janela, "janelasEditor1", QString(), &TFormMain::janelasEditor1Click)->setVisible(false);
  bar->addMenu(janela);

  QMenu* ajuda = Menu(bar, "MnAjuda", "&Ajuda");
  menuItem(ajuda, "MnAjudaTopicosAjuda", T("&Tópicos da Ajuda"), &TFormMain::MnAjudaTopicosAjudaClick,
           QKeySequence(Qt::Key_F1));
  menuItem(ajuda, "MnAjudaIndiceAjuda", T("&Índice da Ajuda"), &TFormMain::MnAjudaIndiceAjudaClick);
  ajuda->addSeparator();
  menuItem(ajuda, "MnAjudaSobre", "Sobre....", &TFormMain::MnAjudaSobreClick);
  bar->addMenu(ajuda);
}

// The editor windows' context menu; its shortcuts are the main menu's.
void TFormMain::buildPopupMenu() {
  popupMenu1_ = Menu(this, "PopupMenu1", QString());
  popRecortar_ = menuItem(popupMenu1_, "PopRecortar", "&Recortar", &TFormMain::PopRecortarClick, Ctrl('X'));
  popCopiar_ = menuItem(popupMenu1_, "PopCopiar", "&Copiar", &TFormMain::PopCopiarClick, Ctrl('C'));
  menuItem(popupMenu1_, "PopColar", "C&olar", &TFormMain::PopColarClick, Ctrl('V'));
  popupMenu1_->addSeparator();
  menuItem(popupMenu1_, "PopExecutar", "Executar!", &TFormMain::Executar1Click, QKeySequence(Qt::Key_F9));
  popupMenu1_->addSeparator();
  menuItem(popupMenu1_, "janelasEditorPopup", QString(), &TFormMain::janelasEditorPopupClick)->setVisible(false);
  for (QAction* item : popupMenu1_->actions()) item->setShortcutContext(Qt::WidgetShortcut);
}

}  // namespace kau::ide
