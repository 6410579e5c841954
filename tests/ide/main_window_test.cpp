// The main window: layout, menus and tool bar as the form gives them,
// hints on hover, command enabling, window arrangement and quitting.
#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>

#include "ide/picture_mdi_area.h"
#include "main_window_fixture.h"
#include "modal_answerer.h"

namespace kau::ide::testing {
namespace {

QString Describe(QAction* item) {
  if (item->isSeparator()) return item->isVisible() ? "-" : "(-)";
  QString text = item->text();
  if (!item->shortcut().isEmpty()) text += " " + item->shortcut().toString(QKeySequence::PortableText);
  return item->isVisible() ? text : "(" + text + ")";
}

QStringList Describe(QMenu* menu) {
  QStringList items;
  for (QAction* item : menu->actions()) items << Describe(item);
  return items;
}

TEST_F(MainWindowTest, LayoutSizesAndColours) {
  main_->show();
  main_->CloseEditorWindow();  // the first showing's "Untitled"
  EXPECT_EQ(main_->size(), QSize(601, 382));
  EXPECT_EQ(main_->windowTitle(), " Pascal KAU!");
  EXPECT_EQ(widget("panelErros")->height(), 57);
  EXPECT_TRUE(widget("panelErros")->isHidden());
  auto* errors = widget<QListWidget>("ListErros");
  EXPECT_EQ(errors->palette().color(QPalette::Base), QColor(0xDD, 0xDD, 0xFF));
  EXPECT_EQ(errors->palette().color(QPalette::Text), QColor(0x00, 0x00, 0x80));
  EXPECT_TRUE(errors->font().bold());
  const int widths[] = {150, 180, 450};
  for (int i = 0; i < 3; ++i) {
    auto* panel = widget<QLabel>(qPrintable(QString("StatusBar1Panel%1").arg(i)));
    EXPECT_EQ(panel->width(), widths[i]);
    EXPECT_EQ(panel->alignment().testFlag(Qt::AlignHCenter), i < 2);
  }
  auto* tabs = widget<QTabBar>("TabControl1");
  EXPECT_EQ(tabs->palette().color(QPalette::WindowText), QColor(0x80, 0x80, 0xC0));
  EXPECT_TRUE(tabs->usesScrollButtons());
  EXPECT_TRUE(tabs->isHidden());
  const int tab = main_->addEditorTab("prog.pas");
  EXPECT_EQ(tabs->tabTextColor(tab), QColor(0x80, 0x80, 0xC0));
  EXPECT_FALSE(tabs->tabIcon(tab).isNull());
  EXPECT_EQ(TFormMain::TabControl1GetImageIndex(), 22);
  auto* area = widget<PictureMdiArea>("MdiArea");
  EXPECT_EQ(area->background().color(), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(main_->picture().size(), QSize(257, 41));
  EXPECT_TRUE(widget("barraBotoesEditor")->isHidden());
  EXPECT_EQ(widget("barraBotoesEditor")->width(), 25);
  EXPECT_FALSE(button("btnProxEditor")->isEnabled());
  EXPECT_FALSE(button("btnPrevEditor")->isEnabled());
  EXPECT_EQ(button("BtnNovo")->size(), QSize(24, 25));
  EXPECT_TRUE(action("MnJanelaEditorClassico")->isChecked());
  EXPECT_FALSE(action("MnJanelaEditorModerno")->isChecked());
}

TEST_F(MainWindowTest, ToolBarAndEditorBarInTheirOrder) {
  QStringList toolBar;
  auto* bar = widget<QToolBar>("ToolBar1");
  for (QAction* item : bar->actions())
    toolBar << (item->isSeparator() ? QString("|") : bar->widgetForAction(item)->objectName());
  EXPECT_EQ(toolBar.join(' '),
            "BtnNovo BtnAbrir BtnSalvar | BtnImprimir BtnLocalizar | BtnRecortar BtnCopiar BtnColar | "
            "BtnDesfazer BtnRefazer | BtnJanelaCascata BtnJanelaHorizontalmente BtnJanelaLadoLado | "
            "BtnNotepad BtnCalculadora BtnInternetExplorer BtnDos BtnWindowsExplorer | BtnExecutar | "
            "BtnTaloExplorer | BtnHelp");
  QStringList left;
  for (QToolButton* b : widget("barraBotoesEditor")->findChildren<QToolButton*>()) left << b->objectName();
  EXPECT_EQ(left.join(' '),
            "btnCloseEditor btnShowGutter btnShowStruture btnShowBracket btnAumentarFonte btnReduzirFonte "
            "btnProxEditor btnPrevEditor");
}

TEST_F(MainWindowTest, MenusAsTheFormGivesThem) {
  const struct {
    const char* menu;
    const char* items;
  } expected[] = {
      {"MnArquivo",
       "&Novo Ctrl+O;-;&Abrir... Ctrl+A;(Abrir Arquivo);-;&Salvar Ctrl+S;Salvar &Como...;&Fechar;-;"
       "&Imprimir... Ctrl+P;-;Leiame.txt;-;Sa&ir"},
      {"MnEditar",
       "&Desfazer Ctrl+Z;&Refazer Ctrl+R;-;Recor&tar Ctrl+X;&Copiar Ctrl+C;C&olar Ctrl+V;"
       "Selecionar &Tudo Ctrl+T;-;&Localizar.... Ctrl+L;S&ubstituir... Ctrl+U;&Ir para linha... Ctrl+I"},
      {"MnCompilar", "&Executar! F9;Gerar E&xecutável"},
      {"MnFerramentas",
       "Pascal KAU! Explorer;-;&Bloco de Notas;&Calculadora;&Internet Explorer;&Prompt do MS-DOS;"
       "&Windows Explorer"},
      {"MnJanela",
       "Estilo Moderno;Estilo Clássico;-;&Cascata;Dividir &Horizontalmente;&Lado a Lado;(-);()"},
      {"MnAjuda", "&Tópicos da Ajuda F1;&Índice da Ajuda;-;Sobre...."},
      {"PopupMenu1", "Recor&tar Ctrl+X;&Copiar Ctrl+C;C&olar Ctrl+V;-;&Executar! F9;-;()"},
  };
  QStringList titles;
  for (QAction* top : main_->menuBar()->actions()) titles << top->text();
  EXPECT_EQ(titles.join(';'), "&Arquivo;&Editar;&Compilar;&Ferramentas;&Janela;&Ajuda");
  for (const auto& menu : expected)
    EXPECT_EQ(Describe(widget<QMenu>(menu.menu)).join(';'), QString::fromUtf8(menu.items)) << menu.menu;
  QStringList recent = Describe(widget<QMenu>("MnArquivoAbrirArquivo"));
  EXPECT_EQ(recent.join(';'), "(&1);(&2);(&3);(&4);(&5)");
  EXPECT_EQ(widget<QMenu>("arquivosBotaoAbrir")->actions().size(), 5);
}

TEST_F(MainWindowTest, HoveringAButtonShowsItsLongHint) {
  EXPECT_EQ(button("BtnNovo")->toolTip(), "Novo");
  QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
  QApplication::sendEvent(button("BtnNovo"), &enter);
  EXPECT_EQ(main_->statusPanelText(2), "Novo arquivo");
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(button("BtnNovo"), &leave);
  EXPECT_EQ(main_->statusPanelText(2), "");
  QApplication::sendEvent(button("btnPrevEditor"), &enter);
  EXPECT_EQ(main_->statusPanelText(2), "Exibe Janela Anterior da Lista");
}

TEST_F(MainWindowTest, EditorCommandsFollowTheFlag) {
  const char* actions[] = {"MnEditarIrParaLinha", "MnEditarSelecionarTudo", "MnEditarLocalizar",
                           "MnEditarSubstituir", "MnEditarDesfazer", "MnArquivoImprimir",
                           "MnArquivoSalvar", "MnArquivoSalvarComo", "MnArquivoFechar"};
  const char* buttons[] = {"BtnExecutar", "BtnSalvar", "BtnImprimir", "BtnDesfazer", "BtnRefazer", "BtnLocalizar"};
  for (bool enabled : {true, false}) {
    main_->EnableEditorCommands(enabled);
    for (const char* name : actions) EXPECT_EQ(action(name)->isEnabled(), enabled) << name;
    for (const char* name : buttons) EXPECT_EQ(button(name)->isEnabled(), enabled) << name;
    EXPECT_EQ(widget<QMenu>("MnCompilar")->menuAction()->isEnabled(), enabled);
    EXPECT_EQ(widget("TabControl1")->isHidden(), !enabled);
    EXPECT_TRUE(action("MnEditarRefazer")->isEnabled());  // not among them
  }
  for (bool selection : {true, false}) {
    main_->UpdateClipboardCommands(selection);
    for (const char* name : {"MnEditarRecortar", "MnEditarCopiar", "PopRecortar", "PopCopiar"})
      EXPECT_EQ(action(name)->isEnabled(), selection) << name;
    EXPECT_EQ(button("BtnRecortar")->isEnabled(), selection);
    EXPECT_EQ(button("BtnCopiar")->isEnabled(), selection);
    EXPECT_TRUE(button("BtnColar")->isEnabled());
  }
}

TEST_F(MainWindowTest, TilingsOneAboveAnotherAndSideBySide) {
  main_->show();
  main_->CloseEditorWindow();  // the first showing's "Untitled"
  auto* area = widget<QMdiArea>("MdiArea");
  QMdiSubWindow* first = area->addSubWindow(new QWidget);
  QMdiSubWindow* second = area->addSubWindow(new QWidget);
  first->show();
  second->showMaximized();
  action("MnJanelaDividirHorizontalmente")->trigger();
  const QRect viewport = area->viewport()->rect();
  EXPECT_EQ(first->geometry(), QRect(0, 0, viewport.width(), viewport.height() / 2));
  EXPECT_EQ(second->geometry().top(), viewport.height() / 2);
  EXPECT_EQ(second->geometry().bottom(), viewport.bottom());
  EXPECT_FALSE(second->isMaximized());
  button("BtnJanelaLadoLado")->click();
  EXPECT_EQ(first->geometry(), QRect(0, 0, viewport.width() / 2, viewport.height()));
  EXPECT_EQ(second->geometry().left(), viewport.width() / 2);
  EXPECT_EQ(second->geometry().right(), viewport.right());
  action("MnJanelaCascata")->trigger();
  EXPECT_LT(first->geometry().top(), second->geometry().top());
}

TEST_F(MainWindowTest, QuittingAsksAndNoKeepsTheWindow) {
  main_->show();
  auto no = AnswerNextModal(QString::fromUtf8("Não"));
  action("MnArquivoSair")->trigger();
  EXPECT_TRUE(no->pressed);
  EXPECT_EQ(no->text, "Deseja fechar o Pascal KAU?");
  EXPECT_TRUE(main_->isVisible());
  auto yes = AnswerNextModal("Sim");
  main_->close();
  EXPECT_TRUE(yes->pressed);
  EXPECT_FALSE(main_->isVisible());
}

TEST_F(MainWindowTest, ErrorPanelCloseButtonHidesIt) {
  main_->show();
  widget("panelErros")->show();
  widget<QAbstractButton>("Button1")->click();
  EXPECT_TRUE(widget("panelErros")->isHidden());
}

}  // namespace
}  // namespace kau::ide::testing
