#pragma once
// The common frame of the component property dialogs: a modal dialog with OK and Cancel
// that is filled from one component when shown and writes into it only on OK.

#include "document/componentkinds.h"
#include "document/schematic.h"

#include <string_view>
#include <QDialog>
#include <QString>
#include <string>

class QDialogButtonBox;
class QGridLayout;
class QPushButton;
class QVBoxLayout;

namespace norvane {

class RealEdit;
class ToleranceEdit;

// The calculator windows a property dialog can open for the user.
enum class CalculatorRequest {
  Capacitor,        // capacitor calculator
  Inductor,         // inductor calculator
  TransmissionLine, // transmission line calculator
  RfResonance,      // RF calculator, "Resonance/Reactance" page
  RfWavelength,     // RF calculator, "Freq / Wavelength" page
};

class ComponentDialog : public QDialog
{
  Q_OBJECT

public:
  ComponentDialog(const QString& caption, QWidget* parent);

  // Fills the fields from the component (the data blocks also from their data set).
  virtual void loadFrom(const Component& comp, const Schematic& doc) = 0;
  // Validates the fields and stores them into the component with the zero replacements
  // (the data blocks also into their data set). The caller updates the kind's template.
  virtual void storeInto(Component& comp, Schematic& doc) = 0;
  // The field that has the focus when the dialog opens.
  virtual QWidget* firstField() const = 0;
  // How far above the mouse the dialog opens, in pixels.
  virtual int placementLift() const { return 0; }

  QPushButton* okButton() const;
  QPushButton* cancelButton() const;

signals:
  void calculatorRequested(norvane::CalculatorRequest which);

protected:
  // The dialog's content goes above the OK/Cancel row.
  QVBoxLayout* body() const { return m_body; }
  // A button that asks for a calculator window.
  QPushButton* calculatorButton(const QString& caption, CalculatorRequest which);

private:
  QVBoxLayout* m_body;
  QDialogButtonBox* m_buttons;
};

// Field factories with the property dialogs' conventions.
RealEdit* makeRealEdit(const std::string& units, int decimals, double minvalue, double maxvalue,
                       const char* defaultText, QWidget* parent);
ToleranceEdit* makeToleranceEdit(const std::string& units, int decimals, double minvalue,
                                 double maxvalue, const char* defaultText, QWidget* parent);
// A field for parameter `name` of `kind`, with the unit, decimals and limits the kind's
// description gives it.
RealEdit* makeParameterEdit(ComponentType kind, std::string_view name, const char* defaultText,
                            QWidget* parent);
ToleranceEdit* makeParameterToleranceEdit(ComponentType kind, std::string_view name,
                                          const char* defaultText, QWidget* parent);
// Appends "caption  field" as a row of a grid.
void addFieldRow(QGridLayout* grid, const QString& caption, QWidget* field);

} // namespace norvane
