#include "graph/touchstoneexport.h"

#include "document/atomicwrite.h"
#include "graph/simulationrun.h"
#include "sim/sparamfile.h"
#include "sim/touchstonewriter.h"

#include <ctime>
#include <filesystem>
#include <vector>

namespace norvane {

namespace {

// Collects each point's S-parameters; shows nothing.
class CollectPoints : public SweepSink
{
public:
  void point(int, const SweepPoint& p) override { points.push_back(p); }
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

} // namespace

TouchstoneExportResult exportTouchstoneFile(Schematic& doc, SimulationSession& session,
                                            Prompts& prompts, const std::string& program,
                                            const std::string& schematicPath)
{
  TouchstoneExportResult result;
  // Every present port is excited; the window's own list and plot stay as they are.
  CollectPoints collected;
  result.run = simulateEveryPort(doc, session, collected, prompts);
  if (!result.run.ran || touchstonePorts(collected.points) == 0) {
    return result;
  }

  const std::string extension = touchstoneExtension(collected.points);
  const auto name = prompts.saveFileName(kTouchstoneDialogTitle,
                                         extension == ".s1p" ? kTouchstoneFilterOnePort
                                                             : kTouchstoneFilterTwoPort,
                                         suggestedName(schematicPath, extension));
  if (!name || name->empty()) {
    return result;
  }
  const TouchstoneSource source{
      program,
      schematicPath.empty() ? std::string("(not saved)") : fileNameWithoutFolder(schematicPath),
      utcDateText(std::time(nullptr)), doc.drawdat.P1.Zo, doc.drawdat.P2.Zo};
  if (const FileResult written =
          writeFileAtomically(*name, touchstoneText(collected.points, source));
      !written) {
    prompts.error(written.error);
    return result;
  }
  result.path = *name;
  return result;
}

} // namespace norvane
