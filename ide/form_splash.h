// The splash window: the picture, a gauge and the version, shown modally at
// start while its 15 ms timer runs for 49 ticks, printing a dot on the
// console at every second tick.
#pragma once

#include <functional>
#include <string_view>

#include <QDialog>

class QLabel;
class QTimer;

namespace kau::ide {

class Gauge;

class TFrmApresentacao : public QDialog {
  Q_OBJECT
 public:
  // Receives the code page 850 text the splash prints on the console.
  using ConsolePrinter = std::function<void(std::string_view)>;

  explicit TFrmApresentacao(QWidget* parent = nullptr);

  void setConsolePrinter(ConsolePrinter printer) { consolePrinter_ = std::move(printer); }
  void setPicture(const QPixmap& picture);
  int SplashTickCount() const { return tickCount_; }

 public slots:
  void FormActivate();
  void Timer1Timer();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* image1_;
  QLabel* label1_;
  QLabel* label2_;
  Gauge* progressBar1_;
  QTimer* timer1_;
  ConsolePrinter consolePrinter_;
  int tickCount_ = 0;
  bool activated_ = false;
};

}  // namespace kau::ide
