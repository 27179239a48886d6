// Report page 1 and the workspace side of the interaction statistics: what a
// longwall and a room-and-pillar run leave in the workspace.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/recording_user_interface.h"
#include "interaction/interaction_statistics.h"
#include "project/workspace.h"

namespace vesk {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end = text.find("\r\n"); end != std::string::npos; end = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    lines.push_back(text.substr(start));  // what follows the last line end
    return lines;
}

void ExpectSameLines(const std::string& actual, const std::vector<std::string>& expected) {
    const std::vector<std::string> got = Lines(actual);
    for (size_t i = 0; i < std::max(got.size(), expected.size()); ++i) {
        const std::string g = i < got.size() ? got[i] : "<no line>";
        const std::string e = i < expected.size() ? expected[i] : "<no line>";
        EXPECT_EQ(g, e) << "line " << i + 1;
    }
}

// An English longwall run, 150 ft over the previous seam.
class LongwallRun : public ::testing::Test {
protected:
    RecordingUserInterface ui;
    Workspace ws{ui};

    void SetUp() override {
        ws.Header.UnitSystem = 0;
        ws.Run.SavedUnitSystem = 0;
        ws.Run.QuietRun = 0;
        ws.Run.avgMultiSeamStress = 200;
        ws.VeskWork.ActiveMiningMode = 0;
        ws.VeskWork.VerticalPosition = 0;
        ws.VeskWork.PreviousMining = 0;
        ws.VeskWork.InterburdenThickness = 150;
        ws.VeskWork.SeamThickness = 16;  // ten seam heights exceed the interburden
        ws.VeskWork.ActiveSeamCMRR = 45;
        ws.VeskWork.AgeOfWorkings = 3;
        ws.KavoWork.DepthOfCover = 1000;
        ws.KavoWork.EntryHeight = 7;
        ws.Kavo.KavoSFMS = {0, 1.933f, 1.33f, 1.015f, 0.734f, 0.662f};
        ws.Kavo.KavoTotalStress = {0, 2008, 2825, 3643, 4961, 5480};
        ws.Stress.DevStress = 1808;
    }
};

TEST_F(LongwallRun, PageOneLineByLine) {
    InteractionStatistics(ws);
    ExpectSameLines(ws.OutBuf[1],
                    {
                        "[Vesk Output]",
                        "",
                        "[MULTIPLE SEAM PILLAR STABILITY FACTORS]",
                        "Development Stability Factor......................1.93",
                        "TAILGATE Loading..................................0.73",
                        "",
                        "Tailgate pillar SF is less than the suggested value of 1.13",
                        "The pillar design may be inadequate to prevent a major multiple seam",
                        "interaction. Consider increasing the pillar size by changing the",
                        "entry spacing, the crosscut spacing, and/or the pillar width.",
                        "",
                        "",
                        "[PREDICTED CONDITIONS]",
                        "Development: YELLOW:  A major interaction should be",
                        "considered likely unless a pattern of supplemental roof",
                        "support (cable bolts or equivalent) is installed.  Rib",
                        "instability is also likely.",
                        "",
                        "Tailgate: RED: A major interaction should be considered",
                        "likely even if a pattern of supplemental roof support is",
                        "installed.  It may be desirable to avoid the area entirely.",
                        "",
                        "In addition to installing a pattern of roof support, the",
                        "likelihood of a major interaction may be reduced by",
                        "increasing the pillar size by changing the entry spacing,",
                        "the crosscut spacing, and/or the pillar width.",
                        "",
                        "",
                        "[WARNING MESSAGES]",
                        "When the interburden thickness is less than 10 times the lower seam height, ",
                        "the upper seam may be in the fracture zone of subsidence.  ",
                        "Special precautions may be necessary.",
                        "",
                        "The Pavex multiple seam data base contains few cases where less than ",
                        "5 years had elapsed time since mining was completed in the lower seam.  ",
                        "If subsidence is not complete, a 'dynamic' interaction may occur.",
                        "",
                        "",
                        "[CALCULATED STRESSES]",
                        "Single seam development stress....................1808 (psi)",
                        "Multiple seam stress..............................200 (psi)",
                        "Total vertical stress (Development)...............2008 (psi)",
                        "Tailgate abutment stress..........................2953 (psi)",
                        "Total vertical stress (Tailgate Loading)..........4961 (psi)",
                        "",
                        "[SUGGESTED CRITICAL INTERBURDEN AND STRESS]",
                        "  Critical Interburden for Development............162 (ft)",
                        "  Allowable Total Vertical Stress.................1687 (psi)",
                        "If a pattern of supplemental roof support is installed, then:",
                        "  Critical Interburden for Development............75 (ft)",
                        "  Allowable Total Vertical Stress.................4177 (psi)",
                        "",
                        "  Critical Interburden for Tailgate Loading.......265 (ft)",
                        "  Allowable Total Vertical Stress.................1687 (psi)",
                        "If a pattern of supplemental roof support is installed, then:",
                        "  Critical Interburden for Tailgate Loading.......178 (ft)",
                        "  Allowable Total Vertical Stress.................4177 (psi)",
                        "",
                        "",
                        "",
                        "",
                        "",  // nothing after the last line end
                    });
}

TEST_F(LongwallRun, SinglesPrintAsSingles) {
    // Each of these singles lies just below a rounding tie; printed as the
    // singles they are (as the longwall's own page prints the factors) they
    // round up.
    ws.Kavo.KavoSFMS[1] = 1.765f;
    ws.VeskWork.ActiveSeamCMRR = 52.5f;  // suggested tailgate factor 1.025
    ws.Stress.DevStress = std::nextafter(1808.5f, 0.0f);
    InteractionStatistics(ws);
    const std::string& page = ws.OutBuf[1];
    EXPECT_NE(page.find("\r\nDevelopment Stability Factor......................1.77\r\n"), std::string::npos);
    EXPECT_NE(page.find("\r\nTailgate pillar SF is less than the suggested value of 1.03\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("\r\nSingle seam development stress....................1809 (psi)\r\n"),
              std::string::npos);
}

TEST_F(LongwallRun, ResultsVerdictsAndStressSummary) {
    ws.Interaction.MinOndarSFMS = 0.8;  // a retreat figure from an earlier run
    InteractionStatistics(ws);
    const InteractionResults& r = ws.Interaction;
    EXPECT_NEAR(r.CriticalInterburdenDev[1], 162.113, 0.001);
    EXPECT_NEAR(r.CriticalInterburdenDev[2], 75.113, 0.001);
    EXPECT_NEAR(r.CriticalInterburdenRet[1], 265.468, 0.001);
    EXPECT_NEAR(r.CriticalInterburdenRet[2], 178.468, 0.001);
    EXPECT_NEAR(r.AllowableStressDev[1], 1687.49, 0.01);
    EXPECT_NEAR(r.AllowableStressRet[2], 4177.49, 0.01);
    EXPECT_EQ(r.HasRetreatChart, -1);
    EXPECT_EQ(r.DevelopmentVerdict, InteractionVerdict::Yellow);
    EXPECT_EQ(r.SecondCaseVerdict, InteractionVerdict::Red);
    EXPECT_EQ(r.SecondCaseName, "Tailgate");
    EXPECT_FLOAT_EQ(r.SuggestedSFTailgate, 1.13f);
    EXPECT_EQ(r.MinOndarSFMS, 0.8);

    EXPECT_EQ(ws.Stress.DevTotalStress, 2008);
    EXPECT_NEAR(ws.Stress.RetreatStressIncrease, 2953.39, 0.01);
    EXPECT_NEAR(ws.Stress.RetreatTotalStress, 4961.39, 0.01);
    EXPECT_EQ(ws.Stress.DevStress, 1808);
}

TEST_F(LongwallRun, MetricProjectReportsMetricValuesFromEnglishWorkingCopies) {
    // A metric longwall run reaches the statistics with its working copies
    // still in feet and psi; only the saved unit system is metric.
    ws.Run.SavedUnitSystem = 1;
    InteractionStatistics(ws);
    const std::string& page = ws.OutBuf[1];
    EXPECT_NEAR(ws.Interaction.CriticalInterburdenDev[1], 162.113, 0.001);
    EXPECT_NE(page.find("  Critical Interburden for Development............49.4 (m)\r\n"), std::string::npos);
    EXPECT_NE(page.find("  Allowable Total Vertical Stress.................11.63 (MPa)\r\n"),
              std::string::npos);
    EXPECT_NE(page.find("Single seam development stress....................12.47 (MPa)\r\n"),
              std::string::npos);
    EXPECT_EQ(ws.Interaction.DevelopmentVerdict, InteractionVerdict::Yellow);
}

TEST_F(LongwallRun, QuietRunOnlyComputes) {
    ws.OutBuf[1] = "previous page";
    ws.Interaction.HasRetreatChart = 0;
    ws.Stress.RetreatTotalStress = 123;
    ws.Run.QuietRun = -1;
    InteractionStatistics(ws);
    EXPECT_EQ(ws.OutBuf[1], "previous page");
    EXPECT_EQ(ws.Interaction.HasRetreatChart, 0);
    EXPECT_EQ(ws.Stress.RetreatTotalStress, 123);
    EXPECT_NEAR(ws.Interaction.CriticalInterburdenRet[1], 265.468, 0.001);
    EXPECT_EQ(ws.Interaction.SecondCaseVerdict, InteractionVerdict::Red);
}

TEST_F(LongwallRun, FailuresLeaveThePreviousResults) {
    InteractionStatistics(ws);
    const std::string page = ws.OutBuf[1];
    const float critical = ws.Interaction.CriticalInterburdenDev[1];

    ws.VeskWork.ActiveSeamCMRR = 20;
    EXPECT_THROW(InteractionStatistics(ws), std::runtime_error);
    ws.VeskWork.ActiveSeamCMRR = 45;
    ws.VeskWork.InterburdenThickness = 0;
    EXPECT_THROW(InteractionStatistics(ws), std::runtime_error);
    ws.VeskWork.InterburdenThickness = 150;
    ws.Kavo.KavoSFMS[4] = 0;  // the tailgate abutment divides by it
    ws.Stress.RetreatTotalStress = 77;
    EXPECT_THROW(InteractionStatistics(ws), std::runtime_error);

    EXPECT_EQ(ws.OutBuf[1], page);
    EXPECT_EQ(ws.Interaction.CriticalInterburdenDev[1], critical);
    EXPECT_EQ(ws.Stress.RetreatTotalStress, 77);
}

// A metric room-and-pillar run with one side gob, 45 m under a remnant
// pillar: the working copies are back in metric units when the statistics
// run.
class RetreatRun : public ::testing::Test {
protected:
    RecordingUserInterface ui;
    Workspace ws{ui};

    void SetUp() override {
        ws.Header.UnitSystem = 1;
        ws.Run.SavedUnitSystem = 1;
        ws.Run.QuietRun = 0;
        ws.Run.avgMultiSeamStress = 180;
        ws.VeskWork.ActiveMiningMode = 1;
        ws.VeskWork.VerticalPosition = 1;
        ws.VeskWork.PreviousMining = 1;
        ws.VeskWork.InterburdenThickness = 45;  // 147.6 ft
        ws.VeskWork.RemnantWidth = 60;          // 196.9 ft > 5 sqrt(984.3 ft)
        ws.VeskWork.SeamThickness = 20;         // not the lower seam here
        ws.VeskWork.ActiveSeamCMRR = 55;
        ws.VeskWork.AgeOfWorkings = 10;
        ws.OndarWork.DepthOfCover = 300;  // 984.3 ft
        ws.OndarWork.EntryHeight = 2.4;
        ws.OndarWork.NumberOfEntries = 4;
        ws.OndarWork.EntryCenters = {0, 24, 24, 24, 99, 99, 99, 99, 99, 99};  // 236 ft
        ws.OndarWork.LoadingCondition = 2;
        ws.OndarWork.ActiveGobExtent = 150;
        ws.Ondar.OndarSFMS = {0, 1.62, 1.21};
        ws.Ondar.BarrierSF[1] = {0, 2.6, 0.3};  // side 2 has no gob in this case
        ws.Ondar.BarrierSF[2] = {0, 2.2, 0.3};
        ws.Stress.DevStress = 1450;
        ws.Stress.DevAbutmentStress = 310;
        ws.Stress.DevTotalStress = 1940;
        ws.Stress.RetreatStressIncrease = 1620;
        ws.Stress.RetreatTotalStress = 3250;
    }
};

TEST_F(RetreatRun, PageOneLineByLine) {
    InteractionStatistics(ws);
    ExpectSameLines(ws.OutBuf[1], {
                                      "[Vesk Output]",
                                      "",
                                      "[MULTIPLE SEAM PILLAR STABILITY FACTORS]",
                                      "Development..................................1.62",
                                      "Retreat......................................1.21",
                                      "",
                                      "Development pillar SF exceeds the suggested value of 1.31",
                                      "Retreat pillar SF is less than the suggested value of 1.31",
                                      "The pillar design may be inadequate to prevent a major multiple seam",
                                      "interaction. Consider increasing the pillar size by changing the",
                                      "entry spacing, the crosscut spacing, and/or the pillar width.",
                                      "",
                                      "",
                                      "[PREDICTED CONDITIONS]",
                                      "Development: GREEN:  A major interaction is unlikely.",
                                      "",
                                      "Retreat: YELLOW:  A major interaction should be considered",
                                      "likely unless a pattern of supplemental roof support (cable",
                                      "bolts or equivalent) is installed.  Rib instability is also",
                                      "likely.",
                                      "",
                                      "In addition to installing a pattern of roof support, the",
                                      "likelihood of a major interaction may be reduced by",
                                      "increasing the pillar size by changing the entry spacing,",
                                      "the crosscut spacing, and/or the pillar width.",
                                      "",
                                      "",
                                      "[WARNING MESSAGES]",
                                      "The width of the remnant pillar is greater than 2.77*SQRT(H).  ",
                                      "Consider conducting analysis as gob-solid boundary.",
                                      "",
                                      "",
                                      "[CALCULATED STRESSES]",
                                      "Single seam development stress....................10.00 (MPa)",
                                      "Multiple seam stress..............................1.24 (MPa)",
                                      "Development abutment stress.......................2.14 (MPa)",
                                      "Total vertical stress (Development)...............13.38 (MPa)",
                                      "Retreat abutment stress...........................11.17 (MPa)",
                                      "Total vertical stress (Retreat)...................22.41 (MPa)",
                                      "",
                                      "[SUGGESTED CRITICAL INTERBURDEN AND STRESS]",
                                      "  Critical Interburden for Development............40.2 (m)",
                                      "  Allowable Total Vertical Stress.................16.69 (MPa)",
                                      "If a pattern of supplemental roof support is installed, then:",
                                      "  Critical Interburden for Development............13.7 (m)",
                                      "  Allowable Total Vertical Stress.................33.86 (MPa)",
                                      "",
                                      "  Critical Interburden for Retreat................54.1 (m)",
                                      "  Allowable Total Vertical Stress.................16.69 (MPa)",
                                      "If a pattern of supplemental roof support is installed, then:",
                                      "  Critical Interburden for Retreat................27.6 (m)",
                                      "  Allowable Total Vertical Stress.................33.86 (MPa)",
                                      "",
                                      "",
                                      "",
                                      "",
                                      "",  // nothing after the last line end
                                  });
}

TEST_F(RetreatRun, ResultsInFeetAndPsi) {
    InteractionStatistics(ws);
    const InteractionResults& r = ws.Interaction;
    EXPECT_NEAR(r.CriticalInterburdenDev[1], 131.806, 0.001);
    EXPECT_NEAR(r.CriticalInterburdenRet[2], 90.656, 0.001);
    EXPECT_NEAR(r.AllowableStressDev[1], 2420.36, 0.01);  // 0.0288 x 147.6 ft inside
    EXPECT_NEAR(r.SuggestedSFRet, 1.5 - (300 * 3.280839895013123 - 650) / 350 * 0.2, 1e-9);
    EXPECT_DOUBLE_EQ(r.MinOndarSFMS, 1.21);
    EXPECT_EQ(r.HasRetreatChart, -1);
    EXPECT_EQ(r.DevelopmentVerdict, InteractionVerdict::Green);
    EXPECT_EQ(r.SecondCaseVerdict, InteractionVerdict::Yellow);
    EXPECT_EQ(r.SecondCaseName, "Retreat");
    // The retreat method's stress summary is left as it came.
    EXPECT_EQ(ws.Stress.RetreatTotalStress, 3250);
    EXPECT_EQ(ws.Stress.RetreatStressIncrease, 1620);
}

TEST_F(RetreatRun, SuggestedFactorReadsTheBarriersOfTheStagesAndSidesPresent) {
    // A weak retreat-stage barrier brings the suggestion back to 1.5 ...
    ws.Ondar.BarrierSF[2][1] = 1.9;
    InteractionStatistics(ws);
    EXPECT_EQ(ws.Interaction.SuggestedSFRet, 1.5);
    // ... unless there is no active gob, when only development counts.
    ws.OndarWork.ActiveGobExtent = 0;
    InteractionStatistics(ws);
    EXPECT_NEAR(ws.Interaction.SuggestedSFRet, 1.309, 0.001);
    // With two side gobs the second barrier counts too.
    ws.OndarWork.LoadingCondition = 3;
    InteractionStatistics(ws);
    EXPECT_EQ(ws.Interaction.SuggestedSFRet, 1.5);
    // The panel width is the sum of the entry centres in feet: 130 m is 426.5 ft.
    ws.OndarWork.LoadingCondition = 1;
    ws.OndarWork.EntryCenters = {0, 50, 50, 30, 0, 0, 0, 0, 0, 0};
    InteractionStatistics(ws);
    EXPECT_EQ(ws.Interaction.SuggestedSFRet, 1.5);
}

TEST_F(RetreatRun, WarningsTestMetricLengthsInFeet) {
    // 140 m of cover is 459 ft: no depth warning, and a 40 m (131 ft) remnant
    // is wider than 5 sqrt(459 ft) = 107 ft.
    ws.OndarWork.DepthOfCover = 140;
    ws.VeskWork.RemnantWidth = 40;
    ws.VeskWork.VerticalPosition = 0;
    ws.VeskWork.SeamThickness = 1;
    ws.VeskWork.InterburdenThickness = 14;  // 45.9 ft, below 50 ft
    InteractionStatistics(ws);
    std::string page = ws.OutBuf[1];
    EXPECT_NE(page.find("greater than 2.77*SQRT(H)."), std::string::npos);
    EXPECT_EQ(page.find("depth of cover exceeds"), std::string::npos);
    EXPECT_NE(page.find("interburden thickness is less than 15 m."), std::string::npos);

    ws.VeskWork.InterburdenThickness = 16;  // 52.5 ft
    ws.VeskWork.RemnantWidth = 32;          // 105 ft
    InteractionStatistics(ws);
    page = ws.OutBuf[1];
    EXPECT_EQ(page.find("SQRT(H)"), std::string::npos);
    EXPECT_EQ(page.find("interburden thickness is less than"), std::string::npos);
}

TEST_F(RetreatRun, DevelopmentOnlyRunHasNoRetreatChart) {
    ws.OndarWork.LoadingCondition = 0;
    ws.Interaction.HasRetreatChart = -1;
    InteractionStatistics(ws);
    EXPECT_EQ(ws.Interaction.HasRetreatChart, 0);
    EXPECT_DOUBLE_EQ(ws.Interaction.MinOndarSFMS, 1.62);
    const std::string& page = ws.OutBuf[1];
    EXPECT_EQ(page.find("Retreat......"), std::string::npos);
    EXPECT_EQ(page.find("Critical Interburden for Retreat"), std::string::npos);
    EXPECT_NE(page.find("Development..................................1.62\r\n\r\n"
                        "Development pillar SF exceeds the suggested value of 1.31\r\n\r\n[PREDICTED"),
              std::string::npos);
}

}  // namespace
}  // namespace vesk
