#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vesk {

// A colour as the settings file stores it: a Long of the form 0x00BBGGRR.
constexpr int32_t RgbColour(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

// Background colours of the model grid display, entries 1..28 (element 0
// unused): eleven material colours twice, then red, yellow, green, blue and
// two whites.
constexpr std::array<int32_t, 29> DefaultGridBackColors() {
    constexpr std::array<int32_t, 11> materials = {
        RgbColour(255, 0, 0),    RgbColour(252, 118, 54), RgbColour(250, 206, 78), RgbColour(242, 252, 54),
        RgbColour(153, 253, 41), RgbColour(67, 251, 186), RgbColour(67, 205, 251), RgbColour(84, 54, 252),
        RgbColour(178, 41, 253), RgbColour(253, 41, 253), RgbColour(249, 91, 132)};
    std::array<int32_t, 29> colours{};
    for (size_t i = 0; i < materials.size(); ++i) {
        colours[1 + i] = materials[i];
        colours[12 + i] = materials[i];
    }
    colours[23] = RgbColour(255, 0, 0);
    colours[24] = RgbColour(255, 255, 0);
    colours[25] = RgbColour(0, 255, 0);
    colours[26] = RgbColour(0, 0, 255);
    colours[27] = RgbColour(255, 255, 255);
    colours[28] = RgbColour(255, 255, 255);
    return colours;
}

// The values of the settings file "Vesk.INI". Field names are the file's keys
// (XAxisTitle[i] is the key "XAxisTitle" + i, GridBackColors[1..26] the keys
// "GridBackColorsA".."Z", [27] and [28] the keys ending in "0" and "1").
// The defaults here are the effective defaults (the built-in values after the
// clamp of the first read); settings_file.cpp owns the ranges and the
// "if missing" rules, and the recent-file keys of [FileMenu] live in
// RecentFiles.
struct Settings {
    // [Settings]
    int16_t DefaultUnits = 0;  // DefaultUnitSystem: the unit system of a new project
    int16_t DisplayHistoryWin = 0;
    int16_t MaxDisplaySize = 4096;
    std::string DisplayFontName = "Arial";
    int16_t DisplayFontSize = 10;
    int16_t DisplayFontBold = 0;
    int16_t DisplayFontItalic = 0;
    int16_t KeepFileNames = 1;
    int16_t ShowDisclaim = 1;
    int16_t MaxMainMenu = 0;
    int16_t EnableMainMenuToolbar = 1;
    int16_t ShortRecentFiles = 0;
    int16_t LoadLastInputFile = 0;
    int16_t RemindAnnualUpdates = 1;
    int16_t CopyExampleFiles = 1;
    std::string ExternalEditor = "Notepad.exe";
    std::string DataPath;  // ends with the path separator; UserDataFolder by default
    std::string FileExtension = "VSK";

    // [TextBrowse]
    std::string BrowseFontName = "Arial";
    int16_t BrowseFontSize = 10;
    int16_t BrowseFontBold = 0;
    int16_t BrowseFontItalic = 0;
    std::string BrowseDefaultFilter;
    int16_t BrowseUseNotepad = 0;

    // [Graph]
    int16_t GraphSetParams = 0;
    int16_t GridStyle = 0;
    int16_t GraphStyle = 3;
    int16_t CurveLegend = 1;
    int16_t SymbolSize = 5;
    int16_t GraphUnits = 0;  // the unit system at program start
    std::string GraphTitle = "Vesk";
    std::array<std::string, 8> XAxisTitle = {"Depth of Cover",     "Crosscut Spacing",   "Depth of Cover",
                                             "Crosscut Spacing",   "Location of Pillar", "Location of Pillar",
                                             "Location of Pillar", "Location of Pillar"};
    std::array<std::string, 8> YAxisTitle = {
        "Critical Interburden", "Critical Interburden",      "Stability Factors",
        "Stability Factors",    "Average Vertical Stresses", "Average Vertical Stresses - Detail",
        "Vertical Stresses",    "Vertical Stresses - Detail"};

    // [VeskOptions]
    int16_t ShowInputScreenOnLoad = 1;
    int16_t ViewChildWindow = 1;
    int16_t PrintModuleHeader = 1;
    int16_t EnableDirectAccess = 0;
    int16_t IssueWarningCancel = 1;
    int16_t CellSizeEnglish = 2;  // ft
    float CellSizeMetric = 0.5f;  // m
    int16_t Jirn2DViewProgress = 0;
    int16_t Jirn2DViewProgOutput = 0;
    int16_t Jirn2DViewOutput = 0;
    int16_t iOptDir = 1;
    int16_t PlotSSstress = 0;
    int16_t AskOfficeInstall = 1;
    int16_t PlotRangeMin = 80;
    int16_t PlotRangeMax = 150;

    // [KavoOptions]
    int16_t KavoOutputStrUnits = 0;
    int16_t KavoOutputStrGradUnits = 0;
    int16_t KavoPlotEntryDims = 1;
    int16_t KavoPlotXcutDims = 1;
    int16_t KavoPrintPlotReminder = 1;

    // [OndarOptions]
    int16_t OndarOutputStrUnits = 0;
    int16_t OndarOutputStrGradUnits = 0;
    int16_t OndarPlotEntryDims = 1;
    int16_t OndarPlotXcutDims = 1;
    int16_t OndarPlotSingleXcutDims = 1;
    int16_t OndarPlotGobExtLoose = 1;
    int16_t OndarPlotGobDims = 1;
    int16_t OndarPrintPlotReminder = 1;

    // [GridColors]: entries 1..28 (element 0 unused), colours as 0x00BBGGRR.
    std::array<int32_t, 29> GridBackColors = DefaultGridBackColors();
    std::array<int32_t, 29> GridForeColors{};  // black

    bool operator==(const Settings&) const = default;
};

}  // namespace vesk
