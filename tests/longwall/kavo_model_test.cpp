#include "longwall/kavo_model.h"

#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "analysis/recording_user_interface.h"
#include "kavo_test_case.h"
#include "project/workspace.h"

namespace vesk {
namespace {

class KavoModelTest : public ::testing::Test {
protected:
    KavoModelTest() {
        ws.KavoWork = test::ReferenceLongwall();
        ws.Run.avgMultiSeamStress = 200;
    }

    bool Run(int16_t progressFlag = 0) {
        if (!KavoLoadModelInputs(ws)) return false;
        KavoCalculate(ws, progressFlag);
        return true;
    }

    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& m : ui.messages) texts.push_back(m.prompt);
        return texts;
    }

    RecordingUserInterface ui;
    Workspace ws{ui};
};

// Tolerance of half a unit in the last digit given.
void ExpectDigits(const KavoModelState::PerCondition& actual, std::vector<double> expected, double halfUnit,
                  const char* name) {
    for (int c = 1; c <= 5; ++c) {
        EXPECT_NEAR(actual[c], expected[c - 1], halfUnit) << name << "(" << c << ")";
    }
}

TEST_F(KavoModelTest, ReferenceCaseGivesThePublishedValues) {
    ASSERT_TRUE(Run());
    const KavoModelState& k = ws.Kavo;
    EXPECT_EQ(k.PillarCount, 2);
    EXPECT_EQ(k.PillarWidth[1], 80);
    EXPECT_EQ(k.PillarLength[1], 80);
    EXPECT_EQ(k.PillarWidth[2], 60);
    EXPECT_EQ(k.PillarLength[2], 80);
    EXPECT_EQ(k.SystemWidth, 180);
    EXPECT_NEAR(k.DevelopmentLoad, 2.916e7, 0.0005e7);
    EXPECT_NEAR(k.SideAbutmentLoad, 3.109e7, 0.0005e7);
    EXPECT_NEAR(k.AbutmentExtent, 294.1, 0.05);
    EXPECT_NEAR(k.AbutmentFraction, 0.9416, 0.00005);
    ExpectDigits(k.KavoSF, {2.147, 1.430, 1.071, 0.763, 0.685}, 0.0005, "KavoSF");
    ExpectDigits(k.KavoSFR, {2.229, 1.484, 1.112, 0.793, 0.712}, 0.0005, "KavoSFR");
    ExpectDigits(k.KavoAvgStress, {1808, 2716, 3623, 5085, 5664}, 0.5, "KavoAvgStress");
    ExpectDigits(k.KavoSFMS, {1.933, 1.331, 1.015, 0.734, 0.662}, 0.0005, "KavoSFMS");
    ExpectDigits(k.KavoSFRMS, {2.007, 1.382, 1.054, 0.763, 0.687}, 0.0005, "KavoSFRMS");
    ExpectDigits(k.KavoTotalStress, {2008, 2825, 3643, 4959, 5480}, 0.5, "KavoTotalStress");
    EXPECT_NEAR(k.msLoad, 1.843e6, 0.0005e6);
    EXPECT_NEAR(ws.Stress.DevStress, 1808, 0.5);
    // Single-precision results of the reference case, to the last bit.
    EXPECT_FLOAT_EQ(k.KavoSF[4], 0.763378978f);
    EXPECT_FLOAT_EQ(k.KavoTotalStress[4], 4959.0166f);
    // A square pillar is as strong by either formula.
    EXPECT_FLOAT_EQ(k.StrengthClassic[1], k.StrengthR[1]);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KavoModelTest, PillarWidthIsTheSmallerPlanDimension) {
    ws.KavoWork.EntryCenters[1] = 150;  // centers wider than the crosscut spacing
    ws.KavoWork.EntryCenters[2] = 100;  // square
    ASSERT_TRUE(Run());
    EXPECT_EQ(ws.Kavo.PillarWidth[1], 80);
    EXPECT_EQ(ws.Kavo.PillarLength[1], 130);
    EXPECT_EQ(ws.Kavo.PillarWidth[2], 80);
    EXPECT_EQ(ws.Kavo.PillarLength[2], 80);
    EXPECT_EQ(ws.Kavo.SystemWidth, 250);
}

TEST_F(KavoModelTest, SideAbutmentAndItsShareOnThePillars) {
    // A panel narrower than twice the abutment reach: the abutment load is
    // cut by the missing part of the triangle.
    ws.KavoWork.PanelWidth = 400;
    ASSERT_TRUE(Run());
    const double tanBeta = std::tan(21 * 0.017453292519943278);
    EXPECT_NEAR(ws.Kavo.SideAbutmentLoad, (1000.0 * 200 - 400.0 * 400 / (8 * tanBeta)) * 162, 4);

    // Pillar system wider than the abutment extent: the whole side abutment
    // bears on it.
    ws.KavoWork = test::ReferenceLongwall();
    ws.KavoWork.DepthOfCover = 100;  // D = 93 ft < 180 ft
    ASSERT_TRUE(Run());
    EXPECT_EQ(ws.Kavo.AbutmentFraction, 1);
    EXPECT_EQ(ws.Kavo.KavoLoads[3], ws.Kavo.DevelopmentLoad + ws.Kavo.SideAbutmentLoad);

    // No abutment angle, no side abutment: every condition carries the
    // development load.
    ws.KavoWork = test::ReferenceLongwall();
    ws.KavoWork.AbutmentAngle = 0;
    ASSERT_TRUE(Run());
    EXPECT_EQ(ws.Kavo.SideAbutmentLoad, 0);
    for (int c = 2; c <= 5; ++c) {
        EXPECT_EQ(ws.Kavo.KavoLoads[c], ws.Kavo.DevelopmentLoad);
        EXPECT_EQ(ws.Kavo.KavoSF[c], ws.Kavo.KavoSF[1]);
        EXPECT_EQ(ws.Kavo.KavoSFRMS[c], ws.Kavo.KavoSFRMS[1]);
    }
}

TEST_F(KavoModelTest, WithoutMultipleSeamStressTheFactorsStaySingleSeam) {
    ws.Run.avgMultiSeamStress = 0;
    ASSERT_TRUE(Run());
    for (int c = 1; c <= 5; ++c) {
        EXPECT_EQ(ws.Kavo.KavoSFMS[c], ws.Kavo.KavoSF[c]) << c;
        EXPECT_EQ(ws.Kavo.KavoSFRMS[c], ws.Kavo.KavoSFR[c]) << c;
        // The total stress of a condition is then its single-seam stress.
        EXPECT_NEAR(ws.Kavo.KavoTotalStress[c], ws.Kavo.KavoAvgStress[c], 0.001f * ws.Kavo.KavoAvgStress[c])
            << c;
    }
    EXPECT_EQ(ws.Kavo.KavoTotalStress[1], ws.Stress.DevStress);
    EXPECT_EQ(ws.Kavo.msLoad, 0);
}

TEST_F(KavoModelTest, PillarConfigurationAndYieldWidthDoNotChangeTheResults) {
    ASSERT_TRUE(Run());
    const KavoModelState reference = ws.Kavo;
    for (int16_t configuration = 0; configuration <= 3; ++configuration) {
        ws.KavoWork.PillarConfiguration = configuration;
        ws.KavoWork.YieldPillarWidth = 25;
        ASSERT_TRUE(Run()) << configuration;
        EXPECT_EQ(ws.Kavo.KavoSF, reference.KavoSF) << configuration;
        EXPECT_EQ(ws.Kavo.KavoSFRMS, reference.KavoSFRMS) << configuration;
        EXPECT_EQ(ws.Kavo.KavoTotalStress, reference.KavoTotalStress) << configuration;
    }
}

TEST_F(KavoModelTest, AdvancedGeometryIsCheckedButNotUsed) {
    ASSERT_TRUE(Run());
    const KavoModelState standard = ws.Kavo;

    ws.KavoWork.AdvancedGeometry = 1;
    ws.KavoWork.PillarCrosscutAngle = {0, 90, 60, 0, 0, 0};
    ws.KavoWork.PillarCrosscutSpacing = {0, 120, 90, 0, 0, 0};
    ASSERT_TRUE(Run());
    EXPECT_EQ(ws.Kavo.KavoSF, standard.KavoSF);
    EXPECT_EQ(ws.Kavo.KavoSFMS, standard.KavoSFMS);

    // Every faulty pillar is reported, not only the first; 45 degrees fails.
    ws.KavoWork.PillarCrosscutAngle = {0, 45, 30, 0, 0, 0};
    ws.KavoWork.PillarCrosscutSpacing = {0, 120, 0, 0, 0, 0};
    EXPECT_FALSE(KavoLoadModelInputs(ws));
    EXPECT_EQ(Messages(), (std::vector<std::string>{"Invalid advanced geometry xcut angles #1",
                                                    "Invalid advanced geometry xcut spacing #2",
                                                    "Invalid advanced geometry xcut angles #2"}));
}

TEST_F(KavoModelTest, InputCheckStopsAtTheFirstFault) {
    struct Case {
        const char* what;
        void (*spoil)(KavoParams&);
        const char* message;
    };
    const Case cases[] = {
        // A single entry has no pillar to rate (it would divide by zero).
        {"one entry", [](KavoParams& p) { p.NumberOfEntries = 1; }, "Invalid number of entries"},
        {"no entry", [](KavoParams& p) { p.NumberOfEntries = 0; }, "Invalid number of entries"},
        {"seven entries", [](KavoParams& p) { p.NumberOfEntries = 7; }, "Invalid number of entries"},
        {"one entry, no height",
         [](KavoParams& p) {
             p.NumberOfEntries = 1;
             p.EntryHeight = 0;
         },
         "Invalid number of entries"},
        {"height", [](KavoParams& p) { p.EntryHeight = 0; }, "Invalid entry height"},
        {"height NaN", [](KavoParams& p) { p.EntryHeight = std::nanf(""); }, "Invalid entry height"},
        {"depth", [](KavoParams& p) { p.DepthOfCover = -1; }, "Invalid depth of cover"},
        {"panel", [](KavoParams& p) { p.PanelWidth = 0; }, "Invalid panel width"},
        {"entry width before panel",
         [](KavoParams& p) {
             p.EntryWidth = 0;
             p.CrosscutSpacing = 0;
         },
         "Invalid entry width"},
        {"crosscut spacing", [](KavoParams& p) { p.CrosscutSpacing = 0; }, "Invalid crosscut spacing"},
        {"crosscuts leave no pillar", [](KavoParams& p) { p.CrosscutSpacing = 20; },
         "Invalid crosscut spacing"},
        {"coal strength", [](KavoParams& p) { p.CoalStrength = 0; }, "Invalid coal strength"},
        {"unit weight", [](KavoParams& p) { p.UnitWeight = 0; }, "Invalid unit weight"},
        {"second center", [](KavoParams& p) { p.EntryCenters[2] = 0; },
         "Invalid center-to-center distance #2"},
        {"entries leave no pillar", [](KavoParams& p) { p.EntryCenters[1] = 15; },
         "Invalid center-to-center distance #1"},
        {"sizing factor", [](KavoParams& p) { p.SFTailgate = 0; },
         "Invalid Stability factor for pillar sizing"},
        {"roof rating too high for sizing",
         [](KavoParams& p) {
             p.UseCMRRFactors = 1;
             p.CMRR = 126;
         },
         "Invalid Stability factor for pillar sizing"},
    };
    for (const Case& c : cases) {
        ui.messages.clear();
        ws.KavoWork = test::ReferenceLongwall();
        c.spoil(ws.KavoWork);
        EXPECT_FALSE(KavoLoadModelInputs(ws)) << c.what;
        EXPECT_EQ(Messages(), std::vector<std::string>{c.message}) << c.what;
    }
    // Centers beyond the entry count are not looked at.
    ui.messages.clear();
    ws.KavoWork = test::ReferenceLongwall();
    ws.KavoWork.EntryCenters[3] = -5;
    EXPECT_TRUE(KavoLoadModelInputs(ws));
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(KavoModelTest, FailedCheckKeepsThePreviousResults) {
    ASSERT_TRUE(Run());
    const KavoModelState previous = ws.Kavo;
    ws.KavoWork.NumberOfEntries = 1;
    EXPECT_FALSE(Run());
    EXPECT_EQ(ws.Kavo.KavoSF, previous.KavoSF);
    EXPECT_EQ(ws.Kavo.KavoSFMS, previous.KavoSFMS);
    EXPECT_EQ(ws.Kavo.KavoTotalStress, previous.KavoTotalStress);
}

TEST_F(KavoModelTest, SizingFactorsFromTheRoofRating) {
    ws.KavoWork.UseCMRRFactors = 1;
    ws.KavoWork.CMRR = 50;
    ASSERT_TRUE(KavoLoadModelInputs(ws));
    for (int j = 1; j <= 3; ++j) {
        EXPECT_FLOAT_EQ(ws.Kavo.SizingSF[j], 1.06f);
        EXPECT_FLOAT_EQ(ws.Kavo.SizingSFR[j], 1.2f);
    }
    ws.KavoWork.UseCMRRFactors = 0;
    ws.KavoWork.SFHeadgate = 1.1f;
    ws.KavoWork.SFBleeder = 1.2f;
    ws.KavoWork.SFTailgate = 1.4f;
    ASSERT_TRUE(KavoLoadModelInputs(ws));
    EXPECT_EQ(ws.Kavo.SizingSF, (std::array<float, 4>{0, 1.1f, 1.2f, 1.4f}));
    EXPECT_EQ(ws.Kavo.SizingSFR, ws.Kavo.SizingSF);
}

TEST_F(KavoModelTest, ProgressShowsTheSingleSeamStressPerCondition) {
    ASSERT_TRUE(Run(0));
    EXPECT_EQ(ui.progress, "");
    ASSERT_TRUE(Run(-1));
    EXPECT_EQ(ui.progress,
              "SS Stress (i = 1) = 1808.04\r\nSS Stress (i = 2) = 2715.70\r\nSS Stress (i = 3) = 3623.36\r\n"
              "SS Stress (i = 4) = 5085.45\r\nSS Stress (i = 5) = 5663.81\r\n");
}

TEST_F(KavoModelTest, DivisionByZeroEndsTheRunWithAnError) {
    // A multiple-seam stress that cancels the development stress leaves
    // nothing to divide by; the run must not report infinite factors.
    ASSERT_TRUE(Run());
    ws.Run.avgMultiSeamStress = -ws.Kavo.KavoAvgStress[1];
    ASSERT_TRUE(KavoLoadModelInputs(ws));
    try {
        KavoCalculate(ws, 0);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Division by zero");
    }
}

}  // namespace
}  // namespace vesk
