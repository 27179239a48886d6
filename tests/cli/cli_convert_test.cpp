// End-to-end runs of "vesk-cli convert".
#include <gtest/gtest.h>

#include <filesystem>

#include "cli_convert_run.h"

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

    RunResult run = RunCli(dir, {"convert", input, "--to", "metric", "-o", dir.file("x.VSK")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("already in metric units"), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.VSK")));

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

}  // namespace
}  // namespace vesk::clitest
