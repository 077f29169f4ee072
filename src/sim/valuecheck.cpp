#include "sim/valuecheck.h"

#include "document/componentkinds.h"
#include "sim/devicemodel.h"

#include <cmath>
#include <limits>
#include <vector>

namespace norvane {
namespace {

std::string_view kindName(ComponentType ctype)
{
  const ComponentKind* kind = findComponentKind(ctype);
  return kind != nullptr ? kind->title : std::string_view("component");
}

std::string componentName(const Component& c, int index)
{
  const std::string name =
      c.name.empty() ? std::string(kindName(c.ctype)) + " " + std::to_string(index) : c.name;
  return name + " at (" + std::to_string(c.position.x) + ", " + std::to_string(c.position.y) + ")";
}

bool usable(double x)
{
  return std::isfinite(x) && std::fabs(x) < std::numeric_limits<double>::max();
}

// The substitute for a zero port impedance, as the port dialog enters it.
constexpr double kZeroPortImpedance = 1e-6;

// A present port needs a usable reference impedance: zero is taken as the dialogs take it,
// anything else that is not a positive number refuses the run.
bool checkPortImpedance(Port& port, int number, Prompts& prompts)
{
  if (port.Zo == 0.0) {
    port.Zo = kZeroPortImpedance;
  }
  if (!(port.Zo > 0.0) || !std::isfinite(port.Zo)) {
    prompts.error("Port " + std::to_string(number) + " impedance Zo must be a positive number");
    return false;
  }
  return true;
}

} // namespace

std::string checkComponentValues(const Drawing& drawing)
{
  for (int i = 1; i <= drawing.components.count(); ++i) {
    const Component& c = drawing.components[i];
    if (isGround(c)) {
      continue;
    }
    for (int k = 1; k <= kValuesPerComponent; ++k) {
      const ToleranceValue& v = c.value[k];
      for (double x : {v.nom, v.mintol, v.maxtol, v.actual}) {
        if (!usable(x)) {
          return "The value of " + componentName(c, i) +
                 " is not a number or out of range; the circuit cannot be simulated";
        }
      }
    }
    const DeviceModel* device = findDevice(c.ctype);
    const std::vector<double> divisors = device != nullptr && device->divisors != nullptr
                                             ? device->divisors(c)
                                             : std::vector<double>{};
    for (double x : divisors) {
      if (x == 0.0) {
        return "A value of " + componentName(c, i) +
               " is 0 where the circuit divides by it; the circuit cannot be simulated";
      }
    }
  }
  return {};
}

bool checkCircuitValues(Drawing& drawing, const Netlist& net, int toleranceMode,
                        ToleranceRandom& random, Prompts& prompts)
{
  if ((net.port1Connected && !checkPortImpedance(drawing.P1, 1, prompts)) ||
      (net.port2Connected && !checkPortImpedance(drawing.P2, 2, prompts))) {
    return false;
  }
  // Every value as this run uses it: the tolerance rule first, then the check that no
  // stamp meets a zero divisor or a value that is not a finite number.
  applyTolerances(drawing, toleranceMode, random);
  if (const std::string problem = checkComponentValues(drawing); !problem.empty()) {
    prompts.error(problem);
    return false;
  }
  return true;
}

} // namespace norvane
