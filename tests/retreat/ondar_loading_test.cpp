#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "ondar_test_case.h"
#include "project/project_records.h"
#include "project/units.h"
#include "retreat/ondar_model.h"

namespace vesk::test {
namespace {

constexpr double Deg = 0.017453292519943278;

// Square 60 ft pillars at 80 ft centres: tributary area over pillar area.
constexpr double AreaRatio = 80.0 * 80.0 / (60.0 * 60.0);

TEST(OndarLoading, DevelopmentLoadIsTheTributaryLoad) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.ArchFactorAuto = 0;
    p.ArchFactor = 0.8f;
    f.Run(p, 0);
    const OndarModelState& o = f.ws.Ondar;
    const double tributary = 162.0 * 400 * (100 * 400);
    EXPECT_DOUBLE_EQ(o.TributaryLoad, tributary);
    EXPECT_FLOAT_EQ(o.WorkingArchFactor, 0.8f);
    const double F = 0.8f;
    EXPECT_NEAR(o.OndarSF[1], o.AMZCapacity / (F * tributary), 1e-12);
    EXPECT_NEAR(o.OndarSF[2], o.OndarSF[1], 1e-12);
    EXPECT_DOUBLE_EQ(o.OndarSFMS[1], o.OndarSF[1]);  // no multiple-seam stress
    // Arch factor 1 passes: 162 pcf x 400 ft = 450 psi over the area, 800 psi
    // on the pillars.
    EXPECT_NEAR(f.ws.Stress.DevStress, 800, 1e-3);
    EXPECT_EQ(f.ws.Stress.DevAbutmentStress, 0);
    EXPECT_NEAR(f.ws.Stress.DevTotalStress, 800, 1e-3);
    EXPECT_NEAR(f.ws.Stress.RetreatTotalStress, 800, 1e-3);
    EXPECT_NEAR(f.ws.Stress.RetreatStressIncrease, 0, 1e-3);
    EXPECT_TRUE(f.ui.messages.empty());
}

TEST(OndarLoading, MultipleSeamStressIsWeightedByTheArchFactor) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.ArchFactorAuto = 0;
    p.ArchFactor = 0.8f;
    const float m = 300;
    f.Run(p, m);
    const OndarModelState& o = f.ws.Ondar;
    const double F = 0.8f;
    const double singleSeam = AreaRatio * F * 162.0 * 400 / 144;  // 640 psi
    EXPECT_NEAR(o.SingleSeamStress[1], singleSeam, 1e-6);
    EXPECT_NEAR(o.OndarSFMS[1], o.OndarSF[1] * singleSeam / (F * m + singleSeam), 1e-12);
    EXPECT_NEAR(o.OndarTotalStress[1][1], m + 800, 1e-3);  // full tributary load
    EXPECT_NEAR(f.ws.Stress.DevTotalStress, m + 800, 1e-3);
    EXPECT_NEAR(f.ws.Stress.DevStress, 800, 1e-3);
}

struct FrontCase {
    const char* name;
    int16_t entries;
    double extent;
    bool narrow;
};

TEST(OndarLoading, FrontAbutmentTakesOneOfThreeShapes) {
    const double H = 400, gamma = 162, t = std::tan(21 * Deg), Ht = H * t;  // Ht = 153.5 ft
    const double D = 9.3 * 20, R = 1 - std::pow((D - 100) / D, 3);
    const std::vector<FrontCase> cases = {
        {"wide and long gob", 6, 500, false},  // W/2 = 200, E/2 = 250: both beyond H tan b
        {"short gob", 6, 200, false},          // E/2 = 100 < H tan b, E <= W
        {"narrow gob", 3, 500, true},          // W = 160 < E
    };
    for (const FrontCase& c : cases) {
        RetreatFixture f;
        OndarParams p = ReferenceRetreat();
        p.LoadingCondition = 1;
        p.NumberOfEntries = c.entries;
        p.ActiveGobExtent = c.extent;
        f.Run(p);
        const OndarModelState& o = f.ws.Ondar;
        const double W = 80.0 * (c.entries - 1), E = c.extent;
        EXPECT_NEAR(o.FrontRFactor, R, 1e-12) << c.name;
        EXPECT_EQ(o.NarrowGob, c.narrow) << c.name;
        EXPECT_DOUBLE_EQ(o.ActiveGobWidth, W) << c.name;
        double expected = 0;
        if (c.name == std::string("wide and long gob")) {
            expected = ((W - 2 * Ht) * H * Ht / 2 * gamma + 2 * (Ht * H * Ht / 3 * gamma)) * R;
            EXPECT_NEAR(o.RemnantLength, Ht, 1e-9);
            EXPECT_NEAR(o.AbutmentLoad[1], H * H * t * gamma / 2, 1e-6);
        } else if (!c.narrow) {
            const double a = E / 2, h2 = H - a / t;
            expected = (2 * (a * h2 * a * 0.5 * gamma + a * (a / t) * a / 3 * gamma) +
                        (W - E) * h2 * a * gamma + (W - E) * (a / t) * a * 0.5 * gamma) *
                       R;
            EXPECT_NEAR(o.AbutmentLoad[1], (H * E / 2 - E * E / (8 * t)) * gamma, 1e-6);
        } else {
            const double a = W / 2, h2 = H - a / t;
            expected = 2 * (a * h2 * a * 0.5 * gamma + a * (a / t) * a / 3 * gamma) * R;
            EXPECT_NEAR(o.RemnantLength, W / 2, 1e-9);
        }
        EXPECT_NEAR(o.AMZLoad[2][2], expected, 1e-6 * expected) << c.name;
        EXPECT_EQ(o.AMZLoad[1][2], 0) << c.name;  // no active gob while developing
        const double F = o.WorkingArchFactor;
        EXPECT_NEAR(o.TotalLoad[2][2], F * (o.TributaryLoad + expected), 1e-6 * expected) << c.name;
        EXPECT_NEAR(o.OndarSF[2], o.AMZCapacityActive / o.TotalLoad[2][2], 1e-12) << c.name;
        EXPECT_LT(o.OndarSF[2], o.OndarSF[1]) << c.name;
    }
}

TEST(OndarLoading, LeaveRowsABLeaveTheActiveSectionForOneActiveSectionOnly) {
    RetreatFixture f;
    OndarParams p = ReferenceRetreat();
    p.LoadingCondition = 1;
    p.ActiveGobExtent = 500;
    p.LeaveRowA = 1;
    f.Run(p, 100);
    const OndarModelState& o = f.ws.Ondar;
    EXPECT_DOUBLE_EQ(o.TributaryLoad, 162.0 * 400 * 320 * 100);
    EXPECT_DOUBLE_EQ(o.ActiveGobWidth, 320);
    EXPECT_NEAR(o.OndarSF[1], o.AMZCapacityActive / o.TotalLoad[1][2], 1e-12);
    // The pillar stresses of one active section come from the active zone.
    EXPECT_DOUBLE_EQ(o.StepStress[1][2], o.SingleSeamStress[2]);
    EXPECT_DOUBLE_EQ(o.StepStress[2][2], o.SingleSeamStress[2]);
    EXPECT_NEAR(f.ws.Stress.DevAbutmentStress, 0, 1e-6);
}

TEST(OndarLoading, SlabCutCornersComeOffTheFrontAbutment) {
    RetreatFixture f, g;
    OndarParams p = RetreatWithSideGobs(2);
    f.Run(p);
    p.FirstGobSlabCut = 30;
    g.Run(p);
    const OndarModelState& a = f.ws.Ondar;
    const OndarModelState& o = g.ws.Ondar;
    const double H = 400, gamma = 162, t = std::tan(21 * Deg), s = 15, h2 = H - s / t;
    const double corner = (s * h2 * s * 0.5 * gamma + s * (s / t) * s / 3 * gamma) * o.FrontRFactor;
    EXPECT_NEAR(o.SlabCornerLoad[2][1], corner, 1e-6);
    EXPECT_EQ(o.SlabCornerLoad[1][1], 0);  // slab cuts are taken on retreat
    EXPECT_DOUBLE_EQ(o.ActiveGobWidth, 430);
    EXPECT_DOUBLE_EQ(o.RemnantWidth[1], 30);
    EXPECT_DOUBLE_EQ(a.RemnantWidth[1], 60);
    // The wider gob loads the AMZ more, less the corner.
    EXPECT_GT(o.AMZLoad[2][2], a.AMZLoad[2][2] - corner);
    // LFBAR: half the two-dimensional abutment across the AMZ width beyond the
    // AMZ's own share.
    EXPECT_NEAR(o.LFBAR[2][1], 0.5 * 400 * o.AbutmentLoad[1] * o.FrontRFactor - 0.5 * o.AMZLoad[2][2], 1e-3);
    EXPECT_NEAR(o.BarrierTotalLoad[2][1],
                o.BarrierTributaryLoad[2][1] + o.BarrierFrontLoad[2][1] + o.BarrierSideLoad[2][1] +
                    o.BarrierArchLoad[2][1] + o.SlabCornerLoad[2][1],
                1e-3);
}

TEST(OndarLoading, NarrowGobSplitsItsShareBetweenTheRemnants) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(3);
    p.NumberOfEntries = 3;  // 160 ft panel against a 500 ft gob
    f.Run(p);
    const OndarModelState& o = f.ws.Ondar;
    ASSERT_TRUE(o.NarrowGob);
    EXPECT_DOUBLE_EQ(o.LFBAR[2][1], 0.5 * o.AMZLoad[2][2]);
    EXPECT_DOUBLE_EQ(o.LFBAR[2][2], 0.5 * o.AMZLoad[2][2]);
}

TEST(OndarLoading, SlabCutThroughTheWholeBarrierHandsItsFrontLoadToTheAMZ) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(2);
    p.FirstGobSlabCut = 60;
    f.Run(p);
    const OndarModelState& o = f.ws.Ondar;
    EXPECT_EQ(o.RemnantWidth[1], 0);
    EXPECT_EQ(o.RemnantSF[1], 0);
    EXPECT_DOUBLE_EQ(o.LTRANSREM[2][3], o.LFBAR[2][1]);
    EXPECT_TRUE(std::isfinite(o.OndarSF[2]));
}

TEST(OndarLoading, RemnantsAndBarriersPassTheirShareByTheirFactor) {
    // Barrier widths that give factors above 1.5, between 0.5 and 1.5 and below
    // 0.5 under 1000 ft of cover.
    for (double width : {200.0, 60.0, 25.0, 10.0}) {
        RetreatFixture f;
        OndarParams p = RetreatWithSideGobs(2);
        p.DepthOfCover = 1000;
        p.AMZBreadth = 158;
        p.FirstGobBarrierWidth = width;
        f.Run(p, 50);
        const OndarModelState& o = f.ws.Ondar;
        for (int s = 1; s <= 2; ++s) {
            const double sf = o.BarrierSF[s][1];
            EXPECT_NEAR(sf, o.BarrierCapacity[1] / o.BarrierTotalLoad[s][1], 1e-12);
            const double shed = o.BarrierSideLoad[s][1] + o.BarrierArchLoad[s][1];
            const double expected = sf > 1.5 ? 0.0 : sf < 0.5 ? shed : (1.5 - sf) * shed;
            EXPECT_NEAR(o.LTRANSBAR[s][3], expected, 1e-6 * std::abs(shed)) << width << " stage " << s;
        }
        const double rsf = o.RemnantSF[1];
        const double lfbar = o.LFBAR[2][1];
        const double expectedRem = rsf <= 1.5 ? std::min((1.5 - rsf) * 0.67 * lfbar, lfbar) : 0.0;
        EXPECT_NEAR(o.LTRANSREM[2][3], expectedRem, 1e-6 * std::abs(lfbar) + 1e-9) << width;
        // LTRANSBAR goes to the AMZ unreduced by the arch factor.
        const double F = o.WorkingArchFactor;
        EXPECT_NEAR(o.TotalLoad[2][3],
                    o.TotalLoad[2][2] + (o.LTRANSREM[2][3] + o.AMZLoad[2][3]) * F + o.LTRANSBAR[2][3],
                    1e-6 * o.TotalLoad[2][3]);
    }
}

TEST(OndarLoading, ArchFactorOneShedsNothingOntoTheBarriers) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(3);
    p.ArchFactorAuto = 0;
    p.ArchFactor = 1;
    f.Run(p, 200);
    const OndarModelState& o = f.ws.Ondar;
    for (int s = 1; s <= 2; ++s) {
        EXPECT_EQ(o.BarrierArchLoad[s][1], 0);
        EXPECT_EQ(o.BarrierArchLoad[s][2], 0);
    }
    EXPECT_FLOAT_EQ(o.EffectiveArchFactor, 1.0f);
}

TEST(OndarLoading, MultipleSeamStressShedByTheArchGoesToTheBarriers) {
    OndarParams p = RetreatWithSideGobs(2);
    p.DepthOfCover = 1000;  // arch factor 0.74
    p.AMZBreadth = 158;
    RetreatFixture none, some;
    none.Run(p, 0);
    some.Run(p, 200);
    const OndarModelState& a = none.ws.Ondar;
    const OndarModelState& b = some.ws.Ondar;
    ASSERT_FLOAT_EQ(b.WorkingArchFactor, 0.74f);
    const double F = 0.74f;
    const double force = 200.0 * 144 * b.AMZArea / AreaRatio;
    EXPECT_NEAR(b.BarrierArchLoad[1][1] - a.BarrierArchLoad[1][1], force * (1 - F) / 2, 1e-6 * force);
    // Without a multiple-seam stress the two factors agree.
    EXPECT_DOUBLE_EQ(a.OndarSFMS[1], a.OndarSF[1]);
    EXPECT_DOUBLE_EQ(a.OndarSFMS[2], a.OndarSF[2]);
    EXPECT_LT(b.OndarSFMS[2], a.OndarSFMS[2]);
}

TEST(OndarLoading, EffectiveArchFactorFollowsTheBarriers) {
    RetreatFixture f;
    OndarParams p = RetreatWithSideGobs(3);
    p.DepthOfCover = 1000;
    p.AMZBreadth = 158;
    p.FirstGobBarrierWidth = 200;  // strong
    p.SecondGobBarrierWidth = 0;   // none: all of its share stays on the AMZ
    f.Run(p, 100);
    const OndarModelState& o = f.ws.Ondar;
    const float F = o.WorkingArchFactor;
    ASSERT_GT(o.BarrierSF[2][1], 1.5);
    EXPECT_EQ(o.BarrierSF[2][2], 0);
    // e1 = F (strong barrier), e2 = 1 (no barrier): (1 + F) / 2.
    EXPECT_FLOAT_EQ(o.EffectiveArchFactor, (1.0f + F) / 2);
    const double ss = o.SingleSeamStress[2];
    EXPECT_NEAR(o.OndarSFMS[2], o.OndarSF[2] * ss / (o.EffectiveArchFactor * 100.0 + ss), 1e-12);
}

struct Variant {
    const char* name;
    bool rowsAB;
    bool rowsCD;
    bool slabCuts;
};

// Every loading condition with and without leave rows and slab cuts: finite
// factors, multiple-seam factors below the single-seam ones, no internal error.
TEST(OndarLoading, EveryLoadingConditionGivesFiniteFactors) {
    const std::vector<Variant> variants = {
        {"plain", false, false, false},
        {"leave rows A B", true, false, false},
        {"leave rows C D", false, true, false},
        {"slab cuts", false, false, true},
        {"rows C D and slab cuts", false, true, true},
    };
    for (int16_t condition = 0; condition <= 3; ++condition) {
        for (const Variant& v : variants) {
            if (v.rowsAB && v.slabCuts) continue;  // the dialog forbids the pair
            RetreatFixture f;
            OndarParams p = RetreatWithSideGobs(condition);
            p.DepthOfCover = 800;
            p.AMZBreadth = 141;
            p.ArchFactor = 0.8f;
            if (v.rowsAB) p.LeaveRowA = p.LeaveRowB = 1;
            if (v.rowsCD) {
                p.LeaveRowC = p.LeaveRowD = 1;
                p.RowCPillarWidth = p.RowDPillarWidth = 40;
            }
            if (v.slabCuts) p.FirstGobSlabCut = p.SecondGobSlabCut = 20;
            f.Run(p, 250);
            const OndarModelState& o = f.ws.Ondar;
            const std::string where = std::to_string(condition) + " " + v.name;
            EXPECT_EQ(o.LoadingCase, condition + 1) << where;
            for (int s = 1; s <= 2; ++s) {
                EXPECT_TRUE(std::isfinite(o.OndarSF[s]) && o.OndarSF[s] > 0) << where;
                EXPECT_TRUE(std::isfinite(o.OndarSFMS[s]) && o.OndarSFMS[s] > 0) << where;
                EXPECT_LT(o.OndarSFMS[s], o.OndarSF[s]) << where;
                for (int k = 1; k <= 4; ++k) {
                    EXPECT_TRUE(std::isfinite(o.TotalLoad[s][k])) << where;
                    if (k > o.LoadingCase) {
                        EXPECT_EQ(o.TotalLoad[s][k], 0) << where << " step " << k;
                    }
                }
            }
            // Retreat adds loads to development only when the gob is there.
            EXPECT_LE(o.OndarSF[2], o.OndarSF[1] * (1 + 1e-12)) << where;
            EXPECT_TRUE(std::isfinite(f.ws.Stress.RetreatTotalStress)) << where;
            EXPECT_TRUE(f.ui.messages.empty()) << where << ": " << f.LastMessage();
        }
    }
}

// Extreme inputs inside the input dialog's ranges run without a fault and
// give finite results.
TEST(OndarLoading, ExtremeValidInputsStayFinite) {
    struct Extreme {
        const char* name;
        void (*apply)(OndarParams&);
    };
    const std::vector<Extreme> extremes = {
        {"crosscut angle 30",
         [](OndarParams& p) {
             p.CrosscutAngle = 30;
             p.CrosscutSpacing = 100;
         }},
        {"abutment angles 0",
         [](OndarParams& p) {
             p.ActiveGobAbutmentAngle = p.FirstGobAbutmentAngle = p.SecondGobAbutmentAngle = 0;
         }},
        {"abutment angles 90",
         [](OndarParams& p) {
             p.ActiveGobAbutmentAngle = p.FirstGobAbutmentAngle = p.SecondGobAbutmentAngle = 90;
         }},
        {"very deep",
         [](OndarParams& p) {
             p.DepthOfCover = 5000;
             p.AMZBreadth = 353;
         }},
        {"very shallow",
         [](OndarParams& p) {
             p.DepthOfCover = 1;
             p.AMZBreadth = 5;
         }},
        {"tiny breadth", [](OndarParams& p) { p.AMZBreadth = 0.01; }},
        {"slender pillars", [](OndarParams& p) { p.EntryHeight = 40; }},
        {"no barriers", [](OndarParams& p) { p.FirstGobBarrierWidth = p.SecondGobBarrierWidth = 0; }},
        {"slab cuts through the barriers",
         [](OndarParams& p) {
             p.FirstGobSlabCut = 60;
             p.SecondGobSlabCut = 60;
         }},
        {"no gobs", [](OndarParams& p) { p.ActiveGobExtent = p.FirstGobExtent = p.SecondGobExtent = 0; }},
        {"ten entries",
         [](OndarParams& p) {
             p.NumberOfEntries = 10;
             for (int i = 1; i <= 9; ++i) p.EntryCenters[i] = 21;
         }},
        {"huge panel",
         [](OndarParams& p) {
             for (int i = 1; i <= 5; ++i) p.EntryCenters[i] = 5000;
         }},
        {"arch factor floor",
         [](OndarParams& p) {
             p.ArchFactorAuto = 0;
             p.ArchFactor = 0.28f;
         }},
        {"narrow leave rows",
         [](OndarParams& p) {
             p.LeaveRowC = p.LeaveRowD = 1;
             p.RowCPillarWidth = p.RowDPillarWidth = 0.01f;
         }},
    };
    for (int16_t condition = 0; condition <= 3; ++condition) {
        for (const Extreme& e : extremes) {
            RetreatFixture f;
            OndarParams p = RetreatWithSideGobs(condition);
            e.apply(p);
            const std::string where = std::to_string(condition) + " " + e.name;
            for (float m : {0.0f, 5000.0f}) {
                f.ws.OndarWork = p;
                f.ws.Run.avgMultiSeamStress = m;
                ASSERT_TRUE(OndarLoadModelInputs(f.ws)) << where << ": " << f.LastMessage();
                ASSERT_NO_THROW(OndarCalculate(f.ws, 0)) << where;
                const OndarModelState& o = f.ws.Ondar;
                for (int s = 1; s <= 2; ++s) {
                    EXPECT_TRUE(std::isfinite(o.OndarSF[s])) << where;
                    EXPECT_TRUE(std::isfinite(o.OndarSFMS[s])) << where;
                    for (int b = 1; b <= 2; ++b) EXPECT_TRUE(std::isfinite(o.BarrierSF[s][b])) << where;
                    for (int k = 1; k <= 4; ++k)
                        EXPECT_TRUE(std::isfinite(o.OndarTotalStress[k][s])) << where;
                }
                EXPECT_TRUE(std::isfinite(o.RemnantSF[1]) && std::isfinite(o.RemnantSF[2])) << where;
                EXPECT_TRUE(std::isfinite(f.ws.Stress.DevStress) &&
                            std::isfinite(f.ws.Stress.RetreatTotalStress))
                    << where;
            }
        }
    }
}

TEST(OndarLoading, ProgressLinesAndHistory) {
    RetreatFixture f;
    f.ws.Options.DisplayHistoryWin = 1;
    f.ws.OndarWork = RetreatWithSideGobs(1);
    ASSERT_TRUE(OndarLoadModelInputs(f.ws));
    OndarCalculate(f.ws, -1);
    EXPECT_TRUE(Contains(f.ui.progress, "SS Stress (i=1) = ")) << f.ui.progress;
    EXPECT_TRUE(Contains(f.ui.progress, "SS Stress (i=2) = "));
    EXPECT_FALSE(Contains(f.ui.progress, "SS Stress (i=3)"));
    EXPECT_TRUE(Contains(f.ws.History.Text, ". 2 "));
}

TEST(OndarLoading, ZeroDivisorEndsTheRunWithAnError) {
    RetreatFixture f;
    f.ws.OndarWork = ReferenceRetreat();
    ASSERT_TRUE(OndarLoadModelInputs(f.ws));
    f.ws.Ondar.CrosscutAngleRad = 0;  // past the checks
    EXPECT_THROW(OndarCalculate(f.ws, 0), std::runtime_error);
}

// The same project in metric units gives the same factors and its results in
// kN, kPa and metres.
TEST(OndarUnits, MetricProjectMatchesItsEnglishTwin) {
    OndarParams english = RetreatWithSideGobs(3);
    english.DepthOfCover = 900;
    english.AMZBreadth = 150;
    english.LeaveRowC = 1;
    english.RowCPillarWidth = 40;
    english.FirstGobSlabCut = 15;
    RetreatFixture e;
    e.Run(english, 120);

    OndarParams metric = english;
    ConvertOndarUnits(metric, UnitDirection::ToMetric);
    RetreatFixture m;
    m.ws.Header.UnitSystem = Metric;
    m.ws.OndarWork = metric;
    m.ws.Run.avgMultiSeamStress = 120;
    OndarToEnglishUnits(m.ws);
    m.ws.Header.UnitSystem = English;
    ASSERT_TRUE(OndarLoadModelInputs(m.ws));
    OndarCalculate(m.ws, 0);
    m.ws.Header.UnitSystem = Metric;
    OndarToProjectUnits(m.ws);

    const OndarModelState& a = e.ws.Ondar;
    const OndarModelState& b = m.ws.Ondar;
    for (int s = 1; s <= 2; ++s) {
        EXPECT_NEAR(b.OndarSF[s], a.OndarSF[s], 1e-9 * a.OndarSF[s]);
        EXPECT_NEAR(b.OndarSFMS[s], a.OndarSFMS[s], 1e-9 * a.OndarSFMS[s]);
        EXPECT_NEAR(b.BarrierSF[s][1], a.BarrierSF[s][1], 1e-9 * a.BarrierSF[s][1]);
        EXPECT_NEAR(b.TotalLoad[s][4], a.TotalLoad[s][4] * KNPerLbf, 1e-9 * b.TotalLoad[s][4]);
    }
    EXPECT_NEAR(b.PillarWidth[1], a.PillarWidth[1] / FeetPerMetre, 1e-9);
    EXPECT_NEAR(b.PillarArea[1], a.PillarArea[1] / FeetPerMetre / FeetPerMetre, 1e-9);
    EXPECT_NEAR(b.PillarStrength[1], a.PillarStrength[1] / 144 / PsiPerMPa * 1000, 1e-6);
    EXPECT_NEAR(b.PillarCapacity[1], a.PillarCapacity[1] * KNPerLbf, 1e-6 * b.PillarCapacity[1]);
    EXPECT_NEAR(b.AbutmentLoad[2], a.AbutmentLoad[2] * KNPerLbf * FeetPerMetre, 1e-9 * b.AbutmentLoad[2]);
    EXPECT_NEAR(b.BarrierCapacity[1], a.BarrierCapacity[1] * KNPerLbf, 1e-9 * b.BarrierCapacity[1]);
    EXPECT_NEAR(b.LeaveExcessCapacity[1], a.LeaveExcessCapacity[1] * KNPerLbf,
                1e-6 * b.LeaveExcessCapacity[1]);
    EXPECT_NEAR(b.RemnantWidth[1], 45 / FeetPerMetre, 1e-9);
    EXPECT_NEAR(b.RemnantLength, a.RemnantLength / FeetPerMetre, 1e-9);
    EXPECT_NEAR(b.AMZWidth, a.AMZWidth, 1e-9);                        // still feet: the report converts
    EXPECT_NEAR(m.ws.Stress.DevStress, e.ws.Stress.DevStress, 1e-3);  // psi in both
    EXPECT_EQ(m.ws.OndarWork, metric);
}

}  // namespace
}  // namespace vesk::test
