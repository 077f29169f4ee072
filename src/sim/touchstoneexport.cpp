#include "sim/touchstoneexport.h"

#include "sim/sparamfile.h"
#include "sim/touchstonewriter.h"

#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

namespace norvane {

namespace {

// Collects each point's S-parameters; shows nothing.
class CollectPoints : public SweepOutput
{
public:
  void sweepPoint(int, const SweepPoint& point) override { points.push_back(point); }
  std::vector<SweepPoint> points;
};

std::string suggestedName(const std::string& schematicPath, const std::string& extension)
{
  if (schematicPath.empty()) {
    return "*" + extension;
  }
  std::filesystem::path p(schematicPath);
  p.replace_extension(extension);
  return p.string();
}

// TEMPORARY until the shared atomic writer lands: the schematic writer's way, a temporary
// file beside the target renamed over it.
FileResult writeFileAtomically(const std::string& path, const std::string& text)
{
  namespace fs = std::filesystem;
  std::random_device seed;
  fs::path temporary = path;
  temporary += ".saving-" + std::to_string(seed() % 1000000000u);
  std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
  if (!file) {
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  std::error_code ec;
  if (!file) {
    fs::remove(temporary, ec);
    return FileResult::failure(fileerrors::kWriteError);
  }
  fs::rename(temporary, path, ec);
  if (ec) {
    fs::remove(temporary, ec);
    return FileResult::failure(fileerrors::kAccessDenied);
  }
  return FileResult::success();
}

} // namespace

TouchstoneExportResult ExportTouchstoneFile(Tschema& doc, SimulationSession& session,
                                            Prompts& prompts, const std::string& program,
                                            const std::string& schematicPath)
{
  TouchstoneExportResult result;
  // The data-list mode excites every present port; the collector keeps the window's own list
  // and plot as they are.
  const int saved = doc.plotformat;
  doc.plotformat = plotformat::DataList;
  CollectPoints collected;
  result.run = Simulate(doc, session, collected, prompts);
  doc.plotformat = saved;
  if (!result.run.ran || touchstonePorts(collected.points) == 0) {
    return result;
  }

  const std::string extension = touchstoneExtension(collected.points);
  const auto name = prompts.saveFileName(
      kTouchstoneDialogTitle,
      extension == ".s1p" ? kTouchstoneFilterOnePort : kTouchstoneFilterTwoPort,
      suggestedName(schematicPath, extension));
  if (!name || name->empty()) {
    return result;
  }
  const TouchstoneSource source{
      program, schematicPath.empty() ? std::string("(not saved)") : fileNameWithoutFolder(schematicPath),
      utcDateText(std::time(nullptr)), doc.drawdat.P1.Zo, doc.drawdat.P2.Zo};
  if (const FileResult written = writeFileAtomically(*name, touchstoneText(collected.points, source));
      !written) {
    prompts.error(written.error);
    return result;
  }
  result.path = *name;
  return result;
}

} // namespace norvane
