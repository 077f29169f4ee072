#include "editor/labeltext.h"

#include "document/componentkinds.h"
#include "document/placement.h"
#include "numbers/valuetext.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace norvane {

std::string EngText(double value, int decimals)
{
  return FormatEngineering(decimals, value);
}

std::string ToleranceText(const ToleranceValue& v, const std::string& unit)
{
  if (!v.TolEn) return {};
  const std::string plus = SignedText(EngText(v.maxtol, 2));
  const std::string minus = SignedText(EngText(v.mintol, 2));
  if (v.TolPercent) return plus + "%," + minus + "%";
  return plus + unit + minus + unit;
}

std::string PlainNumberText(double value)
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
  return {EngText(p(c, name), decimals) + u, ToleranceText(slot(c, name), u), ""};
}

// Capacitor and inductor: the simple label, or with the physical model the value with its
// tolerance on one line and the Q and self-resonance figures below.
LabelLines reactiveLines(const Component& c, std::string_view name)
{
  if (!usesPhysicalModel(c)) return valueLines(c, name, 3);
  const std::string u = unit(c, name);
  return {EngText(p(c, name), 2) + u + "  " + ToleranceText(slot(c, name), u),
          "Q=" + PlainNumberText(qualityFactor(c)) + " @" + EngText(qFrequency(c), 1) + "Hz",
          "Q mode=" + PlainNumberText(qModeNumber(c)) + " SRF=" + EngText(selfResonance(c), 1) +
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
  return {"Ri=" + EngText(p(c, "inputResistance"), 2) + "R",
          "Ro=" + EngText(p(c, "outputResistance"), 2) + "R",
          "OLgain=" + EngText(gainDb(p(c, "gain")), 0) + "dB"};
}

LabelLines txLineLines(const Component& c, const DataSets&)
{
  return {"Zo=" + EngText(p(c, "impedance"), 2) + "R  " +
              ToleranceText(slot(c, "impedance"), unit(c, "impedance")),
          "v=" + EngText(p(c, "velocity"), 2) + unit(c, "velocity"),
          "l=" + EngText(p(c, "length"), 4) + " m  " +
              ToleranceText(slot(c, "length"), unit(c, "length"))};
}

LabelLines blockLines(const std::string& setName, const Component& c)
{
  std::string text = setName;
  const ToleranceValue& magnitude = slot(c, "magnitudeTolerance");
  if (magnitude.TolEn)
    text += ", Mag " + EngText(magnitude.maxtol, 1) + "% Ang " +
            EngText(slot(c, "angleTolerance").maxtol, 1) + "%";
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
      "   " + EngText(p(c, "primaryTurns"), 1) + ":" + EngText(p(c, "secondaryTurns"), 1);
  if (p(c, "physicalModel") != 0.0)
    ratio +=
        ", Lp=" + EngText(p(c, "primaryInductance"), 2) + "H, k=" + EngText(p(c, "coupling"), 2);
  return {"", ratio, ""};
}

LabelLines bipolarLines(const Component& c, const DataSets&)
{
  if (p(c, "ballParkModel") != 0.0) {
    return {std::string("  ballpark") + (p(c, "surfaceMount") != 0.0 ? ", SMT" : ", leaded"),
            "  hfe=" + EngText(p(c, "beta"), 0) + ", Ft=" + EngText(p(c, "ft"), 2) + "Hz",
            "  Ccb=" + EngText(p(c, "ccb"), 2) + "F, Ic=" + EngText(p(c, "ic"), 2) + "A"};
  }
  return {"  hfe=" + EngText(p(c, "beta"), 0) + ", Rbb=" + EngText(p(c, "rbb"), 3) + "R" +
              ", Re=" + EngText(p(c, "re"), 2) + "R",
          "  Ro=" + EngText(p(c, "ro"), 2) + "R, Ccb=" + EngText(p(c, "ccb"), 3) + "F" +
              ", Cbe=" + EngText(p(c, "cbe"), 2) + "F",
          "  Td=" + EngText(p(c, "delay"), 2) + "s, Lb=" + EngText(p(c, "lb"), 3) + "H" +
              ", Le=" + EngText(p(c, "le"), 2) + "H"};
}

// The controlled sources: their gain with the symbol the label has always used.
template <const char* Symbol> LabelLines sourceLines(const Component& c, const DataSets&)
{
  return {Symbol + EngText(p(c, "gain"), 3) + unit(c, "gain"), "", ""};
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

LabelLines ComponentLabelLines(const Component& c, const DataSets& sets)
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

std::string PortLabelText(const Port& port)
{
  return EngText(port.Zo, 3) + "R";
}

} // namespace norvane
