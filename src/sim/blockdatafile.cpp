#include "sim/blockdatafile.h"

#include "document/componentkinds.h"

#include <memory>
#include <utility>

namespace norvane {

std::string blockPortsProblem(ComponentType ctype, int filePorts)
{
  const int blockPorts = dataBlockOf(ctype) == DataBlock::TwoPort ? 2 : 1;
  if (filePorts == 0 || filePorts == blockPorts) return {};
  return "The file holds " + std::to_string(filePorts) + "-port data; a " +
         std::to_string(blockPorts) + "-port block needs " + std::to_string(blockPorts) +
         "-port data.";
}

SParamReadResult loadBlockDataFile(ComponentType ctype, const std::string& path,
                                   TwoPortDataSet& buffer, Prompts& prompts)
{
  // Read aside, so that a file of the wrong size leaves the buffer as it was.
  auto read = std::make_unique<TwoPortDataSet>();
  SParamReadResult result = readSParameterFile(path, *read, prompts);
  if (!result) return result;
  if (std::string problem = blockPortsProblem(ctype, result.ports); !problem.empty())
    return SParamReadResult::refused(std::move(problem));
  buffer.points = std::move(read->points);
  buffer.noise = std::move(read->noise);
  buffer.name = std::move(read->name);
  buffer.note = result.note;
  return result;
}

} // namespace norvane
