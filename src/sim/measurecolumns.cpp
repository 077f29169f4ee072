#include "sim/measurecolumns.h"

#include "sim/groupdelay.h"
#include "sim/results.h"
#include "sim/twoportmeasures.h"

#include <optional>
#include <utility>

namespace norvane {

namespace {

constexpr std::pair<const char*, MeasureColumn> kColumns[] = {
    {"k", MeasureColumn::K},
    {"delta", MeasureColumn::Delta},
    {"mu1", MeasureColumn::Mu1},
    {"mu2", MeasureColumn::Mu2},
    {"mag_db", MeasureColumn::MagDb},
    {"vswr1", MeasureColumn::Vswr1},
    {"vswr2", MeasureColumn::Vswr2},
    {"zin_re", MeasureColumn::ZinRe},
    {"zin_im", MeasureColumn::ZinIm},
    {"zout_re", MeasureColumn::ZoutRe},
    {"zout_im", MeasureColumn::ZoutIm},
    {"gd21_s", MeasureColumn::GroupDelay21},
    {"nf_db", MeasureColumn::NfDb},
    {"nfmin_db", MeasureColumn::NfminDb},
    {"gopt_mag", MeasureColumn::GoptMag},
    {"gopt_deg", MeasureColumn::GoptDeg},
    {"rn_ohm", MeasureColumn::RnOhm},
};

const char* nameOf(MeasureColumn column)
{
  for (const auto& [name, c] : kColumns) {
    if (c == column) {
      return name;
    }
  }
  return "";
}

// The group delay of S21 at every point, as the graph's group-delay trace has it: the
// central difference of the phase (one-sided at the ends), over the points where S21 was
// solved. With fewer than two such points there is no slope to take.
std::vector<std::optional<double>> groupDelays21(std::span<const SweepPoint> points)
{
  std::vector<std::optional<double>> delays(points.size());
  GroupDelaySweep sweep;
  std::optional<std::size_t> previous;
  int solved = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const SweepPoint& p = points[i];
    if (!p.hasS21()) {
      continue;
    }
    const GroupDelaySweep::Step step = sweep.add(p.freq, complexPhaseDeg(p.s21));
    delays[i] = step.delay;
    if (step.revisesPrevious && previous) {
      delays[*previous] = step.previousDelay;
    }
    previous = i;
    ++solved;
  }
  if (solved < 2) {
    return std::vector<std::optional<double>>(points.size());
  }
  return delays;
}

std::optional<double> part(const std::optional<Complex>& z, bool real)
{
  if (!z) {
    return std::nullopt;
  }
  return real ? z->re : z->im;
}

std::optional<double> valueOf(MeasureColumn column, const TwoPortMeasures& m,
                              const std::optional<double>& delay, const PointNoise& noise)
{
  switch (column) {
  case MeasureColumn::NfDb:
    return noise.nfDb;
  case MeasureColumn::NfminDb:
    return noise.nfminDb;
  case MeasureColumn::GoptMag:
    return noise.goptMag;
  case MeasureColumn::GoptDeg:
    return noise.goptDeg;
  case MeasureColumn::RnOhm:
    return noise.rnOhm;
  case MeasureColumn::K:
    return m.k;
  case MeasureColumn::Delta:
    return m.delta;
  case MeasureColumn::Mu1:
    return m.mu1;
  case MeasureColumn::Mu2:
    return m.mu2;
  case MeasureColumn::MagDb:
    return m.gainDb;
  case MeasureColumn::Vswr1:
    return m.vswr1;
  case MeasureColumn::Vswr2:
    return m.vswr2;
  case MeasureColumn::ZinRe:
    return part(m.zin, true);
  case MeasureColumn::ZinIm:
    return part(m.zin, false);
  case MeasureColumn::ZoutRe:
    return part(m.zout, true);
  case MeasureColumn::ZoutIm:
    return part(m.zout, false);
  case MeasureColumn::GroupDelay21:
    return delay;
  }
  return std::nullopt;
}

} // namespace

std::vector<MeasureColumn> readMeasureList(const std::string& list, std::string& unknown)
{
  std::vector<MeasureColumn> columns;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = list.find(',', start);
    const std::string item =
        list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    bool known = false;
    for (const auto& [name, c] : kColumns) {
      if (item == name) {
        columns.push_back(c);
        known = true;
        break;
      }
    }
    if (!known) {
      unknown = item;
      return {};
    }
    if (comma == std::string::npos) {
      return columns;
    }
    start = comma + 1;
  }
}

bool needsNoise(std::span<const MeasureColumn> columns)
{
  for (MeasureColumn c : columns) {
    if (c == MeasureColumn::NfDb || c == MeasureColumn::NfminDb || c == MeasureColumn::GoptMag ||
        c == MeasureColumn::GoptDeg || c == MeasureColumn::RnOhm) {
      return true;
    }
  }
  return false;
}

std::string measureNames()
{
  std::string names;
  for (const auto& [name, c] : kColumns) {
    names += names.empty() ? "" : ", ";
    names += name;
  }
  return names;
}

std::string measureHeading(std::span<const MeasureColumn> columns)
{
  std::string heading;
  for (MeasureColumn c : columns) {
    heading += ',';
    heading += nameOf(c);
  }
  return heading;
}

std::vector<std::string> measureCells(std::span<const SweepPoint> points,
                                      std::span<const MeasureColumn> columns, double z1, double z2)
{
  const std::vector<std::optional<double>> delays = groupDelays21(points);
  std::vector<std::string> cells(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    const TwoPortMeasures m = twoPortMeasures(points[i], z1, z2);
    for (MeasureColumn c : columns) {
      cells[i] += ',';
      if (const std::optional<double> v = valueOf(c, m, delays[i], points[i].noise)) {
        cells[i] += formatCsvNumber(*v);
      }
    }
  }
  return cells;
}

} // namespace norvane
