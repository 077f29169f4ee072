#include "calculators/rfcalculatorwindow.h"

#include "assist/calcnotices.h"
#include "calculators/calcwidgets.h"
#include "calculators/rfentryfield.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace norvane {

namespace {
constexpr int kFieldWidth = 150;

constexpr std::array<RfPage, kRfPageCount> kPages{RfPage::ReturnLoss, RfPage::SignalLevel,
                                                  RfPage::Resonance, RfPage::ThermalNoise,
                                                  RfPage::FreqWavelength};

// The four resonance fields have lock buttons, in field order.
std::optional<std::size_t> lockIndex(RfField field)
{
  if (rfPageOf(field) != RfPage::Resonance) return std::nullopt;
  return rfIndex(field) - rfIndex(RfField::ResonantFrequency);
}
} // namespace

RfCalculatorWindow::RfCalculatorWindow(Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts)
{
  setWindowTitle(tr("RF Calculator"));
  setModal(false);

  for (const RfFieldInfo& info : rfFields()) {
    auto* entry = new RfEntryField(info.field);
    entry->setMinimumWidth(kFieldWidth);
    m_fields[rfIndex(info.field)] = entry;
    const RfField f = info.field;
    // Only the user's own typing counts as editing; calculated texts are set by the program.
    connect(entry, &QLineEdit::textEdited, this, [this, f] { m_calc.fieldEdited(f); });
    if (lockIndex(f)) {
      connect(entry, &RfEntryField::keyPressed, this, [this](RfField locked) {
        m_calc.resonanceKeyPressed(locked);
        showLocks();
      });
    }
  }

  m_pages = new QTabWidget;
  m_pages->setUsesScrollButtons(false);
  for (RfPage page : kPages)
    m_pages->addTab(buildPage(page), qtText(rfPageCaption(page)));
  m_pages->setCurrentIndex(static_cast<int>(kRfFirstPage));

  m_ok = new QPushButton(tr("OK"));
  m_ok->setDefault(true);
  connect(m_ok, &QPushButton::clicked, this, &RfCalculatorWindow::calculate);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_ok);
  auto* column = new QVBoxLayout(this);
  column->addWidget(m_pages);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);

  // Every page once from its initial fields, so that each shows a consistent set; the OK
  // button still has no page to calculate until the user edits one.
  apply(m_calc.calculateAllPages(readValues()));
}

QWidget* RfCalculatorWindow::buildPage(RfPage page)
{
  auto* widget = new QWidget;
  auto* grid = new QGridLayout(widget);
  grid->setColumnStretch(1, 1);
  int row = 0;
  for (const RfFieldInfo& info : rfFields()) {
    if (info.page != page || info.field == RfField::PhaseFrequency) continue;
    RfEntryField* entry = field(info.field);
    auto* label = new QLabel(qtText(info.label));
    label->setBuddy(entry);
    grid->addWidget(label, row, 0);
    if (info.field == RfField::PhaseShift) {
      // "Phase Shift" [ ] "at" [frequency]: the shift belongs to that frequency.
      auto* line = new QHBoxLayout;
      line->addWidget(entry);
      line->addWidget(new QLabel(qtText(rfFieldInfo(RfField::PhaseFrequency).label)));
      line->addWidget(field(RfField::PhaseFrequency));
      grid->addLayout(line, row, 1);
    } else {
      grid->addWidget(entry, row, 1);
    }
    if (const auto lock = lockIndex(info.field)) {
      auto* button = new QToolButton;
      button->setText(tr("Locked"));
      button->setMinimumWidth(button->sizeHint().width());
      button->setText(tr("Lock"));
      button->setCheckable(true);
      button->setToolTip(tr("Keep this value; the calculation finds the others from the two "
                            "locked values"));
      const RfField f = info.field;
      connect(button, &QToolButton::clicked, this, [this, f](bool down) {
        m_calc.lockButtonClicked(f, down);
        showLocks();
      });
      m_locks[*lock] = button;
      grid->addWidget(button, row, 2);
    }
    ++row;
  }
  grid->setRowStretch(row, 1);
  return widget;
}

QToolButton* RfCalculatorWindow::lockButton(RfField field) const
{
  const auto index = lockIndex(field);
  return index ? m_locks[*index] : nullptr;
}

RfPage RfCalculatorWindow::currentPage() const
{
  return kPages[static_cast<std::size_t>(m_pages->currentIndex())];
}

void RfCalculatorWindow::showCalculator()
{
  show();
  raise();
  activateWindow();
}

void RfCalculatorWindow::showPage(RfPage page)
{
  m_pages->setCurrentIndex(static_cast<int>(page));
  showCalculator();
}

void RfCalculatorWindow::calculate()
{
  apply(m_calc.calculate(readValues()));
}

RfFieldValues RfCalculatorWindow::readValues() const
{
  RfFieldValues values{};
  for (const RfFieldInfo& info : rfFields())
    values[rfIndex(info.field)] = field(info.field)->value();
  return values;
}

void RfCalculatorWindow::apply(const RfPageResult& result)
{
  for (const RfWrite& write : result.writes)
    field(write.field)->showText(write.text);
  showNotices(CalcNotices{false, result.error, result.information}, m_prompts);
}

void RfCalculatorWindow::showLocks()
{
  for (RfField f : {RfField::ResonantFrequency, RfField::Reactance, RfField::Capacitance,
                    RfField::Inductance}) {
    QToolButton* button = lockButton(f);
    button->setChecked(m_calc.isLocked(f));
    // The state in words as well: a pressed tool button differs little from a raised one.
    button->setText(button->isChecked() ? tr("Locked") : tr("Lock"));
  }
}

void RfCalculatorWindow::showEvent(QShowEvent* event)
{
  centreOverParent();
  QDialog::showEvent(event);
}

void RfCalculatorWindow::centreOverParent()
{
  QRect over;
  if (parentWidget())
    over = parentWidget()->window()->frameGeometry();
  else if (const QScreen* screen = QGuiApplication::primaryScreen())
    over = screen->availableGeometry();
  if (over.isEmpty()) return;
  adjustSize();
  move(over.center() - QPoint(width() / 2, height() / 2));
}

} // namespace norvane
