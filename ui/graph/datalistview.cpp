#include "graph/datalistview.h"

#include "common/latin1text.h"
#include "graph/datalist.h"

#include <QHeaderView>

#include <algorithm>

namespace norvane {

DataListView::DataListView(QWidget* parent) : QTableWidget(parent)
{
  setColumnCount(kDataListColumns);
  QStringList headings;
  for (const char* h : kDataListHeadings)
    headings << toQt(h);
  setHorizontalHeaderLabels(headings);
  verticalHeader()->setVisible(false); // no fixed column
  setShowGrid(true);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  QFont f("Arial");
  f.setPointSize(8);
  setFont(f);
  verticalHeader()->setDefaultSectionSize(QFontMetrics(f).height() + 4);
}

void DataListView::showRows(const std::vector<DataListRow>& rows)
{
  const int n = static_cast<int>(rows.size());
  if (rowCount() != n) setRowCount(n);
  m_shown.resize(rows.size());
  for (int r = 0; r < n; ++r) {
    const auto ri = static_cast<size_t>(r);
    for (int c = 0; c < kDataListColumns; ++c) {
      const auto ci = static_cast<size_t>(c);
      QTableWidgetItem* it = item(r, c);
      if (it && m_shown[ri][ci] == rows[ri][ci]) continue;
      if (!it) {
        it = new QTableWidgetItem;
        setItem(r, c, it);
      }
      it->setText(toQt(rows[ri][ci])); // the degree sign is byte 176 of Latin-1
      m_shown[ri][ci] = rows[ri][ci];
    }
  }
}

void DataListView::fitColumns(const GraphPanelLayout& layout)
{
  // A very narrow window still leaves readable columns (the scroll bar reaches the rest).
  setColumnWidth(0, std::max(30, layout.listFirstColumnWidth));
  for (int c = 1; c < kDataListColumns; ++c)
    setColumnWidth(c, std::max(20, layout.listColumnWidth));
}

QString DataListView::cellText(int row, int column) const
{
  if (row == 0) {
    const QTableWidgetItem* h = horizontalHeaderItem(column);
    return h ? h->text() : QString();
  }
  const QTableWidgetItem* it = item(row - 1, column);
  return it ? it->text() : QString();
}

} // namespace norvane
