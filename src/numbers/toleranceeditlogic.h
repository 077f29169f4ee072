#pragma once
// The text logic of the tolerance field (`ToleranceEdit`): a numeric field whose value may
// carry a lower and an upper tolerance, shown in brackets after the value, either in percent
// of the value ("100R (+5,-5%)") or in the value's unit ("100R (+5,-5R)"). The user edits the
// bracket in place; validation reads it back.

#include "numbers/realeditlogic.h"

namespace norvane {

// The content a tolerance field exchanges with a value record: the nominal value, the two
// tolerances and the two flags. settol/gettol accept any record with these member names
// (the document's `ToleranceValue` among them).
struct ToleranceFields
{
  double nom = 0.0;
  double mintol = 0.0;
  double maxtol = 0.0;
  bool TolEn = false;
  bool TolPercent = false;

  bool operator==(const ToleranceFields&) const = default;
};

class ToleranceEditLogic : public RealEditLogic
{
public:
  double mintol = 0.0; // lower tolerance, negative for a value below nominal
  double maxtol = 0.0; // upper tolerance

  bool toleranceenabled() const { return m_toleranceEnabled; }
  // Re-validates: the bracket is shown when enabled and dropped otherwise.
  void setToleranceEnabled(bool enabled);

  bool tolerancepercent() const { return m_tolerancePercent; }
  // Converts the stored tolerances between percent of the value and the value's unit when
  // the setting changes (±5 % on 200 ohm becomes ±10), and re-validates when enabled.
  void setTolerancePercent(bool percent);

  // Reads a bracket "(max,min)" typed into the text, then validates the value and rebuilds
  // the bracket. The selection stays on the value's number.
  void validate() override;

  // Loads a record: tolerances, the value, the percent flag (taken as it is, no conversion)
  // and then the enabled flag through its setter.
  template <class Record> void settol(const Record& record)
  {
    settolValues(
        ToleranceFields{record.nom, record.mintol, record.maxtol, record.TolEn, record.TolPercent});
  }

  // Stores the field into a record and returns toleranceenabled. The field is validated
  // first, so a bracket typed but not yet validated is not lost.
  template <class Record> bool gettol(Record& record)
  {
    const ToleranceFields fields = gettolValues();
    record.nom = fields.nom;
    record.mintol = fields.mintol;
    record.maxtol = fields.maxtol;
    record.TolEn = fields.TolEn;
    record.TolPercent = fields.TolPercent;
    return fields.TolEn;
  }

private:
  void settolValues(const ToleranceFields& fields);
  ToleranceFields gettolValues();
  // Rebuilds the text from the stored value and tolerances, ignoring any bracket the text
  // still shows (which would hold the tolerances before a conversion).
  void rebuildText();

  // The two parts of the bracket as the field last showed them ("+5", "-5%").
  std::string m_shownMax;
  std::string m_shownMin;
  bool m_toleranceEnabled = false;
  bool m_tolerancePercent = false;
};

} // namespace norvane
