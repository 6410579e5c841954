// A horizontal gauge: a bar in its fore colour over white with the
// percentage written in the middle, as the splash shows its progress.
#pragma once

#include <QColor>
#include <QWidget>

namespace kau::ide {

class Gauge : public QWidget {
  Q_OBJECT
 public:
  explicit Gauge(QWidget* parent = nullptr);

  int progress() const { return progress_; }
  void setProgress(int value);
  void addProgress(int amount) { setProgress(progress_ + amount); }
  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  QColor foreColor() const { return foreColor_; }
  void setForeColor(QColor colour);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int progress_ = 0;
  QColor foreColor_ = Qt::black;
};

}  // namespace kau::ide
