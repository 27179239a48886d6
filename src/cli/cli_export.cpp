#include <chrono>
#include <string>

#include "analysis/recording_user_interface.h"
#include "cli/cli_commands.h"
#include "cli/plain_open.h"
#include "project/exchange_file.h"
#include "project/project_file.h"
#include "project/workspace.h"

namespace vesk::cli {
namespace {

enum class ExportKind { Kavo, Ondar };

int RunExport(ExportKind kind, const std::vector<std::string>& args, std::ostream& err) {
    const char* usage = kind == ExportKind::Kavo ? "usage: vesk-cli export-kavo FILE -o OUT\n"
                                                 : "usage: vesk-cli export-ondar FILE -o OUT [--date TEXT]\n";
    std::string input, output;
    std::string date = ShortDateText(std::chrono::system_clock::now());
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (kind == ExportKind::Ondar && args[i] == "--date" && i + 1 < args.size()) {
            date = args[++i];
        } else if (input.empty() && !args[i].empty() && args[i][0] != '-') {
            input = args[i];
        } else {
            err << usage;
            return 2;
        }
    }
    if (input.empty() || output.empty()) {
        err << usage;
        return 2;
    }

    RecordingUserInterface ui;
    Workspace ws(ui);
    if (!OpenProjectFile(ws, input)) {
        PrintMessages(ui, err);
        err << "vesk-cli: cannot read " << input << '\n';
        return 1;
    }
    ui.messages.clear();
    bool saved = kind == ExportKind::Kavo ? FileSaveKavo(ws, output) : FileSaveOndar(ws, output, date);
    if (!saved) {
        PrintMessages(ui, err);
        err << "vesk-cli: cannot write " << output << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

int RunExportKavo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    return RunExport(ExportKind::Kavo, args, err);
}

int RunExportOndar(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    (void)out;
    return RunExport(ExportKind::Ondar, args, err);
}

}  // namespace vesk::cli
