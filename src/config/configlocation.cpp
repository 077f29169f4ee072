#include "config/configlocation.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <system_error>

namespace norvane {

namespace {

std::string environmentValue(const char* name)
{
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

} // namespace

std::filesystem::path resolveConfigPath(const ConfigLocationInputs& inputs)
{
  namespace fs = std::filesystem;
  if (!inputs.norvaneConfig.empty()) return fs::path(inputs.norvaneConfig);
  if (inputs.programDirWritable) return inputs.programDir / kConfigFileName;

  fs::path base;
  if (!inputs.xdgConfigHome.empty() && fs::path(inputs.xdgConfigHome).is_absolute()) {
    base = fs::path(inputs.xdgConfigHome);
  } else if (!inputs.home.empty()) {
    base = fs::path(inputs.home) / ".config";
  } else {
    return inputs.programDir / kConfigFileName;
  }
  return base / "Norvane" / kConfigFileName;
}

bool isDirectoryWritable(const std::filesystem::path& dir)
{
  namespace fs = std::filesystem;
  std::error_code ec;
  if (dir.empty() || !fs::is_directory(dir, ec)) return false;
  std::random_device entropy;
  const fs::path probe = dir / (".norvane-probe-" + std::to_string(entropy() % 1000000u));
  bool writable = false;
  {
    std::ofstream out(probe, std::ios::binary | std::ios::app);
    writable = static_cast<bool>(out);
  }
  if (writable) fs::remove(probe, ec);
  return writable;
}

std::filesystem::path configFilePath(const std::filesystem::path& programDir)
{
  ConfigLocationInputs inputs;
  inputs.programDir = programDir;
  inputs.norvaneConfig = environmentValue("NORVANE_CONFIG");
  // The probe is skipped when the override decides anyway.
  inputs.programDirWritable = inputs.norvaneConfig.empty() && isDirectoryWritable(programDir);
  inputs.xdgConfigHome = environmentValue("XDG_CONFIG_HOME");
  inputs.home = environmentValue("HOME");
  return resolveConfigPath(inputs);
}

} // namespace norvane
