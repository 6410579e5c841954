#include "ide/interface_texts.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "ide/form_main.h"

namespace kau::ide {

namespace {
using P = InterfaceText;

constexpr InterfaceText kTexts[] = {
    {"MnArquivo", P::kCaption, "&Arquivo"},
    {"Novo", P::kCaption, "&Novo"},
    {"MnArquivoAbrir", P::kCaption, "&Abrir..."},
    {"MnArquivoAbrirArquivo", P::kCaption, "Abrir Arquivo"},
    {"MnArquivoSalvar", P::kCaption, "&Salvar"},
    {"MnArquivoSalvarComo", P::kCaption, "Salvar &Como..."},
    {"MnArquivoFechar", P::kCaption, "&Fechar"},
    {"MnArquivoImprimir", P::kCaption, "&Imprimir..."},
    {"MnArquivoLeiameTxt", P::kCaption, "Leiame.txt"},
    {"MnArquivoSair", P::kCaption, "Sa&ir"},
    {"MnEditar", P::kCaption, "&Editar"},
    {"MnEditarDesfazer", P::kCaption, "&Desfazer"},
    {"MnEditarRefazer", P::kCaption, "&Refazer"},
    {"MnEditarRecortar", P::kCaption, "Recor&tar"},
    {"MnEditarCopiar", P::kCaption, "&Copiar"},
    {"MnEditarColar", P::kCaption, "C&olar"},
    {"MnEditarSelecionarTudo", P::kCaption, "Selecionar &Tudo"},
    {"MnEditarLocalizar", P::kCaption, "&Localizar...."},
    {"MnEditarSubstituir", P::kCaption, "S&ubstituir..."},
    {"MnEditarIrParaLinha", P::kCaption, "&Ir para linha..."},
    {"MnCompilar", P::kCaption, "&Compilar"},
    {"Executar1", P::kCaption, "&Executar!"},
    {"MnCompilarGerarExecutavel", P::kCaption, "Gerar E&xecutável"},
    {"MnFerramentas", P::kCaption, "&Ferramentas"},
    {"MnFerramentasExplorer", P::kCaption, "Pascal KAU! Explorer"},
    {"MnFerramentasBlocoNotas", P::kCaption, "&Bloco de Notas"},
    {"MnFerramentasCalculadora", P::kCaption, "&Calculadora"},
    {"IExplore1", P::kCaption, "&Internet Explorer"},
    {"MnFerramentasPromptMSDOS", P::kCaption, "&Prompt do MS-DOS"},
    {"MnFerramentasWindowsExplorer", P::kCaption, "&Windows Explorer"},
    {"MnJanela", P::kCaption, "&Janela"},
    {"MnJanelaEditorModerno", P::kCaption, "Estilo Moderno"},
    {"MnJanelaEditorClassico", P::kCaption, "Estilo Clássico"},
    {"MnJanelaCascata", P::kCaption, "&Cascata"},
    {"MnJanelaDividirHorizontalmente", P::kCaption, "Dividir &Horizontalmente"},
    {"MnJanelaLadoLado", P::kCaption, "&Lado a Lado"},
    {"MnAjuda", P::kCaption, "&Ajuda"},
    {"MnAjudaTopicosAjuda", P::kCaption, "&Tópicos da Ajuda"},
    {"MnAjudaIndiceAjuda", P::kCaption, "&Índice da Ajuda"},
    {"MnAjudaSobre", P::kCaption, "Sobre...."},
    {"PopRecortar", P::kCaption, "Recor&tar"},
    {"PopCopiar", P::kCaption, "&Copiar"},
    {"PopColar", P::kCaption, "C&olar"},
    {"PopExecutar", P::kCaption, "&Executar!"},
    {"StatusBar1Panel1", P::kPanelText, "CRTL+ESPAÇO para templates"},
    {"StatusBar1Panel2", P::kPanelText, " Cursor na palavra + F1 para abrir ajuda"},
    {"BtnNovo", P::kHint, "Novo | Novo arquivo"},
    {"BtnAbrir", P::kHint, "Abrir | Abrir um arquivo"},
    {"BtnSalvar", P::kHint, "Salvar | Salvar o Arquivo Fonte"},
    {"BtnImprimir", P::kHint, "Imprimir | Imprimir o código fonte"},
    {"BtnLocalizar", P::kHint, "Localizar | Procurar por uma palavra no texto"},
    {"BtnRecortar", P::kHint, "Recortar | Mover o texto selecionado para a Área de Transferência"},
    {"BtnCopiar", P::kHint, "Copiar | Copiar o texto selecionado para a Área de Transferência"},
    {"BtnColar", P::kHint, "Colar | Inserir o texto da Área de Transferência"},
    {"BtnDesfazer", P::kHint, "Desfazer | Desfazer a última alteração no código fonte"},
    {"BtnRefazer", P::kHint, "Refazer | Refazer a última alteração no código fonte"},
    {"BtnJanelaCascata", P::kHint, "Cascata | Organizar as janelas em cascata"},
    {"BtnJanelaHorizontalmente", P::kHint, "Dividir Horizontalmente | Organizar as janelas horizontalmente"},
    {"BtnJanelaLadoLado", P::kHint, "Lado a Lado | Organizar as janelas verticalmente"},
    {"BtnNotepad", P::kHint, "Bloco de Notas | Abrir o Bloco de Notas"},
    {"BtnCalculadora", P::kHint, "Calculadora | Abrir a calculadora do Windows"},
    {"BtnInternetExplorer", P::kHint, "Internet Explorer | Abrir o Internet Explorer"},
    {"BtnDos", P::kHint, "Prompt do MS-DOS | Abrir o Prompt do MS-DOS"},
    {"BtnWindowsExplorer", P::kHint, "Windows Explorer | Abrir o Windows Explorer"},
    {"BtnExecutar", P::kHint, "Executar! ( F9 ) | Executar o programa"},
    {"BtnTaloExplorer", P::kHint, "Pascal KAU! Explorer | Explorador de Arquivos do Pascal KAU!"},
    {"BtnHelp", P::kHint, "Ajuda | Exibir o conteúdo do arquivo de ajuda"},
    {"btnCloseEditor", P::kHint, "Fechar Janela | Fecha Janela Ativa"},
    {"btnShowGutter", P::kHint, "Desabilitar Numeração de Linhas | Desabilitar Numeração de Linhas"},
    {"btnShowStruture", P::kHint, "Desabilitar Pareamento Begin-End | Desabilitar Pareamento Begin-End"},
    {"btnShowBracket", P::kHint, "Desabilitar Pareamento de Parênteses | Desabilitar Pareamento de Parênteses"},
    {"btnAumentarFonte", P::kHint, "Aumentar Fonte | Aumentar Fonte na Janela Ativa"},
    {"btnReduzirFonte", P::kHint, "Reduzir Fonte | Reduzir Fonte na Janela Ativa"},
    {"btnProxEditor", P::kHint, "Próxima Janela | Exibe Próxima Janela da Lista"},
    {"btnPrevEditor", P::kHint, "Janela Anterior | Exibe Janela Anterior da Lista"},
    {"OpenDialog1", P::kFilter, "Arquivos Pascal (*.pas)|*.pas"},
    {"SaveDialog1", P::kFilter, "Arquivos Pascal (*.pas)|*.pas"},
};

void SetCaption(QObject* object, const QString& text) {
  if (auto* menu = qobject_cast<QMenu*>(object))
    menu->menuAction()->setText(text);
  else if (auto* action = qobject_cast<QAction*>(object))
    action->setText(text);
}

void SetHint(QObject* object, const QString& hint) {
  auto* widget = qobject_cast<QWidget*>(object);
  if (!widget) return;
  const qsizetype bar = hint.indexOf('|');
  widget->setToolTip(hint.left(bar).trimmed());
  widget->setStatusTip(bar < 0 ? QString() : hint.mid(bar + 1).trimmed());
}
}  // namespace

std::span<const InterfaceText> InterfaceTexts() { return kTexts; }

void ApplyInterfaceTexts(TFormMain& form) {
  for (const InterfaceText& row : kTexts) {
    // A menu and its action share the name: take the menu first.
    QObject* object = form.findChild<QMenu*>(row.component);
    if (!object) object = form.findChild<QObject*>(row.component);
    if (!object) continue;
    const QString text = QString::fromUtf8(row.text);
    switch (row.property) {
      case P::kCaption: SetCaption(object, text); break;
      case P::kPanelText:
        if (auto* label = qobject_cast<QLabel*>(object)) label->setText(text);
        break;
      case P::kHint: SetHint(object, text); break;
      case P::kFilter: object->setProperty("Filter", text); break;
    }
  }
}

}  // namespace kau::ide
