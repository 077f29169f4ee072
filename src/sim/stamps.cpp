#include "sim/stamps.h"

#include "document/kindparameters.h"
#include "sim/devices.h"
#include "sim/netlist.h"
#include "sim/stampsdetail.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

// The passive two-terminal models: resistor, capacitor, inductor,
// transmission line, and the port terminations. The coupled windings, the active models and
// the data blocks live in their own files (stampscoupled.cpp, stampsactive.cpp,
// stampsdata.cpp).

namespace norvane {

namespace stampdetail {

bool resolvePins(const PinNodes& nodes, int wanted, Pins& p)
{
  if (nodes.count < wanted) {
    return false;
  }
  for (int k = 1; k <= wanted; ++k) {
    const int node = nodes.node[static_cast<std::size_t>(k)];
    if (node < 0 || node > kMaxSystemSize) {
      return false;
    }
    p[static_cast<std::size_t>(k)] = node;
  }
  return true;
}

} // namespace stampdetail

using namespace stampdetail;

QMode qModeOf(double stored)
{
  const double r = std::nearbyint(stored);
  if (r == 1.0) {
    return QMode::ResistiveLossConstant;
  }
  if (r == 2.0) {
    return QMode::SquareRoot;
  }
  return QMode::ConstantQ;
}

void stamp2(ComplexMatrix& m, int a, int b, Complex y)
{
  m.add(a, a, y);
  m.add(b, b, y);
  m.add(a, b, -y);
  m.add(b, a, -y);
}

// (Rp || C) in series with Ls = 1/((2 pi SRF)^2 C):
//   Y = (1 + jwRpC) / (Rp(1 - w^2 Ls C) + jwLs)
//     = [Rp + jw(Rp^2 C (1 - w^2 Ls C) - Ls)] / D,  D = (Rp(1 - w^2 Ls C))^2 + (w Ls)^2.
// The loss resistance follows the chosen Q law; at SRF far above f, Q(f) = w C Rp.
Complex physicalCapacitorAdmittance(const PhysicalModel& c, double f)
{
  const double w = kTwoPi * f;
  const double C = c.value;
  const double wr = kTwoPi * c.SRF;
  const double Ls = 1.0 / (wr * wr * C);
  double Rp = 0.0;
  switch (c.mode) {
  case QMode::ResistiveLossConstant: // Q(f) = Q(F) F/f: the series-equivalent loss
                                     // resistance 1/(2 pi F C Q) stays constant
    Rp = c.F * c.Q / (f * w * C);
    break;
  case QMode::SquareRoot: // Q(f) = Q(F) sqrt(F/f)
    Rp = std::sqrt(c.F / f) * c.Q / (w * C);
    break;
  case QMode::ConstantQ:
    Rp = c.Q / (w * C);
    break;
  }
  const double resonance = 1.0 - w * w * Ls * C;
  const double D = (Rp * resonance) * (Rp * resonance) + (w * Ls) * (w * Ls);
  const double G = Rp / D;
  const double B = w * (Rp * Rp * C * resonance - Ls) / D;
  return Complex{G, B};
}

// (Rs + jwL) in parallel with Cp = 1/((2 pi SRF)^2 L):
//   Y = (Rs - jwL) / (Rs^2 + (wL)^2) + jwCp.
// At SRF far above f, Q(f) = wL / Rs.
Complex physicalInductorAdmittance(const PhysicalModel& l, double f)
{
  const double w = kTwoPi * f;
  const double L = l.value;
  const double wr = kTwoPi * l.SRF;
  const double Cp = 1.0 / (wr * wr * L);
  double Rs = 0.0;
  switch (l.mode) {
  case QMode::ResistiveLossConstant: // Q(f) = Q(F) f/F: Rs = 2 pi F L / Q, constant
    Rs = w * L * l.F / (l.Q * f);
    break;
  case QMode::SquareRoot: // Q(f) = Q(F) sqrt(f/F)
    Rs = std::sqrt(l.F / f) * w * L / l.Q;
    break;
  case QMode::ConstantQ:
    Rs = w * L / l.Q;
    break;
  }
  const double D = Rs * Rs + (w * L) * (w * L);
  const double G = Rs / D;
  const double B = w * Cp - w * L / D;
  return Complex{G, B};
}

namespace stampdetail {

using kindparameters::kCapacitor;
using kindparameters::kInductor;
using kindparameters::kResistor;
using kindparameters::kTxLine;
using kindparameters::slotOf;

namespace {

PhysicalModel physicalModelOf(const Component& c)
{
  PhysicalModel p;
  p.value = c.value[slotOf(kCapacitor, "capacitance")].actual;
  p.Q = qualityFactor(c);
  p.F = qFrequency(c);
  p.SRF = selfResonance(c);
  p.mode = qModeOf(qModeNumber(c));
  return p;
}

} // namespace

void stampResistor(ComplexMatrix& m, const Component& c, const PinNodes& nodes)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  stamp2(m, p[1], p[2], Complex{1.0 / c.value[slotOf(kResistor, "resistance")].actual, 0.0});
}

void stampCapacitor(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  if (usesPhysicalModel(c)) {
    stamp2(m, p[1], p[2], physicalCapacitorAdmittance(physicalModelOf(c), f));
  } else {
    const double w = kTwoPi * f;
    stamp2(m, p[1], p[2], Complex{0.0, w * c.value[slotOf(kCapacitor, "capacitance")].actual});
  }
}

void stampInductor(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  if (usesPhysicalModel(c)) {
    stamp2(m, p[1], p[2], physicalInductorAdmittance(physicalModelOf(c), f));
  } else {
    const double w = kTwoPi * f;
    const double L = c.value[slotOf(kInductor, "inductance")].actual;
    stamp2(m, p[1], p[2], Complex{0.0, -1.0 / (w * L)});
  }
}

// Lossless line, both ends referred to ground: Y11 = Y22 = -j cot(theta)/Zo,
// Y12 = Y21 = j csc(theta)/Zo, theta = 2 pi f l / v.
void stampTxLine(ComplexMatrix& m, const Component& c, const PinNodes& nodes, double f)
{
  Pins p;
  if (!resolvePins(nodes, 2, p)) {
    return;
  }
  const ToleranceValue& zv = c.value[slotOf(kTxLine, "impedance")];
  const ToleranceValue& lv = c.value[slotOf(kTxLine, "length")];
  const double Zo = zv.TolEn ? zv.actual : zv.nom;
  const double length = lv.TolEn ? lv.actual : lv.nom;
  const double v = c.value[slotOf(kTxLine, "velocity")].nom;
  const double theta = length * kTwoPi * f / v;
  const Complex self{0.0, -Cot(theta) / Zo};
  const Complex mutual{0.0, Csc(theta) / Zo};
  m.add(p[1], p[1], self);
  m.add(p[2], p[2], self);
  m.add(p[1], p[2], mutual);
  m.add(p[2], p[1], mutual);
}

} // namespace stampdetail

void StampComponent(ComplexMatrix& m, const Component& component, const PinNodes& nodes, double f,
                    const DataSets& data, ComplexErrors& errors)
{
  // Ground and anything unknown add nothing.
  const Device* device = findDevice(component.ctype);
  if (device != nullptr && device->stamp != nullptr) {
    device->stamp(m, component, nodes, f, data, errors);
  }
}

void StampComponents(ComplexMatrix& m, const Schematic& doc, const Netlist& netlist, double f,
                     ComplexErrors& errors)
{
  const auto& components = doc.drawdat.components;
  const int count = std::min(components.count(), static_cast<int>(netlist.pins.size()));
  for (int i = 1; i <= count; ++i) {
    StampComponent(m, components[i], netlist.pins[static_cast<std::size_t>(i - 1)], f, doc.datasets,
                   errors);
  }
}

void StampPorts(ComplexMatrix& m, const Drawing& drawing, const Netlist& netlist)
{
  const bool connected[2] = {netlist.port1Connected, netlist.port2Connected};
  const int nodes[2] = {netlist.port1Node, netlist.port2Node};
  const Port* ports[2] = {&drawing.P1, &drawing.P2};
  for (int p = 0; p < 2; ++p) {
    const int node = nodes[p];
    if (!connected[p] || node < 0 || node > kMaxSystemSize) {
      continue;
    }
    const double y = ports[p]->Zo == 0.0 ? stampconst::kShortedPort : 1.0 / ports[p]->Zo;
    m.add(node, node, Complex{y, 0.0});
  }
}

} // namespace norvane
