#include "document/schematicreader.h"

#include "document/componentkinds.h"
#include "document/markersection.h"
#include "document/measureranges.h"
#include "document/pins.h"
#include "document/placement.h"
#include "document/schematiccapacity.h"
#include "document/schematicfile.h"
#include "document/schematiclines.h"
#include "numbers/numbertext.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <type_traits>
#include <vector>

namespace norvane {
namespace {

using namespace schematiccapacity;
using schematiclines::isTopLevelOpener;
using schematiclines::LineSource;
using schematiclines::trimmed;
using schematiclines::walkRecord;

const std::array<std::string, kValuesPerComponent> kValueKeys = [] {
  std::array<std::string, kValuesPerComponent> keys;
  for (int i = 1; i <= kValuesPerComponent; ++i) {
    keys[static_cast<std::size_t>(i - 1)] = schematicfile::valueKey(i);
  }
  return keys;
}();

const std::array<std::string, 2 * kSavedPins> kNodeKeys = [] {
  std::array<std::string, 2 * kSavedPins> keys;
  for (int i = 1; i <= kSavedPins; ++i) {
    keys[static_cast<std::size_t>(2 * i - 2)] = schematicfile::nodeKey(i, 'x');
    keys[static_cast<std::size_t>(2 * i - 1)] = schematicfile::nodeKey(i, 'y');
  }
  return keys;
}();

// Booleans: under rule F anything but "FALSE" is true (selection flags, centspan); under
// rule T only "TRUE" is true (tolerance flags, the boolean records).
bool ruleF(std::string_view value)
{
  return value != "FALSE";
}
bool ruleT(std::string_view value)
{
  return value == "TRUE";
}

std::string cut(std::string_view value, std::size_t maxLength)
{
  return std::string(value.substr(0, std::min(value.size(), maxLength)));
}

// A number field of a value line whose text is not a clean number: the reading rule takes
// the leading number (or 0 when there is none) and ignores the rest, which hides a damaged
// file. The field is read as always and reported.
struct ValueFieldProblem
{
  int line = 0;
  int slot = 0;                  // value[slot]
  std::string_view field;        // "nom", "mintol" or "maxtol"
  std::string description;       // what is wrong with the text
  double read = 0.0;             // the value the field gave
  const double* value = nullptr; // the field of the document it was read into
};

bool isControl(char c)
{
  const auto u = static_cast<unsigned char>(c);
  return (u < 0x20 && c != '\t') || u == 0x7f;
}

// The field's text fit for a message: control characters as <NUL> or <0xNN>.
std::string printable(std::string_view text)
{
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const char c : text) {
    if (!isControl(c)) {
      out += c;
    } else if (c == '\0') {
      out += "<NUL>";
    } else {
      const auto u = static_cast<unsigned char>(c);
      out += std::string("<0x") + kHex[u >> 4] + kHex[u & 15] + ">";
    }
  }
  return out;
}

// Reads one number field; the reason it is not a clean number, or empty.
double readValueField(std::string_view text, std::string& problem)
{
  const NumberReading reading = readNumber(text, NumberRules::ValueText());
  if (std::any_of(text.begin(), text.end(), isControl)) {
    problem = "holds a control character";
  } else if (!reading.ok) {
    problem = "holds no number";
  }
  return reading.value;
}

// The five fields of a value line, "{nom=...; mintol=...; maxtol=...; TolEn=...; Tol%=...; }",
// taken by position: each is the text between the next "=" and the following ";". A field
// that is missing (a cut line) leaves its part of the value as it was. Number fields that are
// not clean numbers are added to `problems`.
void readValueLine(std::string_view rest, ToleranceValue& v, ValueFieldProblem where,
                   std::vector<ValueFieldProblem>& problems)
{
  static constexpr std::array<std::string_view, 3> kNumberFields{"nom", "mintol", "maxtol"};
  std::array<double*, 3> numbers{&v.nom, &v.mintol, &v.maxtol};
  for (std::size_t field = 0; field < 5; ++field) {
    const std::size_t eq = rest.find('=');
    if (eq == std::string_view::npos) {
      return;
    }
    rest.remove_prefix(eq + 1);
    const std::size_t semi = rest.find(';');
    const std::string_view text = rest.substr(0, semi);
    rest.remove_prefix(semi == std::string_view::npos ? rest.size() : semi);
    if (field < numbers.size()) {
      std::string problem;
      *numbers[field] = readValueField(text, problem);
      if (!problem.empty()) {
        where.field = kNumberFields[field];
        where.description = "\"" + printable(trimmed(text)) + "\" " + problem;
        where.read = *numbers[field];
        where.value = numbers[field];
        problems.push_back(where);
      }
    } else if (field == 3) {
      v.TolEn = ruleT(text);
    } else {
      v.TolPercent = ruleT(text);
    }
  }
}

class Reader
{
public:
  Reader(Schematic& doc, std::string_view content) : m_doc(doc), m_lines(content) {}

  FileResult run()
  {
    m_doc.circleson = false;
    m_doc.simulated = false;
    std::string_view line;
    while (!failed() && m_lines.next(line)) {
      readSection(trimmed(line));
    }
    FileResult result = m_error.empty() ? FileResult::success() : FileResult::failure(m_error);
    result.warnings = std::move(m_warnings);
    return result;
  }

private:
  bool failed() const { return !m_error.empty(); }

  void integer(std::string_view value, int& field)
  {
    if (const auto v = readNumber(value, NumberRules::FileInteger()).integer()) {
      field = *v;
    } else {
      m_error = fileerrors::kInvalidNumber;
    }
  }

  // A coordinate, held to the range the pin, port and painting arithmetic can add and
  // scale in an int (a hand-edited 2147483647 would overflow the pin positions).
  void coordinate(std::string_view value, int& field)
  {
    integer(value, field);
    field = std::clamp(field, -kMaxCoordinate, kMaxCoordinate);
  }

  void real(std::string_view value, double& field)
  {
    if (const auto v = readNumber(value, NumberRules::File()).number()) {
      field = *v;
    } else {
      m_error = fileerrors::kInvalidNumber;
    }
  }

  template <class OnKey> void readRecord(OnKey onKey)
  {
    walkRecord(
        m_lines, [this] { return failed(); }, onKey);
  }

  // The "traceranges" section: "Kmax=", "Kmin=", "Deltamax=" ...; unknown keys are skipped.
  void readMeasureRanges(MeasureRanges& ranges)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      const auto take = [&](const traceranges::Entry& e) {
        if (key.size() != e.stem.size() + 4 || !key.starts_with(e.stem)) return;
        const std::string_view which = key.substr(e.stem.size());
        if (which == "max=") {
          real(value, (ranges.*e.range).max);
        } else if (which == "min=") {
          real(value, (ranges.*e.range).min);
        }
      };
      for (const traceranges::Entry& e : traceranges::kEntries)
        take(e);
      for (const traceranges::Entry& e : traceranges::kNoiseEntries)
        take(e);
    });
  }

  void readRange(DisplayRange& r)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "max=") {
        real(value, r.max);
      } else if (key == "min=") {
        real(value, r.min);
      }
    });
  }

  // A display code (plot format, measured parameter, trace type) is the file's integer,
  // kept as it is even when it names no enumerator, so that the file round-trips.
  template <typename Code>
  requires std::is_enum_v<Code>
  void integer(std::string_view value, Code& field)
  {
    int raw = static_cast<int>(field);
    integer(value, raw);
    field = static_cast<Code>(raw);
  }

  template <typename Field> void readIntegerRecord(Field& field)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "value=") {
        integer(value, field);
      }
    });
  }

  void readRealRecord(double& field)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "value=") {
        real(value, field);
      }
    });
  }

  void readBooleanRecord(bool& field)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "value=") {
        field = ruleT(value);
      }
    });
  }

  void readSweep(SweepAxis& x)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "max=") {
        real(value, x.max);
      } else if (key == "min=") {
        real(value, x.min);
      } else if (key == "numpoints=") {
        integer(value, x.numpoints);
      } else if (key == "centspan=") {
        x.centspan = ruleF(value);
      } else if (key == "freqmode=") {
        integer(value, x.freqmode);
      }
    });
  }

  void readAxis(TraceAxis& y)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "min=") {
        real(value, y.min);
      } else if (key == "max=") {
        real(value, y.max);
      } else if (key == "measwhat=") {
        integer(value, y.measwhat);
      } else if (key == "tracetype=") {
        integer(value, y.tracetype);
      }
    });
  }

  void readComponent(Component& c, std::vector<ValueFieldProblem>& problems)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "name=") {
        c.name = cut(value, kMaxNameLength);
      } else if (key == "ctype=") {
        // The kind's code; a code naming no kind is kept as read, so that it is saved back
        // unchanged (the simulator and the value checks report it).
        int code = kindCode(c.ctype);
        integer(value, code);
        c.ctype = kindOfCode(code);
      } else if (key == "crot=") {
        integer(value, c.crot);
      } else if (key == "position.x=") {
        coordinate(value, c.position.x);
      } else if (key == "position.y=") {
        coordinate(value, c.position.y);
      } else if (key == "selected=") {
        c.selected = ruleF(value);
      } else {
        for (int i = 1; i <= kValuesPerComponent; ++i) {
          if (key == kValueKeys[static_cast<std::size_t>(i - 1)]) {
            readValueLine(value, c.value[i], {m_lines.number(), i, {}, {}, 0.0, nullptr}, problems);
            return;
          }
        }
        for (int i = 1; i <= kSavedPins; ++i) {
          if (key == kNodeKeys[static_cast<std::size_t>(2 * i - 2)]) {
            coordinate(value, c.pins.nodes[i].x);
            return;
          }
          if (key == kNodeKeys[static_cast<std::size_t>(2 * i - 1)]) {
            coordinate(value, c.pins.nodes[i].y);
            return;
          }
        }
      }
    });
  }

  // A component of the drawing or a template: a stored zero where the stamps divide
  // becomes the value the property dialogs would have stored.
  void readComponentReplacingZeros(Component& c)
  {
    std::vector<ValueFieldProblem> problems;
    readComponent(c, problems);
    replaceZeroValues(c);
    // Reported once the record is read, when its name and the values in use are known
    // whatever the order of its keys. A zero the dialogs would replace is used replaced.
    const auto number = [](double x) { return formatNumber(x, NumberFormat::Shortest()); };
    for (const ValueFieldProblem& p : problems) {
      m_warnings.push_back("line " + std::to_string(p.line) + ": " + m_recordLabel +
                           (c.name.empty() ? "" : " \"" + printable(c.name) + "\"") + ", value[" +
                           std::to_string(p.slot) + "] " + std::string(p.field) + ": " +
                           p.description + "; read as " + number(p.read) +
                           (*p.value == p.read ? "" : ", used as " + number(*p.value)));
    }
  }

  void readPort(Port& p)
  {
    p.crot = 1; // a port record without "crot=" is in orientation 1
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "pos.x=") {
        coordinate(value, p.pos.x);
      } else if (key == "pos.y=") {
        coordinate(value, p.pos.y);
      } else if (key == "node.x=") {
        coordinate(value, p.node.x);
      } else if (key == "node.y=") {
        coordinate(value, p.node.y);
      } else if (key == "crot=") {
        integer(value, p.crot);
      } else if (key == "Zo=") {
        real(value, p.Zo);
      } else if (key == "selected=") {
        p.selected = ruleF(value);
      }
    });
  }

  // Start and finish points, shared by lines and wires.
  bool readEnds(std::string_view key, std::string_view value, Point& start, Point& finish)
  {
    if (key == "start.x=") {
      coordinate(value, start.x);
    } else if (key == "start.y=") {
      coordinate(value, start.y);
    } else if (key == "finish.x=") {
      coordinate(value, finish.x);
    } else if (key == "finish.y=") {
      coordinate(value, finish.y);
    } else {
      return false;
    }
    return true;
  }

  void readShape(DrawingLine& s)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "shapetype=") {
        integer(value, s.shapetype);
      } else if (key == "selected=") {
        s.selected = ruleF(value);
      } else {
        readEnds(key, value, s.start, s.finish);
      }
    });
  }

  void readText(TextItem& t)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "pos.x=") {
        coordinate(value, t.pos.x);
      } else if (key == "pos.y=") {
        coordinate(value, t.pos.y);
      } else if (key == "size=") {
        t.size = cut(value, kMaxTextSizeLength);
      } else if (key == "selected=") {
        t.selected = ruleF(value);
      } else if (key == "text=") {
        t.text = cut(value, kMaxTextLength);
      }
    });
  }

  void readWire(Wire& w)
  {
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "startselected=") {
        w.startselected = ruleF(value);
      } else if (key == "finishselected=") {
        w.finishselected = ruleF(value);
      } else {
        readEnds(key, value, w.start, w.finish);
      }
    });
  }

  // Reads one "sdata=" line into the numbers of a point.
  template <std::size_t N> bool readNumbers(std::string_view value, std::array<double*, N> fields)
  {
    for (double* field : fields) {
      const auto v = takeNumber(value, NumberRules::File()).number();
      if (!v) {
        m_error = fileerrors::kInvalidNumber;
        return false;
      }
      *field = *v;
    }
    return true;
  }

  static std::array<double*, 9> fieldsOf(TwoPortPoint& p)
  {
    return {&p.freq,    &p.s11.mag, &p.s11.ang, &p.s21.mag, &p.s21.ang,
            &p.s12.mag, &p.s12.ang, &p.s22.mag, &p.s22.ang};
  }
  static std::array<double*, 3> fieldsOf(OnePortPoint& p)
  {
    return {&p.freq, &p.s11.mag, &p.s11.ang};
  }

  // A data-set record is read into a fresh set, which then replaces the set named by its
  // "index=". A set that cannot be held (an index outside 1..50, more than 2000 points)
  // refuses the file.
  template <class Set> void readDataSet(OneBasedArray<Set, kMaxDataSets>& sets, int ports)
  {
    Set set;
    std::optional<int> index;
    bool tooManyPoints = false;
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "name=") {
        set.name = std::string(value);
      } else if (key == "note=") {
        set.note = std::string(value);
      } else if (key == "index=") {
        int read = 0;
        integer(value, read);
        index = read;
      } else if (key == "sdata=") {
        typename decltype(set.points)::value_type point{};
        if (readNumbers(value, fieldsOf(point)) && !set.points.append(point)) {
          tooManyPoints = true;
        }
      }
    });
    if (failed()) {
      return;
    }
    if (tooManyPoints) {
      m_error = dataSetPointsMessage(ports);
    } else if (!index || *index < 1 || *index > kMaxDataSets) {
      m_error = dataSetIndexMessage(ports, index);
    } else {
      set.index = *index;
      sets[*index] = std::move(set);
    }
  }

  // Appends a record to a list; a list that is full refuses the file.
  template <class T, int N, class ReadFn>
  void readAppended(BoundedList<T, N>& list, ReadFn read, std::string_view what)
  {
    if (list.append(T{})) {
      (this->*read)(list.last());
    } else {
      m_error = capacityMessage(N, what);
    }
  }

  void readDrawing()
  {
    Drawing& d = m_doc.drawdat;
    d.wires.clear();
    d.components.clear();
    d.lines.clear();
    d.texts.clear();
    d.twoPortBlockCounter = 0;

    std::string_view line;
    while (!failed() && m_lines.next(line)) {
      const std::string_view t = trimmed(line);
      if (t == "}") {
        break;
      }
      if (t == "P1{") {
        readPort(d.P1);
      } else if (t == "P2{") {
        readPort(d.P2);
      } else if (t == "component{") {
        m_recordLabel = "component " + std::to_string(d.components.count() + 1);
        readAppended(d.components, &Reader::readComponentReplacingZeros, kComponentsName);
      } else if (t == "shape{") {
        readAppended(d.lines, &Reader::readShape, kLinesName);
      } else if (t == "text{") {
        readAppended(d.texts, &Reader::readText, kTextsName);
      } else if (t == "short{") {
        readAppended(d.wires, &Reader::readWire, kWiresName);
      } else if (t == "2pdat{") {
        readDataSet(m_doc.datasets.twoPort, 2);
      } else if (t == "1pdat{") {
        readDataSet(m_doc.datasets.onePort, 1);
      } else if (isTopLevelOpener(t)) {
        // The drawing lost its "}": the next document section ends it.
        m_lines.pushBack();
        break;
      }
    }
    deriveBlockCounters(m_doc);
  }

  // The goals, each "goal=" line's text as written (the optimiser judges them).
  void readGoals()
  {
    m_doc.goals.clear();
    readRecord([&](std::string_view key, std::string_view value) {
      if (key == "goal=") {
        m_doc.goals.emplace_back(value);
      }
    });
  }

  // The 2-port sets' noise parameters (after the drawing, whose sets they belong to): one
  // "noiseset{" record per set with its "index=" and an "npoint=" line per frequency. A set
  // the file does not hold keeps none.
  void readNoiseData()
  {
    std::string_view line;
    while (!failed() && m_lines.next(line)) {
      const std::string_view t = trimmed(line);
      if (t == "}") {
        break;
      }
      if (t != "noiseset{") {
        continue;
      }
      std::optional<int> index;
      std::vector<NoisePoint> points;
      readRecord([&](std::string_view key, std::string_view value) {
        if (key == "index=") {
          int read = 0;
          integer(value, read);
          index = read;
        } else if (key == "npoint=" && points.size() < static_cast<std::size_t>(kMaxDataPoints)) {
          NoisePoint p;
          if (readNumbers(value, std::array<double*, 5>{&p.freq, &p.nfminDb, &p.gammaOpt.mag,
                                                        &p.gammaOpt.ang, &p.rn})) {
            points.push_back(p);
          }
        }
      });
      if (!failed() && index && *index >= 1 && *index <= kMaxDataSets &&
          m_doc.datasets.twoPort[*index].inUse()) {
        m_doc.datasets.twoPort[*index].noise = std::move(points);
      }
    }
  }

  // Reads the section that `t` opens, if it is one; any other line is skipped.
  void readSection(std::string_view t);

  Schematic& m_doc;
  LineSource m_lines;
  std::string m_error;
  std::vector<std::string> m_warnings;
  std::string m_recordLabel; // names the component record being read in a warning
};

// The title in the banner's middle line.
constexpr std::string_view kBannerTitle = "Norvane Schematic File";

void Reader::readSection(std::string_view t)
{
  Schematic& s = m_doc;
  if (t.size() > 1 && t.back() == '{') {
    m_recordLabel = "template " + std::string(t.substr(0, t.size() - 1)); // "template lastR"
  }
  if (t == "mmdB{") {
    readRange(s.mmdB);
  } else if (t == "mmLin{") {
    readRange(s.mmLin);
  } else if (t == "mmPhase{") {
    readRange(s.mmPhase);
  } else if (t == "lastC{") {
    readComponentReplacingZeros(s.lastC);
  } else if (t == "lastL{") {
    readComponentReplacingZeros(s.lastL);
  } else if (t == "lastR{") {
    readComponentReplacingZeros(s.lastR);
  } else if (t == "lastopamp{") {
    readComponentReplacingZeros(s.lastopamp);
  } else if (t == "lastVCVS{") {
    readComponentReplacingZeros(s.lastVCVS);
  } else if (t == "lastVCCS{") {
    readComponentReplacingZeros(s.lastVCCS);
  } else if (t == "lastCCVS{") {
    readComponentReplacingZeros(s.lastCCVS);
  } else if (t == "lastCCCS{") {
    readComponentReplacingZeros(s.lastCCCS);
  } else if (t == "lasttxln{") {
    readComponentReplacingZeros(s.lasttxln);
  } else if (t == "plotformat{") {
    readIntegerRecord(s.plotformat);
  } else if (t == "current2port{") {
    readIntegerRecord(s.current2port);
  } else if (t == "current1port{") {
    readIntegerRecord(s.current1port);
  } else if (t == "Xax{") {
    readSweep(s.Xax);
  } else if (t == "Y1ax{") {
    readAxis(s.Y1ax);
  } else if (t == "Y2ax{") {
    readAxis(s.Y2ax);
  } else if (t == "polarS11mag{") {
    readRealRecord(s.polarS11mag);
  } else if (t == "polarS21mag{") {
    readRealRecord(s.polarS21mag);
  } else if (t == "polarS12mag{") {
    readRealRecord(s.polarS12mag);
  } else if (t == "polarS22mag{") {
    readRealRecord(s.polarS22mag);
  } else if (t == "polarmeaswhat{") {
    readIntegerRecord(s.polarmeaswhat);
  } else if (t == "cursorpos{") {
    readIntegerRecord(s.cursorpos);
  } else if (t == "circleson{") {
    readBooleanRecord(s.circleson);
  } else if (t == "simulated{") {
    readBooleanRecord(s.simulated);
  } else if (t == "drawdat{") {
    readDrawing();
  } else if (t.size() == traceranges::kSection.size() + 1 && t.starts_with(traceranges::kSection) &&
             t.back() == '{') {
    readMeasureRanges(s.mmMeasures);
  } else if (t == "markers{") {
    readMarkerSection(m_lines, s.graphMarkers, m_warnings);
  } else if (t == "goals{") {
    readGoals();
  } else if (t == "noisedata{") {
    readNoiseData();
  }
}

} // namespace

FileResult readSchematicText(Schematic& doc, std::string_view content)
{
  if (FileResult fits = checkSchematicCapacities(content); !fits) {
    return fits;
  }
  return Reader(doc, content).run();
}

bool isSchematicText(std::string_view content)
{
  LineSource lines(content);
  std::string_view line;
  while (lines.next(line)) {
    const std::string_view t = trimmed(line);
    if (t.find(kBannerTitle) != std::string_view::npos || isTopLevelOpener(t)) {
      return true;
    }
  }
  return false;
}

std::string readWarningsText(const std::vector<std::string>& warnings, std::size_t shown)
{
  std::string text = "The file was read, but not every value in it is a number:";
  for (std::size_t i = 0; i < warnings.size() && i < shown; ++i) {
    text += "\r" + warnings[i];
  }
  if (warnings.size() > shown) {
    text += "\r... and " + std::to_string(warnings.size() - shown) + " more";
  }
  return text;
}

std::string notSchematicMessage(const std::string& path)
{
  return path + " is not a Norvane schematic";
}

FileResult readSchematicFile(const std::string& path, std::string& content)
{
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (!fs::exists(status)) {
    return FileResult::failure(fileerrors::kFileNotFound);
  }
  if (fs::is_directory(status)) {
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) {
    return FileResult::failure(fileerrors::kReadError);
  }
  content = std::move(text).str();
  if (!isSchematicText(content)) {
    return FileResult::failure(notSchematicMessage(path));
  }
  return checkSchematicCapacities(content);
}

FileResult loadSchematic(Schematic& doc, const std::string& path)
{
  std::string content;
  if (FileResult r = readSchematicFile(path, content); !r) {
    return r;
  }
  return readSchematicText(doc, content);
}

} // namespace norvane
