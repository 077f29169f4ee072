#include "dialogs/componentdialogs.h"

#include "common/latin1text.h"
#include "dialogs/bipolardialog.h"
#include "dialogs/circuitdialogs.h"
#include "dialogs/dialogplacement.h"
#include "dialogs/generatedcomponentdialog.h"
#include "dialogs/passivedialogs.h"
#include "dialogs/smalldialogs.h"
#include "editor/propertymapping.h"
#include "platform/prompts.h"

#include <QDialog>
#include <QWidget>

namespace norvane {

ComponentDialogs::ComponentDialogs(Schematic& doc, Prompts& prompts, QWidget* parent)
    : m_doc(doc), m_prompts(prompts), m_parent(parent),
      m_runner([](QDialog& dialog) { return dialog.exec(); })
{
}

ComponentDialogs::~ComponentDialogs()
{
  // Without a parent window the dialogs are ours to delete.
  if (m_parent == nullptr) {
    for (auto& [kind, dialog] : m_dialogs)
      delete dialog;
    delete m_port;
    delete m_text;
  }
}

namespace {

// The dialog table: the kinds whose dialog has a layout of its own (a model shown on demand,
// a gain entered in dB, calculator buttons, a data set, two pages). Every other kind with
// parameters gets the dialog generated from its parameter descriptions, so a new kind needs
// no window code. Ground has no parameters and no dialog.
using DialogFactory = ComponentDialog* (*)(Prompts&, QWidget*);

template <class Dialog> ComponentDialog* make(Prompts&, QWidget* parent)
{
  return new Dialog(parent);
}

// The data-block dialogs ask questions (a file that cannot be read).
template <class Dialog> ComponentDialog* makeWithPrompts(Prompts& prompts, QWidget* parent)
{
  return new Dialog(prompts, parent);
}

struct DialogEntry
{
  ComponentType type;
  DialogFactory make;
};

using K = ComponentType;
constexpr DialogEntry kOwnLayoutDialogs[] = {
    {K::Capacitor, make<CapacitorDialog>},
    {K::Inductor, make<InductorDialog>},
    {K::OpAmp, make<OpAmpDialog>},
    {K::TxLine, make<TransmissionLineDialog>},
    {K::SParam2, makeWithPrompts<TwoPortBlockDialog>},
    {K::SParam1, makeWithPrompts<OnePortBlockDialog>},
    {K::Transformer, make<TransformerDialog>},
    {K::Mutual, make<MutualInductanceDialog>},
    {K::Bipolar, make<BipolarDialog>},
};

DialogFactory ownLayoutDialog(ComponentType ctype)
{
  for (const DialogEntry& entry : kOwnLayoutDialogs) {
    if (entry.type == ctype) return entry.make;
  }
  return nullptr;
}

// The kind whose dialog is generated; nullptr when the kind has its own or none.
const ComponentKind* generatedDialogKind(ComponentType ctype)
{
  if (ownLayoutDialog(ctype) != nullptr) return nullptr;
  const ComponentKind* kind = findComponentKind(ctype);
  return kind != nullptr && kind->hasProperties() ? kind : nullptr;
}

ComponentDialog* makeDialog(ComponentType ctype, Prompts& prompts, QWidget* parent)
{
  if (const DialogFactory factory = ownLayoutDialog(ctype)) return factory(prompts, parent);
  if (const ComponentKind* kind = generatedDialogKind(ctype))
    return new GeneratedComponentDialog(*kind, parent);
  return nullptr;
}

} // namespace

bool kindHasDialog(ComponentType type)
{
  return ownLayoutDialog(type) != nullptr || generatedDialogKind(type) != nullptr;
}

bool kindHasGeneratedDialog(ComponentType type)
{
  return generatedDialogKind(type) != nullptr;
}

ComponentDialog* ComponentDialogs::dialogFor(ComponentType ctype)
{
  if (auto found = m_dialogs.find(ctype); found != m_dialogs.end()) return found->second;
  ComponentDialog* dialog = makeDialog(ctype, m_prompts, m_parent);
  if (dialog == nullptr) return nullptr;
  connect(dialog, &ComponentDialog::calculatorRequested, this,
          &ComponentDialogs::calculatorRequested);
  m_dialogs.emplace(ctype, dialog);
  return dialog;
}

PortDialog* ComponentDialogs::portDialog()
{
  if (m_port == nullptr) m_port = new PortDialog(m_parent);
  return m_port;
}

TextDialog* ComponentDialogs::textDialog()
{
  if (m_text == nullptr) m_text = new TextDialog(m_parent);
  return m_text;
}

void ComponentDialogs::setCalculatorHook(std::function<void(CalculatorRequest)> hook)
{
  m_calculatorHook = std::move(hook);
}

void ComponentDialogs::calculatorRequested(CalculatorRequest which)
{
  if (m_calculatorHook) {
    m_calculatorHook(which);
  } else {
    m_prompts.information("This calculator is not available yet.");
  }
}

int ComponentDialogs::run(QDialog& dialog, int lift)
{
  placeDialogAt(&dialog, m_anchor - QPoint(0, lift));
  return m_runner(dialog);
}

bool ComponentDialogs::EditComponent(int index)
{
  auto& components = m_doc.drawdat.components;
  if (index < 1 || index > components.count()) return false;
  ComponentDialog* dialog = dialogFor(components[index].ctype);
  if (dialog == nullptr) return false;
  dialog->loadFrom(components[index], m_doc);
  dialog->firstField()->setFocus();
  if (run(*dialog, dialog->placementLift()) != QDialog::Accepted) return false;
  // The document may not have been touched while the dialog was open, but look the
  // component up again rather than trust a reference across the event loop.
  if (index > components.count()) return false;
  Component& comp = components[index];
  dialog->storeInto(comp, m_doc);
  copyToTemplate(m_doc, comp);
  return true;
}

std::optional<std::string> ComponentDialogs::editPortImpedance(const std::string& caption,
                                                               const std::string& text)
{
  PortDialog* dialog = portDialog();
  dialog->setWindowTitle(toQt(caption));
  dialog->setImpedanceText(text);
  // The port dialog, like the capacitor's, opens a little above the mouse.
  if (run(*dialog, 10) != QDialog::Accepted) return std::nullopt;
  return dialog->impedanceText();
}

std::optional<TextItemEntry> ComponentDialogs::editText(const TextItemEntry& initial)
{
  TextDialog* dialog = textDialog();
  dialog->loadFrom(initial);
  if (run(*dialog, 0) != QDialog::Accepted) return std::nullopt;
  return dialog->entry();
}

} // namespace norvane
