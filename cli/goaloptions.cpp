#include "goaloptions.h"

#include <charconv>
#include <ostream>

namespace norvane::cli {

bool parseWhole(const std::string& text, unsigned long long max, unsigned long long& value)
{
  const char* first = text.data();
  const char* last = first + text.size();
  const auto [end, ec] = std::from_chars(first, last, value);
  return ec == std::errc() && end == last && value <= max;
}

std::vector<Goal> storedGoals(const Schematic& doc, const std::string& input, CommandIo& io)
{
  std::vector<Goal> goals;
  for (const std::string& text : doc.goals) {
    const GoalReading r = parseGoal(text);
    if (r.goal) {
      goals.push_back(*r.goal);
    } else {
      io.err << input << ": goal \"" << text << "\" skipped: " << r.problem << "\n";
    }
  }
  return goals;
}

} // namespace norvane::cli
