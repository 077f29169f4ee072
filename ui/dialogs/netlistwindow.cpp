#include "dialogs/netlistwindow.h"

#include "editor/hittest.h"
#include "latin1text.h"
#include "sim/listing.h"

#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace norvane {

TNet::TNet(QWidget* parent)
    : QDialog(parent), m_list(new QListWidget(this)), m_ok(new QPushButton(tr("OK"), this))
{
  setWindowTitle(tr("Netlist"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list);
  layout->addWidget(m_ok, 0, Qt::AlignHCenter);
  m_list->setMinimumSize(360, 240);
  connect(m_ok, &QPushButton::clicked, this, &QDialog::hide);
}

void TNet::clear()
{
  m_list->clear();
}

void TNet::setLines(const std::vector<std::string>& lines)
{
  m_list->clear();
  for (const std::string& line : lines)
    m_list->addItem(toQt(line));
}

void TNet::showNetlist(Tschema& doc, Prompts& prompts, const std::function<void()>& deleteSelection)
{
  TDrawData& d = doc.drawdat;
  DeselectAll(d);
  bool offSheet = false;
  for (Tcomponent& c : d.components) {
    if (isOffSheet(c.position)) c.selected = offSheet = true;
  }
  for (Tshort& w : d.wires) {
    if (isOffSheet(w.start) || isOffSheet(w.finish)) {
      w.startselected = w.finishselected = offSheet = true;
    }
  }
  if (offSheet) {
    if (deleteSelection) {
      deleteSelection();
    } else {
      RemoveOffSheetItems(d);
    }
  }
  setLines(ListNetlist(doc, prompts));
  show();
  raise();
}

} // namespace norvane
