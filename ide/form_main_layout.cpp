// The main window's widgets, as its form lays them out.
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ide/art.h"
#include "ide/form_main.h"
#include "ide/literal_caption.h"
#include "ide/picture_mdi_area.h"

namespace kau::ide {

namespace {
const QColor kTabText(0x80, 0x80, 0xC0);       // 0xC08080
const QColor kErrorBackground(0xDD, 0xDD, 0xFF);  // 0xFFDDDD
const QColor kNavy(0x00, 0x00, 0x80);
constexpr int kStatusWidths[TFormMain::kStatusPanels] = {150, 180, 450};

void Colour(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles, QColor colour) {
  QPalette palette = widget->palette();
  for (auto role : roles) palette.setColor(role, colour);
  widget->setPalette(palette);
}
}  // namespace

QToolButton* TFormMain::toolButton(const char* name, int image, void (TFormMain::*handler)()) {
  auto* button = new QToolButton(toolBar1_);
  button->setObjectName(name);
  button->setAutoRaise(true);
  button->setFixedSize(24, 25);
  button->setIcon(ImageListIcon(image));
  button->setIconSize(QSize(16, 16));
  connect(button, &QToolButton::clicked, this, handler);
  toolBar1_->addWidget(button);
  return button;
}

void TFormMain::buildToolBar() {
  toolBar1_ = new QToolBar(this);
  toolBar1_->setObjectName("ToolBar1");
  toolBar1_->setMovable(false);
  toolBar1_->setFloatable(false);
  addToolBar(Qt::TopToolBarArea, toolBar1_);
  toolButton("BtnNovo", kImageNovo, &TFormMain::NovoExecute);
  btnAbrir_ = toolButton("BtnAbrir", kImageAbrir, &TFormMain::MnArquivoAbrirClick);
  btnSalvar_ = toolButton("BtnSalvar", kImageSalvar, &TFormMain::MnArquivoSalvarClick);
  toolBar1_->addSeparator();
  btnImprimir_ = toolButton("BtnImprimir", kImageImprimir, &TFormMain::MnArquivoImprimirClick);
  btnLocalizar_ = toolButton("BtnLocalizar", kImageLocalizar, &TFormMain::MnEditarLocalizarClick);
  toolBar1_->addSeparator();
  btnRecortar_ = toolButton("BtnRecortar", kImageRecortar, &TFormMain::MnEditarRecortarClick);
  btnCopiar_ = toolButton("BtnCopiar", kImageCopiar, &TFormMain::MnEditarCopiarClick);
  btnColar_ = toolButton("BtnColar", kImageColar, &TFormMain::MnEditarColarClick);
  toolBar1_->addSeparator();
  btnDesfazer_ = toolButton("BtnDesfazer", kImageDesfazer, &TFormMain::MnEditarDesfazerClick);
  btnRefazer_ = toolButton("BtnRefazer", kImageRefazer, &TFormMain::MnEditarRefazerClick);
  toolBar1_->addSeparator();
  toolButton("BtnJanelaCascata", kImageCascata, &TFormMain::MnJanelaCascataClick);
  toolButton("BtnJanelaHorizontalmente", kImageHorizontal, &TFormMain::MnJanelaDividirHorizontalmenteClick);
  toolButton("BtnJanelaLadoLado", kImageLadoLado, &TFormMain::MnJanelaLadoLadoClick);
  toolBar1_->addSeparator();
  toolButton("BtnNotepad", kImageNotepad, &TFormMain::MnFerramentasBlocoNotasClick);
  toolButton("BtnCalculadora", kImageCalculadora, &TFormMain::MnFerramentasCalculadoraClick);
  toolButton("BtnInternetExplorer", kImageInternet, &TFormMain::IExplore1Click);
  toolButton("BtnDos", kImageDos, &TFormMain::MnFerramentasPromptMSDOSClick);
  toolButton("BtnWindowsExplorer", kImageWindowsExplorer, &TFormMain::MnFerramentasWindowsExplorerClick);
  toolBar1_->addSeparator();
  btnExecutar_ = toolButton("BtnExecutar", kImageExecutar, &TFormMain::Executar1Click);
  toolBar1_->addSeparator();
  btnTaloExplorer_ = toolButton("BtnTaloExplorer", kImageTaloExplorer, &TFormMain::BtnTaloExplorerClick);
  btnTaloExplorer_->setCheckable(true);
  toolBar1_->addSeparator();
  toolButton("BtnHelp", kImageHelp, &TFormMain::MnAjudaTopicosAjudaClick);

  // The open button's drop-down of recent files; it is attached once a
  // recent file exists.
  arquivosBotaoAbrir_ = new QMenu(this);
  arquivosBotaoAbrir_->setObjectName("arquivosBotaoAbrir");
  connect(arquivosBotaoAbrir_, &QMenu::aboutToShow, this, &TFormMain::arquivosBotaoAbrirPopup);
  for (int i = 1; i <= RecentFilesList::kEntries; ++i) {
    arqBotao_[i - 1] =
        menuItem(arquivosBotaoAbrir_, qPrintable((QString("Arq%1").arg(i) + "1")), QString(), &TFormMain::AbrirArquivo);
    arqBotao_[i - 1]->setVisible(false);
  }
}

QToolButton* TFormMain::editorBarButton(const char* name, const QString& glyph, bool toggle,
                                        void (TFormMain::*handler)()) {
  auto* button = new QToolButton(barraBotoesEditor_);
  button->setObjectName(name);
  button->setText(glyph);
  button->setAutoRaise(true);
  button->setCheckable(toggle);
  button->setFixedSize(25, 25);
  QFont font("DejaVu Sans");
  font.setPixelSize(13);
  button->setFont(font);
  connect(button, &QToolButton::clicked, this, handler);
  barraBotoesEditor_->layout()->addWidget(button);
  return button;
}

// The symbols stand where the form had glyphs of a Windows symbol font.
void TFormMain::buildEditorBar() {
  barraBotoesEditor_ = new QWidget(this);
  barraBotoesEditor_->setObjectName("barraBotoesEditor");
  barraBotoesEditor_->setFixedWidth(25);
  auto* layout = new QVBoxLayout(barraBotoesEditor_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  editorBarButton("btnCloseEditor", QString::fromUtf8("✕"), false, &TFormMain::btnCloseEditorClick);
  btnShowGutter_ = editorBarButton("btnShowGutter", "#", true, &TFormMain::btnShowGutterClick);
  btnShowStruture_ = editorBarButton("btnShowStruture", QString::fromUtf8("┣"), true, &TFormMain::btnShowStrutureClick);
  btnShowBracket_ = editorBarButton("btnShowBracket", QString::fromUtf8("⟮⟯"), true, &TFormMain::btnShowBracketClick);
  editorBarButton("btnAumentarFonte", "+", false, &TFormMain::btnAumentarFonteClick);
  editorBarButton("btnReduzirFonte", "-", false, &TFormMain::btnReduzirFonteClick);
  btnProxEditor_ = editorBarButton("btnProxEditor", QString::fromUtf8("▶"), false, &TFormMain::btnProxEditorClick);
  btnProxEditor_->setEnabled(false);
  btnPrevEditor_ = editorBarButton("btnPrevEditor", QString::fromUtf8("◀"), false, &TFormMain::btnPrevEditorClick);
  btnPrevEditor_->setEnabled(false);
  layout->addStretch(1);
  barraBotoesEditor_->hide();
}

void TFormMain::buildErrorPanel() {
  panelErros_ = new QWidget(this);
  panelErros_->setObjectName("panelErros");
  panelErros_->setFixedHeight(57);
  auto* close = new QPushButton("x", panelErros_);
  close->setObjectName("Button1");
  close->setFixedWidth(21);
  close->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
  connect(close, &QPushButton::clicked, this, &TFormMain::Button1Click);
  listErros_ = new QListWidget(panelErros_);
  listErros_->setObjectName("ListErros");
  Colour(listErros_, {QPalette::Base}, kErrorBackground);
  Colour(listErros_, {QPalette::Text}, kNavy);
  QFont bold = listErros_->font();
  bold.setBold(true);
  listErros_->setFont(bold);
  auto* layout = new QHBoxLayout(panelErros_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(close);
  layout->addWidget(listErros_, 1);
  panelErros_->hide();
}

// Tabs over the editor windows, the left bar beside them, the error panel
// below.
void TFormMain::buildCentre() {
  auto* centre = new QWidget(this);
  centre->setObjectName("ClientArea");
  tabControl1_ = new QTabBar(centre);
  tabControl1_->setObjectName("TabControl1");
  tabControl1_->setUsesScrollButtons(true);
  tabControl1_->setExpanding(false);
  tabControl1_->setDrawBase(true);
  tabControl1_->setIconSize(QSize(16, 16));
  Colour(tabControl1_, {QPalette::WindowText, QPalette::ButtonText}, kTabText);
  tabControl1_->hide();
  connect(tabControl1_, &QTabBar::currentChanged, this, &TFormMain::TabControl1Change);
  connect(tabControl1_, &QTabBar::tabBarClicked, this, &TFormMain::TabControl1Click);

  mdiArea_ = new PictureMdiArea(centre);
  mdiArea_->setObjectName("MdiArea");
  mdiArea_->setPicture(MainPicture());
  buildEditorBar();
  buildErrorPanel();

  auto* middle = new QHBoxLayout;
  middle->setSpacing(0);
  middle->addWidget(barraBotoesEditor_);
  middle->addWidget(mdiArea_, 1);
  auto* layout = new QVBoxLayout(centre);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(tabControl1_);
  layout->addLayout(middle, 1);
  layout->addWidget(panelErros_);
  setCentralWidget(centre);
}

// Panels of fixed widths side by side; a narrow window cuts them off at its
// edge instead of growing to hold them.
void TFormMain::buildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName("StatusBar1");
  auto* strip = new QWidget(bar);
  strip->setObjectName("StatusBar1Panels");
  QFont small = strip->font();  // the panels' texts fit their widths
  small.setPixelSize(11);
  strip->setFont(small);
  const int height = strip->fontMetrics().height() + 6;
  strip->setFixedHeight(height);
  strip->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  int left = 0;
  for (int i = 0; i < kStatusPanels; ++i) {
    auto* panel = new QLabel(strip);
    panel->setObjectName(QString("StatusBar1Panel%1").arg(i));
    panel->setGeometry(left, 0, kStatusWidths[i], height);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (i < 2) panel->setAlignment(Qt::AlignCenter);
    statusPanels_[i] = panel;
    left += kStatusWidths[i] + 2;
  }
  bar->addWidget(strip, 1);
  setStatusBar(bar);
}

int TFormMain::TabControl1GetImageIndex() { return kImageTab; }

int TFormMain::addEditorTab(const QString& title) {
  const int index = tabControl1_->addTab(ImageListIcon(TabControl1GetImageIndex()), LiteralCaption(title));
  tabControl1_->setTabTextColor(index, kTabText);
  return index;
}

}  // namespace kau::ide
