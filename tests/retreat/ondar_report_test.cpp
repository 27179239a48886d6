#include "retreat/ondar_report.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "analysis/text_format.h"
#include "ondar_test_case.h"
#include "project/project_records.h"
#include "project/units.h"
#include "retreat/ondar_model.h"

namespace vesk::test {
namespace {

const std::string CRLF = "\r\n";

// Runs `p` and overrides the multiple-seam factors of both stages, so that a
// warning rule can be tested at a chosen factor.
std::string StabilityPage(RetreatFixture& f, const OndarParams& p, double sfms) {
    f.Run(p, 100);
    f.ws.Ondar.OndarSFMS[1] = sfms;
    f.ws.Ondar.OndarSFMS[2] = sfms;
    OndarReportStabilityFactors(f.ws);
    return f.ws.OutBuf[2];
}

// Text with every run of blanks and line breaks made one blank, so that
// wrapped page text compares with the unwrapped warnings.
std::string Flat(const std::string& text) {
    std::string flat;
    for (char c : text) {
        const bool blank = c == ' ' || c == '\r' || c == '\n';
        if (blank && !flat.empty() && flat.back() == ' ') continue;
        flat += blank ? ' ' : c;
    }
    return flat;
}

// Numbers of the warnings on page 2, found by their texts.
std::vector<int> Warnings(const std::string& page, int16_t unitSystem) {
    const std::string flat = Flat(page);
    std::vector<int> found;
    for (int number = 1; number <= 14; ++number) {
        if (number == 2) {
            // Warning 2 names the depth itself, not "greater than".
            const std::string lead = "suggests that when the depth of cover is ";
            for (size_t at = flat.find(lead); at != std::string::npos; at = flat.find(lead, at + 1)) {
                if (std::isdigit(static_cast<unsigned char>(flat[at + lead.size()]))) {
                    found.push_back(2);
                    break;
                }
            }
        } else if (flat.find(Flat(OndarWarningText(number, unitSystem))) != std::string::npos) {
            found.push_back(number);
        }
    }
    return found;
}

TEST(OndarReport, DevelopmentOnlyPageWithoutWarnings) {
    // 400 ft of cover, 400 ft panel (arch factor 1.00), reference strength,
    // unit weight and angles, automatic AMZ and arch factor, pillars 8.6 times
    // as wide as high.
    RetreatFixture f;
    f.ws.OndarWork = ReferenceRetreat();
    f.ws.OndarWork.ArchFactor = AutoArchFactor(f.ws.OndarWork, English);
    ASSERT_FLOAT_EQ(f.ws.OndarWork.ArchFactor, 1.0f);
    f.ws.Options.DisplayHistoryWin = 1;
    const std::string page = StabilityPage(f, f.ws.OndarWork, 2.5);
    const std::string sf = FormatNumber(RoundForReport(f.ws.Ondar.OndarSF[1]), "##0.00");
    EXPECT_EQ(page, "[Ondar STABILITY FACTORS - SINGLE SEAM CONDITIONS]" + CRLF + CRLF +
                        "Development.................................." + sf + CRLF + CRLF +
                        "[Ondar STABILITY FACTORS - MULTI SEAM CONDITIONS]" + CRLF + CRLF +
                        "Development..................................2.50" + CRLF + CRLF + CRLF + CRLF +
                        CRLF + CRLF);
    EXPECT_TRUE(Contains(f.ws.History.Text, "Ondar stability factors calculated"));

    // At 500 ft the same panel gets the automatic factor 0.94: warning 14.
    RetreatFixture g;
    OndarParams deeper = ReferenceRetreat();
    deeper.DepthOfCover = 500;
    deeper.AMZBreadth = AutoAMZBreadth(500, English);
    deeper.ArchFactor = AutoArchFactor(deeper, English);
    ASSERT_FLOAT_EQ(deeper.ArchFactor, 0.94f);
    const std::string page2 = StabilityPage(g, deeper, 2.5);
    EXPECT_EQ(Warnings(page2, English), std::vector<int>{14});
    EXPECT_TRUE(
        Contains(page2, "[WARNINGS - MULTI SEAM CONDITIONS]" + CRLF + CRLF + "The Pressure Arch loading"));
}

TEST(OndarReport, StageRowsAndFootnotesByLoadingCondition) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(1);
    p.ActiveGobExtent = 0;  // no active gob yet: single-seam Retreat row left out
    std::string page = StabilityPage(f, p, 2.5);
    const std::string single = page.substr(0, page.find("MULTI SEAM"));
    EXPECT_FALSE(Contains(single, "Retreat..."));
    EXPECT_TRUE(Contains(page.substr(page.find("MULTI SEAM")), "Retreat......"));

    RetreatFixture g;
    page = StabilityPage(g, RetreatWithSideGobs(3), 2.5);
    EXPECT_TRUE(Contains(page, "Development...") &&
                Contains(page, "*Development loading includes two side gobs." + CRLF));
    EXPECT_TRUE(Contains(page, "*Retreat loading includes two side gobs." + CRLF));
    EXPECT_TRUE(Contains(page, "[BARRIER PILLAR STABILITY FACTORS]" + CRLF + CRLF + "[Development]" + CRLF +
                                   "FIRST SIDE GOB BARRIER......................."));
    EXPECT_TRUE(Contains(page, "SECOND SIDE GOB BARRIER......................"));
    const float minBarrier =
        static_cast<float>(std::min({g.ws.Ondar.BarrierSF[1][1], g.ws.Ondar.BarrierSF[1][2],
                                     g.ws.Ondar.BarrierSF[2][1], g.ws.Ondar.BarrierSF[2][2]}));
    EXPECT_FLOAT_EQ(g.ws.Ondar.MinBarrierSF, minBarrier);

    RetreatFixture h;
    page = StabilityPage(h, RetreatWithSideGobs(2), 2.5);
    EXPECT_TRUE(Contains(page, "*Retreat loading includes one side gob." + CRLF));
}

struct WarningCase {
    const char* name;
    void (*apply)(OndarParams&);
    double sfms;
    std::vector<int> expected;
};

TEST(OndarReport, WarningRules) {
    const std::vector<WarningCase> cases = {
        {"shallow weak", [](OndarParams&) {}, 1.4, {1}},
        {"800 ft below the suggested factor",
         [](OndarParams& p) {
             p.DepthOfCover = 800;
             p.AMZBreadth = 141;
             p.ArchFactor = 1;
         },
         1.40,
         {2}},
        {"800 ft above the suggested factor, narrow panel",
         [](OndarParams& p) {
             p.DepthOfCover = 800;
             p.AMZBreadth = 141;
         },
         1.42,
         {}},
        {"800 ft wide panel",
         [](OndarParams& p) {
             p.DepthOfCover = 800;
             p.AMZBreadth = 141;
             p.NumberOfEntries = 7;
             p.EntryCenters[6] = 80;
         },
         1.45,
         {2}},
        {"1200 ft with an active gob",
         [](OndarParams& p) {
             p.DepthOfCover = 1200;
             p.AMZBreadth = 173;
             p.LoadingCondition = 1;
             p.ActiveGobExtent = 600;
         },
         1.2,
         {3, 7}},
        {"1200 ft at 1.35, narrow panel",
         [](OndarParams& p) {
             p.DepthOfCover = 1200;
             p.AMZBreadth = 173;
             p.LoadingCondition = 1;
             p.ActiveGobExtent = 600;
         },
         1.35,
         {7}},
        {"2100 ft with an active gob",
         [](OndarParams& p) {
             p.DepthOfCover = 2100;
             p.AMZBreadth = 229;
             p.LoadingCondition = 1;
             p.ActiveGobExtent = 600;
         },
         1.2,
         {3, 6, 7}},
        {"slender pillars", [](OndarParams& p) { p.EntryHeight = 16; }, 1.99, {5}},
        {"manual AMZ", [](OndarParams& p) { p.AMZAuto = 0; }, 2.5, {8}},
        {"unit weight 162.04", [](OndarParams& p) { p.UnitWeight = 162.04; }, 2.5, {}},
        {"unit weight 160", [](OndarParams& p) { p.UnitWeight = 160; }, 2.5, {9}},
        {"coal strength 900.9", [](OndarParams& p) { p.CoalStrength = 900.9; }, 2.5, {}},
        {"coal strength 1000", [](OndarParams& p) { p.CoalStrength = 1000; }, 2.5, {10}},
        {"abutment angle of an unused gob", [](OndarParams& p) { p.SecondGobAbutmentAngle = 25; }, 2.5, {}},
        {"abutment angle of the active gob",
         [](OndarParams& p) {
             p.LoadingCondition = 1;
             p.ActiveGobExtent = 300;
             p.ActiveGobAbutmentAngle = 25;
         },
         2.5,
         {12}},
        {"manual arch factor",
         [](OndarParams& p) {
             p.ArchFactorAuto = 0;
             p.ArchFactor = 0.9f;
         },
         2.5,
         {13, 14}},
    };
    for (const WarningCase& c : cases) {
        RetreatFixture f;
        OndarParams p = ReferenceRetreat();
        c.apply(p);
        const std::string page = StabilityPage(f, p, c.sfms);
        EXPECT_EQ(Warnings(page, English), c.expected) << c.name << CRLF << page;
        EXPECT_EQ(Contains(page, "[WARNINGS - MULTI SEAM CONDITIONS]"), !c.expected.empty()) << c.name;
    }
}

TEST(OndarReport, SuggestedFactorWarningText) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.DepthOfCover = 800;
    p.AMZBreadth = 141;
    const std::string page = StabilityPage(f, p, 1.40);
    EXPECT_TRUE(
        Contains(page, "Analysis of the Ondar case history data base suggests that when the" + CRLF +
                           "depth of cover is 800 ft, the risk of pillar failure is increased" + CRLF +
                           "when the Ondar SF is less than 1.5 or (1.41 if the panel width is" + CRLF +
                           "less than 425 ft and the Barrier Pillar SF exceeds 2.0.)   For more" + CRLF +
                           "information, consult Help/Stability Factors." + CRLF + CRLF))
        << page;

    // Just past 650 ft the suggested factor still reads 1.50: the short text.
    RetreatFixture g;
    p.DepthOfCover = 650.5;
    const std::string shortPage = StabilityPage(g, p, 1.40);
    EXPECT_TRUE(Contains(shortPage, "depth of cover is 651 ft, the risk of pillar failure is increased") &&
                Contains(shortPage, "when the Ondar SF is less than 1.5   For more information, consult"))
        << shortPage;
}

TEST(OndarReport, BarrierWarningAndTwoSideGobs) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(3);
    p.DepthOfCover = 800;
    p.AMZBreadth = 141;
    p.ArchFactor = 1;
    const std::string page = StabilityPage(f, p, 2.5);
    ASSERT_LT(f.ws.Ondar.MinBarrierSF, 1.5f);
    EXPECT_EQ(Warnings(page, English), (std::vector<int>{4, 11}));
}

TEST(OndarReport, MetricWarningsCompareTheProjectValues) {
    auto metricPage = [](double unitWeight, double coalStrength) {
        RetreatFixture f;
        OndarParams p = ReferenceRetreat();
        ConvertOndarUnits(p, UnitDirection::ToMetric);
        p.UnitWeight = unitWeight;
        p.CoalStrength = coalStrength;
        f.ws.Header.UnitSystem = Metric;
        f.ws.OndarWork = p;
        f.ws.Run.avgMultiSeamStress = 100;
        OndarToEnglishUnits(f.ws);
        f.ws.Header.UnitSystem = English;
        EXPECT_TRUE(OndarLoadModelInputs(f.ws));
        OndarCalculate(f.ws, 0);
        f.ws.Header.UnitSystem = Metric;
        OndarToProjectUnits(f.ws);
        f.ws.Ondar.OndarSFMS[1] = f.ws.Ondar.OndarSFMS[2] = 2.5;
        OndarReportStabilityFactors(f.ws);
        return Warnings(f.ws.OutBuf[2], Metric);
    };
    EXPECT_EQ(metricPage(25.45, 6.21), std::vector<int>{});
    EXPECT_EQ(metricPage(25.446, 6.21), std::vector<int>{9});
    EXPECT_EQ(metricPage(25.45, 900 / PsiPerMPa), std::vector<int>{10});
}

TEST(OndarReport, MetricDepthTexts) {
    EXPECT_TRUE(Contains(OndarWarningText(3, Metric), "greater than 300 m, the risk"));
    EXPECT_TRUE(Contains(OndarWarningText(3, Metric), "less than 130 m and the Barrier"));
    EXPECT_TRUE(Contains(OndarWarningText(4, Metric), "greater than 200 m, the risk"));
    EXPECT_TRUE(Contains(OndarWarningText(6, Metric), "exceeded 600 m, and three") &&
                Contains(OndarWarningText(6, Metric), "exceeds 600 m.  For more"));
    EXPECT_TRUE(Contains(OndarWarningText(7, English), "exceeded 1000 ft. Of these") &&
                Contains(OndarWarningText(7, English), "exceeds 1000 ft. "));
    EXPECT_EQ(OndarWarningText(2, English), "");
}

TEST(OndarReport, OutputUnitsAreSetOnce) {
    struct UnitsCase {
        int16_t loadOption, stressOption;
        const char *load, *stress;
        double loadDivisor, strengthDivisor;
    };
    for (const UnitsCase& c : std::vector<UnitsCase>{{0, 0, " (lbs)", " (psi)", 1, 144},
                                                     {1, 1, " (tons)", " (psf)", 2000, 1},
                                                     {1, 0, " (tons)", " (psi)", 2000, 144}}) {
        RetreatFixture f;
        f.ws.Options.OndarOutputStrGradUnits = c.loadOption;
        f.ws.Options.OndarOutputStrUnits = c.stressOption;
        f.Run(RetreatWithSideGobs(3));
        const OndarModelState before = f.ws.Ondar;
        OndarWriteReport(f.ws);
        OndarSetReportUnits(f.ws);  // a second call converts nothing
        const OndarModelState& o = f.ws.Ondar;
        EXPECT_EQ(o.LoadLabel, c.load);
        EXPECT_EQ(o.StressLabel, c.stress);
        EXPECT_DOUBLE_EQ(o.PillarCapacity[1], before.PillarCapacity[1] / c.loadDivisor);
        EXPECT_DOUBLE_EQ(o.AMZCapacity, before.AMZCapacity / c.loadDivisor);
        EXPECT_DOUBLE_EQ(o.AbutmentLoad[2], before.AbutmentLoad[2] / c.loadDivisor);
        EXPECT_DOUBLE_EQ(o.BarrierTotalLoad[2][1], before.BarrierTotalLoad[2][1] / c.loadDivisor);
        EXPECT_DOUBLE_EQ(o.PillarStrength[1], before.PillarStrength[1] / c.strengthDivisor);
        EXPECT_DOUBLE_EQ(o.BarrierStrength[1], before.BarrierStrength[1] / c.strengthDivisor);
        EXPECT_DOUBLE_EQ(o.BarrierSF[2][1], before.BarrierSF[2][1]);
        EXPECT_TRUE(Contains(f.ws.OutBuf[4], "TOTAL LOAD-BEARING CAPACITY OF PILLARS WITHIN AMZ: ") &&
                    Contains(f.ws.OutBuf[4], std::string(c.load) + CRLF));
    }
}

TEST(OndarReport, StrengthOf60FtSquarePillarsInPsi) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.EntryHeight = 10;
    p.EntryWidth = 10;
    p.CrosscutSpacing = 70;
    p.NumberOfEntries = 3;
    p.EntryCenters = {0, 70, 70};
    f.Run(p);
    OndarWriteReport(f.ws);
    EXPECT_TRUE(Contains(f.ws.OutBuf[4], "     1      3.60E+03       2520.00      1.31E+09" + CRLF))
        << f.ws.OutBuf[4];
    EXPECT_TRUE(Contains(f.ws.OutBuf[4], "     2         70.00         60.00         60.00" + CRLF));
    EXPECT_TRUE(Contains(f.ws.OutBuf[4], "           (ft)*(ft)         (psi)         (lbs)" + CRLF));
}

TEST(OndarReport, AMZPageInMetricUnits) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(2);
    ConvertOndarUnits(p, UnitDirection::ToMetric);
    f.ws.Header.UnitSystem = Metric;
    f.ws.OndarWork = p;
    OndarToEnglishUnits(f.ws);
    f.ws.Header.UnitSystem = English;
    ASSERT_TRUE(OndarLoadModelInputs(f.ws));
    OndarCalculate(f.ws, 0);
    f.ws.Header.UnitSystem = Metric;
    OndarToProjectUnits(f.ws);
    OndarWriteReport(f.ws);
    const std::string& page = f.ws.OutBuf[3];
    EXPECT_TRUE(Contains(page, "AMZ Width..............................................121.9 (m)" + CRLF))
        << page;
    EXPECT_TRUE(Contains(page, "AMZ Breadth............................................30.5 (m)" + CRLF));
    EXPECT_TRUE(
        Contains(page, "AMZ Area...............................................3716.1 (m)*(m)" + CRLF));
    EXPECT_TRUE(Contains(page, " (kN)/(m)" + CRLF));
    EXPECT_TRUE(Contains(page, "RETREAT LOADINGS ON AMZ (kN)" + CRLF));
    EXPECT_TRUE(Contains(page, "1st Side Barrier LTRANSREM*"));
    EXPECT_FALSE(Contains(page, "2nd Side"));
    EXPECT_TRUE(Contains(f.ws.OutBuf[4], "(m)*(m)         (kPa)          (kN)" + CRLF));
    EXPECT_TRUE(Contains(f.ws.OutBuf[5], " PILLAR         (m)          (kPa)     CAPACITY (kN)" + CRLF));
}

// The blank line after the abutment loads and the one after the R-factors are
// written whatever the loading condition, so a development page has both.
TEST(OndarReport, AMZPageKeepsBothBlankLinesWithoutAbutments) {
    RetreatFixture f;
    f.Run(ReferenceRetreat());
    OndarWriteReport(f.ws);
    const std::string& page = f.ws.OutBuf[3];
    const std::string tributary = "Tributary Area Load on AMZ.............................";
    const auto at = page.find(tributary);
    ASSERT_NE(at, std::string::npos) << page;
    const auto lineEnd = page.find(CRLF, at);
    EXPECT_EQ(page.substr(lineEnd, 3 * CRLF.size() + 11), CRLF + CRLF + CRLF + "DEVELOPMENT") << page;
}

// The leave pillar table is headed whenever row C or row D is left, even when
// the loading condition has no side for that row (then it lists no row).
TEST(OndarReport, LeavePillarTableFollowsTheRowFlags) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(2);
    p.LeaveRowD = 1;
    p.RowDPillarWidth = 40;
    f.Run(p);
    OndarWriteReport(f.ws);
    const std::string& page = f.ws.OutBuf[6];
    const std::string units = "            (psi)           (lbs)       (lbs)       (lbs)";
    EXPECT_TRUE(Contains(page, CRLF + CRLF + "[LEAVE PILLAR PARAMETERS]" + CRLF)) << page;
    EXPECT_TRUE(
        Contains(page, units + CRLF + "*Adjusted for effective length of the remnant barrier." + CRLF))
        << page;
    EXPECT_FALSE(Contains(page, "      D"));
}

TEST(OndarReport, BarrierAndRemnantPages) {
    RetreatFixture none;
    none.Run(RetreatWithSideGobs(1));
    OndarWriteReport(none.ws);
    EXPECT_EQ(none.ws.OutBuf[5],
              "[BARRIER PILLAR PARAMETERS]" + CRLF + CRLF + "***none***" + CRLF + CRLF + CRLF);
    EXPECT_EQ(none.ws.OutBuf[6], "[REMNANT PILLAR AND LEAVE PILLAR PARAMETERS]" + CRLF + CRLF + "***none***" +
                                     CRLF + CRLF + CRLF);

    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(3);
    p.LeaveRowC = 1;
    p.RowCPillarWidth = 50;
    f.Run(p);
    OndarWriteReport(f.ws);
    const std::string& barriers = f.ws.OutBuf[5];
    EXPECT_TRUE(Contains(barriers, "First         60.00        4741.71") &&
                Contains(barriers, "Second        60.00"))
        << barriers;
    EXPECT_TRUE(Contains(barriers, " *Includes contribution from row 'C' bleeder pillar" + CRLF));
    EXPECT_FALSE(Contains(barriers, "row 'D'"));
    EXPECT_TRUE(Contains(barriers, "[BARRIER PILLAR LOADS - Retreat]" + CRLF +
                                       "LOAD (lbs)               1st BARRIER     2nd BARRIER" + CRLF));
    EXPECT_TRUE(Contains(barriers, "Front Abutment"));
    const std::string& remnants = f.ws.OutBuf[6];
    EXPECT_TRUE(Contains(remnants, "[REMNANT BARRIER PILLARS BETWEEN GOBS - DATA]" + CRLF));
    EXPECT_TRUE(Contains(remnants, "First          60.0      153.55")) << remnants;
    EXPECT_TRUE(Contains(remnants, "[LEAVE PILLAR PARAMETERS]" + CRLF));
    EXPECT_TRUE(Contains(remnants, "      C"));
    EXPECT_FALSE(Contains(remnants, "      D"));
    EXPECT_TRUE(Contains(remnants, "*Adjusted for effective length of the remnant barrier." + CRLF));
}

}  // namespace
}  // namespace vesk::test
