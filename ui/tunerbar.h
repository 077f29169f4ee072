#pragma once
// The tuner in the main window's status bar: the step of live tuning (E6, E12, E24, E96 or
// ±1 %, ±5 %, ±10 %) and the component being tuned with its value. The arrow keys and the
// wheel over the sheet then step that value (see SchematicEditor::stepTunedValue).

#include "numbers/tunestep.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace norvane {

class TunerBar : public QWidget
{
  Q_OBJECT
public:
  explicit TunerBar(QWidget* parent = nullptr);

  QComboBox* stepList() const { return m_steps; }
  TuneStep step() const;
  // What is being tuned ("" when nothing): shown beside the step list.
  void showTuned(const QString& text);
  QString tunedText() const;

signals:
  void stepChosen(TuneStep step);

private:
  QComboBox* m_steps;
  QLabel* m_tuned;
};

} // namespace norvane
