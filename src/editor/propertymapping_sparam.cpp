#include "editor/propertymapping_sparam.h"

#include "document/componentkinds.h"
#include "numbers/valuetext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

namespace norvane {
namespace {

constexpr char kDegreeSign = '\xB0'; // Latin-1
// Exact to the double, the factor the file reader turned the file's degrees into radians with,
// so that a measured angle reads back as the file gave it.
constexpr double kDegPerRad = 180.0 / std::numbers::pi;

ToleranceValue toleranceFactor(double percent, bool enabled, const ToleranceValue& old)
{
  ToleranceValue v;
  v.nom = 1.0;
  v.mintol = -percent;
  v.maxtol = percent;
  v.actual = old.actual;
  v.TolEn = enabled;
  v.TolPercent = true;
  return v;
}

std::string angleText(double radians)
{
  return fixedText(radians * kDegPerRad, 3) + kDegreeSign;
}

} // namespace

SParamBlockForm readSParamBlockForm(const Component& comp)
{
  const ToleranceValue& magnitude = parameterSlot(comp, "magnitudeTolerance");
  return {magnitude.maxtol, parameterSlot(comp, "angleTolerance").maxtol, magnitude.TolEn};
}

void storeSParamBlockForm(const SParamBlockForm& form, Component& comp)
{
  ToleranceValue& magnitude = parameterSlot(comp, "magnitudeTolerance");
  ToleranceValue& angle = parameterSlot(comp, "angleTolerance");
  magnitude = toleranceFactor(form.magTolerance, form.enabled, magnitude);
  angle = toleranceFactor(form.angTolerance, form.enabled, angle);
}

TwoPortDataSet blockBufferFromDataSet(const Schematic& doc, ComponentType ctype, int index)
{
  TwoPortDataSet buffer;
  if (index < 1 || index > kMaxDataSets) return buffer;
  if (dataBlockOf(ctype) == DataBlock::TwoPort) return doc.datasets.twoPort[index];
  const OnePortDataSet& set = doc.datasets.onePort[index];
  buffer.name = set.name;
  buffer.note = set.note;
  buffer.index = set.index;
  for (const OnePortPoint& p : set.points) {
    TwoPortPoint q;
    q.freq = p.freq;
    q.s11 = p.s11;
    buffer.points.append(q);
  }
  return buffer;
}

bool storeBlockDataSet(Schematic& doc, ComponentType ctype, int index, const TwoPortDataSet& buffer,
                       const std::string& name)
{
  if (index < 1 || index > kMaxDataSets) return false;
  if (dataBlockOf(ctype) == DataBlock::TwoPort) {
    TwoPortDataSet& set = doc.datasets.twoPort[index];
    set.points = buffer.points;
    set.noise = buffer.noise;
    set.name = name;
    set.note = buffer.note;
    return true;
  }
  OnePortDataSet& set = doc.datasets.onePort[index];
  set.points.clear();
  for (const TwoPortPoint& p : buffer.points)
    set.points.append(OnePortPoint{p.freq, p.s11});
  set.name = name;
  set.note = buffer.note;
  return true;
}

std::vector<std::string> blockGridHeadings(ComponentType ctype)
{
  if (dataBlockOf(ctype) == DataBlock::OnePort) return {"Freq(Hz)", "S11Mag", "S11Ang"};
  return {"Freq(Hz)", "S11Mag", "S11Ang", "S21Mag", "S21Ang",
          "S12Mag",   "S12Ang", "S22Mag", "S22Ang"};
}

std::vector<std::string> blockGridRow(const TwoPortPoint& point, int columns)
{
  std::vector<std::string> row{formatEngineering(6, point.freq) + "Hz"};
  for (const MagnitudeAngle* s : {&point.s11, &point.s21, &point.s12, &point.s22}) {
    if (static_cast<int>(row.size()) >= columns) break;
    row.push_back(fixedText(s->mag, 3));
    row.push_back(angleText(s->ang));
  }
  row.resize(static_cast<std::size_t>(std::max(columns, 0)));
  return row;
}

std::string fixedText(double x, int decimals)
{
  if (std::isnan(x)) x = 0.0;
  x = std::clamp(x, -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed,
                                    std::clamp(decimals, 0, 30));
  std::string text(buffer, result.ptr);
  if (text.starts_with('-') && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1); // "-0.000" reads as a sign on nothing
  }
  return text;
}

} // namespace norvane
