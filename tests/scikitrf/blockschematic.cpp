// blockschematic IN.s2p OUT.cct: a schematic with one 2-port data block between two 50 ohm
// ports, holding IN.s2p as our reader reads it, swept linearly over the file's first to last
// frequency with one point per data point. Prints the reader's note, if any. For the test
// that simulates a file scikit-rf wrote.

#include "examples_support.h"

#include "document/schematicwriter.h"
#include "sim/plotpoint.h"
#include "sim/sparamfile.h"
#include "support/scriptedprompts.h"

#include <iostream>
#include <memory>

int main(int argc, char** argv)
{
  using namespace norvane;
  if (argc != 3) {
    std::cerr << "usage: blockschematic IN.s2p OUT.cct\n";
    return 2;
  }
  auto set = std::make_unique<TwoPortDataSet>();
  ScriptedPrompts prompts;
  const SParamReadResult read = readSParameterFile(argv[1], *set, prompts);
  if (!read.ok() || set->numpoints() < 2) {
    std::cerr << argv[1] << ": " << (read.ok() ? "fewer than two points" : read.error) << "\n";
    return 1;
  }
  std::cout << read.note << "\n";
  auto doc = std::make_unique<Schematic>(testing::attenuatorBlockExample());
  TwoPortDataSet& data = doc->datasets.twoPort[1];
  data.points = set->points;
  data.name = set->name;
  doc->Xax.min = set->points[1].freq;
  doc->Xax.max = set->points.last().freq;
  doc->Xax.numpoints = set->numpoints() - 1;
  doc->Xax.freqmode = freqmode::Linear;
  if (const FileResult saved = saveSchematic(*doc, argv[2]); !saved) {
    std::cerr << argv[2] << ": " << saved.error << "\n";
    return 1;
  }
  return 0;
}
