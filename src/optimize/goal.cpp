#include "optimize/goal.h"

#include "numbers/numbertext.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <vector>

namespace norvane {
namespace {

struct MeasureName
{
  std::string_view name;
  GoalMeasure measure;
};

constexpr std::array<MeasureName, 12> kMeasures{{{"S11", GoalMeasure::S11},
                                                 {"S21", GoalMeasure::S21},
                                                 {"S12", GoalMeasure::S12},
                                                 {"S22", GoalMeasure::S22},
                                                 {"VSWR1", GoalMeasure::Vswr1},
                                                 {"VSWR2", GoalMeasure::Vswr2},
                                                 {"K", GoalMeasure::K},
                                                 {"MU1", GoalMeasure::Mu1},
                                                 {"MU2", GoalMeasure::Mu2},
                                                 {"MAG", GoalMeasure::Mag},
                                                 {"GD21", GoalMeasure::Gd21},
                                                 {"NF", GoalMeasure::Nf}}};

constexpr const char* kMeasureList =
    "S11, S21, S12, S22, VSWR1, VSWR2, K, MU1, MU2, MAG, GD21, NF";

bool isSParameter(GoalMeasure m)
{
  return m == GoalMeasure::S11 || m == GoalMeasure::S21 || m == GoalMeasure::S12 ||
         m == GoalMeasure::S22;
}

std::string_view unitName(GoalUnit u)
{
  switch (u) {
  case GoalUnit::Db:
    return "dB";
  case GoalUnit::Mag:
    return "mag";
  case GoalUnit::Deg:
    return "deg";
  case GoalUnit::Seconds:
    return "s";
  case GoalUnit::None:
    break;
  }
  return "";
}

std::string upper(std::string_view s)
{
  std::string u(s);
  std::transform(u.begin(), u.end(), u.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return u;
}

bool sameWord(std::string_view a, std::string_view b)
{
  return upper(a) == upper(b);
}

// The words of a goal; a relation is a word of its own even when written against its
// neighbours ("S21 dB>=-0.5").
std::vector<std::string> words(std::string_view text)
{
  std::string spaced;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '<' || c == '>' || c == '=') {
      const bool pair = (c != '=') && i + 1 < text.size() && text[i + 1] == '=';
      spaced += ' ';
      spaced += c;
      if (pair) {
        spaced += '=';
        ++i;
      }
      spaced += ' ';
    } else {
      spaced += (c == '\t' ? ' ' : c);
    }
  }
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < spaced.size()) {
    const std::size_t start = spaced.find_first_not_of(' ', pos);
    if (start == std::string::npos) {
      break;
    }
    const std::size_t end = spaced.find(' ', start);
    out.push_back(spaced.substr(start, end == std::string::npos ? end : end - start));
    pos = end == std::string::npos ? spaced.size() : end;
  }
  return out;
}

class GoalParser
{
public:
  explicit GoalParser(std::vector<std::string> w) : m_words(std::move(w)) {}

  GoalReading run()
  {
    Goal g;
    if (!measure(g) || !unit(g) || !relation(g) || !target(g) || !band(g) || !weight(g)) {
      return {std::nullopt, m_problem};
    }
    if (m_next < m_words.size()) {
      return {std::nullopt, "unexpected '" + m_words[m_next] + "' after the goal"};
    }
    return {g, {}};
  }

private:
  bool fail(std::string problem)
  {
    m_problem = std::move(problem);
    return false;
  }

  // The next word, or nullptr at the end.
  const std::string* peek() const { return m_next < m_words.size() ? &m_words[m_next] : nullptr; }

  bool measure(Goal& g)
  {
    const std::string* w = peek();
    if (w == nullptr) {
      return fail(std::string("empty goal: it starts with a measure (") + kMeasureList + ")");
    }
    for (const MeasureName& m : kMeasures) {
      if (sameWord(*w, m.name)) {
        g.measure = m.measure;
        ++m_next;
        return true;
      }
    }
    return fail("unknown measure '" + *w + "' (" + kMeasureList + ")");
  }

  bool unit(Goal& g)
  {
    const std::string* w = peek();
    std::string_view expected;
    std::vector<GoalUnit> allowed;
    if (isSParameter(g.measure)) {
      allowed = {GoalUnit::Db, GoalUnit::Mag, GoalUnit::Deg};
      expected = "dB, mag or deg";
    } else if (g.measure == GoalMeasure::Mag || g.measure == GoalMeasure::Nf) {
      allowed = {GoalUnit::Db};
      expected = "dB";
    } else if (g.measure == GoalMeasure::Gd21) {
      allowed = {GoalUnit::Seconds};
      expected = "s";
    } else {
      g.unit = GoalUnit::None;
      return true; // VSWR, K and mu are plain numbers
    }
    for (const GoalUnit u : allowed) {
      if (w != nullptr && sameWord(*w, unitName(u))) {
        g.unit = u;
        ++m_next;
        return true;
      }
    }
    g.unit = GoalUnit::None;
    const std::string name = goalMeasureText(g);
    return fail((w == nullptr ? std::string("missing unit") : "unknown unit '" + *w + "'") +
                " after " + name + " (" + std::string(expected) + ")");
  }

  bool relation(Goal& g)
  {
    const std::string* w = peek();
    if (w != nullptr && (*w == "<=" || *w == ">=" || *w == "=")) {
      g.relation = *w == "<=" ? GoalRelation::AtMost
                              : (*w == ">=" ? GoalRelation::AtLeast : GoalRelation::Equal);
      ++m_next;
      return true;
    }
    return fail(
        (w == nullptr ? std::string("missing relation") : "'" + *w + "' is not a relation") +
        " after " + goalMeasureText(g) + " (<=, >= or =)");
  }

  bool number(const char* what, std::string_view unit, double& value)
  {
    const std::string* w = peek();
    if (w == nullptr) {
      return fail(std::string("missing ") + what);
    }
    const NumberReading n = readNumber(*w, NumberRules::Entry(unit));
    if (!n.ok || !std::isfinite(n.value)) {
      return fail("'" + *w + "' is not " + what);
    }
    value = n.value;
    ++m_next;
    return true;
  }

  bool target(Goal& g)
  {
    return number("a number (the goal's value)",
                  g.unit == GoalUnit::Seconds ? std::string_view("s") : std::string_view(),
                  g.target);
  }

  bool frequency(double& f)
  {
    if (!number("a frequency (e.g. 433MHz)", "Hz", f)) {
      return false;
    }
    if (f < 0.0) {
      return fail("'" + m_words[m_next - 1] + "' is below zero (a frequency, e.g. 433MHz)");
    }
    return true;
  }

  bool keyword(std::string_view word)
  {
    const std::string* w = peek();
    if (w != nullptr && sameWord(*w, word)) {
      ++m_next;
      return true;
    }
    return false;
  }

  bool band(Goal& g)
  {
    if (keyword("at")) {
      g.single = true;
      if (!frequency(g.from)) {
        return false;
      }
      g.to = g.from;
      return true;
    }
    if (!keyword("from")) {
      const std::string* w = peek();
      return fail(w == nullptr ? std::string("missing 'at F' or 'from F1 to F2' after the value")
                               : "'" + *w + "' where 'at' or 'from' was expected");
    }
    if (!frequency(g.from)) {
      return false;
    }
    if (!keyword("to")) {
      const std::string* w = peek();
      return fail(w == nullptr ? std::string("missing 'to' and the band's upper frequency")
                               : "'" + *w + "' where 'to' was expected");
    }
    if (!frequency(g.to)) {
      return false;
    }
    if (g.to < g.from) {
      return fail("the band ends at '" + m_words[m_next - 1] + "', below its start");
    }
    return true;
  }

  bool weight(Goal& g)
  {
    if (!keyword("weight")) {
      return true;
    }
    if (!number("a weight (a number above zero)", {}, g.weight)) {
      return false;
    }
    if (!(g.weight > 0.0)) {
      return fail("'" + m_words[m_next - 1] + "' is not a weight above zero");
    }
    return true;
  }

  std::vector<std::string> m_words;
  std::size_t m_next = 0;
  std::string m_problem;
};

std::string frequencyText(double f)
{
  return formatNumber(f, NumberFormat::Significant(15)) + "Hz";
}

} // namespace

GoalReading parseGoal(std::string_view text)
{
  return GoalParser(words(text)).run();
}

std::string goalMeasureText(const Goal& goal)
{
  std::string text;
  for (const MeasureName& m : kMeasures) {
    if (m.measure == goal.measure) {
      text = m.name;
    }
  }
  if (goal.unit != GoalUnit::None) {
    text += ' ';
    text += unitName(goal.unit);
  }
  return text;
}

std::string formatGoal(const Goal& goal)
{
  std::string text = goalMeasureText(goal);
  text += goal.relation == GoalRelation::AtMost
              ? " <= "
              : (goal.relation == GoalRelation::AtLeast ? " >= " : " = ");
  text += goal.unit == GoalUnit::Seconds
              ? formatNumber(goal.target, NumberFormat::Significant(15)) + "s"
              : formatNumber(goal.target, NumberFormat::Shortest());
  if (goal.single) {
    text += " at " + frequencyText(goal.from);
  } else {
    text += " from " + frequencyText(goal.from) + " to " + frequencyText(goal.to);
  }
  if (goal.weight != 1.0) {
    text += " weight " + formatNumber(goal.weight, NumberFormat::Shortest());
  }
  return text;
}

} // namespace norvane
