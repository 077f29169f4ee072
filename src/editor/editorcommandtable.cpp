#include "editor/editorcommand.h"

#include "editor/editormodes.h"
#include "editor/schematiceditor.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <string>
#include <type_traits>

namespace norvane {
namespace {

using E = EditorCommand;
using K = ComponentType;

// A command that calls one member of the editor; a member returning nothing always did
// something.
template <auto member> bool call(SchematicEditor& editor)
{
  if constexpr (std::is_void_v<std::invoke_result_t<decltype(member), SchematicEditor&>>) {
    (editor.*member)();
    return true;
  } else {
    return (editor.*member)();
  }
}

constexpr EditorCommandInfo calls(E command, const char* key, bool (*run)(SchematicEditor&),
                                  int mode = kNoMode)
{
  return {command, key, mode, run};
}

// A command that places a component of `kind`: its mode is the kind's placing mode.
template <K kind> constexpr EditorCommandInfo places(E command, const char* key)
{
  return {command, key, placingMode(kind), [](SchematicEditor& editor) {
            editor.startPlacing(kind);
            return true;
          }};
}

// Port 1 or 2, whether or not the other is placed.
template <int number> bool enterPort(SchematicEditor& editor)
{
  editor.enterPortMode(number);
  return true;
}

using Ed = SchematicEditor;

// The keys are those of the main window's menus: single letters and digits place and draw,
// Ctrl combinations edit, as in most drawing programs.
constexpr std::array<EditorCommandInfo, static_cast<std::size_t>(E::Count)> kTable{{
    calls(E::Cancel, "Esc", call<&Ed::enterSelectMode>),
    calls(E::Edit, "", call<&Ed::editAtLastPoint>),
    calls(E::Undo, "Ctrl+Z", call<&Ed::undo>),
    calls(E::Redo, "Ctrl+Y", call<&Ed::redo>),
    calls(E::Cut, "Ctrl+X", call<&Ed::cutSelection>),
    calls(E::Copy, "Ctrl+C", call<&Ed::copySelection>),
    calls(E::Paste, "Ctrl+V", call<&Ed::paste>),
    calls(E::Duplicate, "Ctrl+D", call<&Ed::duplicate>),
    calls(E::Delete, "Del", call<&Ed::deleteSelection>),
    calls(E::BlockSelect, "", call<&Ed::enterBlockSelectMode>),
    calls(E::SelectAll, "Ctrl+A", call<&Ed::selectAll>),
    calls(E::Orientation, "Space", call<&Ed::toggleOrientation>),
    calls(E::Wire, "W", call<&Ed::enterWireMode>, emWire),
    calls(E::Port1, "1", enterPort<1>, emPort1),
    calls(E::Port2, "2", enterPort<2>, emPort2),
    calls(E::MeasurementPort, "", call<&Ed::enterNextPortMode>),
    calls(E::DrawLine, "", call<&Ed::enterLineMode>, emLine),
    calls(E::DrawText, "", call<&Ed::enterTextMode>, emText),
    places<K::Resistor>(E::Resistor, "R"),
    places<K::Capacitor>(E::Capacitor, "C"),
    places<K::Inductor>(E::Inductor, "L"),
    places<K::TxLine>(E::TxLine, "X"),
    places<K::Transformer>(E::Transformer, "T"),
    places<K::Mutual>(E::Mutual, ""),
    places<K::OpAmp>(E::OpAmp, "O"),
    places<K::Bipolar>(E::Bipolar, ""),
    places<K::VCVS>(E::VCVS, ""),
    places<K::VCCS>(E::VCCS, ""),
    places<K::CCVS>(E::CCVS, ""),
    places<K::CCCS>(E::CCCS, ""),
    places<K::SParam1>(E::SParam1, ""),
    places<K::SParam2>(E::SParam2, "S"),
    places<K::Ground>(E::Ground, "G"),
}};

constexpr bool tableInOrder()
{
  for (std::size_t i = 0; i < kTable.size(); ++i) {
    if (static_cast<std::size_t>(kTable[i].command) != i) return false;
  }
  return true;
}
static_assert(tableInOrder(), "the editor's command table must list every command in enum order");

// A key as the table writes it.
std::string keyName(int key, bool ctrl)
{
  std::string name = ctrl ? "Ctrl+" : "";
  switch (key) {
  case kKeyEscape:
    return name + "Esc";
  case kKeySpace:
    return name + "Space";
  case kKeyDelete:
    return name + "Del";
  default:
    if (key <= 0 || key > 127) return {}; // no key of the table
    return name + static_cast<char>(std::toupper(key));
  }
}

} // namespace

std::span<const EditorCommandInfo> editorCommandTable()
{
  return kTable;
}

const EditorCommandInfo& editorCommandInfo(EditorCommand command)
{
  return kTable[static_cast<std::size_t>(command)];
}

std::optional<EditorCommand> editorCommandForKey(int key, bool ctrl)
{
  const std::string name = keyName(key, ctrl);
  if (name.empty()) return std::nullopt;
  for (const EditorCommandInfo& info : kTable) {
    if (name == info.key) return info.command;
  }
  return std::nullopt;
}

} // namespace norvane
