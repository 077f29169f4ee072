#pragma once
// The schematic document: one Schematic record for the whole run, holding the display settings,
// the component templates, the drawing and the stored S-parameter data sets.
//
// Conventions
// - Every array is numbered from 1 (see onebased.h): drawdat.components[1] is the first
//   component, comp.value[1] the first parameter, comp.pins.nodes[1] the first pin,
//   datasets.twoPort[7] the 2-port data set a block with index 7 uses.
// - Coordinates are integer drawing units, x to the right, y downwards; placed objects lie
//   on a grid of 10 (snapToGrid in pins.h).
// - Values are SI (ohm, farad, henry, metre, second, hertz); S-parameter angles in radians.
// - A default-constructed Schematic is the zero-filled record of program start; clearSchematic
//   (clearschematic.h) then gives it the defaults of a new schematic.
// - Texts are stored as the file's 8-bit (Latin-1) bytes, unconverted.
//
// The data sets live in Schematic::datasets, outside Drawing, so that a snapshot of the
// drawing (undo) copies components and wires but not up to 11 MB of measured data.

#include "document/componenttype.h"
#include "document/graphmarkers.h"
#include "document/onebased.h"
#include "document/plotsettings.h"

#include <string>
#include <vector>

namespace norvane {

// ---- Capacities ------------------------------------------------------------------------

constexpr int kMaxComponents = 1000;
constexpr int kMaxWires = 1000;
constexpr int kMaxLines = 500;
constexpr int kMaxTexts = 500;
constexpr int kMaxDataSets = 50;     // of each kind, 2-port and 1-port
constexpr int kMaxDataPoints = 2000; // per data set
constexpr int kMaxMarkers = 50;      // unconnected-node markers
constexpr int kMaxPins = 5;          // per component (4 of them are saved)
constexpr int kSavedPins = 4;
constexpr int kValuesPerComponent = 5;

// Longest texts of the fixed-length fields (longer input is cut to these).
constexpr int kMaxNameLength = 255;   // component name, spare text
constexpr int kMaxTextSizeLength = 2; // TextItem::size ("6" .. "30")
constexpr int kMaxTextLength = 64;    // TextItem::text

// ---- Symbol codes of the two measurement ports (symbol table and editor modes) ----------

constexpr int ckPort1 = -4;
constexpr int ckPort2 = -5;

// ---- Records ----------------------------------------------------------------------------

struct Point
{
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const Point&, const Point&) = default;
};

// A display range (maximum, minimum).
struct DisplayRange
{
  double max = 0.0;
  double min = 0.0;
  friend bool operator==(const DisplayRange&, const DisplayRange&) = default;
};

// The remembered ranges of the stability, gain and port-figure traces, one per kind
// (file section "traceranges", written only where they are in use: document/measureranges.h).
struct MeasureRanges
{
  // The defaults are those of a new document, so that a document made without
  // clearSchematic has nothing to write either.
  DisplayRange k{4, 0};     // Rollett's K, around the stability limit 1
  DisplayRange delta{2, 0}; // |Delta|
  DisplayRange mu{2, 0};    // mu1 / mu2
  DisplayRange gain{40, 0}; // MAG/MSG, dB
  DisplayRange vswr{10, 1};
  DisplayRange reZ{200, 0};    // ohm
  DisplayRange imZ{100, -100}; // ohm
  DisplayRange nf{10, 0};      // NF, dB
  DisplayRange nfmin{10, 0};   // NFmin, dB
  friend bool operator==(const MeasureRanges&, const MeasureRanges&) = default;
};

// Frequency sweep and X axis (file section "Xax").
struct SweepAxis
{
  double min = 0.0;      // start frequency, Hz
  double max = 0.0;      // stop frequency, Hz
  int numpoints = 0;     // sweep intervals: points 0..numpoints
  bool centspan = false; // entered as centre and span
  int freqmode = 0;      // 1 linear, 2 logarithmic
  friend bool operator==(const SweepAxis&, const SweepAxis&) = default;
};

// One rectangular-graph trace (file sections "Y1ax", "Y2ax").
struct TraceAxis
{
  double min = 0.0;
  double max = 0.0;
  MeasuredParameter measwhat{};
  TraceType tracetype{};
  friend bool operator==(const TraceAxis&, const TraceAxis&) = default;
};

// A value with tolerance. Some kinds (the bipolar transistor) use nom, mintol and maxtol as
// three independent parameters; the record is the same.
struct ToleranceValue
{
  double nom = 0.0;        // nominal value
  double mintol = 0.0;     // lower tolerance (negative below nominal)
  double maxtol = 0.0;     // upper tolerance
  double actual = 0.0;     // value used by the current simulation run; never saved
  bool TolEn = false;      // tolerance enabled
  bool TolPercent = false; // "Tol%": tolerances in percent of nom (else in the value's unit)
  friend bool operator==(const ToleranceValue&, const ToleranceValue&) = default;
};

// Absolute pin positions of a component, derived by computePinPositions. After a circuit
// check the points hold node references instead (applyNetlistToDrawing writes them).
struct PinSet
{
  int count = 0;                        // 0..5
  int scratch = 0;                      // working space of the netlist extraction
  OneBasedArray<Point, kMaxPins> nodes; // nodes[1] .. nodes[5]
  friend bool operator==(const PinSet&, const PinSet&) = default;
};

// A placed component, and the type of every template.
struct Component
{
  std::string name;      // designator, at most kMaxNameLength characters
  ComponentType ctype{}; // its kind; zero-filled (no kind) until placed or read
  int crot = 0;          // 1 as defined, 2 turned or mirrored (depends on the kind)
  Point position;        // reference point, on the grid
  bool selected = false;
  OneBasedArray<ToleranceValue, kValuesPerComponent> value; // value[1] .. value[5]
  PinSet pins;
  friend bool operator==(const Component&, const Component&) = default;
};

// A measurement port. pos (-100, -100) means "not placed".
struct Port
{
  Point pos;       // where the symbol is drawn
  Point node;      // connection point
  double Zo = 0.0; // reference impedance, ohm
  bool selected = false;
  int crot = 0; // 1 or 2
  friend bool operator==(const Port&, const Port&) = default;
};

constexpr Point kPortNotPlaced{-100, -100};

// A connecting wire. Each end has its own selection flag so one end can be dragged alone.
struct Wire
{
  bool startselected = false;
  bool finishselected = false;
  Point start;
  Point finish;
  friend bool operator==(const Wire&, const Wire&) = default;
};

// A drawing-only line; takes no part in the circuit.
struct DrawingLine
{
  int shapetype = 0; // 1 = straight line
  bool selected = false;
  Point start;
  Point finish;
  friend bool operator==(const DrawingLine&, const DrawingLine&) = default;
};

// A free text; pos is its top-left corner and is not snapped to the grid.
struct TextItem
{
  Point pos;
  std::string size; // font size in points as text, "6" .. "30", at most 2 characters
  bool selected = false;
  std::string text; // at most kMaxTextLength characters
  friend bool operator==(const TextItem&, const TextItem&) = default;
};

// An S-parameter as linear magnitude and angle in radians.
struct MagnitudeAngle
{
  double mag = 0.0;
  double ang = 0.0;
  friend bool operator==(const MagnitudeAngle&, const MagnitudeAngle&) = default;
};

struct TwoPortPoint
{
  double freq = 0.0; // Hz
  MagnitudeAngle s11, s21, s12, s22;
  friend bool operator==(const TwoPortPoint&, const TwoPortPoint&) = default;
};

// One line of a 2-port file's noise parameters, referred to 50 ohm like the S-data.
struct NoisePoint
{
  double freq = 0.0;       // Hz
  double nfminDb = 0.0;    // minimum noise figure, dB
  MagnitudeAngle gammaOpt; // optimum source reflection coefficient (angle in radians)
  double rn = 0.0;         // equivalent noise resistance, ohm
  friend bool operator==(const NoisePoint&, const NoisePoint&) = default;
};

struct OnePortPoint
{
  double freq = 0.0; // Hz
  MagnitudeAngle s11;
  friend bool operator==(const OnePortPoint&, const OnePortPoint&) = default;
};

// A stored 2-port data set. It is in use when it holds points; points[1] is the first.
struct TwoPortDataSet
{
  std::string name; // file name or label of the data, any length
  // What was done to the data on reading, shown with them ("Converted from 75 ohm to 50
  // ohm"); empty for data taken as they were.
  std::string note;
  int index = 0; // the set's own index as read from a file (1..50)
  BoundedList<TwoPortPoint, kMaxDataPoints> points;
  // The file's noise parameters, in rising frequency; empty when it had none. Read with the
  // file only: the schematic file does not keep them.
  std::vector<NoisePoint> noise;
  int numpoints() const { return points.count(); }
  bool inUse() const { return !points.empty(); }
  friend bool operator==(const TwoPortDataSet&, const TwoPortDataSet&) = default;
};

struct OnePortDataSet
{
  std::string name;
  std::string note; // as TwoPortDataSet's
  int index = 0;
  BoundedList<OnePortPoint, kMaxDataPoints> points;
  int numpoints() const { return points.count(); }
  bool inUse() const { return !points.empty(); }
  friend bool operator==(const OnePortDataSet&, const OnePortDataSet&) = default;
};

// The stored data sets, numbered 1..50 of each kind; a block's value[1].nom names its set.
struct DataSets
{
  OneBasedArray<TwoPortDataSet, kMaxDataSets> twoPort;
  OneBasedArray<OnePortDataSet, kMaxDataSets> onePort;
  friend bool operator==(const DataSets&, const DataSets&) = default;
};

// The drawing. A structural copy of it is an undo snapshot.
struct Drawing
{
  Port P1;                     // measurement port 1
  Port P2;                     // measurement port 2
  int twoPortBlockCounter = 0; // index handed to the most recently placed 2-port block
  int onePortBlockCounter = 0; // index handed to the most recently placed 1-port block
  BoundedList<Wire, kMaxWires> wires;
  BoundedList<Component, kMaxComponents> components;
  BoundedList<DrawingLine, kMaxLines> lines;
  BoundedList<TextItem, kMaxTexts> texts;
  // Points where the last circuit check found an unconnected pin or port; never saved.
  // The circuit check appends (surplus markers are dropped), the editor clears the list.
  BoundedList<Point, kMaxMarkers> UnconnectedMarkers;
  friend bool operator==(const Drawing&, const Drawing&) = default;
};

// The document.
struct Schematic
{
  DisplayRange mmdB;        // dB trace range
  DisplayRange mmLin;       // linear-magnitude trace range
  DisplayRange mmPhase;     // phase trace range, degrees
  DisplayRange mmGrpDelay;  // group-delay trace range, s (not saved)
  MeasureRanges mmMeasures; // ranges of the stability, gain and port-figure traces

  // Templates: the values a newly placed component of the kind receives.
  Component lastC;
  Component lastL;
  Component lastR;
  Component lastopamp;
  Component lastVCVS;
  Component lastVCCS;
  Component lastCCVS;
  Component lastCCCS;
  Component lasttxln;
  Component lastTransformer; // not saved
  Component lastMutual;      // not saved, no defaults
  Component lastBipolar;     // not saved

  std::string spareText; // reserved; emptied by clearSchematic, read by nothing

  PlotFormat plotformat{}; // graph plot format
  int current2port = 0;    // data set shown by the 2-port data dialog
  int current1port = 0;    // data set shown by the 1-port data dialog
  SweepAxis Xax;
  TraceAxis Y1ax;
  TraceAxis Y2ax;
  double polarS11mag = 0.0; // polar-plot full scale per S-parameter
  double polarS21mag = 0.0;
  double polarS12mag = 0.0;
  double polarS22mag = 0.0;
  MeasuredParameter polarmeaswhat{};
  int cursorpos = 0; // graph cursor, copied in from the graph window before saving
  Drawing drawdat;
  bool circleson = false; // graph circles shown, copied in before saving
  bool simulated = false; // the results are current; a file saved so is simulated on load

  DataSets datasets;

  // Markers on the graph (saved after the drawing, in their own section, when there are any).
  GraphMarkers graphMarkers;

  // The optimiser's goals, one text each ("S21 dB >= -0.5 from 423MHz to 443MHz"), kept as
  // written: the optimiser reads them (optimize/goal.h), the document only stores them, so a
  // goal this version cannot read still survives a save. File section "goals{" at the end.
  std::vector<std::string> goals;

  // Drawing scale used by the editor's painting (numerator / denominator); not saved.
  int scaleNum = 1;
  int scaleDen = 1;

  friend bool operator==(const Schematic&, const Schematic&) = default;
};

} // namespace norvane
