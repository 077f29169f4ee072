// Live tuning on the main window: the tuner in the status bar, and the Up/Down keys and the
// mouse wheel over the sheet stepping the tuned component's main value.
#include "mainwindow.h"

#include "common/latin1text.h"
#include "editorconnection.h"
#include "tunerbar.h"

#include "config/environment.h"
#include "editor/labeltext.h"

#include <QStatusBar>

namespace norvane {

void MainWindow::createTunerBar()
{
  m_tuner = new TunerBar(this);
  statusBar()->addPermanentWidget(m_tuner);
  connect(m_tuner, &TunerBar::stepChosen, this, [this](TuneStep step) {
    m_editor->editor().setTuneStep(step);
    // Remembered in the configuration; the default E12 needs no line of its own.
    m_env.tunestep = step == TuneStep::E12 ? std::string() : tuneStepKey(step);
    m_view->setFocus(Qt::OtherFocusReason);
  });
  m_editor->editor().setTuneStep(m_tuner->step());
}

void MainWindow::refreshTuner()
{
  if (m_tuner == nullptr) return; // still being built
  const int index = m_editor->editor().tunedComponent();
  if (index == 0) {
    m_tuner->showTuned({});
    return;
  }
  const LabelLines lines = componentLabelLines(m_doc.drawdat.components[index], m_doc.datasets);
  std::string text = "Tuning:";
  for (const std::string& line : lines)
    if (!line.empty()) text += " " + line;
  m_tuner->showTuned(toQt(text));
}

bool MainWindow::sheetWheel(int notches)
{
  // Over the sheet in tune mode with a component chosen, the wheel tunes instead of
  // scrolling: away from the user is up.
  SchematicEditor& editor = m_editor->editor();
  if (editor.tunedComponent() == 0) return false;
  if (notches != 0) editor.stepTunedValue(notches);
  refreshTuner();
  return true;
}

bool MainWindow::sheetKey(int key, bool)
{
  // Held down, the key repeats and every repeat is one more step.
  if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
  SchematicEditor& editor = m_editor->editor();
  if (editor.tunedComponent() == 0) return false;
  editor.stepTunedValue(key == Qt::Key_Up ? 1 : -1);
  refreshTuner();
  return true;
}

} // namespace norvane
