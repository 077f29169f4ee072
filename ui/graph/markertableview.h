#pragma once
// The marker table under the graph: a row per graph marker with its frequency and values, and
// the differences from the reference marker. Clicking a row selects that marker; the window
// hides the table while there are no markers.

#include "graph/markertable.h"

#include <QTableWidget>

namespace norvane {

class MarkerTableView : public QTableWidget
{
  Q_OBJECT
public:
  explicit MarkerTableView(QWidget* parent = nullptr);

  // The table's texts and the selected marker's row (0: none selected).
  void showTable(const MarkerTable& table, int selected);
  // The text of a cell; row 0 is the first marker.
  QString cellText(int row, int column) const;
  QString headingText(int column) const;

signals:
  void markerChosen(int number);

private:
  void fitHeight();
  bool m_showing = false;
};

} // namespace norvane
