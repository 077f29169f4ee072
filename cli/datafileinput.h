#pragma once
// "norvane-cli simulate FILE.s2p" (or .s1p): a vendor's or analyser's S-parameter file
// simulated without a schematic, as a data block between 50 ohm ports (a 1-port file at
// port 1 alone), swept over the file's own frequency range.

#include "command.h"
#include "document/schematic.h"
#include "platform/prompts.h"

#include <memory>
#include <string>

namespace norvane::cli {

// True for a file name ending in .s1p or .s2p (any case).
bool isDataFileInput(const std::string& input);

// The schematic of the block between its ports, its data set read from `input`. Null when
// the file is refused (the reason is on the error stream); the reader's note and warning go
// there too.
std::unique_ptr<Schematic> documentFromDataFile(const std::string& input, Prompts& prompts,
                                                CommandIo& io);

} // namespace norvane::cli
