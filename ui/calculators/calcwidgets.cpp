#include "calculators/calcwidgets.h"

#include "common/latin1text.h"

#include <QGridLayout>
#include <QHBoxLayout>

namespace norvane {

namespace {
// Wide enough for "-1.23E+38dB/m" without the panels of a page jumping as results change.
constexpr int kFieldWidth = 130;
} // namespace

ResultPanel::ResultPanel(QWidget* parent) : QLabel(parent)
{
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setMinimumWidth(kFieldWidth);
  setTextInteractionFlags(Qt::TextSelectableByMouse);
  setMargin(2);
}

void ResultPanel::setResult(const std::string& text)
{
  setText(toQt(text));
}

void setFieldText(QLineEdit* field, const std::string& text)
{
  const QString shown = toQt(text);
  if (field->text() != shown) field->setText(shown);
}

std::string fieldText(const QLineEdit* field)
{
  return fromQt(field->text());
}

QString qtText(std::string_view text)
{
  return toQt(std::string(text));
}

PageGrid::PageGrid(QWidget* page) : m_grid(new QGridLayout(page))
{
  m_grid->setColumnStretch(1, 1);
  m_grid->setHorizontalSpacing(8);
}

QLineEdit* PageGrid::addInput(const QString& label, const std::string& text, const QString& unit)
{
  auto* field = new QLineEdit(toQt(text));
  field->setMinimumWidth(kFieldWidth);
  auto* caption = new QLabel(label);
  caption->setBuddy(field);
  m_grid->addWidget(caption, m_row, 0);
  m_grid->addWidget(field, m_row, 1);
  if (!unit.isEmpty()) m_grid->addWidget(new QLabel(unit), m_row, 2);
  ++m_row;
  return field;
}

ResultPanel* PageGrid::addResult(const QString& label, const QString& unit)
{
  auto* panel = new ResultPanel;
  m_grid->addWidget(new QLabel(label), m_row, 0);
  m_grid->addWidget(panel, m_row, 1);
  if (!unit.isEmpty()) m_grid->addWidget(new QLabel(unit), m_row, 2);
  ++m_row;
  return panel;
}

void PageGrid::addWide(const QString& label, QWidget* widget)
{
  auto* caption = new QLabel(label);
  caption->setBuddy(widget);
  m_grid->addWidget(caption, m_row, 0);
  m_grid->addWidget(widget, m_row, 1, 1, 2);
  ++m_row;
}

QLabel* PageGrid::addNote(const QString& text)
{
  auto* note = new QLabel(text);
  m_grid->addWidget(note, m_row, 0, 1, 3);
  ++m_row;
  return note;
}

void PageGrid::addRow(const QString& label, std::initializer_list<QWidget*> widgets)
{
  m_grid->addWidget(new QLabel(label), m_row, 0);
  auto* line = new QHBoxLayout;
  for (QWidget* widget : widgets)
    line->addWidget(widget);
  m_grid->addLayout(line, m_row, 1, 1, 2);
  ++m_row;
}

void PageGrid::addSpacing(int pixels)
{
  m_grid->setRowMinimumHeight(m_row, pixels);
  ++m_row;
}

void PageGrid::finish()
{
  m_grid->setRowStretch(m_row, 1);
}

} // namespace norvane
