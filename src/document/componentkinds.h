#pragma once
// One description per component kind: what the kind is called, how many pins its symbol
// has, which template remembers its values, and what each of its parameters is: which value
// slot and which field of that slot hold it, its unit, whether the tolerance modes vary it,
// what an entered zero is replaced by, its template default and the limits and decimals of
// its dialog field.
//
// Everything that reads or writes a component's values by meaning (the element stamps, the
// tolerance modes, the listing, the labels, the property dialogs, placement, the value
// checks) asks this table rather than knowing slot numbers itself. The stored value[1..5]
// records and the file format are untouched: the table only names what is already there.
//
// A kind is `ComponentType` at the interface; its integer code (the file's ctype, also the
// editor mode that places it) is only a key for looking a description up.
//
// Each kind is one unit under src/kinds/ that fills in a ComponentKind (description, symbol
// and its device model: stamp, listing line, value check, SPICE element) and registers it
// with one line, `const bool registered = registerComponentKind(kind);`. The registry is
// complete before main() runs; from the first look-up on it is fixed.

#include "document/componenttype.h"
#include "document/schematic.h"
#include "document/symboltable.h"

#include <span>
#include <string_view>

namespace norvane {

// Which part of a value slot holds a parameter. Whole: the slot is one value with its
// tolerances (a tolerance field in the dialog); the others are one double or one flag.
enum class SlotField { Whole, Nom, MinTol, MaxTol, TolEn, TolPercent };

// What clearSchematic puts into a parameter of the template. Unset parameters keep what the
// user last confirmed.
struct ParameterDefault
{
  enum class Kind { Unset, Value, WithTolerance };
  Kind kind = Kind::Unset;
  double value = 0.0; // the field's value (a flag: nonzero is true)
  double mintol = 0.0;
  double maxtol = 0.0;
  bool toleranceOn = false;
  bool percent = false;
};

struct ParameterDescription
{
  std::string_view name; // the accessor's name, e.g. "inductance", "q", "qMode"
  int slot = 1;          // value[slot]
  SlotField field = SlotField::Nom;
  std::string_view unit;      // as the dialog field shows it ("R", "F", " m/s", "")
  bool varied = false;        // changed by the tolerance modes (Lower, Upper, Random)
  double zeroReplacement = 0; // stored instead of an exact zero; 0: stored as entered
  int decimals = 0;           // of the dialog field
  double low = 0.0;           // dialog field limits
  double high = 0.0;
  ParameterDefault templateDefault;
  std::string_view caption{}; // the dialog's caption of the field; empty: the name made readable
};

// Whether a kind shows a stored S-parameter data set, and which store holds it.
enum class DataBlock { None, TwoPort, OnePort };

// The simulator's side of a kind (stamp, listing line, value check, SPICE element), defined
// in sim/devicemodel.h. The document only carries the pointer.
struct DeviceModel;

struct ComponentKind
{
  ComponentType type = ComponentType::Resistor;
  std::string_view codeName; // the kind's name in the file format's table, "ckResistor"
  std::string_view prefix;   // designator prefix of generated names, "R"
  std::string_view title;    // how messages name it, "resistor"
  int pins = 0;              // pins of its symbol
  Component Schematic::*templateRecord = nullptr; // nullptr: no template
  int templateValues = 0;                         // slots a new component copies from it
  std::span<const ParameterDescription> parameters;
  std::string_view tunedParameter;   // the value tune mode steps; empty: not tunable
  std::string_view previewParameter; // shown with its unit in the assistants' previews
  DataBlock dataBlock = DataBlock::None;
  std::string_view dialogCaption{};    // of its property dialog; empty: "Edit " and the title
  SymbolDefinition symbol;             // its picture and pins (symbol.kind is its code)
  const DeviceModel* device = nullptr; // nullptr: takes no part in the circuit (ground)

  int code() const { return kindCode(type); }
  // The parameter called `name`; nullptr when the kind has none of that name.
  const ParameterDescription* parameter(std::string_view name) const;
  // The highest value slot a parameter uses (0 for ground).
  int slotsUsed() const;
  // The value slot tune mode steps; 0 when the kind is not tuned.
  int tunedSlot() const;
  // Whether the kind has values to edit (a property dialog); ground has none.
  bool hasProperties() const { return !parameters.empty(); }
};

// Makes a kind known to the whole program. Called once per kind, by the static
// initialiser of its unit; a second kind with the same code or file name, a code outside
// 1..kMaxKindCode or a registration after the first look-up stops the program with a
// message (a programming error). Returns true so that the call can initialise a constant.
bool registerComponentKind(const ComponentKind& kind);

// Every registered kind, in code order.
std::span<const ComponentKind> componentKinds();

// Whether `code` names a registered kind.
bool isKindCode(int code);
// Whether `type` is a registered kind (a zero-filled record holds none).
bool isComponentKind(ComponentType type);

// The description of a kind.
const ComponentKind& componentKind(ComponentType type);
// The description of a kind; nullptr for a value that names no kind (a zero-filled record).
const ComponentKind* findComponentKind(ComponentType type);

// ---- Reading and writing a parameter by name ----------------------------------------------

// The double a parameter names (a flag reads as 0 or 1); the Whole field reads its nom.
double parameterValue(const Component& c, const ParameterDescription& p);
void setParameterValue(Component& c, const ParameterDescription& p, double value);
// By name; throws std::out_of_range when the kind has no such parameter (a programming
// error: the names are fixed in the table).
double parameterValue(const Component& c, std::string_view name);
void setParameterValue(Component& c, std::string_view name, double value);

// The whole value slot that holds a parameter (for a Whole parameter: the value with its
// tolerances); throws std::out_of_range as above.
const ToleranceValue& parameterSlot(const Component& c, std::string_view name);
ToleranceValue& parameterSlot(Component& c, std::string_view name);
// The unit of a parameter as the dialogs show it.
std::string_view parameterUnit(const Component& c, std::string_view name);

// The data-block kind of a component (None for every other kind and for no kind).
DataBlock dataBlockOf(ComponentType type);

// Whether a component has values to edit (false for ground and for no kind).
bool hasProperties(const Component& c);

// Whether a component is a ground connection: its pin is the reference node, it takes no
// part in the netlist listing and has no SPICE element.
inline bool isGround(const Component& c)
{
  return c.ctype == ComponentType::Ground;
}

// ---- The reactive kinds' physical model, read by name (labels, dialogs) -------------------

// The capacitor's and inductor's physical model (the same parameters in both).
bool usesPhysicalModel(const Component& reactive);
double qualityFactor(const Component& reactive); // Q at qFrequency
double qFrequency(const Component& reactive);    // Hz
double selfResonance(const Component& reactive); // Hz
double qModeNumber(const Component& reactive);   // 1, 2 or 3 as stored (may be anything)

// Applies the zero replacements of every parameter of the component's kind to its nominal
// values, as the property dialogs do on OK and the file reader does on loading.
void replaceZeroValues(Component& comp);

// Sets the template defaults of every kind with a template.
void setTemplateDefaults(Schematic& doc);

// Gives a new component of a kind without a template record its parameters' template
// defaults.
void applyParameterDefaults(Component& comp);

} // namespace norvane
