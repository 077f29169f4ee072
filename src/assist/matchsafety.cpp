#include "assist/matchsafety.h"

#include "document/componentkinds.h"
#include "numbers/valuetext.h"
#include "platform/prompts.h"
#include "sim/simulate.h"

#include <cmath>
#include <limits>
#include <memory>

namespace norvane {

namespace {

// The window's frequency field shows three decimals: a cursor frequency at the end of the
// sweep may come back rounded by up to half a unit in the fourth digit.
constexpr double kFrequencyMargin = 1e-3;

std::string hertz(double f)
{
  return formatEngineering(3, f) + "Hz";
}

bool within(double f, double lo, double hi)
{
  return f >= lo * (1.0 - kFrequencyMargin) && f <= hi * (1.0 + kFrequencyMargin);
}

// The stored data of a data block, or null when the block names no set that holds points.
struct StoredRange
{
  const std::string* name = nullptr;
  double first = 0.0;
  double last = 0.0;
};

StoredRange storedRangeOf(const Schematic& doc, const Component& block)
{
  StoredRange r;
  const double index = std::round(block.value[1].nom);
  if (!(index >= 1 && index <= kMaxDataSets)) {
    return r;
  }
  const int i = static_cast<int>(index);
  if (dataBlockOf(block.ctype) == DataBlock::TwoPort) {
    const TwoPortDataSet& set = doc.datasets.twoPort[i];
    if (set.inUse()) {
      r = {&set.name, set.points[1].freq, set.points[set.numpoints()].freq};
    }
  } else {
    const OnePortDataSet& set = doc.datasets.onePort[i];
    if (set.inUse()) {
      r = {&set.name, set.points[1].freq, set.points[set.numpoints()].freq};
    }
  }
  return r;
}

// Messages of the scan are of no interest: the run the user sees reports its own.
class QuietPrompts final : public Prompts
{
public:
  void error(const std::string&) override {}
  void warning(const std::string&) override {}
  void information(const std::string&) override {}
  Answer question(const std::string&, bool) override { return Answer::No; }
  std::optional<std::string> openFileName(const std::string&, const std::string&) override
  {
    return std::nullopt;
  }
  std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                          const std::string&) override
  {
    return std::nullopt;
  }
};

class PeakFinder final : public SweepSink
{
public:
  void point(int, const SweepPoint& p) override
  {
    if (p.excited1) {
      take(complexAbs(p.s11), p.freq, 1);
    }
    if (p.excited2) {
      take(complexAbs(p.s22), p.freq, 2);
    }
  }
  ReflectionPeak peak;

private:
  void take(double magnitude, double f, int port)
  {
    if (std::isfinite(magnitude) && magnitude > peak.magnitude) {
      peak = {magnitude, f, port};
    }
  }
};

} // namespace

std::string matchFrequencyProblem(const Schematic& doc, double frequency)
{
  const std::string f = hertz(frequency);
  if (!within(frequency, doc.Xax.min, doc.Xax.max)) {
    return "Auto Match frequency " + f + " lies outside the sweep (" + hertz(doc.Xax.min) + " to " +
           hertz(doc.Xax.max) + "): the circuit is only known inside it.";
  }
  for (const Component& c : doc.drawdat.components) {
    if (dataBlockOf(c.ctype) == DataBlock::None) {
      continue;
    }
    const StoredRange r = storedRangeOf(doc, c);
    if (r.name != nullptr && !within(frequency, r.first, r.last)) {
      return "Auto Match frequency " + f + " lies outside the S parameter data " + *r.name + " (" +
             hertz(r.first) + " to " + hertz(r.last) + "): its values there would be extrapolated.";
    }
  }
  return {};
}

StabilityFactors rollettStability(Complex s11, Complex s21, Complex s12, Complex s22)
{
  StabilityFactors f;
  const Complex delta = s11 * s22 - s12 * s21;
  f.deltaMagnitude = complexAbs(delta);
  const double a11 = complexAbs(s11);
  const double a22 = complexAbs(s22);
  const double numerator = 1.0 - a11 * a11 - a22 * a22 + f.deltaMagnitude * f.deltaMagnitude;
  const double loop = 2.0 * complexAbs(s12 * s21);
  if (loop > 0.0) {
    f.k = numerator / loop;
  } else {
    f.k = numerator > 0.0 ? std::numeric_limits<double>::infinity()
                          : -std::numeric_limits<double>::infinity();
  }
  return f;
}

ReflectionPeak largestReflection(const Schematic& doc)
{
  // A copy: the check must leave the document (and its tolerance values) as the run left it.
  auto copy = std::make_unique<Schematic>(doc);
  SimulationSession session; // nominal values
  QuietPrompts quiet;
  SimulateResult result = checkCircuit(*copy, session, quiet);
  PeakFinder finder;
  if (result.checked) {
    SweepRequest request;
    request.plan = planSweep(*copy);
    simulateCircuit(*copy, session, request, finder, quiet, result);
  }
  return finder.peak;
}

std::string oscillationWarning(const ReflectionPeak& peak)
{
  if (!(peak.magnitude > 1.0)) {
    return {};
  }
  const std::string s = peak.port == 1 ? "S11" : "S22";
  return "The matched circuit reflects more than it receives at port " + std::to_string(peak.port) +
         ": |" + s + "| = " + formatFixed(peak.magnitude, 3) + " at " + hertz(peak.frequency) +
         ".\rIt would oscillate there.";
}

} // namespace norvane
