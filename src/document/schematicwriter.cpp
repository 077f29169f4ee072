#include "document/schematicwriter.h"

#include "document/atomicwrite.h"
#include "document/markersection.h"
#include "document/measureranges.h"
#include "document/schematicfile.h"
#include "numbers/numbertext.h"

#include <algorithm>

namespace norvane {
namespace {

// Accumulates the file line by line.
class Lines
{
public:
  void line(std::string_view text)
  {
    m_out.append(text);
    m_out.append("\r\n");
  }
  void key(std::string_view key, std::string_view value)
  {
    m_out.append(key);
    m_out.append(value);
    m_out.append("\r\n");
  }
  void integer(std::string_view key, int value) { this->key(key, std::to_string(value)); }
  void real(std::string_view key, double value)
  {
    this->key(key, formatNumber(value, NumberFormat::File()));
  }
  void boolean(std::string_view key, bool value) { this->key(key, value ? "TRUE" : "FALSE"); }
  void text(std::string_view key, std::string_view value, std::size_t maxLength)
  {
    std::string t(value.substr(0, std::min(value.size(), maxLength)));
    std::replace(t.begin(), t.end(), '\r', ' ');
    std::replace(t.begin(), t.end(), '\n', ' ');
    this->key(key, t);
  }
  void open(std::string_view section)
  {
    m_out.append(section);
    m_out.append("{\r\n");
  }
  void close() { m_out.append("}\r\n"); }

  // Text another writer made, line ends included.
  void raw(std::string_view text) { m_out.append(text); }
  std::string take() { return std::move(m_out); }

private:
  std::string m_out;
};

void writeRange(Lines& out, const char* section, const DisplayRange& r)
{
  out.open(section);
  out.real("max=", r.max);
  out.real("min=", r.min);
  out.close();
}

void writeIntegerRecord(Lines& out, const char* section, int value)
{
  out.open(section);
  out.integer("value=", value);
  out.close();
}

void writeRealRecord(Lines& out, const char* section, double value)
{
  out.open(section);
  out.real("value=", value);
  out.close();
}

void writeBooleanRecord(Lines& out, const char* section, bool value)
{
  out.open(section);
  out.boolean("value=", value);
  out.close();
}

std::string valueLine(const ToleranceValue& v)
{
  std::string s = "{nom=";
  s += formatNumber(v.nom, NumberFormat::File());
  s += "; mintol=";
  s += formatNumber(v.mintol, NumberFormat::File());
  s += "; maxtol=";
  s += formatNumber(v.maxtol, NumberFormat::File());
  s += "; TolEn=";
  s += v.TolEn ? "TRUE" : "FALSE";
  s += "; Tol%=";
  s += v.TolPercent ? "TRUE" : "FALSE";
  s += "; }";
  return s;
}

void writeComponent(Lines& out, const char* section, const Component& c)
{
  out.open(section);
  out.text("name=", c.name, kMaxNameLength);
  out.integer("ctype=", kindCode(c.ctype));
  out.integer("crot=", c.crot);
  out.integer("position.x=", c.position.x);
  out.integer("position.y=", c.position.y);
  out.boolean("selected=", c.selected);
  for (int i = 1; i <= kValuesPerComponent; ++i) {
    out.key(schematicfile::valueKey(i), valueLine(c.value[i]));
  }
  for (int i = 1; i <= kSavedPins; ++i) {
    out.integer(schematicfile::nodeKey(i, 'x'), c.pins.nodes[i].x);
    out.integer(schematicfile::nodeKey(i, 'y'), c.pins.nodes[i].y);
  }
  out.close();
}

void writePort(Lines& out, const char* section, const Port& p)
{
  out.open(section);
  out.integer("pos.x=", p.pos.x);
  out.integer("pos.y=", p.pos.y);
  out.integer("node.x=", p.node.x);
  out.integer("node.y=", p.node.y);
  out.integer("crot=", p.crot);
  out.real("Zo=", p.Zo);
  out.boolean("selected=", p.selected);
  out.close();
}

void writeShape(Lines& out, const DrawingLine& s)
{
  out.open("shape");
  out.integer("shapetype=", s.shapetype);
  out.boolean("selected=", s.selected);
  out.integer("start.x=", s.start.x);
  out.integer("start.y=", s.start.y);
  out.integer("finish.x=", s.finish.x);
  out.integer("finish.y=", s.finish.y);
  out.close();
}

void writeText(Lines& out, const TextItem& t)
{
  out.open("text");
  out.integer("pos.x=", t.pos.x);
  out.integer("pos.y=", t.pos.y);
  out.text("size=", t.size, kMaxTextSizeLength);
  out.boolean("selected=", t.selected);
  out.text("text=", t.text, kMaxTextLength);
  out.close();
}

void writeWire(Lines& out, const Wire& w)
{
  out.open("short");
  out.boolean("startselected=", w.startselected);
  out.boolean("finishselected=", w.finishselected);
  out.integer("start.x=", w.start.x);
  out.integer("start.y=", w.start.y);
  out.integer("finish.x=", w.finish.x);
  out.integer("finish.y=", w.finish.y);
  out.close();
}

// "sdata=" and the numbers, each after one blank.
std::string sdataLine(std::initializer_list<double> numbers)
{
  std::string s;
  for (double x : numbers) {
    s += ' ';
    s += formatNumber(x, NumberFormat::File());
  }
  return s;
}

// A data set's note only where there is one, so that files of sets read as they were keep
// their layout.
void writeNote(Lines& out, const std::string& note)
{
  if (!note.empty()) {
    out.text("note=", note, std::string::npos);
  }
}

void writeDataSet(Lines& out, int index, const TwoPortDataSet& set)
{
  out.open("2pdat");
  out.text("name=", set.name, std::string::npos);
  writeNote(out, set.note);
  out.integer("index=", index);
  for (const TwoPortPoint& p : set.points) {
    out.key("sdata=", sdataLine({p.freq, p.s11.mag, p.s11.ang, p.s21.mag, p.s21.ang, p.s12.mag,
                                 p.s12.ang, p.s22.mag, p.s22.ang}));
  }
  out.close();
}

void writeDataSet(Lines& out, int index, const OnePortDataSet& set)
{
  out.open("1pdat");
  out.text("name=", set.name, std::string::npos);
  writeNote(out, set.note);
  out.integer("index=", index);
  for (const OnePortPoint& p : set.points) {
    out.key("sdata=", sdataLine({p.freq, p.s11.mag, p.s11.ang}));
  }
  out.close();
}

void writeDrawing(Lines& out, const Schematic& doc)
{
  const Drawing& d = doc.drawdat;
  out.open("drawdat");
  writePort(out, "P1", d.P1);
  writePort(out, "P2", d.P2);
  for (const Component& c : d.components) {
    writeComponent(out, "component", c);
  }
  for (const DrawingLine& s : d.lines) {
    writeShape(out, s);
  }
  for (const TextItem& t : d.texts) {
    writeText(out, t);
  }
  // Each set is written under its own number, so the reader puts it back in its place
  // whatever the order of the records.
  for (int i = 1; i <= kMaxDataSets; ++i) {
    if (doc.datasets.twoPort[i].inUse()) {
      writeDataSet(out, i, doc.datasets.twoPort[i]);
    }
  }
  for (int i = 1; i <= kMaxDataSets; ++i) {
    if (doc.datasets.onePort[i].inUse()) {
      writeDataSet(out, i, doc.datasets.onePort[i]);
    }
  }
  for (const Wire& w : d.wires) {
    writeWire(out, w);
  }
  out.close();
}

// After the drawing, and only when in use: files that never showed these kinds stay as
// they were.
void writeMeasureRanges(Lines& out, const Schematic& doc)
{
  if (!hasMeasureRangesToWrite(doc)) return;
  out.open(traceranges::kSection);
  for (const traceranges::Entry& e : traceranges::kEntries) {
    const DisplayRange& r = doc.mmMeasures.*e.range;
    out.real(std::string(e.stem) + "max=", r.max);
    out.real(std::string(e.stem) + "min=", r.min);
  }
  if (hasNoiseRangesToWrite(doc)) {
    for (const traceranges::Entry& e : traceranges::kNoiseEntries) {
      const DisplayRange& r = doc.mmMeasures.*e.range;
      out.real(std::string(e.stem) + "max=", r.max);
      out.real(std::string(e.stem) + "min=", r.min);
    }
  }
  out.close();
}

// After the drawing, and only when there are goals, so that a file without them stays as it
// always was and older readers skip the section as one they do not know.
void writeGoals(Lines& out, const std::vector<std::string>& goals)
{
  if (goals.empty()) {
    return;
  }
  out.open("goals");
  for (const std::string& goal : goals) {
    out.text("goal=", goal, goal.size());
  }
  out.close();
}

// The noise parameters of the 2-port sets, after everything else so that older readers skip
// them, and only where a set has some (files without them stay as they were):
//   noisedata{ noiseset{ index=N  npoint= f NFmin(dB) |Gamma-opt| angle(rad) Rn(ohm) ... } }
// referred to 50 ohm as the sets' S-data are.
void writeNoiseData(Lines& out, const Schematic& doc)
{
  bool any = false;
  for (int i = 1; i <= kMaxDataSets; ++i) {
    any = any || (doc.datasets.twoPort[i].inUse() && !doc.datasets.twoPort[i].noise.empty());
  }
  if (!any) {
    return;
  }
  out.open("noisedata");
  for (int i = 1; i <= kMaxDataSets; ++i) {
    const TwoPortDataSet& set = doc.datasets.twoPort[i];
    if (!set.inUse() || set.noise.empty()) {
      continue;
    }
    out.open("noiseset");
    out.integer("index=", i);
    for (const NoisePoint& p : set.noise) {
      out.key("npoint=", sdataLine({p.freq, p.nfminDb, p.gammaOpt.mag, p.gammaOpt.ang, p.rn}));
    }
    out.close();
  }
  out.close();
}

} // namespace

std::string schematicText(const Schematic& doc)
{
  Lines out;
  for (const char* line : schematicfile::kBanner) {
    out.line(line);
  }
  writeRange(out, "mmdB", doc.mmdB);
  writeRange(out, "mmLin", doc.mmLin);
  writeRange(out, "mmPhase", doc.mmPhase);
  writeComponent(out, "lastC", doc.lastC);
  writeComponent(out, "lastL", doc.lastL);
  writeComponent(out, "lastR", doc.lastR);
  writeComponent(out, "lastopamp", doc.lastopamp);
  writeComponent(out, "lastVCVS", doc.lastVCVS);
  writeComponent(out, "lastVCCS", doc.lastVCCS);
  writeComponent(out, "lastCCVS", doc.lastCCVS);
  writeComponent(out, "lastCCCS", doc.lastCCCS);
  writeComponent(out, "lasttxln", doc.lasttxln);
  writeIntegerRecord(out, "plotformat", static_cast<int>(doc.plotformat));
  writeIntegerRecord(out, "current2port", doc.current2port);
  writeIntegerRecord(out, "current1port", doc.current1port);

  out.open("Xax");
  out.real("max=", doc.Xax.max);
  out.real("min=", doc.Xax.min);
  out.integer("numpoints=", doc.Xax.numpoints);
  out.boolean("centspan=", doc.Xax.centspan);
  out.integer("freqmode=", doc.Xax.freqmode);
  out.close();

  for (const auto& [section, axis] : {std::pair{"Y1ax", &doc.Y1ax}, std::pair{"Y2ax", &doc.Y2ax}}) {
    out.open(section);
    out.real("min=", axis->min);
    out.real("max=", axis->max);
    out.integer("measwhat=", static_cast<int>(axis->measwhat));
    out.integer("tracetype=", static_cast<int>(axis->tracetype));
    out.close();
  }

  writeRealRecord(out, "polarS11mag", doc.polarS11mag);
  writeRealRecord(out, "polarS21mag", doc.polarS21mag);
  writeRealRecord(out, "polarS12mag", doc.polarS12mag);
  writeRealRecord(out, "polarS22mag", doc.polarS22mag);
  writeIntegerRecord(out, "polarmeaswhat", static_cast<int>(doc.polarmeaswhat));
  writeIntegerRecord(out, "cursorpos", doc.cursorpos);
  writeBooleanRecord(out, "circleson", doc.circleson);
  writeBooleanRecord(out, "simulated", doc.simulated);
  writeDrawing(out, doc);
  writeMeasureRanges(out, doc);
  out.raw(markerSectionText(doc.graphMarkers));
  writeGoals(out, doc.goals);
  writeNoiseData(out, doc);
  return out.take();
}

FileResult saveSchematic(const Schematic& doc, const std::string& path)
{
  return writeFileAtomically(path, schematicText(doc));
}

} // namespace norvane
