// norvane-benchgen DIR: writes the benchmark circuits into DIR, each as a Norvane schematic
// (NAME.cct) and as an ngspice deck (NAME.sp) of the same circuit, for bench/compare-ngspice.sh.
// Checks first that the drawing numbers as many nodes as the element list holds.

#include "benchcircuits.h"

#include "document/schematicwriter.h"
#include "sim/netlist.h"
#include "support/scriptedprompts.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
  using namespace norvane;
  if (argc != 2) {
    std::cerr << "usage: norvane-benchgen DIR\n";
    return 2;
  }
  const std::string dir = argv[1];
  std::vector<bench::BenchCircuit> circuits;
  for (int n : {10, 30, 60, 100}) {
    circuits.push_back(bench::ladder(n));
  }
  circuits.push_back(bench::irregular());
  for (const bench::BenchCircuit& c : circuits) {
    auto doc = bench::drawCircuit(c);
    auto check = std::make_unique<Schematic>(*doc);
    ScriptedPrompts prompts;
    const Netlist net = buildNetlist(*check, prompts);
    if (!net.ok || net.nodeCount != c.nodes) {
      std::cerr << c.name << ": the drawing has " << net.nodeCount << " nodes, the list " << c.nodes
                << "\n";
      return 1;
    }
    if (const FileResult r = saveSchematic(*doc, dir + "/" + c.name + ".cct"); !r) {
      std::cerr << c.name << ": " << r.error << "\n";
      return 1;
    }
    std::ofstream deck(dir + "/" + c.name + ".sp", std::ios::binary);
    deck << bench::spiceDeck(c);
    if (!deck) {
      std::cerr << c.name << ".sp: cannot write\n";
      return 1;
    }
  }
  return 0;
}
