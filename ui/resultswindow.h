#pragma once
// The results of the last simulation as a table of S-parameters per frequency point. It
// stands in for the graph window until that window is part of the program.

#include <QWidget>

class QLabel;
class QTableWidget;

namespace norvane {

class ResultsWindow : public QWidget
{
  Q_OBJECT
public:
  explicit ResultsWindow(QWidget* parent = nullptr);
  void setTable(const QStringList& headings, const QList<QStringList>& rows);
  void setSummary(const QString& text);
  QTableWidget* table() const { return m_table; }
  QString summary() const;

private:
  QLabel* m_summary;
  QTableWidget* m_table;
};

} // namespace norvane
