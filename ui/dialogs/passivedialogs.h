#pragma once
// Property dialogs of the capacitor and the inductor (the resistor's is generated from its
// parameters, see generatedcomponentdialog.h). The two share one layout: the value with its
// tolerance, and an optional physical model (Q at a frequency, self-resonance and the way Q
// varies with frequency) that is shown only while "Use Physical Model" is checked.

#include "dialogs/componentdialog.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace norvane {

class ToleranceGroup;

// The captions that tell the capacitor's dialog from the inductor's.
struct ReactiveDialogTexts
{
  const char* caption;
  const char* valueCaption;   // "Capacitance"
  ComponentType kind;         // whose description gives the fields' units and limits
  const char* valueName;      // the value's parameter, "capacitance"
  const char* defaultText;    // "0F"
  const char* toleranceTitle; // "Tolerances"
  const char* modelCheck;     // "Use Physical Model"
  const char* qCaption;       // "Capacitor Q"
  std::array<const char*, 3> qModes;
  const char* calculatorCaption;
  CalculatorRequest calculator;
};

class ReactiveDialog : public ComponentDialog
{
  Q_OBJECT

public:
  ReactiveDialog(const ReactiveDialogTexts& texts, QWidget* parent);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  ToleranceEdit* valueEdit() const { return m_value; }
  ToleranceGroup* toleranceGroup() const { return m_group; }
  QCheckBox* physicalModelBox() const { return m_useModel; }
  QGroupBox* physicalModelGroup() const { return m_model; }
  RealEdit* qEdit() const { return m_q; }
  RealEdit* qFrequencyEdit() const { return m_qFreq; }
  RealEdit* selfResonanceEdit() const { return m_srf; }
  QRadioButton* qModeButton(int mode) const; // 1..3

private:
  void showModel(bool shown);

  ToleranceEdit* m_value;
  ToleranceGroup* m_group;
  QCheckBox* m_useModel;
  QGroupBox* m_model;
  RealEdit* m_q;
  RealEdit* m_qFreq;
  RealEdit* m_srf;
  std::array<QRadioButton*, 3> m_qModes{};
};

class CapacitorDialog : public ReactiveDialog
{
  Q_OBJECT

public:
  explicit CapacitorDialog(QWidget* parent = nullptr);
  // The capacitor's dialog opens a little higher than the others.
  int placementLift() const override { return 10; }
};

class InductorDialog : public ReactiveDialog
{
  Q_OBJECT

public:
  explicit InductorDialog(QWidget* parent = nullptr);
};

} // namespace norvane
