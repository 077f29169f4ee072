#include "sim/noiseanalysis.h"

#include "sim/devicemodel.h"
#include "sim/noiseparameters.h"

#include <algorithm>

#include <cmath>

namespace norvane {

namespace {

NoiseComplex at(const ComplexVector& v, const ComplexMatrix& m, int node)
{
  const Complex c = v[m.position(node)];
  return {c.re, c.im};
}

// The port voltages' correlation t_k C t_l^H over the sources' entries, in one pass.
struct PortCorrelation
{
  double c11 = 0.0;
  NoiseComplex c12;
  double c22 = 0.0;
};

PortCorrelation portCorrelation(const ComplexVector& t1, const ComplexVector& t2,
                                const ComplexMatrix& m, const NoiseSources& sources)
{
  NoiseComplex s11 = 0.0;
  NoiseComplex s12 = 0.0;
  NoiseComplex s22 = 0.0;
  for (const NoiseSources::Entry& e : sources.entries()) {
    const NoiseComplex c{e.value.re, e.value.im};
    const NoiseComplex r1 = at(t1, m, e.row) * c;
    const NoiseComplex r2 = at(t2, m, e.row) * c;
    const NoiseComplex k1 = std::conj(at(t1, m, e.col));
    const NoiseComplex k2 = std::conj(at(t2, m, e.col));
    s11 += r1 * k1;
    s12 += r1 * k2;
    s22 += r2 * k2;
  }
  return {s11.real(), s12, s22.real()};
}

double decibels(double factor)
{
  return 10.0 * std::log10(factor);
}

bool finiteAndPositive(double x)
{
  return std::isfinite(x) && x > 0.0;
}

} // namespace

CircuitNoise::CircuitNoise(const Schematic& doc, const Netlist& netlist) : m_data(doc.datasets)
{
  const auto& components = doc.drawdat.components;
  const int count = std::min(components.count(), static_cast<int>(netlist.pins.size()));
  for (int i = 1; i <= count; ++i) {
    const DeviceModel* device = findDevice(components[i].ctype);
    if (device != nullptr && device->noise != nullptr) {
      m_calls.push_back(
          {device->noise, &components[i], &netlist.pins[static_cast<std::size_t>(i - 1)]});
    }
  }
}

void CircuitNoise::gather(NoiseSources& sources, double f, ComplexErrors& errors) const
{
  sources.clear();
  for (const Call& call : m_calls) {
    call.noise(sources, *call.component, *call.nodes, f, m_data, errors);
  }
}

PointNoise analyseNoise(const ComplexMatrix& factors, const LUDecomposition& lu, const Netlist& net,
                        const NoiseSources& sources, double z1, double z2, ComplexErrors& errors)
{
  PointNoise out;
  if (!net.port1Connected || !net.port2Connected || !(z1 > 0.0) || !(z2 > 0.0)) {
    return out;
  }
  const int p1 = net.port1Node;
  const int p2 = net.port2Node;
  ComplexVector t1;
  ComplexVector t2;
  t1.clear(net.nodeCount);
  t2.clear(net.nodeCount);
  t1[factors.position(p1)] = Complex{1.0, 0.0};
  t2[factors.position(p2)] = Complex{1.0, 0.0};
  if (!luBackSubstituteTransposed(factors, lu, t1, t2, errors)) {
    return out;
  }
  // The noise figure's reference: the source at the standard 290 K, whatever the
  // temperature of the circuit's own sources.
  const double kT = noiseconst::kBoltzmann * noiseconst::kStandardTemperature;

  // Noise figure against port 1's reference resistance.
  const double sourceGain = std::norm(at(t2, factors, p1));
  const PortCorrelation pc = portCorrelation(t1, t2, factors, sources);
  const double added = pc.c22;
  if (sourceGain > 0.0) {
    const double f = 1.0 + added / (sourceGain * 4.0 * kT / z1);
    if (finiteAndPositive(f)) {
      out.nfDb = decibels(f);
    }
  }

  // The two-port's noise parameters.
  const Matrix2 zt{at(t1, factors, p1), at(t1, factors, p2), at(t2, factors, p1),
                   at(t2, factors, p2)};
  const NoiseComplex det = zt[0] * zt[3] - zt[1] * zt[2];
  if (!(std::abs(det) > 0.0)) {
    return out;
  }
  const Matrix2 yt{zt[3] / det, -zt[1] / det, -zt[2] / det, zt[0] / det};
  const Matrix2 y{yt[0] - 1.0 / z1, yt[1], yt[2], yt[3] - 1.0 / z2};
  const Matrix2 cv{pc.c11, pc.c12, std::conj(pc.c12), pc.c22};
  // C_Y = Yt Cv Yt^H
  const auto mul = [](const Matrix2& a, const Matrix2& b) {
    return Matrix2{a[0] * b[0] + a[1] * b[2], a[0] * b[1] + a[1] * b[3], a[2] * b[0] + a[3] * b[2],
                   a[2] * b[1] + a[3] * b[3]};
  };
  const Matrix2 ytH{std::conj(yt[0]), std::conj(yt[2]), std::conj(yt[1]), std::conj(yt[3])};
  const Matrix2 cy = mul(mul(yt, cv), ytH);
  const std::optional<Matrix2> chain = chainFromAdmittance(cy, y);
  if (!chain) {
    return out;
  }
  const NoiseFigures figures = noiseParametersOf(*chain, kT, 50.0);
  if (figures.fmin && finiteAndPositive(*figures.fmin)) {
    out.nfminDb = decibels(*figures.fmin);
  }
  if (figures.gammaOpt && std::isfinite(figures.gammaOpt->real()) &&
      std::isfinite(figures.gammaOpt->imag())) {
    out.goptMag = std::abs(*figures.gammaOpt);
    out.goptDeg = std::arg(*figures.gammaOpt) * 180.0 / 3.14159265358979323846;
  }
  if (figures.rn && std::isfinite(*figures.rn)) {
    out.rnOhm = *figures.rn;
  }
  return out;
}

} // namespace norvane
