// End-to-end runs of "vesk-cli export-kavo" and "export-ondar".
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace vesk::clitest {
namespace {

TEST(CliExport, LongwallInputsOfAProject) {
    test::TempDir dir;
    const std::string input = dir.file("m.VSK");
    const std::string output = dir.file("Vesk2Kavo.KVO");
    test::WriteTextFile(input, CrLfLines(kMetricProject));
    const RunResult run = RunCli(dir, {"export-kavo", input, "-o", output});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::ReadTextFile(output), CrLfLines({"Kavo_500",
                                                     " 1 ",
                                                     "Kavo Input generated from Vesk",
                                                     "Kavo Input generated from Vesk",
                                                     "##EndDesc##",
                                                     "2.1",
                                                     "152.4",
                                                     "250",
                                                     "6",
                                                     "30",
                                                     " 3 ",
                                                     "24",
                                                     "31.25",
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
                                                     "90",
                                                     "30",
                                                     "90",
                                                     "30"}));
}

TEST(CliExport, RetreatInputsOfAProject) {
    test::TempDir dir;
    const std::string input = dir.file("m.VSK");
    const std::string output = dir.file("Vesk2Ondar.ODR");
    test::WriteTextFile(input, CrLfLines(kMetricProject));
    const RunResult run = RunCli(dir, {"export-ondar", input, "-o", output, "--date", "2026-12-11"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(test::ReadTextFile(output), CrLfLines({"Ondar_602",
                                                     " 1 ",
                                                     "Ondar Input generated from Vesk",
                                                     "##StartDesc##",
                                                     "Ondar Input generated from Vesk2026-12-11",
                                                     "##EndDesc##",
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
                                                     " 1 ",
                                                     " 1 ",
                                                     " 1 ",
                                                     "0.86",
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
                                                     "0"}));

    // Without --date the line carries today's date right after the text.
    ASSERT_EQ(RunCli(dir, {"export-ondar", input, "-o", output}).exitCode, 0);
    const std::string text = test::ReadTextFile(output);
    EXPECT_NE(text.find("\r\nOndar Input generated from Vesk"), std::string::npos);
    EXPECT_EQ(text.find("\r\nOndar Input generated from Vesk \r\n"), std::string::npos);
}

TEST(CliExport, ErrorsAndUsage) {
    test::TempDir dir;
    const std::string input = dir.file("m.VSK");
    test::WriteTextFile(input, CrLfLines(kMetricProject));
    EXPECT_EQ(RunCli(dir, {"export-kavo", input}).exitCode, 2);
    EXPECT_EQ(RunCli(dir, {"export-kavo", input, "-o", dir.file("x"), "--date", "1"}).exitCode, 2);
    EXPECT_EQ(RunCli(dir, {"export-ondar"}).exitCode, 2);
    EXPECT_EQ(RunCli(dir, {"export-ondar", dir.file("none.VSK"), "-o", dir.file("x")}).exitCode, 1);
    const RunResult run = RunCli(dir, {"export-kavo", input, "-o", dir.file("no/folder/x.KVO")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Error occurred: "), std::string::npos) << run.err;
}

}  // namespace
}  // namespace vesk::clitest
