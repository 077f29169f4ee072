#pragma once
// "Load File" of an S-parameter data block (the block's dialog and the command line's data
// files): the S-parameter file reader, plus the check that the file's port count is the
// block's.
//
// It lives beside the reader rather than with the block's dialog mapping in the editor: the
// editor only moves data sets between the document and a dialog's buffer and has no business
// with files, while both front ends that load a file already stand on the simulator.

#include "document/componenttype.h"
#include "document/schematic.h"
#include "platform/prompts.h"
#include "sim/sparamfile.h"

#include <string>

namespace norvane {

// The refusal of a file's data for a block of the wrong size ("The file holds 1-port data; a
// 2-port block needs 2-port data."), or empty when the port counts agree or the file held no
// data. A 1-port file in a 2-port block would leave S21 = S12 = S22 = 0, a circuit nobody
// measured; a 2-port file in a 1-port block would silently drop three parameters.
std::string blockPortsProblem(ComponentType ctype, int filePorts);

// Reads `path` into `buffer` (points, name and the note of what was done to the data) when it
// holds data of the block's port count; otherwise the result is refused and the buffer
// unchanged. The result's note and warning are for the user to see.
SParamReadResult loadBlockDataFile(ComponentType ctype, const std::string& path,
                                   TwoPortDataSet& buffer, Prompts& prompts);

} // namespace norvane
