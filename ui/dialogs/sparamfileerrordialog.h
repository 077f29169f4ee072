#pragma once
// "S parameter File Error": asked while reading an S-parameter file that gives no frequency
// unit or data format. The answer applies to the rest of that file.

#include "platform/prompts.h"

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace norvane {

class SParamFileErrorDialog : public QDialog
{
  Q_OBJECT

public:
  explicit SParamFileErrorDialog(QWidget* parent = nullptr);

  // Presets the unit list and the format buttons ("MHz" and "Magnitude/Angle" by default).
  void preset(const SParameterFormatChoice& choice);
  SParameterFormatChoice choice() const;

  QComboBox* unitsBox() const { return m_units; }
  QRadioButton* magnitudeAngleButton() const { return m_magAngle; }
  QRadioButton* realImaginaryButton() const { return m_realImag; }

private:
  QComboBox* m_units;
  QRadioButton* m_magAngle;
  QRadioButton* m_realImag;
};

// Shows the dialog modally, preset to "MHz" and "Magnitude/Angle", and returns the choice.
// The dialog has only an OK button; closing it otherwise keeps the preset. This is what the
// desktop's Prompts::sParameterFormat shows.
SParameterFormatChoice askSParameterFormat(QWidget* parent);

} // namespace norvane
