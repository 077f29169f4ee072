#include "dialogs/yieldhistogram.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace norvane {

YieldHistogram::YieldHistogram(QWidget* parent) : QWidget(parent)
{
  setMinimumHeight(110);
}

void YieldHistogram::setData(const QString& title, const Histogram& histogram, double limit)
{
  m_title = title;
  m_histogram = histogram;
  m_limit = limit;
  update();
}

void YieldHistogram::paintEvent(QPaintEvent*)
{
  QPainter p(this);
  p.fillRect(rect(), palette().base());
  p.setPen(palette().text().color());
  const int textHeight = fontMetrics().height();
  p.drawText(QRect(4, 2, width() - 8, textHeight), Qt::AlignLeft, m_title);
  if (m_histogram.counts.empty()) {
    return;
  }
  // The horizontal range covers the bins and the limit, so the line is always on the chart.
  double low = std::min(m_histogram.low, m_limit);
  double high = std::max(m_histogram.high, m_limit);
  if (!(high > low)) {
    low -= 1.0;
    high += 1.0;
  }
  const QRectF area(6, textHeight + 6, width() - 12, height() - 2 * textHeight - 14);
  const auto xOf = [&](double v) { return area.left() + (v - low) / (high - low) * area.width(); };
  const long most = *std::max_element(m_histogram.counts.begin(), m_histogram.counts.end());
  const double binWidth =
      (m_histogram.high - m_histogram.low) / static_cast<double>(m_histogram.counts.size());
  for (std::size_t i = 0; i < m_histogram.counts.size(); ++i) {
    if (m_histogram.counts[i] == 0 || most == 0) {
      continue;
    }
    const double left = binWidth > 0.0 ? xOf(m_histogram.low + binWidth * static_cast<double>(i))
                                       : xOf(m_histogram.low) - 3.0;
    const double right = binWidth > 0.0
                             ? xOf(m_histogram.low + binWidth * static_cast<double>(i + 1))
                             : xOf(m_histogram.low) + 3.0;
    const double h =
        area.height() * static_cast<double>(m_histogram.counts[i]) / static_cast<double>(most);
    p.fillRect(QRectF(left, area.bottom() - h, std::max(1.0, right - left - 1.0), h),
               QColor(70, 110, 180));
  }
  p.setPen(palette().text().color());
  p.drawLine(area.bottomLeft(), area.bottomRight());
  p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), textHeight), Qt::AlignLeft,
             QString::number(low, 'g', 4));
  p.drawText(QRectF(area.left(), area.bottom() + 2, area.width(), textHeight), Qt::AlignRight,
             QString::number(high, 'g', 4));
  // The goal's limit.
  p.setPen(QPen(Qt::red, 2));
  const double x = xOf(m_limit);
  p.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
}

} // namespace norvane
