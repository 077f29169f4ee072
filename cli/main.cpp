// norvane-cli: headless batch front end to the core. The commands are filled in as the
// engine grows; this entry point only dispatches.
#include <cstdio>

int main(int argc, char** argv)
{
  (void)argc;
  (void)argv;
  std::puts("norvane-cli");
  return 0;
}
