#include "config/environment.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace norvane {

bool isWindowStateText(const std::string& text)
{
  return text == kWindowStateNormal || text == kWindowStateMaximized ||
         text == kWindowStateMinimized;
}

void fillBuiltInDefaults(Environment& env)
{
  const Environment defaults;
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

void forgetRecentFile(Environment& env, const std::string& path)
{
  auto& list = env.recentfiles;
  const auto end = std::remove(list.begin(), list.end(), path);
  std::fill(end, list.end(), std::string());
}

void rememberRecentFile(Environment& env, const std::string& path)
{
  if (path.empty()) return;
  forgetRecentFile(env, path);
  auto& list = env.recentfiles;
  std::move_backward(list.begin(), list.end() - 1, list.end());
  list.front() = path.substr(0, kMaxEnvironmentFileName);
}

double noiseKelvin(const Environment& env)
{
  constexpr double kStandard = 290.0;
  const std::string& t = env.noisetemp;
  double kelvin = 0.0;
  const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), kelvin);
  if (t.empty() || ec != std::errc() || end != t.data() + t.size() || !(kelvin > 0.0) ||
      !(kelvin <= 1e6)) {
    return kStandard;
  }
  return kelvin;
}

} // namespace norvane
