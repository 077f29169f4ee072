#include "graph/graphpanelwidgets.h"

#include "common/qtcanvas.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

namespace norvane {

SidePanel::SidePanel(QWidget* parent) : QWidget(parent) {}

void SidePanel::resizeEvent(QResizeEvent* event)
{
  QWidget::resizeEvent(event);
  if (m_layouter) m_layouter();
}

TextPanel::TextPanel(const QStringList& headings, int valueLines, QWidget* parent) : QFrame(parent)
{
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(3, 2, 3, 2);
  layout->setSpacing(0);
  for (const QString& h : headings) {
    auto* label = new QLabel(h, this);
    label->setAlignment(Qt::AlignHCenter);
    layout->addWidget(label);
    m_headings.push_back(label);
  }
  for (int i = 0; i < valueLines; ++i) {
    auto* label = new QLabel(this);
    label->setAlignment(Qt::AlignLeft);
    layout->addWidget(label);
    m_values.push_back(label);
  }
}

void TextPanel::setValues(const QStringList& values)
{
  for (size_t i = 0; i < m_values.size(); ++i) {
    const QString v =
        static_cast<qsizetype>(i) < values.size() ? values[static_cast<qsizetype>(i)] : QString();
    if (m_values[i]->text() != v) m_values[i]->setText(v);
  }
}

void TextPanel::setHeadings(const QStringList& headings)
{
  for (size_t i = 0; i < m_headings.size() && static_cast<qsizetype>(i) < headings.size(); ++i)
    m_headings[i]->setText(headings[static_cast<qsizetype>(i)]);
}

QString TextPanel::text() const
{
  QStringList lines;
  for (const QLabel* l : m_headings)
    lines << l->text();
  for (const QLabel* l : m_values)
    lines << l->text();
  return lines.join('\n');
}

int TextPanel::preferredHeight() const
{
  return sizeHint().height();
}

QPixmap roundMark(int colorValue, int diameter)
{
  // Drawn with as many pixels as the densest screen has, so the mark is never enlarged.
  const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
  QPixmap pm(QSize(diameter, diameter) * ratio);
  pm.setDevicePixelRatio(ratio);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::black);
  p.setBrush(toQColor(colorValue));
  p.drawEllipse(0, 0, diameter - 1, diameter - 1);
  return pm;
}

} // namespace norvane
