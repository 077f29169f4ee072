#include "assist/filterdesign.h"

#include "numbers/valuetext.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace norvane {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;
// 40 log10(e), the constant of the Chebyshev prototype's beta = ln coth(A / 17.37).
constexpr double kRippleScale = 17.37;

double coth(double x)
{
  return (std::exp(x) + std::exp(-x)) / (std::exp(x) - std::exp(-x));
}

// The ranges a design can be simulated in. Past them the element values leave the numbers the
// simulator resolves, or the written sweep holds no frequencies.
constexpr double kMinFrequency = 1e-3; // Hz
constexpr double kMaxFrequency = 1e15;
constexpr double kMinImpedance = 1e-6; // ohm
constexpr double kMaxImpedance = 1e12;
// Beyond about 100 dB, ln coth(A / 17.37) is so close to zero that the rounding of coth
// decides the prototype; the response is a deep notch pattern of no use as a filter.
constexpr double kMaxRippleDb = 100.0;
// The narrowest band pass, relative to its centre: the resonators cancel to within
// f0 / bandwidth times the rounding of a double, which must stay far below the result.
constexpr double kMinRelativeBandwidth = 1e-9;
// Low and high pass: the sweep runs from a tenth of the cut-off (at least 1 kHz) to ten
// times it, so the cut-off must lie above a tenth of 1 kHz. Band pass: from centre - 2B (at
// least 1 Hz) to centre + 2B.
constexpr double kLowestLowPassSweep = 1000.0;
constexpr double kLowestBandPassSweep = 1.0;
constexpr double kMaxTolerance = 100.0; // percent

std::string hertz(double f)
{
  return formatEngineering(2, f) + "Hz";
}

bool inRange(double x, double lo, double hi)
{
  return x >= lo && x <= hi; // false for NaN
}

// The input the ladder or its sweep cannot be made from, named as the window names it; empty
// when every input is usable.
std::string inputProblem(const FilterInput& in)
{
  if (!inRange(in.z0, kMinImpedance, kMaxImpedance)) {
    return "Z in / out must lie between 1uR and 1TR";
  }
  if (!inRange(in.bandwidth, kMinFrequency, kMaxFrequency)) {
    return "Bandwidth must lie between 1mHz and 1000THz";
  }
  if (in.topology == FilterTopology::BandPass) {
    if (!inRange(in.centre, kMinFrequency, kMaxFrequency)) {
      return "Center Frequency must lie between 1mHz and 1000THz";
    }
    if (!(in.centre + 2.0 * in.bandwidth > kLowestBandPassSweep)) {
      return "Center Frequency too low: the sweep from 1Hz to Center Frequency + 2 x Bandwidth "
             "would be empty";
    }
    if (!(in.bandwidth >= kMinRelativeBandwidth * in.centre)) {
      return "Bandwidth too narrow for the Center Frequency: a band pass at " + hertz(in.centre) +
             " needs a bandwidth of at least " + hertz(kMinRelativeBandwidth * in.centre);
    }
  } else if (!(in.bandwidth * 10.0 > kLowestLowPassSweep)) {
    return "Bandwidth (the cut-off frequency) must lie above 100Hz: the sweep runs from 1kHz "
           "to ten times the cut-off";
  }
  if (in.type == FilterType::Chebyshev) {
    // A ripple of 0 dB (or less) is no Chebyshev response: beta would be infinite.
    if (!(in.rippleDb > 0.0)) {
      return kMsgNonRealisableRipple;
    }
    if (!(in.rippleDb <= kMaxRippleDb)) {
      return kMsgRippleTooLarge;
    }
  }
  if (!inRange(in.inductorTol, 0.0, kMaxTolerance)) {
    return "Inductor Tolerance must lie between 0% and 100%";
  }
  if (!inRange(in.capacitorTol, 0.0, kMaxTolerance)) {
    return "Capacitor Tolerance must lie between 0% and 100%";
  }
  return {};
}

int clampPoles(int n)
{
  return std::clamp(n, 1, kMaxFilterPoles);
}

// Places the ladder's elements left to right along y = 50 from the cursor x.
class LadderBuilder
{
public:
  LadderBuilder(AssistantCircuit& c, const FilterInput& in) : m_c(c), m_in(in) {}

  int cursor() const { return m_x; }

  void series(double g, double omega, double omega0)
  {
    const double z0 = m_in.z0;
    switch (m_in.topology) {
    case FilterTopology::LowPass:
      single(true, inductor(z0 * g / omega));
      break;
    case FilterTopology::HighPass:
      single(true, capacitor(1.0 / (z0 * g * omega)));
      break;
    case FilterTopology::BandPass: {
      // The series resonator: L from the prototype, C resonating with it at the centre.
      const double l = z0 * g / omega;
      const double c = 1.0 / (omega0 * omega0 * l);
      wire(m_x, 50, m_x + 20, 50);
      add(inductor(l), m_x + 40, 50, 2);
      wire(m_x + 60, 50, m_x + 80, 50);
      wire(m_x + 80, 50, m_x + 100, 50);
      add(capacitor(c), m_x + 120, 50, 2);
      wire(m_x + 140, 50, m_x + 160, 50);
      m_x += 160;
      break;
    }
    }
  }

  void shunt(double g, double omega, double omega0)
  {
    const double z0 = m_in.z0;
    switch (m_in.topology) {
    case FilterTopology::LowPass:
      single(false, capacitor(g / (z0 * omega)));
      break;
    case FilterTopology::HighPass:
      single(false, inductor(z0 / (g * omega)));
      break;
    case FilterTopology::BandPass: {
      // The shunt resonator: C from the prototype, L resonating with it at the centre.
      const double c = g / (z0 * omega);
      const double l = 1.0 / (omega0 * omega0 * c);
      add(capacitor(c), m_x, 100, 1);
      ground(m_x, 130);
      wire(m_x, 50, m_x, 80);
      wire(m_x, 50, m_x + 60, 50);
      add(inductor(l), m_x + 60, 100, 1);
      ground(m_x + 60, 130);
      wire(m_x + 60, 50, m_x + 60, 80);
      m_x += 60;
      break;
    }
    }
  }

private:
  struct Part
  {
    ComponentType ctype;
    double value;
  };
  Part inductor(double henry) const { return {ComponentType::Inductor, henry}; }
  Part capacitor(double farad) const { return {ComponentType::Capacitor, farad}; }

  void add(Part p, int x, int y, int crot)
  {
    const double tol = p.ctype == ComponentType::Inductor ? m_in.inductorTol : m_in.capacitorTol;
    m_c.AddComponent(p.ctype, x, y, crot, reactiveValues(p.value, tol));
  }
  void ground(int x, int y) { m_c.AddComponent(ComponentType::Ground, x, y, 1, groundValues()); }
  void wire(int x1, int y1, int x2, int y2) { m_c.AddWire(x1, y1, x2, y2); }

  void single(bool isSeries, Part p)
  {
    if (isSeries) {
      wire(m_x, 50, m_x + 20, 50);
      add(p, m_x + 40, 50, 2);
      wire(m_x + 60, 50, m_x + 80, 50);
      m_x += 80;
    } else {
      wire(m_x, 50, m_x, 80);
      add(p, m_x, 100, 1);
      ground(m_x, 130);
    }
  }

  AssistantCircuit& m_c;
  const FilterInput& m_in;
  int m_x = 20;
};

} // namespace

FilterPrototype butterworthPrototype(int n)
{
  n = clampPoles(n);
  FilterPrototype g{};
  g[0] = 1.0;
  for (int k = 1; k <= n; ++k) {
    g[k] = 2.0 * std::sin((2 * k - 1) * kPi / (2 * n));
  }
  g[n + 1] = 1.0;
  return g;
}

FilterPrototype chebyshevPrototype(int n, double rippleDb)
{
  n = clampPoles(n);
  const double beta = std::log(coth(rippleDb / kRippleScale));
  const double y = beta / (2 * n);
  const double gamma = (std::exp(y) - std::exp(-y)) / 2.0;
  std::array<double, kMaxFilterPoles + 1> a{};
  std::array<double, kMaxFilterPoles + 1> b{};
  for (int k = 1; k <= n; ++k) {
    a[k] = std::sin((2 * k - 1) * kPi / (2 * n));
    const double s = std::sin(k * kPi / n);
    b[k] = gamma * gamma + s * s;
  }
  FilterPrototype g{};
  g[0] = 1.0;
  g[1] = 2.0 * a[1] / gamma;
  for (int k = 2; k <= n; ++k) {
    g[k] = 4.0 * a[k - 1] * a[k] / (b[k - 1] * g[k - 1]);
  }
  const double c = coth(beta / 4.0);
  g[n + 1] = n % 2 == 1 ? 1.0 : c * c;
  return g;
}

int filterPoleCount(double typed)
{
  if (!(typed < kMaxFilterPoles)) {
    return kMaxFilterPoles;
  }
  if (!(typed > 1.0)) {
    return 1;
  }
  return clampPoles(static_cast<int>(std::lround(typed)));
}

FilterResult designFilter(const FilterInput& in)
{
  FilterResult r;
  const int n = clampPoles(in.poles);
  if (std::string problem = inputProblem(in); !problem.empty()) {
    r.error = std::move(problem);
    return r;
  }
  r.g = in.type == FilterType::Chebyshev ? chebyshevPrototype(n, in.rippleDb)
                                         : butterworthPrototype(n);
  const double omega = kTwoPi * in.bandwidth;
  const double omega0 = kTwoPi * in.centre;
  AssistantCircuit& c = r.circuit;
  c.SetPort(1, 0, 50, in.z0);
  LadderBuilder ladder(c, in);
  bool isSeries = in.first == FilterFirstBranch::Series;
  for (int k = 1; k <= n; ++k) {
    if (isSeries) {
      ladder.series(r.g[k], omega, omega0);
    } else {
      ladder.shunt(r.g[k], omega, omega0);
    }
    isSeries = !isSeries;
  }
  const double load = r.g[n + 1];
  c.SetPort(2, ladder.cursor() + 20, 50,
            in.first == FilterFirstBranch::Series ? in.z0 * load : in.z0 / load);
  // The input ranges keep every value a finite positive number; this is the last guard.
  for (const Component& comp : c.components) {
    const double v = comp.value[1].nom;
    if (comp.ctype != ComponentType::Ground && !(std::isnormal(v) && v > 0.0)) {
      FilterResult failed;
      failed.error = "The inputs give a component value that cannot be simulated";
      return failed;
    }
  }
  r.built = true;
  return r;
}

int filterPreviewShift(const FilterInput& in, int scroll, int width)
{
  const int n = clampPoles(in.poles);
  int k = 40;
  if (in.topology == FilterTopology::BandPass) {
    k = in.first == FilterFirstBranch::Parallel ? 60 : 70;
  }
  return -static_cast<int>(std::nearbyint(n * scroll * 2.0)) +
         static_cast<int>(std::nearbyint(width / 2.0 - n * k));
}

AssistantWriteSettings filterWriteSettings(const FilterInput& in)
{
  AssistantWriteSettings s;
  if (in.topology == FilterTopology::BandPass) {
    s.sweepMin = std::max(in.centre - 2.0 * in.bandwidth, 1.0);
    s.sweepMax = in.centre + 2.0 * in.bandwidth;
    s.freqmode = 1;
  } else {
    s.sweepMin = std::max(in.bandwidth / 10.0, 1000.0);
    s.sweepMax = in.bandwidth * 10.0;
    s.freqmode = 2;
  }
  s.xShift = 25;
  return s;
}

} // namespace norvane
