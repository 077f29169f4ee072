// The list of norvane-cli commands. A new command is one file defining its run function
// and one line here.

#include "command.h"

#include <ostream>

namespace norvane::cli {

int runResave(const std::vector<std::string>& args, CommandIo& io);
int runSimulate(const std::vector<std::string>& args, CommandIo& io);
int runNetlist(const std::vector<std::string>& args, CommandIo& io);
int runSpice(const std::vector<std::string>& args, CommandIo& io);

namespace {

const Command kCommands[] = {
    {"resave", "IN.cct [-o OUT.cct]", "read a schematic file and write it back",
     "Reads the schematic IN.cct and writes it again in the current file layout,\n"
     "to OUT.cct when given, otherwise over IN.cct.\n"
     "\n"
     "  -o, --output OUT.cct   write here instead of over the input\n",
     runResave},
    {"simulate",
     "FILE.cct [-o OUT] [--format s2p|csv] [--start F] [--stop F] [--points N] [--lin|--log] "
     "[--tolerance lower|nominal|upper|random] [--seed N] [--autoscale]",
     "simulate a schematic and write its S-parameters",
     "Runs the frequency sweep of FILE.cct and writes S11, S21, S12 and S22 of every point.\n"
     "Every port present in the circuit is excited, whatever graph the file shows.\n"
     "\n"
     "  -o, --output OUT     write here instead of to standard output\n"
     "  --format s2p         the S-parameter result file (MHz, magnitude and angle; both\n"
     "                       ports must be 50 ohm) -- the default\n"
     "  --format csv         freq_hz and the real and imaginary parts, 17 digits; S21 and\n"
     "                       S12 normalised by the port impedances\n"
     "  --start F, --stop F  sweep limits as number text, e.g. 1MHz, 2.4G\n"
     "  --points N           number of frequency points, 2 to 501\n"
     "  --lin, --log         linear or logarithmic spacing\n"
     "  --tolerance MODE     component values: lower, nominal (default), upper or random\n"
     "  --seed N             seed of the random tolerance values (default: the clock)\n"
     "  --autoscale          fit the sweep to the stored S-parameter data when it lies\n"
     "                       outside (otherwise the question is answered No)\n"
     "\n"
     "Messages go to standard error. Exit status 1 when the circuit is refused, a file\n"
     "cannot be read or written, or a point cannot be solved (its values stay empty).\n",
     runSimulate},
    {"netlist", "FILE.cct", "list the circuit's nodes and components",
     "Prints one line per component with its node numbers and values, and the node of\n"
     "each measurement port (0 is ground). Items off the sheet are left out. Exit status 1\n"
     "when the circuit check refuses the circuit (the lines are printed all the same).\n",
     runNetlist},
    {"spice", "FILE.cct [-o OUT.cir]", "write the circuit as an ngspice netlist",
     "Writes the circuit as an ngspice netlist: every component with its model (nominal\n"
     "values), the measurement ports as ngspice S-parameter port sources and an .sp\n"
     "analysis over the schematic's sweep. Run with \"ngspice -b OUT.cir\", it writes\n"
     "frequency and S11, S21, S12, S22 (real, imaginary) to OUT.sp.txt.\n"
     "\n"
     "  -o, --output OUT.cir   write here instead of to standard output\n"
     "\n"
     "Exit status 1 when the circuit is refused or holds a component SPICE cannot express\n"
     "(S-parameter data blocks); the message names the component.\n",
     runSpice},
};

} // namespace

std::span<const Command> commands()
{
  return kCommands;
}

const Command* findCommand(std::string_view name)
{
  for (const Command& c : kCommands) {
    if (c.name == name) {
      return &c;
    }
  }
  return nullptr;
}

void printCommandUsage(const Command& command, std::ostream& os)
{
  os << "Usage: norvane-cli " << command.name << ' ' << command.synopsis << "\n\n" << command.help;
}

int usageError(const Command& command, const std::string& problem, CommandIo& io)
{
  io.err << "norvane-cli " << command.name << ": " << problem << "\n";
  io.err << "Usage: norvane-cli " << command.name << ' ' << command.synopsis << "\n";
  return kExitUsage;
}

} // namespace norvane::cli
