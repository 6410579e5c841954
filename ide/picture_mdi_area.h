// The area of the editor windows: silver, with a picture centred behind
// the windows, and the two tilings of the Janela menu.
#pragma once

#include <QMdiArea>
#include <QPixmap>

namespace kau::ide {

class PictureMdiArea : public QMdiArea {
  Q_OBJECT
 public:
  explicit PictureMdiArea(QWidget* parent = nullptr);

  const QPixmap& picture() const { return picture_; }
  void setPicture(const QPixmap& picture);
  // The shown windows in equal strips: one above another for Qt::Vertical,
  // side by side for Qt::Horizontal.
  void tileEditorWindows(Qt::Orientation orientation);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace kau::ide
