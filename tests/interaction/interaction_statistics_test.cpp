#include "interaction/interaction_statistics.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>

#include "analysis/recording_user_interface.h"
#include "project/workspace.h"

namespace vesk {
namespace {

// A longwall case inside the experience behind the relations: no warning.
InteractionInputs QuietLongwall() {
    InteractionInputs in;
    in.ActiveMiningMode = 0;
    in.Interburden = 200;
    in.CMRR = 55;
    in.AgeOfWorkings = 10;
    in.Depth = 800;
    in.LowerSeamHeight = 2;
    in.DevTotalStress = 2000;
    in.SecondTotalStress = 3000;
    in.DevSFMS = 1.8;
    in.SecondSFMS = 1.2;
    in.DevStress = 1800;
    in.MultiSeamStress = 200;
    return in;
}

InteractionInputs BaseCase(int16_t vp, int16_t pm, float cmrr, float interburden) {
    InteractionInputs in = QuietLongwall();
    in.VerticalPosition = vp;
    in.PreviousMining = pm;
    in.CMRR = cmrr;
    in.Interburden = interburden;
    return in;
}

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
    const size_t start = text.find(from);
    if (start == std::string::npos) return "<missing " + from + ">";
    const size_t end = text.find(to, start + from.size());
    if (end == std::string::npos) return "<missing " + to + ">";
    return text.substr(start + from.size(), end - start - from.size());
}

TEST(CriticalInterburden, ModerateDevelopmentStressTakesTheLinearPair) {
    // ln(45 - 20) = 3.2189: 52.5 - 267.17 + 359 = 144.3 ft, at or above 60.
    const InterburdenEstimate e = EstimateCriticalInterburden(BaseCase(0, 0, 45, 200), 1500, false);
    EXPECT_FALSE(e.Exponential);
    EXPECT_NEAR(e.CriticalInterburden, 144.333, 0.001);
    EXPECT_NEAR(e.AllowableStress, 3127.49, 0.01);  // 1000 (0.0288 I + 2.41 L_C - 10.39)
}

TEST(CriticalInterburden, ChoiceBetweenTheModelsMovesBothValues) {
    struct Row {
        float stress;
        bool support;
        bool exponential;
        double interburden;
        double allowable;
    };
    const Row rows[] = {
        // Linear below 60 ft but above the exponential estimate: still linear.
        {1500, true, false, 57.3333, 5617.49},
        // Linear below 60 ft and below the exponential estimate: both values
        // come from the exponential model.
        {500, true, true, 32.6493, 5687.09},
        // Linear at or above 60 ft wins even when the exponential one is larger.
        {5000, false, false, 266.833, 3127.49},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.stress);
        const InterburdenEstimate e =
            EstimateCriticalInterburden(BaseCase(0, 0, 45, 200), row.stress, row.support);
        EXPECT_EQ(e.Exponential, row.exponential);
        EXPECT_NEAR(e.CriticalInterburden, row.interburden, 0.001);
        EXPECT_NEAR(e.AllowableStress, row.allowable, 0.01);
    }
}

TEST(CriticalInterburden, PositionAndLayoutShiftTheEstimates) {
    // Active seam under the previous one lowers, a remnant layout raises the
    // linear estimate by 77 ft.
    const float plain = EstimateCriticalInterburden(BaseCase(0, 0, 45, 200), 3000, false).CriticalInterburden;
    EXPECT_NEAR(EstimateCriticalInterburden(BaseCase(1, 1, 45, 200), 3000, false).CriticalInterburden, plain,
                1e-3);
    EXPECT_NEAR(EstimateCriticalInterburden(BaseCase(0, 1, 45, 200), 3000, false).CriticalInterburden,
                plain + 77, 1e-3);
    // 1000 (0.0288 I + 2.21 VP - 2.22 PM + ...): the allowable stress moves by -10 psi.
    EXPECT_NEAR(EstimateCriticalInterburden(BaseCase(1, 1, 45, 200), 3000, false).AllowableStress,
                EstimateCriticalInterburden(BaseCase(0, 0, 45, 200), 3000, false).AllowableStress - 10, 0.01);
}

TEST(CriticalInterburden, LogarithmOfNonPositiveArgumentIsARunTimeError) {
    EXPECT_THROW(EstimateCriticalInterburden(BaseCase(0, 0, 20, 200), 1500, false), std::runtime_error);
    EXPECT_THROW(EstimateCriticalInterburden(BaseCase(0, 0, 45, 0), 1500, false), std::runtime_error);
    EXPECT_THROW(EstimateCriticalInterburden(BaseCase(0, 0, 45, -5), 1500, false), std::runtime_error);
    EXPECT_NO_THROW(EstimateCriticalInterburden(BaseCase(0, 0, 20.5f, 0.5f), 1500, false));
}

TEST(PredictedConditions, VerdictThresholds) {
    struct Row {
        float ci1, ci2, interburden;
        bool fullCase;
        bool green, yellow, red;
        InteractionVerdict verdict;
    };
    using V = InteractionVerdict;
    const Row rows[] = {
        {100, 50, 150, true, true, false, false, V::Green},
        {100, 50, 100.0001f, true, true, false, false, V::Green},
        {100, 50, 100, true, false, true, false, V::Yellow},  // equal to the first bound: not green
        {100, 50, 50.0001f, true, false, true, false, V::Yellow},
        {100, 50, 50, true, false, false, true, V::Red},  // equal to the second bound: red
        {100, 50, 10, true, false, false, true, V::Red},
        // A case shown only in part prints its green line and nothing else.
        {100, 50, 150, false, true, false, false, V::Green},
        {100, 50, 80, false, false, false, false, V::None},
        {100, 50, 10, false, false, false, false, V::None},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << row.ci1 << " " << row.ci2 << " " << row.interburden << " " << row.fullCase);
        const PredictedLines lines = PredictConditions(row.ci1, row.ci2, row.interburden, row.fullCase);
        EXPECT_EQ(lines.Green, row.green);
        EXPECT_EQ(lines.Yellow, row.yellow);
        EXPECT_EQ(lines.Red, row.red);
        EXPECT_EQ(lines.verdict(), row.verdict);
    }
    EXPECT_EQ(VerdictWord(V::Green), "GREEN");
    EXPECT_EQ(VerdictWord(V::Yellow), "YELLOW");
    EXPECT_EQ(VerdictWord(V::Red), "RED");
    EXPECT_EQ(VerdictWord(V::None), "");
}

TEST(PredictedConditions, InterburdenEqualToTheCriticalValueIsYellowOnThePage) {
    InteractionInputs in = BaseCase(0, 0, 45, 200);
    in.DevTotalStress = 1500;
    in.SecondTotalStress = 6000;  // second case red, whatever the first does
    const float critical = ComputeInteraction(in).CriticalInterburdenDev[1];
    in.Interburden = critical;
    const InteractionResults r = ComputeInteraction(in);
    ASSERT_EQ(r.CriticalInterburdenDev[1], in.Interburden);
    EXPECT_EQ(r.DevelopmentVerdict, InteractionVerdict::Yellow);
    EXPECT_EQ(r.SecondCaseVerdict, InteractionVerdict::Red);
    const std::string page = InteractionReport(in, r);
    EXPECT_EQ(page.find("Development: GREEN"), std::string::npos);
    EXPECT_NE(page.find("Development: YELLOW"), std::string::npos);
    EXPECT_NE(page.find("Tailgate: RED"), std::string::npos);
}

TEST(PredictedConditions, DevelopmentOnlyRetreatCaseHasOnlyAGreenLine) {
    InteractionInputs in = BaseCase(0, 0, 45, 200);
    in.ActiveMiningMode = 1;
    in.LoadingCase = 1;
    in.DevTotalStress = 1000;
    in.SecondTotalStress = 1000;  // same bounds as development: green on both
    InteractionResults r = ComputeInteraction(in);
    EXPECT_EQ(r.SecondCaseName, "Retreat");
    EXPECT_EQ(r.SecondCaseVerdict, InteractionVerdict::Green);
    EXPECT_NE(InteractionReport(in, r).find("Retreat: GREEN:  A major interaction is unlikely."),
              std::string::npos);

    in.SecondTotalStress = 9000;  // the retreat case would be red, but is not shown
    r = ComputeInteraction(in);
    EXPECT_EQ(r.SecondCaseVerdict, InteractionVerdict::None);
    const std::string page = InteractionReport(in, r);
    EXPECT_EQ(page.find("Retreat:"), std::string::npos);
    EXPECT_EQ(page.find("Critical Interburden for Retreat"), std::string::npos);
    EXPECT_EQ(page.find("Retreat abutment stress"), std::string::npos);
    EXPECT_EQ(page.find("Retreat pillar SF"), std::string::npos);
    EXPECT_EQ(page.find("\r\nRetreat...."), std::string::npos);
}

TEST(SuggestedStabilityFactor, RetreatDependsOnDepthPanelWidthAndBarriers) {
    struct Row {
        double depth, panel;
        int16_t loadingCase;
        double barrier;
        double expected;
    };
    const Row rows[] = {
        {800, 400, 2, 0.5, 1.5 - 150.0 / 350 * 0.2},  // barrier factor ignored without a side gob
        {800, 400, 3, 2.0, 1.5},                      // barrier not above 2
        {800, 400, 3, 2.1, 1.5 - 150.0 / 350 * 0.2},
        {650, 400, 1, 0, 1.5},
        {1000, 400, 1, 0, 1.3},
        {1001, 400, 1, 0, 1.3},
        {1200, 425, 1, 0, 1.5},  // panel not narrower than 425 ft
        {500, 100, 1, 0, 1.5},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << row.depth << " " << row.panel << " " << row.loadingCase);
        InteractionInputs in;
        in.ActiveMiningMode = 1;
        in.Depth = row.depth;
        in.EntryCentersSum = row.panel;
        in.LoadingCase = row.loadingCase;
        in.MinBarrierSF = row.barrier;
        EXPECT_NEAR(SuggestedRetreatSF(in), row.expected, 1e-12);
    }
    EXPECT_FLOAT_EQ(SuggestedTailgateSF(45), 1.13f);
    EXPECT_FLOAT_EQ(SuggestedTailgateSF(60), 0.92f);
}

TEST(SuggestedStabilityFactor, ComparisonLinesAndTheInadequateDesignNote) {
    InteractionInputs in = QuietLongwall();
    in.CMRR = 45;  // suggested 1.13
    in.SecondSFMS = 1.2;
    std::string page = InteractionReport(in, ComputeInteraction(in));
    EXPECT_NE(page.find("Tailgate pillar SF exceeds suggested value of 1.13\r\n"), std::string::npos);
    EXPECT_EQ(page.find("may be inadequate"), std::string::npos);

    in.SecondSFMS = 1.13f;  // equal: no line at all
    page = InteractionReport(in, ComputeInteraction(in));
    EXPECT_EQ(page.find("Tailgate pillar SF"), std::string::npos);

    in.SecondSFMS = 1.0;
    page = InteractionReport(in, ComputeInteraction(in));
    EXPECT_NE(page.find("Tailgate pillar SF is less than the suggested value of 1.13\r\n"
                        "The pillar design may be inadequate"),
              std::string::npos);
}

TEST(MinOndarSFMS, TakesTheStagesTheRunHas) {
    InteractionInputs in = QuietLongwall();
    in.ActiveMiningMode = 1;
    in.DevSFMS = 1.4;
    in.SecondSFMS = 0.9;
    in.LoadingCase = 1;
    EXPECT_DOUBLE_EQ(ComputeInteraction(in).MinOndarSFMS, 1.4);
    in.LoadingCase = 2;
    EXPECT_DOUBLE_EQ(ComputeInteraction(in).MinOndarSFMS, 0.9);
    in.DevSFMS = 1500;
    in.SecondSFMS = 1200;
    EXPECT_DOUBLE_EQ(ComputeInteraction(in).MinOndarSFMS, 999);
}

TEST(Warnings, ConditionsAndWordingsInBothUnitSystems) {
    struct Row {
        const char* name;
        std::function<void(InteractionInputs&)> change;
        std::string english;
        std::string metric;
    };
    const std::string fewCases = "The Pavex multiple seam data base contains few cases where the \r\n";
    const std::string fewCmrr = "The Pavex multiple seam data base contains few cases where the CMRR \r\n";
    const std::string ultraClose30 =
        "When the interburden is less than 30 ft, an ultra-close interaction \r\n"
        "is possible.  Consider stacking the pillars.\r\n\r\n";
    const std::string ultraClose10 =
        "When the interburden is less than 10 m, an ultra-close interaction \r\n"
        "is possible.  Consider stacking the pillars.\r\n\r\n";
    const Row rows[] = {
        {"none", [](InteractionInputs&) {}, "", ""},
        {"remnant wider than 5 sqrt(H)",
         [](InteractionInputs& in) {
             in.PreviousMining = 1;
             in.RemnantWidth = 142;  // 5 sqrt(800) = 141.4
         },
         "The width of the remnant pillar is greater than 5*SQRT(H).  \r\n"
         "Consider conducting analysis as gob-solid boundary.\r\n\r\n",
         "The width of the remnant pillar is greater than 2.77*SQRT(H).  \r\n"
         "Consider conducting analysis as gob-solid boundary.\r\n\r\n"},
        {"remnant narrower than 5 sqrt(H)",
         [](InteractionInputs& in) {
             in.PreviousMining = 1;
             in.RemnantWidth = 141;
         },
         "", ""},
        {"gob solid layout ignores the remnant width", [](InteractionInputs& in) { in.RemnantWidth = 500; },
         "", ""},
        {"deep cover", [](InteractionInputs& in) { in.Depth = 1500.5; },
         fewCases + "depth of cover exceeds 1500 ft.  The Vesk predictions may not be valid.\r\n\r\n",
         fewCases + "depth of cover exceeds 450 m.  The Vesk predictions may not be valid.\r\n\r\n"},
        {"depth at the limit", [](InteractionInputs& in) { in.Depth = 1500; }, "", ""},
        {"high stress", [](InteractionInputs& in) { in.SecondTotalStress = 5000.5f; },
         "The Pavex multiple seam data base contains few cases where the total \r\n"
         "vertical stress is greater than 5000 psi.  The Vesk predictions may not be valid.\r\n\r\n",
         "The Pavex multiple seam data base contains few cases where the total \r\n"
         "vertical stress is greater than 34.4 MPa.  The Vesk predictions may not be valid.\r\n\r\n"},
        {"development stress does not count", [](InteractionInputs& in) { in.DevTotalStress = 6000; }, "",
         ""},
        {"thin interburden over the previous seam", [](InteractionInputs& in) { in.Interburden = 49; },
         fewCases +
             "interburden thickness is less than 50 ft. The Vesk predictions may not be valid.\r\n\r\n",
         fewCases +
             "interburden thickness is less than 15 m. The Vesk predictions may not be valid.\r\n\r\n"},
        {"49 ft under the previous seam",
         [](InteractionInputs& in) {
             in.Interburden = 49;
             in.VerticalPosition = 1;
         },
         "", ""},
        {"ultra-close over", [](InteractionInputs& in) { in.Interburden = 29; },
         fewCases +
             "interburden thickness is less than 50 ft. The Vesk predictions may not be valid.\r\n\r\n" +
             ultraClose30,
         fewCases +
             "interburden thickness is less than 15 m. The Vesk predictions may not be valid.\r\n\r\n" +
             ultraClose10},
        {"ultra-close under",
         [](InteractionInputs& in) {
             in.Interburden = 29;
             in.VerticalPosition = 1;
         },
         fewCases +
             "interburden thickness is less than 30 ft. The Vesk predictions may not be valid.\r\n\r\n" +
             ultraClose30,
         fewCases +
             "interburden thickness is less than 10 m. The Vesk predictions may not be valid.\r\n\r\n" +
             ultraClose10},
        {"30 ft under the previous seam",
         [](InteractionInputs& in) {
             in.Interburden = 30;
             in.VerticalPosition = 1;
         },
         "", ""},
        {"fracture zone", [](InteractionInputs& in) { in.LowerSeamHeight = 20.5; },
         "When the interburden thickness is less than 10 times the lower seam height, \r\n"
         "the upper seam may be in the fracture zone of subsidence.  \r\n"
         "Special precautions may be necessary.\r\n\r\n",
         "When the interburden thickness is less than 10 times the lower seam height, \r\n"
         "the upper seam may be in the fracture zone of subsidence.  \r\n"
         "Special precautions may be necessary.\r\n\r\n"},
        {"ten seam heights exactly", [](InteractionInputs& in) { in.LowerSeamHeight = 20; }, "", ""},
        {"young workings", [](InteractionInputs& in) { in.AgeOfWorkings = 4.9f; },
         "The Pavex multiple seam data base contains few cases where less than \r\n"
         "5 years had elapsed time since mining was completed in the lower seam.  \r\n"
         "If subsidence is not complete, a 'dynamic' interaction may occur.\r\n\r\n",
         "The Pavex multiple seam data base contains few cases where less than \r\n"
         "5 years had elapsed time since mining was completed in the lower seam.  \r\n"
         "If subsidence is not complete, a 'dynamic' interaction may occur.\r\n\r\n"},
        {"five years", [](InteractionInputs& in) { in.AgeOfWorkings = 5; }, "", ""},
        {"weak roof", [](InteractionInputs& in) { in.CMRR = 44; },
         fewCmrr + "is less than 45.  The Vesk predictions may not be valid.\r\n\r\n",
         fewCmrr + "is less than 45.  The Vesk predictions may not be valid.\r\n\r\n"},
        {"CMRR 45 and 75", [](InteractionInputs& in) { in.CMRR = 75; }, "", ""},
        {"strong roof", [](InteractionInputs& in) { in.CMRR = 76; },
         fewCmrr + "is greater than 75.  The Vesk predictions may not be valid.\r\n\r\n",
         fewCmrr + "is greater than 75.  The Vesk predictions may not be valid.\r\n\r\n"},
        {"several at once, in their order",
         [](InteractionInputs& in) {
             in.CMRR = 40;
             in.Depth = 1600;
         },
         fewCases + "depth of cover exceeds 1500 ft.  The Vesk predictions may not be valid.\r\n\r\n" +
             fewCmrr + "is less than 45.  The Vesk predictions may not be valid.\r\n\r\n",
         fewCases + "depth of cover exceeds 450 m.  The Vesk predictions may not be valid.\r\n\r\n" +
             fewCmrr + "is less than 45.  The Vesk predictions may not be valid.\r\n\r\n"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        InteractionInputs in = QuietLongwall();
        row.change(in);
        in.ReportUnitSystem = 0;
        EXPECT_EQ(Between(InteractionReport(in, ComputeInteraction(in)), "[WARNING MESSAGES]\r\n",
                          "\r\n[CALCULATED STRESSES]"),
                  row.english);
        in.ReportUnitSystem = 1;
        EXPECT_EQ(Between(InteractionReport(in, ComputeInteraction(in)), "[WARNING MESSAGES]\r\n",
                          "\r\n[CALCULATED STRESSES]"),
                  row.metric);
    }
}

TEST(LongwallStressSummary, TailgateAbutmentFromTheFactors) {
    const StressSummary s = LongwallStressSummary(1808, 2008, 1.933f, 0.734f);
    EXPECT_NEAR(s.RetreatStressIncrease, 2953.39, 0.01);  // (1.933 - 0.734) x 1808 / 0.734
    EXPECT_NEAR(s.RetreatTotalStress, 4961.39, 0.01);
    EXPECT_EQ(s.DevTotalStress, 2008);
    EXPECT_THROW(LongwallStressSummary(1808, 2008, 1.933f, 0), std::runtime_error);
}

}  // namespace
}  // namespace vesk
