#pragma once
// The logic of the "Polar Trace Setup" dialog: which S-parameter the charts show and the
// coefficient magnitude at their outer circle.

#include "document/schematic.h"

#include <string>

namespace norvane {

// The magnitude field of an S-parameter (polarS11mag .. polarS22mag; unknown codes read S11).
double& polarMagnitude(Schematic& doc, MeasuredParameter measwhat);
double polarMagnitude(const Schematic& doc, MeasuredParameter measwhat);

class PolarSetupLogic
{
public:
  // Checks the button of polarmeaswhat and writes that parameter's magnitude into "Mag".
  // `focusMagnitude` selects the "Mag" text instead of focusing the checked button.
  void prepare(const Schematic& doc, bool focusMagnitude);

  MeasuredParameter parameter() const { return m_parameter; }
  const std::string& magnitudeText() const { return m_magText; }
  bool focusMagnitude() const { return m_focusMag; }
  bool parameterChanged() const { return m_changed; }

  void clickParameter(MeasuredParameter measwhat);
  void setMagnitudeText(const std::string& text) { m_magText = text; }

  // OK: polarmeaswhat and that parameter's magnitude. The caller then invalidates the graph
  // and simulates when parameterChanged() is set (else repaints the main window).
  // A "Mag" text that does not read as a number is refused: false, the document untouched.
  bool ok(Schematic& doc) const;

private:
  MeasuredParameter m_parameter = MeasuredParameter::S11;
  std::string m_magText;
  bool m_focusMag = false;
  bool m_changed = false;
};

} // namespace norvane
