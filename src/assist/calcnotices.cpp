#include "assist/calcnotices.h"

#include "numbers/boundedreader.h"
#include "platform/prompts.h"

#include <cctype>

namespace norvane {

void CalcNotices::addErrorLine(std::string_view line)
{
  if (line.empty()) return;
  if (!error.empty()) error += '\n';
  error += line;
}

void CalcNotices::addError(std::string_view page, std::string_view problem)
{
  if (problem.empty()) return;
  std::string line(page);
  line += ": ";
  std::string text(problem);
  text.front() = static_cast<char>(std::toupper(static_cast<unsigned char>(text.front())));
  line += text;
  if (line.back() != '.') line += '.';
  addErrorLine(line);
}

void CalcNotices::notePage(const FieldReader& reader, std::string_view page,
                           std::string_view calcError)
{
  if (reader.beep()) beep = true;
  if (reader.failed())
    addErrorLine(reader.error());
  else
    addError(page, calcError);
}

void showNotices(const CalcNotices& notices, Prompts& prompts)
{
  if (notices.beep) prompts.beep();
  if (!notices.error.empty()) prompts.error(notices.error);
  if (!notices.information.empty()) prompts.information(notices.information);
}

} // namespace norvane
