// End-to-end runs of "vesk-cli echo".
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_runner.h"

namespace vesk::clitest {
namespace {

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
}  // namespace vesk::clitest
