#include <iostream>

#include "cli/cli_commands.h"

namespace vesk::cli {

int RunEcho(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    if (args.size() != 1) {
        err << "usage: vesk-cli echo FILE\n";
        return 2;
    }
    err << "vesk-cli: echo is not built yet\n";
    return 1;
}

}  // namespace vesk::cli
