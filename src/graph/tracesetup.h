#pragma once
// The logic of the trace setup dialog ("Trace 1 setup" / "Trace 2 setup"): which S-parameter a
// rectangular trace measures, how it is shown, and its axis limits. The dialog widget copies
// clicks and typing in and shows the texts, checks and flags it reads back.

#include "document/schematic.h"

#include <string>

namespace norvane {

// The "Show data as:" buttons: the S-parameter kinds, then the stability, gain and port
// figures. Group delay has none.
enum class TraceShowAs {
  None,
  Log10Power,
  Log20,
  Linear,
  Phase,
  StabilityK,
  DeltaMagnitude,
  Mu,
  MaxGain,
  Vswr,
  ResistanceZ,
  ReactanceZ,
  NoiseFigure,
  MinNoiseFigure
};

inline constexpr int kTraceShowAsButtons = 13;
inline constexpr const char* kTraceShowAsCaptions[kTraceShowAsButtons] = {
    "dB Mag ( 10*Log(Po/Pi) )",
    "dB Mag ( 20*Log(Vo/Vi) )",
    "Lin Magnitude",
    "Phase (deg)",
    "K",
    "|Delta|",
    "Mu (mu1 / mu2)",
    "MAG/MSG (dB)",
    "VSWR",
    "Re Z (ohm)",
    "Im Z (ohm)",
    "NF (dB)",
    "NFmin (dB)"};

// tracetype of a button (Log10Power 3, Log20 0, Linear 1, Phase 2, the figures at their own
// codes 5..13; None -1) and back (a tracetype without a button gives None).
TraceType tracetypeOfShowAs(TraceShowAs b);
TraceShowAs showAsOfTracetype(TraceType tracetype);

class TraceSetupLogic
{
public:
  // Where the focus goes when the dialog opens.
  enum class Focus { Measure = 1, Maximum = 2, Minimum = 3, ShowAs = 4 };

  // Fills the dialog from trace 1 (Y1ax) or 2 (Y2ax). The three flags are cleared first, so
  // writing a limit text different from the previous one already marks that limit edited.
  // For a group-delay trace the "Show data as:" check and unit labels stay as the previous use
  // of the dialog left them.
  void prepare(const Schematic& doc, int trace, Focus focus);

  std::string caption() const; // "Trace 1 setup"
  int trace() const { return m_trace; }
  Focus focus() const { return m_focus; }

  MeasuredParameter measure() const { return m_measure; }
  TraceShowAs showAs() const { return m_showAs; }
  const std::string& maxText() const { return m_maxText; }
  const std::string& minText() const { return m_minText; }
  // Both unit labels: "dB", "", "Deg", "R" (ohm).
  const std::string& unitLabel() const { return m_unit; }

  bool maximumEdited() const { return m_maxEdited; }
  bool minimumEdited() const { return m_minEdited; }
  bool resimulate() const { return m_resimulate; }

  // User actions.
  void clickMeasure(MeasuredParameter measwhat);
  // Loads the limit fields with the kind's remembered pair (3 decimals).
  void clickShowAs(const Schematic& doc, TraceShowAs button);
  void setMaxText(const std::string& text);
  void setMinText(const std::string& text);

  // OK: writes measwhat, tracetype and the limits into the trace (and edited limits into the
  // new kind's remembered pair). The caller then passes the new limits to the graph window,
  // invalidates it and simulates when resimulate() is set (else repaints the main window).
  // A limit that does not read as a number is refused: false, and the document is untouched
  // (an axis limit silently taken as 0 would squash the trace against the frame).
  bool ok(Schematic& doc) const;
  // Whether the "Maximum" / "Minimum" texts read as numbers.
  bool maximumReads() const;
  bool minimumReads() const;

private:
  void setUnitFor(TraceShowAs b);

  int m_trace = 1;
  Focus m_focus = Focus::Measure;
  TraceAxis m_axis;
  MeasuredParameter m_measure = MeasuredParameter::S11;
  TraceShowAs m_showAs = TraceShowAs::None; // survives between uses
  std::string m_maxText;
  std::string m_minText;
  std::string m_unit;
  bool m_maxEdited = false;
  bool m_minEdited = false;
  bool m_resimulate = false;
};

} // namespace norvane
