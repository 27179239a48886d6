// End-to-end runs of "vesk-cli convert".
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_runner.h"

namespace vesk::clitest {
namespace {

TEST(CliConvert, MetricToEnglishRoundsEachValueToTwoDecimals) {
    test::TempDir dir;
    const std::string input = dir.file("m.VSK");
    const std::string output = dir.file("e.VSK");
    test::WriteTextFile(input, CrLfLines(kMetricProject));

    const RunResult run = RunCli(dir, {"convert", input, "--to", "english", "-o", output});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(test::ReadTextFile(output), CrLfLines({"Vesk_103",
                                                     " 0 ",
                                                     "Title",
                                                     "##StartDesc##",
                                                     "##EndDesc##",
                                                     "##Vesk START##",
                                                     " 0 ",
                                                     " 0 ",
                                                     " 0 ",
                                                     "100",
                                                     "5.91",
                                                     "492.13",
                                                     "0",
                                                     "0",
                                                     "0",
                                                     " 0 ",
                                                     "55",
                                                     "20",
                                                     "##Vesk END##",
                                                     "##Kavo START##",
                                                     "6.89",
                                                     "500",
                                                     "820.21",
                                                     "19.69",
                                                     "98.43",
                                                     " 3 ",
                                                     "78.74",
                                                     "102.53",
                                                     "900",
                                                     "21",
                                                     "162",
                                                     "1.3",
                                                     "1.3",
                                                     "1.3",
                                                     "45",
                                                     " 0 ",
                                                     " 0 ",
                                                     "0",
                                                     " 0 ",
                                                     "90",
                                                     "98.43",
                                                     "90",
                                                     "98.43",
                                                     "##Kavo END##",
                                                     "##Ondar START##",
                                                     "7.87",
                                                     "984.25",
                                                     "90",
                                                     "19.69",
                                                     "80.05",
                                                     " 2 ",
                                                     "80.05",
                                                     "900",
                                                     "162",
                                                     "150",
                                                     " 1 ",
                                                     "0.86",
                                                     " 1 ",
                                                     " 1 ",
                                                     "492.13",
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
                                                     "##Ondar END##"}));

    // And back: the lengths return to their metric values.
    const std::string back = dir.file("back.VSK");
    ASSERT_EQ(RunCli(dir, {"convert", output, "--to", "metric", "-o", back}).exitCode, 0);
    const std::string text = test::ReadTextFile(back);
    EXPECT_NE(text.find("\r\n2.1\r\n152.4\r\n250\r\n6\r\n30\r\n 3 \r\n24\r\n31.25\r\n6.21\r\n"),
              std::string::npos)
        << text;
}

TEST(CliConvert, ErrorsAndUsage) {
    test::TempDir dir;
    const std::string input = dir.file("m.VSK");
    test::WriteTextFile(input, CrLfLines(kMetricProject));
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"convert"},
             {"convert", input, "-o", dir.file("x.VSK")},
             {"convert", input, "--to", "imperial", "-o", dir.file("x.VSK")},
             {"convert", input, "--to", "metric"},
             {"convert", input, "--to", "metric", "-o", dir.file("x.VSK"), "extra"}}) {
        const RunResult run = RunCli(dir, args);
        EXPECT_EQ(run.exitCode, 2) << args.size();
        EXPECT_NE(run.err.find("usage: vesk-cli convert"), std::string::npos);
    }

    RunResult run;

    run = RunCli(dir, {"convert", dir.file("none.VSK"), "--to", "english", "-o", dir.file("x.VSK")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(run.err.empty());

    test::WriteTextFile(dir.file("bad.VSK"), "VESK_103\r\n");
    run = RunCli(dir, {"convert", dir.file("bad.VSK"), "--to", "english", "-o", dir.file("x.VSK")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("Invalid File Type"), std::string::npos) << run.err;

    run = RunCli(dir, {"convert", input, "--to", "english", "-o", dir.file("no/folder/x.VSK")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot write"), std::string::npos) << run.err;
}

// Converting to the system the project already has writes it back unchanged:
// an older file comes out as "Vesk_103" with every value as it was read.
TEST(CliConvert, SameSystemRewritesTheProjectUnchanged) {
    test::TempDir dir;
    const std::vector<std::string> older = {
        "Vesk_100", " 1 ", " Old, metric", "##StartDesc##", "a, b", "", "##EndDesc##",
        // multiple-seam: no markers, no ExtraSupport/CMRR/age in this version
        " 1 ", " 0 ", " 1 ", "5.97", "0.1", "1E-05", "12345678", "0", "0",
        // longwall
        "2.1", "152.4", "250", "6", "30", " 2 ", "24.5", "6.205271", "21", "25.44648", "1.3", "1.3", "1.3",
        "45", " 0 ", " 0 ", "0", " 0 ", "90", "30.123",
        // retreat: no arch factor, leave rows or row widths in this version
        "2.25", "300.5", "75", "5.5", "24", " 3 ", "20", "22.123456789012", "6.2", "25.4", "100", " 0 ",
        " 2 ", "50", "21", "60", "22", "15", "1.5", "0", "21", "0", "0"};
    test::WriteTextFile(dir.file("old.VSK"), CrLfLines(older));

    const std::string output = dir.file("new.VSK");
    RunResult run = RunCli(dir, {"convert", dir.file("old.VSK"), "--to", "metric", "-o", output});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_NE(run.err.find("already in metric units"), std::string::npos) << run.err;
    EXPECT_EQ(test::ReadTextFile(output), CrLfLines({"Vesk_103",
                                                     " 1 ",
                                                     " Old, metric",
                                                     "##StartDesc##",
                                                     "a, b",
                                                     "##EndDesc##",
                                                     "##Vesk START##",
                                                     " 1 ",
                                                     " 0 ",
                                                     " 1 ",
                                                     "5.97",
                                                     "0.1",
                                                     "1E-05",
                                                     "1.234568E+07",
                                                     "0",
                                                     "0",
                                                     " 0 ",
                                                     "45",
                                                     "10",
                                                     "##Vesk END##",
                                                     "##Kavo START##",
                                                     "2.1",
                                                     "152.4",
                                                     "250",
                                                     "6",
                                                     "30",
                                                     " 2 ",
                                                     "24.5",
                                                     "6.205271",
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
                                                     "30.123",
                                                     "##Kavo END##",
                                                     "##Ondar START##",
                                                     "2.25",
                                                     "300.5",
                                                     "75",
                                                     "5.5",
                                                     "24",
                                                     " 3 ",
                                                     "20",
                                                     "22.123456789012",
                                                     "6.2",
                                                     "25.4",
                                                     "100",
                                                     " 0 ",
                                                     "0",
                                                     " 1 ",
                                                     " 2 ",
                                                     "50",
                                                     "21",
                                                     "60",
                                                     "22",
                                                     "15",
                                                     "1.5",
                                                     "0",
                                                     "21",
                                                     "0",
                                                     "0",
                                                     " 0 ",
                                                     " 0 ",
                                                     " 0 ",
                                                     " 0 ",
                                                     "0",
                                                     "0",
                                                     "##Ondar END##"}));

    // Written once more, the file does not change.
    const std::string again = dir.file("again.VSK");
    ASSERT_EQ(RunCli(dir, {"convert", output, "--to", "metric", "-o", again}).exitCode, 0);
    EXPECT_EQ(test::ReadTextFile(again), test::ReadTextFile(output));
}

}  // namespace
}  // namespace vesk::clitest
