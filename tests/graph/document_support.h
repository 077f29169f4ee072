#pragma once
// A schematic as File New leaves it, with the default sweep, plot and trace settings.

#include "config/environment.h"
#include "document/clearschema.h"

namespace norvane::testing {

inline Schematic freshDocument()
{
  Schematic doc;
  Environment env;
  clearSchema(doc, env);
  return doc;
}

} // namespace norvane::testing
