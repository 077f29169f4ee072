#pragma once
// The "Sweep Set-up" dialog (start and stop frequency, number of points) and the "Tolerance
// Sweep Setup" dialog that asks how many random runs a tolerance multi-sweep makes.

#include "graph/sweepsetup.h"

#include <QDialog>

class QLineEdit;

namespace norvane {

class SweepSetupDialog : public QDialog
{
  Q_OBJECT
public:
  explicit SweepSetupDialog(Schematic& doc, QWidget* parent = nullptr);

  // Fills the fields from the document (a square grid also drops centre/span entry).
  void activate();
  QLineEdit* startField() const { return m_start; }
  QLineEdit* stopField() const { return m_stop; }
  QLineEdit* pointsField() const { return m_points; }

  // OK: the sweep takes the entries (1 to 500 intervals).
  void accept() override;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void reformat(QLineEdit* field, RealEditLogic& logic);

  Schematic& m_doc;
  SweepSetupLogic m_logic;
  QLineEdit* m_start = nullptr;
  QLineEdit* m_stop = nullptr;
  QLineEdit* m_points = nullptr;
};

class ToleranceSweepDialog : public QDialog
{
  Q_OBJECT
public:
  explicit ToleranceSweepDialog(QWidget* parent = nullptr);

  QLineEdit* runsField() const { return m_runs; }
  // The number of random runs entered: a whole number of at least 1.
  int runs() const;

private:
  QLineEdit* m_runs = nullptr;
};

} // namespace norvane
