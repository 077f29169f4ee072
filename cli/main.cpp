// norvane-cli: the headless front end to the Norvane core. main() only collects the
// arguments; dispatch.cpp picks the command, and each command has its own file.

#include "dispatch.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv)
{
  try {
    const std::vector<std::string> args(argv + 1, argv + argc);
    return norvane::cli::runCli(args, std::cout, std::cerr);
  } catch (const std::exception& e) {
    std::cerr << "norvane-cli: " << e.what() << '\n';
    return 1;
  }
}
