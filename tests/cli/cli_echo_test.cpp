// End-to-end runs of "vesk-cli echo".
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "support/test_support.h"

extern char** environ;

namespace vesk {
namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the batch program with an argument list; stdout and stderr go to
// files of `dir`.
RunResult RunCli(const test::TempDir& dir, const std::vector<std::string>& args) {
    const std::string outPath = dir.file("stdout.txt");
    const std::string errPath = dir.file("stderr.txt");
    std::vector<std::string> argv = {VESK_CLI_PATH};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> cargs;
    for (std::string& a : argv) cargs.push_back(a.data());
    cargs.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    RunResult result;
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, cargs[0], &actions, nullptr, cargs.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return result;
    int status = 0;
    if (waitpid(pid, &status, 0) == pid && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    result.out = test::ReadTextFile(outPath);
    result.err = test::ReadTextFile(errPath);
    return result;
}

std::string CrLfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

// A retreat project in metric units, written the way the program saves it.
const std::vector<std::string> kRetreatFile = {"Vesk_103",
                                               " 1 ",
                                               "Mains, 2nd panel",
                                               "##StartDesc##",
                                               "Retreat under the old mains",
                                               "##EndDesc##",
                                               "##Vesk START##",
                                               " 1 ",
                                               " 0 ",
                                               " 0 ",
                                               "13.7",
                                               "1.8",
                                               "150",
                                               "0",
                                               "0",
                                               "0",
                                               " 0 ",
                                               "55",
                                               "20",
                                               "##Vesk END##",
                                               "##Kavo START##",
                                               "2.1",
                                               "300",
                                               "250",
                                               "6",
                                               "30",
                                               " 2 ",
                                               "24",
                                               "6.205283",
                                               "21",
                                               "25.44648",
                                               "1.3",
                                               "1.3",
                                               "1.3",
                                               "45",
                                               " 0 ",
                                               " 0 ",
                                               "0",
                                               " 0 ",
                                               "0",
                                               "0",
                                               "##Kavo END##",
                                               "##Ondar START##",
                                               "2.4",
                                               "300",
                                               "90",
                                               "6",
                                               "24.4",
                                               " 2 ",
                                               "24.4",
                                               "6.20528317809783",
                                               "25.446482633743",
                                               "45.72",
                                               " 1 ",
                                               "0.86",
                                               " 1 ",
                                               " 1 ",
                                               "150",
                                               "21",
                                               "0",
                                               "21",
                                               "0",
                                               "0",
                                               "0",
                                               "21",
                                               "0",
                                               "0",
                                               " 0 ",
                                               " 1 ",
                                               " 0 ",
                                               " 0 ",
                                               "0",
                                               "0",
                                               "##Ondar END##"};

TEST(CliEcho, PrintsTheInputEchoPage) {
    test::TempDir dir;
    const std::string path = dir.file("mains.VSK");
    test::WriteTextFile(path, CrLfLines(kRetreatFile));

    const RunResult run = RunCli(dir, {"echo", path});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string& page = run.out;
    ASSERT_EQ(page.rfind("Vesk module build: ", 0), 0u) << page;
    const std::string body = page.substr(page.find("\r\n") + 2);
    EXPECT_EQ(body, CrLfLines({
                        "Project File: " + path,
                        "Input Units:  (m) (MPa)",
                        "",
                        "[PROJECT TITLE]",
                        "Mains, 2nd panel",
                        "",
                        "[PROJECT DESCRIPTION]",
                        "Retreat under the old mains",
                        "",
                        "[MULTIPLE SEAM PARAMETERS]",
                        "Active Seam Mining Mode.......Ondar",
                        "Previous Mining...............Gob Solid Layout",
                        "Vertical Position.............Active OVER Previous",
                        "Interburden Thickness.........13.7 (m)",
                        "",
                        "[PREVIOUS SEAM PARAMETERS]",
                        "Seam Thickness....................................1.8 (m)",
                        "Width of Gob......................................150 (m)",
                        "Age of Workings...................................20 years",
                        "",
                        "[ACTIVE SEAM PARAMETERS]",
                        "CMRR..............................................55",
                        "",
                        "[Ondar DATA]",
                        "Entry Height......................................2.4 (m)",
                        "Depth of Cover....................................300 (m)",
                        "Crosscut Angle....................................90 (deg)",
                        "Entry Width.......................................6 (m)",
                        "Number of Entries.................................2",
                        "Crosscut Spacing..................................24.4 (m)",
                        "Center to Center Distance #1......................24.4 (m)",
                        "",
                        "[Ondar DEFAULT PARAMETERS]",
                        "In Situ Coal Strength.............................6.20528317809783 (MPa)",
                        "Unit Weight of Overburden.........................25.446482633743 (kN/m3)",
                        "Breadth of AMZ....................................45.72 (m)",
                        "AMZ set automatically",
                        "Pressure Arch Factor...................................0.86",
                        "Pressure Arch Factor set automatically",
                        "",
                        "[Ondar RETREAT MINING PARAMETERS]",
                        "Loading Condition..................ONE ACTIVE RETREAT SECTION",
                        "[Active Gob]",
                        "Extent of Active Gob...................................150 (m)",
                        "Abutment Angle of Active Gob...........................21 (deg)",
                        "Leave pillar Row 'A' in place..........................no",
                        "Leave pillar Row 'B' in place..........................yes",
                        "",
                        "",
                    }));
}

TEST(CliEcho, ReportsErrorsAndBadUsage) {
    test::TempDir dir;
    const RunResult missing = RunCli(dir, {"echo", dir.file("none.VSK")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("none.VSK"), std::string::npos) << missing.err;

    const std::string wrongTag = dir.file("wrong.VSK");
    test::WriteTextFile(wrongTag, "VESK_103\r\n 0 \r\n");
    const RunResult refused = RunCli(dir, {"echo", wrongTag});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_NE(refused.err.find("Invalid File Type"), std::string::npos) << refused.err;

    EXPECT_EQ(RunCli(dir, {"echo"}).exitCode, 2);
    EXPECT_EQ(RunCli(dir, {"echo", "a.VSK", "b.VSK"}).exitCode, 2);
}

}  // namespace
}  // namespace vesk
