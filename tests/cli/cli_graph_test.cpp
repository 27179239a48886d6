// End-to-end runs of "vesk-cli graph": sweeps and stress profiles through the
// real solver library.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli_runner.h"

namespace vesk {
namespace {

using nlohmann::json;

json GraphJson(const test::TempDir& dir, const std::string& project, int kind) {
    const clitest::RunResult r =
        clitest::RunCli(dir, {"graph", project, "--kind", std::to_string(kind), "--json"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    return json::parse(r.out);
}

const std::string kLongwall = (test::ExamplesDir() / "Longwall_Gob_Over.VSK").string();

TEST(CliGraph, DepthSweepOfALongwallProjectHasFourCurvesOfSixPoints) {
    test::TempDir dir;
    const json g = GraphJson(dir, kLongwall, 0);
    EXPECT_EQ(g["GraphKind"], 0);
    ASSERT_EQ(g["Series"].size(), 4u);
    const std::vector<std::string> names = {"Development", "Development with Extra Support",
                                            "Tailgate Loading", "Tailgate Loading with Extra Support"};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(g["Series"][i]["Name"], names[i]);
        ASSERT_EQ(g["Series"][i]["Points"].size(), 6u);
    }
    // 80 % to 150 % of the project's 750 ft in five steps.
    const json& points = g["Series"][0]["Points"];
    EXPECT_DOUBLE_EQ(points[0][0].get<double>(), 600.0);
    EXPECT_DOUBLE_EQ(points[5][0].get<double>(), 1125.0);
    // Deeper cover means more stress and a larger critical interburden;
    // supplemental support lowers it.
    for (size_t j = 1; j < 6; ++j) EXPECT_GT(points[j][1].get<double>(), points[j - 1][1].get<double>());
    EXPECT_LT(g["Series"][1]["Points"][0][1].get<double>(), points[0][1].get<double>());
}

TEST(CliGraph, MetricCriticalInterburdenIsInMetres) {
    test::TempDir dir;
    const std::string metric = dir.file("metric.VSK");
    ASSERT_EQ(clitest::RunCli(dir, {"convert", kLongwall, "--to", "metric", "-o", metric}).exitCode, 0);
    const json english = GraphJson(dir, kLongwall, 0);
    const json metres = GraphJson(dir, metric, 0);
    ASSERT_EQ(metres["Series"].size(), 4u);
    for (size_t j = 0; j < 6; ++j) {
        const double ft = english["Series"][0]["Points"][j][1].get<double>();
        const double m = metres["Series"][0]["Points"][j][1].get<double>();
        EXPECT_NEAR(m, ft / 3.280839895013123, 0.01 * ft / 3.28) << "point " << j;
    }
}

TEST(CliGraph, StressProfilesHaveOneRowPerElementAndDetailsFewer) {
    test::TempDir dir;
    const json whole = GraphJson(dir, kLongwall, 6);
    const json detail = GraphJson(dir, kLongwall, 7);
    ASSERT_EQ(whole["Series"].size(), 2u);
    EXPECT_EQ(whole["Series"][0]["Name"], "Total Vertical Stress");
    EXPECT_EQ(whole["Series"][1]["Name"], "Single Seam Stress");
    const size_t elements = whole["Series"][0]["Points"].size();
    EXPECT_GT(elements, 100u);
    const size_t shown = detail["Series"][0]["Points"].size();
    EXPECT_GT(shown, 0u);
    EXPECT_LT(shown, elements);
    // The detail graph is a window of the whole profile.
    const double x0 = detail["Series"][0]["Points"][0][0].get<double>();
    const double width = whole["Series"][0]["Points"][0][0].get<double>();
    const size_t row = static_cast<size_t>(std::lround(x0 / width)) - 1;
    EXPECT_EQ(detail["Series"][0]["Points"][0], whole["Series"][0]["Points"][row]);
}

TEST(CliGraph, ExportsCsvColumns) {
    test::TempDir dir;
    const std::string csv = dir.file("g.csv");
    const clitest::RunResult r = clitest::RunCli(dir, {"graph", kLongwall, "--kind", "2", "--csv", csv});
    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "Exported 2 Curves\n");
    const std::string text = test::ReadTextFile(csv);
    EXPECT_EQ(text.substr(0, text.find("\r\n")), "X-coord,Development,X-coord,Tailgate Loading");
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 7);
}

TEST(CliGraph, RefusesBadKindsAndMissingFiles) {
    test::TempDir dir;
    EXPECT_EQ(clitest::RunCli(dir, {"graph", kLongwall, "--kind", "8"}).exitCode, 2);
    EXPECT_EQ(clitest::RunCli(dir, {"graph", kLongwall}).exitCode, 2);
    EXPECT_EQ(clitest::RunCli(dir, {"graph", dir.file("none.VSK"), "--kind", "0"}).exitCode, 1);
}

}  // namespace
}  // namespace vesk
