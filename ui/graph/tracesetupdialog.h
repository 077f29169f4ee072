#pragma once
// The setup dialogs of the graph window's traces: "Trace 1 setup" / "Trace 2 setup" (which
// S-parameter a rectangular trace measures, how it is shown, its axis limits) and "Polar
// Trace Setup" (which S-parameter the charts show, and at which magnitude). The widgets copy
// clicks and typing into the dialog logic of the core and show what it answers.

#include "graph/polarsetup.h"
#include "graph/tracesetup.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace norvane {

// Moves a dialog so that it stands centred over `over` (the graph window).
void centreDialogOver(QDialog& dialog, const QWidget& over);

class TraceSetupDialog : public QDialog
{
  Q_OBJECT
public:
  explicit TraceSetupDialog(Schematic& doc, QWidget* parent = nullptr);

  // Fills the dialog from trace 1 or 2 and puts the focus where asked.
  void prepare(int trace, TraceSetupLogic::Focus focus);
  const TraceSetupLogic& logic() const { return m_logic; }

  QRadioButton* measureButton(MeasuredParameter measwhat) const;
  QRadioButton* showAsButton(TraceShowAs b) const;
  QLineEdit* maximumField() const { return m_max; }
  QLineEdit* minimumField() const { return m_min; }
  QLabel* unitLabel(int i) const { return m_units[static_cast<size_t>(i)]; }

  // OK stores the settings into the document before closing.
  void accept() override;

private:
  void showLogic();

  Schematic& m_doc;
  TraceSetupLogic m_logic;
  QButtonGroup* m_measure = nullptr;
  QButtonGroup* m_showAs = nullptr;
  std::array<QRadioButton*, 4> m_measureButtons{};
  std::array<QRadioButton*, kTraceShowAsButtons> m_showAsButtons{};
  QLineEdit* m_max = nullptr;
  QLineEdit* m_min = nullptr;
  std::array<QLabel*, 2> m_units{};
};

class PolarSetupDialog : public QDialog
{
  Q_OBJECT
public:
  explicit PolarSetupDialog(Schematic& doc, QWidget* parent = nullptr);

  void prepare(bool focusMagnitude);
  const PolarSetupLogic& logic() const { return m_logic; }
  QRadioButton* measureButton(MeasuredParameter measwhat) const;
  QLineEdit* magnitudeField() const { return m_mag; }

  void accept() override;

private:
  Schematic& m_doc;
  PolarSetupLogic m_logic;
  QButtonGroup* m_measure = nullptr;
  std::array<QRadioButton*, 4> m_measureButtons{};
  QLineEdit* m_mag = nullptr;
};

} // namespace norvane
