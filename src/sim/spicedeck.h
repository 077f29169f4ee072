#pragma once
// The SPICE deck a component's element lines are written into: the export (spiceexport.cpp)
// makes one per component and the kind's unit (src/kinds/) fills it.

#include "document/schematic.h"
#include "sim/netlist.h"

#include <set>
#include <string>

namespace norvane::spicedetail {

// A number as ngspice reads it back to the same double: 17 significant digits.
std::string num(double x);

// The element lines of one component and the sub-circuit definitions they use.
class Deck
{
public:
  Deck(const Component& c, const PinNodes& nodes, int index)
      : m_c(c), m_nodes(nodes), m_index(index)
  {
  }

  // Node of pin k (1-based), as the netlist listing numbers it.
  std::string pin(int k) const;
  // A node inside this component's model.
  std::string inner(const std::string& tag) const;
  // An element name: the SPICE letter, the component's place in the document, a suffix.
  std::string name(char letter, const std::string& suffix = std::string()) const;

  void line(const std::string& text) { m_text += text + '\n'; }
  void comment(const std::string& text) { line("* " + text); }
  // A resistor from a node to ground, left out when the node is ground itself (the stamp's
  // entry in row 0 is never solved).
  void leakToGround(const std::string& node, const std::string& suffix, double ohms);
  // Asks for a sub-circuit definition to be written once at the end of the netlist.
  void useSubcircuit(const std::string& definition) { m_subcircuits.insert(definition); }

  const Component& component() const { return m_c; }
  const std::string& text() const { return m_text; }
  const std::set<std::string>& subcircuits() const { return m_subcircuits; }

private:
  const Component& m_c;
  const PinNodes& m_nodes;
  int m_index;
  std::string m_text;
  std::set<std::string> m_subcircuits;
};

} // namespace norvane::spicedetail
