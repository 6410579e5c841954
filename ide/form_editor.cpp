#include "ide/form_editor.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QProxyStyle>

#include "ide/editor_control_host.h"
#include "ide/editor_window_settings.h"
#include "ide/form_main.h"
#include "ide/literal_caption.h"
#include "platform/qt/qt_popup_host.h"

namespace kau::ide {

namespace {

// A maximized editor window keeps its own title bar inside the area, so that
// its caption shows there and the main window's caption stays its own.
class OwnTitleBarStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_Workspace_FillSpaceOnMaximize) return 1;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

constexpr TColor kErrorLineText = 0xFFFFFF;
constexpr TColor kErrorLineBackground = 0x000080;
}  // namespace

TFormEditor::TFormEditor(TFormMain& owner) : main_(owner) {
  setObjectName("FormEditor");
  setAttribute(Qt::WA_DeleteOnClose, false);
  auto* style = new OwnTitleBarStyle;
  style->setParent(this);
  setStyle(style);
  resize(502, 309);
  richEdit1_ = std::make_unique<RichEditControl>();
  synEditPrint1_ = std::make_unique<editor::TSynEditPrint>();
  hEstiloClassico_ = std::make_unique<editor::TSynPasSyn>();
  hEstiloModerno_ = std::make_unique<editor::TSynPasSyn>();
  host_ = new EditorControlHost(*this, this);
  host_->SetClient(richEdit1_.get());
  richEdit1_->CreateWnd(*host_);
  setWidget(host_);
  janelaTemplates_ = std::make_unique<editor::TSynCompletionProposal>(std::make_unique<platform::QtPopupHost>(host_));
  janelaTemplates_->AddEditor(richEdit1_.get());
  buildJanelaTemplates();
  ColourHighlighters();
  buildRichEdit1();
  buildSynEditPrint1();
  // Its own minimize button: the main window moves the tab and the keys on.
  connect(this, &QMdiSubWindow::windowStateChanged, &main_, [this](Qt::WindowStates before, Qt::WindowStates now) {
    if (!now.testFlag(Qt::WindowMinimized) || before.testFlag(Qt::WindowMinimized)) return;
    maximizedWhenMinimized_ = before.testFlag(Qt::WindowMaximized);
    main_.EditorWindowMinimized(this);
  });
}

TFormEditor::~TFormEditor() {
  janelaTemplates_.reset();
  host_->SetClient(nullptr);
  richEdit1_->DestroyWnd();
  richEdit1_.reset();  // before the highlighters it paints with
  FreeWindowListItems();
}

void TFormEditor::FreeWindowListItems() {
  delete windowListItem_;
  windowListItem_ = nullptr;
  delete popupListItem_;
  popupListItem_ = nullptr;
}

// The form's settings of the control; the style applied at creation
// replaces its colours.
void TFormEditor::buildRichEdit1() {
  ApplyEditorWindowSettings(*richEdit1_);
  richEdit1_->SetHighlighter(hEstiloClassico_.get());
  richEdit1_->OnSpecialLineColors =
      editor::TSpecialLineColorsEvent::bind<&TFormEditor::RichEdit1SpecialLineColors>(this);
  richEdit1_->OnStatusChange = editor::TStatusChangeEvent::bind<&TFormEditor::RichEdit1StatusChange>(this);
}

// The form's settings of the print object: margins in millimetres, Arial
// 13 pixels in the header and footer, line numbers in the left margin. The
// print command replaces the text font and tab width with the editor's.
void TFormEditor::buildSynEditPrint1() {
  editor::TSynEditPrint& print = *synEditPrint1_;
  print.Copies = 1;
  print.Header().DefaultFont().SetName("Arial");
  print.Header().DefaultFont().SetHeight(-13);
  print.Footer().DefaultFont().SetName("Arial");
  print.Footer().DefaultFont().SetHeight(-13);
  editor::TSynEditPrintMargins& margins = print.Margins();
  margins.SetLeft(25);
  margins.SetTop(25);
  margins.SetBottom(25);
  margins.SetRight(15);
  margins.SetHeader(15);
  margins.SetFooter(15);
  margins.SetLeftHFTextIndent(2);
  margins.SetRightHFTextIndent(2);
  print.Font().SetName("MS Sans Serif");
  print.Font().SetHeight(-11);
  print.SetLineNumbers(true);
  print.SetLineNumbersInMargin(true);
  print.SetTabWidth(8);
  print.Color = clWhite;
}

void TFormEditor::FormCreate() {
  richEdit1_->SetModified(false);
  windowListItem_ = new QAction(&main_);
  connect(windowListItem_, &QAction::triggered, &main_, &TFormMain::janelasEditor1Click);
  main_.MnJanela()->addAction(windowListItem_);
  popupListItem_ = new QAction(&main_);
  connect(popupListItem_, &QAction::triggered, &main_, &TFormMain::janelasEditorPopupClick);
  main_.PopupMenu1()->addAction(popupListItem_);
  host_->setPopupMenu(main_.PopupMenu1());
  main_.setActiveEditorWindow(this);
  if (main_.MnJanelaEditorClassico()->isChecked())
    main_.MnJanelaEditorClassicoClick();
  else
    main_.MnJanelaEditorModernoClick();
}

void TFormEditor::FormActivate() {
  main_.setActiveEditorWindow(this);
  main_.selectEditorTab(this);
  ShowCaretPosition();
  const bool classic = EditorStyle == StyleClassic;
  main_.MnJanelaEditorClassico()->setChecked(classic);
  main_.MnJanelaEditorModerno()->setChecked(!classic);
}

void TFormEditor::closeEvent(QCloseEvent* event) { FormClose(event); }

// The close-file command frees the window; the window never closes itself.
// The command acts on the active window, so this one is made active first
// (its close box can be clicked while another is active); a window already
// closed and waiting to be freed is left alone.
void TFormEditor::FormClose(QCloseEvent* event) {
  event->ignore();
  if (!main_.EditorWindowList().contains(this)) return;
  if (main_.ActiveEditorWindow() != this) main_.ativaEditor(this);
  main_.MnArquivoFecharClick();
}

void TFormEditor::SetFileName(const QString& name) {
  EditorFileName = name;
  setWindowTitle(LiteralTitle(name));
  if (windowListItem_) windowListItem_->setText(LiteralCaption(name));
  if (popupListItem_) popupListItem_->setText(LiteralCaption(name));
}

QString TFormEditor::TabTitle() const { return QFileInfo(EditorFileName).fileName(); }

void TFormEditor::ShowModifiedMark() {
  const QString mark = richEdit1_->Modified() ? "*" : "";
  setWindowTitle(LiteralTitle(EditorFileName) + mark);
  main_.setEditorTabTitle(this, TabTitle() + mark);
}

void TFormEditor::ShowCaretPosition() {
  main_.setStatusPanelText(
      0, QString::fromUtf8(" Linha %1 : Posição %2").arg(richEdit1_->CaretY()).arg(richEdit1_->CaretX()));
}

// The control's back buffer keeps what it painted; the line is asked again.
void TFormEditor::SetErrorLine(int line) {
  ErrorLineMark = line;
  if (line > 0) richEdit1_->InvalidateLine(line);
}

void TFormEditor::RichEdit1SpecialLineColors(editor::TObject*, int line, bool& special, TColor& foreground,
                                             TColor& background) {
  if (line != ErrorLineMark) return;
  special = true;
  foreground = kErrorLineText;
  background = kErrorLineBackground;
  ErrorLineMark = -1;
}

// Every change of the text or the selection (typing, paste, drop, replace,
// templates) shows in the caption, the tab and the clipboard commands.
void TFormEditor::RichEdit1StatusChange(editor::TObject*, editor::TSynStatusChanges changes) {
  if (changes & editor::scModified) ShowModifiedMark();
  if (changes & editor::scSelection) main_.UpdateClipboardCommands(this);
}

}  // namespace kau::ide
