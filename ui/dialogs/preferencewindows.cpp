#include "dialogs/preferencewindows.h"

#include "dialogs/componentdialog.h"
#include "dialogs/realedit.h"
#include "editor/propertymapping_prefs.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace norvane {
namespace {

ColourSwatch* findSwatch(const std::vector<std::pair<ColourField, ColourSwatch*>>& swatches,
                         ColourField field)
{
  for (const auto& [f, swatch] : swatches) {
    if (f == field) return swatch;
  }
  return nullptr;
}

QLabel* heading(const QString& text)
{
  auto* label = new QLabel(text);
  QFont font = label->font();
  font.setBold(true);
  label->setFont(font);
  return label;
}

} // namespace

// ---- Schematic Editor Preferences ----------------------------------------------------------

SchematicPreferencesWindow::SchematicPreferencesWindow(Environment& env, QWidget* parent)
    : QWidget(parent, Qt::Window), m_env(env), m_chooser(chooseColourWithQt),
      m_autoOpen(new QCheckBox(tr("Auto Open last file"), this)),
      m_showGrid(new QCheckBox(tr("Show Grid"), this)),
      m_remember(new QCheckBox(tr("Remember Last Component"), this)),
      m_chain(new QCheckBox(tr("Chain Connecting Wires"), this))
{
  setWindowTitle(tr("Schematic Editor Preferences"));
  auto* layout = new QVBoxLayout(this);
  for (QCheckBox* box : {m_autoOpen, m_showGrid, m_remember, m_chain})
    layout->addWidget(box);

  auto* colours = new QGroupBox(tr("Colours"), this);
  auto* grid = new QGridLayout(colours);
  grid->addWidget(heading(tr("Normal")), 0, 1);
  grid->addWidget(heading(tr("Selected")), 0, 2);
  grid->addWidget(heading(tr("Printing")), 0, 3);
  const struct
  {
    const char* caption;
    ColourField normal, selected, printing;
  } rows[] = {
      {"Component Body", &Environment::compcolor, &Environment::selectedcompcolor,
       &Environment::printercompcolor},
      {"Connecting Wire", &Environment::wirecolor, &Environment::selectedwirecolor,
       &Environment::printerwirecolor},
      {"Measurement Port", &Environment::portcolor, &Environment::selectedportcolor,
       &Environment::printerportcolor},
      {"Drawing Paper", &Environment::papercolor, nullptr, &Environment::printerpapercolor},
      {"Component Text", &Environment::comptextcolor, &Environment::selectedcomptextcolor,
       &Environment::printercomptextcolor},
      {"Ground", &Environment::gndcolor, &Environment::selectedgndcolor,
       &Environment::printergndcolor},
      {"Grid Dots", &Environment::griddotscolor, nullptr, nullptr},
  };
  int row = 1;
  for (const auto& r : rows) {
    grid->addWidget(new QLabel(tr(r.caption)), row, 0);
    if (r.normal) addSwatch(grid, row, 1, r.normal);
    if (r.selected) addSwatch(grid, row, 2, r.selected);
    if (r.printing) addSwatch(grid, row, 3, r.printing);
    ++row;
  }
  layout->addWidget(colours);

  connect(m_autoOpen, &QCheckBox::toggled, this, [this](bool on) { m_env.autoopen = on; });
  connect(m_remember, &QCheckBox::toggled, this, [this](bool on) { m_env.rememberlastcomp = on; });
  connect(m_chain, &QCheckBox::toggled, this, [this](bool on) { m_env.chainshorts = on; });
  connect(m_showGrid, &QCheckBox::toggled, this, [this](bool on) {
    m_env.gridon = on;
    emit gridTileChanged();
    emit schematicChanged();
  });
  loadFromRecord();
}

void SchematicPreferencesWindow::addSwatch(QGridLayout* grid, int row, int column,
                                           ColourField field)
{
  auto* swatch = new ColourSwatch(this);
  grid->addWidget(swatch, row, column);
  m_swatches.emplace_back(field, swatch);
  connect(swatch, &ColourSwatch::clicked, this, [this, field] { swatchClicked(field); });
}

ColourSwatch* SchematicPreferencesWindow::swatch(ColourField field) const
{
  return findSwatch(m_swatches, field);
}

void SchematicPreferencesWindow::loadFromRecord()
{
  // Setting the boxes from the record is not a change by the user.
  const QSignalBlocker b1(m_autoOpen), b2(m_showGrid), b3(m_remember), b4(m_chain);
  m_autoOpen->setChecked(m_env.autoopen);
  m_showGrid->setChecked(m_env.gridon);
  m_remember->setChecked(m_env.rememberlastcomp);
  m_chain->setChecked(m_env.chainshorts);
  for (const auto& [field, swatch] : m_swatches)
    swatch->setColour(m_env.*field);
}

void SchematicPreferencesWindow::showEvent(QShowEvent* event)
{
  loadFromRecord();
  QWidget::showEvent(event);
}

void SchematicPreferencesWindow::swatchClicked(ColourField field)
{
  const std::optional<int> chosen = m_chooser(m_env.*field, this);
  if (!chosen) return;
  m_env.*field = *chosen;
  swatch(field)->setColour(*chosen);
  if (field == &Environment::papercolor) {
    emit paperColourChanged(*chosen);
    emit gridTileChanged();
  } else if (field == &Environment::griddotscolor) {
    emit gridTileChanged();
  }
  emit schematicChanged();
}

// ---- Graph Output Preferences ----------------------------------------------------------------

GraphPreferencesWindow::GraphPreferencesWindow(Environment& env, QWidget* parent)
    : QWidget(parent, Qt::Window), m_env(env), m_chooser(chooseColourWithQt),
      m_printerBackground(new ColourSwatch(this)),
      m_dBLow(makeRealEdit("dB", 2, -1e300, 1e300, "", this)),
      m_dBHigh(makeRealEdit("dB", 2, -1e300, 1e300, "", this)),
      m_freqLow(makeRealEdit("Hz", 2, -1e300, 1e300, "", this)),
      m_freqHigh(makeRealEdit("Hz", 2, -1e300, 1e300, "", this)),
      m_points(makeRealEdit("", 0, -1e300, 1e300, "", this))
{
  setWindowTitle(tr("Graph Output Preferences"));
  auto* layout = new QVBoxLayout(this);

  auto* defaults = new QGroupBox(tr("Default Values"), this);
  auto* defaultsGrid = new QGridLayout(defaults);
  addFieldRow(defaultsGrid, tr("dB Low"), m_dBLow);
  addFieldRow(defaultsGrid, tr("dB High"), m_dBHigh);
  addFieldRow(defaultsGrid, tr("freq Low"), m_freqLow);
  addFieldRow(defaultsGrid, tr("freq High"), m_freqHigh);
  addFieldRow(defaultsGrid, tr("Number of points"), m_points);
  layout->addWidget(defaults);

  auto* colours = new QGroupBox(tr("Colours"), this);
  auto* grid = new QGridLayout(colours);
  grid->addWidget(heading(tr("Display")), 0, 1);
  grid->addWidget(heading(tr("Printing")), 0, 2);
  const struct
  {
    const char* caption;
    ColourField display, printing;
  } rows[] = {
      {"Trace 1", &Environment::trace1color, &Environment::printertrace1color},
      {"Trace 2", &Environment::trace2color, &Environment::printertrace2color},
      {"Major Gridline", &Environment::majoraxiscolor, &Environment::printermajoraxiscolor},
      {"Minor Grid Line", &Environment::minoraxiscolor, &Environment::printerminoraxiscolor},
      {"Background", &Environment::graphbackgroundcolor, nullptr},
  };
  int row = 1;
  for (const auto& r : rows) {
    grid->addWidget(new QLabel(tr(r.caption)), row, 0);
    addSwatch(grid, row, 1, r.display);
    if (r.printing) addSwatch(grid, row, 2, r.printing);
    ++row;
  }
  // Printed graphs lie on the printer's paper; this swatch only shows that colour.
  m_printerBackground->setCursor(Qt::ArrowCursor);
  grid->addWidget(m_printerBackground, row - 1, 2);
  layout->addWidget(colours);
  loadFromRecord();
}

void GraphPreferencesWindow::addSwatch(QGridLayout* grid, int row, int column, ColourField field)
{
  auto* swatch = new ColourSwatch(this);
  grid->addWidget(swatch, row, column);
  m_swatches.emplace_back(field, swatch);
  connect(swatch, &ColourSwatch::clicked, this, [this, field] { swatchClicked(field); });
}

ColourSwatch* GraphPreferencesWindow::swatch(ColourField field) const
{
  return findSwatch(m_swatches, field);
}

void GraphPreferencesWindow::loadFromRecord()
{
  for (const auto& [field, swatch] : m_swatches)
    swatch->setColour(m_env.*field);
  m_printerBackground->setColour(m_env.printerpapercolor);
  const GraphDefaultsForm form = readGraphDefaults(m_env);
  m_dBLow->Setvalue(form.mindB);
  m_dBHigh->Setvalue(form.maxdB);
  m_freqLow->Setvalue(form.lowfreq);
  m_freqHigh->Setvalue(form.highfreq);
  m_points->Setvalue(form.numpoints);
}

void GraphPreferencesWindow::storeDefaults()
{
  storeGraphDefaults({m_dBLow->Getvalue(), m_dBHigh->Getvalue(), m_freqLow->Getvalue(),
                      m_freqHigh->Getvalue(), m_points->Getvalue()},
                     m_env);
}

void GraphPreferencesWindow::showEvent(QShowEvent* event)
{
  loadFromRecord();
  QWidget::showEvent(event);
}

void GraphPreferencesWindow::changeEvent(QEvent* event)
{
  if (event->type() == QEvent::ActivationChange && isVisible()) {
    if (isActiveWindow()) {
      loadFromRecord();
    } else {
      storeDefaults();
    }
  }
  QWidget::changeEvent(event);
}

void GraphPreferencesWindow::closeEvent(QCloseEvent* event)
{
  storeDefaults();
  QWidget::closeEvent(event);
}

void GraphPreferencesWindow::swatchClicked(ColourField field)
{
  const std::optional<int> chosen = m_chooser(m_env.*field, this);
  if (!chosen) return;
  m_env.*field = *chosen;
  swatch(field)->setColour(*chosen);
  if (field == &Environment::graphbackgroundcolor) emit graphBackgroundChanged(*chosen);
  if (field == &Environment::trace1color) emit traceColourChanged(1, *chosen);
  if (field == &Environment::trace2color) emit traceColourChanged(2, *chosen);
  // Printer colours show only when printing.
  const bool display = field == &Environment::trace1color || field == &Environment::trace2color ||
                       field == &Environment::majoraxiscolor ||
                       field == &Environment::minoraxiscolor ||
                       field == &Environment::graphbackgroundcolor;
  if (display) emit graphChanged();
}

} // namespace norvane
