#include "numbers/toleranceeditlogic.h"

#include "numbers/valuetext.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace norvane {

namespace {

// Converted tolerances of extreme values stay finite, like every parsed number.
double finite(double x)
{
  constexpr double kLargest = std::numeric_limits<double>::max();
  if (std::isnan(x)) return 0.0;
  return std::clamp(x, -kLargest, kLargest);
}

} // namespace

void ToleranceEditLogic::validate()
{
  m_problem.clear();
  // "(max,min)": both parts are read as numbers in percent or in the value's unit, so signs
  // and prefixes are accepted; a part that is not a number keeps both tolerances.
  const std::size_t open = m_text.find('(');
  std::string_view numberText = m_text;
  if (open != std::string::npos) {
    numberText = numberText.substr(0, open);
    const std::size_t comma = m_text.find(',', open + 1);
    const std::size_t close = comma == std::string::npos ? comma : m_text.find(')', comma + 1);
    if (close != std::string::npos) {
      const std::string_view unit = m_tolerancePercent ? std::string_view("%") : Units;
      const std::string_view maxText = std::string_view(m_text).substr(open + 1, comma - open - 1);
      const std::string_view minText =
          std::string_view(m_text).substr(comma + 1, close - comma - 1);
      // A part still as the field showed it keeps the tolerance it stands for exactly.
      double upper = maxtol;
      double lower = mintol;
      bool read = true;
      if (!unedited(maxText, m_shownMax)) {
        const NumberReading r = readNumber(maxText, NumberRules::Entry(unit));
        if (r.ok) {
          upper = r.value;
        } else {
          refuse(maxText, r.problem);
          read = false;
        }
      }
      if (read && !unedited(minText, m_shownMin)) {
        const NumberReading r = readNumber(minText, NumberRules::Entry(unit));
        if (r.ok) {
          lower = r.value;
        } else {
          refuse(minText, r.problem);
          read = false;
        }
      }
      if (read) {
        maxtol = upper;
        mintol = lower;
      }
    }
  }

  // The value is the text before the bracket.
  const std::string problem = m_problem;
  validateNumber(std::string(numberText));
  if (m_problem.empty()) m_problem = problem;
  const TextSelection numberPart = m_selection;

  m_shownMax.clear();
  m_shownMin.clear();
  if (m_toleranceEnabled) {
    const auto shown = [this](double tol) {
      return signedText(formatEngineering(DecimalPlaces, tol));
    };
    if (m_tolerancePercent) {
      // A percentage of a zero value means nothing: show 0 rather than the stored numbers.
      const bool zeroValue = m_value == 0.0;
      m_shownMax = zeroValue ? std::string("0") : shown(maxtol);
      m_shownMin = (zeroValue ? std::string("0") : shown(mintol)) + "%";
    } else {
      m_shownMax = shown(maxtol);
      m_shownMin = shown(mintol) + Units;
    }
    m_text += " (" + m_shownMax + "," + m_shownMin + ")";
    // The 0 shown for a zero value stands for no stored tolerance: it is read as it stands.
    if (m_tolerancePercent && m_value == 0.0) {
      m_shownMax.clear();
      m_shownMin.clear();
    }
  }
  m_selection = numberPart;
  m_shown = m_text;
}

void ToleranceEditLogic::rebuildText()
{
  m_text = formatEngineering(DecimalPlaces, m_value) + Units;
  validate();
}

void ToleranceEditLogic::setToleranceEnabled(bool enabled)
{
  m_toleranceEnabled = enabled;
  validate();
}

void ToleranceEditLogic::setTolerancePercent(bool percent)
{
  if (m_toleranceEnabled) validate();
  if (percent != m_tolerancePercent) {
    if (percent) {
      // Relative to a zero value every tolerance is 0 % (and never a division by zero).
      if (m_value != 0.0) {
        mintol = finite(mintol / m_value * 100.0);
        maxtol = finite(maxtol / m_value * 100.0);
      } else {
        mintol = 0.0;
        maxtol = 0.0;
      }
    } else {
      mintol = finite(mintol * m_value / 100.0);
      maxtol = finite(maxtol * m_value / 100.0);
    }
    m_tolerancePercent = percent;
  }
  if (m_toleranceEnabled) rebuildText();
}

void ToleranceEditLogic::settolValues(const ToleranceFields& fields)
{
  maxtol = fields.maxtol;
  mintol = fields.mintol;
  // The percent flag is stored before the value is shown, so the bracket is built in the
  // record's own form and the tolerances are not converted.
  m_tolerancePercent = fields.TolPercent;
  Setvalue(fields.nom);
  setToleranceEnabled(fields.TolEn);
}

ToleranceFields ToleranceEditLogic::gettolValues()
{
  const double nom = Getvalue();
  return {nom, mintol, maxtol, m_toleranceEnabled, m_tolerancePercent};
}

} // namespace norvane
