#include "editor/bjtestimate.h"

#include "numbers/valuetext.h"

#include <algorithm>
#include <cmath>

namespace norvane {
namespace {

constexpr double kThermalVoltage = 0.026; // kT/q near 300 K, volts
constexpr double kRbb = 10.0;
constexpr double kRo = 1e8;
constexpr double kTimeDelay = 1e-11;
constexpr double kLbSurfaceMount = 5e-10;
constexpr double kLbLeaded = 1.5e-9;
constexpr double kLeSurfaceMount = 3e-10;
constexpr double kLeLeaded = 1.5e-9;

double withinModel(double x)
{
  if (std::isnan(x)) return kBipolarParameterMin;
  return std::clamp(x, kBipolarParameterMin, kBipolarParameterMax);
}

// Quotient that stays finite: a zero or negative divisor gives the largest parameter.
double ratio(double num, double den)
{
  if (!(den > 0.0)) return kBipolarParameterMax;
  return withinModel(num / den);
}

} // namespace

BipolarParameters ballParkEstimate(const BallParkInput& input)
{
  BipolarParameters p;
  p.beta = withinModel(input.dcGain);
  p.rbb = kRbb;
  p.re = ratio(kThermalVoltage, input.ic);
  p.ro = kRo;
  p.ccb = withinModel(input.feedbackCap);
  p.cbe = p.ccb;
  p.timeDelay = kTimeDelay;
  p.lb = input.surfaceMount ? kLbSurfaceMount : kLbLeaded;
  p.le = input.surfaceMount ? kLeSurfaceMount : kLeLeaded;
  p.betaCutoff = ratio(input.ft, input.dcGain);
  return p;
}

BallParkTexts ballParkTexts(const BipolarParameters& p)
{
  const auto eng = [](double x) { return formatEngineering(3, x); };
  return {"Lb=" + eng(p.lb) + "H",       "Rbb=" + eng(p.rbb) + "R", "Re=" + eng(p.re) + "R",
          "Cbe=" + eng(p.cbe) + "F",     "Le=" + eng(p.le) + "H",   "Ro=" + eng(p.ro) + "R",
          "Tf=" + eng(p.timeDelay) + "s"};
}

} // namespace norvane
