#include "sim/interpolate.h"

#include "sim/complex.h"

#include <algorithm>
#include <cmath>

namespace norvane {

namespace {

// Where f falls among the points: interval i (from point i to point i+1, 1-based) and the
// fraction t along it. Searched from the first point in list order (the frequencies of a file
// are not checked for order); below the first point i = 1, above the last i = count - 1, and
// t then lies outside 0..1.
struct Interval
{
  int i = 1;
  double t = 0.0;
};

template <class Points> Interval locate(const Points& points, double f)
{
  const int count = points.count();
  Interval at;
  if (f > points[1].freq) {
    while (at.i < count - 1 && !(points[at.i].freq <= f && f < points[at.i + 1].freq)) {
      ++at.i;
    }
  }
  const double f1 = points[at.i].freq;
  const double width = points[at.i + 1].freq - f1;
  // Two points at the same frequency have no slope between them: take the first one rather
  // than dividing by zero.
  at.t = width != 0.0 && std::isfinite(width) ? (f - f1) / width : 0.0;
  if (!std::isfinite(at.t)) {
    at.t = 0.0;
  }
  return at;
}

MagnitudeAngle between(const MagnitudeAngle& a, const MagnitudeAngle& b, double t)
{
  MagnitudeAngle r;
  // Between two points the magnitude stays within theirs; extrapolated along a falling end
  // interval it would go below zero, which no magnitude can: it stops at zero.
  r.mag = std::max(0.0, a.mag + t * (b.mag - a.mag));
  double d = b.ang - a.ang;
  if (d < -complexconst::kPi) {
    d = d + 2.0 * complexconst::kPi;
  } else if (d > complexconst::kPi) {
    d = d - 2.0 * complexconst::kPi;
  }
  r.ang = a.ang + t * d;
  return r;
}

} // namespace

TwoPortPoint interpolateTwoPort(const TwoPortDataSet& set, double f)
{
  const auto& points = set.points;
  TwoPortPoint r;
  if (points.count() == 1) {
    r = points[1];
  } else if (points.count() >= 2) {
    const Interval at = locate(points, f);
    const TwoPortPoint& a = points[at.i];
    const TwoPortPoint& b = points[at.i + 1];
    r.s11 = between(a.s11, b.s11, at.t);
    r.s21 = between(a.s21, b.s21, at.t);
    r.s12 = between(a.s12, b.s12, at.t);
    r.s22 = between(a.s22, b.s22, at.t);
  }
  r.freq = f;
  return r;
}

MagnitudeAngle interpolateOnePort(const OnePortDataSet& set, double f)
{
  const auto& points = set.points;
  if (points.count() == 1) {
    return points[1].s11;
  }
  if (points.count() < 2) {
    return MagnitudeAngle{};
  }
  const Interval at = locate(points, f);
  return between(points[at.i].s11, points[at.i + 1].s11, at.t);
}

} // namespace norvane
