#include "dialogs/generatedcomponentdialog.h"

#include "common/latin1text.h"
#include "dialogs/realedit.h"
#include "dialogs/tolerancegroup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

namespace norvane {

namespace {

QString text(std::string_view view)
{
  return toQt(std::string(view));
}

bool isFlag(SlotField f)
{
  return f == SlotField::TolEn || f == SlotField::TolPercent;
}

// The unit as a tolerance group's button shows it: " m" is the button "m".
QString unitButtonCaption(std::string_view unit)
{
  return text(unit).trimmed();
}

} // namespace

QString readableParameterName(std::string_view name)
{
  QString caption;
  bool wordStart = true;
  for (const char c : name) {
    const bool upper = c >= 'A' && c <= 'Z';
    if (upper && !caption.isEmpty()) {
      caption.append(QLatin1Char(' '));
      wordStart = true;
    }
    caption.append(wordStart ? QChar::fromLatin1(c).toUpper() : QChar::fromLatin1(c));
    wordStart = false;
  }
  return caption;
}

QString parameterCaption(const ParameterDescription& p)
{
  return p.caption.empty() ? readableParameterName(p.name) : text(p.caption);
}

QString dialogCaption(const ComponentKind& kind)
{
  if (!kind.dialogCaption.empty()) return text(kind.dialogCaption);
  QString title = text(kind.title);
  if (!title.isEmpty()) title[0] = title[0].toUpper();
  return QStringLiteral("Edit ") + title;
}

QWidget* GeneratedComponentDialog::Field::widget() const
{
  return flag != nullptr ? static_cast<QWidget*>(flag) : static_cast<QWidget*>(number);
}

GeneratedComponentDialog::GeneratedComponentDialog(const ComponentKind& kind, QWidget* parent)
    : ComponentDialog(dialogCaption(kind), parent), m_kind(kind)
{
  auto* grid = new QGridLayout;
  for (const ParameterDescription& p : kind.parameters) {
    Field f;
    f.parameter = &p;
    const std::string unit(p.unit);
    // The text before the first load; every load replaces it.
    const std::string initial = "0" + unit;
    if (isFlag(p.field)) {
      f.flag = new QCheckBox(parameterCaption(p), this);
      grid->addWidget(f.flag, grid->count() == 0 ? 0 : grid->rowCount(), 0, 1, 2);
    } else {
      if (p.field == SlotField::Whole) {
        f.tolerance = makeToleranceEdit(unit, p.decimals, p.low, p.high, initial.c_str(), this);
        f.number = f.tolerance;
      } else {
        f.number = makeRealEdit(unit, p.decimals, p.low, p.high, initial.c_str(), this);
      }
      addFieldRow(grid, parameterCaption(p), f.number);
    }
    m_fields.push_back(f);
  }
  body()->addLayout(grid);

  // The values the tolerance modes vary get the "Off" / "%" / unit group below the fields:
  // one group is the value's "Tolerances", several stand side by side, each named after its
  // field.
  const auto varied =
      static_cast<int>(std::count_if(m_fields.begin(), m_fields.end(), [](const Field& f) {
        return f.tolerance != nullptr && f.parameter->varied;
      }));
  QHBoxLayout* groups = varied > 1 ? new QHBoxLayout : nullptr;
  for (Field& f : m_fields) {
    if (f.tolerance == nullptr || !f.parameter->varied) continue;
    const QString title =
        varied > 1 ? parameterCaption(*f.parameter) + tr(" Tolerance") : tr("Tolerances");
    f.group = new ToleranceGroup(title, unitButtonCaption(f.parameter->unit), f.tolerance, this);
    if (groups != nullptr) {
      groups->addWidget(f.group);
    } else {
      body()->addWidget(f.group);
    }
  }
  if (groups != nullptr) body()->addLayout(groups);
}

void GeneratedComponentDialog::loadFrom(const Component& comp, const Schematic&)
{
  for (const Field& f : m_fields) {
    const ParameterDescription& p = *f.parameter;
    if (f.tolerance != nullptr) {
      f.tolerance->settol(comp.value[p.slot]);
      if (f.group != nullptr) f.group->showFromField();
    } else if (f.number != nullptr) {
      f.number->Setvalue(parameterValue(comp, p));
    } else {
      f.flag->setChecked(parameterValue(comp, p) != 0.0);
    }
  }
}

void GeneratedComponentDialog::storeInto(Component& comp, Schematic&)
{
  for (const Field& f : m_fields) {
    const ParameterDescription& p = *f.parameter;
    if (f.tolerance != nullptr) {
      // The whole slot but the simulation's actual value, which gettol leaves alone.
      f.tolerance->gettol(comp.value[p.slot]);
    } else if (f.number != nullptr) {
      setParameterValue(comp, p, f.number->Getvalue());
    } else {
      setParameterValue(comp, p, f.flag->isChecked() ? 1.0 : 0.0);
    }
  }
  replaceZeroValues(comp);
}

QWidget* GeneratedComponentDialog::firstField() const
{
  return m_fields.empty() ? nullptr : m_fields.front().widget();
}

const GeneratedComponentDialog::Field* GeneratedComponentDialog::field(std::string_view name) const
{
  for (const Field& f : m_fields) {
    if (f.parameter->name == name) return &f;
  }
  return nullptr;
}

RealEdit* GeneratedComponentDialog::numericField(std::string_view name) const
{
  const Field* f = field(name);
  return f != nullptr ? f->number : nullptr;
}

ToleranceEdit* GeneratedComponentDialog::toleranceField(std::string_view name) const
{
  const Field* f = field(name);
  return f != nullptr ? f->tolerance : nullptr;
}

ToleranceGroup* GeneratedComponentDialog::toleranceGroup(std::string_view name) const
{
  const Field* f = field(name);
  return f != nullptr ? f->group : nullptr;
}

QCheckBox* GeneratedComponentDialog::checkBox(std::string_view name) const
{
  const Field* f = field(name);
  return f != nullptr ? f->flag : nullptr;
}

} // namespace norvane
