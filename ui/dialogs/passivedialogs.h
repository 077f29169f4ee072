#pragma once
// Property dialogs of the resistor, the capacitor and the inductor. The capacitor and the
// inductor share one layout: the value with its tolerance, and an optional physical model
// (Q at a frequency, self-resonance and the way Q varies with frequency) that is shown only
// while "Use Physical Model" is checked.

#include "dialogs/componentdialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace norvane {

class ToleranceGroup;

class TReseditdlg : public TComponentDialog
{
  Q_OBJECT

public:
  explicit TReseditdlg(QWidget* parent = nullptr);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  TToleranceEdit* resistanceEdit() const { return m_value; }
  ToleranceGroup* toleranceGroup() const { return m_group; }

private:
  TToleranceEdit* m_value;
  ToleranceGroup* m_group;
};

// The captions that tell the capacitor's dialog from the inductor's.
struct ReactiveDialogTexts
{
  const char* caption;
  const char* valueCaption;   // "Capacitance"
  ComponentType kind;          // whose description gives the fields' units and limits
  const char* valueName;       // the value's parameter, "capacitance"
  const char* defaultText;    // "0F"
  const char* toleranceTitle; // "Tolerances"
  const char* modelCheck;     // "Use Physical Model"
  const char* qCaption;       // "Capacitor Q"
  std::array<const char*, 3> qModes;
  const char* calculatorCaption;
  CalculatorRequest calculator;
};

class TReactiveEditDlg : public TComponentDialog
{
  Q_OBJECT

public:
  TReactiveEditDlg(const ReactiveDialogTexts& texts, QWidget* parent);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  TToleranceEdit* valueEdit() const { return m_value; }
  ToleranceGroup* toleranceGroup() const { return m_group; }
  QCheckBox* physicalModelBox() const { return m_useModel; }
  QGroupBox* physicalModelGroup() const { return m_model; }
  TRealEdit* qEdit() const { return m_q; }
  TRealEdit* qFrequencyEdit() const { return m_qFreq; }
  TRealEdit* selfResonanceEdit() const { return m_srf; }
  QRadioButton* qModeButton(int mode) const; // 1..3

private:
  void showModel(bool shown);

  TToleranceEdit* m_value;
  ToleranceGroup* m_group;
  QCheckBox* m_useModel;
  QGroupBox* m_model;
  TRealEdit* m_q;
  TRealEdit* m_qFreq;
  TRealEdit* m_srf;
  std::array<QRadioButton*, 3> m_qModes{};
};

class TCapeditDlg : public TReactiveEditDlg
{
  Q_OBJECT

public:
  explicit TCapeditDlg(QWidget* parent = nullptr);
  // The capacitor's dialog opens a little higher than the others.
  int placementLift() const override { return 10; }
};

class TindeditDlg : public TReactiveEditDlg
{
  Q_OBJECT

public:
  explicit TindeditDlg(QWidget* parent = nullptr);
};

} // namespace norvane
