#include "project/settings_check.h"

#include <filesystem>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/workspace.h"

namespace vesk {
namespace {

void ShowError(Workspace& ws, const std::string& prompt, const std::string& title = "") {
    ShowMessage(ws, prompt, MessageButtons::Ok, MessageIcon::Error, title);
}

}  // namespace

SettingsDialogField CheckSettingsDialog(Workspace& ws, SettingsDialogText& text) {
    if (text.DataPath.empty() || text.DataPath.back() != '/') text.DataPath += '/';
    std::error_code error;
    if (!std::filesystem::is_directory(text.DataPath, error)) {
        ShowError(ws, "Invalid Path for Data Files");
        return SettingsDialogField::DataPath;
    }

    const std::string label = "Size of Command History Window";
    const std::string size(TrimBlanks(text.MaxDisplaySize));
    double value = 0;
    if (size.empty()) {
        ShowError(ws, label + ": Blank field not allowed", "Range Error");
        return SettingsDialogField::MaxDisplaySize;
    }
    if (!ParseNumber(size, value) || !(value >= 4096 && value <= 16384)) {
        ShowError(
            ws, label + ": Value '" + size + "' is outside input range" + CrLf + "Valid range is: 4096-16384",
            "Range Error");
        return SettingsDialogField::MaxDisplaySize;
    }

    for (char& c : text.FileExtension)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (char c : text.FileExtension) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'))) {
            ShowError(ws, "Invalid character in file extension");
            return SettingsDialogField::FileExtension;
        }
    }
    return SettingsDialogField::None;
}

}  // namespace vesk
