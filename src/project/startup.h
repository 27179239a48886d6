#pragma once
#include <chrono>
#include <string>
#include <string_view>

#include "project/project_file.h"
#include "project/settings.h"

namespace vesk {

struct Workspace;

// The program's start, in the two parts that run before and after the main
// window appears. ws.Paths must hold the data folders (DesktopDataPaths, or
// PrepareDataFolders with folders of one's own) before the first part.

// Settings: writes the settings file from the built-in defaults when it is
// missing or of another version, reads it, and copies the example projects
// into the user data folder when CopyExampleFiles is on. `fontName` is the
// first available of the history fonts.
void StartUpSettings(Workspace& ws, const std::string& fontName = "Arial");

// Projects: a new project; the first recent file when LoadLastInputFile is on;
// the file named on the command line (double quotes removed); last the
// restore of a temporary work file left by an interrupted calculation, which
// then ends up open as an untitled, modified project.
void StartUpProjects(Workspace& ws, const std::string& commandLine, const FileCommandHooks& hooks);

// The project path of a command line: the text with every double quote
// removed ("" when nothing is left).
std::string CommandLineProjectPath(std::string_view commandLine);

// After the unsaved-changes question of the close: writes [FileMenu].
void ShutDown(Workspace& ws);

// The hooks that the start-up and the file commands use for the settings
// file: writing [FileMenu] when the recent-file list gains an entry.
FileCommandHooks SettingsFileHooks();

// True when the annual update reminder is on and more than 360 days have
// passed since the release of 20 August 2013.
bool AnnualUpdateReminderDue(const Settings& settings, std::chrono::sys_days today);

}  // namespace vesk
