#include "ide/form_splash.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "ide/gauge.h"
#include "ide/version.h"

namespace kau::ide {

namespace {
constexpr int kTickMilliseconds = 15;
constexpr int kLastTick = 50;
const QColor kNavy(0x00, 0x00, 0x80);

QLabel* NavyLabel(QWidget* parent, const char* name, int pixels, bool bold) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QFont font("Arial");
  font.setPixelSize(pixels);
  font.setBold(bold);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, kNavy);
  label->setPalette(palette);
  return label;
}
}  // namespace

TFrmApresentacao::TFrmApresentacao(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
  setObjectName("FrmApresentacao");
  setFixedSize(289, 119);
  setModal(true);

  auto* bevel = new QFrame(this);
  bevel->setObjectName("Bevel1");
  bevel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bevel->setGeometry(14, 9, 261, 45);
  image1_ = new QLabel(this);
  image1_->setObjectName("Image1");
  image1_->setGeometry(16, 11, 257, 41);

  label1_ = NavyLabel(this, "Label1", 13, false);
  label1_->setGeometry(24, 60, 130, 18);
  label2_ = NavyLabel(this, "Label2", 12, true);
  label2_->setGeometry(145, 60, 120, 18);
  label2_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

  progressBar1_ = new Gauge(this);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setGeometry(24, 82, 241, 25);
  progressBar1_->setForeColor(QColor(0xBF, 0xBF, 0xFF));

  timer1_ = new QTimer(this);
  timer1_->setObjectName("Timer1");
  timer1_->setInterval(kTickMilliseconds);
  connect(timer1_, &QTimer::timeout, this, &TFrmApresentacao::Timer1Timer);

  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
}

void TFrmApresentacao::setPicture(const QPixmap& picture) { image1_->setPixmap(picture); }

// Activation comes with the first showing: the offscreen and some X11
// platforms never activate a window that the user did not click.
void TFrmApresentacao::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!activated_) {
    activated_ = true;
    FormActivate();
  }
}

void TFrmApresentacao::FormActivate() {
  label2_->setText(kVersionText);
  repaint();
  timer1_->start();
  tickCount_ = 1;
}

void TFrmApresentacao::Timer1Timer() {
  label1_->setText("Carregando....");
  ++tickCount_;
  if (tickCount_ % 2 == 0 && consolePrinter_) consolePrinter_(".");
  progressBar1_->addProgress(2);
  if (tickCount_ >= kLastTick) {
    timer1_->stop();
    accept();
  }
}

}  // namespace kau::ide
