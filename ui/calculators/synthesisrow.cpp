#include "calculators/synthesisrow.h"

#include "calculators/calcwidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace norvane {

SynthesisRow addSynthesisRow(PageGrid& grid, const QString& solvedFor)
{
  SynthesisRow row;
  row.target = new QLineEdit(QStringLiteral("50"));
  row.target->setMaximumWidth(80);
  row.target->setToolTip(QObject::tr("The characteristic impedance wanted, in ohm"));
  row.button = new QPushButton(QObject::tr("Synthesize"));
  row.button->setAutoDefault(false); // Enter in a field still means Calculate
  row.button->setToolTip(QObject::tr("Find the %1 that gives the wanted impedance, the other "
                                     "values as they are")
                             .arg(solvedFor));
  grid.addRow(QObject::tr("Wanted Zo"), {row.target, new QLabel(QStringLiteral("R")), row.button});
  return row;
}

} // namespace norvane
