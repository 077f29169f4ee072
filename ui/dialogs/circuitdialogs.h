#pragma once
// Property dialogs of the op-amp, the transmission line, the transformer and mutual
// inductance (the controlled sources' are generated from their parameters, see
// generatedcomponentdialog.h).

#include "dialogs/componentdialog.h"

class QCheckBox;
class QGroupBox;

namespace norvane {

class ToleranceGroup;

class OpAmpDialog : public ComponentDialog
{
  Q_OBJECT

public:
  explicit OpAmpDialog(QWidget* parent = nullptr);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  RealEdit* inputResistanceEdit() const { return m_ri; }
  RealEdit* outputResistanceEdit() const { return m_ro; }
  RealEdit* gainEdit() const { return m_gain; } // dB

private:
  RealEdit* m_ri;
  RealEdit* m_ro;
  RealEdit* m_gain;
};

class TransmissionLineDialog : public ComponentDialog
{
  Q_OBJECT

public:
  explicit TransmissionLineDialog(QWidget* parent = nullptr);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  ToleranceEdit* zoEdit() const { return m_zo; }
  RealEdit* velocityEdit() const { return m_velocity; }
  ToleranceEdit* lengthEdit() const { return m_length; }
  ToleranceGroup* zoGroup() const { return m_zoGroup; }
  ToleranceGroup* lengthGroup() const { return m_lengthGroup; }

private:
  ToleranceEdit* m_zo;
  RealEdit* m_velocity;
  ToleranceEdit* m_length;
  ToleranceGroup* m_zoGroup;
  ToleranceGroup* m_lengthGroup;
};

// The transformer and the mutual inductance enter the same figures (turns, primary
// inductance, coupling); they differ in caption and check box text, and in the model the
// simulator builds from them.
class CoupledCoilsDialog : public ComponentDialog
{
  Q_OBJECT

public:
  CoupledCoilsDialog(const QString& caption, const QString& modelCheck, QWidget* parent);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  RealEdit* primaryTurnsEdit() const { return m_primary; }
  RealEdit* secondaryTurnsEdit() const { return m_secondary; }
  QCheckBox* physicalModelBox() const { return m_useModel; }
  RealEdit* primaryInductanceEdit() const { return m_inductance; }
  RealEdit* couplingEdit() const { return m_coupling; }

private:
  RealEdit* m_primary;
  RealEdit* m_secondary;
  QCheckBox* m_useModel;
  QGroupBox* m_model;
  RealEdit* m_inductance;
  RealEdit* m_coupling;
};

class TransformerDialog : public CoupledCoilsDialog
{
  Q_OBJECT

public:
  explicit TransformerDialog(QWidget* parent = nullptr);
};

class MutualInductanceDialog : public CoupledCoilsDialog
{
  Q_OBJECT

public:
  explicit MutualInductanceDialog(QWidget* parent = nullptr);
};

} // namespace norvane
