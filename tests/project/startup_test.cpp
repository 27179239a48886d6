#include "project/startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/data_folders.h"
#include "project/project_file.h"
#include "project/settings_file.h"
#include "project/workspace.h"
#include "support/test_support.h"

namespace vesk {
namespace {

namespace fs = std::filesystem;

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(DataFolders, DocumentsFolderFollowsTheDesktopSettings) {
    test::TempDir dir;
    const std::string home = dir.path().string();
    fs::create_directories(dir.path() / "Work" / "Papers");
    const std::string userDirs =
        "# written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
        "XDG_DOCUMENTS_DIR=\"$HOME/Work/Papers\"\n";
    EXPECT_EQ(DocumentsFolderFrom(home, userDirs), home + "/Work/Papers/");

    // A documents entry that does not exist, or one set to the home folder
    // (switched off), falls back to ~/Documents, then to the desktop folder.
    fs::create_directories(dir.path() / "Documents");
    EXPECT_EQ(DocumentsFolderFrom(home, "XDG_DOCUMENTS_DIR=\"$HOME/Gone\"\n"), home + "/Documents/");
    fs::remove(dir.path() / "Documents");
    fs::create_directories(dir.path() / "Schreibtisch");
    EXPECT_EQ(
        DocumentsFolderFrom(home, "XDG_DOCUMENTS_DIR=\"$HOME/\"\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"),
        home + "/Schreibtisch/");
    fs::create_directories(dir.path() / "Desktop");
    EXPECT_EQ(DocumentsFolderFrom(home, ""), home + "/Desktop/");
    fs::remove(dir.path() / "Desktop");
    EXPECT_EQ(DocumentsFolderFrom(home, ""), "");
    EXPECT_EQ(DocumentsFolderFrom("", ""), "");
}

TEST(DataFolders, MakesTheUserFoldersOrFallsBackToTheProgramFolder) {
    test::TempDir dir;
    const std::string app = dir.file("app");
    DataPaths paths = PrepareDataFolders(app, dir.file("docs"), dir.file("tmp"));
    EXPECT_EQ(paths.AppFolder, app + "/");
    EXPECT_EQ(paths.UserDataFolder, dir.file("docs") + "/MyPavex/");
    EXPECT_EQ(paths.UserTempFolder, dir.file("docs") + "/MyPavex/Temp/");
    EXPECT_TRUE(fs::is_directory(paths.UserTempFolder));
    EXPECT_EQ(paths.SystemTempFolder, dir.file("tmp") + "/");
    EXPECT_EQ(paths.IniFileName, paths.UserDataFolder + "Vesk.INI");
    EXPECT_EQ(paths.TempWorkFile, paths.UserTempFolder + "~tmpwork.VSK");
    EXPECT_EQ(paths.TempDescFile, paths.UserTempFolder + "~tmpdesc.tmp");

    // No documents folder, or one that cannot hold our folder (a file is in
    // the way): everything goes to the program folder; no system temporary
    // folder: the user data folder.
    test::WriteTextFile(dir.file("blocked"), "x");
    for (const std::string& documents : {std::string(), dir.file("blocked")}) {
        paths = PrepareDataFolders(app, documents, "");
        EXPECT_EQ(paths.UserDataFolder, app + "/");
        EXPECT_EQ(paths.UserTempFolder, app + "/");
        EXPECT_EQ(paths.SystemTempFolder, app + "/");
        EXPECT_EQ(paths.TempWorkFile, app + "/~tmpwork.VSK");
    }
}

TEST(DataFolders, ProgramFolderIsTheFolderOfTheExecutable) {
    const std::string folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '/');
    EXPECT_TRUE(fs::is_regular_file(folder + "test_project"));
}

TEST(DataFolders, ExampleCopyNeverReplacesAFile) {
    test::TempDir dir;
    DataPaths paths = PrepareDataFolders(dir.file("app"), dir.file("docs"), "");
    fs::create_directories(paths.AppFolder);
    for (const char* name : {"a.VSK", "b.VSK", ".hidden.VSK", "c.vsk", "d.txt"})
        test::WriteTextFile(paths.AppFolder + name, std::string("example ") + name);
    test::WriteTextFile(paths.UserDataFolder + "b.VSK", "my own changes");

    EXPECT_EQ(CopyExampleFiles(paths, "VSK"), 1);
    EXPECT_EQ(test::ReadTextFile(paths.UserDataFolder + "a.VSK"), "example a.VSK");
    EXPECT_EQ(test::ReadTextFile(paths.UserDataFolder + "b.VSK"), "my own changes");
    int files = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(paths.UserDataFolder))
        if (entry.is_regular_file()) ++files;
    EXPECT_EQ(files, 2);  // no hidden, other-case, other-type or partial files
    EXPECT_EQ(CopyExampleFiles(paths, "VSK"), 0);

    // A user data folder that could not be made is the program folder itself.
    paths.UserDataFolder = paths.AppFolder;
    EXPECT_EQ(CopyExampleFiles(paths, "VSK"), 0);
    EXPECT_EQ(test::ReadTextFile(paths.AppFolder + "a.VSK"), "example a.VSK");
}

TEST(StartUp, CommandLineLosesItsQuotes) {
    EXPECT_EQ(CommandLineProjectPath("\"/home/me/My Projects/a b.VSK\""), "/home/me/My Projects/a b.VSK");
    EXPECT_EQ(CommandLineProjectPath("/x/\"odd\".VSK"), "/x/odd.VSK");
    EXPECT_EQ(CommandLineProjectPath("\"\""), "");
}

TEST(StartUp, AnnualReminderAfter360Days) {
    using namespace std::chrono;
    Settings s;
    EXPECT_FALSE(AnnualUpdateReminderDue(s, sys_days{year{2013} / August / 20} + days{360}));
    EXPECT_TRUE(AnnualUpdateReminderDue(s, sys_days{year{2013} / August / 20} + days{361}));
    s.RemindAnnualUpdates = 0;
    EXPECT_FALSE(AnnualUpdateReminderDue(s, sys_days{year{2026} / January / 1}));
}

class StartUpTest : public ::testing::Test {
protected:
    StartUpTest() : ws(ui) {
        ws.Paths = PrepareDataFolders(dir.file("app"), dir.file("docs"), dir.file("tmp"));
        fs::create_directories(ws.Paths.AppFolder);
    }

    // A project file with the given title, written the way the program saves.
    void WriteProject(const std::string& path, const std::string& title) {
        RecordingUserInterface writerUi;
        Workspace writer(writerUi);
        FileNew(writer, true, true);
        writer.Header.ProjectTitle = title;
        writer.Header.ProjectFileName = path;
        ASSERT_TRUE(FileSave(writer));
    }

    test::TempDir dir;
    RecordingUserInterface ui;
    Workspace ws;
};

TEST_F(StartUpTest, FirstStartMakesSettingsCopiesExamplesAndStartsANewProject) {
    test::WriteTextFile(ws.Paths.AppFolder + "Example.VSK", "example");
    StartUpSettings(ws);
    StartUpProjects(ws, "", SettingsFileHooks());
    EXPECT_TRUE(fs::exists(ws.Paths.IniFileName));
    EXPECT_EQ(ws.Options.MaxDisplaySize, 4096);
    EXPECT_EQ(test::ReadTextFile(ws.Paths.UserDataFolder + "Example.VSK"), "example");
    EXPECT_EQ(ws.Header.ProjectFileName, "Untitled");
    EXPECT_EQ(ws.State.NoData, ByteTrue);
    EXPECT_EQ(ws.State.ProjectSaved, ByteTrue);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(StartUpTest, ExampleCopyCanBeSwitchedOff) {
    test::WriteTextFile(ws.Paths.AppFolder + "Example.VSK", "example");
    test::WriteTextFile(ws.Paths.IniFileName,
                        "[Version]\r\nINIFileVersion=060326\r\n[Settings]\r\nCopyExampleFiles=0\r\n");
    StartUpSettings(ws);
    EXPECT_FALSE(fs::exists(ws.Paths.UserDataFolder + "Example.VSK"));
}

TEST_F(StartUpTest, LastFileThenCommandLineThenTheRestoredWorkFile) {
    const std::string last = ws.Paths.UserDataFolder + "last.VSK";
    const std::string named = dir.file("My Projects") + "/named one.VSK";
    fs::create_directories(dir.file("My Projects"));
    WriteProject(last, "Last file");
    WriteProject(named, "Command line file");
    WriteProject(ws.Paths.TempWorkFile, "Interrupted calculation");
    test::WriteTextFile(
        ws.Paths.IniFileName,
        "[Version]\r\nINIFileVersion=060326\r\n"
        "[Settings]\r\nLoadLastInputFile=1\r\nDisplayHistoryWin=1\r\nKeepFileNames=1\r\n"
        "[FileMenu]\r\nMaxLastFiles=1\r\nLastFile1=last.VSK\r\nLastFileMode1=1\r\nLastFileLong1=" +
            last + "\r\n");

    StartUpSettings(ws);
    StartUpProjects(ws, "\"" + named + "\"", SettingsFileHooks());

    const std::string& history = ws.History.Text;
    const size_t openLast = history.find("Opening: " + last);
    const size_t openNamed = history.find("Opening: " + named);
    const size_t openWork = history.find("Opening: " + ws.Paths.TempWorkFile);
    ASSERT_NE(openLast, std::string::npos) << history;
    ASSERT_NE(openNamed, std::string::npos) << history;
    ASSERT_NE(openWork, std::string::npos) << history;
    EXPECT_LT(openLast, openNamed);
    EXPECT_LT(openNamed, openWork);

    EXPECT_EQ(ws.Header.ProjectTitle, "Interrupted calculation");
    EXPECT_EQ(ws.Header.ProjectFileName, "Untitled");
    EXPECT_EQ(ws.State.ProjectSaved, ByteFalse);
    EXPECT_EQ(ws.State.NoData, ByteFalse);
    EXPECT_FALSE(fs::exists(ws.Paths.TempWorkFile));
    ASSERT_FALSE(ui.messages.empty());
    EXPECT_EQ(ui.messages.back().prompt, "Latest Input Data recovered and loaded");

    // The command-line file went to the top of the recent list, on file too.
    EXPECT_EQ(ws.Recent.Entries[0].LongName, named);
    EXPECT_TRUE(Contains(test::ReadTextFile(ws.Paths.IniFileName), "LastFileLong1=" + named + "\r\n"));

    // Closing writes the list again.
    ws.Recent.Entries[1].ShortName = "changed.VSK";
    ShutDown(ws);
    EXPECT_TRUE(Contains(test::ReadTextFile(ws.Paths.IniFileName), "LastFile2=changed.VSK\r\n"));
}

}  // namespace
}  // namespace vesk
