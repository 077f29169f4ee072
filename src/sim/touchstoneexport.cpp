#include "sim/touchstoneexport.h"

#include "document/atomicwrite.h"
#include "sim/sparamfile.h"
#include "sim/touchstonewriter.h"

#include <ctime>
#include <filesystem>
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
