#pragma once
// Everything that would stop and wait for the user goes through Prompts: message boxes,
// Yes/No/Cancel questions and file-name dialogs. The desktop program shows real dialogs;
// the command-line tool and the tests answer from a script, so the core never blocks.
//
// Texts are in the document's 8-bit character set (Latin-1); the Qt layer converts them.

#include <optional>
#include <string>

namespace norvane {

enum class Answer { Yes, No, Cancel };

class Prompts {
public:
  virtual ~Prompts() = default;

  // Modal boxes with an OK button.
  virtual void error(const std::string& text) = 0;
  virtual void warning(const std::string& text) = 0;
  virtual void information(const std::string& text) = 0;

  // A confirmation with Yes and No (and Cancel when withCancel is set).
  virtual Answer question(const std::string& text, bool withCancel = false) = 0;

  // File dialogs. `filter` is in the dialog's "Description|*.ext|..." form. Empty on cancel.
  virtual std::optional<std::string> openFileName(const std::string& title,
                                                  const std::string& filter) = 0;
  virtual std::optional<std::string> saveFileName(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& suggested) = 0;

  // The system beep (used by the bounded number readers when they clamp).
  virtual void beep() {}
};

}  // namespace norvane
