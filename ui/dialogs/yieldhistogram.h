#pragma once
// One goal's worst values over the yield runs as a bar chart, with the goal's limit drawn as a
// vertical line so the runs on the wrong side of it stand out.

#include "yield/yieldstatistics.h"

#include <QString>
#include <QWidget>

namespace norvane {

class YieldHistogram : public QWidget
{
public:
  explicit YieldHistogram(QWidget* parent = nullptr);

  void setData(const QString& title, const Histogram& histogram, double limit);
  const Histogram& histogram() const { return m_histogram; }
  double limit() const { return m_limit; }

  QSize sizeHint() const override { return {320, 140}; }

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QString m_title;
  Histogram m_histogram;
  double m_limit = 0.0;
};

} // namespace norvane
