#include "support/scriptedprompts.h"

#include <cstdio>

namespace norvane {

void ScriptedPrompts::record(Kind kind, const std::string& text)
{
  messages.push_back({kind, text});
  if (echoToStderr) {
    std::fprintf(stderr, "%s\n", text.c_str());
  }
}

void ScriptedPrompts::error(const std::string& text) { record(Kind::Error, text); }
void ScriptedPrompts::warning(const std::string& text) { record(Kind::Warning, text); }
void ScriptedPrompts::information(const std::string& text) { record(Kind::Information, text); }

Answer ScriptedPrompts::question(const std::string& text, bool withCancel)
{
  record(Kind::Question, text);
  Answer a = defaultAnswer;
  if (!answers.empty()) {
    a = answers.front();
    answers.pop_front();
  }
  if (a == Answer::Cancel && !withCancel) {
    a = Answer::No;
  }
  return a;
}

std::optional<std::string> ScriptedPrompts::openFileName(const std::string&, const std::string&)
{
  if (fileNames.empty()) {
    return std::nullopt;
  }
  auto name = fileNames.front();
  fileNames.pop_front();
  return name;
}

std::optional<std::string> ScriptedPrompts::saveFileName(const std::string& title,
                                                         const std::string& filter,
                                                         const std::string&)
{
  return openFileName(title, filter);
}

SParameterFormatChoice ScriptedPrompts::sParameterFormat()
{
  record(Kind::Question, "S parameter File Error");
  if (sParameterFormats.empty()) {
    return {};
  }
  SParameterFormatChoice choice = sParameterFormats.front();
  sParameterFormats.pop_front();
  return choice;
}

bool ScriptedPrompts::saw(const std::string& text) const
{
  for (const auto& m : messages) {
    if (m.text == text) {
      return true;
    }
  }
  return false;
}

std::string ScriptedPrompts::lastText() const
{
  return messages.empty() ? std::string() : messages.back().text;
}

}  // namespace norvane
