#pragma once
#include <string>

namespace vesk {

struct Workspace;

// The boxes of the Settings dialog that OK checks, as typed.
struct SettingsDialogText {
    std::string DataPath;
    std::string MaxDisplaySize;
    std::string FileExtension;
};

enum class SettingsDialogField { None, DataPath, MaxDisplaySize, FileExtension };

// OK of the Settings dialog, in order, stopping at the first failure with its
// message (error icon): the path gets a trailing '/' and must be an existing
// folder ("Invalid Path for Data Files"); the history size must be a number
// in 4096..16384 (the range check's message, title "Range Error"); the
// extension, upper-cased, may be empty or hold only A..Z and 0..9 ("Invalid
// character in file extension"). Returns the box to focus, or None when all
// pass; `text` comes back with the path and extension in their stored form.
SettingsDialogField CheckSettingsDialog(Workspace& ws, SettingsDialogText& text);

}  // namespace vesk
