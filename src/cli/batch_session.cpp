#include "cli/batch_session.h"

#include <stdlib.h>

#include <filesystem>
#include <system_error>

#include "project/data_folders.h"
#include "project/project_file.h"
#include "project/startup.h"

namespace vesk::cli {

BatchSession::BatchSession() {
    std::string base = SystemTemporaryFolder();
    if (base.empty()) base = "/tmp/";
    std::string pattern = base + "vesk-batch-XXXXXX";
    if (mkdtemp(pattern.data()) != nullptr) scratch_ = pattern + "/";
}

BatchSession::~BatchSession() {
    if (scratch_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(scratch_, ignored);
}

bool BatchSession::open(const std::string& file, std::string& error) {
    if (scratch_.empty()) {
        error = "cannot create a scratch folder for the run";
        return false;
    }
    ws.Paths = PrepareDataFolders(ExecutableFolder(), scratch_, scratch_);
    StartUpSettings(ws);
    ws.Options.iOptDir = 1;  // solver files in the scratch folder
    FileNew(ws, true, true);
    ui.messages.clear();  // only what the open itself says explains a failure
    std::error_code ignored;
    const std::filesystem::path absolute = std::filesystem::absolute(file, ignored);
    ws.State.PreviousFileName = ws.Header.ProjectFileName;
    ws.Header.ProjectFileName = absolute.empty() ? file : absolute.string();
    if (!FileOpen(ws)) {
        error = takeMessages();
        if (error.empty()) error = "cannot read " + file;
        return false;
    }
    ui.messages.clear();
    return true;
}

std::string BatchSession::takeMessages() {
    std::string text;
    for (const MessageRequest& m : ui.messages) {
        if (!text.empty()) text += '\n';
        text += m.prompt;
    }
    ui.messages.clear();
    return text;
}

}  // namespace vesk::cli
