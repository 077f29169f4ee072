#pragma once
// A schematic as File New leaves it, with the default sweep, plot and trace settings.

#include "config/environment.h"
#include "document/clearschema.h"

namespace norvane::testing {

inline Tschema freshDocument()
{
  Tschema doc;
  TenvironmentProps env;
  ClearSchema(doc, env);
  return doc;
}

} // namespace norvane::testing
