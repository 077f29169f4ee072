#pragma once
// What the component property dialogs read from and write into a component: which field
// lives in which value slot, the replacement of entered zeros by harmless values (the
// element stamps divide by resistances, capacitances, inductances, line impedances and
// lengths), the op-amp gain's dB form and the kind's template that remembers the values the
// user last confirmed. The dialogs only copy their fields into these forms; everything that
// decides a stored number lives here, free of any window code.

#include "document/placement.h"
#include "document/schematic.h"
#include "document/zeroreplacement.h"

#include <string>
#include <vector>

namespace norvane {

// Copies the confirmed value slots of a component into its kind's template (templateFor),
// as many as a new component takes from it (templateValueCount), so the next component of
// that kind starts with them. Kinds without a template are left alone.
void copyToTemplate(Schematic& doc, const Component& comp);

// ---- Resistor, capacitor, inductor --------------------------------------------------------

// The capacitor's and inductor's optional physical model: a loss given as Q at a frequency,
// the self-resonant frequency and how Q varies with frequency.
struct ReactiveForm
{
  ToleranceValue value;       // C or L with its tolerances (slot 1, whole)
  bool physicalModel = false; // slot 5.TolEn
  double q = 0.0;             // slot 2.nom
  double qFrequency = 0.0;    // frequency at which q holds, Hz (slot 3.nom)
  double selfResonance = 0.0; // Hz (slot 4.nom)
  int qMode = 1;              // 1, 2 or 3 (slot 5.nom)
};

constexpr int kQModeCount = 3;

// Slot 1 of a resistor, capacitor or inductor as the dialog shows it.
ReactiveForm readReactiveForm(const Component& comp);
// Stores the form into a capacitor or inductor; a zero C or L becomes 1e-20.
void storeReactiveForm(const ReactiveForm& form, Component& comp);
// Stores a resistance with its tolerances into slot 1; a zero resistance becomes 1e-6.
void storeResistance(const ToleranceValue& entered, Component& comp);

// ---- Op-amp ---------------------------------------------------------------------------------

struct OpAmpForm
{
  double inputResistance = 0.0;  // slot 1.nom
  double outputResistance = 0.0; // slot 2.nom
  double gainDb = 0.0;           // slot 3.nom holds the linear voltage ratio
};

// The dB limit of the gain field; also what a gain that has no dB form (zero or negative,
// from a file) is shown as, at the low end.
constexpr double kOpAmpGainLimitDb = 1e9;

// 20 log10(ratio); a ratio that is not positive shows as the lowest gain the field accepts.
double gainRatioToDb(double ratio);
// 10^(dB/20), kept finite (a gain beyond about 6000 dB saturates at the largest double).
double gainDbToRatio(double dB);

OpAmpForm readOpAmpForm(const Component& comp);
void storeOpAmpForm(const OpAmpForm& form, Component& comp);

// ---- Transmission line ----------------------------------------------------------------------

struct TxLineForm
{
  ToleranceValue zo;     // slot 1, whole
  double velocity = 0.0; // phase velocity, m/s (slot 2.nom)
  ToleranceValue length; // metres (slot 3, whole)
};

TxLineForm readTxLineForm(const Component& comp);
// Zero replacements: Zo and length 1e-20, velocity 1.0.
void storeTxLineForm(const TxLineForm& form, Component& comp);

// ---- Transformer and mutual inductance --------------------------------------------------------

struct CoupledCoilsForm
{
  double primaryTurns = 0.0;      // slot 1.mintol
  double secondaryTurns = 0.0;    // slot 1.nom
  bool physicalModel = false;     // slot 1.TolEn
  double primaryInductance = 0.0; // H (slot 2.nom)
  double coupling = 0.0;          // k (slot 3.nom)
};

CoupledCoilsForm readCoupledCoilsForm(const Component& comp);
void storeCoupledCoilsForm(const CoupledCoilsForm& form, Component& comp);

// ---- Controlled sources -------------------------------------------------------------------

// The gain, transconductance or transresistance with its tolerances (slot 1, whole). Nothing
// is replaced: a zero gain is a valid (dead) source and the stamps do not divide by it.
void storeSourceGain(const ToleranceValue& entered, Component& comp);

// ---- Free texts ----------------------------------------------------------------------------

// The font sizes the "Edit text" dialog offers: "6", "8", ... "30".
std::vector<std::string> textSizeChoices();

} // namespace norvane
