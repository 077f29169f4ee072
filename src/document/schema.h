#pragma once
// The schematic document: one Tschema record for the whole run, holding the display settings,
// the component templates, the drawing and the stored S-parameter data sets.
//
// Conventions
// - Every array is numbered from 1 (see onebased.h): drawdat.components[1] is the first
//   component, comp.value[1] the first parameter, comp.pins.nodes[1] the first pin,
//   datasets.twoPort[7] the 2-port data set a block with index 7 uses.
// - Coordinates are integer drawing units, x to the right, y downwards; placed objects lie
//   on a grid of 10 (SnapToGrid in pins.h).
// - Values are SI (ohm, farad, henry, metre, second, hertz); S-parameter angles in radians.
// - A default-constructed Tschema is the zero-filled record of program start; ClearSchema
//   (clearschema.h) then gives it the defaults of a new schematic.
// - Texts are stored as the file's 8-bit (Latin-1) bytes, unconverted.
//
// The data sets live in Tschema::datasets, outside TDrawData, so that a snapshot of the
// drawing (undo) copies components and wires but not up to 11 MB of measured data.

#include "document/componenttype.h"
#include "document/onebased.h"
#include "document/plotsettings.h"

#include <string>

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
constexpr int kMaxTextSizeLength = 2; // Ttextitem::size ("6" .. "30")
constexpr int kMaxTextLength = 64;    // Ttextitem::text

// ---- Symbol codes of the two measurement ports (symbol table and editor modes) ----------

constexpr int ckPort1 = -4;
constexpr int ckPort2 = -5;

// ---- Records ----------------------------------------------------------------------------

struct TPoint
{
  int x = 0;
  int y = 0;
  friend constexpr bool operator==(const TPoint&, const TPoint&) = default;
};

// A display range (maximum, minimum).
struct Trange
{
  double max = 0.0;
  double min = 0.0;
  friend bool operator==(const Trange&, const Trange&) = default;
};

// Frequency sweep and X axis (file section "Xax").
struct Txaxis
{
  double min = 0.0;      // start frequency, Hz
  double max = 0.0;      // stop frequency, Hz
  int numpoints = 0;     // sweep intervals: points 0..numpoints
  bool centspan = false; // entered as centre and span
  int freqmode = 0;      // 1 linear, 2 logarithmic
  friend bool operator==(const Txaxis&, const Txaxis&) = default;
};

// One rectangular-graph trace (file sections "Y1ax", "Y2ax").
struct Tyaxis
{
  double min = 0.0;
  double max = 0.0;
  MeasuredParameter measwhat{};
  TraceType tracetype{};
  friend bool operator==(const Tyaxis&, const Tyaxis&) = default;
};

// A value with tolerance. Some kinds (the bipolar transistor) use nom, mintol and maxtol as
// three independent parameters; the record is the same.
struct Ttolvalue
{
  double nom = 0.0;        // nominal value
  double mintol = 0.0;     // lower tolerance (negative below nominal)
  double maxtol = 0.0;     // upper tolerance
  double actual = 0.0;     // value used by the current simulation run; never saved
  bool TolEn = false;      // tolerance enabled
  bool TolPercent = false; // "Tol%": tolerances in percent of nom (else in the value's unit)
  friend bool operator==(const Ttolvalue&, const Ttolvalue&) = default;
};

// Absolute pin positions of a component, derived by ComputePinPositions. After a circuit
// check the points hold node references instead (the netlist overwrites them).
struct Tpinset
{
  int count = 0;                         // 0..5
  int scratch = 0;                       // working space of the netlist extraction
  OneBasedArray<TPoint, kMaxPins> nodes; // nodes[1] .. nodes[5]
  friend bool operator==(const Tpinset&, const Tpinset&) = default;
};

// A placed component, and the type of every template.
struct Tcomponent
{
  std::string name; // designator, at most kMaxNameLength characters
  ComponentType ctype{}; // its kind; zero-filled (no kind) until placed or read
  int crot = 0;     // 1 as defined, 2 turned or mirrored (depends on the kind)
  TPoint position;  // reference point, on the grid
  bool selected = false;
  OneBasedArray<Ttolvalue, kValuesPerComponent> value; // value[1] .. value[5]
  Tpinset pins;
  friend bool operator==(const Tcomponent&, const Tcomponent&) = default;
};

// A measurement port. pos (-100, -100) means "not placed".
struct Tport
{
  TPoint pos;      // where the symbol is drawn
  TPoint node;     // connection point
  double Zo = 0.0; // reference impedance, ohm
  bool selected = false;
  int crot = 0; // 1 or 2
  friend bool operator==(const Tport&, const Tport&) = default;
};

constexpr TPoint kPortNotPlaced{-100, -100};

// A connecting wire. Each end has its own selection flag so one end can be dragged alone.
struct Tshort
{
  bool startselected = false;
  bool finishselected = false;
  TPoint start;
  TPoint finish;
  friend bool operator==(const Tshort&, const Tshort&) = default;
};

// A drawing-only line; takes no part in the circuit.
struct Tshape
{
  int shapetype = 0; // 1 = straight line
  bool selected = false;
  TPoint start;
  TPoint finish;
  friend bool operator==(const Tshape&, const Tshape&) = default;
};

// A free text; pos is its top-left corner and is not snapped to the grid.
struct Ttextitem
{
  TPoint pos;
  std::string size; // font size in points as text, "6" .. "30", at most 2 characters
  bool selected = false;
  std::string text; // at most kMaxTextLength characters
  friend bool operator==(const Ttextitem&, const Ttextitem&) = default;
};

// An S-parameter as linear magnitude and angle in radians.
struct TMagAngle
{
  double mag = 0.0;
  double ang = 0.0;
  friend bool operator==(const TMagAngle&, const TMagAngle&) = default;
};

struct T2pPoint
{
  double freq = 0.0; // Hz
  TMagAngle s11, s21, s12, s22;
  friend bool operator==(const T2pPoint&, const T2pPoint&) = default;
};

struct T1pPoint
{
  double freq = 0.0; // Hz
  TMagAngle s11;
  friend bool operator==(const T1pPoint&, const T1pPoint&) = default;
};

// A stored 2-port data set. It is in use when it holds points; points[1] is the first.
struct T2pdatarray
{
  std::string name; // file name or label of the data, any length
  // What was done to the data on reading, shown with them ("Converted from 75 ohm to 50
  // ohm"); empty for data taken as they were.
  std::string note;
  int index = 0; // the set's own index as read from a file (1..50)
  BoundedList<T2pPoint, kMaxDataPoints> points;
  int numpoints() const { return points.count(); }
  bool inUse() const { return !points.empty(); }
  friend bool operator==(const T2pdatarray&, const T2pdatarray&) = default;
};

struct T1pdatarray
{
  std::string name;
  std::string note; // as T2pdatarray's
  int index = 0;
  BoundedList<T1pPoint, kMaxDataPoints> points;
  int numpoints() const { return points.count(); }
  bool inUse() const { return !points.empty(); }
  friend bool operator==(const T1pdatarray&, const T1pdatarray&) = default;
};

// The stored data sets, numbered 1..50 of each kind; a block's value[1].nom names its set.
struct TDataSets
{
  OneBasedArray<T2pdatarray, kMaxDataSets> twoPort;
  OneBasedArray<T1pdatarray, kMaxDataSets> onePort;
  friend bool operator==(const TDataSets&, const TDataSets&) = default;
};

// The drawing. A structural copy of it is an undo snapshot.
struct TDrawData
{
  Tport P1;                    // measurement port 1
  Tport P2;                    // measurement port 2
  int twoPortBlockCounter = 0; // index handed to the most recently placed 2-port block
  int onePortBlockCounter = 0; // index handed to the most recently placed 1-port block
  BoundedList<Tshort, kMaxWires> wires;
  BoundedList<Tcomponent, kMaxComponents> components;
  BoundedList<Tshape, kMaxLines> lines;
  BoundedList<Ttextitem, kMaxTexts> texts;
  // Points where the last circuit check found an unconnected pin or port; never saved.
  // The circuit check appends (surplus markers are dropped), the editor clears the list.
  BoundedList<TPoint, kMaxMarkers> UnconnectedMarkers;
  friend bool operator==(const TDrawData&, const TDrawData&) = default;
};

// The document.
struct Tschema
{
  Trange mmdB;       // dB trace range
  Trange mmLin;      // linear-magnitude trace range
  Trange mmPhase;    // phase trace range, degrees
  Trange mmGrpDelay; // group-delay trace range, s (not saved)

  // Templates: the values a newly placed component of the kind receives.
  Tcomponent lastC;
  Tcomponent lastL;
  Tcomponent lastR;
  Tcomponent lastopamp;
  Tcomponent lastVCVS;
  Tcomponent lastVCCS;
  Tcomponent lastCCVS;
  Tcomponent lastCCCS;
  Tcomponent lasttxln;
  Tcomponent lastTransformer; // not saved
  Tcomponent lastMutual;      // not saved, no defaults
  Tcomponent lastBipolar;     // not saved

  std::string spareText; // reserved; emptied by ClearSchema, read by nothing

  PlotFormat plotformat{}; // graph plot format
  int current2port = 0;    // data set shown by the 2-port data dialog
  int current1port = 0;    // data set shown by the 1-port data dialog
  Txaxis Xax;
  Tyaxis Y1ax;
  Tyaxis Y2ax;
  double polarS11mag = 0.0; // polar-plot full scale per S-parameter
  double polarS21mag = 0.0;
  double polarS12mag = 0.0;
  double polarS22mag = 0.0;
  MeasuredParameter polarmeaswhat{};
  int cursorpos = 0; // graph cursor, copied in from the graph window before saving
  TDrawData drawdat;
  bool circleson = false; // graph circles shown, copied in before saving
  bool simulated = false; // the results are current; a file saved so is simulated on load

  TDataSets datasets;

  // Drawing scale used by the editor's painting (numerator / denominator); not saved.
  int scaleNum = 1;
  int scaleDen = 1;

  friend bool operator==(const Tschema&, const Tschema&) = default;
};

} // namespace norvane
