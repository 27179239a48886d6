#pragma once
#include <cstdint>
#include <string>

#include "project/data_paths.h"
#include "project/settings.h"

namespace vesk {

struct Workspace;

// Version of the settings layout; a file with any other version is deleted
// and written anew from the defaults.
inline constexpr const char* IniFileVersion = "060326";

// The sections of the settings file; each dialog writes its own.
enum class SettingsSection {
    Version,
    Settings,
    FileMenu,
    TextBrowse,
    Graph,
    VeskOptions,
    KavoOptions,
    OndarOptions,
    GridColors,
};

// The built-in settings as the first start writes them to the file: the
// defaults of Settings, except that the history size is written as 2048 (and
// reads back as 4096), the data path is the user data folder, the graph units
// are the unit system at start and the two font names are `fontName` (the
// first available of "Arial", "Courier New", "System", "Terminal").
Settings BuiltInSettings(const DataPaths& paths, int16_t unitSystem, const std::string& fontName = "Arial");

// Start-up: writes the settings file from `defaults` when it is missing or
// holds another INIFileVersion (the old file and its values are then lost),
// then reads every section into ws.Options and ws.Recent. `defaults` also
// supplies the values of missing font-name keys.
void PrepareSettingsFile(Workspace& ws, const Settings& defaults);

// Reads every section of ws.Paths.IniFileName into ws.Options and ws.Recent.
// Numbers are read with "." and clamped: a value outside its range becomes the
// range's lowest value; a missing key takes its "if missing" value, a missing
// number without one reads as 0 before the clamp.
void ReadSettingsFile(Workspace& ws, const Settings& defaults);

// Writes the keys of one section from ws.Options (and ws.Recent for
// [FileMenu]); every other key and section of the file stays as it is. Adds
// the history line "Saving default settings to file: " + path. Returns false
// when the file cannot be written.
bool WriteSettingsSection(Workspace& ws, SettingsSection section);

// Writes [Version] and every section from `values` into a new file that
// replaces the old one, with one history line.
bool WriteAllSettings(Workspace& ws, const Settings& values);

}  // namespace vesk
