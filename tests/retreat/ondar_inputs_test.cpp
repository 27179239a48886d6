#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "ondar_test_case.h"
#include "project/units.h"
#include "retreat/ondar_model.h"

namespace vesk::test {
namespace {

struct BadInput {
    const char* name;
    std::function<void(OndarParams&)> spoil;
    const char* message;
};

TEST(OndarCheckInputs, ReportsTheFirstFailingFieldOnly) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<BadInput> cases = {
        {"one entry", [](OndarParams& p) { p.NumberOfEntries = 1; }, "Invalid number of entries"},
        {"one entry and no height",
         [](OndarParams& p) {
             p.NumberOfEntries = 1;
             p.EntryHeight = 0;
         },
         "Invalid entry height"},
        {"angle 0 and no entry width",
         [](OndarParams& p) {
             p.CrosscutAngle = 0;
             p.EntryWidth = 0;
         },
         "Invalid entry width"},
        {"eleven entries", [](OndarParams& p) { p.NumberOfEntries = 11; }, "Invalid number of entries"},
        {"height", [](OndarParams& p) { p.EntryHeight = 0; }, "Invalid entry height"},
        {"height NaN", [nan](OndarParams& p) { p.EntryHeight = nan; }, "Invalid entry height"},
        {"height and depth",
         [](OndarParams& p) {
             p.EntryHeight = -1;
             p.DepthOfCover = 0;
         },
         "Invalid entry height"},
        {"depth", [](OndarParams& p) { p.DepthOfCover = -5; }, "Invalid depth of cover"},
        {"angle above 90", [](OndarParams& p) { p.CrosscutAngle = 91; }, "Invalid crosscut angle"},
        {"angle negative", [](OndarParams& p) { p.CrosscutAngle = -1; }, "Invalid crosscut angle"},
        {"angle 0", [](OndarParams& p) { p.CrosscutAngle = 0; }, "Invalid crosscut angle"},
        {"entry width", [](OndarParams& p) { p.EntryWidth = 0; }, "Invalid entry width"},
        {"crosscut spacing", [](OndarParams& p) { p.CrosscutSpacing = 0; }, "Invalid crosscut spacing"},
        {"coal strength", [](OndarParams& p) { p.CoalStrength = 0; }, "Invalid coal strength"},
        {"AMZ breadth", [](OndarParams& p) { p.AMZBreadth = 0; }, "Invalid breadth of AMZ"},
        {"unit weight", [nan](OndarParams& p) { p.UnitWeight = nan; }, "Invalid unit weight"},
        {"arch factor", [](OndarParams& p) { p.ArchFactor = 0; }, "Invalid Arch Percent"},
        {"third centre distance", [](OndarParams& p) { p.EntryCenters[3] = 0; },
         "Invalid center-to-center distance #3"},
        {"second and fourth", [](OndarParams& p) { p.EntryCenters[2] = p.EntryCenters[4] = -1; },
         "Invalid center-to-center distance #2"},
        {"entry as wide as its spacing", [](OndarParams& p) { p.EntryCenters[2] = 20; },
         "Entry spacing should be more than Entry Width"},
        {"crosscuts too close for the angle",
         [](OndarParams& p) {
             p.CrosscutAngle = 30;
             p.CrosscutSpacing = 40;  // 40 x sin 30 = 20 = entry width
         },
         "Invalid crosscut spacing"},
        {"loading condition 5", [](OndarParams& p) { p.LoadingCondition = 5; }, "Invalid loading condition"},
        {"loading condition -1", [](OndarParams& p) { p.LoadingCondition = -1; },
         "Invalid loading condition"},
        {"rows A and B leave no active pillar",
         [](OndarParams& p) {
             p.NumberOfEntries = 3;
             p.LoadingCondition = 1;
             p.ActiveGobExtent = 300;
             p.LeaveRowA = p.LeaveRowB = 1;
         },
         "Invalid leave rows: no pillar remains in the active mining zone"},
    };
    for (const BadInput& c : cases) {
        RetreatFixture f;
        f.ws.OndarWork = ReferenceRetreat();
        c.spoil(f.ws.OndarWork);
        EXPECT_FALSE(OndarLoadModelInputs(f.ws)) << c.name;
        ASSERT_EQ(f.ui.messages.size(), 1u) << c.name;
        EXPECT_EQ(f.ui.messages[0].prompt, c.message) << c.name;
        EXPECT_EQ(f.ui.messages[0].title, "") << c.name;
    }
}

TEST(OndarCheckInputs, AcceptsTheValidEdgesAndMapsTheLoadingCondition) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.CrosscutAngle = 90;
    p.NumberOfEntries = 10;
    for (int i = 1; i <= 9; ++i) p.EntryCenters[i] = 80;
    // A stored 4 is taken as two side gobs, like 3.
    const int16_t expected[] = {1, 2, 3, 4, 4};
    for (int16_t condition = 0; condition <= 4; ++condition) {
        p.LoadingCondition = condition;
        f.ws.OndarWork = p;
        EXPECT_TRUE(OndarLoadModelInputs(f.ws)) << f.LastMessage();
        EXPECT_EQ(f.ws.Ondar.LoadingCase, expected[condition]);
    }
    EXPECT_EQ(f.ws.Ondar.PillarCount, 9);
    EXPECT_DOUBLE_EQ(f.ws.Ondar.AMZWidth, 720);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(OndarCheckInputs, AFailedCheckLeavesNoLoadingCaseOfAnEarlierRun) {
    RetreatFixture f;
    f.Run(RetreatWithSideGobs(3));
    ASSERT_EQ(f.ws.Ondar.LoadingCase, 4);
    OndarParams bad = RetreatWithSideGobs(3);
    bad.LoadingCondition = 9;
    f.ws.OndarWork = bad;
    EXPECT_FALSE(OndarLoadModelInputs(f.ws));
    EXPECT_EQ(f.ws.Ondar.LoadingCase, 0);
    EXPECT_THROW(OndarCalculate(f.ws, 0), std::runtime_error);
}

TEST(OndarLoadModelInputs, CopiesAndDerivesTheModelValues) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.NumberOfEntries = 3;
    p.EntryCenters[1] = 70;
    p.EntryCenters[2] = 90;
    p.EntryCenters[3] = 555;  // not in use
    p.CrosscutAngle = 60;
    p.ActiveGobAbutmentAngle = 90;
    p.FirstGobAbutmentAngle = 30;
    p.LeaveRowC = 1;
    p.RowCPillarWidth = 25.5f;
    f.ws.OndarWork = p;
    ASSERT_TRUE(OndarLoadModelInputs(f.ws));
    const OndarModelState& o = f.ws.Ondar;
    EXPECT_EQ(o.PillarCount, 2);
    EXPECT_DOUBLE_EQ(o.AMZWidth, 160);
    EXPECT_DOUBLE_EQ(o.Centers[3], 0);
    EXPECT_DOUBLE_EQ(o.PillarGap[2], 70);
    EXPECT_DOUBLE_EQ(o.PillarPitchLength, 60);
    EXPECT_DOUBLE_EQ(o.StrengthPsf, 129600);
    EXPECT_DOUBLE_EQ(o.CrosscutAngleRad, 60 * 0.017453292519943278);
    EXPECT_DOUBLE_EQ(o.AbutmentAngleRad[1], 1.5690509975429008);  // 89.9 degrees
    EXPECT_DOUBLE_EQ(o.AbutmentAngleRad[2], 30 * 0.017453292519943278);
    EXPECT_DOUBLE_EQ(o.LeaveRow[3], 1.0);
    EXPECT_DOUBLE_EQ(o.LeaveWidth[1], 25.5);
    EXPECT_FLOAT_EQ(o.WorkingArchFactor, 1.0f);
}

TEST(OndarArchFactor, ModelRuleOnFeet) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    auto model = [&](double depth, double center, int16_t entries) {
        p.DepthOfCover = depth;
        p.NumberOfEntries = entries;
        for (int i = 1; i < entries; ++i) p.EntryCenters[i] = center;
        f.ws.OndarWork = p;
        EXPECT_TRUE(OndarLoadModelInputs(f.ws));
        return ModelArchFactor(f.ws);
    };
    EXPECT_FLOAT_EQ(model(1000, 80, 6), 0.74f);  // 1 - 0.28 ln 2.5 = 0.7434
    EXPECT_FLOAT_EQ(model(400, 80, 6), 1.0f);    // panel above depth - 80
    EXPECT_FLOAT_EQ(model(500, 80, 6), 0.94f);   // 1 - 0.28 ln 1.25 = 0.9375
    EXPECT_FLOAT_EQ(model(5000, 25, 2), 0.28f);  // deep and narrow: the floor
    p.ArchFactorAuto = 0;
    p.ArchFactor = 0.61f;
    EXPECT_FLOAT_EQ(model(1000, 80, 6), 0.61f);
}

TEST(OndarArchFactor, ProjectUnitRuleUses80FtOr80M) {
    EXPECT_FLOAT_EQ(AutoArchFactor(500, 300, English), 0.86f);       // 1 - 0.28 ln(5/3) = 0.857
    EXPECT_FLOAT_EQ(AutoArchFactor(350, 300, English), 1.0f);        // 270 < 300
    EXPECT_FLOAT_EQ(AutoArchFactor(152.4f, 91.44f, Metric), 1.0f);   // 500 ft - 80 m < 300 ft
    EXPECT_FLOAT_EQ(AutoArchFactor(304.8f, 91.44f, Metric), 0.66f);  // 1000 ft / 300 ft: 0.6629
    EXPECT_FLOAT_EQ(AutoArchFactor(500, 0, English), 1.0f);
    OndarParams p = ReferenceRetreat();
    p.DepthOfCover = 1000;
    p.EntryCenters[6] = 1000;  // beyond the entries in use
    EXPECT_FLOAT_EQ(AutoArchFactor(p, English), 0.74f);
}

TEST(OndarAutoAMZBreadth, FiveTimesTheRootOfTheDepth) {
    EXPECT_EQ(AutoAMZBreadth(400, English), 100);
    EXPECT_EQ(AutoAMZBreadth(0, English), 0);
    EXPECT_EQ(AutoAMZBreadth(-10, English), 0);
    EXPECT_EQ(AutoAMZBreadth(1000, English), 158);  // 158.11
    EXPECT_EQ(AutoAMZBreadth(122, Metric), 30);     // 5 x sqrt(400.26) / 3.2808 = 30.49
    EXPECT_EQ(AutoAMZBreadth(-1, Metric), 0);
    EXPECT_EQ(AutoAMZBreadth(std::numeric_limits<float>::quiet_NaN(), English), 0);
}

TEST(OndarRoundForReport, TwoDecimalsTiesToEven) {
    EXPECT_FLOAT_EQ(RoundForReport(1.414285), 1.41f);
    EXPECT_FLOAT_EQ(RoundForReport(0.125), 0.12f);
    EXPECT_FLOAT_EQ(RoundForReport(0.135), 0.14f);
    EXPECT_FLOAT_EQ(RoundForReport(2.4999), 2.5f);
    EXPECT_FLOAT_EQ(RoundForReport(0), 0.0f);
}

// A metric project: the working copy goes to feet, psi and pcf for the run
// and comes back exactly as it was.
TEST(OndarUnits, MetricRunRestoresTheInputsExactly) {
    RetreatFixture f;
    OndarParams p;
    p.EntryHeight = 2.13;
    p.DepthOfCover = 121.92;
    p.EntryWidth = 5.97;
    p.CrosscutSpacing = 24.38;
    p.NumberOfEntries = 4;
    p.EntryCenters = {0, 24.38, 24.38, 24.38, 7.7};
    p.CoalStrength = 900 / PsiPerMPa;
    p.UnitWeight = 162 / PcfPerKNm3;
    p.AMZBreadth = 30;
    p.RowCPillarWidth = 5.97f;
    p.FirstGobSlabCut = 3.3;
    p.ArchFactor = 0.95f;
    f.ws.Header.UnitSystem = Metric;
    f.ws.OndarWork = p;
    f.ws.VeskWork.InterburdenThickness = 30.48f;
    const VeskParams vesk = f.ws.VeskWork;

    OndarToEnglishUnits(f.ws);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.DepthOfCover, 121.92 * FeetPerMetre);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.EntryCenters[3], 24.38 * FeetPerMetre);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.EntryCenters[4], 7.7);  // not in use
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.CoalStrength, 900 / PsiPerMPa * PsiPerMPa);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.UnitWeight, 162 / PcfPerKNm3 * PcfPerKNm3);
    EXPECT_FLOAT_EQ(f.ws.VeskWork.InterburdenThickness, 100.0f);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.CrosscutAngle, 90);

    f.ws.Header.UnitSystem = English;
    ASSERT_TRUE(OndarLoadModelInputs(f.ws));
    OndarCalculate(f.ws, 0);
    f.ws.Header.UnitSystem = Metric;
    OndarToProjectUnits(f.ws);
    EXPECT_EQ(f.ws.OndarWork, p);
    EXPECT_EQ(f.ws.VeskWork, vesk);
}

TEST(OndarUnits, WithoutASnapshotTheWayBackDivides) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    f.ws.OndarWork = p;
    OndarToProjectUnits(f.ws);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.DepthOfCover, 400 / FeetPerMetre);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.CoalStrength, 900 / PsiPerMPa);
    EXPECT_DOUBLE_EQ(f.ws.OndarWork.CrosscutAngle, 90);
}

}  // namespace
}  // namespace vesk::test
