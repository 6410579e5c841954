// The about box: the picture and the version on a dark band, a short
// description of the product, two credit lines and an OK button.
#pragma once

#include <QDialog>

class QLabel;
class QTextEdit;

namespace kau::ide {

class TFrmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmAbout(QWidget* parent = nullptr);

  void setPicture(const QPixmap& picture);

 public slots:
  void FormActivate();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* label7_;
  QLabel* image1_;
  QTextEdit* richEdit1_;
};

}  // namespace kau::ide
