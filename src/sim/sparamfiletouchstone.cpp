// Touchstone S-parameter files, versions 1 and 2: an option line
// "# <unit> <parameter> <format> R <ohms>", comments after "!", and the network data, one
// record per frequency: the frequency, then one (1-port) or four (2-port) pairs in the file's
// format. Version 2 adds bracketed keywords and lets a record run over several lines.

#include "sim/complex.h"
#include "sim/sparamfile.h"
#include "sim/sparamfilereference.h"
#include "sim/sparamfiletext.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace norvane::sparamfile {

namespace {

constexpr double kDegToRad = complexconst::kRadPerDeg;
constexpr double kDataReference = 50.0; // what the data sets are referred to

enum class Format {
  Unset,
  MagnitudeAngle,
  DecibelAngle,
  RealImaginary,
};

enum class Matrix {
  Full,  // 2-port: N11 N21 N12 N22 (or N11 N12 N21 N22 with the 12_21 order)
  Lower, // N11 N21 N22
  Upper, // N11 N12 N22
};

enum class Section {
  Header,  // before [Network Data] (version 2) or anywhere (version 1)
  Network, // version 2 network data
  Noise,   // noise parameters: version 2 [Noise Data], version 1 after the S-data
};

MagnitudeAngle pairValue(double a, double b, Format format)
{
  switch (format) {
  case Format::RealImaginary: {
    const Complex z{a, b};
    return MagnitudeAngle{finiteValue(complexAbs(z)), complexPhase(z)};
  }
  case Format::DecibelAngle:
    return MagnitudeAngle{finiteValue(powerOf(10.0, a / 20.0)), finiteValue(b * kDegToRad)};
  case Format::MagnitudeAngle:
  case Format::Unset:
    break;
  }
  return MagnitudeAngle{a, finiteValue(b * kDegToRad)};
}

// The N of a ".sNp" file name, 0 for other names.
int portsOfExtension(std::string_view fileName)
{
  const std::size_t dot = fileName.find_last_of('.');
  if (dot == std::string_view::npos || dot + 3 > fileName.size()) {
    return 0;
  }
  const std::string ext = upperCase(fileName.substr(dot + 1));
  if (ext.size() < 3 || ext.front() != 'S' || ext.back() != 'P' || ext.size() > 6) {
    return 0;
  }
  int n = 0;
  for (std::size_t i = 1; i + 1 < ext.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(ext[i]))) {
      return 0;
    }
    n = n * 10 + (ext[i] - '0');
  }
  return n;
}

std::string portsRefusal(long long ports)
{
  return "The file holds " + std::to_string(ports) +
         "-port data; only 1-port and 2-port data can be read.";
}

class TouchstoneReader
{
public:
  TouchstoneReader(TwoPortDataSet& buffer, Prompts& prompts) : m_buffer(buffer), m_prompts(prompts)
  {
  }

  SParamReadResult read(const std::vector<std::string_view>& lines, std::string_view fileName)
  {
    if (const int n = portsOfExtension(fileName); n > 2) {
      return SParamReadResult::refused(portsRefusal(n));
    }
    for (std::size_t i = 0; i < lines.size() && !m_done && m_result.ok(); ++i) {
      readLine(lines[i], i + 1);
    }
    if (m_result.ok() && !m_record.empty()) {
      m_result = refusedAt(m_recordLine, "the data record that starts here is incomplete");
    }
    if (m_result.ok() && m_declaredPoints >= 0 && !m_truncated &&
        m_declaredPoints != m_buffer.points.count()) {
      m_result.error = "[Number of Frequencies] gives " + std::to_string(m_declaredPoints) +
                       " but the file holds " + std::to_string(m_buffer.points.count()) +
                       " frequencies; the file was not read.";
    }
    if (m_result.ok()) {
      referToFiftyOhm();
    }
    if (m_result.ok()) {
      m_buffer.noise = std::move(m_noise);
    }
    if (m_result.ok() && m_truncated) {
      m_result.warning = cutWarning(m_buffer.points.count(), m_buffer.points.last().freq);
    }
    if (m_result.ok() && !m_buffer.points.empty()) {
      m_result.ports = m_ports == 1 ? 1 : 2;
    }
    return m_result;
  }

private:
  void readLine(std::string_view raw, std::size_t n)
  {
    // A comment runs from "!" to the end of the line; cutting it keeps words and numbers in
    // comments out of the option and data fields.
    const std::size_t bang = raw.find('!');
    if (bang != std::string_view::npos) {
      raw = raw.substr(0, bang);
    }
    const std::string line = upperCase(trim(raw));
    if (line.empty()) {
      return;
    }
    if (m_inInformation) {
      m_inInformation = line.rfind("[END INFORMATION]", 0) != 0;
      return;
    }
    if (line[0] == '#') {
      optionLine(line, n);
      return;
    }
    if (line[0] == '[') {
      keywordLine(line, n);
      return;
    }
    const std::vector<std::string_view> f = fields(line);
    if (f.empty()) {
      return; // nothing but separators
    }
    const DataFields numbers = dataNumbers(f);
    if (!numbers.error.empty()) {
      m_result = refusedAt(n, startsWithNumber(f[0]) ? numbers.error
                                                     : "\"" + std::string(f[0].substr(0, 40)) +
                                                           "\" is neither data, a comment, an "
                                                           "option line nor a keyword");
      return;
    }
    if (m_referencesWanted > 0) {
      referenceValues(numbers.values, n);
      return;
    }
    if (m_section == Section::Noise) {
      noiseLine(numbers.values, n);
      return;
    }
    if (m_version2 && m_section != Section::Network) {
      m_result = refusedAt(n, "numbers before [Network Data]");
      return;
    }
    dataLine(numbers.values, n);
  }

  // The option line's fields; the most recent option line applies.
  void optionLine(const std::string& line, std::size_t n)
  {
    const std::vector<std::string_view> f = fields(std::string_view(line).substr(1));
    for (std::size_t i = 0; i < f.size(); ++i) {
      const std::string_view t = f[i];
      if (t == "HZ" || t == "KHZ" || t == "MHZ" || t == "GHZ" || t == "THZ") {
        m_multiplier = t == "HZ"    ? 1.0
                       : t == "KHZ" ? 1e3
                       : t == "MHZ" ? 1e6
                       : t == "GHZ" ? 1e9
                                    : 1e12;
      } else if (t == "MA") {
        m_format = Format::MagnitudeAngle;
      } else if (t == "DB") {
        m_format = Format::DecibelAngle;
      } else if (t == "RI") {
        m_format = Format::RealImaginary;
      } else if (t == "Y" || t == "Z" || t == "H" || t == "G") {
        m_result = refusedAt(n, "the file holds " + std::string(t) +
                                    " parameters, only S parameters can be read");
        return;
      } else if (t == "R") {
        const std::optional<double> z = i + 1 < f.size() ? dataNumber(f[i + 1]) : std::nullopt;
        if (!z || !(*z > 0.0)) {
          m_result = refusedAt(n, "the reference impedance after R must be a number above 0");
          return;
        }
        m_reference = *z;
        ++i;
      }
      // Anything else (the "S" of S-parameters, words of odd writers) changes nothing.
    }
  }

  void keywordLine(const std::string& line, std::size_t n)
  {
    const std::size_t close = line.find(']');
    if (close == std::string::npos) {
      m_result = refusedAt(n, "a keyword without its closing \"]\"");
      return;
    }
    // Blanks inside the brackets vary between writers: compare the words only.
    std::string key;
    for (std::string_view w : fields(std::string_view(line).substr(1, close - 1))) {
      key += (key.empty() ? "" : " ") + std::string(w);
    }
    const std::vector<std::string_view> args = fields(std::string_view(line).substr(close + 1));
    m_referencesWanted = 0;
    if (key == "VERSION") {
      m_version2 = true;
    } else if (key == "NUMBER OF PORTS") {
      const std::optional<double> p = args.empty() ? std::nullopt : dataNumber(args[0]);
      if (!p || *p != std::floor(*p) || *p < 1) {
        m_result = refusedAt(n, "[Number of Ports] needs a whole number");
      } else if (*p > 2) {
        m_result.error = portsRefusal(static_cast<long long>(std::min(*p, 1e15)));
      } else {
        m_ports = static_cast<int>(*p);
      }
    } else if (key == "TWO-PORT DATA ORDER") {
      if (args.size() == 1 && (args[0] == "12_21" || args[0] == "21_12")) {
        m_order12_21 = args[0] == "12_21";
      } else {
        m_result = refusedAt(n, "[Two-Port Data Order] is 12_21 or 21_12");
      }
    } else if (key == "NUMBER OF FREQUENCIES") {
      const std::optional<double> c = args.empty() ? std::nullopt : dataNumber(args[0]);
      if (!c || *c != std::floor(*c) || *c < 1 || *c > 1e9) {
        m_result = refusedAt(n, "[Number of Frequencies] needs a whole number above 0");
      } else {
        m_declaredPoints = static_cast<int>(*c);
      }
    } else if (key == "REFERENCE") {
      m_references.clear();
      m_referencesWanted = m_ports > 0 ? m_ports : 2;
      const DataFields z = dataNumbers(args);
      if (!z.error.empty()) {
        m_result = refusedAt(n, z.error);
        return;
      }
      referenceValues(z.values, n);
      if (m_ports == 0) {
        m_referencesWanted = 0; // without a port count the line holds them all
      }
    } else if (key == "MATRIX FORMAT") {
      const std::string_view form = args.empty() ? std::string_view() : args[0];
      if (form == "FULL" || form == "LOWER" || form == "UPPER") {
        m_matrix = form == "FULL" ? Matrix::Full : form == "LOWER" ? Matrix::Lower : Matrix::Upper;
      } else {
        m_result = refusedAt(n, "[Matrix Format] is Full, Lower or Upper");
      }
    } else if (key == "NETWORK DATA") {
      m_section = Section::Network;
    } else if (key == "NOISE DATA") {
      m_section = Section::Noise;
    } else if (key == "END") {
      m_done = true;
    } else if (key == "BEGIN INFORMATION") {
      m_inInformation = true;
    }
    // Other keywords ([Number of Noise Frequencies], [Mixed-Mode Order], ...) change nothing
    // a 1-port or 2-port network needs.
  }

  // [Reference] values, on its own line and on the lines after it.
  void referenceValues(const std::vector<double>& z, std::size_t n)
  {
    for (double v : z) {
      if (!(v > 0.0)) {
        m_result = refusedAt(n, "a reference impedance must be above 0");
        return;
      }
      if (m_referencesWanted <= 0 && m_ports > 0) {
        m_result = refusedAt(n, "more reference impedances than ports");
        return;
      }
      m_references.push_back(v);
      --m_referencesWanted;
    }
  }

  void askForMissingOptions()
  {
    if (m_multiplier > 0 && m_format != Format::Unset) {
      return;
    }
    // Ask once, before the first point; what the option line did give is kept.
    const SParameterFormatChoice choice = m_prompts.sParameterFormat();
    if (m_multiplier < 0) {
      m_multiplier = unitMultiplier(choice.units);
    }
    if (m_format == Format::Unset) {
      m_format = choice.magnitudeAngle ? Format::MagnitudeAngle : Format::RealImaginary;
    }
  }

  std::size_t recordSize() const
  {
    if (m_ports == 1) {
      return 3;
    }
    return m_matrix == Matrix::Full ? 9 : 7;
  }

  void dataLine(const std::vector<double>& values, std::size_t n)
  {
    askForMissingOptions();
    if (m_record.empty()) {
      const double f = finiteValue(values[0] * m_multiplier);
      // Version 1 puts a 2-port's noise parameters after its S-parameters; they start at a
      // frequency not above the last one.
      if (!m_version2 && m_ports == 2 && !m_buffer.points.empty() &&
          f <= m_buffer.points.last().freq) {
        // Anything but a noise parameter line there ends the data, as it always has.
        if (values.size() == 5) {
          m_section = Section::Noise;
          noiseLine(values, n);
        } else {
          m_done = true;
        }
        return;
      }
      // A record beyond the set's capacity: the data are cut here, and the result says so.
      if (m_buffer.points.count() >= kMaxTouchstonePoints) {
        m_truncated = true;
        m_done = true;
        return;
      }
      if (m_ports == 0) {
        if (values.size() != 3 && values.size() != 9) {
          m_result = refusedAt(n, "a data line holds 3 numbers (1-port) or 9 (2-port), this one " +
                                      std::to_string(values.size()));
          return;
        }
        m_ports = values.size() == 3 ? 1 : 2;
      }
      m_recordLine = n;
    }
    m_record.insert(m_record.end(), values.begin(), values.end());
    const std::size_t size = recordSize();
    // A version 1 record is one line; a version 2 record may continue on the next lines but
    // never shares a line with the next record.
    if ((!m_version2 && m_record.size() != size) || m_record.size() > size) {
      m_result = refusedAt(m_recordLine, "a " + std::to_string(m_ports) + "-port record holds " +
                                             std::to_string(size) + " numbers, this one " +
                                             std::to_string(m_record.size()));
      return;
    }
    if (m_record.size() == size) {
      storeRecord();
      m_record.clear();
    }
  }

  void storeRecord()
  {
    TwoPortPoint p;
    p.freq = finiteValue(m_record[0] * m_multiplier);
    if (p.freq < 0.0) {
      m_result = refusedAt(m_recordLine, "the frequency is below zero");
      return;
    }
    if (m_format == Format::MagnitudeAngle) {
      for (std::size_t k = 1; k < m_record.size(); k += 2) {
        if (m_record[k] < 0.0) {
          m_result = refusedAt(m_recordLine, "a magnitude is below zero");
          return;
        }
      }
    }
    if (!m_buffer.points.empty() && !(p.freq > m_buffer.points.last().freq)) {
      m_result = refusedAt(m_recordLine, "the frequency is not above the one before");
      return;
    }
    const auto pair = [this](std::size_t k) {
      return pairValue(m_record[1 + 2 * k], m_record[2 + 2 * k], m_format);
    };
    p.s11 = pair(0);
    if (m_ports == 2) {
      if (m_matrix == Matrix::Full) {
        p.s21 = pair(m_order12_21 ? 2 : 1);
        p.s12 = pair(m_order12_21 ? 1 : 2);
        p.s22 = pair(3);
      } else {
        // A reciprocal network written as one triangle of its matrix.
        p.s21 = p.s12 = pair(1);
        p.s22 = pair(2);
      }
    }
    m_buffer.points.append(p);
  }

  // One line of noise parameters: frequency, NFmin in dB, |Gamma-opt|, its angle in degrees
  // and Rn normalised to the reference impedance (port 1's), in rising frequency.
  void noiseLine(const std::vector<double>& values, std::size_t n)
  {
    if (values.size() != 5) {
      m_result = refusedAt(n, "a noise parameter line holds 5 numbers, this one " +
                                  std::to_string(values.size()));
      return;
    }
    NoisePoint p;
    p.freq = finiteValue(values[0] * m_multiplier);
    if (!m_noise.empty() && !(p.freq > m_noise.back().freq)) {
      m_result = refusedAt(n, "the noise frequency is not above the one before");
      return;
    }
    if (values[2] < 0.0 || values[4] < 0.0) {
      m_result = refusedAt(n, "|Gamma-opt| and Rn must not be below zero");
      return;
    }
    p.nfminDb = values[1];
    p.gammaOpt = MagnitudeAngle{values[2], finiteValue(values[3] * kDegToRad)};
    p.rn = values[4]; // normalised until the reference is known
    m_noise.push_back(p);
  }

  // Gamma-opt against the file's reference (port 1's) re-expressed against 50 ohm, Rn in ohm.
  void noiseToFiftyOhm(double z)
  {
    for (NoisePoint& p : m_noise) {
      p.rn *= z;
      if (z == kDataReference) {
        continue;
      }
      TwoPortPoint one;
      one.s11 = p.gammaOpt;
      p.gammaOpt = referredTo(one, 1, z, z, kDataReference).s11;
    }
  }

  void referToFiftyOhm()
  {
    double z1 = m_reference;
    double z2 = m_reference;
    if (!m_references.empty()) {
      if (m_ports > 0 && static_cast<int>(m_references.size()) < m_ports) {
        m_result.error = "[Reference] gives fewer impedances than the file has ports; the file "
                         "was not read.";
        return;
      }
      z1 = m_references[0];
      z2 = m_references.size() > 1 ? m_references[1] : z1;
    }
    const int ports = m_ports == 1 ? 1 : 2;
    noiseToFiftyOhm(z1);
    if (z1 == kDataReference && (ports == 1 || z2 == kDataReference)) {
      return;
    }
    for (TwoPortPoint& p : m_buffer.points) {
      p = referredTo(p, ports, z1, z2, kDataReference);
    }
    m_result.note = conversionNote(ports, z1, z2, kDataReference);
  }

  TwoPortDataSet& m_buffer;
  Prompts& m_prompts;
  SParamReadResult m_result;
  double m_multiplier = -1.0; // unset
  Format m_format = Format::Unset;
  double m_reference = kDataReference; // the option line's R
  bool m_version2 = false;
  int m_ports = 0; // unknown until [Number of Ports] or the first record
  bool m_order12_21 = false;
  Matrix m_matrix = Matrix::Full;
  Section m_section = Section::Header;
  int m_declaredPoints = -1;
  std::vector<double> m_references; // [Reference]
  int m_referencesWanted = 0;       // still to come on the lines after [Reference]
  bool m_inInformation = false;
  bool m_done = false;
  bool m_truncated = false;
  std::vector<double> m_record;    // the record being read
  std::vector<NoisePoint> m_noise; // the noise parameters read
  std::size_t m_recordLine = 0;    // where it started
};

} // namespace

SParamReadResult readTouchstone(const std::vector<std::string_view>& lines,
                                std::string_view fileName, TwoPortDataSet& buffer, Prompts& prompts)
{
  return TouchstoneReader(buffer, prompts).read(lines, fileName);
}

} // namespace norvane::sparamfile
