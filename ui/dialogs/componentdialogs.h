#pragma once
// Opens the right property dialog for a component, a measurement port or a free text, and
// reports whether it ended with OK. This is what the main window calls for "Edit component"
// (double click, menu, popup), after placing a component or a text, and in tune mode's
// repeat-until-Cancel loop. The dialogs are made once and only shown and hidden.

#include "dialogs/componentdialog.h"
#include "dialogs/sparamblockdialogs.h"
#include "document/schema.h"

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
class TEditTextDlg;
class Tporteditdlg;

class ComponentDialogs : public QObject
{
  Q_OBJECT

public:
  ComponentDialogs(Tschema& doc, Prompts& prompts, QWidget* parent);
  ~ComponentDialogs() override;

  // The screen point (global coordinates) where the next dialog opens: the mouse position
  // in the drawing. Dialogs are kept on the screen.
  void setAnchor(QPoint globalPos) { m_anchor = globalPos; }

  // The property dialog of component `index` (1-based), chosen by its kind. On OK the
  // component (and for data blocks its data set) takes the entries and the kind's template
  // the confirmed values. Ground, unknown kinds and bad indexes open nothing: false.
  bool EditComponent(int index);

  // The impedance dialog of port 1 or 2, captioned "Test Port 1 Zo" / "Test Port 2 Zo",
  // showing Zo with `digits` decimals (2 from "Edit component", 3 in tune mode).
  bool editPort(int port, int digits);

  // The "Edit text" dialog for text item `index` (1-based).
  bool editText(int index);
  // The "Edit text" dialog for a new text (empty, size "8"): the entered text and size, or
  // nothing on Cancel. The caller places it.
  std::optional<Ttextitem> askNewText();

  // The dialog that edits kind `ctype`, made on first use; nullptr for kinds without one.
  TComponentDialog* dialogFor(int ctype);
  Tporteditdlg* portDialog();
  TEditTextDlg* textDialog();

  // Hooks. The calculators come from their own windows; until the main window connects
  // them, a calculator button tells the user it is not available yet.
  void setCalculatorHook(std::function<void(CalculatorRequest)> hook);
  void setSParameterReader(SParameterFileReader reader);
  // How a dialog is run modally (QDialog::exec by default). Tests put a function here that
  // fills the fields and answers, so that no test waits on a modal dialog.
  using ModalRunner = std::function<int(QDialog&)>;
  void setModalRunner(ModalRunner runner) { m_runner = std::move(runner); }

private:
  int run(QDialog& dialog, int lift);
  void calculatorRequested(CalculatorRequest which);

  Tschema& m_doc;
  Prompts& m_prompts;
  QWidget* m_parent;
  QPoint m_anchor;
  std::map<int, TComponentDialog*> m_dialogs; // owned by m_parent (or deleted with us)
  Tporteditdlg* m_port = nullptr;
  TEditTextDlg* m_text = nullptr;
  std::function<void(CalculatorRequest)> m_calculatorHook;
  SParameterFileReader m_reader;
  ModalRunner m_runner;
};

} // namespace norvane
