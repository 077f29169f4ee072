#include "assistants/assistantwindow.h"

#include "assistants/assistantpreview.h"

#include "platform/prompts.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace norvane {

AssistantWindow::AssistantWindow(const QString& caption, const Environment& env, Prompts& prompts,
                                 QWidget* parent)
    : QDialog(parent), m_prompts(prompts)
{
  setWindowTitle(caption);
  setModal(false);
  m_preview = new AssistantPreview(m_circuit, env, this);
  m_calculate = new QPushButton(tr("Calculate"), this);
  m_close = new QPushButton(tr("Close"), this);
  m_simulate = new QPushButton(tr("Simulate"), this);
  // Enter in a field calculates; it never simulates or closes.
  m_simulate->setAutoDefault(false);
  m_close->setAutoDefault(false);
  m_calculate->setDefault(true);
  connect(m_calculate, &QPushButton::clicked, this, [this] { calculate(); });
  connect(m_close, &QPushButton::clicked, this, &QDialog::hide);
  connect(m_simulate, &QPushButton::clicked, this, &AssistantWindow::simulate);
}

QHBoxLayout* AssistantWindow::buttonRow()
{
  auto* row = new QHBoxLayout;
  row->addWidget(m_simulate);
  row->addStretch(1);
  row->addWidget(m_calculate);
  row->addWidget(m_close);
  return row;
}

void AssistantWindow::showAssistant()
{
  show();
  raise();
  activateWindow();
}

bool AssistantWindow::calculate()
{
  // A message box inside a calculation lets other events through; one at a time.
  if (m_busy) return false;
  m_busy = true;
  Design d = design();
  if (d.built) {
    m_circuit = std::move(d.circuit);
    afterCalculation();
    m_preview->update();
  } else if (!d.error.empty()) {
    m_prompts.error(d.error);
  }
  m_lastInputs = inputSnapshot();
  m_calculated = true;
  m_busy = false;
  return d.built;
}

void AssistantWindow::calculateIfChanged()
{
  if (m_calculated && inputSnapshot() == m_lastInputs) return;
  calculate();
}

void AssistantWindow::previewAsTyped()
{
  if (m_busy) return;
  m_busy = true;
  m_asTyped = true;
  Design d = design();
  m_asTyped = false;
  if (d.built) {
    m_circuit = std::move(d.circuit);
    afterCalculation();
    m_preview->update();
  }
  m_busy = false;
}

void AssistantWindow::simulate()
{
  if (m_links.documentModified && m_links.documentModified() &&
      !m_prompts.confirm(kMsgOverwriteSchematic)) {
    return;
  }
  // The circuit follows the fields as they are now. Fields the design refuses (its message
  // has been shown) write nothing: the window stays open to correct them.
  if (!calculate()) return;
  hide();
  if (m_links.writeAndSimulate)
    m_links.writeAndSimulate(m_circuit, writeSettings(), writeOptions());
}

} // namespace norvane
