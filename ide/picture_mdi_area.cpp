#include "ide/picture_mdi_area.h"

#include <QMdiSubWindow>
#include <QPainter>

namespace kau::ide {

PictureMdiArea::PictureMdiArea(QWidget* parent) : QMdiArea(parent) {
  setBackground(QColor(0xC0, 0xC0, 0xC0));  // clSilver
}

void PictureMdiArea::setPicture(const QPixmap& picture) {
  picture_ = picture;
  viewport()->update();
}

void PictureMdiArea::tileEditorWindows(Qt::Orientation orientation) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* window : subWindowList())
    if (window->isVisible() && !window->isMinimized()) windows.append(window);
  if (windows.isEmpty()) return;
  const QRect area = viewport()->rect();
  const int count = int(windows.size());
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* window = windows[i];
    if (window->isMaximized()) window->showNormal();
    if (orientation == Qt::Vertical) {
      const int top = area.height() * i / count;
      window->setGeometry(0, top, area.width(), area.height() * (i + 1) / count - top);
    } else {
      const int left = area.width() * i / count;
      window->setGeometry(left, 0, area.width() * (i + 1) / count - left, area.height());
    }
  }
}

void PictureMdiArea::paintEvent(QPaintEvent* event) {
  QMdiArea::paintEvent(event);
  if (picture_.isNull()) return;
  QPainter painter(viewport());
  const QRect area = viewport()->rect();
  const QSize size = picture_.deviceIndependentSize().toSize();
  painter.drawPixmap(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size), picture_);
}

}  // namespace kau::ide
