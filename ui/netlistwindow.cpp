#include "netlistwindow.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QListWidget>
#include <QVBoxLayout>

namespace norvane {

NetlistWindow::NetlistWindow(QWidget* parent) : QDialog(parent)
{
  setWindowTitle("Netlist");
  setObjectName("NetlistWindow");
  setModal(false);
  m_list = new QListWidget(this);
  QFont mono("DejaVu Sans Mono");
  mono.setStyleHint(QFont::Monospace);
  m_list->setFont(mono);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_list);
  layout->addWidget(buttons);
  resize(460, 320);
}

void NetlistWindow::setLines(const QStringList& lines)
{
  m_list->clear();
  m_list->addItems(lines);
}

void NetlistWindow::clearLines()
{
  m_list->clear();
}

QStringList NetlistWindow::lines() const
{
  QStringList out;
  for (int i = 0; i < m_list->count(); ++i) {
    out << m_list->item(i)->text();
  }
  return out;
}

} // namespace norvane
