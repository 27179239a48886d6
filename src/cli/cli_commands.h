#pragma once
#include <ostream>
#include <string>
#include <vector>

namespace vesk::cli {

// Every command takes its arguments (without the command name) and returns the
// process exit code: 0 on success, 1 on a failed operation, 2 on bad usage.
int RunEcho(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunCalc(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunConvert(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportKavo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunExportOndar(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
int RunUnits(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

int RunGraph(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vesk::cli
