#pragma once
// What one calculation of a calculator window has to tell the user: a beep when an input
// was clamped to its limits, one error box naming every page that could not be calculated,
// and an information box.

#include <string>
#include <string_view>

namespace norvane {

class FieldReader;
class Prompts;

struct CalcNotices
{
  bool beep = false;
  std::string error;       // one line per failed page; "" when all went well
  std::string information; // "" when there is nothing to tell

  // Adds the line "<page>: <Problem>." to the error text.
  void addError(std::string_view page, std::string_view problem);
  // Adds a line that already names its page.
  void addErrorLine(std::string_view line);
  // Notes one calculated page: the reader's beep, and its first unreadable field or else the
  // calculation's error.
  void notePage(const FieldReader& reader, std::string_view page, std::string_view calcError);
};

// Beeps, then shows the error box, then the information box, each only when it has content.
void showNotices(const CalcNotices& notices, Prompts& prompts);

} // namespace norvane
