#include "project/settings_file.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>

#include "analysis/messages.h"
#include "analysis/text_format.h"
#include "project/ini_file.h"
#include "project/workspace.h"

namespace vesk {
namespace {

const char* SectionName(SettingsSection section) {
    switch (section) {
        case SettingsSection::Version: return "Version";
        case SettingsSection::Settings: return "Settings";
        case SettingsSection::FileMenu: return "FileMenu";
        case SettingsSection::TextBrowse: return "TextBrowse";
        case SettingsSection::Graph: return "Graph";
        case SettingsSection::VeskOptions: return "VeskOptions";
        case SettingsSection::KavoOptions: return "KavoOptions";
        case SettingsSection::OndarOptions: return "OndarOptions";
        case SettingsSection::GridColors: return "GridColors";
    }
    return "";
}

constexpr SettingsSection AllSections[] = {
    SettingsSection::Version,     SettingsSection::Settings,     SettingsSection::FileMenu,
    SettingsSection::TextBrowse,  SettingsSection::Graph,        SettingsSection::VeskOptions,
    SettingsSection::KavoOptions, SettingsSection::OndarOptions, SettingsSection::GridColors,
};

// Key of grid colour entry 1..28: the letters A..Z, then "0" and "1".
std::string ColourKey(const char* prefix, int entry) {
    std::string suffix = entry <= 26 ? std::string(1, static_cast<char>('A' + entry - 1))
                                     : std::string(1, static_cast<char>('0' + entry - 27));
    return prefix + suffix;
}

// A number as the settings have always been read: the text's leading number
// with "." as the decimal separator; text that does not start with a number
// reads as 0.
double LeadingNumber(const std::string& text) {
    double value = 0;
    if (ParseNumber(text, value)) return std::isfinite(value) ? value : 0;
    size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos) return 0;
    if (text[start] == '+') ++start;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    (void)end;
    if (error != std::errc() || !std::isfinite(value)) return 0;
    return value;
}

// The key list of every section, shared by the reader and the writer so that
// both always agree on names, types, ranges and "if missing" values.
template <class Visitor>
void VisitKeys(Settings& s, const Settings& defaults, SettingsSection section, Visitor& v) {
    switch (section) {
        case SettingsSection::Version:
        case SettingsSection::FileMenu: break;  // handled on their own
        case SettingsSection::Settings:
            v.ranged("DefaultUnits", s.DefaultUnits, 0, 1);
            v.ranged("DisplayHistoryWin", s.DisplayHistoryWin, 0, 1);
            v.ranged("MaxDisplaySize", s.MaxDisplaySize, 4096, 16384);
            v.text("DisplayFontName", s.DisplayFontName, defaults.DisplayFontName);
            v.ranged("DisplayFontSize", s.DisplayFontSize, 7, 24);
            v.ranged("DisplayFontBold", s.DisplayFontBold, -1, 0);
            v.ranged("DisplayFontItalic", s.DisplayFontItalic, -1, 0);
            v.ranged("KeepFileNames", s.KeepFileNames, 0, 1);
            v.ranged("ShowDisclaim", s.ShowDisclaim, 0, 1);
            v.ranged("MaxMainMenu", s.MaxMainMenu, 0, 1);
            v.ranged("EnableMainMenuToolbar", s.EnableMainMenuToolbar, 0, 1);
            v.ranged("ShortRecentFiles", s.ShortRecentFiles, 0, 1);
            v.ranged("LoadLastInputFile", s.LoadLastInputFile, 0, 1);
            v.ranged("RemindAnnualUpdates", s.RemindAnnualUpdates, 0, 1);
            v.ranged("CopyExampleFiles", s.CopyExampleFiles, 0, 1, 1);
            v.text("ExternalEditor", s.ExternalEditor);
            v.text("DataPath", s.DataPath);
            v.text("FileExtension", s.FileExtension);
            break;
        case SettingsSection::TextBrowse:
            v.text("BrowseFontName", s.BrowseFontName, defaults.BrowseFontName);
            v.ranged("BrowseFontSize", s.BrowseFontSize, 7, 24);
            v.ranged("BrowseFontBold", s.BrowseFontBold, -1, 0);
            v.ranged("BrowseFontItalic", s.BrowseFontItalic, -1, 0);
            v.text("BrowseDefaultFilter", s.BrowseDefaultFilter);
            v.ranged("BrowseUseNotepad", s.BrowseUseNotepad, 0, 1);
            break;
        case SettingsSection::Graph:
            v.ranged("GraphSetParams", s.GraphSetParams, 0, 1);
            v.ranged("GridStyle", s.GridStyle, 0, 3);
            v.ranged("GraphStyle", s.GraphStyle, 1, 3);
            v.ranged("CurveLegend", s.CurveLegend, 0, 1);
            v.ranged("SymbolSize", s.SymbolSize, 3, 20);
            v.ranged("GraphUnits", s.GraphUnits, 0, 1);
            v.text("GraphTitle", s.GraphTitle);
            for (size_t i = 0; i < s.XAxisTitle.size(); ++i)
                v.text("XAxisTitle" + std::to_string(i), s.XAxisTitle[i]);
            for (size_t i = 0; i < s.YAxisTitle.size(); ++i)
                v.text("YAxisTitle" + std::to_string(i), s.YAxisTitle[i]);
            break;
        case SettingsSection::VeskOptions:
            v.ranged("ShowInputScreenOnLoad", s.ShowInputScreenOnLoad, 0, 1, 1);
            v.ranged("ViewChildWindow", s.ViewChildWindow, 0, 1, 1);
            v.ranged("PrintModuleHeader", s.PrintModuleHeader, 0, 1, 1);
            v.ranged("EnableDirectAccess", s.EnableDirectAccess, 0, 1, 1);
            v.ranged("IssueWarningCancel", s.IssueWarningCancel, 0, 1, 1);
            v.integer("CellSizeEnglish", s.CellSizeEnglish, 2);
            v.single("CellSizeMetric", s.CellSizeMetric, 0.5);
            v.ranged("Jirn2DViewProgress", s.Jirn2DViewProgress, 0, 1, 0);
            v.ranged("Jirn2DViewProgOutput", s.Jirn2DViewProgOutput, 0, 1, 0);
            v.ranged("Jirn2DViewOutput", s.Jirn2DViewOutput, 0, 1, 0);
            v.ranged("iOptDir", s.iOptDir, 0, 3, 1);
            v.ranged("PlotSSstress", s.PlotSSstress, 0, 1, 0);
            v.ranged("AskOfficeInstall", s.AskOfficeInstall, 0, 1, 1);
            v.ranged("PlotRangeMin", s.PlotRangeMin, 0, 150, 100);
            v.ranged("PlotRangeMax", s.PlotRangeMax, 0, 150, 150);
            break;
        case SettingsSection::KavoOptions:
            v.ranged("KavoOutputStrUnits", s.KavoOutputStrUnits, 0, 1, 0);
            v.ranged("KavoOutputStrGradUnits", s.KavoOutputStrGradUnits, 0, 1, 0);
            v.ranged("KavoPlotEntryDims", s.KavoPlotEntryDims, 0, 1, 1);
            v.ranged("KavoPlotXcutDims", s.KavoPlotXcutDims, 0, 1, 1);
            v.ranged("KavoPrintPlotReminder", s.KavoPrintPlotReminder, 0, 1, 1);
            break;
        case SettingsSection::OndarOptions:
            v.ranged("OndarOutputStrUnits", s.OndarOutputStrUnits, 0, 1);
            v.ranged("OndarOutputStrGradUnits", s.OndarOutputStrGradUnits, 0, 1);
            v.ranged("OndarPlotEntryDims", s.OndarPlotEntryDims, 0, 1, 1);
            v.ranged("OndarPlotXcutDims", s.OndarPlotXcutDims, 0, 1, 1);
            v.ranged("OndarPlotSingleXcutDims", s.OndarPlotSingleXcutDims, 0, 1, 1);
            v.ranged("OndarPlotGobExtLoose", s.OndarPlotGobExtLoose, 0, 1, 1);
            v.ranged("OndarPlotGobDims", s.OndarPlotGobDims, 0, 1, 1);
            v.ranged("OndarPrintPlotReminder", s.OndarPrintPlotReminder, 0, 1, 1);
            break;
        case SettingsSection::GridColors:
            for (int entry = 1; entry <= 28; ++entry)
                v.colour(ColourKey("GridBackColors", entry), s.GridBackColors[entry]);
            for (int entry = 1; entry <= 28; ++entry)
                v.colour(ColourKey("GridForeColors", entry), s.GridForeColors[entry]);
            break;
    }
}

class KeyReader {
public:
    KeyReader(const IniFile& ini, const char* section) : ini_(ini), section_(section) {}

    void ranged(const std::string& key, int16_t& field, int lowest, int highest,
                std::optional<double> ifMissing = std::nullopt) {
        double value = std::nearbyint(number(key, ifMissing));
        field = static_cast<int16_t>(value < lowest || value > highest ? lowest : value);
    }
    void integer(const std::string& key, int16_t& field, std::optional<double> ifMissing = std::nullopt) {
        double value = std::nearbyint(number(key, ifMissing));
        bool fits =
            value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max();
        field = static_cast<int16_t>(fits ? value : 0);
    }
    void single(const std::string& key, float& field, std::optional<double> ifMissing = std::nullopt) {
        double value = number(key, ifMissing);
        bool fits = std::fabs(value) <= std::numeric_limits<float>::max();
        field = fits ? static_cast<float>(value) : 0.0f;
    }
    void colour(const std::string& key, int32_t& field) {
        double value = std::nearbyint(number(key, 0.0));
        bool fits =
            value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
        field = static_cast<int32_t>(fits ? value : 0);
    }
    void text(const std::string& key, std::string& field, const std::string& ifMissing = "") {
        std::optional<std::string> value = ini_.value(section_, key);
        field = value ? *value : ifMissing;
    }

private:
    double number(const std::string& key, std::optional<double> ifMissing) {
        std::optional<std::string> value = ini_.value(section_, key);
        if (!value) return ifMissing.value_or(0.0);
        return LeadingNumber(*value);
    }

    const IniFile& ini_;
    const char* section_;
};

class KeyWriter {
public:
    KeyWriter(IniFile& ini, const char* section) : ini_(ini), section_(section) {}

    void ranged(const std::string& key, int16_t& field, int, int, std::optional<double> = std::nullopt) {
        ini_.setValue(section_, key, std::to_string(field));
    }
    void integer(const std::string& key, int16_t& field, std::optional<double> = std::nullopt) {
        ini_.setValue(section_, key, std::to_string(field));
    }
    void single(const std::string& key, float& field, std::optional<double> = std::nullopt) {
        ini_.setValue(section_, key, FormatGeneral(field));
    }
    void colour(const std::string& key, int32_t& field) {
        ini_.setValue(section_, key, std::to_string(field));
    }
    void text(const std::string& key, std::string& field, const std::string& = "") {
        ini_.setValue(section_, key, field);
    }

private:
    IniFile& ini_;
    const char* section_;
};

std::string WithTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

bool FolderExists(const std::string& folder) {
    std::error_code error;
    return std::filesystem::is_directory(folder, error);
}

// The rules that give some settings a meaning beyond their text.
void ApplyReadRules(Settings& s, const DataPaths& paths) {
    if (s.DataPath.empty() || s.DataPath == "0") s.DataPath = paths.UserDataFolder;
    s.DataPath = WithTrailingSlash(s.DataPath);
    if (!FolderExists(s.DataPath)) s.DataPath = paths.UserDataFolder;
    if (s.FileExtension == "0") s.FileExtension = "VSK";
    // A cell size of 0 means the default; a negative one would make the model
    // grid meaningless, so it is treated the same way.
    if (s.CellSizeEnglish <= 0) s.CellSizeEnglish = 2;
    if (!(s.CellSizeMetric > 0)) s.CellSizeMetric = 0.5f;
}

void ReadFileMenu(const IniFile& ini, RecentFiles& recent) {
    KeyReader reader(ini, "FileMenu");
    reader.ranged("MaxLastFiles", recent.Count, 0, RecentFiles::MaxEntries);
    for (int k = 1; k <= RecentFiles::MaxEntries; ++k) {
        RecentFileEntry& entry = recent.Entries[k - 1];
        const std::string n = std::to_string(k);
        reader.text("LastFile" + n, entry.ShortName);
        reader.integer("LastFileMode" + n, entry.Mode, 0);
        reader.text("LastFileLong" + n, entry.LongName);
    }
}

void WriteFileMenu(IniFile& ini, RecentFiles& recent) {
    KeyWriter writer(ini, "FileMenu");
    writer.ranged("MaxLastFiles", recent.Count, 0, RecentFiles::MaxEntries);
    for (int k = 1; k <= RecentFiles::MaxEntries; ++k) {
        RecentFileEntry& entry = recent.Entries[k - 1];
        const std::string n = std::to_string(k);
        writer.text("LastFile" + n, entry.ShortName);
        writer.integer("LastFileMode" + n, entry.Mode);
        writer.text("LastFileLong" + n, entry.LongName);
    }
}

void WriteSection(IniFile& ini, Settings& values, RecentFiles& recent, SettingsSection section) {
    if (section == SettingsSection::Version) {
        ini.setValue("Version", "INIFileVersion", IniFileVersion);
    } else if (section == SettingsSection::FileMenu) {
        WriteFileMenu(ini, recent);
    } else {
        KeyWriter writer(ini, SectionName(section));
        VisitKeys(values, values, section, writer);
    }
}

void ReadAll(const IniFile& ini, Workspace& ws, const Settings& defaults) {
    Settings& s = ws.Options;
    for (SettingsSection section : AllSections) {
        if (section == SettingsSection::Version) continue;
        if (section == SettingsSection::FileMenu) {
            ReadFileMenu(ini, ws.Recent);
            continue;
        }
        KeyReader reader(ini, SectionName(section));
        VisitKeys(s, defaults, section, reader);
    }
    ApplyReadRules(s, ws.Paths);
}

bool SaveSettings(Workspace& ws, const IniFile& ini) {
    AddHistory(ws, "Saving default settings to file: " + ws.Paths.IniFileName);
    FileError error;
    return ini.save(ws.Paths.IniFileName, error);
}

}  // namespace

Settings BuiltInSettings(const DataPaths& paths, int16_t unitSystem, const std::string& fontName) {
    Settings s;
    s.MaxDisplaySize = 2048;
    s.DataPath = paths.UserDataFolder;
    s.GraphUnits = unitSystem;
    s.DisplayFontName = fontName;
    s.BrowseFontName = fontName;
    return s;
}

void ReadSettingsFile(Workspace& ws, const Settings& defaults) {
    ReadAll(IniFile::Load(ws.Paths.IniFileName), ws, defaults);
}

bool WriteSettingsSection(Workspace& ws, SettingsSection section) {
    IniFile ini = IniFile::Load(ws.Paths.IniFileName);
    WriteSection(ini, ws.Options, ws.Recent, section);
    return SaveSettings(ws, ini);
}

namespace {

IniFile DefaultsProfile(Workspace& ws, const Settings& values) {
    IniFile ini;
    Settings copy = values;
    for (SettingsSection section : AllSections) WriteSection(ini, copy, ws.Recent, section);
    return ini;
}

}  // namespace

bool WriteAllSettings(Workspace& ws, const Settings& values) {
    return SaveSettings(ws, DefaultsProfile(ws, values));
}

void PrepareSettingsFile(Workspace& ws, const Settings& defaults) {
    IniFile ini = IniFile::Load(ws.Paths.IniFileName);
    std::error_code error;
    bool exists = std::filesystem::exists(ws.Paths.IniFileName, error);
    if (!exists || ini.value("Version", "INIFileVersion").value_or("") != IniFileVersion) {
        // Read the defaults just written even when the file could not be
        // saved, so that an unwritable folder still gives sound settings.
        ini = DefaultsProfile(ws, defaults);
        SaveSettings(ws, ini);
    }
    ReadAll(ini, ws, defaults);
}

}  // namespace vesk
