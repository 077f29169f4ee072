#pragma once
// The answers and messages of a simulation run on the command line: every message box goes
// to standard error, a question takes its default answer (No) unless the command line said
// otherwise, and file dialogs are cancelled.

#include "platform/prompts.h"

#include <ostream>
#include <string>

namespace norvane::cli {

class SimulatePrompts : public Prompts
{
public:
  SimulatePrompts(std::ostream& err, Answer questionAnswer = Answer::No)
      : m_err(err), m_answer(questionAnswer)
  {
  }

  void error(const std::string& text) override { write(text); }
  void warning(const std::string& text) override { write(text); }
  void information(const std::string& text) override { write(text); }
  Answer question(const std::string& text, bool withCancel = false) override
  {
    (void)withCancel;
    write(text + (m_answer == Answer::Yes ? " Yes" : " No"));
    return m_answer;
  }
  std::optional<std::string> openFileName(const std::string&, const std::string&) override
  {
    return std::nullopt;
  }
  std::optional<std::string> saveFileName(const std::string&, const std::string&,
                                          const std::string&) override
  {
    return std::nullopt;
  }

  int messageCount() const { return m_count; }

private:
  // A message box breaks its lines at carriage returns; a terminal needs line feeds.
  void write(std::string text)
  {
    for (char& c : text) {
      if (c == '\r') {
        c = '\n';
      }
    }
    m_err << text << '\n';
    ++m_count;
  }

  std::ostream& m_err;
  Answer m_answer;
  int m_count = 0;
};

} // namespace norvane::cli
