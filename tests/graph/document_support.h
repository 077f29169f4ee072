#pragma once
// A schematic as File New leaves it, with the default sweep, plot and trace settings.

#include "config/environment.h"
#include "document/clearschematic.h"

namespace norvane::testing {

inline Schematic freshDocument()
{
  Schematic doc;
  Environment env;
  clearSchematic(doc, env);
  return doc;
}

} // namespace norvane::testing
