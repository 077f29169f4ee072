#pragma once
// The frame shared by the Match, Attenuator and Filter windows: a modeless window made once,
// keeping its inputs; its private circuit and the preview that shows it; the "Calculate",
// "Close" and "Simulate" buttons. Simulate asks before a modified schematic is overwritten,
// calculates once more and hands the circuit to the main window, which writes it into the
// document and simulates it.

#include "assist/assistantcircuit.h"

#include <QDialog>

#include <functional>

class QPushButton;
class QHBoxLayout;

namespace norvane {

class AssistantPreview;
class Prompts;

inline constexpr const char* kMsgOverwriteSchematic = "Current schematic will be overwritten";

// How the written schematic differs between the assistants.
struct AssistantWriteOptions
{
  bool closeGraph = true;   // close the graph window before writing
  bool setModified = false; // mark the new schematic modified
};

// What the windows need from the main window.
struct AssistantLinks
{
  std::function<bool()> documentModified;
  // Writes the circuit into the document and simulates it.
  std::function<void(const AssistantCircuit&, const AssistantWriteSettings&,
                     const AssistantWriteOptions&)>
      writeAndSimulate;
};

class AssistantWindow : public QDialog
{
  Q_OBJECT

public:
  void setLinks(AssistantLinks links) { m_links = std::move(links); }
  // Brings the window up (shown, raised and active).
  void showAssistant();

  const AssistantCircuit& circuit() const { return m_circuit; }
  AssistantPreview* preview() const { return m_preview; }
  QPushButton* calculateButton() const { return m_calculate; }
  QPushButton* simulateButton() const { return m_simulate; }
  QPushButton* closeButton() const { return m_close; }

  // Reads the fields and designs; a refusal is shown and leaves the circuit as it was.
  // Returns true when the circuit was rebuilt.
  bool calculate();
  // The "Simulate" button.
  void simulate();
  // An automatic calculation (on activation): skipped while the inputs are those of the last
  // calculation, so a refusal's message box, handing the activation back, does not return.
  void calculateIfChanged();

protected:
  AssistantWindow(const QString& caption, const Environment& env, Prompts& prompts,
                  QWidget* parent);

  // The design from the fields: the new circuit, or the message to show (empty: a silent
  // stop). Called by calculate().
  struct Design
  {
    bool built = false;
    std::string error;
    AssistantCircuit circuit;
  };
  virtual Design design() = 0;
  virtual AssistantWriteSettings writeSettings() const = 0;
  virtual AssistantWriteOptions writeOptions() const = 0;
  // After every successful calculation (the filter recentres its preview).
  virtual void afterCalculation() {}
  // The inputs as text (what calculateIfChanged compares).
  virtual QString inputSnapshot() const = 0;

  // The design of the fields as they stand while one is being typed in, shown in the preview
  // at once: the fields are not rewritten and a refusal shows no message (the picture stays as
  // it was until the text reads as a number again).
  void previewAsTyped();
  // True while previewAsTyped runs design().
  bool readingAsTyped() const { return m_asTyped; }

  // The three buttons in a row, for the subclass's layout.
  QHBoxLayout* buttonRow();

  Prompts& m_prompts;
  AssistantPreview* m_preview = nullptr;

private:
  AssistantCircuit m_circuit;
  AssistantLinks m_links;
  QPushButton* m_calculate = nullptr;
  QPushButton* m_close = nullptr;
  QPushButton* m_simulate = nullptr;
  bool m_busy = false;
  bool m_asTyped = false;
  QString m_lastInputs;
  bool m_calculated = false;
};

} // namespace norvane
