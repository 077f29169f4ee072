#pragma once
// Prompts answered from a script, for the tests and benchmarks. Every message is
// recorded in order; questions and file dialogs take the queued answers, then the defaults.

#include "platform/prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace norvane {

class ScriptedPrompts : public Prompts {
public:
  enum class Kind { Error, Warning, Information, Question };
  struct Message {
    Kind kind;
    std::string text;
  };

  void error(const std::string& text) override;
  void warning(const std::string& text) override;
  void information(const std::string& text) override;
  Answer question(const std::string& text, bool withCancel = false) override;
  std::optional<std::string> openFileName(const std::string& title,
                                          const std::string& filter) override;
  std::optional<std::string> saveFileName(const std::string& title, const std::string& filter,
                                          const std::string& suggested) override;
  void beep() override { ++beeps; }
  // Recorded as a Question with the dialog's caption, "S parameter File Error".
  SParameterFormatChoice sParameterFormat() override;

  // Script.
  std::deque<Answer> answers;                     // next answers to questions
  Answer defaultAnswer = Answer::No;              // when the queue is empty
  std::deque<std::optional<std::string>> fileNames;  // next file-dialog results (nullopt = cancel)
  std::deque<SParameterFormatChoice> sParameterFormats;  // next S-parameter format answers

  // Record.
  std::vector<Message> messages;
  int beeps = 0;
  // When set, every message is also echoed to standard error (the command-line tool).
  bool echoToStderr = false;

  bool saw(const std::string& text) const;  // any message with exactly this text
  std::string lastText() const;             // the newest message text, or ""

private:
  void record(Kind kind, const std::string& text);
};

}  // namespace norvane
