#pragma once
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"

namespace vesk::cli {

// One batch run of a project file in place of the main window: a scratch data
// folder (user data, temporary and solver files, removed with the session),
// the settings of a first start, and the project opened as Open does.
class BatchSession {
public:
    BatchSession();
    ~BatchSession();
    BatchSession(const BatchSession&) = delete;
    BatchSession& operator=(const BatchSession&) = delete;

    // False with `error` set when the scratch folder or the file failed.
    bool open(const std::string& file, std::string& error);

    // Every message shown since the last call, one per line; clears them.
    std::string takeMessages();

    RecordingUserInterface ui;
    Workspace ws{ui};

private:
    std::string scratch_;
};

}  // namespace vesk::cli
