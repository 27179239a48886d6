#include "project/project_file.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "analysis/messages.h"
#include "project/description_text.h"
#include "project/project_records.h"
#include "project/recent_file_list.h"
#include "project/text_file_io.h"
#include "project/units.h"
#include "project/workspace.h"

namespace vesk {

namespace {

bool IsRetryableError(int number) {
    switch (number) {
        case 24:
        case 25:
        case 27:
        case 53:
        case 57:
        case 61:
        case 62:
        case 70:
        case 71:
        case 72: return true;
        default: return false;
    }
}

bool IsUntitled(const std::string& name) {
    std::string upper = name;
    std::transform(upper.begin(), upper.end(), upper.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper.empty() || upper == "UNTITLED";
}

ProjectFileContents ContentsOf(const Workspace& ws, const VeskParams& vesk, const KavoParams& kavo,
                               const OndarParams& ondar) {
    ProjectFileContents contents;
    contents.UnitSystem = ws.Header.UnitSystem;
    contents.ProjectTitle = ws.Header.ProjectTitle;
    contents.ProjectDescription = ws.Header.ProjectDescription;
    contents.Records = ProjectRecords{vesk, kavo, ondar};
    return contents;
}

// Writes `text` to `path`, offering Retry on file and device errors.
bool WriteWithRetry(Workspace& ws, const std::string& path, const std::string& text) {
    for (;;) {
        FileError error;
        if (WriteFileReplacing(path, text, error)) return true;
        if (ShowFileError(ws, error, path) != MessageAnswer::Retry) return false;
    }
}

}  // namespace

MessageAnswer ShowFileError(Workspace& ws, const FileError& error, const std::string& path) {
    std::string description = error.Description;
    if (!path.empty()) description += " in " + path;
    if (error.Line > 0) description += ", line " + std::to_string(error.Line);
    const std::string number = std::to_string(error.Number);
    AddHistory(ws, "Error " + number + ":" + description);
    if (IsRetryableError(error.Number)) {
        MessageAnswer answer =
            ShowMessage(ws, "Error occurred: " + description + " (" + number + ")",
                        MessageButtons::RetryCancel, MessageIcon::Error, "", MessageAnswer::Cancel);
        return answer == MessageAnswer::Retry ? MessageAnswer::Retry : MessageAnswer::Cancel;
    }
    ShowMessage(ws, "Error occurred: " + description + " (" + number + "). Procedure Terminated",
                MessageButtons::Ok, MessageIcon::Error);
    return MessageAnswer::Cancel;
}

void FileNew(Workspace& ws, bool resetName, bool resetUnits) {
    if (resetUnits)
        ws.Header.UnitSystem = ws.Options.DefaultUnits == Metric ? int16_t{Metric} : int16_t{English};
    if (resetName) ws.Header.ProjectFileName = UntitledFileName;
    ws.State.ProjectSaved = ByteTrue;
    ws.State.NoData = ByteTrue;
    ws.State.UnitsLocked = ByteFalse;
    ws.Recent.NextMode = 1;
    for (size_t page = 1; page <= 4; ++page) ws.OutBuf[page].clear();
    ws.Header.ProjectTitle.clear();
    ws.Header.ProjectDescription.clear();
    SetNewProjectRecords(ws, ws.Header.UnitSystem);
    AddHistory(ws, "File initialized. Use Edit-Project Parameters to enter data");
}

bool FileSave(Workspace& ws) {
    const std::string path = ws.Header.ProjectFileName;
    AddHistory(ws, "Saving: " + path);
    if (IsUntitled(path)) {
        ShowFileError(ws, FileError{ErrPathFileAccess, "Path/File access error", 0}, path);
        return false;
    }
    NormaliseProjectDescription(ws);
    ProjectFileContents contents = ContentsOf(ws, ws.VeskInput, ws.KavoInput, ws.OndarInput);
    const std::string text = FormatProjectFile(contents);
    // The writer turns an entry count of 0 into 1, in the project as well.
    ws.KavoInput.NumberOfEntries = contents.Records.Kavo.NumberOfEntries;
    ws.OndarInput.NumberOfEntries = contents.Records.Ondar.NumberOfEntries;
    if (!WriteWithRetry(ws, path, text)) return false;
    ws.State.ProjectSaved = ByteTrue;
    return true;
}

bool FileMenuSave(Workspace& ws, bool forceDialog, const SavePathChooser& choosePath) {
    if (forceDialog || IsUntitled(ws.Header.ProjectFileName)) {
        std::string path = ws.Header.ProjectFileName;
        if (!choosePath || !choosePath(ws, path) || path.empty()) return false;
        ws.Header.ProjectFileName = path;
    }
    return FileSave(ws);
}

bool FileOpen(Workspace& ws, const SavePathChooser& choosePath) {
    const std::string path = ws.Header.ProjectFileName;
    if (ws.State.ProjectSaved == ByteFalse) {
        MessageAnswer answer =
            ShowMessage(ws, "Save changes to: " + ws.State.PreviousFileName + "?", MessageButtons::YesNo,
                        MessageIcon::Question, "", MessageAnswer::No);
        if (answer == MessageAnswer::Yes) {
            // Saved under the name it had, not under the one just chosen.
            ws.Header.ProjectFileName = ws.State.PreviousFileName;
            bool saved = FileMenuSave(ws, false, choosePath);
            if (!saved) {
                // Keep the unsaved project rather than discard it.
                ws.Header.ProjectFileName = ws.State.PreviousFileName;
                return false;
            }
            ws.Header.ProjectFileName = path;
        }
    }

    for (;;) {
        FileNew(ws, false, true);
        ws.Header.ProjectFileName = path;
        AddHistory(ws, "Opening: " + path);

        std::string text;
        FileError error;
        ProjectFileReadStatus status = ProjectFileReadStatus::Malformed;
        ProjectFileContents contents;
        if (ReadWholeFile(path, text, error)) {
            contents.UnitSystem = ws.Header.UnitSystem;
            contents.Records = ProjectRecords{ws.VeskInput, ws.KavoInput, ws.OndarInput};
            status = ParseProjectFile(text, contents, error);
        }

        if (status == ProjectFileReadStatus::Ok) {
            ws.State.FileFormatVersion = contents.FileFormatVersion;
            ws.Header.UnitSystem = contents.UnitSystem;
            ws.Header.ProjectTitle = contents.ProjectTitle;
            ws.Header.ProjectDescription = contents.ProjectDescription;
            ws.VeskInput = contents.Records.Vesk;
            ws.KavoInput = contents.Records.Kavo;
            ws.OndarInput = contents.Records.Ondar;
            ws.State.ProjectSaved = ByteTrue;
            ws.State.NoData = ByteFalse;
            ws.State.UnitsLocked = ByteTrue;
            return true;
        }

        // Nothing of a refused file stays in the project, and the empty
        // project does not keep the file's name: a later Save must not
        // overwrite the file with it.
        FileNew(ws, true, true);
        if (status == ProjectFileReadStatus::InvalidFileType) {
            ShowMessage(ws, "Invalid File Type");
            return false;
        }
        if (ShowFileError(ws, error, path) != MessageAnswer::Retry) return false;
    }
}

bool LoadProjFile(Workspace& ws, const FileCommandHooks& hooks) {
    if (!FileOpen(ws, hooks.ChooseSavePath)) return false;
    if (UpdateRecentFileList(ws) && hooks.WriteRecentFileKeys) hooks.WriteRecentFileKeys(ws);
    if (ws.Options.ShowInputScreenOnLoad != 0 && hooks.ShowGeometryDialog) hooks.ShowGeometryDialog(ws);
    return true;
}

bool OpenProjectCommand(Workspace& ws, const std::string& path, const FileCommandHooks& hooks) {
    ws.State.PreviousFileName = ws.Header.ProjectFileName;
    ws.Header.ProjectFileName = path;
    return LoadProjFile(ws, hooks);
}

bool OpenRecentFileCommand(Workspace& ws, int index, const FileCommandHooks& hooks) {
    if (index < 0 || index >= std::min<int>(ws.Recent.Count, RecentFiles::MaxEntries)) return false;
    return OpenProjectCommand(ws, ws.Recent.Entries[static_cast<size_t>(index)].LongName, hooks);
}

bool SaveProjectCommand(Workspace& ws, bool forceDialog, const FileCommandHooks& hooks) {
    if (!FileMenuSave(ws, forceDialog, hooks.ChooseSavePath)) return false;
    if (UpdateRecentFileList(ws) && hooks.WriteRecentFileKeys) hooks.WriteRecentFileKeys(ws);
    return true;
}

bool ConfirmCloseProject(Workspace& ws, const FileCommandHooks& hooks) {
    if (ws.State.ProjectSaved != ByteFalse) return true;
    MessageAnswer answer =
        ShowMessage(ws, "Save changes to: " + ws.Header.ProjectFileName + "?", MessageButtons::YesNoCancel,
                    MessageIcon::Question, "", MessageAnswer::Yes);
    if (answer == MessageAnswer::Cancel) return false;
    if (answer == MessageAnswer::No) return true;
    return SaveProjectCommand(ws, false, hooks);
}

bool SaveTempWorkFile(Workspace& ws) {
    const std::string path = ws.Paths.TempWorkFile;
    AddHistory(ws, "Saving TMP: " + path);
    if (path.empty()) {
        ShowFileError(ws, FileError{ErrPathFileAccess, "Path/File access error", 0},
                      "the temporary work file");
        return false;
    }
    ProjectFileContents contents = ContentsOf(ws, ws.VeskWork, ws.KavoWork, ws.OndarWork);
    const std::string text = FormatProjectFile(contents);
    ws.KavoWork.NumberOfEntries = contents.Records.Kavo.NumberOfEntries;
    ws.OndarWork.NumberOfEntries = contents.Records.Ondar.NumberOfEntries;
    return WriteWithRetry(ws, path, text);
}

bool RestoreTempWorkFile(Workspace& ws) {
    const std::string path = ws.Paths.TempWorkFile;
    std::error_code ec;
    if (path.empty() || !std::filesystem::is_regular_file(path, ec)) return false;
    FileNew(ws, true, true);
    ws.Header.ProjectFileName = path;
    if (!FileOpen(ws)) return false;
    ShowMessage(ws, "Latest Input Data recovered and loaded");
    ws.Header.ProjectFileName = UntitledFileName;
    std::filesystem::remove(path, ec);
    ws.State.ProjectSaved = ByteFalse;
    ws.State.NoData = ByteFalse;
    return true;
}

void DeleteTempWorkFile(Workspace& ws) {
    std::error_code ec;
    if (!ws.Paths.TempWorkFile.empty()) std::filesystem::remove(ws.Paths.TempWorkFile, ec);
}

std::string MainWindowCaption(const Workspace& ws, const std::string& windowTag) {
    std::string path = ws.Header.ProjectFileName;
    if (path.size() > 50) path = path.substr(0, 10) + "..." + path.substr(path.size() - 37);
    std::string caption = windowTag + ": " + path;
    if (ws.State.ProjectSaved == ByteFalse) caption += "*";
    return caption;
}

}  // namespace vesk
