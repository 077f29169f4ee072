#include "debugwindow.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane {

DebugWindow::DebugWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
  setWindowTitle("Debug");
  setObjectName("DebugWindow");
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < m_labels.size(); ++i) {
    m_labels[i] = new QLabel(QString("Label%1").arg(i + 1), this);
    layout->addWidget(m_labels[i]);
  }
  m_list = new QListWidget(this);
  layout->addWidget(m_list);
  m_clear = new QPushButton("Clear", this);
  layout->addWidget(m_clear);
  connect(m_clear, &QPushButton::clicked, m_list, &QListWidget::clear);
  resize(320, 360);
}

void DebugWindow::setLabel(int index, const QString& text)
{
  if (QLabel* l = label(index)) {
    l->setText(text);
  }
}

void DebugWindow::addLine(const QString& text)
{
  m_list->addItem(text);
}

QLabel* DebugWindow::label(int index) const
{
  if (index < 0 || index >= static_cast<int>(m_labels.size())) {
    return nullptr;
  }
  return m_labels[static_cast<size_t>(index)];
}

} // namespace norvane
