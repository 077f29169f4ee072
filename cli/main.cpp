// norvane-cli: the headless front end to the Norvane core. main() only collects the
// arguments; dispatch.cpp picks the command, and each command has its own file.

#include "dispatch.h"

#include "document/fileresult.h"

#include <cstdio>
#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
  int status = 1;
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    status = norvane::cli::runCli(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "norvane-cli: " << e.what() << '\n';
  }
  // Output that never reached its file (a full disk, /dev/full, a closed pipe) is a failure,
  // not a success with a short listing.
  std::cout.flush();
  if (!std::cout || std::fflush(stdout) != 0 || std::ferror(stdout)) {
    std::cerr << "norvane-cli: " << norvane::fileerrors::kWriteError << '\n';
    return status == 0 ? 1 : status;
  }
  return status;
}
