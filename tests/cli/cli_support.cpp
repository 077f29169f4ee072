#include "cli_support.h"

#include "support/testfolder.h"

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
