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

// The answer of the "S parameter File Error" dialog, asked when an S-parameter file gives no
// frequency unit or data format: one of "Hz", "kHz", "MHz", "GHz", "THz", and whether
// "Magnitude/Angle" (true) or "Real/Imaginary" (false) is checked.
struct SParameterFormatChoice {
  std::string units = "MHz";
  bool magnitudeAngle = true;
};

class Prompts {
public:
  virtual ~Prompts() = default;

  // Modal boxes with an OK button.
  virtual void error(const std::string& text) = 0;
  virtual void warning(const std::string& text) = 0;
  virtual void information(const std::string& text) = 0;

  // A confirmation with Yes and No (and Cancel when withCancel is set).
  virtual Answer question(const std::string& text, bool withCancel = false) = 0;

  // A warning with OK and Cancel; true for OK. Scripts answer it as a question (Yes is OK).
  virtual bool confirm(const std::string& text) { return question(text) == Answer::Yes; }

  // File dialogs. `filter` is in the dialog's "Description|*.ext|..." form. Empty on cancel.
  virtual std::optional<std::string> openFileName(const std::string& title,
                                                  const std::string& filter) = 0;
  virtual std::optional<std::string> saveFileName(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& suggested) = 0;

  // The system beep (used by the bounded number readers when they clamp).
  virtual void beep() {}

  // The "S parameter File Error" dialog: asks for the frequency unit and data format of an
  // S-parameter file that names none. The dialog opens preset to "MHz" and
  // "Magnitude/Angle", which is also the answer when nobody can be asked.
  virtual SParameterFormatChoice sParameterFormat() { return {}; }
};

}  // namespace norvane
