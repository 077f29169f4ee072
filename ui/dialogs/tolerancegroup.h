#pragma once
// The radio group that switches a tolerance field between no tolerance ("Off"), tolerances
// in percent ("%") and tolerances in the value's unit (the unit's button, "R", "F", "H").

#include <QGroupBox>
#include <QString>

class QRadioButton;

namespace norvane {

class ToleranceEdit;

class ToleranceGroup : public QGroupBox
{
  Q_OBJECT

public:
  ToleranceGroup(const QString& title, const QString& unitCaption, ToleranceEdit* edit,
                 QWidget* parent = nullptr);

  // Checks the button that matches the field: "Off" when the tolerance is disabled, else
  // "%" or the unit as the field's percent flag says.
  void showFromField();

  QRadioButton* offButton() const { return m_off; }
  QRadioButton* percentButton() const { return m_percent; }
  QRadioButton* unitButton() const { return m_unit; }

private:
  void choose(int id);

  ToleranceEdit* m_edit;
  QRadioButton* m_off;
  QRadioButton* m_percent;
  QRadioButton* m_unit;
};

} // namespace norvane
