#include <iostream>

#include "analysis/input_echo.h"
#include "analysis/recording_user_interface.h"
#include "cli/cli_commands.h"
#include "cli/plain_open.h"
#include "project/project_records.h"
#include "project/workspace.h"

namespace vesk::cli {

// Reads a project file and prints its input echo page (report page 0) with
// the page's own CR LF line ends.
int RunEcho(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1 || args[0].empty()) {
        err << "usage: vesk-cli echo FILE\n";
        return 2;
    }

    RecordingUserInterface ui;
    Workspace ws(ui);
    if (!OpenProjectFile(ws, args[0])) {
        PrintMessages(ui, err);
        if (ui.messages.empty()) err << "vesk-cli: cannot read " << args[0] << '\n';
        return 1;
    }

    CopyStoredToWorking(ws);
    LoadOutBuf0(ws, 1);
    out << ws.OutBuf[0];
    out.flush();
    if (!out) {
        err << "vesk-cli: cannot write the report\n";
        return 1;
    }
    return 0;
}

}  // namespace vesk::cli
