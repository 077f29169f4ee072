#pragma once
// Runs the norvane-cli binary and collects its exit code and output.

#include <string>
#include <vector>

namespace norvane::testing {

struct CliRun
{
  int exitCode = -1;
  std::string out;
  std::string err;
};

// Arguments are quoted for the shell, so blanks and quotes pass through unchanged.
CliRun runCli(const std::vector<std::string>& args);

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);

} // namespace norvane::testing
