// The 77 interface texts read back from the widgets after creation.
#include <QLabel>
#include <QMenu>

#include "ide/interface_texts.h"
#include "main_window_fixture.h"

namespace kau::ide::testing {
namespace {

// Component and the text it shows: a caption, a status panel's text, a
// hint as "tool tip | status tip", a dialog's filter.
constexpr struct {
  const char* component;
  const char* text;
} kExpected[] = {
    {"MnArquivo", "&Arquivo"}, {"Novo", "&Novo"}, {"MnArquivoAbrir", "&Abrir..."},
    {"MnArquivoAbrirArquivo", "Abrir Arquivo"}, {"MnArquivoSalvar", "&Salvar"},
    {"MnArquivoSalvarComo", "Salvar &Como..."}, {"MnArquivoFechar", "&Fechar"},
    {"MnArquivoImprimir", "&Imprimir..."}, {"MnArquivoLeiameTxt", "Leiame.txt"}, {"MnArquivoSair", "Sa&ir"},
    {"MnEditar", "&Editar"}, {"MnEditarDesfazer", "&Desfazer"}, {"MnEditarRefazer", "&Refazer"},
    {"MnEditarRecortar", "Recor&tar"}, {"MnEditarCopiar", "&Copiar"}, {"MnEditarColar", "C&olar"},
    {"MnEditarSelecionarTudo", "Selecionar &Tudo"}, {"MnEditarLocalizar", "&Localizar...."},
    {"MnEditarSubstituir", "S&ubstituir..."}, {"MnEditarIrParaLinha", "&Ir para linha..."},
    {"MnCompilar", "&Compilar"}, {"Executar1", "&Executar!"}, {"MnCompilarGerarExecutavel", "Gerar E&xecutável"},
    {"MnFerramentas", "&Ferramentas"}, {"MnFerramentasExplorer", "Pascal KAU! Explorer"},
    {"MnFerramentasBlocoNotas", "&Bloco de Notas"}, {"MnFerramentasCalculadora", "&Calculadora"},
    {"IExplore1", "&Internet Explorer"}, {"MnFerramentasPromptMSDOS", "&Prompt do MS-DOS"},
    {"MnFerramentasWindowsExplorer", "&Windows Explorer"}, {"MnJanela", "&Janela"},
    {"MnJanelaEditorModerno", "Estilo Moderno"}, {"MnJanelaEditorClassico", "Estilo Clássico"},
    {"MnJanelaCascata", "&Cascata"}, {"MnJanelaDividirHorizontalmente", "Dividir &Horizontalmente"},
    {"MnJanelaLadoLado", "&Lado a Lado"}, {"MnAjuda", "&Ajuda"}, {"MnAjudaTopicosAjuda", "&Tópicos da Ajuda"},
    {"MnAjudaIndiceAjuda", "&Índice da Ajuda"}, {"MnAjudaSobre", "Sobre...."},
    {"PopRecortar", "Recor&tar"}, {"PopCopiar", "&Copiar"}, {"PopColar", "C&olar"}, {"PopExecutar", "&Executar!"},
    {"StatusBar1Panel1", "CRTL+ESPAÇO para templates"},
    {"StatusBar1Panel2", " Cursor na palavra + F1 para abrir ajuda"},
    {"BtnNovo", "Novo | Novo arquivo"}, {"BtnAbrir", "Abrir | Abrir um arquivo"},
    {"BtnSalvar", "Salvar | Salvar o Arquivo Fonte"}, {"BtnImprimir", "Imprimir | Imprimir o código fonte"},
    {"BtnLocalizar", "Localizar | Procurar por uma palavra no texto"},
    {"BtnRecortar", "Recortar | Mover o texto selecionado para a Área de Transferência"},
    {"BtnCopiar", "Copiar | Copiar o texto selecionado para a Área de Transferência"},
    {"BtnColar", "Colar | Inserir o texto da Área de Transferência"},
    {"BtnDesfazer", "Desfazer | Desfazer a última alteração no código fonte"},
    {"BtnRefazer", "Refazer | Refazer a última alteração no código fonte"},
    {"BtnJanelaCascata", "Cascata | Organizar as janelas em cascata"},
    {"BtnJanelaHorizontalmente", "Dividir Horizontalmente | Organizar as janelas horizontalmente"},
    {"BtnJanelaLadoLado", "Lado a Lado | Organizar as janelas verticalmente"},
    {"BtnNotepad", "Bloco de Notas | Abrir o Bloco de Notas"},
    {"BtnCalculadora", "Calculadora | Abrir a calculadora do Windows"},
    {"BtnInternetExplorer", "Internet Explorer | Abrir o Internet Explorer"},
    {"BtnDos", "Prompt do MS-DOS | Abrir o Prompt do MS-DOS"},
    {"BtnWindowsExplorer", "Windows Explorer | Abrir o Windows Explorer"},
    {"BtnExecutar", "Executar! ( F9 ) | Executar o programa"},
    {"BtnTaloExplorer", "Pascal KAU! Explorer | Explorador de Arquivos do Pascal KAU!"},
    {"BtnHelp", "Ajuda | Exibir o conteúdo do arquivo de ajuda"},
    {"btnCloseEditor", "Fechar Janela | Fecha Janela Ativa"},
    {"btnShowGutter", "Desabilitar Numeração de Linhas | Desabilitar Numeração de Linhas"},
    {"btnShowStruture", "Desabilitar Pareamento Begin-End | Desabilitar Pareamento Begin-End"},
    {"btnShowBracket", "Desabilitar Pareamento de Parênteses | Desabilitar Pareamento de Parênteses"},
    {"btnAumentarFonte", "Aumentar Fonte | Aumentar Fonte na Janela Ativa"},
    {"btnReduzirFonte", "Reduzir Fonte | Reduzir Fonte na Janela Ativa"},
    {"btnProxEditor", "Próxima Janela | Exibe Próxima Janela da Lista"},
    {"btnPrevEditor", "Janela Anterior | Exibe Janela Anterior da Lista"},
    {"OpenDialog1", "Arquivos Pascal (*.pas)|*.pas"}, {"SaveDialog1", "Arquivos Pascal (*.pas)|*.pas"},
};

QString ShownText(QObject* object) {
  if (auto* menu = qobject_cast<QMenu*>(object)) return menu->menuAction()->text();
  if (auto* item = qobject_cast<QAction*>(object)) return item->text();
  if (auto* label = qobject_cast<QLabel*>(object)) return label->text();
  if (auto* widget = qobject_cast<QWidget*>(object)) return widget->toolTip() + " | " + widget->statusTip();
  return object->property("Filter").toString();
}

TEST_F(MainWindowTest, SeventySevenInterfaceTextsReadBack) {
  ASSERT_EQ(std::size(kExpected), 77u);
  ASSERT_EQ(InterfaceTexts().size(), 77u);
  for (const auto& row : kExpected) {
    QObject* object = main_->findChild<QMenu*>(row.component);
    if (!object) object = main_->findChild<QObject*>(row.component);
    ASSERT_NE(object, nullptr) << row.component;
    EXPECT_EQ(ShownText(object), QString::fromUtf8(row.text)) << row.component;
  }
}

}  // namespace
}  // namespace kau::ide::testing
