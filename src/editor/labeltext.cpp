#include "editor/labeltext.h"

#include "document/componentkinds.h"
#include "document/placement.h"
#include "numbers/valuetext.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace norvane {

std::string engText(double value, int decimals)
{
  return formatEngineering(decimals, value);
}

std::string toleranceText(const ToleranceValue& v, const std::string& unit)
{
  if (!v.TolEn) return {};
  const std::string plus = signedText(engText(v.maxtol, 2));
  const std::string minus = signedText(engText(v.mintol, 2));
  if (v.TolPercent) return plus + "%," + minus + "%";
  return plus + unit + minus + unit;
}

std::string plainNumberText(double value)
{
  if (std::isnan(value)) return "0";
  if (std::isinf(value)) value = value > 0 ? 1.7976931348623157e308 : -1.7976931348623157e308;
  // Fifteen significant digits, general form; the exponent as "E20" / "E-5" without a plus
  // sign or leading zeros, the way the program has always shown such numbers.
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15G", value);
  std::string text = buf;
  const auto e = text.find('E');
  if (e == std::string::npos) return text;
  std::string mantissa = text.substr(0, e);
  std::string exponent = text.substr(e + 1);
  std::string sign;
  if (!exponent.empty() && (exponent[0] == '+' || exponent[0] == '-')) {
    if (exponent[0] == '-') sign = "-";
    exponent.erase(0, 1);
  }
  while (exponent.size() > 1 && exponent[0] == '0')
    exponent.erase(0, 1);
  return mantissa + "E" + sign + exponent;
}

namespace {

// Parameters by name, through the kind's description.
double p(const Component& c, std::string_view name)
{
  return parameterValue(c, name);
}

const ToleranceValue& slot(const Component& c, std::string_view name)
{
  return parameterSlot(c, name);
}

std::string unit(const Component& c, std::string_view name)
{
  return std::string(parameterUnit(c, name));
}

// A value with its unit and, when enabled, its tolerance: resistor, capacitor, inductor.
LabelLines valueLines(const Component& c, std::string_view name, int decimals)
{
  const std::string u = unit(c, name);
  return {engText(p(c, name), decimals) + u, toleranceText(slot(c, name), u), ""};
}

// Capacitor and inductor: the simple label, or with the physical model the value with its
// tolerance on one line and the Q and self-resonance figures below.
LabelLines reactiveLines(const Component& c, std::string_view name)
{
  if (!usesPhysicalModel(c)) return valueLines(c, name, 3);
  const std::string u = unit(c, name);
  return {engText(p(c, name), 2) + u + "  " + toleranceText(slot(c, name), u),
          "Q=" + plainNumberText(qualityFactor(c)) + " @" + engText(qFrequency(c), 1) + "Hz",
          "Q mode=" + plainNumberText(qModeNumber(c)) + " SRF=" + engText(selfResonance(c), 1) +
              "Hz"};
}

LabelLines capacitorLines(const Component& c, const DataSets&)
{
  return reactiveLines(c, "capacitance");
}

LabelLines inductorLines(const Component& c, const DataSets&)
{
  return reactiveLines(c, "inductance");
}

// Open-loop gain in dB; a gain that is not positive has no logarithm, so it is shown with the
// huge figure the guarded logarithm gives rather than as "nan".
double gainDb(double ratio)
{
  return 20.0 * (ratio > 0 ? std::log10(ratio) : 1e30);
}

LabelLines opAmpLines(const Component& c, const DataSets&)
{
  return {"Ri=" + engText(p(c, "inputResistance"), 2) + "R",
          "Ro=" + engText(p(c, "outputResistance"), 2) + "R",
          "OLgain=" + engText(gainDb(p(c, "gain")), 0) + "dB"};
}

LabelLines txLineLines(const Component& c, const DataSets&)
{
  return {"Zo=" + engText(p(c, "impedance"), 2) + "R  " +
              toleranceText(slot(c, "impedance"), unit(c, "impedance")),
          "v=" + engText(p(c, "velocity"), 2) + unit(c, "velocity"),
          "l=" + engText(p(c, "length"), 4) + " m  " +
              toleranceText(slot(c, "length"), unit(c, "length"))};
}

LabelLines blockLines(const std::string& setName, const Component& c)
{
  std::string text = setName;
  const ToleranceValue& magnitude = slot(c, "magnitudeTolerance");
  if (magnitude.TolEn)
    text += ", Mag " + engText(magnitude.maxtol, 1) + "% Ang " +
            engText(slot(c, "angleTolerance").maxtol, 1) + "%";
  return {text, "", ""};
}

LabelLines twoPortLines(const Component& c, const DataSets& sets)
{
  const int n = blockDataSetIndex(c);
  return blockLines(n > 0 ? sets.twoPort[n].name : std::string(), c);
}

LabelLines onePortLines(const Component& c, const DataSets& sets)
{
  const int n = blockDataSetIndex(c);
  return blockLines(n > 0 ? sets.onePort[n].name : std::string(), c);
}

LabelLines transformerLines(const Component& c, const DataSets&)
{
  std::string ratio =
      "   " + engText(p(c, "primaryTurns"), 1) + ":" + engText(p(c, "secondaryTurns"), 1);
  if (p(c, "physicalModel") != 0.0)
    ratio +=
        ", Lp=" + engText(p(c, "primaryInductance"), 2) + "H, k=" + engText(p(c, "coupling"), 2);
  return {"", ratio, ""};
}

LabelLines bipolarLines(const Component& c, const DataSets&)
{
  if (p(c, "ballParkModel") != 0.0) {
    return {std::string("  ballpark") + (p(c, "surfaceMount") != 0.0 ? ", SMT" : ", leaded"),
            "  hfe=" + engText(p(c, "beta"), 0) + ", Ft=" + engText(p(c, "ft"), 2) + "Hz",
            "  Ccb=" + engText(p(c, "ccb"), 2) + "F, Ic=" + engText(p(c, "ic"), 2) + "A"};
  }
  return {"  hfe=" + engText(p(c, "beta"), 0) + ", Rbb=" + engText(p(c, "rbb"), 3) + "R" +
              ", Re=" + engText(p(c, "re"), 2) + "R",
          "  Ro=" + engText(p(c, "ro"), 2) + "R, Ccb=" + engText(p(c, "ccb"), 3) + "F" +
              ", Cbe=" + engText(p(c, "cbe"), 2) + "F",
          "  Td=" + engText(p(c, "delay"), 2) + "s, Lb=" + engText(p(c, "lb"), 3) + "H" +
              ", Le=" + engText(p(c, "le"), 2) + "H"};
}

// The controlled sources: their gain with the symbol the label has always used.
template <const char* Symbol> LabelLines sourceLines(const Component& c, const DataSets&)
{
  return {Symbol + engText(p(c, "gain"), 3) + unit(c, "gain"), "", ""};
}
constexpr char kVcvsSymbol[] = "G=";
constexpr char kVccsSymbol[] = "gm=";
constexpr char kCcvsSymbol[] = "a=";
constexpr char kCccsSymbol[] = "B=";

using LabelFn = LabelLines (*)(const Component&, const DataSets&);

// The kinds whose label is not the plain one; the mutual inductance carries none.
struct KindLabel
{
  ComponentType type;
  LabelFn label;
};
using K = ComponentType;
constexpr std::array kLabels{KindLabel{K::Capacitor, capacitorLines},
                             KindLabel{K::Inductor, inductorLines},
                             KindLabel{K::OpAmp, opAmpLines},
                             KindLabel{K::TxLine, txLineLines},
                             KindLabel{K::SParam2, twoPortLines},
                             KindLabel{K::SParam1, onePortLines},
                             KindLabel{K::Transformer, transformerLines},
                             KindLabel{K::Mutual, nullptr},
                             KindLabel{K::Bipolar, bipolarLines},
                             KindLabel{K::VCVS, sourceLines<kVcvsSymbol>},
                             KindLabel{K::VCCS, sourceLines<kVccsSymbol>},
                             KindLabel{K::CCVS, sourceLines<kCcvsSymbol>},
                             KindLabel{K::CCCS, sourceLines<kCccsSymbol>}};

} // namespace

LabelLines componentLabelLines(const Component& c, const DataSets& sets)
{
  const ComponentKind* kind = findComponentKind(c.ctype);
  if (kind == nullptr) return {"", "", ""};
  for (const KindLabel& entry : kLabels) {
    if (entry.type == c.ctype) {
      return entry.label != nullptr ? entry.label(c, sets) : LabelLines{"", "", ""};
    }
  }
  // The plain label (the resistor's, and any new two-terminal kind's): the first parameter
  // with its unit and tolerance, to the decimals of its dialog field.
  if (kind->parameters.empty()) return {"", "", ""};
  const ParameterDescription& first = kind->parameters.front();
  return valueLines(c, first.name, first.decimals);
}

std::string portLabelText(const Port& port)
{
  return engText(port.Zo, 3) + "R";
}

} // namespace norvane
