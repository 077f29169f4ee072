#pragma once
// Where Norvane.cfg lives. The file sits beside the program when the program's folder is
// writable (a portable installation keeps its settings with it); otherwise it goes to the
// user's configuration folder, $XDG_CONFIG_HOME/Norvane/Norvane.cfg, by default
// ~/.config/Norvane/Norvane.cfg. The environment variable NORVANE_CONFIG, when set and not
// empty, names the file and overrides both. The same path is read at start and written at
// close.

#include <filesystem>
#include <string>

namespace norvane {

constexpr const char* kConfigFileName = "Norvane.cfg";

// Everything the choice depends on, so that it can be made without touching the machine.
// Empty strings stand for unset environment variables.
struct ConfigLocationInputs
{
  std::filesystem::path programDir;
  bool programDirWritable = false;
  std::string norvaneConfig; // NORVANE_CONFIG
  std::string xdgConfigHome; // XDG_CONFIG_HOME
  std::string home;          // HOME
};

// Applies the rule above. A relative XDG_CONFIG_HOME is ignored, as the XDG convention
// requires; with neither it nor HOME the program's folder is the last resort.
std::filesystem::path resolveConfigPath(const ConfigLocationInputs& inputs);

// True when a file can be created in `dir` (tried with a small probe file that is removed
// at once).
bool isDirectoryWritable(const std::filesystem::path& dir);

// The configuration file for a program in `programDir`, from this process's environment.
std::filesystem::path configFilePath(const std::filesystem::path& programDir);

} // namespace norvane
