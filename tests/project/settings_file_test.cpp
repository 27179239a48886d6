#include "project/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/data_folders.h"
#include "project/ini_file.h"
#include "project/settings_check.h"
#include "project/startup.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(IniFile, ReadsLikeTheProfileFunctions) {
    IniFile ini = IniFile::FromText(
        "; comment\r\n"
        "orphan=1\r\n"
        "[Settings]\r\n"
        "  MaxDisplaySize =  8192  \r\n"
        "ExternalEditor=\"/usr/bin/my editor\"\r\n"
        "maxdisplaysize=1\r\n"
        "[settings]\r\n"
        "Later=2\r\n");
    EXPECT_EQ(ini.value("SETTINGS", "maxDisplaySize"), "8192");  // case-blind, first key wins
    EXPECT_EQ(ini.value("Settings", "ExternalEditor"), "/usr/bin/my editor");
    EXPECT_FALSE(ini.value("Settings", "Later"));  // only the first of two equal sections
    EXPECT_FALSE(ini.value("Settings", "orphan"));
    EXPECT_FALSE(ini.value("Missing", "x"));

    EXPECT_EQ(IniFile::FromText("\xEF\xBB\xBF[Version]\nINIFileVersion=060326\n")
                  .value("Version", "INIFileVersion"),
              "060326");
}

TEST(IniFile, ChangesOnlyTheLineOfTheKey) {
    IniFile ini = IniFile::FromText("[A]\nx = 1\n; keep me\ny=2\n\n[B]\nz=3\n");
    ini.setValue("a", "X", "10");
    ini.setValue("A", "w", "new\r\nline");
    ini.setValue("C", "k", "v");
    // The file's own line ends are kept; a new key goes after the section's
    // last key, a new section at the end; a value stays on one line.
    EXPECT_EQ(ini.text(), "[A]\nx=10\n; keep me\ny=2\nw=new  line\n\n[B]\nz=3\n[C]\nk=v\n");
}

class SettingsFileTest : public ::testing::Test {
protected:
    SettingsFileTest() : ws(ui) {
        ws.Paths = PrepareDataFolders(dir.file("app"), dir.file("docs"), dir.file("systemp"));
        defaults = BuiltInSettings(ws.Paths, 0);
    }

    // A settings file of the current version with the given sections.
    void WriteIni(const std::string& body) {
        test::WriteTextFile(ws.Paths.IniFileName, "[Version]\r\nINIFileVersion=060326\r\n" + body);
    }
    std::string IniText() const { return test::ReadTextFile(ws.Paths.IniFileName); }

    test::TempDir dir;
    RecordingUserInterface ui;
    Workspace ws;
    Settings defaults;
};

TEST_F(SettingsFileTest, FirstStartWritesEverySectionAndReadsTheEffectiveDefaults) {
    ws.Options.DisplayHistoryWin = 1;
    PrepareSettingsFile(ws, defaults);

    const std::string text = IniText();
    for (const char* section : {"[Version]", "[Settings]", "[FileMenu]", "[TextBrowse]", "[Graph]",
                                "[VeskOptions]", "[KavoOptions]", "[OndarOptions]", "[GridColors]"})
        EXPECT_TRUE(Contains(text, std::string("\r\n") + section + "\r\n") || text.rfind(section, 0) == 0)
            << section;
    for (const char* line :
         {"INIFileVersion=060326", "MaxDisplaySize=2048", "ExternalEditor=Notepad.exe", "CellSizeMetric=0.5",
          "PlotRangeMin=80", "EnableDirectAccess=0", "GridBackColorsA=255", "GridBackColorsB=3569404",
          "GridBackColorsL=255", "GridBackColorsX=65535", "GridBackColorsZ=16711680",
          "GridBackColors0=16777215", "GridBackColors1=16777215", "GridForeColorsK=0",
          "YAxisTitle5=Average Vertical Stresses - Detail", "XAxisTitle7=Location of Pillar",
          "MaxLastFiles=0"})
        EXPECT_TRUE(Contains(text, std::string("\r\n") + line + "\r\n")) << line;
    EXPECT_TRUE(Contains(text, "DataPath=" + ws.Paths.UserDataFolder + "\r\n"));

    EXPECT_EQ(ws.Options.MaxDisplaySize, 4096);
    Settings expected;  // the struct's defaults are what the first start reads back
    expected.DataPath = ws.Paths.UserDataFolder;
    EXPECT_EQ(ws.Options, expected);
    EXPECT_TRUE(
        Contains(ws.History.Text, "Saving default settings to file: " + ws.Paths.IniFileName + "\r\n"));
}

TEST_F(SettingsFileTest, AnotherVersionIsReplacedByTheDefaults) {
    for (const std::string& version :
         {std::string("[Version]\r\nINIFileVersion=050101\r\n"), std::string()}) {
        test::WriteTextFile(ws.Paths.IniFileName,
                            version + "[Settings]\r\nDefaultUnits=1\r\n[Mine]\r\nx=1\r\n");
        PrepareSettingsFile(ws, defaults);
        EXPECT_EQ(ws.Options.DefaultUnits, 0);
        EXPECT_FALSE(Contains(IniText(), "[Mine]"));
        EXPECT_TRUE(Contains(IniText(), "INIFileVersion=060326"));
    }
}

TEST_F(SettingsFileTest, CurrentVersionIsReadAsItStands) {
    WriteIni("[Settings]\r\nDefaultUnits=1\r\n[Mine]\r\nx=1\r\n");
    PrepareSettingsFile(ws, defaults);
    EXPECT_EQ(ws.Options.DefaultUnits, 1);
    EXPECT_TRUE(Contains(IniText(), "[Mine]\r\nx=1\r\n"));
}

TEST_F(SettingsFileTest, NumbersAreClampedToTheLowestValueOfTheirRange) {
    const fs::path existing = dir.path() / "projects";
    fs::create_directories(existing);
    WriteIni(
        "[Settings]\r\nDefaultUnits=abc\r\nMaxDisplaySize=20000\r\nDisplayFontSize=12.5\r\nDisplayFontBold="
        "1\r\n"
        "DisplayFontItalic=-1\r\nShowDisclaim=  0  \r\nDataPath=" +
        existing.string() +
        "\r\nFileExtension=0\r\n"
        "[Graph]\r\nGraphStyle=0\r\nSymbolSize=50\r\nGridStyle=2\r\nGraphUnits=1e0\r\n"
        "[VeskOptions]\r\nCellSizeEnglish=99999\r\nCellSizeMetric=0.75\r\niOptDir=7\r\nPlotRangeMax=120.4\r\n"
        "[GridColors]\r\nGridBackColorsC=12345\r\n[FileMenu]\r\nMaxLastFiles=9\r\n");
    ReadSettingsFile(ws, defaults);
    const Settings& s = ws.Options;
    EXPECT_EQ(s.DefaultUnits, 0);
    EXPECT_EQ(s.MaxDisplaySize, 4096);
    EXPECT_EQ(s.DisplayFontSize, 12);  // whole numbers round to even
    EXPECT_EQ(s.DisplayFontBold, -1);  // 1 is outside -1..0
    EXPECT_EQ(s.DisplayFontItalic, -1);
    EXPECT_EQ(s.ShowDisclaim, 0);
    EXPECT_EQ(s.DataPath, existing.string() + "/");
    EXPECT_EQ(s.FileExtension, "VSK");
    EXPECT_EQ(s.GraphStyle, 1);
    EXPECT_EQ(s.SymbolSize, 3);
    EXPECT_EQ(s.GridStyle, 2);
    EXPECT_EQ(s.GraphUnits, 1);
    EXPECT_EQ(s.CellSizeEnglish, 2);
    EXPECT_FLOAT_EQ(s.CellSizeMetric, 0.75f);
    EXPECT_EQ(s.iOptDir, 0);
    EXPECT_EQ(s.PlotRangeMax, 120);
    EXPECT_EQ(s.GridBackColors[3], 12345);
    EXPECT_EQ(ws.Recent.Count, 0);
}

TEST_F(SettingsFileTest, MissingKeysTakeTheirIfMissingValues) {
    WriteIni("[Settings]\r\nDataPath=/no/such/folder\r\n");
    ReadSettingsFile(ws, BuiltInSettings(ws.Paths, 0, "Courier New"));
    const Settings& s = ws.Options;
    // Keys with a value for the missing case.
    EXPECT_EQ(s.CopyExampleFiles, 1);
    EXPECT_EQ(s.DisplayFontName, "Courier New");
    EXPECT_EQ(s.BrowseFontName, "Courier New");
    EXPECT_EQ(s.EnableDirectAccess, 1);
    EXPECT_EQ(s.PlotRangeMin, 100);
    EXPECT_EQ(s.PlotRangeMax, 150);
    EXPECT_EQ(s.iOptDir, 1);
    EXPECT_EQ(s.CellSizeEnglish, 2);
    EXPECT_FLOAT_EQ(s.CellSizeMetric, 0.5f);
    EXPECT_EQ(s.KavoPlotEntryDims, 1);
    EXPECT_EQ(s.OndarPrintPlotReminder, 1);
    // Keys without one read as 0 or empty before the clamp.
    EXPECT_EQ(s.KeepFileNames, 0);
    EXPECT_EQ(s.MaxDisplaySize, 4096);
    EXPECT_EQ(s.DisplayFontSize, 7);
    EXPECT_EQ(s.GraphStyle, 1);
    EXPECT_EQ(s.SymbolSize, 3);
    EXPECT_EQ(s.ExternalEditor, "");
    EXPECT_EQ(s.FileExtension, "");
    EXPECT_EQ(s.GraphTitle, "");
    EXPECT_EQ(s.GridBackColors[1], 0);
    EXPECT_EQ(s.DataPath, ws.Paths.UserDataFolder);  // a folder that does not exist
}

TEST_F(SettingsFileTest, SectionWriteKeepsEveryOtherKeyAndSection) {
    WriteIni(
        "[Settings]\r\n; my notes\r\ndefaultunits = 0\r\nUnknownKey=7\r\n\r\n"
        "[Graph]\r\nGraphStyle=2\r\n[Elsewhere]\r\nkeep=this\r\n");
    ws.Options.DisplayHistoryWin = 1;
    ws.Options.DefaultUnits = 1;
    ws.Options.GraphStyle = 3;
    ASSERT_TRUE(WriteSettingsSection(ws, SettingsSection::Settings));

    const std::string text = IniText();
    EXPECT_TRUE(Contains(text, "; my notes\r\ndefaultunits=1\r\nUnknownKey=7\r\nDisplayHistoryWin=1\r\n"))
        << text;
    EXPECT_TRUE(Contains(text, "[Graph]\r\nGraphStyle=2\r\n[Elsewhere]\r\nkeep=this\r\n")) << text;
    EXPECT_FALSE(Contains(text, "DefaultUnits="));
    EXPECT_TRUE(Contains(ws.History.Text, "Saving default settings to file: " + ws.Paths.IniFileName));

    ASSERT_TRUE(WriteSettingsSection(ws, SettingsSection::Graph));
    EXPECT_TRUE(Contains(IniText(), "[Graph]\r\nGraphStyle=3\r\n"));
    EXPECT_TRUE(Contains(IniText(), "[Elsewhere]\r\nkeep=this\r\n"));
}

TEST_F(SettingsFileTest, EachDialogSectionReadsBackWhatItWrote) {
    PrepareSettingsFile(ws, defaults);
    Settings changed = ws.Options;
    changed.BrowseFontSize = 14;
    changed.GraphTitle = "Panel 3";
    changed.YAxisTitle[6] = "Stress";
    changed.CellSizeMetric = 0.25f;
    changed.PlotRangeMin = 60;
    changed.KavoOutputStrUnits = 1;
    changed.OndarPlotGobDims = 0;
    changed.GridForeColors[28] = RgbColour(1, 2, 3);
    ws.Options = changed;
    for (SettingsSection section :
         {SettingsSection::TextBrowse, SettingsSection::Graph, SettingsSection::VeskOptions,
          SettingsSection::KavoOptions, SettingsSection::OndarOptions, SettingsSection::GridColors})
        ASSERT_TRUE(WriteSettingsSection(ws, section));
    ws.Options = Settings();
    ReadSettingsFile(ws, defaults);
    EXPECT_EQ(ws.Options, changed);
}

TEST_F(SettingsFileTest, RecentFileKeysRoundTrip) {
    PrepareSettingsFile(ws, defaults);
    ws.Recent.Count = 2;
    ws.Recent.Entries[0] = {"b.VSK", "/data/b.VSK", 1};
    ws.Recent.Entries[1] = {"a b.VSK", "/data/x/a b.VSK", 1};
    ShutDown(ws);
    EXPECT_TRUE(Contains(
        IniText(), "MaxLastFiles=2\r\nLastFile1=b.VSK\r\nLastFileMode1=1\r\nLastFileLong1=/data/b.VSK\r\n"));

    RecordingUserInterface otherUi;
    Workspace other(otherUi);
    other.Paths = ws.Paths;
    ReadSettingsFile(other, defaults);
    EXPECT_EQ(other.Recent.Count, 2);
    EXPECT_EQ(other.Recent.Entries[1].ShortName, "a b.VSK");
    EXPECT_EQ(other.Recent.Entries[1].LongName, "/data/x/a b.VSK");
    EXPECT_EQ(other.Recent.Entries[1].Mode, 1);
    EXPECT_EQ(other.Recent.Entries[2].LongName, "");
}

TEST_F(SettingsFileTest, UnwritableFolderStillGivesTheDefaults) {
    ws.Paths.IniFileName = (dir.path() / "missing" / "Vesk.INI").string();
    PrepareSettingsFile(ws, defaults);
    EXPECT_FALSE(fs::exists(ws.Paths.IniFileName));
    EXPECT_EQ(ws.Options.MaxDisplaySize, 4096);
    EXPECT_EQ(ws.Options.FileExtension, "VSK");
    EXPECT_EQ(ws.Options.GraphStyle, 3);
}

TEST_F(SettingsFileTest, NumbersUseADotUnderACommaLocale) {
    test::CommaLocale comma;
    if (!comma.available()) GTEST_SKIP() << "no comma locale installed";
    WriteIni("[VeskOptions]\r\nCellSizeMetric=1.25\r\n");
    ReadSettingsFile(ws, defaults);
    EXPECT_FLOAT_EQ(ws.Options.CellSizeMetric, 1.25f);
    ws.Options.CellSizeMetric = 0.75f;
    WriteSettingsSection(ws, SettingsSection::VeskOptions);
    EXPECT_TRUE(Contains(IniText(), "CellSizeMetric=0.75\r\n"));
}

TEST_F(SettingsFileTest, SettingsDialogChecksPathThenSizeThenExtension) {
    struct Case {
        SettingsDialogText text;
        SettingsDialogField focus;
        std::string message;
    };
    const std::string folder = dir.path().string();
    const Case cases[] = {
        {{folder + "/nowhere", "4096", "VSK"}, SettingsDialogField::DataPath, "Invalid Path for Data Files"},
        {{folder, "  ", "VSK"},
         SettingsDialogField::MaxDisplaySize,
         "Size of Command History Window: Blank field not allowed"},
        {{folder, "4095", "VSK"},
         SettingsDialogField::MaxDisplaySize,
         "Size of Command History Window: Value '4095' is outside input range\r\nValid range is: 4096-16384"},
        {{folder, "lots", "V.K"},
         SettingsDialogField::MaxDisplaySize,
         "Size of Command History Window: Value 'lots' is outside input range\r\nValid range is: 4096-16384"},
        {{folder, "16384", "V.K"}, SettingsDialogField::FileExtension, "Invalid character in file extension"},
        {{folder, "8192", "vs1"}, SettingsDialogField::None, ""},
        {{folder + "/", "8192", ""}, SettingsDialogField::None, ""},
    };
    for (Case c : cases) {
        ui.messages.clear();
        EXPECT_EQ(CheckSettingsDialog(ws, c.text), c.focus) << c.message;
        if (c.message.empty()) {
            EXPECT_TRUE(ui.messages.empty());
            EXPECT_EQ(c.text.DataPath, folder + "/");
        } else {
            ASSERT_EQ(ui.messages.size(), 1u);
            EXPECT_EQ(ui.messages[0].prompt, c.message);
            EXPECT_EQ(ui.messages[0].icon, MessageIcon::Error);
        }
    }
    SettingsDialogText lower{folder, "8192", "vs1"};
    CheckSettingsDialog(ws, lower);
    EXPECT_EQ(lower.FileExtension, "VS1");
}

}  // namespace
}  // namespace vesk
