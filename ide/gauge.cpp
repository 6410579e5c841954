#include "ide/gauge.h"

#include <algorithm>

#include <QPainter>

namespace kau::ide {

Gauge::Gauge(QWidget* parent) : QWidget(parent) {}

void Gauge::setProgress(int value) {
  value = std::clamp(value, min_, max_);
  if (value == progress_) return;
  progress_ = value;
  update();
}

void Gauge::setForeColor(QColor colour) {
  foreColor_ = colour;
  update();
}

void Gauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect inside = rect().adjusted(1, 1, -1, -1);
  p.fillRect(rect(), Qt::white);
  const int filled = inside.width() * (progress_ - min_) / (max_ - min_);
  p.fillRect(QRect(inside.left(), inside.top(), filled, inside.height()), foreColor_);
  p.setPen(Qt::black);
  p.drawRect(rect().adjusted(0, 0, -1, -1));
  p.drawText(inside, Qt::AlignCenter, QString::number(100 * (progress_ - min_) / (max_ - min_)) + "%");
}

}  // namespace kau::ide
