#include "editor/labeltext.h"

#include "document/placement.h"
#include "numbers/valuetext.h"

#include <cmath>
#include <cstdio>

namespace norvane {

std::string EngText(double value, int decimals)
{
  return FormatEngineering(decimals, value);
}

std::string ToleranceText(const Ttolvalue& v, const std::string& unit)
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

// Capacitor and inductor: the simple label, or with the physical model the value with its
// tolerance on one line and the Q and self-resonance figures below.
LabelLines reactiveLines(const Tcomponent& c, const std::string& unit)
{
  const auto& v = c.value;
  if (!v[5].TolEn) return {EngText(v[1].nom, 3) + unit, ToleranceText(v[1], unit), ""};
  return {EngText(v[1].nom, 2) + unit + "  " + ToleranceText(v[1], unit),
          "Q=" + PlainNumberText(v[2].nom) + " @" + EngText(v[3].nom, 1) + "Hz",
          "Q mode=" + PlainNumberText(v[5].nom) + " SRF=" + EngText(v[4].nom, 1) + "Hz"};
}

// Open-loop gain in dB; a gain that is not positive has no logarithm, so it is shown with the
// huge figure the guarded logarithm gives rather than as "nan".
double gainDb(double ratio)
{
  return 20.0 * (ratio > 0 ? std::log10(ratio) : 1e30);
}

std::string blockText(const std::string& setName, const Tcomponent& c)
{
  std::string text = setName;
  if (c.value[2].TolEn)
    text +=
        ", Mag " + EngText(c.value[2].maxtol, 1) + "% Ang " + EngText(c.value[3].maxtol, 1) + "%";
  return text;
}

} // namespace

LabelLines ComponentLabelLines(const Tcomponent& c, const TDataSets& sets)
{
  const auto& v = c.value;
  switch (c.ctype) {
  case ckResistor:
    return {EngText(v[1].nom, 2) + "R", ToleranceText(v[1], "R"), ""};
  case ckCapacitor:
    return reactiveLines(c, "F");
  case ckInductor:
    return reactiveLines(c, "H");
  case ckOpAmp:
    return {"Ri=" + EngText(v[1].nom, 2) + "R", "Ro=" + EngText(v[2].nom, 2) + "R",
            "OLgain=" + EngText(gainDb(v[3].nom), 0) + "dB"};
  case ckTxLine:
    return {"Zo=" + EngText(v[1].nom, 2) + "R  " + ToleranceText(v[1], "R"),
            "v=" + EngText(v[2].nom, 2) + " m/s",
            "l=" + EngText(v[3].nom, 4) + " m  " + ToleranceText(v[3], " m")};
  case ckSParam2: {
    const int n = blockDataSetIndex(c);
    return {blockText(n > 0 ? sets.twoPort[n].name : std::string(), c), "", ""};
  }
  case ckSParam1: {
    const int n = blockDataSetIndex(c);
    return {blockText(n > 0 ? sets.onePort[n].name : std::string(), c), "", ""};
  }
  case ckTransformer: {
    std::string ratio = "   " + EngText(v[1].mintol, 1) + ":" + EngText(v[1].nom, 1);
    if (v[1].TolEn) ratio += ", Lp=" + EngText(v[2].nom, 2) + "H, k=" + EngText(v[3].nom, 2);
    return {"", ratio, ""};
  }
  case ckBipolar:
    if (v[5].TolEn) {
      return {std::string("  ballpark") + (v[5].TolPercent ? ", SMT" : ", leaded"),
              "  hfe=" + EngText(v[1].nom, 0) + ", Ft=" + EngText(v[5].mintol, 2) + "Hz",
              "  Ccb=" + EngText(v[3].mintol, 2) + "F, Ic=" + EngText(v[5].nom, 2) + "A"};
    }
    return {"  hfe=" + EngText(v[1].nom, 0) + ", Rbb=" + EngText(v[2].mintol, 3) + "R" +
                ", Re=" + EngText(v[2].nom, 2) + "R",
            "  Ro=" + EngText(v[2].maxtol, 2) + "R, Ccb=" + EngText(v[3].mintol, 3) + "F" +
                ", Cbe=" + EngText(v[3].nom, 2) + "F",
            "  Td=" + EngText(v[3].maxtol, 2) + "s, Lb=" + EngText(v[4].nom, 3) + "H" +
                ", Le=" + EngText(v[4].maxtol, 2) + "H"};
  case ckVCVS:
    return {"G=" + EngText(v[1].nom, 3) + "V/V", "", ""};
  case ckVCCS:
    return {"gm=" + EngText(v[1].nom, 3) + "A/V", "", ""};
  case ckCCVS:
    return {"a=" + EngText(v[1].nom, 3) + "V/A", "", ""};
  case ckCCCS:
    return {"B=" + EngText(v[1].nom, 3) + "A/A", "", ""};
  default: // ground, mutual inductance and unknown kinds carry no label
    return {"", "", ""};
  }
}

std::string PortLabelText(const Tport& port)
{
  return EngText(port.Zo, 3) + "R";
}

} // namespace norvane
