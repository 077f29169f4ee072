#pragma once
// "Netlist": the circuit as the simulator sees it, one line per component with its node
// numbers and values. A checking aid, shown without blocking the main window.

#include <QDialog>

class QListWidget;

namespace norvane {

class NetlistWindow : public QDialog
{
  Q_OBJECT
public:
  explicit NetlistWindow(QWidget* parent = nullptr);
  void setLines(const QStringList& lines);
  void clearLines();
  QStringList lines() const;
  QListWidget* list() const { return m_list; }

private:
  QListWidget* m_list;
};

} // namespace norvane
