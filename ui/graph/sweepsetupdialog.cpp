#include "graph/sweepsetupdialog.h"

#include "common/latin1text.h"
#include "dialogs/realedit.h"
#include "numbers/valuetext.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include <cmath>

namespace norvane {

namespace {

QDialogButtonBox* okCancel(QDialog* dialog)
{
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  return buttons;
}

} // namespace

SweepSetupDialog::SweepSetupDialog(Schematic& doc, QWidget* parent) : QDialog(parent), m_doc(doc)
{
  setWindowTitle("Sweep Set-up");
  auto* frequency = new QGroupBox("Frequency", this);
  auto* form = new QFormLayout(frequency);
  m_start = new QLineEdit(frequency);
  m_stop = new QLineEdit(frequency);
  form->addRow("Start", m_start);
  form->addRow("Stop", m_stop);
  m_points = new QLineEdit(this);
  auto* pointsRow = new QFormLayout;
  pointsRow->addRow("Number of points", m_points);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(frequency);
  layout->addLayout(pointsRow);
  layout->addWidget(okCancel(this));
  m_start->installEventFilter(this);
  m_stop->installEventFilter(this);
}

void SweepSetupDialog::activate()
{
  m_logic.activate(m_doc);
  m_start->setText(toQt(m_logic.start.text()));
  m_stop->setText(toQt(m_logic.stop.text()));
  m_points->setText(toQt(m_logic.pointsText));
  m_start->setFocus();
  m_start->selectAll();
}

void SweepSetupDialog::reformat(QLineEdit* field, RealEditLogic& logic)
{
  logic.setText(fromQt(field->text()));
  logic.focusOut();
  field->setText(toQt(logic.text()));
  reportEntryProblem(*field, logic.problem());
}

bool SweepSetupDialog::eventFilter(QObject* watched, QEvent* event)
{
  // Leaving a frequency field shows the entry as it will be read ("10M" -> "10MHz").
  if (event->type() == QEvent::FocusOut) {
    if (watched == m_start) reformat(m_start, m_logic.start);
    if (watched == m_stop) reformat(m_stop, m_logic.stop);
  }
  return QDialog::eventFilter(watched, event);
}

void SweepSetupDialog::accept()
{
  // A frequency that is not a number keeps the dialog open with the reason shown.
  reformat(m_start, m_logic.start);
  reformat(m_stop, m_logic.stop);
  if (!m_logic.start.problem().empty() || !m_logic.stop.problem().empty()) return;
  m_logic.start.setText(fromQt(m_start->text()));
  m_logic.stop.setText(fromQt(m_stop->text()));
  m_logic.pointsText = fromQt(m_points->text());
  m_logic.ok(m_doc);
  QDialog::accept();
}

ToleranceSweepDialog::ToleranceSweepDialog(QWidget* parent) : QDialog(parent)
{
  setWindowTitle("Tolerance Sweep Setup");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("un-weighted random values between \ntolerance limits.", this));
  auto* row = new QFormLayout;
  m_runs = new QLineEdit("50", this);
  row->addRow("Number of sweeps", m_runs);
  layout->addLayout(row);
  layout->addWidget(okCancel(this));
}

int ToleranceSweepDialog::runs() const
{
  // Unit letters are read as usual ("1k" is a thousand); a count below one still makes one
  // run, and a count beyond what an int holds is held to the multi-sweep's own maximum later.
  const double n = std::nearbyint(parseValueText(fromQt(m_runs->text())));
  if (!(n >= 1.0)) return 1;
  if (n > 1e9) return 1000000000;
  return static_cast<int>(n);
}

} // namespace norvane
