// vesk-cli: the batch program. Each command lives in a file of its own and is
// listed in the table below.
#include <iostream>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace {

struct Command {
    const char* name;
    const char* usage;
    int (*run)(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
};

const Command kCommands[] = {
    {"echo", "echo FILE                          print the input echo report (page 0)", vesk::cli::RunEcho},
    {"calc", "calc FILE [--json | --report | --page N]  run one calculation; print the report, a page or JSON",
     vesk::cli::RunCalc},
    {"convert", "convert FILE --to metric|english -o OUT  convert a project's units (values to 2 decimals)",
     vesk::cli::RunConvert},
    {"export-kavo", "export-kavo FILE -o OUT            write the longwall inputs as a \"Kavo_500\" file",
     vesk::cli::RunExportKavo},
    {"export-ondar", "export-ondar FILE -o OUT [--date TEXT]  write the retreat inputs as a \"Ondar_602\" file",
     vesk::cli::RunExportOndar},
    {"units", "units VALUE FROM TO                convert VALUE between units of one quantity:\n"
              "      in ft cm m | lbsF tonsF kN MN kips | lbsF/in lbsF/ft kN/m MN/m |\n"
              "      psi ksi psf Pa MPa | psi/in psi/ft Pa/m MPa/m",
     vesk::cli::RunUnits},
    {"graph", "graph FILE --kind K [--csv OUT | --xlsx OUT | --json]  compute design graph K (0..7)",
     vesk::cli::RunGraph},
};

void PrintUsage(std::ostream& out) {
    out << "usage: vesk-cli COMMAND [ARGS]\n\ncommands:\n";
    for (const Command& c : kCommands) out << "  " << c.usage << '\n';
    out << "  --help                             this text\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        PrintUsage(args.empty() ? std::cerr : std::cout);
        return args.empty() ? 2 : 0;
    }
    for (const Command& c : kCommands) {
        if (args[0] == c.name) {
            std::vector<std::string> rest(args.begin() + 1, args.end());
            return c.run(rest, std::cout, std::cerr);
        }
    }
    std::cerr << "vesk-cli: unknown command '" << args[0] << "'\n";
    PrintUsage(std::cerr);
    return 2;
}
