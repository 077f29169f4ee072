#include "datafileinput.h"

#include "config/environment.h"
#include "document/clearschematic.h"
#include "document/pins.h"
#include "editor/propertymapping_sparam.h"
#include "sim/blockdatafile.h"
#include "sim/plotpoint.h"
#include "sim/sparamfile.h"

#include <algorithm>
#include <cctype>
#include <ostream>

namespace norvane::cli {

namespace {

std::string lowerExtension(const std::string& name)
{
  const std::size_t dot = name.find_last_of('.');
  if (dot == std::string::npos || name.find_first_of("/\\", dot) != std::string::npos) {
    return {};
  }
  std::string ext = name.substr(dot);
  std::transform(ext.begin(), ext.end(), ext.begin(),
                 [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
  return ext;
}

void place(Schematic& doc, ComponentType type, int x, int y, double dataSet = 0.0)
{
  Component c;
  c.ctype = type;
  c.crot = 1;
  c.position = {x, y};
  c.value[1].nom = dataSet;
  c.value[1].actual = dataSet;
  computePinPositions(c);
  doc.drawdat.components.append(c);
}

void placePort(Port& port, int x, int y)
{
  port.pos = {x, y};
  port.crot = 1;
  port.Zo = 50.0;
}

} // namespace

bool isDataFileInput(const std::string& input)
{
  const std::string ext = lowerExtension(input);
  return ext == ".s1p" || ext == ".s2p";
}

std::unique_ptr<Schematic> documentFromDataFile(const std::string& input, Prompts& prompts,
                                                CommandIo& io)
{
  auto doc = std::make_unique<Schematic>();
  Environment env;
  fillBuiltInDefaults(env);
  clearSchematic(*doc, env);
  const bool onePort = lowerExtension(input) == ".s1p";
  const ComponentType type = onePort ? ComponentType::SParam1 : ComponentType::SParam2;

  auto buffer = std::make_unique<TwoPortDataSet>();
  const SParamReadResult read = loadBlockDataFile(type, input, *buffer, prompts);
  if (!read) {
    io.err << "norvane-cli: " << input << ": " << read.error << "\n";
    return nullptr;
  }
  for (const std::string& said : {read.note, read.warning}) {
    if (!said.empty()) {
      io.err << input << ": " << said << "\n";
    }
  }
  if (buffer->points.empty()) {
    io.err << "norvane-cli: " << input << ": the file holds no S-parameter data\n";
    return nullptr;
  }
  storeBlockDataSet(*doc, type, 1, *buffer, buffer->name);

  // Pins on the 10-unit grid: the 2-port block at (200, 110) has its ports at (170, 100) and
  // (230, 100) and its common pin at (200, 140); the 1-port block at (200, 120) has its pins
  // at (200, 100) and (200, 140). A port in orientation 1 connects 20 to the right (port 1)
  // or left (port 2) of its position; a ground symbol 10 above its own.
  if (onePort) {
    place(*doc, type, 200, 120, 1.0);
    placePort(doc->drawdat.P1, 180, 100);
  } else {
    place(*doc, type, 200, 110, 1.0);
    placePort(doc->drawdat.P1, 150, 100);
    placePort(doc->drawdat.P2, 250, 100);
  }
  place(*doc, ComponentType::Ground, 200, 150);

  // The file's own frequency range, one point per stored frequency as far as the sweep holds.
  SweepAxis& x = doc->Xax;
  x.min = buffer->points[1].freq;
  x.max = buffer->points.last().freq;
  x.numpoints = std::clamp(buffer->points.count() - 1, 1, kMaxSweepIntervals);
  x.freqmode = freqmode::Linear;
  return doc;
}

} // namespace norvane::cli
