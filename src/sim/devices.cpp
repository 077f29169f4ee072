#include "sim/devices.h"

#include "numbers/valuetext.h"
#include "sim/results.h"
#include "sim/spicedeck.h"
#include "sim/stampsdetail.h"

#include <array>
#include <cmath>

// The device table. A stamp adapter gives every kind's model the one signature of the
// table; a divisor function names what the stamp divides by; a listing function writes the kind's
// line of the netlist listing from its parameters, read by name through the kind's description
// (values are the nominal ones).

namespace norvane {
namespace {

using namespace stampdetail;
using namespace spicedetail;
using T = ComponentType;

// ---- Stamps ---------------------------------------------------------------------------------

using StampFn = void (*)(ComplexMatrix&, const Component&, const PinNodes&, double, const DataSets&,
                         ComplexErrors&);

template <void (*Model)(ComplexMatrix&, const Component&, const PinNodes&)>
void plain(ComplexMatrix& m, const Component& c, const PinNodes& n, double, const DataSets&,
           ComplexErrors&)
{
  Model(m, c, n);
}

template <void (*Model)(ComplexMatrix&, const Component&, const PinNodes&, double)>
void atFrequency(ComplexMatrix& m, const Component& c, const PinNodes& n, double f, const DataSets&,
                 ComplexErrors&)
{
  Model(m, c, n, f);
}

void bipolar(ComplexMatrix& m, const Component& c, const PinNodes& n, double f, const DataSets&,
             ComplexErrors& errors)
{
  stampBipolar(m, c, n, f, errors);
}

// ---- Listing lines ----------------------------------------------------------------------------

std::string v(double x)
{
  return FormatEngineering(3, x);
}

double p(const Component& c, std::string_view name)
{
  return parameterValue(c, name);
}

// "N1 N2 ... Nk" of the component's first k pins.
std::string nodes(const PinNodes& pins, int count)
{
  std::string text;
  for (int k = 1; k <= count; ++k) {
    if (k > 1) {
      text += ' ';
    }
    text += std::to_string(pins.node[static_cast<std::size_t>(k)]);
  }
  return text;
}

std::string dataSetName(const Schematic& doc, const Component& block)
{
  const double index = std::round(p(block, "dataSet"));
  if (!(index >= 1 && index <= kMaxDataSets)) {
    return std::string();
  }
  const int i = static_cast<int>(index);
  return dataBlockOf(block.ctype) == DataBlock::TwoPort ? doc.datasets.twoPort[i].name
                                                        : doc.datasets.onePort[i].name;
}

std::string resistorLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "res " + nodes(n, 2) + " R=" + v(p(c, "resistance")) + "R";
}

std::string capacitorLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "cap " + nodes(n, 2) + " C=" + v(p(c, "capacitance")) + "F";
}

std::string inductorLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "ind " + nodes(n, 2) + " L=" + v(p(c, "inductance")) + "H";
}

std::string opAmpLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "opamp " + nodes(n, 3) + " Ri=" + v(p(c, "inputResistance")) + "R" +
         " Ro=" + v(p(c, "outputResistance")) + "R" +
         " G=" + FixedText(20.0 * Log10(p(c, "gain")), 3) + "dB";
}

std::string txLineLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "txln " + nodes(n, 2) + " Zo=" + v(p(c, "impedance")) + "R" +
         " Vel=" + v(p(c, "velocity")) + "m/s" + " Len=" + v(p(c, "length")) + "m";
}

std::string twoPortLine(const Schematic& doc, const Component& c, const PinNodes& n)
{
  return "2Port " + nodes(n, 3) + " " + dataSetName(doc, c);
}

std::string onePortLine(const Schematic& doc, const Component& c, const PinNodes& n)
{
  return "1Port " + nodes(n, 2) + " " + dataSetName(doc, c);
}

std::string transformerLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "transformer " + nodes(n, 4) +
         " Primary turns=" + FormatEngineering(1, p(c, "primaryTurns")) +
         " Secondary Turns=" + FormatEngineering(1, p(c, "secondaryTurns"));
}

// Primary inductance and the secondary inductance it implies: L2 = L1 Ns/Np, the linear
// turns ratio this element uses.
std::string mutualLine(const Schematic&, const Component& c, const PinNodes& n)
{
  const double lp = p(c, "primaryInductance");
  const double np = p(c, "primaryTurns");
  const double ns = p(c, "secondaryTurns");
  const std::string l2 = np != 0.0 ? v(lp * ns / np) : std::string("?");
  return "mutual inductance " + nodes(n, 4) + " L1=" + v(lp) + "H" + " L2=" + l2 + "H";
}

std::string bipolarLine(const Schematic&, const Component&, const PinNodes& n)
{
  return "bipolar transistor " + nodes(n, 4);
}

std::string vcvsLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "vcvs " + nodes(n, 4) + " G=" + v(p(c, "gain")) + "V/V";
}

std::string vccsLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "vccs " + nodes(n, 4) + " Gm=" + v(p(c, "gain")) + "S";
}

std::string ccvsLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "ccvs " + nodes(n, 4) + " Rm=" + v(p(c, "gain")) + "R";
}

std::string cccsLine(const Schematic&, const Component& c, const PinNodes& n)
{
  return "cccs " + nodes(n, 4) + " B=" + v(p(c, "gain")) + "A/A";
}

// ---- Divisors -------------------------------------------------------------------------------

const ToleranceValue& slot(const Component& c, std::string_view name)
{
  return parameterSlot(c, name);
}

std::vector<double> resistorDivisors(const Component& c)
{
  return {slot(c, "resistance").actual};
}

// Value, and with the physical model also Q, its frequency and the self-resonance.
std::vector<double> reactiveDivisors(const Component& c)
{
  const double value = c.value[findComponentKind(c.ctype)->parameters.front().slot].actual;
  if (usesPhysicalModel(c)) {
    return {value, qualityFactor(c), qFrequency(c), selfResonance(c)};
  }
  return {value};
}

std::vector<double> opAmpDivisors(const Component& c)
{
  return {p(c, "inputResistance"), p(c, "outputResistance")};
}

std::vector<double> txLineDivisors(const Component& c)
{
  const ToleranceValue& zo = slot(c, "impedance");
  return {zo.TolEn ? zo.actual : zo.nom, p(c, "velocity")};
}

// Turns, and with the physical model the primary inductance.
std::vector<double> windingDivisors(const Component& c)
{
  if (p(c, "physicalModel") != 0.0) {
    return {p(c, "secondaryTurns"), p(c, "primaryTurns"), p(c, "primaryInductance")};
  }
  return {p(c, "secondaryTurns"), p(c, "primaryTurns")};
}

std::vector<double> bipolarDivisors(const Component& c)
{
  return {p(c, "ro"), p(c, "betaCutoff")};
}

const std::array<Device, kComponentTypeCount> kDevices{{
    {T::Resistor, plain<stampResistor>, resistorLine, resistorDivisors, writeResistor},
    {T::Capacitor, atFrequency<stampCapacitor>, capacitorLine, reactiveDivisors, writeCapacitor},
    {T::Inductor, atFrequency<stampInductor>, inductorLine, reactiveDivisors, writeInductor},
    {T::Ground, nullptr, nullptr, nullptr, nullptr},
    {T::OpAmp, plain<stampOpAmp>, opAmpLine, opAmpDivisors, writeOpAmp},
    {T::TxLine, atFrequency<stampTxLine>, txLineLine, txLineDivisors, writeTxLine},
    {T::SParam2, stampTwoPortBlock, twoPortLine, nullptr, nullptr},
    {T::SParam1, stampOnePortBlock, onePortLine, nullptr, nullptr},
    {T::Transformer, atFrequency<stampTransformer>, transformerLine, windingDivisors,
     writeTransformer},
    {T::Mutual, atFrequency<stampMutual>, mutualLine, windingDivisors, writeMutual},
    {T::Bipolar, bipolar, bipolarLine, bipolarDivisors, writeBipolar},
    {T::VCVS, plain<stampVCVS>, vcvsLine, nullptr, writeVCVS},
    {T::VCCS, plain<stampVCCS>, vccsLine, nullptr, writeVCCS},
    {T::CCVS, plain<stampCCVS>, ccvsLine, nullptr, writeCCVS},
    {T::CCCS, plain<stampCCCS>, cccsLine, nullptr, writeCCCS},
}};

} // namespace

std::span<const Device> devices()
{
  return kDevices;
}

const Device* findDevice(ComponentType type)
{
  if (!isComponentKind(type)) {
    return nullptr;
  }
  return &kDevices[static_cast<std::size_t>(kindCode(type) - kindCode(kFirstComponentType))];
}

} // namespace norvane
