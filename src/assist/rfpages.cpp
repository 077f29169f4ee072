#include "assist/rfpages.h"

#include "assist/calcconstants.h"
#include "assist/fpguard.h"

#include <cmath>
#include <limits>

namespace norvane {

using calcconst::kPi;

const RfWrite* RfPageResult::find(RfField field) const
{
  for (const RfWrite& w : writes)
    if (w.field == field) return &w;
  return nullptr;
}

std::optional<double> RfPageResult::value(RfField field) const
{
  const RfWrite* w = find(field);
  return w ? w->value : std::nullopt;
}

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// Collects a page's writes. Values read back from written fields are as shown; a field
// written empty reads back as NaN, so every later result that depends on it is empty too.
class PageWriter
{
public:
  explicit PageWriter(const RfFieldValues& values) : m_values(values) {}

  double get(RfField field) const { return m_values[rfIndex(field)]; }
  FpGuard& guard() { return m_guard; }

  void write(RfField field, double x)
  {
    const std::string name = "the value of \"" + std::string(rfFieldInfo(field).label) + "\"";
    const std::optional<double> value = m_guard.finish(x, name);
    if (value) {
      m_result.writes.push_back({field, value, rfFieldText(field, *value)});
      m_values[rfIndex(field)] = rfShownValue(field, *value);
    } else {
      writeEmpty(field, "");
    }
  }

  void writeEmpty(RfField field, std::string text)
  {
    m_result.writes.push_back({field, std::nullopt, std::move(text)});
    m_values[rfIndex(field)] = kNaN;
  }

  // 10^x, evaluated as e^(ln10 x). An exponent of 1000 or more, or one whose power is beyond
  // the range of a double, gives "number out of range" and the value 0.
  double pow10(double x)
  {
    if (std::isnan(x)) return x;
    const double p =
        x >= calcconst::kPowerOfTenExponentLimit ? HUGE_VAL : std::exp(calcconst::kLn10 * x);
    if (std::isinf(p)) {
      m_result.information = kNumberOutOfRange;
      return 0.0;
    }
    return p;
  }

  RfPageResult take()
  {
    m_result.error = m_guard.message();
    return std::move(m_result);
  }

private:
  RfFieldValues m_values;
  FpGuard m_guard;
  RfPageResult m_result;
};

// The return-loss page takes the logarithm of a value not above 0 as 1e30, so a reflection
// coefficient above 1 still gives numbers (a transmission loss of -1e31).
double log10OrSentinel(double x)
{
  if (std::isnan(x)) return x; // an earlier failure stays a failure
  return x > 0 ? std::log10(x) : calcconst::kLogOfNonPositive;
}

} // namespace

RfPageResult calcReturnLossPage(RfField given, const RfFieldValues& values)
{
  PageWriter w(values);
  FpGuard& g = w.guard();
  double gamma;
  switch (given) {
  case RfField::Vswr: {
    const double s = w.get(RfField::Vswr);
    gamma = g.div(s - 1.0, s + 1.0, "a VSWR of -1");
    break;
  }
  case RfField::TransmissionLoss:
    gamma = g.sqrt(1.0 - w.pow10(w.get(RfField::TransmissionLoss) / -10.0),
                   "the transmission loss is below 0 dB");
    break;
  case RfField::ReflectionCoeff:
    gamma = w.get(RfField::ReflectionCoeff);
    break;
  case RfField::ReturnLoss:
  default:
    gamma = w.pow10(w.get(RfField::ReturnLoss) / -20.0);
    break;
  }

  w.write(RfField::ReturnLoss,
          gamma == 0 ? calcconst::kUnboundedResult : -20.0 * log10OrSentinel(gamma));
  w.write(RfField::Vswr, gamma == 1 ? calcconst::kUnboundedResult : (1.0 + gamma) / (1.0 - gamma));
  double loss;
  if (gamma == 0)
    loss = 0.0;
  else if (gamma == 1)
    loss = calcconst::kUnboundedResult;
  else
    loss = -10.0 * log10OrSentinel(1.0 - gamma * gamma);
  w.write(RfField::TransmissionLoss, loss);
  w.write(RfField::ReflectionCoeff, gamma);
  return w.take();
}

RfPageResult calcSignalLevelPage(RfField given, const RfFieldValues& values)
{
  PageWriter w(values);
  FpGuard& g = w.guard();
  const double z = w.get(RfField::SystemImpedance);
  if (!(z > 0))
    g.fail("Invalid floating point operation: the system impedance must be above 0 ohm");

  double vrms = kNaN;
  if (!g.failed()) {
    switch (given) {
    case RfField::Watts: {
      const double watts = w.get(RfField::Watts);
      vrms = watts == 0 ? 0.0 : g.sqrt(watts * z, "the power is negative");
      break;
    }
    case RfField::VoltsRms:
      vrms = w.get(RfField::VoltsRms);
      break;
    case RfField::VoltsPkPk:
      vrms = w.get(RfField::VoltsPkPk) / calcconst::kPeakToPeakPerRms;
      break;
    case RfField::Dbm:
    case RfField::SystemImpedance:
    default:
      vrms = std::sqrt(w.pow10(w.get(RfField::Dbm) / 10.0) / 1000.0 * z);
      break;
    }
  }

  // 0 V has no level in dBm (minus infinity). When the level itself was the input (directly,
  // or unchanged under a new system impedance) it stays as typed: recomputing it through the
  // voltage only adds round-off ("-9.6E-16dBm" for 0 dBm).
  const bool levelWasInput = given == RfField::Dbm || given == RfField::SystemImpedance;
  if (levelWasInput && !g.failed() && vrms != 0)
    w.write(RfField::Dbm, w.get(RfField::Dbm));
  else if (vrms == 0)
    w.writeEmpty(RfField::Dbm, std::string(kNoSignalText));
  else
    w.write(RfField::Dbm,
            10.0 * g.log10(vrms * vrms / (0.001 * z), "the signal level cannot be computed"));
  w.write(RfField::Watts, vrms * vrms / z);
  w.write(RfField::VoltsRms, vrms);
  w.write(RfField::VoltsPkPk, calcconst::kPeakToPeakPerRms * vrms);
  return w.take();
}

RfPageResult calcResonancePage(const ResonanceLocks& locks, const RfFieldValues& values)
{
  PageWriter w(values);
  FpGuard& g = w.guard();
  const bool f = locks.isDown(RfField::ResonantFrequency);
  const bool x = locks.isDown(RfField::Reactance);
  const bool c = locks.isDown(RfField::Capacitance);
  const bool l = locks.isDown(RfField::Inductance);
  const std::size_t down = locks.downCount();
  if (down == 0 || down >= 3) return w.take();

  const auto twoPiF = [&] { return 2.0 * kPi * w.get(RfField::ResonantFrequency); };
  const auto get = [&](RfField field) { return w.get(field); };
  constexpr const char* kZeroFrequency = "the frequency is 0";

  if ((f || x) && !c && !l) {
    // Frequency and reactance given: the inductor and the capacitor with that reactance.
    w.write(RfField::Inductance, g.div(get(RfField::Reactance), twoPiF(), kZeroFrequency));
    w.write(RfField::Capacitance,
            g.div(1.0, twoPiF() * get(RfField::Reactance), "the frequency or the reactance is 0"));
  } else if ((c || l) && !f && !x) {
    // L and C given: their resonance and the reactance of either there.
    const double lc = get(RfField::Inductance) * get(RfField::Capacitance);
    w.write(RfField::ResonantFrequency,
            g.div(1.0, 2.0 * kPi * g.sqrt(lc, "the inductance and the capacitance differ in sign"),
                  "the inductance or the capacitance is 0"));
    w.write(RfField::Reactance, twoPiF() * get(RfField::Inductance));
  } else if (f && c) {
    w.write(RfField::Reactance, g.div(1.0, twoPiF() * get(RfField::Capacitance),
                                      "the frequency or the capacitance is 0"));
    w.write(RfField::Inductance, g.div(get(RfField::Reactance), twoPiF(), kZeroFrequency));
  } else if (x && c) {
    w.write(RfField::ResonantFrequency,
            g.div(1.0, 2.0 * kPi * get(RfField::Capacitance) * get(RfField::Reactance),
                  "the capacitance or the reactance is 0"));
    w.write(RfField::Inductance, g.div(get(RfField::Reactance), twoPiF(), kZeroFrequency));
  } else if (f && l) {
    w.write(RfField::Reactance, twoPiF() * get(RfField::Inductance));
    w.write(RfField::Capacitance,
            g.div(1.0, twoPiF() * get(RfField::Reactance), "the frequency or the reactance is 0"));
  } else if (x && l) {
    w.write(RfField::ResonantFrequency,
            g.div(get(RfField::Reactance), 2.0 * kPi * get(RfField::Inductance),
                  "the inductance is 0"));
    w.write(RfField::Capacitance,
            g.div(1.0, twoPiF() * get(RfField::Reactance), "the frequency or the reactance is 0"));
  }
  return w.take();
}

RfPageResult calcThermalNoisePage(RfField given, const RfFieldValues& values)
{
  // Available noise power of a resistor: P = k T B, T in kelvin.
  PageWriter w(values);
  FpGuard& g = w.guard();
  const double kT =
      calcconst::kBoltzmann * (w.get(RfField::Temperature) + calcconst::kCelsiusToKelvin);
  constexpr const char* kAbsoluteZero = "the temperature is -273 degC";
  constexpr const char* kNoPower = "the noise power must be above 0 W";
  const auto dbmOf = [&](double watts) { return 10.0 * g.log10(watts / 0.001, kNoPower); };

  switch (given) {
  case RfField::NoisePowerW: {
    const double p = w.get(RfField::NoisePowerW);
    w.write(RfField::Bandwidth, g.div(p, kT, kAbsoluteZero));
    w.write(RfField::NoisePowerDbm, dbmOf(p));
    break;
  }
  case RfField::NoisePowerDbm: {
    w.write(RfField::NoisePowerW, w.pow10(w.get(RfField::NoisePowerDbm) / 10.0) * 0.001);
    w.write(RfField::Bandwidth, g.div(w.get(RfField::NoisePowerW), kT, kAbsoluteZero));
    break;
  }
  case RfField::Bandwidth:
  case RfField::Temperature:
  default:
    w.write(RfField::NoisePowerW, kT * w.get(RfField::Bandwidth));
    w.write(RfField::NoisePowerDbm, dbmOf(w.get(RfField::NoisePowerW)));
    break;
  }
  return w.take();
}

RfPageResult calcFreqWavelengthPage(RfField given, const RfFieldValues& values)
{
  // A line of length l with phase velocity v delays by l / v, a phase of 360 f l / v degrees.
  PageWriter w(values);
  FpGuard& g = w.guard();
  const double v = w.get(RfField::PhaseVelocity);
  const double f = w.get(RfField::PhaseFrequency);
  constexpr const char* kZeroVelocity = "the phase velocity is 0";

  switch (given) {
  case RfField::Delay: {
    const double t = w.get(RfField::Delay);
    w.write(RfField::PhysicalLength, v * t);
    w.write(RfField::PhaseShift, t * f * 360.0);
    break;
  }
  case RfField::PhaseShift: {
    const double phi = w.get(RfField::PhaseShift);
    w.write(RfField::PhysicalLength, g.div(v * phi, 360.0 * f, "the frequency is 0"));
    w.write(RfField::Delay, g.div(w.get(RfField::PhysicalLength), v, kZeroVelocity));
    break;
  }
  default:
    w.write(RfField::Delay, g.div(w.get(RfField::PhysicalLength), v, kZeroVelocity));
    w.write(RfField::PhaseShift, w.get(RfField::Delay) * f * 360.0);
    break;
  }
  return w.take();
}

} // namespace norvane
