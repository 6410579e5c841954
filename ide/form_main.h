// The main window: the parent of the editor windows, with the menus, the
// tool bar, the left bar of editor switches, the tab row, the error panel
// and the status bar. Every menu item and button runs a handler named as
// the component's event; the commands live in form_main_files.cpp,
// form_main_run.cpp, form_main_edit.cpp and form_main_view.cpp.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QPixmap>

#include "ide/external_tools.h"
#include "ide/recent_files.h"

class QAction;
class QLabel;
class QListWidget;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;
class QToolButton;

namespace kau::ide {

class ErrorPanel;
class PictureMdiArea;
class RunController;
class SearchDialog;
class TFindDialog;
class TFormEditor;
class TFormExplorer;
class HelpWindow;
class TReplaceDialog;

class TFormMain : public QMainWindow {
  Q_OBJECT
 public:
  static constexpr int kStatusPanels = 3;

  explicit TFormMain(QWidget* parent = nullptr);
  ~TFormMain() override;

  // The explorer lives beside the main window from start-up on.
  void setExplorer(TFormExplorer* explorer);
  TFormExplorer* explorer() const { return explorer_; }
  // The picture behind the editor windows (`Image1`).
  QPixmap picture() const;
  QString statusPanelText(int panel) const;
  void setStatusPanelText(int panel, const QString& text);
  QString helpFile() const { return helpFile_; }
  // A tab for an editor window, with the tab image.
  int addEditorTab(const QString& title);
  static int TabControl1GetImageIndex();

  // The editor windows, in the order of their tabs, and the active one
  // (none while no window is open).
  const QList<TFormEditor*>& EditorWindowList() const { return editorWindowList_; }
  TFormEditor* ActiveEditorWindow() const { return activeEditorWindow_; }
  void setActiveEditorWindow(TFormEditor* editor) { activeEditorWindow_ = editor; }
  QMenu* PopupMenu1() const { return popupMenu1_; }
  // The Janela menu, which lists the editor windows, and its style items.
  QMenu* MnJanela() const { return mnJanela_; }
  QAction* MnJanelaEditorClassico() const { return mnJanelaEditorClassico_; }
  QAction* MnJanelaEditorModerno() const { return mnJanelaEditorModerno_; }
  // Opens a file (an absolute path is made of a relative one) or the new
  // file "Untitled" in an editor window, or activates the window that has
  // it. False when the file could not be read: the user was told, and no
  // window was opened.
  bool OpenInEditor(const QString& name);
  // The editor window that holds the file `name` names, by whatever path
  // (links, "." and ".."), or none.
  TFormEditor* EditorWindowOf(const QString& name) const;
  // Makes `editor` the active editor window, brought back first when it is
  // minimized, with the keys on its control and its tab selected.
  void ativaEditor(TFormEditor* editor);
  // The area activates no window when the active one is minimized: the
  // window active before it takes its place (maximized when the minimized
  // one was), once the minimizing is over.
  void EditorWindowMinimized(TFormEditor* editor);
  // Raises and activates the main window with the keyboard on the active
  // editor's control (after a run, a dialog or a message box).
  void FocusActiveEditor();
  void ActivateEditorAt(qsizetype index);
  void NextEditor();
  void PreviousEditor();
  void CloseEditorWindow();
  void ActivateWindowListItem(bool fromPopup, QObject* item);
  void UpdateClipboardCommands(TFormEditor* editor);
  void selectEditorTab(TFormEditor* editor);
  void setEditorTabTitle(TFormEditor* editor, const QString& title);
  // The help system's page for a word (F1 in an editor window).
  void HelpJump(const QString& word);
  // Enters a file at the top of the recent-files list.
  void UpdateRecentFiles(const QString& path);
  bool LastSaveSucceeded() const { return lastSaveSucceeded_; }
  // Run uses this controller (it must outlive the window); without one,
  // Run does nothing.
  void setRunController(RunController* controller) { runController_ = controller; }
  bool running() const;
  // The modeless find and replace dialogs, made when first asked for.
  TFindDialog* FindDialog1();
  TReplaceDialog* ReplaceDialog1();
  const RecentFilesList& recentFiles() const { return recentFiles_; }
  // The help window, made on first use.
  HelpWindow& helpWindow();

 public slots:
  void FormCreate();
  void FormShow();
  void ShowHint();
  void EnableEditorCommands(bool enabled);
  void UpdateClipboardCommands(bool selectionNotEmpty);
  void ExplorerNormal();
  void ExplorerOnTop();
  void MinimizeMainWindow();

  // Window arrangement, the window list and the tabs.
  void MnJanelaCascataClick();
  void MnJanelaDividirHorizontalmenteClick();
  void MnJanelaLadoLadoClick();
  void TabControl1Change(int index);
  void TabControl1Click(int index);
  void janelasEditor1Click();
  void janelasEditorPopupClick();
  void btnPrevEditorClick();
  void btnProxEditorClick();
  void btnCloseEditorClick();

  // Explorer and about box.
  void BtnTaloExplorerClick();
  void ExplorerFileChosen(const QString& path);
  void MnAjudaSobreClick();

  // Quitting.
  void MnArquivoSairClick();

  // Files.
  void NovoExecute();
  void MnArquivoAbrirClick();
  void AbrirArquivo();
  void arquivosBotaoAbrirPopup();
  void MnArquivoSalvarClick();
  void MnArquivoSalvarComoClick();
  void MnArquivoFecharClick();
  void MnArquivoImprimirClick();
  void MnArquivoLeiameTxtClick();
  // Run, make executable, the error panel.
  void Executar1Click();
  void MnCompilarGerarExecutavelClick();
  void Button1Click();
  // Edit.
  void MnEditarDesfazerClick();
  void MnEditarRefazerClick();
  void MnEditarRecortarClick();
  void MnEditarCopiarClick();
  void MnEditarColarClick();
  void MnEditarSelecionarTudoClick();
  void MnEditarLocalizarClick();
  void MnEditarSubstituirClick();
  void MnEditarIrParaLinhaClick();
  void PopRecortarClick();
  void PopCopiarClick();
  void PopColarClick();
  void FindDialog1Find();
  void ReplaceDialog1Find();
  void ReplaceDialog1Replace(bool all);
  void FindDialog1Show();
  void FindDialog1Close();
  // View switches, styles, tools, help.
  void btnShowGutterClick();
  void btnShowStrutureClick();
  void btnShowBracketClick();
  void btnAumentarFonteClick();
  void btnReduzirFonteClick();
  void MnJanelaEditorClassicoClick();
  void MnJanelaEditorModernoClick();
  void MnFerramentasBlocoNotasClick();
  void MnFerramentasCalculadoraClick();
  void IExplore1Click();
  void MnFerramentasPromptMSDOSClick();
  void MnFerramentasWindowsExplorerClick();
  void MnAjudaTopicosAjudaClick();
  void MnAjudaIndiceAjudaClick();

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  // Layout, in form_main_layout.cpp and form_main_menus.cpp.
  void buildToolBar();
  void buildEditorBar();
  void buildCentre();
  void buildErrorPanel();
  void buildStatusBar();
  void buildMainMenu();
  void buildPopupMenu();
  QToolButton* toolButton(const char* name, int image, void (TFormMain::*handler)());
  QToolButton* editorBarButton(const char* name, const QString& glyph, bool toggle, void (TFormMain::*handler)());
  QAction* menuItem(QMenu* menu, const char* name, const QString& caption, void (TFormMain::*handler)(),
                    const QKeySequence& shortcut = {});

  void FormClose(QCloseEvent* event);
  // Shows a minimized editor window as the other shown windows are
  // (maximized when they are), or as it was when none is.
  void ShowMinimizedEditor(TFormEditor* editor);
  // Once a dialog of this window has closed: the keys back to the editor,
  // unless another of the program's windows or dialogs has them.
  void FocusAfterDialog();
  // Once the last pop-up has closed: the window that has the keys on the X
  // server is Qt's active window too.
  void TakeDroppedActivation();
  // The quit questions for each modified editor window; false on Cancel.
  bool CloseEditorWindowsForQuit();
  // Puts the explorer in the middle of the main window.
  void centreExplorer();
  // Run and edit, in form_main_run.cpp and form_main_edit.cpp.
  ErrorPanel errorPanel() const;
  // An event of the main window while a program runs: its activation and
  // its keys go to the console window.
  void takeKeysOfTheRun(QEvent* event);
  void ShowSearchDialog(SearchDialog* (*dialogOf)(TFormMain&));
  // Files, in form_main_files.cpp.
  void ReadRecentFiles();
  void ShowRecentFiles();
  void OpenRecentFile(const QString& name);
  // Writes the editor's lines to `name`; false, with the user told why,
  // when the file could not be written or the user refused the save
  // (nothing else changes then).
  bool SaveEditorTo(TFormEditor* editor, const QString& name);
  // Characters that code page 1252 lacks were shown as "?" since the file
  // was read: the user is told once, before a save writes the "?" over them,
  // and may keep the file as it is. True when the save may go on.
  bool ConfirmReplacedCharacters(TFormEditor* editor);
  // "O arquivo X ainda não foi salvo..." with Yes, No and Cancel; clears
  // LastSaveSucceeded before the answer is acted on.
  int AskToSaveModified(TFormEditor* editor);
  // View and tools, in form_main_view.cpp.
  void ApplySwitchToEditors(const QToolButton* viewSwitch, void (*apply)(TFormEditor&, bool shown));
  void ChangeFontSize(int delta);
  void StartTool(ExternalTool tool);
  void ShowToolFailure(const QString& failure);

  PictureMdiArea* mdiArea_ = nullptr;
  QToolBar* toolBar1_ = nullptr;
  QTabBar* tabControl1_ = nullptr;
  QWidget* barraBotoesEditor_ = nullptr;
  QWidget* panelErros_ = nullptr;
  QListWidget* listErros_ = nullptr;
  QLabel* statusPanels_[kStatusPanels] = {};
  QMenu* popupMenu1_ = nullptr;
  QMenu* arquivosBotaoAbrir_ = nullptr;
  // The components the commands enable, check or read, kept where they are
  // made; their object names stay for the texts' table and the tests.
  QToolButton* btnAbrir_ = nullptr;
  QToolButton* btnSalvar_ = nullptr;
  QToolButton* btnImprimir_ = nullptr;
  QToolButton* btnLocalizar_ = nullptr;
  QToolButton* btnRecortar_ = nullptr;
  QToolButton* btnCopiar_ = nullptr;
  QToolButton* btnColar_ = nullptr;
  QToolButton* btnDesfazer_ = nullptr;
  QToolButton* btnRefazer_ = nullptr;
  QToolButton* btnExecutar_ = nullptr;
  QToolButton* btnTaloExplorer_ = nullptr;
  QToolButton* btnShowGutter_ = nullptr;
  QToolButton* btnShowStruture_ = nullptr;
  QToolButton* btnShowBracket_ = nullptr;
  QToolButton* btnProxEditor_ = nullptr;
  QToolButton* btnPrevEditor_ = nullptr;
  QMenu* mnArquivoAbrirArquivo_ = nullptr;
  QMenu* mnCompilar_ = nullptr;
  QMenu* mnJanela_ = nullptr;
  QAction* mnArquivoSalvar_ = nullptr;
  QAction* mnArquivoSalvarComo_ = nullptr;
  QAction* mnArquivoFechar_ = nullptr;
  QAction* mnArquivoImprimir_ = nullptr;
  QAction* mnEditarDesfazer_ = nullptr;
  QAction* mnEditarRecortar_ = nullptr;
  QAction* mnEditarCopiar_ = nullptr;
  QAction* mnEditarColar_ = nullptr;
  QAction* mnEditarSelecionarTudo_ = nullptr;
  QAction* mnEditarLocalizar_ = nullptr;
  QAction* mnEditarSubstituir_ = nullptr;
  QAction* mnEditarIrParaLinha_ = nullptr;
  QAction* mnJanelaEditorModerno_ = nullptr;
  QAction* mnJanelaEditorClassico_ = nullptr;
  QAction* popRecortar_ = nullptr;
  QAction* popCopiar_ = nullptr;
  // The recent files: ARQ1-ARQ5 in the Arquivo menu, Arq11-Arq51 in the
  // open button's drop-down.
  QAction* arq_[RecentFilesList::kEntries] = {};
  QAction* arqBotao_[RecentFilesList::kEntries] = {};
  // The settings of the file dialogs (the filter).
  QObject* openDialog1_ = nullptr;
  QObject* saveDialog1_ = nullptr;
  TFormExplorer* explorer_ = nullptr;
  QString applicationHint_;
  QString helpFile_;
  bool shownOnce_ = false;
  QList<TFormEditor*> editorWindowList_;
  TFormEditor* activeEditorWindow_ = nullptr;
  bool lastSaveSucceeded_ = false;
  RunController* runController_ = nullptr;
  TFindDialog* findDialog1_ = nullptr;
  TReplaceDialog* replaceDialog1_ = nullptr;
  RecentFilesList recentFiles_;
  HelpWindow* helpWindow_ = nullptr;
};

}  // namespace kau::ide
