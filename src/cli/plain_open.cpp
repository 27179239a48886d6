#include "cli/plain_open.h"

#include "project/project_file.h"
#include "project/project_state.h"

namespace vesk::cli {

bool OpenProjectFile(Workspace& ws, const std::string& file) {
    ws.State.ProjectSaved = ByteTrue;
    ws.Header.ProjectFileName = file;
    return FileOpen(ws);
}

void PrintMessages(const RecordingUserInterface& ui, std::ostream& err) {
    for (const MessageRequest& message : ui.messages) err << "vesk-cli: " << message.prompt << '\n';
}

}  // namespace vesk::cli
