#include "graph/markertableview.h"

#include "common/latin1text.h"

#include <QHeaderView>

namespace norvane {

namespace {
// Rows shown without scrolling: the graph keeps most of the window at its default size.
constexpr int kVisibleRows = 4;
// The sign before the heading of a difference column.
const QString kDelta = QString(QChar(0x0394)) + " ";
} // namespace

MarkerTableView::MarkerTableView(QWidget* parent) : QTableWidget(parent)
{
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  verticalHeader()->hide();
  horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  setWordWrap(false);
  connect(this, &QTableWidget::currentCellChanged, this, [this](int row, int, int, int) {
    if (!m_showing && row >= 0) emit markerChosen(row + 1);
  });
}

void MarkerTableView::showTable(const MarkerTable& table, int selected)
{
  m_showing = true;
  const int columns = static_cast<int>(table.columns.size());
  setColumnCount(columns);
  for (int c = 0; c < columns; ++c) {
    const MarkerColumn& col = table.columns[static_cast<size_t>(c)];
    const QString heading = (col.delta ? kDelta : QString()) + toQt(col.heading);
    QTableWidgetItem* item = horizontalHeaderItem(c);
    if (!item) {
      item = new QTableWidgetItem;
      setHorizontalHeaderItem(c, item);
    }
    item->setText(heading);
  }
  horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  setRowCount(static_cast<int>(table.rows.size()));
  for (int r = 0; r < rowCount(); ++r) {
    const auto& cells = table.rows[static_cast<size_t>(r)];
    for (int c = 0; c < columns; ++c) {
      QTableWidgetItem* item = this->item(r, c);
      if (!item) {
        item = new QTableWidgetItem;
        item->setTextAlignment(c == 0 ? Qt::AlignCenter : Qt::AlignRight | Qt::AlignVCenter);
        setItem(r, c, item);
      }
      item->setText(toQt(cells[static_cast<size_t>(c)]));
    }
  }
  if (selected >= 1 && selected <= rowCount()) {
    selectRow(selected - 1);
  } else {
    clearSelection();
    setCurrentCell(-1, -1);
  }
  fitHeight();
  m_showing = false;
}

void MarkerTableView::fitHeight()
{
  const int rows = std::min(rowCount(), kVisibleRows);
  const int perRow = rowCount() > 0 ? rowHeight(0) : fontMetrics().height() + 6;
  setFixedHeight(horizontalHeader()->sizeHint().height() + rows * perRow + 2 * frameWidth());
}

QString MarkerTableView::cellText(int row, int column) const
{
  const QTableWidgetItem* i = item(row, column);
  return i ? i->text() : QString();
}

QString MarkerTableView::headingText(int column) const
{
  const QTableWidgetItem* i = horizontalHeaderItem(column);
  return i ? i->text() : QString();
}

} // namespace norvane
