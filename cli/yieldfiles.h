#pragma once
// Reading a yield result file for yield-merge and yield-report.

#include "command.h"

#include "yield/yieldresult.h"

#include <optional>
#include <string>

namespace norvane::cli {

// The result file at `path`; empty (the reason on the error stream) when it cannot be read
// or is not a yield result.
std::optional<YieldResultFile> readYieldResultFile(const std::string& path, CommandIo& io);

} // namespace norvane::cli
