#pragma once
// Opens the right property dialog for a component, a measurement port or a free text, and
// reports whether it ended with OK. Its three entry points are the dialog requests of the
// editor's host (EditorHost::editComponent, editPortImpedance, editText): "Edit component"
// (double click, menu, popup), placing a component or a text, and tune mode's
// repeat-until-Cancel loop all arrive here. The dialogs are made once and only shown and
// hidden.

#include "dialogs/componentdialog.h"
#include "dialogs/sparamblockdialogs.h"
#include "document/componentkinds.h"
#include "document/schematic.h"
#include "editor/editorhost.h"

#include <QObject>
#include <QPoint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

class QDialog;
class QWidget;

namespace norvane {

class Prompts;
class TextDialog;
class PortDialog;

// Whether a component of the kind has a property dialog: every kind with parameters has,
// either one of its own layout or the one generated from its parameter descriptions.
bool kindHasDialog(ComponentType type);
// Whether the kind's dialog is the generated one (GeneratedComponentDialog).
bool kindHasGeneratedDialog(ComponentType type);

class ComponentDialogs : public QObject
{
  Q_OBJECT

public:
  // The dialogs are made as children of `parent` (the main window). The dispatcher itself is
  // owned by its creator (it is not a child of `parent`), so it can live as a plain member.
  ComponentDialogs(Schematic& doc, Prompts& prompts, QWidget* parent);
  ~ComponentDialogs() override;

  // The screen point (global coordinates) where the next dialog opens: the mouse position
  // in the drawing. Dialogs are kept on the screen.
  void setAnchor(QPoint globalPos) { m_anchor = globalPos; }

  // The property dialog of component `index` (1-based), chosen by its kind. On OK the
  // component (and for data blocks its data set) takes the entries and the kind's template
  // the confirmed values. Ground, unknown kinds and bad indexes open nothing: false.
  bool EditComponent(int index);

  // The port impedance dialog with this caption ("Test Port 1 Zo") showing `text` ("50R");
  // the text typed on OK, nothing on Cancel. The editor reads it (a zero becomes 1e-6).
  std::optional<std::string> editPortImpedance(const std::string& caption, const std::string& text);

  // The "Edit text" dialog; the entry on OK, nothing on Cancel.
  std::optional<TextItemEntry> editText(const TextItemEntry& initial);

  // The dialog that edits kind `ctype`, made on first use; nullptr for kinds without one.
  ComponentDialog* dialogFor(ComponentType ctype);
  PortDialog* portDialog();
  TextDialog* textDialog();

  // Hooks. The calculators come from their own windows; until the main window connects
  // them, a calculator button tells the user it is not available yet.
  void setCalculatorHook(std::function<void(CalculatorRequest)> hook);
  // How a dialog is run modally (QDialog::exec by default). Tests put a function here that
  // fills the fields and answers, so that no test waits on a modal dialog.
  using ModalRunner = std::function<int(QDialog&)>;
  void setModalRunner(ModalRunner runner) { m_runner = std::move(runner); }

private:
  int run(QDialog& dialog, int lift);
  void calculatorRequested(CalculatorRequest which);

  Schematic& m_doc;
  Prompts& m_prompts;
  QWidget* m_parent;
  QPoint m_anchor;
  std::map<ComponentType, ComponentDialog*> m_dialogs; // owned by m_parent (or deleted with us)
  PortDialog* m_port = nullptr;
  TextDialog* m_text = nullptr;
  std::function<void(CalculatorRequest)> m_calculatorHook;
  ModalRunner m_runner;
};

} // namespace norvane
