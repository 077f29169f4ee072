#include "chebyshevfilter.h"

#include "assist/assistantcircuit.h"
#include "assist/filterdesign.h"
#include "config/environment.h"

namespace norvane::bench {

std::unique_ptr<Schematic> chebyshevLowPass(int poles)
{
  FilterInput in;
  in.type = FilterType::Chebyshev;
  in.poles = poles;
  in.bandwidth = 100e6;
  in.rippleDb = 0.5;
  auto doc = std::make_unique<Schematic>();
  Environment env;
  fillBuiltInDefaults(env);
  writeAssistantSchematic(*doc, env, designFilter(in).circuit, filterWriteSettings(in));
  doc->Xax.min = 1e6;
  doc->Xax.max = 1e9;
  doc->Xax.numpoints = 200;
  doc->Xax.freqmode = 1;
  return doc;
}

} // namespace norvane::bench
