#include "resultswindow.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace norvane {

ResultsWindow::ResultsWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
  setWindowTitle("Norvane - Simulation results");
  setObjectName("ResultsWindow");
  m_summary = new QLabel(this);
  m_summary->setWordWrap(true);
  m_table = new QTableWidget(this);
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->verticalHeader()->setVisible(false);
  m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
  m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_summary);
  layout->addWidget(m_table);
  resize(640, 420);
}

void ResultsWindow::setTable(const QStringList& headings, const QList<QStringList>& rows)
{
  m_table->clear();
  m_table->setColumnCount(static_cast<int>(headings.size()));
  m_table->setHorizontalHeaderLabels(headings);
  m_table->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < rows.size(); ++r) {
    for (int c = 0; c < rows[r].size() && c < headings.size(); ++c) {
      auto* cell = new QTableWidgetItem(rows[r][c]);
      cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      m_table->setItem(r, c, cell);
    }
  }
}

void ResultsWindow::setSummary(const QString& text)
{
  m_summary->setText(text);
}

QString ResultsWindow::summary() const
{
  return m_summary->text();
}

} // namespace norvane
