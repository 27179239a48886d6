#pragma once
#include <ostream>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"

namespace vesk::cli {

// Reads a project file into a fresh workspace for the commands that only read
// or rewrite the file (no settings, no scratch folder): Open with nothing open
// yet, so there is no "Save changes" question. False when the file could not
// be read; the reasons are in the workspace's messages.
bool OpenProjectFile(Workspace& ws, const std::string& file);

// Every message shown so far, each on a line of its own after "vesk-cli: ".
void PrintMessages(const RecordingUserInterface& ui, std::ostream& err);

}  // namespace vesk::cli
