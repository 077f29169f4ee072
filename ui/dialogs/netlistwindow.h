#pragma once
// The "Netlist" window: the circuit as the simulator sees it, one line per component with its
// node numbers and values, and the ports' nodes. Modeless; the simulate command empties it
// at the start of every run.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace norvane {

class Prompts;
struct Tschema;

class TNet : public QDialog
{
  Q_OBJECT

public:
  explicit TNet(QWidget* parent = nullptr);

  void clear();
  void setLines(const std::vector<std::string>& lines);

  // The "Netlist" command: everything is deselected, the components and wires lying off the
  // sheet are selected and removed with `deleteSelection` (the editor's Delete command, so
  // that a removed data block frees its data set and the removal can be undone); then the
  // netlist is extracted (its messages may appear), listed whatever the result, and the
  // window shown.
  void showNetlist(Tschema& doc, Prompts& prompts, const std::function<void()>& deleteSelection);

  QListWidget* list() const { return m_list; }
  QPushButton* okButton() const { return m_ok; }

private:
  QListWidget* m_list;
  QPushButton* m_ok;
};

} // namespace norvane
