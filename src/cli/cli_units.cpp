#include <cmath>
#include <string>

#include "analysis/text_format.h"
#include "cli/cli_commands.h"
#include "utilities/unit_calculator.h"

namespace vesk::cli {
namespace {

void PrintUnitsUsage(std::ostream& err) {
    err << "usage: vesk-cli units VALUE FROM TO\n"
           "converts VALUE (written with \".\") between two units of one quantity:\n";
    for (const CalculatorTab& tab : CalculatorTabs()) {
        err << "  " << tab.Caption << ":";
        for (const char* unit : tab.Units) err << ' ' << unit;
        err << '\n';
    }
}

}  // namespace

int RunUnits(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 3) {
        PrintUnitsUsage(err);
        return 2;
    }
    double value = 0;
    if (!ParseNumber(args[0], value) || !std::isfinite(value)) {
        err << "vesk-cli: '" << args[0] << "' is not a number\n";
        PrintUnitsUsage(err);
        return 2;
    }
    double result = 0;
    if (!ConvertCalculatorUnits(value, args[1], args[2], result)) {
        err << "vesk-cli: cannot convert " << args[1] << " to " << args[2] << '\n';
        PrintUnitsUsage(err);
        return 2;
    }
    out << FormatGeneral(result) << '\n';
    return 0;
}

}  // namespace vesk::cli
