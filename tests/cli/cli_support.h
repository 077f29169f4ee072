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

// How the shell starts the program: `setup` runs before it (e.g. "ulimit -f 4;"), and
// `stdoutTo` replaces the captured standard output (e.g. "/dev/full"; run.out is empty).
struct CliShell
{
  std::string setup;
  std::string stdoutTo;
};

// Arguments are quoted for the shell, so blanks and quotes pass through unchanged.
CliRun runCli(const std::vector<std::string>& args, const CliShell& shell = {});

std::string readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const std::string& bytes);

} // namespace norvane::testing
