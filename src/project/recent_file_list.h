#pragma once
#include <string>

namespace vesk {

struct Workspace;

// File name with extension, without its folder ('/' or '\' separated).
std::string ShortFileName(const std::string& path);

// The caption of recent-file entry `index` (0-based): its short name when the
// ShortRecentFiles setting is on, else its full path.
std::string RecentFileCaption(const Workspace& ws, int index);

// Puts the current project file (ws.Header.ProjectFileName) at the top of the
// recent-file list after an Open or a Save. Nothing happens when the
// KeepFileNames setting is off. A file already listed swaps places with the
// first entry; otherwise the entries move down one place (the fourth falls
// off). Returns true when the [FileMenu] keys of the settings file must be
// written (a new entry was added), false otherwise.
bool UpdateRecentFileList(Workspace& ws);

}  // namespace vesk
