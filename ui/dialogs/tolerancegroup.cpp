#include "dialogs/tolerancegroup.h"

#include "dialogs/realedit.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QRadioButton>

namespace norvane {
namespace {
enum ButtonId { kOff = 0, kPercent = 1, kUnit = 2 };
}

ToleranceGroup::ToleranceGroup(const QString& title, const QString& unitCaption,
                               ToleranceEdit* edit, QWidget* parent)
    : QGroupBox(title, parent), m_edit(edit), m_off(new QRadioButton(tr("Off"), this)),
      m_percent(new QRadioButton(QStringLiteral("%"), this)),
      m_unit(new QRadioButton(unitCaption, this))
{
  auto* layout = new QHBoxLayout(this);
  auto* group = new QButtonGroup(this);
  group->addButton(m_off, kOff);
  group->addButton(m_percent, kPercent);
  group->addButton(m_unit, kUnit);
  for (QRadioButton* b : {m_off, m_percent, m_unit})
    layout->addWidget(b);
  // Only the user's clicks change the field; showFromField() sets the buttons silently.
  connect(group, &QButtonGroup::idClicked, this, &ToleranceGroup::choose);
}

void ToleranceGroup::showFromField()
{
  if (!m_edit->toleranceEnabled()) {
    m_off->setChecked(true);
  } else if (m_edit->tolerancePercent()) {
    m_percent->setChecked(true);
  } else {
    m_unit->setChecked(true);
  }
}

void ToleranceGroup::choose(int id)
{
  switch (id) {
  case kOff:
    m_edit->setToleranceEnabled(false);
    break;
  case kPercent:
    m_edit->setTolerancePercent(true);
    m_edit->setToleranceEnabled(true);
    break;
  case kUnit:
    m_edit->setTolerancePercent(false);
    m_edit->setToleranceEnabled(true);
    break;
  default:
    break;
  }
}

} // namespace norvane
