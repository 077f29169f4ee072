// The list of norvane-cli commands. A new command is one file defining its run function
// and one line here.

#include "command.h"

#include <ostream>

namespace norvane::cli {

int runResave(const std::vector<std::string>& args, CommandIo& io);
int runSimulate(const std::vector<std::string>& args, CommandIo& io);
int runNetlist(const std::vector<std::string>& args, CommandIo& io);
int runDesign(const std::vector<std::string>& args, CommandIo& io);
int runAutomatch(const std::vector<std::string>& args, CommandIo& io);
int runSpice(const std::vector<std::string>& args, CommandIo& io);
int runOptimize(const std::vector<std::string>& args, CommandIo& io);
int runYield(const std::vector<std::string>& args, CommandIo& io);
int runYieldMerge(const std::vector<std::string>& args, CommandIo& io);
int runYieldReport(const std::vector<std::string>& args, CommandIo& io);

namespace {

constexpr const char* kDesignHelp =
    "Writes the schematic the Filter, Attenuator or Match window writes on Simulate: the\n"
    "same parts, coordinates, sweep and display. Values are number text with an optional\n"
    "prefix letter and unit (433MHz, 0.5dB, 75R, 5%). Unset options take the window's\n"
    "defaults.\n"
    "\n"
    "design filter\n"
    "  --type butterworth|chebyshev          (butterworth)\n"
    "  --topology lowpass|highpass|bandpass  (lowpass)\n"
    "  --first series|parallel               first branch of the ladder (series)\n"
    "  --poles N        number of poles, rounded and held to 1..15 (3)\n"
    "  --bandwidth F    cut-off of low and high pass, bandwidth of band pass (10MHz)\n"
    "  --center F       centre frequency of band pass (100MHz)\n"
    "  --ripple DB      pass-band ripple of Chebyshev, above 0, at most 100 (0.1dB)\n"
    "  --z R            source and load resistance (50R)\n"
    "  --ltol P, --ctol P  inductor and capacitor tolerance in percent (5, 2)\n"
    "\n"
    "design attenuator\n"
    "  --topology tee|pi|bridged-tee  (pi)\n"
    "  --zin R, --zout R  input and output resistance; bridged-tee uses --zin (50R, 50R)\n"
    "  --attenuation DB   above 0 and below 1000 (10dB)\n"
    "  --rtol P           resistor tolerance in percent (5)\n"
    "\n"
    "design match\n"
    "  --topology pad|l-lowpass|l-highpass|pi-lowpass|pi-highpass|tee-lowpass|tee-highpass\n"
    "                     (l-lowpass)\n"
    "  --zin R, --zout R  1 to 10M ohm (50R, 200R)\n"
    "  --freq F           match frequency (100MHz)\n"
    "  --bandwidth F      sets the loaded Q of pi and tee: freq / bandwidth (10MHz)\n"
    "  --ltol P, --ctol P, --rtol P  tolerances in percent (5, 2, 2)\n"
    "\n"
    "  -o, --output OUT.cct  the schematic to write (required)\n"
    "\n"
    "Exit status 2 for a bad or missing value, 1 when the design is refused (its message\n"
    "goes to standard error and nothing is written) or the file cannot be written. Designs\n"
    "whose sweep would hold no frequencies or whose values could not be simulated are\n"
    "refused with a message naming the input.\n";

constexpr const char* kAutomatchHelp =
    "Reads FILE.cct and inserts the L-section matching networks the graph window's Auto\n"
    "Match would: in front of port 1, port 2, or both from the simultaneous conjugate\n"
    "match of the circuit's S-parameters at the match frequency. The drawing moves right\n"
    "to make room where needed.\n"
    "\n"
    "  --freq F           the match frequency, e.g. 2.4GHz (required)\n"
    "  --port1, --port2   match that port only\n"
    "  --conjugate        simultaneous conjugate match of both ports (the default when both\n"
    "                     ports are placed; otherwise the port there is)\n"
    "  --r1 R, --r2 R     resistance each port is matched to (default: the port's Zo)\n"
    "  --topology1 lowpass|highpass  network at port 1 (lowpass)\n"
    "  --topology2 lowpass|highpass  network at port 2 (highpass)\n"
    "  -o, --output OUT.cct  the schematic to write (required)\n"
    "\n"
    "The window's messages go to standard error. Exit status 1 (nothing is written) when\n"
    "the circuit check refuses the circuit, the match frequency lies outside the sweep or\n"
    "outside a data block's data, a simultaneous match is asked of a circuit that is not\n"
    "unconditionally stable there (K > 1 and |Delta| < 1 are needed), or a port cannot be\n"
    "matched (no positive resistance, or its topology would need a negative L or C: the\n"
    "message names the one that can); 2 for a bad or missing value. A matched circuit whose\n"
    "|S11| or |S22| exceeds 1 somewhere in the sweep draws a warning (exit status 0).\n";

constexpr const char* kOptimizeHelp =
    "Changes component values of FILE.cct until the circuit meets its goals, and writes the\n"
    "circuit with the new values and the goals it used to OUT.cct. The sweep is simulated in\n"
    "process, only at the frequencies the goals look at.\n"
    "\n"
    "  --goal TEXT      a goal, e.g. \"S21 dB >= -0.5 from 423MHz to 443MHz\"; repeatable.\n"
    "                   Without --goal the goals stored in FILE.cct are used.\n"
    "                   MEASURE REL VALUE (at F | from F1 to F2) [weight W]:\n"
    "                   S11, S21, S12, S22 with dB, mag or deg; VSWR1, VSWR2; K, MU1, MU2;\n"
    "                   MAG dB; GD21 s; NF dB. REL is <=, >= or =. A goal is checked at the\n"
    "                   sweep's points inside its band and at the band's two edges.\n"
    "  --vary NAME[=MIN..MAX][,SERIES]  a component whose main value (R, C, L, line\n"
    "                   length, ...) may change: its name, or its number N in the netlist\n"
    "                   listing's order. Range default value/2..value*2; SERIES E6, E12,\n"
    "                   E24, E48 or E96 snaps the result to that series. Repeatable.\n"
    "                   Without --vary every resistor, capacitor, inductor and line varies.\n"
    "  --method local|global|auto  Levenberg-Marquardt, differential evolution, or global\n"
    "                   then local (auto, the default)\n"
    "  --seed N         seed of the global method (1); the same seed, the same result\n"
    "  --max-evals N    most circuit evaluations (20000)\n"
    "  -o, --output OUT.cct  the schematic to write (required, never FILE.cct)\n"
    "\n"
    "Prints each goal's worst value and whether it is met, the old and new values and the\n"
    "number of evaluations. Exit status 0 when every goal is met, 3 when OUT.cct was\n"
    "written but some goal is not met, 2 for a bad option or goal (the message names it),\n"
    "1 on other errors (nothing is written then). A stored goal that does not read is\n"
    "skipped with a warning.\n";

constexpr const char* kYieldHelp =
    "Builds N random boards of FILE.cct and checks each against the goals: every value with\n"
    "a tolerance is drawn uniformly between its limits (the random tolerance mode), and a\n"
    "board passes when every goal holds. Writes RESULT.json: the yield in percent with its\n"
    "95 % confidence interval (Wilson), the failures per goal, the values ranked by how\n"
    "strongly failing follows them, a histogram of each goal's worst value and one record\n"
    "per run; prints the summary. Board i depends only on the seed and i, so any number of\n"
    "threads and any split into shards give the same bytes.\n"
    "\n"
    "  --runs N         number of boards, 1 to 100000000 (required)\n"
    "  --seed S         seed, a whole number from 0 to 18446744073709551615 (1)\n"
    "  --goal TEXT      a goal, as optimize takes it; repeatable. Without --goal the goals\n"
    "                   stored in FILE.cct are used.\n"
    "  --threads T      worker threads, 1 to 1024 (the number of cores)\n"
    "  --shard K/M      only runs K, K+M, K+2M, ... (shard K of M, K from 1); join the\n"
    "                   shards' files with yield-merge\n"
    "  -o, --output RESULT.json  the result file (required, never FILE.cct)\n"
    "\n"
    "Progress goes to standard error for long runs. Exit status 0 when the file was\n"
    "written, 2 for a bad or missing option or goal (the message names it), 1 on other\n"
    "errors (nothing is written then).\n";

constexpr const char* kYieldMergeHelp =
    "Joins the result files of the shards of one yield analysis (the same schematic, seed,\n"
    "number of runs and goals), given in any order, into exactly the file the analysis\n"
    "writes when run whole. Shards of different analyses, a missing shard or one given\n"
    "twice are refused with exit status 1 and nothing is written.\n"
    "\n"
    "  -o, --output ALL.json  the merged result file (required)\n";

const Command kCommands[] = {
    {"resave", "IN.cct [-o OUT.cct]", "read a schematic file and write it back",
     "Reads the schematic IN.cct and writes it again in the current file layout,\n"
     "to OUT.cct when given, otherwise over IN.cct.\n"
     "\n"
     "  -o, --output OUT.cct   write here instead of over the input\n",
     runResave},
    {"simulate",
     "FILE.cct|FILE.s2p|FILE.s1p [-o OUT] [--format s2p|touchstone|csv] [--start F] [--stop F] "
     "[--points N] [--lin|--log] [--tolerance lower|nominal|upper|random] [--seed N] "
     "[--autoscale] [--data BLOCK=FILE] [--measures LIST] [--noise]",
     "simulate a schematic and write its S-parameters",
     "Runs the frequency sweep of FILE.cct and writes S11, S21, S12 and S22 of every point.\n"
     "Every port present in the circuit is excited, whatever graph the file shows.\n"
     "An S-parameter file (.s2p, .s1p) is simulated as a data block between 50 ohm ports\n"
     "(a 1-port file at port 1 alone), over the file's frequencies unless the options say\n"
     "otherwise; its noise parameters, if it has them, make the block's noise.\n"
     "\n"
     "  -o, --output OUT     write here instead of to standard output (never over FILE.cct)\n"
     "  --format s2p         the S-parameter result file (MHz, magnitude and angle; both\n"
     "                       ports must be 50 ohm) -- the default\n"
     "  --format touchstone  a Touchstone file at full precision (Hz, real and imaginary,\n"
     "                       17 digits; 1-port when one port is present, else 2-port),\n"
     "                       referred to the ports' impedances (version 2 when they differ)\n"
     "  --format csv         freq_hz and the real and imaginary parts, 17 digits; S21 and\n"
     "                       S12 normalised by the port impedances\n"
     "  --start F, --stop F  sweep limits as number text, e.g. 1MHz, 2.4G\n"
     "  --points N           number of frequency points, 2 to 501 (more is refused)\n"
     "  --lin, --log         linear or logarithmic spacing\n"
     "  --tolerance MODE     component values: lower, nominal (default), upper or random\n"
     "  --seed N             seed of the random tolerance values (default: the clock)\n"
     "  --autoscale          fit the sweep to the stored S-parameter data when it lies\n"
     "                       outside (otherwise the question is answered No)\n"
     "  --data BLOCK=FILE    the S-parameter data block named BLOCK takes the data of FILE\n"
     "                       (.s1p, .s2p, .d1, .d2), read as its dialog's Load File reads\n"
     "                       them; the schematic file is not changed\n"
     "  --measures LIST      with --format csv: one more column per item of the\n"
     "                       comma-separated LIST, headed by the item; an empty cell where\n"
     "                       the value cannot be formed or needs a port the circuit lacks.\n"
     "                       S at the ports' impedances Z1, Z2; D = S11 S22 - S12 S21:\n"
     "    k                  Rollett's (1 - |S11|^2 - |S22|^2 + |D|^2) / (2 |S12 S21|)\n"
     "    delta              |D|\n"
     "    mu1                (1 - |S11|^2) / (|S22 - D conj(S11)| + |S12 S21|)\n"
     "    mu2                (1 - |S22|^2) / (|S11 - D conj(S22)| + |S12 S21|)\n"
     "    mag_db             MAG 10 log10(|S21/S12| (k - sqrt(k^2 - 1))) where k >= 1,\n"
     "                       else MSG 10 log10|S21/S12|\n"
     "    vswr1, vswr2       (1 + |S11|) / (1 - |S11|), the same of S22\n"
     "    zin_re, zin_im     Z1 (1 + S11) / (1 - S11), ohm\n"
     "    zout_re, zout_im   Z2 (1 + S22) / (1 - S22), ohm\n"
     "    gd21_s             group delay of S21 in seconds, |d phase / d omega| by the\n"
     "                       central difference (one-sided at the ends), as the graph's\n"
     "    nf_db              noise figure in dB with port 1's Zo as the source (at 290 K)\n"
     "    nfmin_db           minimum noise figure in dB\n"
     "    gopt_mag, gopt_deg optimum source reflection against 50 ohm, angle in degrees\n"
     "    rn_ohm             equivalent noise resistance in ohm\n"
     "                       (noise needs both ports; empty where nothing reaches port 2)\n"
     "  --noise              with --format touchstone: the circuit's noise parameters as a\n"
     "                       noise block after the S-data\n"
     "\n"
     "Messages go to standard error; so does the name of every data block the sweep\n"
     "extrapolates beyond its data, with the frequencies. Exit status 1 when the circuit is\n"
     "refused, a data file is refused, a file cannot be read or written, or a point cannot\n"
     "be solved (its values stay empty).\n",
     runSimulate},
    {"netlist", "FILE.cct", "list the circuit's nodes and components",
     "Prints one line per component with its node numbers and values, and the node of\n"
     "each measurement port (0 is ground). Runs the circuit check of \"simulate\" on the\n"
     "whole drawing; exit status 1 when it refuses the circuit (the lines are printed all\n"
     "the same).\n",
     runNetlist},
    {"design", "filter|attenuator|match [OPTIONS] -o OUT.cct",
     "design a filter, attenuator pad or matching network as a new schematic", kDesignHelp,
     runDesign},
    {"automatch",
     "FILE.cct --freq F [--port1|--port2|--conjugate] [--r1 R] [--r2 R] "
     "[--topology1 lowpass|highpass] [--topology2 lowpass|highpass] -o OUT.cct",
     "insert L-section matching networks in front of the ports", kAutomatchHelp, runAutomatch},
    {"spice", "FILE.cct [-o OUT.cir]", "write the circuit as an ngspice netlist",
     "Writes the circuit as an ngspice netlist: every component with its model (nominal\n"
     "values), the measurement ports as ngspice S-parameter port sources and an .sp\n"
     "analysis over the schematic's sweep. Run with \"ngspice -b OUT.cir\", it writes\n"
     "frequency and S11, S21, S12, S22 (real, imaginary) to OUT.sp.txt.\n"
     "\n"
     "  -o, --output OUT.cir   write here instead of to standard output (never over\n"
     "                         FILE.cct)\n"
     "\n"
     "Exit status 1 when the circuit is refused or holds a component SPICE cannot express\n"
     "(S-parameter data blocks); the message names the component.\n",
     runSpice},
    {"optimize",
     "FILE.cct [--goal TEXT]... [--vary NAME[=MIN..MAX][,SERIES]]... "
     "[--method local|global|auto] [--seed N] [--max-evals N] -o OUT.cct",
     "change component values until the circuit meets its goals", kOptimizeHelp, runOptimize},
    {"yield",
     "FILE.cct --runs N [--seed S] [--goal TEXT]... [--threads T] [--shard K/M] -o RESULT.json",
     "yield analysis: random boards against the goals", kYieldHelp, runYield},
    {"yield-merge", "A.json B.json ... -o ALL.json", "join the shards of a yield analysis",
     kYieldMergeHelp, runYieldMerge},
    {"yield-report", "RESULT.json", "print the summary of a yield result file",
     "Prints the yield with its 95 % interval, the failures per goal and the values that\n"
     "failing follows most, from a file yield or yield-merge wrote.\n",
     runYieldReport},
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
