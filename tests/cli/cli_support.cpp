#include "cli_support.h"

#include "support/testfolder.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace norvane::testing {
namespace {

std::string shellQuoted(const std::string& s)
{
  std::string q = "'";
  for (char c : s) {
    if (c == '\'') {
      q += "'\\''";
    } else {
      q += c;
    }
  }
  return q + "'";
}

double csvNumber(const std::string& field)
{
  char* end = nullptr;
  const double x = std::strtod(field.c_str(), &end);
  return field.empty() || *end != '\0' ? NAN : x;
}

} // namespace

std::string readFileBytes(const std::string& path)
{
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

void writeFileBytes(const std::string& path, const std::string& bytes)
{
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::vector<SParameterPoint> readSimulateCsv(const std::string& text)
{
  std::vector<SParameterPoint> points;
  std::istringstream in(text);
  std::string line;
  std::getline(in, line); // heading
  while (std::getline(in, line)) {
    std::vector<double> v;
    std::string field;
    std::istringstream fields(line);
    while (std::getline(fields, field, ',')) {
      v.push_back(csvNumber(field));
    }
    v.resize(9, NAN); // getline gives no field after a closing comma
    SParameterPoint p;
    p.f = v[0];
    for (int k = 0; k < 4; ++k) {
      p.s[k] = {v[1 + 2 * k], v[2 + 2 * k]};
    }
    points.push_back(p);
  }
  return points;
}

CliRun runCli(const std::vector<std::string>& args, const CliShell& shell)
{
  const TestFolder capture("cli_run");
  const std::string outPath = capture.file("out");
  const std::string errPath = capture.file("err");
  std::string command = shell.setup + shellQuoted(NORVANE_CLI_PATH);
  for (const std::string& a : args) {
    command += ' ' + shellQuoted(a);
  }
  command += " >" + shellQuoted(shell.stdoutTo.empty() ? outPath : shell.stdoutTo) + " 2>" +
             shellQuoted(errPath) + " </dev/null";
  const int status = std::system(command.c_str());
  CliRun run;
  run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.out = readFileBytes(outPath);
  run.err = readFileBytes(errPath);
  return run;
}

} // namespace norvane::testing
