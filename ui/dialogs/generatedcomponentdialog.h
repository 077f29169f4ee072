#pragma once
// The property dialog of a kind without a layout of its own, built from the kind's parameter
// descriptions: a value with its tolerances (a Whole slot) becomes a tolerance field, with
// the "Off" / "%" / unit group when the tolerance modes vary it; a single number a numeric
// field with the description's unit, decimals and limits; a flag a check box. The rows follow
// the order of the descriptions, so the dialog looks as a hand-made one with the same fields
// (the resistor's and the controlled sources' dialogs are these).
//
// The fields read and write the component by parameter, as the hand-made dialogs do: a
// whole slot through settol/gettol (the simulation's actual value stays), a number or flag
// through setParameterValue, then the kind's zero replacements (replaceZeroValues). A
// field shows its number rounded but keeps it exactly until the user types, so OK without
// an edit stores every value as it was.

#include "dialogs/componentdialog.h"

#include <QString>
#include <string_view>
#include <vector>

class QCheckBox;

namespace norvane {

class ToleranceGroup;

// "qFrequency" as a caption: "Q Frequency" (words at the capitals, each word capitalised).
QString readableParameterName(std::string_view name);
// The caption of a parameter's field: its own caption, else its name made readable.
QString parameterCaption(const ParameterDescription& p);
// The caption of a kind's property dialog: its own, else "Edit " and the title capitalised.
QString dialogCaption(const ComponentKind& kind);

class GeneratedComponentDialog : public ComponentDialog
{
  Q_OBJECT

public:
  // `kind` must outlive the dialog (the kind descriptions live as long as the program).
  explicit GeneratedComponentDialog(const ComponentKind& kind, QWidget* parent = nullptr);

  void loadFrom(const Component& comp, const Schematic& doc) override;
  void storeInto(Component& comp, Schematic& doc) override;
  QWidget* firstField() const override;

  const ComponentKind& kind() const { return m_kind; }

  // The widgets of parameter `name`; nullptr when the parameter has none of that sort.
  // A tolerance field is also the parameter's numeric field.
  RealEdit* numericField(std::string_view name) const;
  ToleranceEdit* toleranceField(std::string_view name) const;
  ToleranceGroup* toleranceGroup(std::string_view name) const;
  QCheckBox* checkBox(std::string_view name) const;

private:
  struct Field
  {
    const ParameterDescription* parameter = nullptr;
    RealEdit* number = nullptr;         // Nom, MinTol, MaxTol and Whole
    ToleranceEdit* tolerance = nullptr; // Whole
    ToleranceGroup* group = nullptr;    // Whole and varied
    QCheckBox* flag = nullptr;          // TolEn, TolPercent
    QWidget* widget() const;
  };

  const Field* field(std::string_view name) const;

  const ComponentKind& m_kind;
  std::vector<Field> m_fields;
};

} // namespace norvane
