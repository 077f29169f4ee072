// Saving a SPICE netlist, and the name of the data file it writes when run.

#include "sim/spiceexport.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace norvane {

namespace fs = std::filesystem;

std::string SpiceDataFileName(const std::string& netlistPath)
{
  fs::path name = fs::path(netlistPath).filename();
  if (name.empty()) {
    name = "norvane";
  }
  name.replace_extension(".sp.txt");
  return name.string();
}

FileResult SaveSpiceNetlist(const std::string& text, const std::string& path)
{
  std::error_code ec;
  fs::path target(path);
  if (fs::is_symlink(target, ec)) {
    const fs::path resolved = fs::weakly_canonical(target, ec);
    if (!ec) {
      target = resolved;
    }
  }
  if (target.filename().empty() || fs::is_directory(target, ec)) {
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  if (!fs::is_directory(folder, ec)) {
    return FileResult::failure(fileerrors::kPathNotFound);
  }
  std::random_device seed;
  const fs::path temporary =
      fs::path(target.string() + ".saving-" + std::to_string(seed() % 1000000000u));
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) {
      return FileResult::failure(fileerrors::kAccessDenied);
    }
    file.write(text.data(), static_cast<std::streamsize>(text.size()));
    file.close();
    if (!file) {
      fs::remove(temporary, ec);
      return FileResult::failure(fileerrors::kWriteError);
    }
  }
  fs::rename(temporary, target, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  return FileResult::success();
}

} // namespace norvane
