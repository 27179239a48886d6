#pragma once
#include <functional>
#include <string>

#include "analysis/user_interface.h"
#include "project/project_file_format.h"

namespace vesk {

struct Workspace;

inline constexpr const char* UntitledFileName = "Untitled";

// Asks the user for the path to save the project to (the GUI's save dialog).
// Returns false when the user cancels; `path` comes in as the current file
// name and goes out as the chosen path.
using SavePathChooser = std::function<bool(Workspace& ws, std::string& path)>;

// What the file commands need from the front end. Every member may be empty:
// no save dialog counts as a cancelled dialog, the others are skipped.
struct FileCommandHooks {
    SavePathChooser ChooseSavePath;
    // Writes the [FileMenu] keys of the settings file (the recent-file list
    // gained an entry).
    std::function<void(Workspace&)> WriteRecentFileKeys;
    // Opens the geometry and previous-seam dialog (ShowInputScreenOnLoad on).
    std::function<void(Workspace&)> ShowGeometryDialog;
};

// New project. resetUnits: UnitSystem = DefaultUnits; resetName:
// ProjectFileName = "Untitled". Title, description and every record take
// their new-project values (stored copies), report pages 1..4 are emptied,
// ProjectSaved = NoData = 255, UnitsLocked = 0.
void FileNew(Workspace& ws, bool resetName, bool resetUnits);

// Writes the stored copies to ProjectFileName (description normalised first).
// Returns false, after the error message, when the file could not be written;
// the previous file is then left as it was.
bool FileSave(Workspace& ws);

// Save (forceDialog false) and Save As (true). Asks for a path when forced or
// when the project is untitled; false when that is cancelled.
bool FileMenuSave(Workspace& ws, bool forceDialog, const SavePathChooser& choosePath);

// Reads ProjectFileName into the stored copies. When the open project has
// unsaved changes, first asks "Save changes to: " + PreviousFileName + "?";
// Yes saves it, and a save that fails or is cancelled keeps the project open
// and returns false. A refused or unreadable file ("Invalid File Type", or
// the error naming file and line) returns false and leaves an empty, untitled
// project.
bool FileOpen(Workspace& ws, const SavePathChooser& choosePath = {});

// FileOpen, then the recent-file list and, with ShowInputScreenOnLoad on, the
// geometry dialog.
bool LoadProjFile(Workspace& ws, const FileCommandHooks& hooks);

// The Open command after its file dialog, and recent-file entry `index`
// (0-based): remember the current name for the "Save changes" question, then
// load `path`.
bool OpenProjectCommand(Workspace& ws, const std::string& path, const FileCommandHooks& hooks);
bool OpenRecentFileCommand(Workspace& ws, int index, const FileCommandHooks& hooks);

// Save and Save As commands: FileMenuSave, then the recent-file list.
bool SaveProjectCommand(Workspace& ws, bool forceDialog, const FileCommandHooks& hooks);

// The unsaved-changes question when the program closes. Returns true when the
// program may close.
bool ConfirmCloseProject(Workspace& ws, const FileCommandHooks& hooks);

// Writes the working copies to the temporary work file (Paths.TempWorkFile)
// at the start of a calculation. False, after the error message, on failure.
bool SaveTempWorkFile(Workspace& ws);

// Start-up: when a temporary work file survived an interrupted calculation,
// loads it as an untitled, modified project and deletes it. Returns true when
// a project was recovered.
bool RestoreTempWorkFile(Workspace& ws);

// Removes the temporary work file at the end of a calculation (errors ignored).
void DeleteTempWorkFile(Workspace& ws);

// The main window caption: tag, ": ", the file path (a path over 50
// characters shows its first 10, "..." and its last 37), and "*" when the
// project has unsaved changes.
std::string MainWindowCaption(const Workspace& ws, const std::string& windowTag);

// The program's file error message: "Error occurred: " + description (with
// file and line) + " (" + number + ")", with Retry and Cancel for file and
// device errors, else followed by ". Procedure Terminated". Also writes
// "Error " + number + ":" + description to the history. Returns Retry or
// Cancel.
MessageAnswer ShowFileError(Workspace& ws, const FileError& error, const std::string& path);

}  // namespace vesk
