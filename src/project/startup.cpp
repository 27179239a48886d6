#include "project/startup.h"

#include "project/data_folders.h"
#include "project/settings_file.h"
#include "project/workspace.h"

namespace vesk {

void StartUpSettings(Workspace& ws, const std::string& fontName) {
    const Settings defaults = BuiltInSettings(ws.Paths, ws.Header.UnitSystem, fontName);
    PrepareSettingsFile(ws, defaults);
    if (ws.Options.CopyExampleFiles != 0) {
        const std::string extension = ws.Options.FileExtension.empty() ? "VSK" : ws.Options.FileExtension;
        CopyExampleFiles(ws.Paths, extension);
    }
}

std::string CommandLineProjectPath(std::string_view commandLine) {
    std::string path;
    for (char c : commandLine)
        if (c != '"') path += c;
    return path;
}

void StartUpProjects(Workspace& ws, const std::string& commandLine, const FileCommandHooks& hooks) {
    FileNew(ws, true, true);
    if (ws.Options.LoadLastInputFile != 0 && ws.Recent.Count > 0 && !ws.Recent.Entries[0].LongName.empty())
        OpenRecentFileCommand(ws, 0, hooks);
    const std::string path = CommandLineProjectPath(commandLine);
    if (!path.empty()) {
        ws.Header.ProjectFileName = path;
        LoadProjFile(ws, hooks);
    }
    RestoreTempWorkFile(ws);
}

void ShutDown(Workspace& ws) {
    WriteSettingsSection(ws, SettingsSection::FileMenu);
}

FileCommandHooks SettingsFileHooks() {
    FileCommandHooks hooks;
    hooks.WriteRecentFileKeys = [](Workspace& ws) { WriteSettingsSection(ws, SettingsSection::FileMenu); };
    return hooks;
}

bool AnnualUpdateReminderDue(const Settings& settings, std::chrono::sys_days today) {
    using namespace std::chrono;
    constexpr sys_days release = year{2013} / August / 20;
    return settings.RemindAnnualUpdates != 0 && (today - release).count() > 360;
}

}  // namespace vesk
