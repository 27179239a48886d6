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
