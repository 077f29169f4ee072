#include "graph/tracesetupdialog.h"

#include "common/latin1text.h"
#include "graph/dialogplacement.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace norvane {

namespace {
// A limit that does not read as a number keeps the dialog open: a beep, the field tinted
// with the reason as its tip, and the text selected for correcting.
void showRefused(QLineEdit& field)
{
  QApplication::beep();
  field.setToolTip("Invalid numeric input");
  field.setStyleSheet("background-color: #ffd0d0;");
  field.setFocus();
  field.selectAll();
}

void clearRefused(QLineEdit& field)
{
  field.setToolTip({});
  field.setStyleSheet({});
}

const char* const kParameterNames[4] = {"S11", "S21", "S12", "S22"};

QGroupBox* measureGroup(QWidget* parent, QButtonGroup*& group,
                        std::array<QRadioButton*, 4>& buttons)
{
  auto* box = new QGroupBox("Measure", parent);
  auto* layout = new QVBoxLayout(box);
  group = new QButtonGroup(box);
  for (int i = 0; i < 4; ++i) {
    buttons[static_cast<size_t>(i)] = new QRadioButton(kParameterNames[i], box);
    group->addButton(buttons[static_cast<size_t>(i)], i + 1); // id: the MeasuredParameter's value
    layout->addWidget(buttons[static_cast<size_t>(i)]);
  }
  return box;
}

QDialogButtonBox* okCancel(QDialog* dialog)
{
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

// Checks the button with this id, or none (an exclusive group needs its exclusivity lifted
// to uncheck its last button).
void checkOnly(QButtonGroup* group, int id)
{
  if (QAbstractButton* b = group->button(id)) {
    b->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons())
    b->setChecked(false);
  group->setExclusive(true);
}

} // namespace

void centreDialogOver(QDialog& dialog, const QWidget& over)
{
  dialog.adjustSize();
  const QRect g = over.frameGeometry();
  const IntPoint at = centredOver({g.left(), g.top(), g.width(), g.height()},
                                  dialog.frameGeometry().width(), dialog.frameGeometry().height());
  dialog.move(at.x, at.y);
}

// ---- Trace setup --------------------------------------------------------------------------

TraceSetupDialog::TraceSetupDialog(Schematic& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
  setWindowTitle("Trace 1 setup");
  auto* top = new QHBoxLayout;
  top->addWidget(measureGroup(this, m_measure, m_measureButtons));

  auto* limits = new QGroupBox("Limits", this);
  auto* grid = new QGridLayout(limits);
  m_max = new QLineEdit(limits);
  m_min = new QLineEdit(limits);
  m_units = {new QLabel(limits), new QLabel(limits)};
  grid->addWidget(new QLabel("Maximum", limits), 0, 0);
  grid->addWidget(m_max, 0, 1);
  grid->addWidget(m_units[0], 0, 2);
  grid->addWidget(new QLabel("Minimum", limits), 1, 0);
  grid->addWidget(m_min, 1, 1);
  grid->addWidget(m_units[1], 1, 2);
  for (QLabel* u : m_units)
    u->setMinimumWidth(30);
  top->addWidget(limits);

  auto* show = new QGroupBox("Show data as:", this);
  auto* showLayout = new QGridLayout(show);
  m_showAs = new QButtonGroup(show);
  // The S-parameter kinds in the first column, the stability, gain and port figures beside.
  constexpr int kSParameterKinds = 4;
  for (int i = 0; i < kTraceShowAsButtons; ++i) {
    m_showAsButtons[static_cast<size_t>(i)] = new QRadioButton(kTraceShowAsCaptions[i], show);
    // Button i stands for TraceShowAs value i + 1.
    m_showAs->addButton(m_showAsButtons[static_cast<size_t>(i)], i + 1);
    const bool first = i < kSParameterKinds;
    showLayout->addWidget(m_showAsButtons[static_cast<size_t>(i)],
                          first ? i : (i - kSParameterKinds) / 2,
                          first ? 0 : 1 + (i - kSParameterKinds) % 2);
  }

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(show);
  layout->addWidget(okCancel(this));

  connect(m_measure, &QButtonGroup::idClicked, this,
          [this](int id) { m_logic.clickMeasure(static_cast<MeasuredParameter>(id)); });
  connect(m_showAs, &QButtonGroup::idClicked, this, [this](int id) {
    m_logic.clickShowAs(m_doc, static_cast<TraceShowAs>(id));
    showLogic();
  });
  connect(m_max, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_logic.setMaxText(fromQt(t)); });
  connect(m_min, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_logic.setMinText(fromQt(t)); });
}

QRadioButton* TraceSetupDialog::measureButton(MeasuredParameter measwhat) const
{
  return m_measureButtons[static_cast<size_t>(std::clamp(static_cast<int>(measwhat), 1, 4) - 1)];
}

QRadioButton* TraceSetupDialog::showAsButton(TraceShowAs b) const
{
  const int i = static_cast<int>(b) - 1;
  return i < 0 ? nullptr : m_showAsButtons[static_cast<size_t>(i)];
}

void TraceSetupDialog::showLogic()
{
  setWindowTitle(toQt(m_logic.caption()));
  checkOnly(m_measure, static_cast<int>(m_logic.measure()));
  checkOnly(m_showAs, static_cast<int>(m_logic.showAs()));
  m_max->setText(toQt(m_logic.maxText()));
  m_min->setText(toQt(m_logic.minText()));
  for (QLabel* u : m_units)
    u->setText(toQt(m_logic.unitLabel()));
}

void TraceSetupDialog::prepare(int trace, TraceSetupLogic::Focus focus)
{
  m_logic.prepare(m_doc, trace, focus);
  showLogic();
  switch (focus) {
  case TraceSetupLogic::Focus::Measure:
    measureButton(m_logic.measure())->setFocus();
    break;
  case TraceSetupLogic::Focus::Maximum:
    m_max->setFocus();
    m_max->selectAll();
    break;
  case TraceSetupLogic::Focus::Minimum:
    m_min->setFocus();
    m_min->selectAll();
    break;
  case TraceSetupLogic::Focus::ShowAs:
    if (QRadioButton* b = showAsButton(m_logic.showAs())) b->setFocus();
    break;
  }
}

void TraceSetupDialog::accept()
{
  if (!m_logic.ok(m_doc)) {
    showRefused(m_logic.maximumReads() ? *m_min : *m_max);
    return;
  }
  clearRefused(*m_max);
  clearRefused(*m_min);
  QDialog::accept();
}

// ---- Polar setup --------------------------------------------------------------------------

PolarSetupDialog::PolarSetupDialog(Schematic& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
  setWindowTitle("Polar Trace Setup");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(measureGroup(this, m_measure, m_measureButtons));
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Mag", this));
  m_mag = new QLineEdit(this);
  row->addWidget(m_mag);
  layout->addLayout(row);
  layout->addWidget(okCancel(this));
  connect(m_measure, &QButtonGroup::idClicked, this,
          [this](int id) { m_logic.clickParameter(static_cast<MeasuredParameter>(id)); });
  connect(m_mag, &QLineEdit::textEdited, this,
          [this](const QString& t) { m_logic.setMagnitudeText(fromQt(t)); });
}

QRadioButton* PolarSetupDialog::measureButton(MeasuredParameter measwhat) const
{
  return m_measureButtons[static_cast<size_t>(std::clamp(static_cast<int>(measwhat), 1, 4) - 1)];
}

void PolarSetupDialog::prepare(bool focusMagnitude)
{
  m_logic.prepare(m_doc, focusMagnitude);
  checkOnly(m_measure, static_cast<int>(m_logic.parameter()));
  m_mag->setText(toQt(m_logic.magnitudeText()));
  if (focusMagnitude) {
    m_mag->setFocus();
    m_mag->selectAll();
  } else {
    measureButton(m_logic.parameter())->setFocus();
  }
}

void PolarSetupDialog::accept()
{
  if (!m_logic.ok(m_doc)) {
    showRefused(*m_mag);
    return;
  }
  clearRefused(*m_mag);
  QDialog::accept();
}

} // namespace norvane
