#pragma once
// Property dialogs of the op-amp, the transmission line, the transformer and mutual
// inductance, and the four controlled sources.

#include "dialogs/componentdialog.h"

class QCheckBox;
class QGroupBox;

namespace norvane {

class ToleranceGroup;

class Topampeditdlg : public TComponentDialog
{
  Q_OBJECT

public:
  explicit Topampeditdlg(QWidget* parent = nullptr);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  TRealEdit* inputResistanceEdit() const { return m_ri; }
  TRealEdit* outputResistanceEdit() const { return m_ro; }
  TRealEdit* gainEdit() const { return m_gain; } // dB

private:
  TRealEdit* m_ri;
  TRealEdit* m_ro;
  TRealEdit* m_gain;
};

class TTxlneditdlg : public TComponentDialog
{
  Q_OBJECT

public:
  explicit TTxlneditdlg(QWidget* parent = nullptr);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  TToleranceEdit* zoEdit() const { return m_zo; }
  TRealEdit* velocityEdit() const { return m_velocity; }
  TToleranceEdit* lengthEdit() const { return m_length; }
  ToleranceGroup* zoGroup() const { return m_zoGroup; }
  ToleranceGroup* lengthGroup() const { return m_lengthGroup; }

private:
  TToleranceEdit* m_zo;
  TRealEdit* m_velocity;
  TToleranceEdit* m_length;
  ToleranceGroup* m_zoGroup;
  ToleranceGroup* m_lengthGroup;
};

// The transformer and the mutual inductance enter the same figures (turns, primary
// inductance, coupling); they differ in caption and check box text, and in the model the
// simulator builds from them.
class TCoupledCoilsDlg : public TComponentDialog
{
  Q_OBJECT

public:
  TCoupledCoilsDlg(const QString& caption, const QString& modelCheck, QWidget* parent);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  TRealEdit* primaryTurnsEdit() const { return m_primary; }
  TRealEdit* secondaryTurnsEdit() const { return m_secondary; }
  QCheckBox* physicalModelBox() const { return m_useModel; }
  TRealEdit* primaryInductanceEdit() const { return m_inductance; }
  TRealEdit* couplingEdit() const { return m_coupling; }

private:
  TRealEdit* m_primary;
  TRealEdit* m_secondary;
  QCheckBox* m_useModel;
  QGroupBox* m_model;
  TRealEdit* m_inductance;
  TRealEdit* m_coupling;
};

class Tedittransformerdlg : public TCoupledCoilsDlg
{
  Q_OBJECT

public:
  explicit Tedittransformerdlg(QWidget* parent = nullptr);
};

class Teditmutualdlg : public TCoupledCoilsDlg
{
  Q_OBJECT

public:
  explicit Teditmutualdlg(QWidget* parent = nullptr);
};

// A controlled source: one gain with tolerance.
class TSourceEditDlg : public TComponentDialog
{
  Q_OBJECT

public:
  TSourceEditDlg(const QString& caption, const QString& fieldCaption, ComponentType kind,
                 QWidget* parent);

  void loadFrom(const Tcomponent& comp, const Tschema& doc) override;
  void storeInto(Tcomponent& comp, Tschema& doc) override;
  QWidget* firstField() const override;

  TToleranceEdit* gainEdit() const { return m_gain; }

private:
  TToleranceEdit* m_gain;
};

class TVCVSeditdlg : public TSourceEditDlg
{
  Q_OBJECT

public:
  explicit TVCVSeditdlg(QWidget* parent = nullptr);
};

class TVCCSeditdlg : public TSourceEditDlg
{
  Q_OBJECT

public:
  explicit TVCCSeditdlg(QWidget* parent = nullptr);
};

class TCCVSeditdlg : public TSourceEditDlg
{
  Q_OBJECT

public:
  explicit TCCVSeditdlg(QWidget* parent = nullptr);
};

class TCCCSeditdlg : public TSourceEditDlg
{
  Q_OBJECT

public:
  explicit TCCCSeditdlg(QWidget* parent = nullptr);
};

} // namespace norvane
