#include "calculators/calculatorwindow.h"

#include "platform/prompts.h"

#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace norvane {

CalculatorWindow::CalculatorWindow(const QString& caption, Prompts& prompts, QWidget* parent)
    : QDialog(parent), m_prompts(prompts)
{
  setWindowTitle(caption);
  setModal(false);
}

CalculatorWindow::~CalculatorWindow()
{
  disconnect(m_focusWatch);
}

void CalculatorWindow::showCalculator()
{
  show();
  raise();
  activateWindow();
}

void CalculatorWindow::calculate()
{
  recalculate(Trigger::User);
}

QWidget* CalculatorWindow::addPage(const QString& caption)
{
  if (!m_notebook) {
    m_notebook = new QTabWidget;
    // Every page's tab in sight: the window is sized to show them all.
    m_notebook->setUsesScrollButtons(false);
  }
  auto* page = new QWidget;
  m_notebook->addTab(page, caption);
  return page;
}

QWidget* CalculatorWindow::singlePage()
{
  if (!m_single) m_single = new QWidget;
  return m_single;
}

void CalculatorWindow::finishLayout()
{
  auto* column = new QVBoxLayout(this);
  if (m_notebook) column->addWidget(m_notebook);
  if (m_single) column->addWidget(m_single);

  m_calculate = new QPushButton(tr("Calculate"));
  m_close = new QPushButton(tr("Close"));
  // Enter in any input calculates, as the button does.
  m_calculate->setDefault(true);
  connect(m_calculate, &QPushButton::clicked, this, &CalculatorWindow::calculate);
  connect(m_close, &QPushButton::clicked, this, &QDialog::hide);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(m_calculate);
  buttons->addWidget(m_close);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetFixedSize);
}

void CalculatorWindow::registerInputs(const std::vector<QLineEdit*>& inputs)
{
  m_inputs.insert(m_inputs.end(), inputs.begin(), inputs.end());
}

void CalculatorWindow::calculateWhenLeft(const std::vector<QLineEdit*>& inputs)
{
  for (QLineEdit* input : inputs)
    input->installEventFilter(this);
}

void CalculatorWindow::calculateOnEnteringNotebook()
{
  disconnect(m_focusWatch);
  m_focusWatch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
    if (!m_notebook || !now || !m_notebook->isAncestorOf(now)) return;
    if (old && m_notebook->isAncestorOf(old)) return;
    recalculateLater();
  });
}

bool CalculatorWindow::eventFilter(QObject* watched, QEvent* event)
{
  if (event->type() == QEvent::FocusOut) {
    // Only the focus moving on to another control counts as leaving the input: a message
    // box or another window taking the focus does not.
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) recalculateLater();
  }
  return QDialog::eventFilter(watched, event);
}

bool CalculatorWindow::event(QEvent* event)
{
  if (event->type() == QEvent::WindowActivate && m_calculateOnActivation) recalculateLater();
  return QDialog::event(event);
}

void CalculatorWindow::recalculateLater()
{
  // After the event that asked for it has been handled: a message box must not open from
  // inside a focus change.
  QMetaObject::invokeMethod(
      this, [this] { recalculate(Trigger::Automatic); }, Qt::QueuedConnection);
}

std::vector<QString> CalculatorWindow::inputTexts() const
{
  std::vector<QString> texts;
  texts.reserve(m_inputs.size());
  for (const QLineEdit* input : m_inputs)
    texts.push_back(input->text());
  return texts;
}

void CalculatorWindow::recalculate(Trigger trigger)
{
  if (m_busy) return;
  if (trigger == Trigger::Automatic && m_calculated && inputTexts() == m_lastInputs) return;
  m_busy = true;
  const CalcNotices notices = runCalculation();
  m_lastInputs = inputTexts();
  m_calculated = true;
  showNotices(notices, m_prompts);
  m_busy = false;
}

} // namespace norvane
