#include "config/environment.h"

namespace norvane {

bool isWindowStateText(const std::string& text)
{
  return text == kWindowStateNormal || text == kWindowStateMaximized ||
         text == kWindowStateMinimized;
}

void fillBuiltInDefaults(TenvironmentProps& env)
{
  const TenvironmentProps defaults;
  env.numpoints = defaults.numpoints;
  env.lowfreq = defaults.lowfreq;
  env.highfreq = defaults.highfreq;
  env.mindB = defaults.mindB;
  env.maxdB = defaults.maxdB;
  env.rememberlastcomp = false;
  env.autoopen = true;
  env.schemawinpos = defaults.schemawinpos;
  env.schemawinstat = defaults.schemawinstat;
  env.graphwinpos = defaults.graphwinpos;
  env.graphwinstat = defaults.graphwinstat;
}

} // namespace norvane
