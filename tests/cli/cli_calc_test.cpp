// End-to-end runs of "vesk-cli calc": project file, stress model, solver
// library, pillar method, statistics and report, as the Calculate command
// runs them.
#include <gtest/gtest.h>

#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace vesk::clitest {
namespace {

using nlohmann::json;

std::string Example(const std::string& name) {
    return (test::BinaryDir() / name).string();
}

// The lines of a project file (CR LF).
std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t p = text.find("\r\n"); p != std::string::npos; p = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, p - start));
        start = p + 2;
    }
    if (start < text.size()) lines.push_back(text.substr(start));
    return lines;
}

size_t IndexOf(const std::vector<std::string>& lines, const std::string& line) {
    for (size_t i = 0; i < lines.size(); ++i)
        if (lines[i] == line) return i;
    return lines.size();
}

void ExpectFactors(const json& values, size_t count) {
    ASSERT_TRUE(values.is_array());
    ASSERT_EQ(values.size(), count);
    for (const json& v : values) {
        ASSERT_TRUE(v.is_number()) << v;
        EXPECT_GT(v.get<double>(), 0);
    }
}

TEST(CliCalcTest, LongwallExamplesRunEndToEnd) {
    const struct {
        const char* file;
        int elementCount;
        int criticalElement;
        int criticalSeam;
        double divisor;
        const char* lengthUnit;
    } examples[] = {
        // 200 ft margins and 1000 ft of gob in 2 ft cells; an 18 ft entry
        // puts the crosscut's 4.5 half-width elements (rounded to 4) west of
        // the gob edge; extraction 2 x 18 / 160.
        {"Longwall_Gob_Over.VSK", 700, 96, 1, 0.775, " (ft)"},
        {"Longwall_Gob_Over_Metric.VSK", 0, 0, 1, 0, " (m)"},
        {"Longwall_Remnant_Under.VSK", 0, 0, 2, 0, " (ft)"},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.file);
        test::TempDir dir;
        RunResult run = RunCli(dir, {"calc", Example(e.file), "--json"});
        ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
        json result = json::parse(run.out);

        EXPECT_EQ(result["CriticalSeam"], e.criticalSeam);
        if (e.elementCount != 0) {
            EXPECT_EQ(result["ElementCount"], e.elementCount);
            EXPECT_EQ(result["CriticalElement"], e.criticalElement);
            EXPECT_EQ(result["StressAdjustDivisor"].get<double>(), e.divisor);  // 0.775f, shortest text
            EXPECT_EQ(result["ElementWidth"].get<double>(), 2.0);
        }
        for (const char* key : {"KavoSF", "KavoSFR", "KavoSFMS", "KavoSFRMS", "KavoTotalStress", "KavoLoads"})
            ExpectFactors(result[key], 5);
        // The previous seam adds stress, so every multiple-seam factor is
        // below its single-seam factor.
        ASSERT_GT(result["avgMultiSeamStress"].get<double>(), 0);
        for (size_t k = 0; k < 5; ++k) {
            EXPECT_LT(result["KavoSFMS"][k].get<double>(), result["KavoSF"][k].get<double>());
            EXPECT_LT(result["KavoSFRMS"][k].get<double>(), result["KavoSFR"][k].get<double>());
        }
        EXPECT_EQ(result["DevTotalStress"], result["KavoTotalStress"][0]);
        // The tailgate total is the development total plus the tailgate abutment stress.
        EXPECT_NEAR(result["RetreatTotalStress"].get<double>(),
                    result["DevTotalStress"].get<double>() + result["RetreatStressIncrease"].get<double>(),
                    0.01);
        EXPECT_EQ(result["HasRetreatChart"], -1);
        for (const char* key :
             {"CriticalInterburdenDev", "AllowableStressDev", "CriticalInterburdenRet", "AllowableStressRet"})
            EXPECT_EQ(result[key].size(), 2u) << key;
        EXPECT_FALSE(result.contains("OndarSF"));

        // One word per case, as page 1 prints it.
        const json& pages = result["Pages"];
        ASSERT_EQ(pages.size(), 5u);
        const std::string page1 = pages[1];
        EXPECT_EQ(page1.rfind("[Vesk Output]", 0), 0u);
        const json& verdict = result["Verdict"];
        ASSERT_EQ(verdict.size(), 2u) << verdict;
        for (const char* name : {"Development", "Tailgate"}) {
            const std::string word = verdict[name];
            EXPECT_TRUE(word == "GREEN" || word == "YELLOW" || word == "RED") << word;
            EXPECT_NE(page1.find(std::string(name) + ": " + word + ":"), std::string::npos) << name;
        }
        // The echo shows the project's own units again after the run.
        const std::string page0 = pages[0];
        EXPECT_NE(page0.find(std::string("Depth of Cover")), std::string::npos);
        EXPECT_NE(page0.find(e.lengthUnit), std::string::npos);
        for (int p = 2; p <= 4; ++p) EXPECT_FALSE(pages[p].get<std::string>().empty()) << p;
    }
}

TEST(CliCalcTest, ReportAndSinglePages) {
    test::TempDir dir;
    const std::string file = Example("Longwall_Gob_Over.VSK");
    RunResult asJson = RunCli(dir, {"calc", file, "--json"});
    ASSERT_EQ(asJson.exitCode, 0) << asJson.err;
    const json pages = json::parse(asJson.out)["Pages"];

    RunResult report = RunCli(dir, {"calc", file, "--report"});
    ASSERT_EQ(report.exitCode, 0) << report.err;
    std::string expected;
    for (size_t p = 0; p < pages.size(); ++p) expected += (p > 0 ? "\f" : "") + pages[p].get<std::string>();
    EXPECT_EQ(report.out, expected);

    RunResult page1 = RunCli(dir, {"calc", file, "--page", "1"});
    ASSERT_EQ(page1.exitCode, 0) << page1.err;
    EXPECT_EQ(page1.out, pages[1].get<std::string>());
}

TEST(CliCalcTest, RoomAndPillarResultKeys) {
    // A retreat example with its active mining zone breadth filled in, as the
    // retreat dialog stores it (5 x the square root of 600 ft of cover).
    test::TempDir dir;
    std::vector<std::string> lines =
        SplitCrLf(test::ReadTextFile(Example("RoomPillar_Retreat1_Gob_Over.VSK")));
    const size_t start = IndexOf(lines, "##Ondar START##");
    ASSERT_LT(start, lines.size());
    const int entries = std::stoi(lines[start + 6]);
    lines[start + 6 + static_cast<size_t>(entries - 1) + 3] = "122";
    const std::string file = dir.file("Retreat.VSK");
    test::WriteTextFile(file, CrLfLines(lines));

    RunResult run = RunCli(dir, {"calc", file, "--json"});
    ASSERT_EQ(run.exitCode, 0) << run.err << run.out;
    json result = json::parse(run.out);
    ExpectFactors(result["OndarSF"], 2);
    ExpectFactors(result["OndarSFMS"], 2);
    ASSERT_EQ(result["BarrierSF"].size(), 2u);
    EXPECT_EQ(result["BarrierSF"][0].size(), 2u);
    EXPECT_FALSE(result.contains("KavoSF"));
    EXPECT_EQ(result["Pages"].size(), 7u);
    EXPECT_TRUE(result["Verdict"].contains("Development"));
    EXPECT_FALSE(result["Verdict"].contains("Tailgate"));
    EXPECT_LE(result["MinOndarSFMS"].get<double>(), result["OndarSFMS"][0].get<double>());
}

TEST(CliCalcTest, FailuresExitNonZeroWithTheMessage) {
    test::TempDir dir;
    // A roof rating of 20 fails the multiple-seam check before any model runs.
    std::vector<std::string> lines = SplitCrLf(test::ReadTextFile(Example("Longwall_Gob_Over.VSK")));
    const size_t vesk = IndexOf(lines, "##Vesk START##");
    ASSERT_LT(vesk, lines.size());
    lines[vesk + 11] = "20";
    const std::string file = dir.file("BadCmrr.VSK");
    test::WriteTextFile(file, CrLfLines(lines));
    const std::string cmrrMessage = "Check Vesk Parameters. Invalid CMRR. CMRR should be between 20 and 100";

    RunResult plain = RunCli(dir, {"calc", file});
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_NE(plain.err.find(cmrrMessage), std::string::npos) << plain.err;
    EXPECT_TRUE(plain.out.empty());

    RunResult asJson = RunCli(dir, {"calc", file, "--json"});
    EXPECT_EQ(asJson.exitCode, 1);
    EXPECT_EQ(json::parse(asJson.out)["Error"], cmrrMessage);

    RunResult missing = RunCli(dir, {"calc", dir.file("missing.VSK"), "--json"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(json::parse(missing.out).contains("Error"));
    EXPECT_FALSE(missing.err.empty());

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"calc"},
                                               {"calc", file, "--page", "7"},
                                               {"calc", file, "--page"},
                                               {"calc", file, "--json", "--report"}}) {
        EXPECT_EQ(RunCli(dir, args).exitCode, 2) << args.size();
    }
}

}  // namespace
}  // namespace vesk::clitest
