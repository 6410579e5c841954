#include "ide/form_about.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

#include "ide/version.h"

namespace kau::ide {

namespace {
const QColor kBand(0x14, 0x10, 0x67);    // 0x671014
const QColor kLightBlue(0xBF, 0xBF, 0xFF);  // 0xFFBFBF

const char kDescription[] =
    "O Pascal KAU! é um ambiente para aprender a programar em Pascal.\n\n"
    "Nele o estudante escreve seus programas num editor que destaca a sintaxe, "
    "liga cada BEGIN ao seu END e oferece modelos de comandos; executa-os no "
    "console com um só toque na tecla F9; lê em português as mensagens de erro, "
    "com a linha do erro marcada no editor; e pode transformar cada programa "
    "num executável que funciona sozinho.";

QWidget* Panel(QWidget* parent, const char* name, QColor background) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(name);
  panel->setAutoFillBackground(true);
  QPalette palette = panel->palette();
  palette.setColor(QPalette::Window, background);
  panel->setPalette(palette);
  return panel;
}

QLabel* CreditLabel(QWidget* parent, const char* name, const char* text) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setObjectName(name);
  label->setAlignment(Qt::AlignCenter);
  return label;
}
}  // namespace

TFrmAbout::TFrmAbout(QWidget* parent) : QDialog(parent) {
  setObjectName("FrmAbout");
  setWindowTitle(" Sobre...");
  setModal(true);

  auto* shape = Panel(this, "Shape1", kBand);
  auto* bandLayout = new QVBoxLayout(shape);
  image1_ = new QLabel(shape);
  image1_->setObjectName("Image1");
  image1_->setAlignment(Qt::AlignCenter);
  label7_ = new QLabel(shape);
  label7_->setObjectName("Label7");
  label7_->setAlignment(Qt::AlignCenter);
  QPalette white = label7_->palette();
  white.setColor(QPalette::WindowText, Qt::white);
  label7_->setPalette(white);
  QFont bold = label7_->font();
  bold.setBold(true);
  label7_->setFont(bold);
  bandLayout->addWidget(image1_);
  bandLayout->addWidget(label7_);

  auto* descriptionPanel = new QWidget(this);
  descriptionPanel->setObjectName("Panel2");
  auto* descriptionLayout = new QVBoxLayout(descriptionPanel);
  descriptionLayout->setContentsMargins(0, 0, 0, 0);
  richEdit1_ = new QTextEdit(descriptionPanel);
  richEdit1_->setObjectName("RichEdit1");
  richEdit1_->setReadOnly(true);
  richEdit1_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette paper = richEdit1_->palette();
  paper.setColor(QPalette::Base, kLightBlue);
  richEdit1_->setPalette(paper);
  richEdit1_->setPlainText(QString::fromUtf8(kDescription));
  QTextCursor all(richEdit1_->document());
  all.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignCenter);
  all.mergeBlockFormat(centred);
  richEdit1_->setFixedSize(320, 130);
  descriptionLayout->addWidget(richEdit1_);

  auto* credits = Panel(this, "Panel3", kLightBlue);
  auto* creditLayout = new QVBoxLayout(credits);
  creditLayout->addWidget(CreditLabel(credits, "Label8", "Compilador, interpretador e janelas escritos em C++ com Qt 6."));
  creditLayout->addWidget(CreditLabel(credits, "Label9", "Feito para quem aprende a programar em português."));

  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("BitBtn1");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(shape);
  layout->addWidget(descriptionPanel);
  layout->addWidget(credits);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TFrmAbout::setPicture(const QPixmap& picture) { image1_->setPixmap(picture); }

void TFrmAbout::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormActivate();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFrmAbout::FormActivate() { label7_->setText(kVersionText); }

}  // namespace kau::ide
