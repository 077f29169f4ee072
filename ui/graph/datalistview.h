#pragma once
// The data list of the graph window: all four S-parameters at every sweep point, nine columns
// under one heading row ("Freq", "S11 Mag", ... "S22 Ang"), filled by a list-mode sweep. The
// cells of parameters a circuit does not have (a missing port) stay empty.

#include "graph/graphwindowcore.h"

#include <QTableWidget>

#include <vector>

namespace norvane {

class DataListView : public QTableWidget
{
  Q_OBJECT
public:
  explicit DataListView(QWidget* parent = nullptr);

  // Shows the rows (list row 1 is element 0); unchanged rows are left alone.
  void showRows(const std::vector<DataListRow>& rows);
  // Column widths as the window's layout gives them.
  void fitColumns(const GraphPanelLayout& layout);
  // Rows of the grid including its heading row (numpoints + 2 after a sweep).
  int gridRowCount() const { return rowCount() + 1; }
  // The text of a cell; row 0 is the heading row.
  QString cellText(int row, int column) const;

private:
  std::vector<DataListRow> m_shown;
};

} // namespace norvane
