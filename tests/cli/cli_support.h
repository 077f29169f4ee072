#pragma once
// Runs the norvane-cli binary and collects its exit code and output, and reads what it writes.

#include <complex>
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

// One frequency point: the frequency in Hz, then S11, S21, S12, S22.
struct SParameterPoint
{
  double f = 0.0;
  std::complex<double> s[4];
};

// The points of "simulate --format csv" output (its heading line skipped). A parameter the
// circuit does not have (an empty field), a missing field and a field that is not wholly a
// number are NaN, so that no comparison with them can pass.
std::vector<SParameterPoint> readSimulateCsv(const std::string& text);

} // namespace norvane::testing
