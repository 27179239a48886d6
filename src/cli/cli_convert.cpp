#include <string>

#include "analysis/recording_user_interface.h"
#include "cli/cli_commands.h"
#include "cli/plain_open.h"
#include "project/project_file.h"
#include "project/units.h"
#include "project/workspace.h"
#include "utilities/project_conversion.h"

namespace vesk::cli {
namespace {

constexpr const char* ConvertUsage = "usage: vesk-cli convert FILE --to metric|english -o OUT\n";

}  // namespace

int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    std::string input, output, to;
    for (size_t i = 0; i < args.size(); ++i) {
        if ((args[i] == "--to" || args[i] == "-o") && i + 1 < args.size()) {
            (args[i] == "--to" ? to : output) = args[i + 1];
            ++i;
        } else if (input.empty() && !args[i].empty() && args[i][0] != '-') {
            input = args[i];
        } else {
            err << ConvertUsage;
            return 2;
        }
    }
    if (input.empty() || output.empty() || (to != "metric" && to != "english")) {
        err << ConvertUsage;
        return 2;
    }
    const int16_t target = to == "metric" ? int16_t{Metric} : int16_t{English};

    RecordingUserInterface ui;
    Workspace ws(ui);
    if (!OpenProjectFile(ws, input)) {
        PrintMessages(ui, err);
        err << "vesk-cli: cannot read " << input << '\n';
        return 1;
    }
    // A project already in the target system is written back as it is: the
    // values keep their precision and an older file comes out in the current
    // layout.
    if (ws.Header.UnitSystem == target) {
        err << "vesk-cli: " << input << " is already in " << to << " units; written unchanged\n";
    } else if (!ConvertProjectUnits(ws, target)) {
        err << "vesk-cli: cannot convert " << input << '\n';
        return 1;
    }
    ws.Header.ProjectFileName = output;
    if (!FileSave(ws)) {
        PrintMessages(ui, err);
        err << "vesk-cli: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vesk::cli
