#pragma once
#include <array>
#include <cstdint>
#include <string>

namespace vesk {

// The values of the settings file "Vesk.INI". Field names are the file's keys.
// The defaults here are the effective defaults (the built-in values after the
// clamp of the first read); settings_file.cpp owns the ranges and the
// "if missing" rules.
struct Settings {
    // [Settings]
    int16_t DefaultUnits = 0;
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
    std::string DataPath;  // ends with the path separator
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
    int16_t GraphUnits = 0;
    std::string GraphTitle = "Vesk";
    std::array<std::string, 8> XAxisTitle = {"Depth of Cover",     "Crosscut Spacing",   "Depth of Cover",
                                             "Crosscut Spacing",   "Location of Pillar", "Location of Pillar",
                                             "Location of Pillar", "Location of Pillar"};
    std::array<std::string, 8> YAxisTitle = {"Critical Interburden",
                                             "Critical Interburden",
                                             "Stability Factors",
                                             "Stability Factors",
                                             "Average Vertical Stresses",
                                             "Average Vertical Stresses - Detail",
                                             "Vertical Stresses",
                                             "Vertical Stresses - Detail"};

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
    std::array<int32_t, 29> GridBackColors{};
    std::array<int32_t, 29> GridForeColors{};
};

}  // namespace vesk
