// End-to-end runs of "vesk-cli units".
#include <gtest/gtest.h>

#include "cli_runner.h"

namespace vesk::clitest {
namespace {

TEST(CliUnits, PrintsTheConvertedValue) {
    test::TempDir dir;
    struct Case {
        std::vector<std::string> args;
        std::string out;
    };
    const Case cases[] = {
        {{"units", "1", "ft", "cm"}, "30.48\n"},
        {{"units", "1", "tonsF", "kips"}, "2\n"},
        {{"units", "1", "tonsF", "kN"}, "8.89644097878644\n"},  // held as 8.8964409787864351..
        {{"units", "1", "psi/in", "Pa/m"}, "271447.137519685\n"},
        {{"units", "152.4", "m", "ft"}, "500\n"},
        {{"units", "-2.5", "ksi", "psi"}, "-2500\n"},
        {{"units", "0.1", "MPa", "MPa"}, "0.1\n"},
    };
    for (const Case& c : cases) {
        const RunResult run = RunCli(dir, c.args);
        EXPECT_EQ(run.exitCode, 0) << run.err;
        EXPECT_EQ(run.out, c.out) << c.args[1] << ' ' << c.args[2];
    }
}

TEST(CliUnits, UsageListsTheUnits) {
    test::TempDir dir;
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"units"},
                                               {"units", "1", "ft"},
                                               {"units", "1,5", "ft", "in"},
                                               {"units", "1", "ft", "kN"},
                                               {"units", "1", "yd", "ft"}}) {
        const RunResult run = RunCli(dir, args);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find("Pressure/stress gradient units: psi/in psi/ft Pa/m MPa/m"), std::string::npos)
            << run.err;
    }
}

}  // namespace
}  // namespace vesk::clitest
